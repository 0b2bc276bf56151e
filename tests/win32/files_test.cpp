// What the Win32 files calls do beyond the rules the contract tests hold
// them and the fake to: large files in pieces, a deletion that the system
// accepts but cannot carry out, and names the ANSI code page cannot hold.
#include "platform/files.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "check.h"
#include "platform/text_code_page.h"

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

class Files : public sandbox::Test {};

TEST_F(Files, WritesAndReadsBackFilesLargerThanOneWriteChunk) {
    const std::string path = sandbox::Folder() + "big.cok";
    const std::string bytes = Pattern((5u << 20) / 2 + 17);  // two and a half chunks and a bit
    ASSERT_EQ(Write(path, bytes), kSuccess);
    std::uint64_t size = 0;
    EXPECT_EQ(FileSize(path, &size), kSuccess);
    EXPECT_EQ(size, static_cast<std::uint64_t>(bytes.size()));
    EXPECT_TRUE(Read(path) == bytes);
}

TEST_F(Files, DeleteReportsSuccessOnlyForAFileThatIsGone) {
    const std::string path = sandbox::Folder() + "nvf.cok";
    ASSERT_EQ(Write(path, "x"), kSuccess);
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
        if (holder.holding()) {
            EXPECT_EQ(DeleteFileAt(path), kErrorSharingViolation);
        }
    }
}

// A name written by another program may hold characters the ANSI code page
// lacks: the listing leaves it out rather than give a look-alike ("René.cok"
// as "Rene.cok", a file of its own); the uninstaller's UTF-8 lists it whole.
TEST_F(Files, ListingLeavesOutNamesTheCodePageCannotHold) {
    const std::string folder = sandbox::Folder() + "names\\";
    ASSERT_EQ(CreateFolder(folder), kSuccess);
    const std::wstring wideFolder(folder.begin(), folder.end());  // an ASCII path
    for (const wchar_t* name : {L"Ren\x00E9.cok", L"\x03A9", L"Rene.cok", L"\x041B.cok"}) {
        const HANDLE file = ::CreateFileW((wideFolder + name).c_str(), GENERIC_WRITE, 0, nullptr,
                                          CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        ::CloseHandle(file);
    }
    struct Row {
        TextCodePage page;
        std::vector<std::string> names;
    };
    const Row rows[] = {
        {TextCodePage::Ansi, {"Rene.cok", "Л.cok"}},
        {TextCodePage::Utf8, {"Rene.cok", "Ren\xC3\xA9.cok", "\xCE\xA9", "\xD0\x9B.cok"}},
    };
    for (const Row& row : rows) {
        UseTextCodePage(row.page);
        std::vector<FolderEntry> entries;
        ASSERT_EQ(ListFolder(folder, &entries), kSuccess);
        std::vector<std::string> names;
        for (const FolderEntry& entry : entries) names.push_back(entry.name);
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, row.names);
    }
}
