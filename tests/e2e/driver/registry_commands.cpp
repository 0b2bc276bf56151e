// Reading and preparing the registry. Keys are named ROOT\path with the roots
// HKLM, HKCU, HKCR and HKU; every command works on the 64-bit view unless it
// is given view=32, because the setup program writes the 64-bit view although
// it is a 32-bit process. Like any program, the commands follow a registry
// link wherever they open a key, except reg_link and reg_is_link, which make
// and look at the link itself.
#include <windows.h>

#include "context.h"
#include "text.h"

namespace nv {
namespace {

struct KeyName {
    HKEY root;
    std::string path;
};

KeyName SplitKey(const std::string& name) {
    static const std::pair<const char*, HKEY> roots[] = {{"HKLM", HKEY_LOCAL_MACHINE},
                                                         {"HKCU", HKEY_CURRENT_USER},
                                                         {"HKCR", HKEY_CLASSES_ROOT},
                                                         {"HKU", HKEY_USERS}};
    size_t slash = name.find('\\');
    std::string root = name.substr(0, slash);
    for (const auto& entry : roots)
        if (root == entry.first)
            return {entry.second, slash == std::string::npos ? "" : name.substr(slash + 1)};
    throw ScriptError("unknown registry root in " + name);
}

REGSAM View(const Command& cmd) {
    std::string view = cmd.Opt("view", "64");
    if (view == "64") return KEY_WOW64_64KEY;
    if (view == "32") return KEY_WOW64_32KEY;
    throw ScriptError("view must be 32 or 64");
}

// The open key, closed when it goes out of scope.
class Key {
  public:
    Key(const Command& cmd, const std::string& name, REGSAM access, bool create = false) {
        KeyName key = SplitKey(name);
        REGSAM sam = access | View(cmd);
        status_ = create ? RegCreateKeyExA(key.root, key.path.c_str(), 0, nullptr, 0, sam, nullptr,
                                           &handle_, nullptr)
                         : RegOpenKeyExA(key.root, key.path.c_str(), 0, sam, &handle_);
    }
    ~Key() {
        if (status_ == ERROR_SUCCESS) RegCloseKey(handle_);
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;

    LONG status() const { return status_; }
    HKEY handle() const { return handle_; }

  private:
    HKEY handle_ = nullptr;
    LONG status_ = ERROR_INVALID_HANDLE;
};

void MustOpen(const Key& key, const std::string& name) {
    if (key.status() != ERROR_SUCCESS)
        throw Failure("cannot open " + Quoted(name) + ", error " + std::to_string(key.status()));
}

struct Value {
    DWORD type = REG_NONE;
    std::string data;
};

bool ReadValue(const Key& key, const std::string& name, Value& value) {
    DWORD size = 0;
    if (RegQueryValueExA(key.handle(), name.c_str(), nullptr, &value.type, nullptr, &size) !=
        ERROR_SUCCESS)
        return false;
    value.data.assign(size, '\0');
    if (RegQueryValueExA(key.handle(), name.c_str(), nullptr, &value.type,
                         reinterpret_cast<BYTE*>(&value.data[0]), &size) != ERROR_SUCCESS)
        return false;
    value.data.resize(size);
    return true;
}

bool IsText(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ; }

// A stored string without the terminating zero the API appends.
std::string AsText(const Value& value) {
    std::string text = value.data;
    while (!text.empty() && text.back() == '\0') text.pop_back();
    return text;
}

DWORD AsDword(const Value& value) {
    DWORD number = 0;
    memcpy(&number, value.data.data(), value.data.size() < 4 ? value.data.size() : 4);
    return number;
}

std::string TypeName(DWORD type) {
    switch (type) {
        case REG_SZ:
            return "sz";
        case REG_EXPAND_SZ:
            return "expand_sz";
        case REG_DWORD:
            return "dword";
        case REG_BINARY:
            return "binary";
        case REG_MULTI_SZ:
            return "multi_sz";
        default:
            return "type" + std::to_string(type);
    }
}

std::string Show(const Value& value) {
    if (IsText(value.type)) return TypeName(value.type) + ":" + Quoted(AsText(value));
    if (value.type == REG_DWORD) return "dword:" + std::to_string(AsDword(value));
    return TypeName(value.type) + " of " + std::to_string(value.data.size()) + " bytes";
}

// reg_absent KEY [view=32|64]
void RegAbsent(Context&, const Command& cmd) {
    cmd.ExpectArgs(1, 1);
    Key key(cmd, cmd.Arg(0), KEY_READ);
    if (key.status() == ERROR_SUCCESS) throw Failure(Quoted(cmd.Arg(0)) + " exists");
    if (key.status() != ERROR_FILE_NOT_FOUND)
        throw Failure("cannot tell whether " + Quoted(cmd.Arg(0)) + " exists, error " +
                      std::to_string(key.status()));
}

// reg_present KEY [view=32|64]
void RegPresent(Context&, const Command& cmd) {
    cmd.ExpectArgs(1, 1);
    MustOpen(Key(cmd, cmd.Arg(0), KEY_READ), cmd.Arg(0));
}

// reg_value KEY NAME EXPECTED [type=sz|expand_sz|dword] [view=32|64]
void RegValue(Context&, const Command& cmd) {
    cmd.ExpectArgs(3, 3);
    std::string type = cmd.Opt("type", "sz");
    Key key(cmd, cmd.Arg(0), KEY_READ);
    MustOpen(key, cmd.Arg(0));
    Value value;
    if (!ReadValue(key, cmd.Arg(1), value)) throw Failure("no value " + Quoted(cmd.Arg(1)));
    Log("value " + Quoted(cmd.Arg(1)) + " = " + Show(value));
    if (TypeName(value.type) != type) throw Failure("the value is not of type " + type);
    bool same = value.type == REG_DWORD ? AsDword(value) == DWORD(ParseInteger(cmd.Arg(2)))
                                        : AsText(value) == cmd.Arg(2);
    if (!same) throw Failure("expected " + Quoted(cmd.Arg(2)));
}

// reg_no_value KEY NAME [view=32|64]: the key exists, the value does not
void RegNoValue(Context&, const Command& cmd) {
    cmd.ExpectArgs(2, 2);
    Key key(cmd, cmd.Arg(0), KEY_READ);
    MustOpen(key, cmd.Arg(0));
    Value value;
    if (ReadValue(key, cmd.Arg(1), value))
        throw Failure("value " + Quoted(cmd.Arg(1)) + " exists: " + Show(value));
}

// reg_get VARIABLE KEY NAME [view=32|64]: a string value into a scenario variable
void RegGet(Context& context, const Command& cmd) {
    cmd.ExpectArgs(3, 3);
    Key key(cmd, cmd.Arg(1), KEY_READ);
    MustOpen(key, cmd.Arg(1));
    Value value;
    if (!ReadValue(key, cmd.Arg(2), value) || !IsText(value.type))
        throw Failure("no string value " + Quoted(cmd.Arg(2)));
    Log("value " + Quoted(cmd.Arg(2)) + " = " + Show(value));
    context.variables[cmd.Arg(0)] = AsText(value);
}

// reg_values KEY [count=N] [view=32|64]: lists the values, optionally checks their number
void RegValues(Context&, const Command& cmd) {
    cmd.ExpectArgs(1, 1);
    long long expected = cmd.IntOpt("count", -1);
    Key key(cmd, cmd.Arg(0), KEY_READ);
    MustOpen(key, cmd.Arg(0));
    long long count = 0;
    for (DWORD i = 0;; ++i) {
        char name[16384];
        DWORD nameSize = sizeof name;
        if (RegEnumValueA(key.handle(), i, name, &nameSize, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        Value value;
        ReadValue(key, name, value);
        Log("  " + Quoted(name) + " = " + Show(value));
        ++count;
    }
    if (expected >= 0 && count != expected)
        throw Failure(std::to_string(count) + " values, expected " + std::to_string(expected));
}

bool UnicodeOption(const Command& cmd) {
    const std::string word = cmd.Opt("unicode", "no");
    if (word != "yes" && word != "no") throw ScriptError("unicode must be yes or no");
    return word == "yes";
}

// A string value with the scenario's own characters, CP1251 or not: how a
// system whose user names hold letters of other scripts stores its paths.
LONG SetUnicodeString(const Key& key, const Command& cmd, DWORD kind) {
    const std::wstring name = Utf8ToWide(cmd.UnicodeArg(1));
    const std::wstring text = Utf8ToWide(cmd.UnicodeArg(2));
    Log("writing " + cmd.UnicodeArg(2) + " as Unicode");
    return RegSetValueExW(key.handle(), name.c_str(), 0, kind,
                          reinterpret_cast<const BYTE*>(text.c_str()),
                          DWORD((text.size() + 1) * sizeof(wchar_t)));
}

// reg_set KEY NAME VALUE [type=sz|expand_sz|dword|multi_sz|binary] [view=32|64]
// [unicode=yes]: creates the key when missing; a multi_sz holds VALUE as its
// one string, a binary value VALUE's bytes; with unicode=yes a string value is
// written as the scenario spells NAME and VALUE, characters CP1251 lacks included
void RegSet(Context&, const Command& cmd) {
    cmd.ExpectArgs(3, 3);
    std::string type = cmd.Opt("type", "sz");
    const bool unicode = UnicodeOption(cmd);
    if (unicode && Cp1251ToUtf8(cmd.Arg(0)) != cmd.UnicodeArg(0))
        throw ScriptError("the key of reg_set must be CP1251 text");
    Key key(cmd, cmd.Arg(0), KEY_WRITE, true);
    MustOpen(key, cmd.Arg(0));
    LONG status;
    if (unicode) {
        if (type != "sz" && type != "expand_sz")
            throw ScriptError("unicode=yes writes sz or expand_sz values");
        status = SetUnicodeString(key, cmd, type == "sz" ? REG_SZ : REG_EXPAND_SZ);
    } else if (type == "dword") {
        DWORD number = DWORD(ParseInteger(cmd.Arg(2)));
        status = RegSetValueExA(key.handle(), cmd.Arg(1).c_str(), 0, REG_DWORD,
                                reinterpret_cast<const BYTE*>(&number), sizeof number);
    } else if (type == "sz" || type == "expand_sz" || type == "multi_sz" || type == "binary") {
        const DWORD kind = type == "sz"          ? REG_SZ
                           : type == "expand_sz" ? REG_EXPAND_SZ
                           : type == "multi_sz"  ? REG_MULTI_SZ
                                                 : REG_BINARY;
        // The string's own zero, and for a list the empty string that ends it.
        std::string data = cmd.Arg(2);
        if (kind != REG_BINARY) data.push_back('\0');
        if (kind == REG_MULTI_SZ) data.push_back('\0');
        status = RegSetValueExA(key.handle(), cmd.Arg(1).c_str(), 0, kind,
                                reinterpret_cast<const BYTE*>(data.data()), DWORD(data.size()));
    } else {
        throw ScriptError("type must be sz, expand_sz, dword, multi_sz or binary");
    }
    if (status != ERROR_SUCCESS) throw Failure("cannot write, error " + std::to_string(status));
}

// reg_delete KEY [view=32|64]: the key with its subkeys; a missing key is no error
void RegDelete(Context&, const Command& cmd) {
    cmd.ExpectArgs(1, 1);
    KeyName name = SplitKey(cmd.Arg(0));
    size_t slash = name.path.rfind('\\');
    std::string parentPath = slash == std::string::npos ? "" : name.path.substr(0, slash);
    std::string leaf = slash == std::string::npos ? name.path : name.path.substr(slash + 1);
    HKEY parent = nullptr;
    LONG status =
        RegOpenKeyExA(name.root, parentPath.c_str(), 0, KEY_ALL_ACCESS | View(cmd), &parent);
    if (status == ERROR_FILE_NOT_FOUND) return;
    if (status != ERROR_SUCCESS)
        throw Failure("cannot open the parent, error " + std::to_string(status));
    status = RegDeleteTreeA(parent, leaf.c_str());
    RegCloseKey(parent);
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND)
        throw Failure("cannot delete, error " + std::to_string(status));
}

// reg_delete_value KEY NAME [view=32|64]: a value that is missing already is fine
void RegDeleteValue(Context&, const Command& cmd) {
    cmd.ExpectArgs(2, 2);
    Key key(cmd, cmd.Arg(0), KEY_SET_VALUE, false);
    MustOpen(key, cmd.Arg(0));
    LONG status = RegDeleteValueA(key.handle(), cmd.Arg(1).c_str());
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND)
        throw Failure("cannot delete the value, error " + std::to_string(status));
}

// The name a link stores for a key under HKLM: the kernel's "\Registry\Machine\path",
// which no view redirects.
std::wstring LinkTargetName(const std::string& name) {
    KeyName key = SplitKey(name);
    if (key.root != HKEY_LOCAL_MACHINE || key.path.empty())
        throw ScriptError("a link target must be a key under HKLM: " + name);
    return L"\\Registry\\Machine\\" + Cp1251ToWide(key.path);
}

// reg_link KEY TARGET [view=32|64]: makes KEY, which must not exist yet, a
// registry link to TARGET (a key under HKLM named by its 64-bit path). The
// system follows it wherever KEY is opened without asking for the link itself.
void RegLink(Context&, const Command& cmd) {
    cmd.ExpectArgs(2, 2);
    const std::wstring target = LinkTargetName(cmd.Arg(1));
    KeyName name = SplitKey(cmd.Arg(0));
    HKEY handle = nullptr;
    DWORD disposition = 0;
    LONG status = RegCreateKeyExW(name.root, Cp1251ToWide(name.path).c_str(), 0, nullptr,
                                  REG_OPTION_CREATE_LINK, KEY_ALL_ACCESS | View(cmd), nullptr,
                                  &handle, &disposition);
    if (status != ERROR_SUCCESS)
        throw Failure("cannot make the link, error " + std::to_string(status));
    if (disposition != REG_CREATED_NEW_KEY) {
        RegCloseKey(handle);
        throw Failure(Quoted(cmd.Arg(0)) + " exists already: a link replaces no key");
    }
    // The kernel's name without a terminating zero, as the system stores links.
    status = RegSetValueExW(handle, L"SymbolicLinkValue", 0, REG_LINK,
                            reinterpret_cast<const BYTE*>(target.data()),
                            DWORD(target.size() * sizeof(wchar_t)));
    RegCloseKey(handle);
    if (status != ERROR_SUCCESS)
        throw Failure("cannot name the link's target, error " + std::to_string(status));
    Log(Quoted(cmd.Arg(0)) + " links to " + QuotedWide(target));
}

// reg_is_link KEY TARGET [view=32|64]: KEY itself is there, as a link to TARGET
void RegIsLink(Context&, const Command& cmd) {
    cmd.ExpectArgs(2, 2);
    const std::wstring expected = LinkTargetName(cmd.Arg(1));
    KeyName name = SplitKey(cmd.Arg(0));
    HKEY handle = nullptr;
    LONG status = RegOpenKeyExW(name.root, Cp1251ToWide(name.path).c_str(), REG_OPTION_OPEN_LINK,
                                KEY_QUERY_VALUE | View(cmd), &handle);
    if (status != ERROR_SUCCESS)
        throw Failure("cannot open " + Quoted(cmd.Arg(0)) + " itself, error " +
                      std::to_string(status));
    wchar_t target[512] = {};
    DWORD size = sizeof(target) - sizeof(wchar_t);
    DWORD type = REG_NONE;
    status = RegQueryValueExW(handle, L"SymbolicLinkValue", nullptr, &type,
                              reinterpret_cast<BYTE*>(target), &size);
    RegCloseKey(handle);
    if (status != ERROR_SUCCESS || type != REG_LINK)
        throw Failure(Quoted(cmd.Arg(0)) + " is not a link");
    const std::wstring stored(target, size / sizeof(wchar_t));
    Log(Quoted(cmd.Arg(0)) + " links to " + QuotedWide(stored));
    if (stored != expected) throw Failure("expected a link to " + QuotedWide(expected));
}

}  // namespace

void AddRegistryCommands(CommandTable& table) {
    table["reg_absent"] = {RegAbsent, "KEY [view=32|64]"};
    table["reg_present"] = {RegPresent, "KEY [view=32|64]"};
    table["reg_value"] = {RegValue, "KEY NAME EXPECTED [type=sz|expand_sz|dword] [view=32|64]"};
    table["reg_no_value"] = {RegNoValue, "KEY NAME [view=32|64]"};
    table["reg_get"] = {RegGet, "VARIABLE KEY NAME [view=32|64]"};
    table["reg_values"] = {RegValues, "KEY [count=N] [view=32|64]"};
    table["reg_set"] = {RegSet,
                        "KEY NAME VALUE [type=sz|expand_sz|dword|multi_sz|binary] [view=32|64] "
                        "[unicode=yes]"};
    table["reg_delete"] = {RegDelete, "KEY [view=32|64]"};
    table["reg_delete_value"] = {RegDeleteValue, "KEY NAME [view=32|64]"};
    table["reg_link"] = {RegLink, "KEY TARGET [view=32|64]"};
    table["reg_is_link"] = {RegIsLink, "KEY TARGET [view=32|64]"};
}

}  // namespace nv
