#include "installation/file_list.h"

#include <gtest/gtest.h>

#include "installation/payload_names.h"

namespace {

struct EntryCase {
    const char* entry;
    const char* name;
    const char* type;
    const char* target;
};

TEST(FileListTest, NamesTypesAndTargetsFollowTheEntry) {
    const std::string folder = "C:\\Program Files\\Norvelik\\";
    const EntryCase cases[] = {
        {"nvq10.cok", "nvq10", "cok", "C:\\Program Files\\Norvelik\\nvq10.cok"},
        {"Norvelik.exe", "Norvelik", "exe", "C:\\Program Files\\Norvelik\\Norvelik.exe"},
        {"UNINSTALL.EXE", "UNINSTALL", "EXE", "C:\\Program Files\\Norvelik\\UNINSTALL.EXE"},
        {"sub\\file.cok", "file", "cok", "sub\\file.cok"},
        {"D:\\x.y\\data.tar.pak", "data.tar", "pak", "D:\\x.y\\data.tar.pak"},
        {"a:b.dll", "b", "dll", "C:\\Program Files\\Norvelik\\a:b.dll"},
        {"README", "README", "", "C:\\Program Files\\Norvelik\\README"},
        {"", "", "", "C:\\Program Files\\Norvelik\\"},
        {"ru.lng", "ru", "lng", "C:\\Program Files\\Norvelik\\language\\ru.lng"},
        {"codes.lng", "codes", "lng", "C:\\Program Files\\Norvelik\\language\\!codes.lng"},
        {"kcodes_codes.lng", "kcodes_codes", "lng",
         "C:\\Program Files\\Norvelik\\language\\k!codes_codes.lng"},
        // The exact, lower-case type decides; "LNG" is an ordinary file.
        {"CODES.LNG", "CODES", "LNG", "C:\\Program Files\\Norvelik\\CODES.LNG"},
    };
    for (const EntryCase& c : cases) {
        FileListEntry e = ParseFileListEntry(c.entry, folder);
        EXPECT_EQ(e.resourceName, c.name) << c.entry;
        EXPECT_EQ(e.resourceType, c.type) << c.entry;
        EXPECT_EQ(e.targetPath, c.target) << c.entry;
    }
}

// "codes" in the program folder's own path is no reason for a "!".
TEST(FileListTest, CodesInTheProgramFolderIsLeftAlone) {
    EXPECT_EQ(ParseFileListEntry("ru.lng", "D:\\Barcodes\\").targetPath,
              "D:\\Barcodes\\language\\ru.lng");
    EXPECT_EQ(ParseFileListEntry("codes.lng", "D:\\Barcodes\\").targetPath,
              "D:\\Barcodes\\language\\!codes.lng");
}

TEST(FileListTest, EntriesAreCountedAndConsumedFromTheFront) {
    std::string list = "Norvelik.exe;nvf.cok;riched32.dll;";
    EXPECT_EQ(CountFileListEntries(list), 3);
    EXPECT_EQ(FirstFileListEntry(list), "Norvelik.exe");
    list = WithoutFirstFileListEntry(list);
    EXPECT_EQ(list, "nvf.cok;riched32.dll;");
    list = WithoutFirstFileListEntry(WithoutFirstFileListEntry(list));
    EXPECT_EQ(list, "");
    EXPECT_EQ(CountFileListEntries(""), 0);
    EXPECT_EQ(CountFileListEntries("no separator"), 0);
    EXPECT_EQ(CountFileListEntries(";;"), 2);
    EXPECT_EQ(FirstFileListEntry(";x;"), "");
    EXPECT_EQ(WithoutFirstFileListEntry("tail"), "");
}

}  // namespace

TEST(FileListTest, EntriesAreTheTerminatedNonEmptyOnes) {
    struct Row {
        const char* list;
        std::vector<std::string> entries;
    } rows[] = {
        {"", {}},
        {"a.exe;", {"a.exe"}},
        {"a.exe;b.cok;", {"a.exe", "b.cok"}},
        {"a.exe;unterminated.cok", {"a.exe"}},
        {";;a.exe;;", {"a.exe"}},
        {"C:\\x\\y.dll;lang\\rus.lng;", {"C:\\x\\y.dll", "lang\\rus.lng"}},
    };
    for (const Row& r : rows) EXPECT_EQ(FileListEntries(r.list), r.entries) << r.list;
}
