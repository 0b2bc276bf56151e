// The names and texts the registration shows, in the language of the mode.
#pragma once

#include <string>

struct RegistrationTexts {
    std::string displayText;            // DisplayName, and the name of the program shortcuts
    std::string descriptionText;        // the description of every shortcut
    std::string uninstallShortcutName;  // without ".lnk"
    std::string webShortcutName;        // without ".url"
    std::string publisher;
};

// Chosen from the installer state's mode and product identity.
RegistrationTexts ChooseRegistrationTexts();
