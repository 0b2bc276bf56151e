// A folder the program writes into or deletes from. A user may have put a
// link in its place, or swap one in while the program works, to make an
// elevated program write or delete where they choose; so the folder is
// checked to be what its path claims when it is taken and again before each
// step there, and held open meanwhile, which on Windows keeps anyone from
// renaming or replacing it. Where the system does not honour the hold
// (Wine), a swap shows at the next check.
#pragma once

#include <string>

#include "platform/files.h"

// True unless a link stands at `folder` or on the way to it: the folder
// reached through the path is the one it spells. A folder that is simply
// missing counts (writing there fails on its own, and deleting from it
// finds nothing).
bool NoLinkAtOrOnTheWay(const std::string& folder);

class CheckedFolder {
  public:
    // Checks `folder` and holds it when it is there.
    explicit CheckedFolder(std::string folder);
    ~CheckedFolder();
    CheckedFolder(const CheckedFolder&) = delete;
    CheckedFolder& operator=(const CheckedFolder&) = delete;

    const std::string& Path() const { return folder_; }

    // True while no link stands at the folder's place or on the way to it:
    // checked now, not remembered. A folder that is simply missing still
    // counts as itself (what is done there then fails on its own). Once
    // false it stays false, so that nothing more is done there even if the
    // folder comes back.
    bool StillItself();

  private:
    std::string folder_;
    platform::FolderHold hold_ = platform::kNoFolderHold;
    bool itself_ = false;
};
