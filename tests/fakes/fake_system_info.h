// What the fake system says about itself. Defaults describe a Russian
// Windows 7 SP1 x64 workstation where the user is an administrator.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "platform/system_info.h"
#include "platform/text_code_page.h"

namespace fake {

class FakeSystemInfo {
  public:
    std::uint32_t lcid = 0x0419;
    bool extendedQueryWorks = true;
    bool basicQueryWorks = true;
    platform::VersionRecord version{6, 1, 7601, 2, "Service Pack 1", 1, 0, 0x0100, 1};
    std::uint16_t architecture = 9;
    std::map<int, int> metrics;  // missing entries are 0
    bool admin = true;
    std::string systemFolder = "C:\\windows\\system32";  // "": it cannot be read
    // OEM-to-ANSI conversion: by default the identity; tests may map bytes.
    std::map<char, char> oemToAnsi;
    // The texts' code page; the system's ANSI code page is always 1251.
    platform::TextCodePage textCodePage = platform::TextCodePage::Ansi;

    void Reset() { *this = FakeSystemInfo{}; }
};

FakeSystemInfo& SystemInfo();

}  // namespace fake
