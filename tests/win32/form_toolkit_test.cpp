// The form loop of the Win32 toolkit.
#include "platform/form_toolkit.h"

#include <windows.h>

#include "check.h"

using namespace platform;

namespace {

// Sends WM_CLOSE the way another program would (a sent message is handled
// inside the form thread's GetMessage), then, should the loop not have ended
// by then, posts WM_QUIT so that a failing check still ends.
DWORD WINAPI CloseFromOutside(void* parameter) {
    HWND form = static_cast<HWND>(parameter);
    // Asked now: once the form is gone its window names no thread.
    DWORD formThread = ::GetWindowThreadProcessId(form, nullptr);
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutA(form, WM_CLOSE, 0, 0, SMTO_NORMAL, 10000, &ignored);
    ::Sleep(10000);
    ::PostThreadMessageA(formThread, WM_QUIT, 0, 0);
    return 0;
}

}  // namespace

class FormToolkit : public sandbox::Test {};

TEST_F(FormToolkit, LoopEndsWhenASentMessageClosesTheForm) {
    const char* caption = "form closed from outside";
    WidgetHandle form = kNoWidget;
    FormSpec details;
    details.clientWidth = 200;
    details.clientHeight = 100;
    details.caption = caption;
    details.onCloseRequest = [&form] { DestroyForm(form); };
    form = CreateForm(details);
    HWND window = ::FindWindowA(nullptr, caption);
    ASSERT_TRUE(window != nullptr);

    HANDLE closer = ::CreateThread(nullptr, 0, CloseFromOutside, window, 0, nullptr);
    ASSERT_TRUE(closer != nullptr);
    RunFormLoop(form);
    // Ended by the form's destruction, not by the fallback WM_QUIT.
    MSG quit;
    EXPECT_FALSE(::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_FALSE(::IsWindow(window));
    ::TerminateThread(closer, 0);
    ::CloseHandle(closer);
}

// What the user types reads as it stands, a character the code page lacks as
// "?", which the folder rule refuses: the ANSI reading gives a look-alike
// ("C:\Rene\Norvelik", under Wine), another folder than the one shown.
TEST_F(FormToolkit, EditTextOfAnotherScriptReadsQuestionMarksNotLookAlikes) {
    FormSpec formDetails;
    formDetails.clientWidth = 200;
    formDetails.clientHeight = 100;
    formDetails.caption = "form with an edit";
    const WidgetHandle form = CreateForm(formDetails);
    WidgetSpec editDetails;
    editDetails.kind = WidgetKind::Edit;
    editDetails.parent = form;
    editDetails.bounds = {10, 10, 180, 20};
    const WidgetHandle edit = CreateWidget(editDetails);
    HWND window = ::FindWindowExA(::FindWindowA(nullptr, formDetails.caption.c_str()), nullptr,
                                  "EDIT", nullptr);
    ASSERT_TRUE(window != nullptr);
    struct Row {
        std::wstring typed;
        std::string read;
    };
    const Row rows[] = {
        {L"C:\\Program Files\\Norvelik", "C:\\Program Files\\Norvelik"},
        {L"C:\\\x041D\x043E\x0440\x0432\x0435\x043B\x0438\x043A", "C:\\Норвелик"},
        {L"C:\\Ren\x00E9\\Norvelik", "C:\\Ren?\\Norvelik"},
        {L"C:\\\x015C\x03A9", "C:\\??"},
    };
    for (const Row& row : rows) {
        ASSERT_TRUE(::SetWindowTextW(window, row.typed.c_str()));
        EXPECT_EQ(WidgetText(edit), row.read);
    }
    DestroyForm(form);
}
