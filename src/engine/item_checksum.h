// The checksum of a payload item's bytes, kept for the item it was taken of,
// so that it can be taken ahead of the item's write, at a moment when the
// installation waits anyway (the file set's pause after the file before).
// The bytes are the program's own read-only image, so those checked are
// those written.
#pragma once

#include <cstdint>

#include "platform/payload.h"

class ItemChecksum {
  public:
    // Takes the checksum of `item`, unless it is the item taken last.
    void Take(const platform::PayloadItem& item);

    // The checksum of `item`, taken now unless it was taken last.
    std::uint32_t Of(const platform::PayloadItem& item);

  private:
    platform::PayloadItem item_;
    std::uint32_t crc_ = 0;
    bool taken_ = false;
};
