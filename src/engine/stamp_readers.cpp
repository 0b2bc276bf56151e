#include "engine/stamp_readers.h"

#include "platform/files.h"

namespace {

// `width` bytes from `at`, least significant first; 0 when not all are there.
std::int32_t LittleEndian(const std::string& bytes, std::uint64_t at, std::size_t width) {
    if (bytes.size() < at || bytes.size() - at < width) return 0;
    std::int32_t value = 0;
    for (std::size_t i = width; i-- > 0;) {
        value = value * 256 + static_cast<unsigned char>(bytes[static_cast<std::size_t>(at) + i]);
    }
    return value;
}

std::int32_t ReadOrZero(const std::string& path, StampPlace where) {
    std::int32_t stamp = 0;
    return ReadByteStamp(path, where, &stamp) == platform::kSuccess ? stamp : 0;
}

}  // namespace

std::int32_t ByteStampOf(const std::string& bytes, StampPlace where) {
    return LittleEndian(bytes, where.offset, where.width);
}

platform::ErrorCode ReadByteStamp(const std::string& path, StampPlace where, std::int32_t* stamp) {
    std::string bytes;
    const platform::ErrorCode e = platform::ReadFileRange(path, where.offset, where.width,
                                                          platform::ShareMode::Exclusive, &bytes);
    if (e != platform::kSuccess) return e;
    *stamp = LittleEndian(bytes, 0, where.width);
    return platform::kSuccess;
}

std::int32_t ReadCokStamp(const std::string& path) { return ReadOrZero(path, kCokStampPlace); }

std::int32_t ReadPakStamp(const std::string& path) { return ReadOrZero(path, kPakStampPlace); }

std::int32_t Read3bsStamp(const std::string& path) { return ReadOrZero(path, k3bsStampPlace); }
