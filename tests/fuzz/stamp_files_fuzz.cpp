// The three stamp readers, each given a data file of any content.
#include <cstdint>
#include <string>

#include "engine/stamp_readers.h"
#include "fake_files.h"
#include "fuzz_check.h"

namespace {

const char* const kDataFile = "C:\\Program Files\\Norvelik\\data\\main.dat";

struct Reader {
    std::int32_t (*read)(const std::string& path);
    std::size_t offset;
    std::size_t width;
};

const Reader kReaders[] = {{ReadCokStamp, 5, 2}, {ReadPakStamp, 6, 2}, {Read3bsStamp, 6, 1}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fake::Files().Reset();
    fake::Files().AddFile(kDataFile, fuzz::Text(data, size));
    for (const Reader& reader : kReaders) {
        const std::int32_t stamp = reader.read(kDataFile);
        FUZZ_CHECK(stamp >= 0 && stamp < (1 << (8 * reader.width)));
        // A file too short for the stamp has none; otherwise the stamp's bytes
        // are the file's bytes at its place, lowest first.
        if (size < reader.offset + reader.width) {
            FUZZ_CHECK(stamp == 0);
            continue;
        }
        for (std::size_t i = 0; i < reader.width; ++i) {
            FUZZ_CHECK(((stamp >> (8 * i)) & 0xFF) == data[reader.offset + i]);
        }
    }
    return 0;
}
