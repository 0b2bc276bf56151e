// The registry object of the run (Reg, host/common_unit.h): a root, at most
// one open key, and the access mask every key is opened with (full access, in
// the 64-bit view on 64-bit Windows). The key is a platform::OwnedKey, so it
// closes itself; a reader holds it through a RegistryKeyScope. Reads of the
// wrong type and refused writes raise RegistryError; a key that cannot be
// opened only answers false. A key that is a registry link is never opened
// nor deleted (platform/registry_calls.h): to this object it is a key that
// cannot be.
#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <utility>

#include "platform/registry_calls.h"

// Carries its own text rather than deriving from std::runtime_error: the
// library's error classes keep their text in a second string class of their
// own, which would bring all of it into the programs.
class RegistryError : public std::exception {
  public:
    explicit RegistryError(std::string text) : text_(std::move(text)) {}
    const char* what() const noexcept override { return text_.c_str(); }

  private:
    std::string text_;
};

class Registry {
  public:
    explicit Registry(std::uint32_t access) : access_(access) {}
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;

    // Closes the key, puts the root back to HKEY_CURRENT_USER and takes
    // `access` for every key from now on: a new run of the object.
    void Reset(std::uint32_t access) {
        key_.Close();
        root_ = platform::RegRoot::CurrentUser;
        access_ = access;
    }

    void SetRoot(platform::RegRoot root) { root_ = root; }
    platform::RegRoot Root() const { return root_; }
    std::uint32_t Access() const { return access_; }

    // Closes the key that is open, then opens `path`. False, with no key open,
    // when it cannot be opened or is a link; never raises.
    bool OpenKey(const std::string& path, bool canCreate);

    // False when no key is open or the value does not exist. A string value
    // whose text the text code page cannot hold counts as missing, here and
    // in ReadString: the program never uses a look-alike of it.
    bool ValueExists(const std::string& name) const;

    // REG_SZ or REG_EXPAND_SZ as stored; "" when missing. Raises on another type.
    std::string ReadString(const std::string& name) const;

    // Raise when the registry refuses the write (or no key is open).
    void WriteString(const std::string& name, const std::string& value);
    void WriteInteger(const std::string& name, std::int32_t value);

    // Deletes the key with all its subkeys; false when that failed, or when
    // the key is a link, which stays with what it leads to.
    bool DeleteKey(const std::string& path);

    void CloseKey() { key_.Close(); }
    bool HasOpenKey() const { return key_.IsOpen(); }

  private:
    platform::RegRoot root_ = platform::RegRoot::CurrentUser;
    platform::OwnedKey key_;
    std::uint32_t access_;
};

// The registry object's key for as long as this lives: the root set and the
// key opened here, closed again when it goes, also when a read raises.
class RegistryKeyScope {
  public:
    RegistryKeyScope(Registry& reg, platform::RegRoot root, const std::string& path, bool canCreate)
        : reg_(reg) {
        reg_.SetRoot(root);
        opened_ = reg_.OpenKey(path, canCreate);
    }
    ~RegistryKeyScope() { reg_.CloseKey(); }
    RegistryKeyScope(const RegistryKeyScope&) = delete;
    RegistryKeyScope& operator=(const RegistryKeyScope&) = delete;

    bool Opened() const { return opened_; }

  private:
    Registry& reg_;
    bool opened_ = false;
};
