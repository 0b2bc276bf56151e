#include "window_query.h"

#include "context.h"
#include "text.h"

namespace nv {
namespace {

constexpr UINT kAnswerTimeoutMs = 5000;
constexpr int kMessageBoxTextId = 0xFFFF;

struct TopLevelSearch {
    const WindowQuery* query;
    std::vector<HWND> found;
};

bool Matches(HWND window, const WindowQuery& query) {
    if (query.visibleOnly && !IsWindowVisible(window)) return false;
    if (query.processId != 0) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != query.processId) return false;
    }
    if (query.byClass && lstrcmpiA(ClassOf(window).c_str(), query.className.c_str()) != 0)
        return false;
    if (query.byCaption) {
        char caption[1024] = "";
        GetWindowTextA(window, caption, sizeof caption);
        if (query.caption != caption) return false;
    }
    return true;
}

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<TopLevelSearch*>(param);
    if (Matches(window, *search->query)) search->found.push_back(window);
    return TRUE;
}

struct ChildSearch {
    const ChildQuery* query;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectChild(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<ChildSearch*>(param);
    const ChildQuery& q = *search->query;
    if (q.byId && GetDlgCtrlID(window) != q.id) return TRUE;
    if (q.byClass && lstrcmpiA(ClassOf(window).c_str(), q.className.c_str()) != 0) return TRUE;
    if (q.byText && TextOf(window) != q.text) return TRUE;
    search->found.push_back(window);
    return TRUE;
}

BOOL CALLBACK LogOne(HWND window, LPARAM) {
    if (IsWindowVisible(window)) Log("  window " + Describe(window));
    return TRUE;
}

}  // namespace

std::vector<HWND> FindTopLevelWindows(const WindowQuery& query) {
    TopLevelSearch search{&query, {}};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> FindChildren(HWND parent, const ChildQuery& query) {
    ChildSearch search{&query, {}};
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string ClassOf(HWND window) {
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

// Texts are asked for without giving up on a "hung" thread: a program that
// shows a message box after seconds of waiting counts as hung to the system
// until the box's own message loop runs, a moment after the box appears.
// The time limit still ends the wait for a thread that never answers.
std::string TextOf(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, kAnswerTimeoutMs,
                             &length))
        throw Failure("window " + ClassOf(window) + " does not answer WM_GETTEXTLENGTH");
    std::string text(size_t(length) + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, WPARAM(text.size()),
                             reinterpret_cast<LPARAM>(&text[0]), SMTO_NORMAL, kAnswerTimeoutMs,
                             &copied))
        throw Failure("window " + ClassOf(window) + " does not answer WM_GETTEXT");
    text.resize(size_t(copied));
    return text;
}

std::wstring WideTextOf(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, kAnswerTimeoutMs,
                             &length))
        throw Failure("window " + ClassOf(window) + " does not answer WM_GETTEXTLENGTH");
    std::wstring text(size_t(length) + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, WPARAM(text.size()),
                             reinterpret_cast<LPARAM>(&text[0]), SMTO_NORMAL, kAnswerTimeoutMs,
                             &copied))
        throw Failure("window " + ClassOf(window) + " does not answer WM_GETTEXT");
    text.resize(size_t(copied));
    return text;
}

namespace {

HWND MessageBoxStatic(HWND box) {
    ChildQuery query;
    query.className = "Static";
    query.byClass = true;
    query.id = kMessageBoxTextId;
    query.byId = true;
    std::vector<HWND> statics = FindChildren(box, query);
    return statics.empty() ? nullptr : statics.front();
}

}  // namespace

bool MessageBoxText(HWND box, std::string& text) {
    HWND control = MessageBoxStatic(box);
    if (control == nullptr) return false;
    text = TextOf(control);
    return true;
}

bool MessageBoxWideText(HWND box, std::wstring& text) {
    HWND control = MessageBoxStatic(box);
    if (control == nullptr) return false;
    text = WideTextOf(control);
    return true;
}

std::string Describe(HWND window) {
    char caption[1024] = "";
    GetWindowTextA(window, caption, sizeof caption);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    std::string line = "class=" + Quoted(ClassOf(window)) + " caption=" + Quoted(caption) +
                       " pid=" + std::to_string(owner);
    std::string text;
    if (ClassOf(window) == "#32770" && MessageBoxText(window, text))
        line += " text=" + Quoted(text);
    return line;
}

void LogVisibleWindows() {
    Log("  visible top-level windows:");
    EnumWindows(LogOne, 0);
}

}  // namespace nv
