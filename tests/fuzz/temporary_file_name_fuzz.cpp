// The "~" name a payload item is written to before it replaces its target.
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "installation/temporary_name.h"

namespace {

// Whether `temporary` is `target` with a "~" put in at `mark`, between the
// folder (empty or ending in a backslash) and the file name (with no
// backslash, unless as its last character, and never empty: a target's last
// character is never taken as the end of its folder).
bool TildeOpensFileName(const std::string& target, const std::string& temporary, std::size_t mark) {
    if (temporary[mark] != '~') return false;
    const std::string folder = temporary.substr(0, mark);
    const std::string name = temporary.substr(mark + 1);
    if (folder + name != target) return false;
    if (!folder.empty() && folder.back() != '\\') return false;
    if (name.empty()) return target.empty();
    const std::size_t inner = name.find('\\');
    return inner == std::string::npos || inner + 1 == name.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string target = fuzz::Text(data, size);
    const std::string temporary = TemporaryFileName(target);
    FUZZ_CHECK(temporary.size() == target.size() + 1);

    // The target itself may hold "~"s: one of them must be the one put in.
    bool found = false;
    for (std::size_t mark = temporary.find('~'); !found && mark != std::string::npos;
         mark = temporary.find('~', mark + 1)) {
        found = TildeOpensFileName(target, temporary, mark);
    }
    FUZZ_CHECK(found);
    return 0;
}
