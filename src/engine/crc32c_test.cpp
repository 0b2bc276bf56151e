#include "engine/crc32c.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Sequence(int size, int (*byte)(int)) {
    std::string bytes(static_cast<std::size_t>(size), '\0');
    for (int i = 0; i < size; ++i) bytes[static_cast<std::size_t>(i)] = static_cast<char>(byte(i));
    return bytes;
}

struct CheckValue {
    const char* what;
    std::string bytes;
    std::uint32_t crc;
};

// Published check values of CRC-32C, by both ways of computing it, whole and
// taken in pieces.
TEST(Crc32cTest, KnownCheckValuesByInstructionAndByTables) {
    const CheckValue cases[] = {
        {"nothing", "", 0x00000000},
        {"123456789", "123456789", 0xE3069283},
        {"32 zeros", std::string(32, '\0'), 0x8A9136AA},
        {"32 x FF", std::string(32, '\xFF'), 0x62A8AB43},
        {"0 to 31", Sequence(32, [](int i) { return i; }), 0x46DD794E},
        {"31 to 0", Sequence(32, [](int i) { return 31 - i; }), 0x113FDB5C},
    };
    for (const CheckValue& c : cases) {
        EXPECT_EQ(Crc32c(c.bytes.data(), c.bytes.size()), c.crc) << c.what;
        EXPECT_EQ(Crc32cByTables(c.bytes.data(), c.bytes.size()), c.crc) << c.what;
        const std::size_t half = c.bytes.size() / 2;
        EXPECT_EQ(
            Crc32c(c.bytes.data() + half, c.bytes.size() - half, Crc32c(c.bytes.data(), half)),
            c.crc)
            << c.what;
    }
}

// Runs long enough for the instruction's three lanes (and a piece that ends
// inside them) give what the tables give, and one flipped bit shows.
TEST(Crc32cTest, LongRunsAgreeWithTheTablesAndFindAFlippedBit) {
    std::string bytes =
        Sequence(100000, [](int i) { return static_cast<int>((i * 2654435761u) >> 13); });
    for (std::size_t size : {12287u, 12288u, 12289u, 40000u, 100000u}) {
        const std::uint32_t whole = Crc32cByTables(bytes.data(), size);
        EXPECT_EQ(Crc32c(bytes.data(), size), whole) << size;
        EXPECT_EQ(Crc32c(bytes.data() + 5000, size - 5000, Crc32c(bytes.data(), 5000)), whole)
            << size;
        bytes[size / 2] ^= 0x10;
        EXPECT_NE(Crc32c(bytes.data(), size), whole) << size;
        bytes[size / 2] ^= 0x10;
    }
}

}  // namespace
