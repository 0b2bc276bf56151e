// Shortcut files written and read back through the shell's link object, the
// ANSI-to-wide conversion their file names go through, and silent deletion of
// folder trees.
#include "platform/shell.h"

#include <windows.h>

#include "check.h"
#include "platform/files.h"
#include "text_to_wide.h"

using namespace platform;

namespace {

int LittleEndian32(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    }
    return static_cast<int>(value);
}

}  // namespace

class Shell : public sandbox::Test {};

TEST_F(Shell, AnsiTextBecomesTheSameCharactersWide) {
    if (::GetACP() != 1251) {
        ADD_FAILURE() << "the checks run with the Cyrillic ANSI code page";
        return;
    }
    struct Row {
        std::string ansi;
        std::wstring wide;
    };
    const Row rows[] = {
        {"", L""},
        {"C:\\Program Files\\Norvelik.lnk", L"C:\\Program Files\\Norvelik.lnk"},
        {"Норвелик", L"\x041D\x043E\x0440\x0432\x0435\x043B\x0438\x043A"},
        {"Ёё№", L"\x0401\x0451\x2116"},
        {std::string(1000, 'a'), std::wstring(1000, L'a')},
    };
    for (const Row& row : rows) EXPECT_EQ(win32::TextToWide(row.ansi), row.wide);
}

TEST_F(Shell, ShortcutReadsBackWhatWasSaved) {
    InitializeComponentLibrary();
    const std::string target = sandbox::Folder() + "Norvelik.exe";
    ASSERT_EQ(WriteWholeFile(target, "MZ", 2, CreateMode::CreateAlways), kSuccess);
    struct Row {
        const char* linkName;
        const char* description;
        const char* arguments;
        int showCommand;
        int iconIndex;
    };
    const Row rows[] = {
        {"Норвелик.lnk", "Норвеликон", "", SW_SHOW, 0},
        {"Norvelik.lnk", "Norvelikon", "/start \"x y\"", SW_SHOWMINNOACTIVE, 2},
    };
    for (const Row& row : rows) {
        ShellLinkSpec saved;
        saved.target = target;
        saved.workingFolder = sandbox::Folder();
        saved.description = row.description;
        saved.arguments = row.arguments;
        saved.showCommand = row.showCommand;
        saved.iconPath = target;
        saved.iconIndex = row.iconIndex;
        saved.linkFile = sandbox::Folder() + row.linkName;
        ASSERT_TRUE(SaveShellLink(saved));
        // The file carries the name as given, Cyrillic letters included.
        EXPECT_TRUE(FileExists(saved.linkFile));

        // The header of the file itself: icon index and show command.
        std::string header;
        ASSERT_EQ(ReadFileRange(saved.linkFile, 0, 0x4C, ShareMode::Read, &header), kSuccess);
        ASSERT_EQ(header.size(), std::size_t{0x4C});
        EXPECT_EQ(LittleEndian32(header, 0x38), row.iconIndex);
        EXPECT_EQ(LittleEndian32(header, 0x3C), row.showCommand);

        ShellLinkSpec loaded;
        ASSERT_TRUE(LoadShellLink(saved.linkFile, &loaded));
        EXPECT_EQ(loaded.target, saved.target);
        EXPECT_EQ(loaded.workingFolder, saved.workingFolder);
        EXPECT_EQ(loaded.description, saved.description);
        EXPECT_EQ(loaded.arguments, saved.arguments);
        // Wine's link object does not restore the show command from the file
        // (the header check above covers what was saved).
        if (!sandbox::OnWine()) {
            EXPECT_EQ(loaded.showCommand, saved.showCommand);
        }
        EXPECT_EQ(loaded.iconPath, saved.iconPath);
        EXPECT_EQ(loaded.iconIndex, saved.iconIndex);
        EXPECT_EQ(loaded.linkFile, saved.linkFile);
    }
}

TEST_F(Shell, ShortcutIntoAMissingFolderOrFromNoFileFails) {
    InitializeComponentLibrary();
    ShellLinkSpec link;
    link.target = sandbox::Folder() + "Norvelik.exe";
    link.linkFile = sandbox::Folder() + "missing\\Norvelik.lnk";
    EXPECT_FALSE(SaveShellLink(link));
    EXPECT_FALSE(FileExists(link.linkFile));
    ShellLinkSpec loaded;
    EXPECT_FALSE(LoadShellLink(sandbox::Folder() + "none.lnk", &loaded));
    link.linkFile = "";
    EXPECT_FALSE(SaveShellLink(link));
}

TEST_F(Shell, OpeningAMissingProgramReportsFailure) {
    EXPECT_FALSE(ShellOpen(sandbox::Folder() + "none.exe", "", "", SW_SHOWNORMAL));
}
