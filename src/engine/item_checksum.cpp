#include "engine/item_checksum.h"

#include "engine/crc32c.h"
#include "platform/background_task.h"

ItemChecksum::~ItemChecksum() {
    if (running_) platform::WaitForBackgroundTask();
}

void ItemChecksum::Begin(const platform::PayloadItem& item) {
    if (begun_ && item_.data == item.data && item_.size == item.size) return;
    if (running_) platform::WaitForBackgroundTask();
    item_ = item;
    begun_ = true;
    running_ = true;
    platform::StartBackgroundTask(&Take, this);
}

std::uint32_t ItemChecksum::Of(const platform::PayloadItem& item) {
    Begin(item);
    if (running_) platform::WaitForBackgroundTask();
    running_ = false;
    return crc_;
}

void ItemChecksum::Take(void* self) {
    auto* checksum = static_cast<ItemChecksum*>(self);
    checksum->crc_ = Crc32c(checksum->item_.data, checksum->item_.size);
}
