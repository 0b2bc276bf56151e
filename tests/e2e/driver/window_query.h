// Finding windows of other processes and reading their texts.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace nv {

struct WindowQuery {
    std::string className;  // compared without regard to case, as the system does
    bool byClass = false;
    std::string caption;  // compared byte for byte
    bool byCaption = false;
    DWORD processId = 0;  // 0: any process
    bool visibleOnly = true;
};

std::vector<HWND> FindTopLevelWindows(const WindowQuery& query);

struct ChildQuery {
    std::string className;
    bool byClass = false;
    std::string text;
    bool byText = false;
    int id = 0;
    bool byId = false;
};

// Every descendant of the window that matches.
std::vector<HWND> FindChildren(HWND parent, const ChildQuery& query);

std::string ClassOf(HWND window);
// The window's text in the ANSI code page, asked for with WM_GETTEXT so that
// controls of another process answer too. Throws Failure when the window does not answer.
std::string TextOf(HWND window);
std::wstring WideTextOf(HWND window);

// The text of a message box: its STATIC child with id 0xFFFF.
bool MessageBoxText(HWND box, std::string& text);
// The same as Unicode, for a program that shows its texts through the wide calls.
bool MessageBoxWideText(HWND box, std::wstring& text);

// class, caption, owning process and, for a message box, its text: one line.
std::string Describe(HWND window);
// Every visible top-level window, to show what was on screen when a wait failed.
void LogVisibleWindows();

}  // namespace nv
