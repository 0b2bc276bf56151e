// A payload of items the test puts in, looked up by name and type without
// regard to case, as the resource calls do.
#pragma once

#include <map>
#include <string>

#include "platform/payload.h"

namespace fake {

class FakePayload {
  public:
    // Name and type as the catalogue stores them (capitals).
    void Add(const std::string& name, const std::string& type, const std::string& bytes);
    int lookups = 0;

    void Reset() { *this = FakePayload{}; }

    std::map<std::string, std::string> items;  // "TYPE/NAME" upper-cased -> bytes
};

FakePayload& Payload();

std::string Upper(std::string text);

}  // namespace fake
