// Version stamps of data files: a little number at a fixed place near the
// start of the file. A greater stamp marks a newer file; 0 means no stamp.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "installation/product_files.h"
#include "platform/error_codes.h"

// Types that none of the product's files has but that a file list may name.
constexpr StampPlace kPakStampPlace = {6, 2};  // 0..65535
constexpr StampPlace k3bsStampPlace = {6, 1};  // 0..255

// The stamp held by `bytes`, a file's contents from its first byte; 0 when
// they are too short to hold it.
std::int32_t ByteStampOf(const std::string& bytes, StampPlace where);

// The stamp of the file at `path`, opened without sharing so that a copy
// another program is writing yields none rather than a half-written one.
// kSuccess with *stamp 0 for a file too short; the open's error for a
// missing or held file, *stamp then unchanged.
platform::ErrorCode ReadByteStamp(const std::string& path, StampPlace where, std::int32_t* stamp);

// The readers by type (a .cok file's stamp sits where the table of the
// product's files says): 0 for a missing, held or too short file; they never
// fail and never show a message.
std::int32_t ReadCokStamp(const std::string& path);
std::int32_t ReadPakStamp(const std::string& path);
std::int32_t Read3bsStamp(const std::string& path);
