// The folder of a registered UninstallString, whatever the registry holds.
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "host/system_folders.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string value = fuzz::Text(data, size);
    const std::string untouched = "untouched";
    std::string folder = untouched;
    if (!FolderOfUninstallString(value, &folder)) {
        FUZZ_CHECK(folder == untouched);
        return 0;
    }
    // A folder ends in a backslash and is the start of the value without its
    // opening quotation mark, never reaching past a closing one.
    FUZZ_CHECK(!folder.empty() && folder.back() == '\\');
    const bool quoted = !value.empty() && value.front() == '"';
    const std::string unquoted = quoted ? value.substr(1) : value;
    FUZZ_CHECK(unquoted.compare(0, folder.size(), folder) == 0);
    if (quoted) FUZZ_CHECK(folder.find('"') == std::string::npos);
    // The value's last character never ends the folder: something follows it.
    FUZZ_CHECK(folder.size() < unquoted.size());
    return 0;
}
