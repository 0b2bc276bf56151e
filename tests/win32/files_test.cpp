// Files and folders as Windows treats them: the same rules the in-memory fake
// of the unit tests follows.
#include "platform/files.h"

#include <windows.h>

#include <algorithm>

#include "check.h"

using namespace platform;

namespace {

std::string Pattern(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 131 + i / 7) & 0xFF);
    return bytes;
}

ErrorCode Write(const std::string& path, const std::string& bytes,
                CreateMode mode = CreateMode::CreateAlways) {
    return WriteWholeFile(path, bytes.data(), bytes.size(), mode);
}

std::string Read(const std::string& path) {
    std::string bytes;
    ReadWholeFile(path, &bytes);
    return bytes;
}

// Another opener that keeps the file open, like a running product would.
class Holder {
  public:
    Holder(const std::string& path, DWORD share)
        : handle_(::CreateFileA(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0,
                                nullptr)) {}
    ~Holder() {
        if (handle_ != INVALID_HANDLE_VALUE) ::CloseHandle(handle_);
    }
    bool holding() const { return handle_ != INVALID_HANDLE_VALUE; }

  private:
    HANDLE handle_;
};

}  // namespace

NV_CHECK(Files, WritesAndReadsBackFilesLargerThanOneWriteChunk) {
    const std::string path = check::Scratch() + "big.cok";
    const std::string bytes = Pattern((5u << 20) / 2 + 17);  // two and a half chunks and a bit
    ASSERT_TRUE(EXPECT_EQ(Write(path, bytes), kSuccess));
    std::uint64_t size = 0;
    EXPECT_EQ(FileSize(path, &size), kSuccess);
    EXPECT_EQ(size, static_cast<std::uint64_t>(bytes.size()));
    EXPECT_TRUE(Read(path) == bytes);
    // CreateAlways truncates what was there.
    EXPECT_EQ(Write(path, "short"), kSuccess);
    EXPECT_EQ(Read(path), std::string("short"));
}

NV_CHECK(Files, EmptyFileIsCreatedAndCreateNewRefusesAnExistingOne) {
    const std::string path = check::Scratch() + "f";
    EXPECT_EQ(WriteWholeFile(path, nullptr, 0, CreateMode::CreateNew), kSuccess);
    EXPECT_TRUE(FileExists(path));
    EXPECT_EQ(Write(path, "x", CreateMode::CreateNew), kErrorFileExists);
    EXPECT_EQ(Read(path), std::string());
}

NV_CHECK(Files, WritingIntoAMissingFolderOrADeviceNameFails) {
    EXPECT_EQ(Write(check::Scratch() + "missing\\f", "x"), kErrorPathNotFound);
    EXPECT_EQ(Write(check::Scratch() + "bad<name", "x"), kErrorInvalidName);
}

NV_CHECK(Files, RangeReadStopsAtTheEndAndReadsFromTheOffset) {
    const std::string path = check::Scratch() + "r";
    ASSERT_TRUE(EXPECT_EQ(Write(path, "0123456789"), kSuccess));
    struct Row {
        std::uint64_t offset;
        std::size_t count;
        const char* expected;
    };
    const Row rows[] = {{0, 4, "0123"}, {6, 4, "6789"}, {8, 10, "89"}, {10, 5, ""}, {20, 1, ""}};
    for (const Row& row : rows) {
        std::string bytes = "unchanged?";
        EXPECT_EQ(ReadFileRange(path, row.offset, row.count, ShareMode::Read, &bytes), kSuccess);
        EXPECT_EQ(bytes, std::string(row.expected));
    }
    std::string bytes;
    EXPECT_EQ(ReadFileRange(check::Scratch() + "none", 0, 1, ShareMode::Read, &bytes),
              kErrorFileNotFound);
}

