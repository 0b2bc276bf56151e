// Waiting for windows, reading them and working their controls.
#include <windows.h>

#include <algorithm>
#include <set>

#include "context.h"
#include "text.h"
#include "window_query.h"

namespace nv {
namespace {

constexpr UINT kAnswerTimeoutMs = 5000;

WindowQuery TopLevelQuery(Context& context, const Command& cmd) {
    WindowQuery query;
    query.byClass = cmd.Has("class");
    query.className = cmd.Opt("class");
    query.byCaption = cmd.Has("caption");
    query.caption = cmd.Opt("caption");
    if (cmd.Has("process")) query.processId = context.Process(cmd.Opt("process")).id;
    query.visibleOnly = cmd.Opt("hidden", "no") != "yes";
    if (!query.byClass && !query.byCaption && query.processId == 0)
        throw ScriptError(cmd.name + " needs class=, caption= or process=");
    return query;
}

ChildQuery ChildSelectors(const Command& cmd) {
    ChildQuery query;
    query.byClass = cmd.Has("class");
    query.className = cmd.Opt("class");
    query.byText = cmd.Has("text");
    query.text = cmd.Opt("text");
    query.byId = cmd.Has("id");
    query.id = int(cmd.IntOpt("id", 0));
    if (!query.byClass && !query.byText && !query.byId)
        throw ScriptError(cmd.name + " needs class=, text= or id=");
    return query;
}

HWND OneChild(HWND parent, const ChildQuery& query, const Command& cmd) {
    std::vector<HWND> found = FindChildren(parent, query);
    if (found.size() != 1)
        throw Failure(cmd.name + ": " + std::to_string(found.size()) +
                      " controls match, expected exactly one");
    return found.front();
}

bool YesNo(const std::string& word) {
    if (word == "yes") return true;
    if (word == "no") return false;
    throw ScriptError("yes or no expected, got " + word);
}

void ExpectSameText(const std::string& what, const std::string& actual,
                    const std::string& expected) {
    if (actual == expected) return;
    throw Failure(what + " differs at byte " + std::to_string(FirstDifference(actual, expected)) +
                  "\n  actual:   " + Quoted(actual) + "\n  expected: " + Quoted(expected));
}

// wait_window ALIAS [class=C] [caption=T] [process=NAME] [hidden=yes] [timeout=MS]
void WaitWindow(Context& context, const Command& cmd) {
    cmd.ExpectArgs(1, 1);
    WindowQuery query = TopLevelQuery(context, cmd);
    long long timeout = cmd.IntOpt("timeout", kDefaultTimeoutMs);
    const StartedProcess* owner =
        cmd.Has("process") ? &context.Process(cmd.Opt("process")) : nullptr;
    for (long long waited = 0;; waited += kPollMs) {
        // Looked at before the search, so that a window shown just before the end still counts.
        bool ownerEnded = owner && WaitForSingleObject(owner->handle, 0) == WAIT_OBJECT_0;
        std::vector<HWND> found = FindTopLevelWindows(query);
        if (!found.empty()) {
            context.windows[cmd.Arg(0)] = found.front();
            Log("window " + cmd.Arg(0) + ": " + Describe(found.front()));
            return;
        }
        if (ownerEnded) {
            DWORD code = 0;
            GetExitCodeProcess(owner->handle, &code);
            throw Failure(cmd.Opt("process") + " ended with " + std::to_string(long(code)) +
                          " without showing such a window");
        }
        if (waited >= timeout) {
            LogVisibleWindows();
            throw Failure("no such window within " + std::to_string(timeout) + " ms");
        }
        Sleep(kPollMs);
    }
}

// expect_no_window [class=C] [caption=T] [process=NAME] [hidden=yes]
void ExpectNoWindow(Context& context, const Command& cmd) {
    cmd.ExpectArgs(0, 0);
    std::vector<HWND> found = FindTopLevelWindows(TopLevelQuery(context, cmd));
    if (!found.empty()) throw Failure("window present: " + Describe(found.front()));
}

// wait_window_gone ALIAS [timeout=MS]
void WaitWindowGone(Context& context, const Command& cmd) {
    cmd.ExpectArgs(1, 1);
    HWND window = context.Window(cmd.Arg(0));
    long long timeout = cmd.IntOpt("timeout", kDefaultTimeoutMs);
    for (long long waited = 0; IsWindow(window); waited += kPollMs) {
        if (waited >= timeout)
            throw Failure(cmd.Arg(0) + " still exists after " + std::to_string(timeout) + " ms");
        Sleep(kPollMs);
    }
}

// expect_caption ALIAS TEXT
void ExpectCaption(Context& context, const Command& cmd) {
    cmd.ExpectArgs(2, 2);
    HWND window = context.Window(cmd.Arg(0));
    ExpectSameText("caption", TextOf(window), cmd.Arg(1));
}

// expect_text ALIAS TEXT [unicode=yes]: the text of a message box; with
// unicode=yes compared as Unicode, for a program that shows the Russian text
// as such under any code page (the uninstaller).
void ExpectText(Context& context, const Command& cmd) {
    cmd.ExpectArgs(2, 2);
    if (YesNo(cmd.Opt("unicode", "no"))) {
        std::wstring actual;
        if (!MessageBoxWideText(context.Window(cmd.Arg(0)), actual))
            throw Failure(cmd.Arg(0) + " has no message-box text");
        const std::wstring expected = Cp1251ToWide(cmd.Arg(1));
        Log("message text " + QuotedWide(actual));
        if (actual != expected)
            throw Failure("message text " + QuotedWide(actual) + ", expected " +
                          QuotedWide(expected));
        return;
    }
    std::string text;
    if (!MessageBoxText(context.Window(cmd.Arg(0)), text))
        throw Failure(cmd.Arg(0) + " has no message-box text");
    ExpectSameText("message text", text, cmd.Arg(1));
}

// expect_buttons ALIAS ID...: exactly these push buttons, in any order
void ExpectButtons(Context& context, const Command& cmd) {
    cmd.ExpectArgs(1, size_t(-1));
    std::set<int> expected;
    for (size_t i = 1; i < cmd.ArgCount(); ++i) expected.insert(int(cmd.IntArg(i)));
    ChildQuery query;
    query.className = "Button";
    query.byClass = true;
    std::set<int> actual;
    for (HWND button : FindChildren(context.Window(cmd.Arg(0)), query))
        if (IsWindowVisible(button)) actual.insert(GetDlgCtrlID(button));
    std::string list;
    for (int id : actual) list += " " + std::to_string(id);
    Log("buttons" + list);
    if (actual != expected) throw Failure("other buttons than expected:" + list);
}

// expect_label ALIAS TEXT [class=] [text=] [id=]: compares as Unicode, for
// texts the system supplies in its own language (button labels), which an
// ANSI reading under a Western code page would lose.
void ExpectLabel(Context& context, const Command& cmd) {
    cmd.ExpectArgs(2, 2);
    HWND control = OneChild(context.Window(cmd.Arg(0)), ChildSelectors(cmd), cmd);
    std::wstring actual = WideTextOf(control);
    std::wstring expected = Cp1251ToWide(cmd.Arg(1));
    Log("label " + QuotedWide(actual));
    if (actual != expected)
        throw Failure("label " + QuotedWide(actual) + ", expected " + QuotedWide(expected));
}

// expect_child_text ALIAS TEXT [class=] [text=] [id=]
void ExpectChildText(Context& context, const Command& cmd) {
    cmd.ExpectArgs(2, 2);
    HWND control = OneChild(context.Window(cmd.Arg(0)), ChildSelectors(cmd), cmd);
    ExpectSameText("control text", TextOf(control), cmd.Arg(1));
}

// expect_checked ALIAS yes|no [class=] [text=] [id=]
void ExpectChecked(Context& context, const Command& cmd) {
    cmd.ExpectArgs(2, 2);
    HWND control = OneChild(context.Window(cmd.Arg(0)), ChildSelectors(cmd), cmd);
    DWORD_PTR state = 0;
    SendMessageTimeoutA(control, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &state);
    if ((state == BST_CHECKED) != YesNo(cmd.Arg(1)))
        throw Failure("check state is " + std::to_string(state));
}

// expect_enabled ALIAS yes|no [class=] [text=] [id=]
void ExpectEnabled(Context& context, const Command& cmd) {
    cmd.ExpectArgs(2, 2);
    HWND control = OneChild(context.Window(cmd.Arg(0)), ChildSelectors(cmd), cmd);
    if ((IsWindowEnabled(control) != FALSE) != YesNo(cmd.Arg(1)))
        throw Failure(std::string("control is ") +
                      (IsWindowEnabled(control) ? "enabled" : "disabled"));
}

// expect_topmost ALIAS yes|no
void ExpectTopmost(Context& context, const Command& cmd) {
    cmd.ExpectArgs(2, 2);
    LONG_PTR style = GetWindowLongPtrA(context.Window(cmd.Arg(0)), GWL_EXSTYLE);
    if (((style & WS_EX_TOPMOST) != 0) != YesNo(cmd.Arg(1)))
        throw Failure(std::string("window is ") + ((style & WS_EX_TOPMOST) ? "" : "not ") +
                      "topmost");
}

void Click(HWND control) {
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutA(control, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs,
                             &ignored) &&
        GetLastError() == ERROR_TIMEOUT)
        throw Failure("the button does not answer BM_CLICK");
}

// press ALIAS ID: clicks the button with that control id (IDOK 1, IDCANCEL 2, IDYES 6, IDNO 7)
void Press(Context& context, const Command& cmd) {
    cmd.ExpectArgs(2, 2);
    ChildQuery query;
    query.className = "Button";
    query.byClass = true;
    query.id = int(cmd.IntArg(1));
    query.byId = true;
    Click(OneChild(context.Window(cmd.Arg(0)), query, cmd));
}

// click ALIAS [class=] [text=] [id=] [wait=no]: wait=no posts the click and
// goes on at once, for a click whose handler shows a modal window and so does
// not return before that window is answered.
void ClickChild(Context& context, const Command& cmd) {
    cmd.ExpectArgs(1, 1);
    HWND control = OneChild(context.Window(cmd.Arg(0)), ChildSelectors(cmd), cmd);
    if (YesNo(cmd.Opt("wait", "yes"))) {
        Click(control);
    } else if (!PostMessageA(control, BM_CLICK, 0, 0)) {
        throw Failure("PostMessage failed, error " + std::to_string(GetLastError()));
    }
}

// set_text ALIAS TEXT [class=] [text=] [id=] [unicode=yes]: as if the user had
// typed it; with unicode=yes as the scenario spells it, letters CP1251 lacks included
void SetText(Context& context, const Command& cmd) {
    cmd.ExpectArgs(2, 2);
    HWND control = OneChild(context.Window(cmd.Arg(0)), ChildSelectors(cmd), cmd);
    DWORD_PTR ignored = 0;
    BOOL sent = FALSE;
    if (YesNo(cmd.Opt("unicode", "no"))) {
        const std::wstring text = Utf8ToWide(cmd.UnicodeArg(1));
        sent = SendMessageTimeoutW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                                   SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &ignored) != 0;
    } else {
        sent = SendMessageTimeoutA(control, WM_SETTEXT, 0,
                                   reinterpret_cast<LPARAM>(cmd.Arg(1).c_str()), SMTO_ABORTIFHUNG,
                                   kAnswerTimeoutMs, &ignored) != 0;
    }
    if (!sent) throw Failure("the control does not take WM_SETTEXT");
}

