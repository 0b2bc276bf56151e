#include "engine/stamp_readers.h"

#include <string>

#include "fake_platform.h"

namespace {

using StampReaderTest = FakePlatformTest;

struct StampCase {
    const char* what;
    std::string bytes;
    std::int32_t cok, pak, threeBs;
};

const std::string kPath = "C:\\N\\file";

// The seven bytes 00..04, 0x6F, 0x01 hold 367 at offset 5, 1 at offset 6,
// and only half of a pak stamp.
TEST_F(StampReaderTest, ReadsEachTypeAtItsOffsetAndNeedsEveryByte) {
    const StampCase cases[] = {
        {"seven bytes", std::string("\0\1\2\3\4\x6F\x01", 7), 367, 0, 1},
        {"eight bytes", std::string("\0\1\2\3\4\x6F\x01\x02", 8), 367, 0x0201, 1},
        {"six bytes", std::string("\0\1\2\3\4\x6F", 6), 0, 0, 0},
        {"empty", "", 0, 0, 0},
        {"all 0xFF", std::string(8, '\xFF'), 65535, 65535, 255},
        {"stamp 0x0100", std::string("\0\0\0\0\0\x00\x01\x00", 8), 256, 1, 1},
        {"stamp 0x00FF", std::string("\0\0\0\0\0\xFF\x00\x00", 8), 255, 0, 0},
    };
    for (const StampCase& c : cases) {
        fake::Files().Reset();
        fake::Files().AddFile(kPath, c.bytes);
        EXPECT_EQ(ReadCokStamp(kPath), c.cok) << c.what;
        EXPECT_EQ(ReadPakStamp(kPath), c.pak) << c.what;
        EXPECT_EQ(Read3bsStamp(kPath), c.threeBs) << c.what;
    }
}

TEST_F(StampReaderTest, GivesZeroForMissingAndHeldFiles) {
    const std::string bytes(8, '\x05');
    fake::Files().AddFile("C:\\N\\held", bytes);
    fake::Files().AddFile("C:\\N\\shared", bytes);
    fake::Files().File("C:\\N\\held")->held = fake::FakeFile::Held::NoSharing;
    // A holder that lets readers in still keeps an exclusive reader out.
    fake::Files().File("C:\\N\\shared")->held = fake::FakeFile::Held::ReadSharing;
    for (const char* path : {"C:\\N\\missing", "C:\\N\\held", "C:\\N\\shared", "C:\\N"}) {
        EXPECT_EQ(ReadCokStamp(path), 0) << path;
        EXPECT_EQ(ReadPakStamp(path), 0) << path;
        EXPECT_EQ(Read3bsStamp(path), 0) << path;
    }
}

}  // namespace
