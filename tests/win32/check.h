// A small test harness for the checks of the Win32 platform layer, which run
// as a 32-bit Windows program (under Wine on the build machine), where the
// native test framework is not built. Checks register themselves; a failed
// expectation is reported with its place and the run goes on.
#pragma once

#include <cstdint>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

namespace check {

using CheckFunction = void (*)();

struct Registrar {
    Registrar(const char* group, const char* name, CheckFunction function);
};

void Fail(const char* file, int line, const std::string& what);

// Runs every registered check whose "Group.Name" contains `filter` (all for
// an empty one); returns the number of checks that failed.
int RunAll(const std::string& filter);

// A folder of its own for each check, empty at its start, ending in a backslash.
const std::string& Scratch();

// The folder of the running test program, ending in a backslash.
std::string ProgramFolder();

template <typename T>
std::string Describe(const T& value) {
    std::ostringstream out;
    if constexpr (std::is_enum_v<T>) {
        out << static_cast<long long>(value);
    } else if constexpr (std::is_same_v<T, std::wstring>) {
        out << "L\"";
        for (wchar_t c : value) {
            if (c >= 0x20 && c < 0x7F) {
                out << static_cast<char>(c);
            } else {
                out << "\\x" << std::hex << static_cast<unsigned>(c) << std::dec;
            }
        }
        out << '"';
    } else if constexpr (std::is_same_v<T, std::vector<std::string>>) {
        out << '{';
        for (const std::string& item : value) out << " \"" << item << '"';
        out << " }";
    } else if constexpr (std::is_same_v<T, std::string>) {
        out << '"' << (value.size() > 200 ? value.substr(0, 200) + "..." : value) << "\" ("
            << value.size() << " bytes)";
    } else if constexpr (std::is_same_v<T, unsigned char> || std::is_same_v<T, char>) {
        out << static_cast<int>(value);
    } else {
        out << value;
    }
    return out.str();
}

template <typename A, typename B>
bool ExpectEqual(const A& actual, const B& expected, const char* actualText,
                 const char* expectedText, const char* file, int line) {
    if (actual == expected) return true;
    Fail(file, line,
         std::string(actualText) + " == " + expectedText + "\n      actual:   " + Describe(actual) +
             "\n      expected: " + Describe(expected));
    return false;
}

}  // namespace check

#define NV_CHECK(group, name)                                                                \
    static void group##_##name();                                                            \
    static const check::Registrar group##_##name##_registrar(#group, #name, group##_##name); \
    static void group##_##name()

#define EXPECT_EQ(actual, expected) \
    check::ExpectEqual((actual), (expected), #actual, #expected, __FILE__, __LINE__)

#define EXPECT_TRUE(condition) \
    ((condition) ? true : (check::Fail(__FILE__, __LINE__, #condition), false))

#define EXPECT_FALSE(condition) EXPECT_TRUE(!(condition))

// Ends the check at once when the condition fails: what follows needs it.
#define ASSERT_TRUE(condition)               \
    do {                                     \
        if (!EXPECT_TRUE(condition)) return; \
    } while (0)