UINT MessageNumber(const std::string& name) {
    static const std::pair<const char*, UINT> known[] = {{"WM_NULL", WM_NULL},
                                                         {"WM_CLOSE", WM_CLOSE},
                                                         {"WM_QUIT", WM_QUIT},
                                                         {"WM_COMMAND", WM_COMMAND},
                                                         {"WM_SYSCOMMAND", WM_SYSCOMMAND},
                                                         {"WM_KEYDOWN", WM_KEYDOWN},
                                                         {"WM_KEYUP", WM_KEYUP},
                                                         {"WM_CHAR", WM_CHAR}};
    for (const auto& entry : known)
        if (name == entry.first) return entry.second;
    return UINT(ParseInteger(name));
}

// post ALIAS MESSAGE [WPARAM] [LPARAM]
void Post(Context& context, const Command& cmd) {
    cmd.ExpectArgs(2, 4);
    WPARAM w = cmd.ArgCount() > 2 ? WPARAM(cmd.IntArg(2)) : 0;
    LPARAM l = cmd.ArgCount() > 3 ? LPARAM(cmd.IntArg(3)) : 0;
    if (!PostMessageA(context.Window(cmd.Arg(0)), MessageNumber(cmd.Arg(1)), w, l))
        throw Failure("PostMessage failed, error " + std::to_string(GetLastError()));
}

