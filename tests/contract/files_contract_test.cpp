// The file rules the setup program relies on, as Windows keeps them: the same
// tests run against the fake file system and against the real one.
#include <algorithm>

#include "name_rows.h"
#include "platform/files.h"
#include "sandbox.h"

using namespace platform;

namespace {

class FilesContract : public sandbox::Test {};

ErrorCode Write(const std::string& path, const std::string& bytes,
                CreateMode mode = CreateMode::CreateAlways) {
    return WriteWholeFile(path, bytes.data(), bytes.size(), mode);
}

std::string Read(const std::string& path) {
    std::string bytes = "(unread)";
    ReadWholeFile(path, &bytes);
    return bytes;
}

std::vector<FolderEntry> Listing(const std::string& folder) {
    std::vector<FolderEntry> entries;
    EXPECT_EQ(ListFolder(folder, &entries), kSuccess) << folder;
    std::sort(entries.begin(), entries.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
    return entries;
}

}  // namespace

TEST_F(FilesContract, CreateNewRefusesAnExistingFileAndCreateAlwaysTruncatesIt) {
    const std::string path = sandbox::Folder() + "f";
    EXPECT_EQ(WriteWholeFile(path, nullptr, 0, CreateMode::CreateNew), kSuccess);
    EXPECT_TRUE(FileExists(path));
    EXPECT_EQ(Read(path), "");
    EXPECT_EQ(Write(path, "x", CreateMode::CreateNew), kErrorFileExists);
    EXPECT_EQ(Read(path), "");
    EXPECT_EQ(Write(path, "longer"), kSuccess);
    EXPECT_EQ(Write(path, "short"), kSuccess);
    EXPECT_EQ(Read(path), "short");
    std::uint64_t size = 0;
    EXPECT_EQ(FileSize(path, &size), kSuccess);
    EXPECT_EQ(size, 5u);
    EXPECT_EQ(FileSize(path + "none", &size), kErrorFileNotFound);
}

TEST_F(FilesContract, WritesAreRefusedWithTheErrorWindowsGives) {
    CreateFolder(sandbox::Folder() + "folder");
    struct Row {
        std::string path;
        ErrorCode error;
    };
    const Row rows[] = {
        {sandbox::Folder() + "missing\\f", kErrorPathNotFound},
        {sandbox::Folder() + "bad<name", kErrorInvalidName},
        {sandbox::Folder() + "bad?name", kErrorInvalidName},
        {sandbox::Folder() + "folder", kErrorAccessDenied},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(Write(row.path, "x"), row.error) << row.path;
        EXPECT_FALSE(FileExists(row.path)) << row.path;
    }
}

TEST_F(FilesContract, RangeReadsStopAtTheEndOfTheFile) {
    const std::string path = sandbox::Folder() + "r";
    ASSERT_EQ(Write(path, "0123456789"), kSuccess);
    struct Row {
        std::uint64_t offset;
        std::size_t count;
        const char* expected;
    };
    const Row rows[] = {{0, 4, "0123"}, {6, 4, "6789"}, {8, 10, "89"}, {10, 5, ""}, {20, 1, ""}};
    for (const Row& row : rows) {
        std::string bytes = "unchanged";
        EXPECT_EQ(ReadFileRange(path, row.offset, row.count, ShareMode::Exclusive, &bytes),
                  kSuccess);
        EXPECT_EQ(bytes, row.expected) << row.offset;
    }
    std::string bytes;
    EXPECT_EQ(ReadFileRange(path + "none", 0, 1, ShareMode::Read, &bytes), kErrorFileNotFound);
    EXPECT_EQ(ReadWholeFile(path + "none", &bytes), kErrorFileNotFound);
    EXPECT_EQ(Read(path), "0123456789");
}

TEST_F(FilesContract, AFileHeldByAnotherProcessRefusesWhatItsHolderDoesNotShare) {
    const std::string path = sandbox::Folder() + "held.cok";
    const std::string fresh = sandbox::Folder() + "~held.cok";
    const std::string moved = sandbox::Folder() + "moved.cok";
    ASSERT_EQ(Write(path, "abc"), kSuccess);
    ASSERT_EQ(Write(fresh, "new"), kSuccess);
    std::string bytes;
    {
        sandbox::HeldFile holder(path, true);
        ASSERT_TRUE(holder.holding());
        EXPECT_EQ(ReadFileRange(path, 0, 3, ShareMode::Exclusive, &bytes), kErrorSharingViolation);
        EXPECT_EQ(ReadFileRange(path, 0, 3, ShareMode::Read, &bytes), kSuccess);
        EXPECT_EQ(bytes, "abc");
        EXPECT_EQ(Write(path, "new"), kErrorSharingViolation);
        EXPECT_EQ(DeleteFileAt(path), kErrorSharingViolation);
        EXPECT_EQ(MoveFileReplacing(path, moved), kErrorSharingViolation);
        EXPECT_EQ(MoveFileReplacing(fresh, path), kErrorAccessDenied);
        EXPECT_TRUE(FileExists(fresh));
    }
    {
        sandbox::HeldFile holder(path, false);
        ASSERT_TRUE(holder.holding());
        EXPECT_EQ(ReadFileRange(path, 0, 3, ShareMode::Read, &bytes), kErrorSharingViolation);
        EXPECT_EQ(ReadWholeFile(path, &bytes), kErrorSharingViolation);
    }
    EXPECT_EQ(Read(path), "abc");
    EXPECT_EQ(MoveFileReplacing(fresh, path), kSuccess);
    EXPECT_EQ(Read(path), "new");
}

TEST_F(FilesContract, MoveReplacesTheTargetInOneStep) {
    const std::string target = sandbox::Folder() + "nvm0.cok";
    const std::string fresh = sandbox::Folder() + "~nvm0.cok";
    ASSERT_EQ(Write(target, "old"), kSuccess);
    ASSERT_EQ(Write(fresh, "new"), kSuccess);
    EXPECT_EQ(MoveFileReplacing(fresh, target), kSuccess);
    EXPECT_EQ(Read(target), "new");
    EXPECT_FALSE(FileExists(fresh));
    EXPECT_EQ(MoveFileReplacing(fresh, target), kErrorFileNotFound);
    EXPECT_EQ(MoveFileReplacing(target, sandbox::Folder() + "missing\\x"), kErrorPathNotFound);
    EXPECT_EQ(Read(target), "new");
}

TEST_F(FilesContract, DeletionRemovesAFileAndSaysWhyItCannot) {
    const std::string path = sandbox::Folder() + "nvf.cok";
    ASSERT_EQ(Write(path, "x"), kSuccess);
    EXPECT_EQ(DeleteFileAt(path), kSuccess);
    EXPECT_FALSE(FileExists(path));
    EXPECT_EQ(DeleteFileAt(path), kErrorFileNotFound);
    EXPECT_EQ(DeleteFileAt(sandbox::Folder() + "missing\\nvf.cok"), kErrorPathNotFound);
    ASSERT_EQ(CreateFolder(sandbox::Folder() + "folder"), kSuccess);
    EXPECT_EQ(DeleteFileAt(sandbox::Folder() + "folder"), kErrorAccessDenied);
    EXPECT_TRUE(FolderExists(sandbox::Folder() + "folder"));

    const std::string readOnly = sandbox::Folder() + "ro.cok";
    ASSERT_EQ(Write(readOnly, "kept"), kSuccess);
    sandbox::MakeReadOnly(readOnly);
    EXPECT_EQ(DeleteFileAt(readOnly), kErrorAccessDenied);
    EXPECT_EQ(Read(readOnly), "kept");
}

// The name goes and nothing else: no placeholder of its own is left beside
// it, and a folder (even an empty one) is refused and stays.
TEST_F(FilesContract, RemovingANameTakesFilesAndNothingElse) {
    const std::string folder = sandbox::Folder() + "names";
    ASSERT_EQ(CreateFolder(folder), kSuccess);
    ASSERT_EQ(Write(folder + "\\~nvf.cok", "cut short"), kSuccess);
    ASSERT_EQ(CreateFolder(folder + "\\~nvm0.cok"), kSuccess);
    EXPECT_EQ(RemoveNameAt(folder + "\\~nvf.cok"), kSuccess);
    EXPECT_FALSE(FileExists(folder + "\\~nvf.cok"));
    EXPECT_EQ(RemoveNameAt(folder + "\\~nvm1.cok"), kSuccess);  // nothing there
    EXPECT_EQ(RemoveNameAt(folder + "\\~nvm0.cok"), kErrorAccessDenied);
    EXPECT_TRUE(FolderExists(folder + "\\~nvm0.cok"));
    EXPECT_EQ(Listing(folder).size(), 1u);
}

TEST_F(FilesContract, AReadOnlyFileRefusesToBeWrittenOrReplaced) {
    if (sandbox::OnWine()) {
        GTEST_SKIP() << "under Wine the read-only attribute is the file's Unix permissions: a "
                        "rename replaces the file regardless, and root writes it";
    }
    const std::string path = sandbox::Folder() + "ro.cok";
    const std::string fresh = sandbox::Folder() + "~ro.cok";
    ASSERT_EQ(Write(path, "kept"), kSuccess);
    ASSERT_EQ(Write(fresh, "new"), kSuccess);
    sandbox::MakeReadOnly(path);
    EXPECT_EQ(Write(path, "new"), kErrorAccessDenied);
    EXPECT_EQ(MoveFileReplacing(fresh, path), kErrorAccessDenied);
    EXPECT_EQ(Read(path), "kept");
}

TEST_F(FilesContract, ExistenceTellsFilesFromFolders) {
    const std::string file = sandbox::Folder() + "f";
    ASSERT_EQ(Write(file, "x"), kSuccess);
    EXPECT_TRUE(FileExists(file));
    EXPECT_FALSE(FolderExists(file));
    EXPECT_TRUE(FolderExists(sandbox::Folder()));
    EXPECT_TRUE(FolderExists(sandbox::Folder().substr(0, sandbox::Folder().size() - 1)));
    EXPECT_FALSE(FileExists(sandbox::Folder()));
    EXPECT_FALSE(FileExists(file + "none"));
    EXPECT_FALSE(FolderExists(file + "none"));
}

TEST_F(FilesContract, FileAndFolderNamesCompareWithoutCaseInLatinAndCyrillic) {
    int n = 0;
    for (TextCodePage page : contract::kTextCodePages) {
        UseTextCodePage(page);
        for (const contract::NameRow& row : contract::NameRows()) {
            const std::string folder = sandbox::Folder() + std::to_string(++n) + "\\";
            ASSERT_EQ(CreateFolder(folder), kSuccess);
            ASSERT_EQ(Write(folder + row.written, "x"), kSuccess) << n;
            EXPECT_EQ(FileExists(folder + row.asked), row.same) << n;
            ASSERT_EQ(CreateFolder(folder + row.written + "~"), kSuccess) << n;
            EXPECT_EQ(CreateFolder(folder + row.asked + "~"),
                      row.same ? kErrorAlreadyExists : kSuccess)
                << n;
        }
    }
    UseTextCodePage(TextCodePage::Ansi);
    // Writing again under another spelling replaces the file and keeps its first name.
    const std::string folder = sandbox::Folder() + "Папка";
    ASSERT_EQ(CreateFolder(folder), kSuccess);
    ASSERT_EQ(Write(folder + "\\Файл.cok", "first"), kSuccess);
    EXPECT_EQ(Write(sandbox::Folder() + "ПАПКА\\ФАЙЛ.COK", "second"), kSuccess);
    const std::vector<FolderEntry> entries = Listing(sandbox::Folder() + "папка");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, "Файл.cok");
    EXPECT_EQ(Read(folder + "\\файл.cok"), "second");
}

