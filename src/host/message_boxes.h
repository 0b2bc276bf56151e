// The program's own message boxes: a bilingual text shown in the language of
// the current mode, Russian with Russian buttons, English with the system's.
#pragma once

#include <cstdint>
#include <string>

#include "platform/message_box.h"

constexpr std::uint32_t kErrorBoxStyle = platform::kMbServiceNotification | platform::kMbIconError;
constexpr std::uint32_t kWarningBoxStyle =
    platform::kMbTopmost | platform::kMbTaskModal | platform::kMbIconWarning;

// Shows the text of the current mode under the caption of that mode and
// returns the button the user chose.
int ShowInCurrentMode(const std::string& englishText, const std::string& russianText,
                      std::uint32_t style, const std::string& englishCaption,
                      const std::string& russianCaption);

// The same under the product's short title, the program's usual caption.
int ShowInCurrentMode(const std::string& englishText, const std::string& russianText,
                      std::uint32_t style);

// Show the text of the current mode and return when the user has closed the box.
// The texts are the program's own (CP1251, as compiled), converted to the text
// code page here: with UTF-8 texts, as the uninstaller has them, they can
// carry no path or other text of the system's.
void ErrorBox(const std::string& englishText, const std::string& russianText);
void WarningBox(const std::string& englishText, const std::string& russianText);