NV_CHECK(Files, ExclusiveReadFailsWhileAnotherOpenerHoldsTheFile) {
    const std::string path = check::Scratch() + "held";
    ASSERT_TRUE(EXPECT_EQ(Write(path, "abc"), kSuccess));
    std::string bytes;
    {
        Holder holder(path, FILE_SHARE_READ);
        ASSERT_TRUE(holder.holding());
        EXPECT_EQ(ReadFileRange(path, 0, 3, ShareMode::Exclusive, &bytes), kErrorSharingViolation);
        EXPECT_EQ(ReadFileRange(path, 0, 3, ShareMode::Read, &bytes), kSuccess);
        EXPECT_EQ(bytes, std::string("abc"));
        // A writer must not get in while it is held.
        EXPECT_EQ(Write(path, "new"), kErrorSharingViolation);
    }
    EXPECT_EQ(ReadFileRange(path, 1, 2, ShareMode::Exclusive, &bytes), kSuccess);
    EXPECT_EQ(bytes, std::string("bc"));
}

NV_CHECK(Files, MoveReplacesTheTargetAndDeleteReallyRemoves) {
    const std::string target = check::Scratch() + "nvm0.cok";
    const std::string fresh = check::Scratch() + "~nvm0.cok";
    ASSERT_TRUE(EXPECT_EQ(Write(target, "old"), kSuccess));
    ASSERT_TRUE(EXPECT_EQ(Write(fresh, "new"), kSuccess));
    EXPECT_EQ(MoveFileReplacing(fresh, target), kSuccess);
    EXPECT_EQ(Read(target), std::string("new"));
    EXPECT_FALSE(FileExists(fresh));
    EXPECT_EQ(DeleteFileAt(target), kSuccess);
    EXPECT_FALSE(FileExists(target));
    EXPECT_EQ(DeleteFileAt(target), kErrorFileNotFound);
}

NV_CHECK(Files, DeleteReportsSuccessOnlyForAFileThatIsGone) {
    const std::string path = check::Scratch() + "nvf.cok";
    ASSERT_TRUE(EXPECT_EQ(Write(path, "x"), kSuccess));
    {
        // A holder that allows deletion: the system may accept the request
        // and still keep the file while the holder has it open.
        Holder holder(path, FILE_SHARE_READ | FILE_SHARE_DELETE);
        ASSERT_TRUE(holder.holding());
        const ErrorCode e = DeleteFileAt(path);
        EXPECT_TRUE(e != kSuccess || !FileExists(path));
    }
    {
        Holder holder(path, FILE_SHARE_READ);
        if (holder.holding()) EXPECT_EQ(DeleteFileAt(path), kErrorSharingViolation);
    }
}

NV_CHECK(Files, ExistenceTestsTellFilesFromFolders) {
    const std::string file = check::Scratch() + "f";
    ASSERT_TRUE(EXPECT_EQ(Write(file, "x"), kSuccess));
    EXPECT_TRUE(FileExists(file));
    EXPECT_FALSE(FolderExists(file));
    EXPECT_TRUE(FolderExists(check::Scratch()));
    EXPECT_FALSE(FileExists(check::Scratch()));
    EXPECT_FALSE(FileExists(check::Scratch() + "none"));
    EXPECT_FALSE(FolderExists(check::Scratch() + "none"));
}

NV_CHECK(Files, FolderTreeIsCreatedLevelByLevel) {
    const std::string tree = check::Scratch() + "A\\B\\C\\";
    EXPECT_EQ(CreateFolderTree(tree), kSuccess);
    EXPECT_TRUE(FolderExists(tree));
    EXPECT_EQ(CreateFolderTree(tree), kSuccess);  // existing: nothing to do
    EXPECT_EQ(CreateFolder(check::Scratch() + "A"), kErrorAlreadyExists);
    EXPECT_EQ(CreateFolder(check::Scratch() + "X\\Y"), kErrorPathNotFound);
    // Relative to the working folder, as a missing program-files folder leaves it.
    EXPECT_EQ(CreateFolderTree("Norvelik\\Data"), kSuccess);
    EXPECT_TRUE(FolderExists(check::Scratch() + "Norvelik\\Data"));
}

