// The contract tests of the registry and files services run on both sides of
// the platform seam: against the in-memory fakes in the unit tests, and
// against Windows itself (under Wine on the build machine) in the Win32
// checks. A fake that drifts from the system then fails a test instead of
// letting the tests on top of it prove a rule Windows does not keep.
//
// Each side gives a test a place of its own, and makes what the services
// alone cannot: a file another process holds open, a read-only file, a value
// of a type the program never writes.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/registry_calls.h"

namespace sandbox {

// The fixture of every contract test: a clean place before, nothing left after.
class Test : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
};

// A folder for this test alone, empty at its start and the working folder,
// ending with a backslash.
std::string Folder();

// "Software\<name>": a key for this test alone, missing at its start under
// HKCU and HKLM in both views, and removed afterwards. No trailing backslash.
std::string Key();

// Whether HKLM\Software has a 32-bit view of its own for this process.
bool RegistryHasTwoViews();

// Stores a value the program never writes itself: REG_EXPAND_SZ for
// ExpandString, REG_BINARY for Other. The key must exist.
void WriteValueOfType(platform::RegRoot root, const std::string& path, std::uint32_t view,
                      const std::string& name, platform::RegValueType type,
                      const std::string& text);

// Makes `path`, which must not exist, a registry link to `target`: a key
// under HKLM named by its path in the 64-bit view ("Software\..."), which
// need not exist. Keys on the way to `path` are followed.
void MakeLink(platform::RegRoot root, const std::string& path, std::uint32_t view,
              const std::string& target);

// Whether `path` itself is there as a registry link.
bool IsLink(platform::RegRoot root, const std::string& path, std::uint32_t view);

// Stores a REG_SZ value as another program writes one through the wide call:
// `utf8` may hold characters no ANSI code page has. The key must exist.
void WriteUnicodeString(platform::RegRoot root, const std::string& path, const std::string& name,
                        const std::string& utf8);

// "X:" for a drive letter no volume has.
std::string MissingDrive();

void MakeReadOnly(const std::string& path);
void MakeHidden(const std::string& path);

// Whether the tests run under Wine, for the few rules where Wine is known to
// differ from Windows: the contract follows Windows and skips those there.
bool OnWine();

// Another process's hold on a file while this lives: one that lets others
// read it too, or one that shares nothing.
class HeldFile {
  public:
    HeldFile(const std::string& path, bool othersMayRead);
    ~HeldFile();
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;

    bool holding() const { return holding_; }

  private:
    std::string path_;
    std::uintptr_t handle_ = 0;
    bool holding_ = false;
};

}  // namespace sandbox
