#include "fake_system_info.h"

namespace fake {

FakeSystemInfo& SystemInfo() {
    static FakeSystemInfo info;
    return info;
}

}  // namespace fake

namespace platform {

std::uint32_t UserDefaultLcid() { return fake::SystemInfo().lcid; }

bool QueryVersion(bool extended, VersionRecord* record) {
    const fake::FakeSystemInfo& s = fake::SystemInfo();
    *record = VersionRecord{};
    if (extended ? !s.extendedQueryWorks : !s.basicQueryWorks) return false;
    *record = s.version;
    if (!extended) {
        record->servicePackMajor = record->servicePackMinor = 0;
        record->suiteMask = 0;
        record->productType = 0;
    }
    return true;
}

std::uint16_t NativeProcessorArchitecture() { return fake::SystemInfo().architecture; }

int SystemMetric(int index) {
    auto it = fake::SystemInfo().metrics.find(index);
    return it == fake::SystemInfo().metrics.end() ? 0 : it->second;
}

std::string OemToAnsi(const std::string& text) {
    std::string out = text;
    for (char& c : out) {
        auto it = fake::SystemInfo().oemToAnsi.find(c);
        if (it != fake::SystemInfo().oemToAnsi.end()) c = it->second;
    }
    return out;
}

bool IsUserAnAdmin() { return fake::SystemInfo().admin; }

std::string SystemFolder() { return fake::SystemInfo().systemFolder; }

}  // namespace platform