TEST_F(FilesContract, FoldersAreMadeOneLevelAtATimeOrAsATree) {
    const std::string file = sandbox::Folder() + "file";
    ASSERT_EQ(Write(file, "x"), kSuccess);
    EXPECT_EQ(CreateFolder(sandbox::Folder() + "A"), kSuccess);
    EXPECT_EQ(CreateFolder(sandbox::Folder() + "A"), kErrorAlreadyExists);
    EXPECT_EQ(CreateFolder(file), kErrorAlreadyExists);
    EXPECT_EQ(CreateFolder(sandbox::Folder() + "X\\Y"), kErrorPathNotFound);

    const std::string tree = sandbox::Folder() + "A\\B\\C\\";
    EXPECT_EQ(CreateFolderTree(tree), kSuccess);
    EXPECT_TRUE(FolderExists(tree));
    EXPECT_EQ(CreateFolderTree(tree), kSuccess);  // there already: nothing to do
    // Relative to the working folder, as a missing program-files folder leaves the path.
    EXPECT_EQ(CreateFolderTree("Norvelik\\Data"), kSuccess);
    EXPECT_TRUE(FolderExists(sandbox::Folder() + "Norvelik\\Data"));

    EXPECT_NE(CreateFolderTree(file + "\\Sub"), kSuccess);
    EXPECT_NE(CreateFolderTree(file), kSuccess);
    EXPECT_EQ(CreateFolderTree(sandbox::Folder() + "a|b\\c"), kErrorInvalidName);
}

