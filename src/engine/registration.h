// The installation proper: the product's uninstall entry, its Start-menu
// folder made anew, the file set, the shortcuts, the installed size and the
// removal of a registration left under the 32-bit registry view.
#pragma once

// Installs and registers the product; `createDesktopShortcut` adds the
// shortcut on the all-users desktop. True when every step ran. False when the
// user lacks the rights or the registry refuses a write (the rights message
// has then been shown, and nothing after the refusal was touched), or when the
// file set was not installed (it has reported that itself; the values written
// so far stay, and no shortcut is made). Nothing done is undone. Any other
// error (memory running out) is not taken for missing rights: it escapes.
bool InstallAndRegister(bool createDesktopShortcut);

// The routine that installs the file set in the middle of the registration.
using FileSetInstaller = bool (*)();

// Replaces that routine (tests put a double here); nullptr restores the real
// installer.
void SetFileSetInstaller(FileSetInstaller installer);
