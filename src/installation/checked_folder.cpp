#include "installation/checked_folder.h"

#include <utility>

namespace {

// A folder that is missing is not taken for a swapped one: writing there
// fails on its own, and deleting from it finds nothing.
bool NoLinkAtOrOnTheWay(const std::string& folder) {
    return platform::CheckRealFolder(folder) != platform::kErrorReparsePointEncountered;
}

}  // namespace

CheckedFolder::CheckedFolder(std::string folder) : folder_(std::move(folder)) {
    itself_ = NoLinkAtOrOnTheWay(folder_);
    if (itself_) hold_ = platform::HoldFolder(folder_);
}

CheckedFolder::~CheckedFolder() { platform::ReleaseFolder(hold_); }

bool CheckedFolder::StillItself() {
    itself_ = itself_ && NoLinkAtOrOnTheWay(folder_);
    return itself_;
}
