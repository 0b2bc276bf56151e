// Message boxes. Every box of the setup program has no owner window.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// The styles the program's boxes are made of: MB_* by their Windows values.
constexpr std::uint32_t kMbYesNo = 0x00000004;
constexpr std::uint32_t kMbIconError = 0x00000010;
constexpr std::uint32_t kMbIconQuestion = 0x00000020;
constexpr std::uint32_t kMbIconWarning = 0x00000030;
constexpr std::uint32_t kMbIconInformation = 0x00000040;
constexpr std::uint32_t kMbTaskModal = 0x00002000;
constexpr std::uint32_t kMbTopmost = 0x00040000;
constexpr std::uint32_t kMbServiceNotification = 0x00200000;

// The buttons a box returns: ID* by their Windows values.
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;

constexpr std::uint16_t kLangRussian = 0x0019;

// The texts are of the current text code page. The buttons speak the
// system's language. Returns the button id.
int ShowMessageBox(const std::string& text, const std::string& caption, std::uint32_t style);

// As above, but the buttons speak `language` (a LANGID).
int ShowMessageBoxEx(const std::string& text, const std::string& caption, std::uint32_t style,
                     std::uint16_t language);

}  // namespace platform
