#include "box_answerer.h"

#include <windows.h>

#include <cstdio>
#include <set>
#include <string>

namespace {

bool declineQuestions = false;

std::string OneLine(std::string text) {
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        line += text[i] == '\n' ? '|' : text[i];
    }
    return line;
}

BOOL CALLBACK AnswerIfOurBox(HWND window, LPARAM handledBoxes) {
    auto* handled = reinterpret_cast<std::set<HWND>*>(handledBoxes);
    char className[16] = {};
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId() || !IsWindowVisible(window) ||
        !GetClassNameA(window, className, sizeof className) || std::string(className) != "#32770" ||
        !handled->insert(window).second) {
        return TRUE;
    }
    char caption[256] = {};
    char text[4096] = {};
    GetWindowTextA(window, caption, sizeof caption);
    GetDlgItemTextA(window, 0xFFFF, text, sizeof text);  // the box's text control
    std::string line = std::string("box caption=") + caption + " text=" + OneLine(text);
    char yes[64] = {}, no[64] = {};
    if (GetDlgItemTextA(window, IDYES, yes, sizeof yes) &&
        GetDlgItemTextA(window, IDNO, no, sizeof no)) {
        line += std::string(" buttons=") + yes + "|" + no;
    }
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
    WPARAM answer = IDOK;
    if (GetDlgItem(window, IDYES) != nullptr) answer = declineQuestions ? IDNO : IDYES;
    PostMessageA(window, WM_COMMAND, answer, 0);
    return TRUE;
}

DWORD WINAPI AnswerBoxes(LPVOID) {
    std::set<HWND> handled;
    for (;;) {
        EnumWindows(AnswerIfOurBox, reinterpret_cast<LPARAM>(&handled));
        Sleep(20);
    }
}

}  // namespace

void StartBoxAnswerer(bool decline) {
    declineQuestions = decline;
    HANDLE thread = CreateThread(nullptr, 0, AnswerBoxes, nullptr, 0, nullptr);
    if (thread != nullptr) CloseHandle(thread);
}