NV_CHECK(Files, FolderTreeFailsWhereAFileOrAnInvalidNameOrAMissingDriveIsInTheWay) {
    const std::string file = check::Scratch() + "file";
    ASSERT_TRUE(EXPECT_EQ(Write(file, "x"), kSuccess));
    EXPECT_TRUE(CreateFolderTree(file + "\\Sub") != kSuccess);
    EXPECT_TRUE(CreateFolderTree(file) != kSuccess);
    EXPECT_EQ(CreateFolderTree(check::Scratch() + "a|b\\c"), kErrorInvalidName);
    char missingDrive[] = "?:\\Norvelik";
    DWORD drives = ::GetLogicalDrives();
    for (char letter = 'Z'; letter >= 'D'; --letter) {
        if ((drives & (1u << (letter - 'A'))) == 0) missingDrive[0] = letter;
    }
    ASSERT_TRUE(missingDrive[0] != '?');
    // Windows says "path not found"; Wine says "file not found".
    const ErrorCode e = CreateFolderTree(missingDrive);
    EXPECT_TRUE(e == kErrorPathNotFound || e == kErrorFileNotFound);
    std::uint64_t free = 0;
    EXPECT_EQ(FreeDiskSpace(missingDrive, &free), kErrorPathNotFound);
}

NV_CHECK(Files, FolderTreeTooLongIsNeverReportedCreated) {
    // The whole path is over 260 characters, its first levels are not.
    std::string tree = check::Scratch();
    while (tree.size() < 300) tree += "abcdefghijklmnopqrstuvwxyz0123456789\\";
    const ErrorCode e = CreateFolderTree(tree);
    EXPECT_TRUE(e != kSuccess);
    EXPECT_FALSE(FolderExists(tree));
}

NV_CHECK(Files, ListingGivesNamesSizesAndKindsWithoutDotEntries) {
    const std::string folder = check::Scratch() + "list";
    ASSERT_TRUE(EXPECT_EQ(CreateFolder(folder), kSuccess));
    ASSERT_TRUE(EXPECT_EQ(Write(folder + "\\one.cok", std::string(1536, 'x')), kSuccess));
    ASSERT_TRUE(EXPECT_EQ(Write(folder + "\\empty", ""), kSuccess));
    ASSERT_TRUE(EXPECT_EQ(CreateFolder(folder + "\\sub"), kSuccess));
    ::SetFileAttributesA((folder + "\\empty").c_str(), FILE_ATTRIBUTE_HIDDEN);
    for (const std::string& name : {folder, folder + "\\"}) {
        std::vector<FolderEntry> entries;
        ASSERT_TRUE(EXPECT_EQ(ListFolder(name, &entries), kSuccess));
        std::sort(entries.begin(), entries.end(),
                  [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
        ASSERT_TRUE(EXPECT_EQ(entries.size(), std::size_t{3}));
        EXPECT_EQ(entries[0].name, std::string("empty"));
        EXPECT_EQ(entries[0].size, std::uint64_t{0});
        EXPECT_EQ(entries[1].name, std::string("one.cok"));
        EXPECT_EQ(entries[1].size, std::uint64_t{1536});
        EXPECT_FALSE(entries[1].isFolder);
        EXPECT_EQ(entries[2].name, std::string("sub"));
        EXPECT_TRUE(entries[2].isFolder);
    }
    std::vector<FolderEntry> entries;
    EXPECT_EQ(ListFolder(folder + "\\sub", &entries), kSuccess);
    EXPECT_TRUE(entries.empty());
    EXPECT_EQ(ListFolder(folder + "\\none", &entries), kErrorPathNotFound);
}

NV_CHECK(Files, FreeSpaceIsAskedOfTheNearestExistingFolder) {
    std::uint64_t direct = 0;
    std::uint64_t below = 0;
    EXPECT_EQ(FreeDiskSpace(check::Scratch(), &direct), kSuccess);
    EXPECT_EQ(FreeDiskSpace(check::Scratch() + "not\\yet\\made\\", &below), kSuccess);
    EXPECT_TRUE(direct > 0);
    EXPECT_TRUE(below > 0);
}

NV_CHECK(Files, WorkingFolderChangesOnlyToAnExistingFolder) {
    const std::string folder = check::Scratch() + "wd";
    ASSERT_TRUE(EXPECT_EQ(CreateFolder(folder), kSuccess));
    EXPECT_EQ(SetWorkingFolder(folder), kSuccess);
    ASSERT_TRUE(EXPECT_EQ(Write("here", "x"), kSuccess));
    EXPECT_TRUE(FileExists(folder + "\\here"));
    EXPECT_EQ(SetWorkingFolder(folder + "\\none"), kErrorFileNotFound);
}
