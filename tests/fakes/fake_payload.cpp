#include "fake_payload.h"

#include "engine/crc32c.h"
#include "platform/name_case.h"

namespace fake {

FakePayload& Payload() {
    static FakePayload payload;
    return payload;
}

void FakePayload::Add(const std::string& name, const std::string& type, const std::string& bytes) {
    items[platform::FoldedName(type) + "/" + platform::FoldedName(name)] = bytes;
    const std::uint32_t crc = Crc32c(bytes.data(), bytes.size());
    std::string sum(4, '\0');
    for (int i = 0; i < 4; ++i) sum[i] = static_cast<char>(crc >> (8 * i));
    items["CRC32C/" + platform::FoldedName(type) + "." + platform::FoldedName(name)] = sum;
}

void FakePayload::Damage(const std::string& name, const std::string& type, std::size_t offset) {
    items[platform::FoldedName(type) + "/" + platform::FoldedName(name)].at(offset) ^= 0x01;
}

}  // namespace fake

namespace platform {

bool FindPayloadItem(const std::string& name, const std::string& type, PayloadItem* item) {
    fake::FakePayload& p = fake::Payload();
    ++p.lookups;
    auto it = p.items.find(platform::FoldedName(type) + "/" + platform::FoldedName(name));
    if (it == p.items.end()) return false;
    item->data = reinterpret_cast<const unsigned char*>(it->second.data());
    item->size = it->second.size();
    return true;
}

}  // namespace platform