TEST_F(FilesContract, APathOverTheLimitIsRefusedAndLeavesNothing) {
    const std::string longName = sandbox::Folder() + std::string(300, 'a');
    EXPECT_NE(Write(longName, "x"), kSuccess);
    EXPECT_FALSE(FileExists(longName));
    if (sandbox::OnWine()) {
        GTEST_SKIP() << "Wine's wide file calls take paths longer than 260 characters, which "
                        "Windows refuses";
    }
    // The whole path is over 260 characters, its first levels are not: none
    // of it may be left behind, nor reported made.
    std::string tooLong = sandbox::Folder() + "long\\";
    while (tooLong.size() < 300) tooLong += "abcdefghijklmnopqrstuvwxyz0123456789\\";
    EXPECT_NE(CreateFolderTree(tooLong), kSuccess);
    EXPECT_FALSE(FolderExists(tooLong));
    EXPECT_FALSE(FolderExists(sandbox::Folder() + "long"));
}

TEST_F(FilesContract, APathOnAMissingDriveIsAMissingPath) {
    const std::string path = sandbox::MissingDrive() + "\\Norvelik";
    EXPECT_NE(CreateFolderTree(path), kSuccess);
    EXPECT_NE(Write(path, "x"), kSuccess);
    if (sandbox::OnWine()) GTEST_SKIP() << "Wine says file not found for a missing drive";
    EXPECT_EQ(CreateFolderTree(path), kErrorPathNotFound);
    EXPECT_EQ(Write(path, "x"), kErrorPathNotFound);
}

