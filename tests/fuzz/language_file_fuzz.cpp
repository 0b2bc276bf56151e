// The language file's stamp, read from a file of any content.
#include <cstdint>
#include <string>

#include "fake_files.h"
#include "fake_message_box.h"
#include "fuzz_check.h"
#include "lang/lang_unit.h"

namespace {

const char* const kLanguageFile = "C:\\Program Files\\Norvelik\\language\\rus.lng";

std::string Magnitude(std::int32_t value) {
    const std::int64_t wide = value;
    return std::to_string(wide < 0 ? -wide : wide);
}

void CheckStampLine(const std::string& line) {
    std::int32_t value = 12345;
    if (!ParseStampLine(line, &value)) {
        FUZZ_CHECK(value == 12345);  // a refused line leaves the result alone
        return;
    }
    // Only blanks, one sign and digits make a number, and its digits are there.
    const std::size_t first = line.find_first_not_of(' ');
    FUZZ_CHECK(first != std::string::npos);
    const std::size_t digits = line[first] == '+' || line[first] == '-' ? first + 1 : first;
    FUZZ_CHECK(digits < line.size());
    FUZZ_CHECK(line.find_first_not_of("0123456789", digits) == std::string::npos);
    FUZZ_CHECK(line.find(Magnitude(value)) != std::string::npos);
    // Too great a number must not wrap round to the other sign.
    FUZZ_CHECK(line[first] == '-' ? value <= 0 : value >= 0);
    // The number's own spelling reads back as the same number.
    std::int32_t again = 0;
    FUZZ_CHECK(ParseStampLine(std::to_string(value), &again) && again == value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = fuzz::Text(data, size);
    CheckStampLine(text);

    fake::Files().Reset();
    fake::MessageBoxes().Reset();
    fake::Files().AddFile(kLanguageFile, text);
    const std::int32_t stamp = ReadLanguageFileVersion(kLanguageFile);

    const std::size_t reports = fake::MessageBoxes().shown.size();
    FUZZ_CHECK(reports <= 1);
    // A reported file gives 0; an unreported one a number written in the file.
    if (reports == 1) {
        FUZZ_CHECK(stamp == 0);
    } else {
        FUZZ_CHECK(text.find(Magnitude(stamp)) != std::string::npos);
        FUZZ_CHECK(stamp >= 0 || text.find('-') != std::string::npos);
    }
    return 0;
}
