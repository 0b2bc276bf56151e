// The checksum of a payload item's bytes, taken on the background thread so
// that checking what is installed costs the installation next to no time:
// ahead of the item's write while the file set waits, or else beside the
// write. The bytes are the program's own read-only image, so those checked
// are those written.
#pragma once

#include <cstdint>

#include "platform/payload.h"

class ItemChecksum {
  public:
    ItemChecksum() = default;
    ~ItemChecksum();  // waits for a checksum still being taken
    ItemChecksum(const ItemChecksum&) = delete;
    ItemChecksum& operator=(const ItemChecksum&) = delete;

    // Starts taking the checksum of `item`, in place of the one before,
    // unless it is the item begun last.
    void Begin(const platform::PayloadItem& item);

    // The checksum of `item`, once taken; begun first when it was not.
    std::uint32_t Of(const platform::PayloadItem& item);

  private:
    static void Take(void* self);

    platform::PayloadItem item_;
    std::uint32_t crc_ = 0;
    bool begun_ = false;
    bool running_ = false;
};
