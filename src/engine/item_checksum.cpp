#include "engine/item_checksum.h"

#include "engine/crc32c.h"

void ItemChecksum::Take(const platform::PayloadItem& item) {
    if (taken_ && item_.data == item.data && item_.size == item.size) return;
    item_ = item;
    crc_ = Crc32c(item.data, item.size);
    taken_ = true;
}

std::uint32_t ItemChecksum::Of(const platform::PayloadItem& item) {
    Take(item);
    return crc_;
}
