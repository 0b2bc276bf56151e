// An in-memory registry with the rules the setup program depends on: two roots,
// case-insensitive key and value names, REG_SZ / REG_EXPAND_SZ / REG_DWORD
// values, access masks, the view of a 32-bit process on 64-bit Windows
// (HKLM\Software without KEY_WOW64_64KEY lands under Software\WOW6432Node),
// and registry links: keys that Windows follows to another key wherever a
// program opens them without asking for the link itself; and string values
// the text code page cannot hold, which read as no text.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/registry_calls.h"

namespace fake {

struct RegValue {
    platform::RegValueType type = platform::RegValueType::String;
    std::string text;
    std::uint32_t number = 0;
    // `text` is UTF-8, as the system keeps a value another program wrote
    // wide: the program reads it in its text code page, whole or not at all.
    bool unicode = false;
};

class FakeRegistry {
  public:
    // Keys are addressed by their real (view-resolved) path, as regedit shows them:
    // "HKLM\Software\WOW6432Node\...". Roots: "HKLM", "HKCU". These calls stand
    // for another program: like Windows opening a key without asking for the
    // link itself, they follow every link on the path, the key's own included.
    void SetString(const std::string& key, const std::string& name, const std::string& value,
                   platform::RegValueType type = platform::RegValueType::String);
    // A string value written through the wide call, `utf8` holding any
    // character, CP1251 or not ("C:\Users\René").
    void SetUnicodeString(const std::string& key, const std::string& name, const std::string& utf8,
                          platform::RegValueType type = platform::RegValueType::String);
    void SetDword(const std::string& key, const std::string& name, std::uint32_t value);
    void SetOther(const std::string& key, const std::string& name);  // e.g. REG_BINARY
    void CreateKey(const std::string& key);

    bool KeyExists(const std::string& key) const;
    bool HasValue(const std::string& key, const std::string& name) const;
    const RegValue* Value(const std::string& key, const std::string& name) const;
    std::string String(const std::string& key, const std::string& name) const;  // "" when missing

    // The values of a key in the order they were first written.
    std::vector<std::string> ValueNamesInOrder(const std::string& key) const;

    // Makes `key` a link to `target` (a real path, which need not exist), in
    // place of whatever key was there with its values and subkeys, as another
    // program would after deleting it. Links on the way to `key` are followed.
    void MakeLink(const std::string& key, const std::string& target);
    // Whether `key` itself is a link (links on the way to it followed).
    bool IsLink(const std::string& key) const;

    // Whether this process runs as 32-bit code on 64-bit Windows (redirection applies).
    bool wow64Process = true;

    // A user without administrator rights: HKLM opens only for reading.
    bool hklmReadOnly = false;

    // Keys that refuse every open (as if their DACL allowed nothing).
    std::set<std::string> lockedKeys;
    // Keys that open but refuse writes.
    std::set<std::string> readOnlyKeys;

    int openKeys() const { return static_cast<int>(open_.size()); }

    void Reset();

    // Implementation of the platform calls, which refuse a link where it is
    // the key opened or deleted (kErrorStoppedOnSymlink) and follow the
    // links on the way to it, as platform/registry_calls.h says.
    platform::ErrorCode Open(platform::RegRoot root, const std::string& path, std::uint32_t access,
                             bool create, platform::RegKey* key);
    platform::ErrorCode Query(platform::RegKey key, const std::string& name,
                              const RegValue** value) const;
    platform::ErrorCode Write(platform::RegKey key, const std::string& name, const RegValue& value);
    platform::ErrorCode DeleteTree(platform::RegRoot root, const std::string& path,
                                   std::uint32_t access);
    void Close(platform::RegKey key);

    // The key a path names for a root and access mask after view redirection.
    std::string Resolve(platform::RegRoot root, const std::string& path,
                        std::uint32_t access) const;

  private:
    struct Key {
        std::string displayPath;
        std::map<std::string, RegValue> values;  // by folded name
        std::vector<std::string> order;          // original names, first-write order
        std::string linkTarget;                  // a link's target; "" for a plain key
    };
    // The real path of the key `path` names, each link on the way replaced
    // by its target, the last key's own link too when `finalToo`. Follows a
    // chain of links, at most kMaxLinks of them.
    std::string Follow(const std::string& path, bool finalToo, int depth = 0) const;
    static constexpr int kMaxLinks = 16;
    // The key at a real path that passes through no link; nullptr when missing.
    const Key* At(const std::string& realPath) const;
    Key& Made(const std::string& realPath);  // made with its missing parents
    void EraseTree(const std::string& realPath);
    Key& ForValues(const std::string& key);  // the key another program writes a value into
    struct OpenKey {
        std::string path;
        std::uint32_t access = 0;
    };
    std::map<std::string, Key> keys_;  // by folded path
    std::map<platform::RegKey, OpenKey> open_;
    platform::RegKey next_ = 1;
};

FakeRegistry& Registry();

}  // namespace fake
