// CRC-32C (the Castagnoli polynomial, as iSCSI and ext4 use it): the
// checksum the build takes of each payload item and the installer checks the
// item's bytes against before they are installed. It finds every burst of
// damage up to 32 bits and all but one in four thousand million others, and
// the CPU computes it with an instruction of its own where it has one.
#pragma once

#include <cstddef>
#include <cstdint>

// The checksum of `size` bytes following those `crc` was the checksum of
// (0 to start), so that a long run can be taken piece by piece.
std::uint32_t Crc32c(const void* data, std::size_t size, std::uint32_t crc = 0);

// The same by tables alone, as on a CPU without the instruction.
std::uint32_t Crc32cByTables(const void* data, std::size_t size, std::uint32_t crc = 0);
