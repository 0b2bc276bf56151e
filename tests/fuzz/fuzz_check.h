// What the fuzz programs share: turning libFuzzer's bytes into strings, and a
// check that stops the run with the broken rule and the input that broke it,
// so that libFuzzer saves that input as a crash.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace fuzz {

inline std::string Text(const std::uint8_t* data, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

// Splits the input at its first zero byte: the readers take text, and two
// texts that vary independently (a list and a folder) reach more paths.
inline void SplitAtZero(const std::string& input, std::string* first, std::string* second) {
    const std::size_t zero = input.find('\0');
    *first = input.substr(0, zero);
    *second = zero == std::string::npos ? std::string() : input.substr(zero + 1);
}

[[noreturn]] inline void Fail(const char* rule, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: broken: %s\n", file, line, rule);
    std::abort();
}

}  // namespace fuzz

// Not assert(): it must hold in every build type.
#define FUZZ_CHECK(rule) ((rule) ? static_cast<void>(0) : ::fuzz::Fail(#rule, __FILE__, __LINE__))