BOOL CALLBACK LogChild(HWND child, LPARAM) {
    Log("  child id=" + std::to_string(GetDlgCtrlID(child)) + " class=" + Quoted(ClassOf(child)) +
        " text=" + Quoted(TextOf(child)) + (IsWindowVisible(child) ? "" : " hidden"));
    return TRUE;
}

// children ALIAS: lists the controls, to write a scenario against a new window
void Children(Context& context, const Command& cmd) {
    cmd.ExpectArgs(1, 1);
    EnumChildWindows(context.Window(cmd.Arg(0)), LogChild, 0);
}

void Windows(Context&, const Command& cmd) {
    cmd.ExpectArgs(0, 0);
    LogVisibleWindows();
}

}  // namespace

void AddWindowCommands(CommandTable& table) {
    table["wait_window"] = {WaitWindow,
                            "ALIAS [class=C] [caption=T] [process=NAME] [hidden=yes] [timeout=MS]"};
    table["expect_no_window"] = {ExpectNoWindow,
                                 "[class=C] [caption=T] [process=NAME] [hidden=yes]"};
    table["wait_window_gone"] = {WaitWindowGone, "ALIAS [timeout=MS]"};
    table["expect_caption"] = {ExpectCaption, "ALIAS TEXT"};
    table["expect_text"] = {ExpectText, "ALIAS TEXT [unicode=yes] (message-box text)"};
    table["expect_buttons"] = {ExpectButtons, "ALIAS ID..."};
    table["expect_label"] = {ExpectLabel,
                             "ALIAS TEXT [class=] [text=] [id=] (compared as Unicode)"};
    table["expect_child_text"] = {ExpectChildText, "ALIAS TEXT [class=] [text=] [id=]"};
    table["expect_checked"] = {ExpectChecked, "ALIAS yes|no [class=] [text=] [id=]"};
    table["expect_enabled"] = {ExpectEnabled, "ALIAS yes|no [class=] [text=] [id=]"};
    table["expect_topmost"] = {ExpectTopmost, "ALIAS yes|no"};
    table["press"] = {Press, "ALIAS BUTTON-ID"};
    table["click"] = {ClickChild, "ALIAS [class=] [text=] [id=] [wait=no]"};
    table["set_text"] = {SetText, "ALIAS TEXT [class=] [text=] [id=] [unicode=yes]"};
    table["post"] = {Post, "ALIAS MESSAGE [WPARAM] [LPARAM]"};
    table["children"] = {Children, "ALIAS"};
    table["windows"] = {Windows, ""};
}

}  // namespace nv
