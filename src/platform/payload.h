// The payload: the product's files carried as resources of the program's own
// module, found by name and type without regard to letter case.
#pragma once

#include <cstddef>
#include <string>

namespace platform {

// The bytes stay valid and unchanged for the life of the process; nobody frees them.
struct PayloadItem {
    const unsigned char* data = nullptr;
    std::size_t size = 0;
};

// False when no item of that name and type exists.
bool FindPayloadItem(const std::string& name, const std::string& type, PayloadItem* item);

}  // namespace platform
