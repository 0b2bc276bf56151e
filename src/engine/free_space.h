// Whether the target folder's volume has room for the product's files, asked
// before anything is written, so that a full disk is found while the user can
// still pick another folder.
#pragma once

#include <cstdint>
#include <string>

// Bytes the files of `fileList` need in `folder` (which ends with "\"): every
// file absent from the folder needs its whole size; a file that replaces an
// installed copy needs what it grows by. The largest replaced copy is counted
// once more, because its new bytes stand beside the old ones under the "~"
// name until they take its place. Items missing from the payload count 0.
std::uint64_t BytesNeededIn(const std::string& folder, const std::string& fileList);

struct SpaceCheck {
    bool enough = true;
    std::uint64_t neededBytes = 0;
    std::uint64_t freeBytes = 0;
};

// Compares the need with the free space of the folder's volume. A volume
// whose free space cannot be read counts as having enough: the installation
// itself then reports any write that fails.
SpaceCheck CheckFreeSpace(const std::string& folder, const std::string& fileList);

// The warning for a shortfall, in whole megabytes of 1,048,576 bytes: the
// need rounded up and the free space rounded down, so the numbers never hide
// a shortfall (1 byte short never reads "need 5, free 5" in the user's favour).
std::string NotEnoughSpaceText(std::uint64_t neededBytes, std::uint64_t freeBytes);
