#include "fake_payload.h"

namespace fake {

std::string Upper(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

FakePayload& Payload() {
    static FakePayload payload;
    return payload;
}

void FakePayload::Add(const std::string& name, const std::string& type, const std::string& bytes) {
    items[Upper(type) + "/" + Upper(name)] = bytes;
}

}  // namespace fake

namespace platform {

bool FindPayloadItem(const std::string& name, const std::string& type, PayloadItem* item) {
    fake::FakePayload& p = fake::Payload();
    ++p.lookups;
    auto it = p.items.find(fake::Upper(type) + "/" + fake::Upper(name));
    if (it == p.items.end()) return false;
    item->data = reinterpret_cast<const unsigned char*>(it->second.data());
    item->size = it->second.size();
    return true;
}

}  // namespace platform
