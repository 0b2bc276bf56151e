// A payload of items the test puts in, looked up by name and type without
// regard to case, as the resource calls do. Each item comes with its CRC-32C
// (resource TYPE.NAME of type CRC32C), as the build packs it.
#pragma once

#include <cstddef>
#include <map>
#include <string>

#include "platform/payload.h"

namespace fake {

class FakePayload {
  public:
    // Name and type as the catalogue stores them (capitals).
    void Add(const std::string& name, const std::string& type, const std::string& bytes);
    // Flips a byte of an item after its checksum was taken, as a damaged
    // download would.
    void Damage(const std::string& name, const std::string& type, std::size_t offset);
    int lookups = 0;

    void Reset() { *this = FakePayload{}; }

    std::map<std::string, std::string> items;  // "TYPE/NAME", folded -> bytes
};

FakePayload& Payload();

}  // namespace fake
