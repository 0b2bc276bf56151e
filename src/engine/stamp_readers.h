// Version stamps of data files: a little number at a fixed place near the
// start of the file. A greater stamp marks a newer file; 0 means no stamp.
#pragma once

#include <cstdint>
#include <string>

// 2 bytes at offset 5, little-endian (0..65535).
std::int32_t ReadCokStamp(const std::string& path);

// 2 bytes at offset 6, little-endian (0..65535).
std::int32_t ReadPakStamp(const std::string& path);

// 1 byte at offset 6 (0..255).
std::int32_t Read3bsStamp(const std::string& path);