TEST_F(FilesContract, ListingGivesNamesSizesAndKindsHiddenFilesIncluded) {
    const std::string folder = sandbox::Folder() + "list";
    ASSERT_EQ(CreateFolder(folder), kSuccess);
    ASSERT_EQ(Write(folder + "\\one.cok", std::string(1536, 'x')), kSuccess);
    ASSERT_EQ(Write(folder + "\\empty", ""), kSuccess);
    ASSERT_EQ(CreateFolder(folder + "\\Sub"), kSuccess);
    sandbox::MakeHidden(folder + "\\empty");
    for (const std::string& name : {folder, folder + "\\"}) {
        // In the spelling each was made with, sorted byte by byte.
        const std::vector<FolderEntry> entries = Listing(name);
        ASSERT_EQ(entries.size(), 3u);
        EXPECT_EQ(entries[0].name, "Sub");
        EXPECT_TRUE(entries[0].isFolder);
        EXPECT_EQ(entries[1].name, "empty");
        EXPECT_EQ(entries[1].size, 0u);
        EXPECT_EQ(entries[2].name, "one.cok");
        EXPECT_EQ(entries[2].size, 1536u);
        EXPECT_FALSE(entries[2].isFolder);
    }
    EXPECT_TRUE(Listing(folder + "\\sub").empty());
    std::vector<FolderEntry> entries;
    EXPECT_EQ(ListFolder(folder + "\\none", &entries), kErrorPathNotFound);
}

TEST_F(FilesContract, FreeSpaceIsAskedOfTheNearestFolderThatExists) {
    std::uint64_t direct = 0;
    std::uint64_t below = 0;
    EXPECT_EQ(FreeDiskSpace(sandbox::Folder(), &direct), kSuccess);
    EXPECT_EQ(FreeDiskSpace(sandbox::Folder() + "not\\yet\\made\\", &below), kSuccess);
    EXPECT_GT(direct, 0u);
    EXPECT_GT(below, 0u);
    EXPECT_EQ(FreeDiskSpace(sandbox::MissingDrive() + "\\Norvelik\\", &below), kErrorPathNotFound);
}

TEST_F(FilesContract, TheWorkingFolderChangesOnlyToAFolderThatExists) {
    const std::string folder = sandbox::Folder() + "wd";
    ASSERT_EQ(CreateFolder(folder), kSuccess);
    EXPECT_EQ(SetWorkingFolder(folder), kSuccess);
    ASSERT_EQ(Write("here", "x"), kSuccess);
    EXPECT_TRUE(FileExists(folder + "\\here"));
    EXPECT_TRUE(FileExists("here"));
    EXPECT_EQ(SetWorkingFolder(folder + "\\none"), kErrorFileNotFound);
    EXPECT_EQ(SetWorkingFolder(folder + "\\none\\deeper"), kErrorPathNotFound);
    EXPECT_TRUE(FileExists("here"));
}
