#include "engine/stamp_readers.h"

#include "platform/files.h"

namespace {

// The file is opened without sharing, so a copy that another program is
// writing at this moment yields no stamp instead of a half-written one.
// A missing, held or too short file gives 0; nothing is ever reported.
std::int32_t ReadLittleEndian(const std::string& path, std::uint64_t offset, std::size_t count) {
    std::string bytes;
    if (platform::ReadFileRange(path, offset, count, platform::ShareMode::Exclusive, &bytes) !=
            platform::kSuccess ||
        bytes.size() < count) {
        return 0;
    }
    std::int32_t value = 0;
    for (std::size_t i = count; i-- > 0;) {
        value = value * 256 + static_cast<unsigned char>(bytes[i]);
    }
    return value;
}

}  // namespace

std::int32_t ReadCokStamp(const std::string& path) { return ReadLittleEndian(path, 5, 2); }

std::int32_t ReadPakStamp(const std::string& path) { return ReadLittleEndian(path, 6, 2); }

std::int32_t Read3bsStamp(const std::string& path) { return ReadLittleEndian(path, 6, 1); }
