#include "installation/installed_paths.h"

#include <gtest/gtest.h>

TEST(InstalledPathsTest, FindsEachEntryWhereTheSetupPutsIt) {
    const std::string folder = "C:\\Program Files\\Norvelik\\";
    struct Row {
        const char* entry;
        std::string path;
    } rows[] = {
        {"Norvelik.exe", folder + "Norvelik.exe"},
        {"nvq10.cok", folder + "nvq10.cok"},
        {"README", folder + "README"},
        {"rus.lng", folder + "language\\rus.lng"},
        {"codes.lng", folder + "language\\!codes.lng"},
        {"uacodes.lng", folder + "language\\ua!codes.lng"},
        {"Codes.lng", folder + "language\\Codes.lng"},  // the mark is for the lower-case name
        {"rus.LNG", folder + "rus.LNG"},                // only "lng" goes to the language folder
        {"D:\\Shared\\riched32.dll", "D:\\Shared\\riched32.dll"},
        {"\\\\server\\share\\x.cok", "\\\\server\\share\\x.cok"},
        {"sub\\x.cok", ""},  // placed relative to the setup's own working folder
    };
    for (const Row& r : rows) EXPECT_EQ(InstalledPathOf(r.entry, folder), r.path) << r.entry;
}

TEST(InstalledPathsTest, ShortcutNamesCoverBothLanguagesOnce) {
    EXPECT_EQ(StartMenuShortcutNames("Норвелик", "Норвелик"),
              (std::vector<std::string>{"Норвелик.lnk", "Удаление программы.lnk",
                                        "Uninstall the program.lnk", "Интернет-сайт программы.url",
                                        "Program's website.url"}));
    EXPECT_EQ(StartMenuShortcutNames("Норвелик", "Norvelik").size(), 6u);
}
