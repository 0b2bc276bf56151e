#include "installation/checked_folder.h"

#include <utility>

bool NoLinkAtOrOnTheWay(const std::string& folder) {
    return platform::CheckRealFolder(folder) != platform::kErrorReparsePointEncountered;
}

CheckedFolder::CheckedFolder(std::string folder) : folder_(std::move(folder)) {
    itself_ = NoLinkAtOrOnTheWay(folder_);
    if (itself_) hold_ = platform::HoldFolder(folder_);
}

CheckedFolder::~CheckedFolder() { platform::ReleaseFolder(hold_); }

bool CheckedFolder::StillItself() {
    itself_ = itself_ && NoLinkAtOrOnTheWay(folder_);
    return itself_;
}
