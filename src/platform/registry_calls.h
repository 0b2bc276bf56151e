// The calls to the system registry, as the programs need them: keys under two
// roots, string and 32-bit integer values, and deletion of a whole key. The
// run's registry object on top of them is host/registry_object.h.
//
// Keys are opened with a Windows access mask. On 64-bit Windows a 32-bit
// process that opens a path below HKLM\Software without kKeyWow64_64Key is
// redirected to Software\WOW6432Node; with the flag it reaches the 64-bit view.
// Every call returns a Windows error code (kSuccess on success) and never throws.
//
// A key can be a registry link, which the system follows to another key
// wherever a program opens it by name. These calls never follow one at the
// key they open, create or delete: such a key is refused with
// kErrorStoppedOnSymlink, and a tree deletion removes a link below the key
// as the link key itself, never what it leads to. Links on the way to the
// key, at the keys its path passes through, are followed as the system
// follows them for every program: Windows keeps links of its own there
// (HKLM\System\CurrentControlSet), only an administrator can make one under
// HKLM, and every other reader of the path (the list of installed programs
// among them) reaches the same key through it.
#pragma once

#include <cstdint>
#include <string>

#include "platform/error_codes.h"

namespace platform {

enum class RegRoot { CurrentUser, LocalMachine };

enum class RegValueType { String, ExpandString, Dword, Other };

// An open key; kNoKey means none.
using RegKey = std::uintptr_t;
constexpr RegKey kNoKey = 0;

constexpr std::uint32_t kKeyQueryValue = 0x0001;
constexpr std::uint32_t kKeySetValue = 0x0002;
constexpr std::uint32_t kKeyRead = 0x20019;
constexpr std::uint32_t kKeyAllAccess = 0xF003F;
constexpr std::uint32_t kKeyWow64_64Key = 0x0100;
constexpr std::uint32_t kKeyWow64_32Key = 0x0200;

// Opens `path` (backslash separated, relative to `root`; a trailing backslash
// is allowed) with `access`, to which the right to query values is added
// (it tells a link). With `create` a missing key and its missing parents are
// created. A key that is a link, even one leading nowhere, gives
// kErrorStoppedOnSymlink and is neither followed nor created through. On
// failure *key is kNoKey.
ErrorCode RegOpen(RegRoot root, const std::string& path, std::uint32_t access, bool create,
                  RegKey* key);

// kErrorFileNotFound when the value does not exist; kErrorNoUnicodeTranslation
// for a string value RegReadString refuses so.
ErrorCode RegQueryValueType(RegKey key, const std::string& name, RegValueType* type);

// Reads a REG_SZ or REG_EXPAND_SZ value as stored (unexpanded, without its
// terminating NUL) and tells which of the two it was. A value of any other
// type gives kErrorInvalidData and leaves *value unchanged. The text comes
// character for character in the current text code page or not at all: one
// that code page cannot hold (a user's folder under "René" in Windows-1251)
// gives kErrorNoUnicodeTranslation and leaves *value unchanged, where a
// look-alike ("Rene") would name another folder.
ErrorCode RegReadString(RegKey key, const std::string& name, std::string* value,
                        RegValueType* type);

// Reads a REG_DWORD value; any other type gives kErrorInvalidData.
ErrorCode RegReadDword(RegKey key, const std::string& name, std::uint32_t* value);

ErrorCode RegWriteString(RegKey key, const std::string& name, const std::string& value);
ErrorCode RegWriteDword(RegKey key, const std::string& name, std::uint32_t value);

// Deletes the key at `path` with all its subkeys and values. `access` carries
// the view flags (kKeyWow64_64Key) that select which key is meant. An empty
// path, which would name the root itself, is refused (kErrorInvalidParameter),
// and so is a key that is a link (kErrorStoppedOnSymlink): both stay whole.
// A link among the subkeys goes as the link key; the key it leads to keeps
// its values and subkeys. On another failure the keys deleted so far stay
// deleted.
ErrorCode RegDeleteTree(RegRoot root, const std::string& path, std::uint32_t access);

void RegClose(RegKey key);

// An open key that closes itself: when it goes, or when another key is
// opened in its place. The one way the programs hold a key.
class OwnedKey {
  public:
    OwnedKey() = default;
    ~OwnedKey() { Close(); }
    OwnedKey(const OwnedKey&) = delete;
    OwnedKey& operator=(const OwnedKey&) = delete;

    // Closes the key held, then opens `path` as RegOpen does.
    ErrorCode Open(RegRoot root, const std::string& path, std::uint32_t access, bool create) {
        Close();
        return RegOpen(root, path, access, create, &key_);
    }
    void Close() {
        if (key_ != kNoKey) RegClose(key_);
        key_ = kNoKey;
    }
    RegKey get() const { return key_; }
    bool IsOpen() const { return key_ != kNoKey; }

  private:
    RegKey key_ = kNoKey;
};

}  // namespace platform
