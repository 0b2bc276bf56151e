// The folder-selection dialog, answered by a helper thread that presses one
// of its buttons once the dialog is up: OK then returns what the dialog had
// selected, which is the start folder only if the dialog selected it itself.
#include <windows.h>

#include <shlobj.h>

#include "check.h"
#include "platform/files.h"
#include "platform/shell.h"

using namespace platform;

namespace {

struct Driver {
    std::string title;
    WPARAM button = IDCANCEL;
    HWND dialog = nullptr;
    bool sawTitle = false;
};

constexpr int kPolls = 600;
constexpr DWORD kPollMs = 50;

BOOL CALLBACK FindOurDialog(HWND window, LPARAM data) {
    Driver* driver = reinterpret_cast<Driver*>(data);
    char className[16] = {};
    ::GetClassNameA(window, className, sizeof(className));
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    if (std::string(className) == "#32770" && processId == ::GetCurrentProcessId() &&
        ::IsWindowVisible(window)) {
        driver->dialog = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK FindTitle(HWND child, LPARAM data) {
    Driver* driver = reinterpret_cast<Driver*>(data);
    char text[256] = {};
    ::GetWindowTextA(child, text, sizeof(text));
    if (driver->title == text) driver->sawTitle = true;
    return TRUE;
}

DWORD WINAPI PressButtonWhenUp(LPVOID data) {
    Driver* driver = static_cast<Driver*>(data);
    for (int i = 0; i < kPolls && driver->dialog == nullptr; ++i) {
        ::Sleep(kPollMs);
        ::EnumWindows(FindOurDialog, reinterpret_cast<LPARAM>(driver));
    }
    if (driver->dialog == nullptr) return 1;
    ::EnumChildWindows(driver->dialog, FindTitle, reinterpret_cast<LPARAM>(driver));
    ::PostMessageA(driver->dialog, WM_COMMAND, MAKEWPARAM(driver->button, BN_CLICKED), 0);
    return 0;
}

FolderDialogOutcome RunAnswered(const FolderDialogSpec& details, WPARAM button, std::string* chosen,
                                bool* sawTitle) {
    Driver driver;
    driver.title = details.title;
    driver.button = button;
    HANDLE thread = ::CreateThread(nullptr, 0, PressButtonWhenUp, &driver, 0, nullptr);
    FolderDialogOutcome outcome = RunFolderDialog(details, chosen);
    ::WaitForSingleObject(thread, INFINITE);
    ::CloseHandle(thread);
    *sawTitle = driver.sawTitle;
    return outcome;
}

}  // namespace

class FolderDialog : public sandbox::Test {};

TEST_F(FolderDialog, OpensAtTheStartFolderAndReportsTheChoiceOrTheCancel) {
    const std::string start = sandbox::Folder() + "Start";
    ASSERT_EQ(CreateFolder(start), kSuccess);
    struct Row {
        std::string startFolder;
        WPARAM button;
        FolderDialogOutcome outcome;
        std::string chosen;
    };
    const Row rows[] = {
        {start + "\\", IDOK, FolderDialogOutcome::Chosen, start},
        {start, IDCANCEL, FolderDialogOutcome::Cancelled, "unchanged"},
        {"", IDCANCEL, FolderDialogOutcome::Cancelled, "unchanged"},
    };
    for (const Row& row : rows) {
        FolderDialogSpec details;
        details.title = "Папка, в которую будет установлена программа:";
        details.startFolder = row.startFolder;
        details.flags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
        std::string chosen = "unchanged";
        bool sawTitle = false;
        EXPECT_EQ(RunAnswered(details, row.button, &chosen, &sawTitle), row.outcome);
        EXPECT_EQ(chosen, row.chosen);
        EXPECT_TRUE(sawTitle);
    }
}

// A folder whose name the ANSI code page cannot hold is no answer: its ANSI
// path would be a look-alike ("Rene"), another folder than the one chosen.
TEST_F(FolderDialog, AFolderTheCodePageCannotHoldIsNoAnswer) {
    const std::string folder = sandbox::Folder();
    const std::wstring base(folder.begin(), folder.end());  // an ASCII path
    struct Row {
        std::wstring root;
        FolderDialogOutcome outcome;
        std::string chosen;
    };
    const Row rows[] = {
        {base + L"Rene", FolderDialogOutcome::Chosen, folder + "Rene"},
        {base + L"Ren\x00E9", FolderDialogOutcome::Cancelled, "unchanged"},
    };
    for (const Row& row : rows) {
        ASSERT_TRUE(::CreateDirectoryW(row.root.c_str(), nullptr));
        FolderDialogSpec details;
        details.title = "Папка, в которую будет установлена программа:";
        details.root = row.root;  // chosen as it opens
        details.flags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
        std::string chosen = "unchanged";
        bool sawTitle = false;
        EXPECT_EQ(RunAnswered(details, IDOK, &chosen, &sawTitle), row.outcome);
        EXPECT_EQ(chosen, row.chosen);
    }
}
