// Message boxes. Every box of the setup program has no owner window.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;

constexpr std::uint16_t kLangRussian = 0x0019;

// MessageBoxA: the buttons speak the system's language. Returns the button id.
int ShowMessageBox(const std::string& text, const std::string& caption, std::uint32_t style);

// MessageBoxExA: the buttons speak `language` (a LANGID).
int ShowMessageBoxEx(const std::string& text, const std::string& caption, std::uint32_t style,
                     std::uint16_t language);

}  // namespace platform
