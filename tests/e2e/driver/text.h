// Code page conversions of the driver. Every text it compares is a byte string
// in CP1251, like the texts of the programs under test; what it prints is UTF-8,
// so that the logs of the test runs read the same in any locale.
#pragma once

#include <string>

namespace nv {

// Throws std::runtime_error when the input is not valid UTF-8 or holds a
// character CP1251 cannot represent: an expectation must never be lossy.
std::string Utf8ToCp1251(const std::string& utf8);
// The same for a text that may hold characters CP1251 lacks: false then, and
// each of them reads "?" in *cp1251. Throws only on malformed UTF-8.
bool Utf8ToCp1251Exactly(const std::string& utf8, std::string* cp1251);
std::wstring Utf8ToWide(const std::string& utf8);
std::string Cp1251ToUtf8(const std::string& cp1251);
std::wstring Cp1251ToWide(const std::string& cp1251);
std::string WideToUtf8(const std::wstring& wide);

// A text as a double-quoted UTF-8 literal with CR, LF, TAB, quotes and other
// control bytes escaped, for log lines.
std::string Quoted(const std::string& cp1251);
std::string QuotedWide(const std::wstring& wide);

// Offset of the first byte where the two texts differ (the shorter length when
// one is a prefix of the other).
size_t FirstDifference(const std::string& a, const std::string& b);

}  // namespace nv
