// The release read from the "ver" command's banner, whatever the banner says.
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "host/windows_names.h"

namespace {

bool StartsWith(const std::string& text, const std::string& head) {
    return text.compare(0, head.size(), head) == 0;
}

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string banner = fuzz::Text(data, size);

    // The number is the run of characters just before the banner's first ".".
    const std::string number = VersionNumberFromBanner(banner);
    FUZZ_CHECK(number.find('.') == std::string::npos);
    if (!number.empty()) {
        const std::size_t dot = banner.find('.');
        FUZZ_CHECK(dot != std::string::npos && dot >= number.size());
        FUZZ_CHECK(banner.compare(dot - number.size(), number.size(), number) == 0);
    }

    for (const bool workstation : {true, false}) {
        const std::string general = FirstPartFromBanner(banner, workstation, false);
        FUZZ_CHECK(general == (workstation ? "" : "Server ") + number + " ");
        const std::string known = FirstPartFromBanner(banner, workstation, true);
        FUZZ_CHECK(EndsWith(known, " "));
        FUZZ_CHECK(workstation || StartsWith(known, "Server "));
    }
    return 0;
}
