// What the system reports about itself, read the way the version module and
// the start-up need it.
#include "platform/system_info.h"

#include <windows.h>

#include <cstdio>

#include "check.h"

// winuser.h maps OemToAnsi to OemToCharA; ours must keep its own name, the one
// the portable code calls.
#undef OemToAnsi

using namespace platform;

class SystemInfo : public sandbox::Test {};

TEST_F(SystemInfo, ExtendedVersionAddsOnlyTheLastFiveFields) {
    VersionRecord extended;
    VersionRecord basic;
    ASSERT_TRUE(QueryVersion(true, &extended));
    ASSERT_TRUE(QueryVersion(false, &basic));
    const DWORD packed = ::GetVersion();
    EXPECT_EQ(extended.majorVersion, static_cast<std::uint32_t>(LOBYTE(LOWORD(packed))));
    EXPECT_EQ(extended.minorVersion, static_cast<std::uint32_t>(HIBYTE(LOWORD(packed))));
    EXPECT_EQ(extended.platformId, 2u);  // the NT family
    EXPECT_TRUE(extended.productType >= 1 && extended.productType <= 3);
    EXPECT_EQ(basic.majorVersion, extended.majorVersion);
    EXPECT_EQ(basic.minorVersion, extended.minorVersion);
    EXPECT_EQ(basic.buildNumber, extended.buildNumber);
    EXPECT_EQ(basic.servicePack, extended.servicePack);
    EXPECT_EQ(basic.productType, 0);
    EXPECT_EQ(basic.suiteMask, 0);
    EXPECT_EQ(basic.servicePackMajor, 0);
}

TEST_F(SystemInfo, ArchitectureIsTheNativeOneNotTheEmulatedOne) {
    BOOL wow64 = FALSE;
    ::IsWow64Process(::GetCurrentProcess(), &wow64);
    const std::uint16_t native = NativeProcessorArchitecture();
    if (wow64) {
        EXPECT_TRUE(native != PROCESSOR_ARCHITECTURE_INTEL);
    } else {
        EXPECT_EQ(native, PROCESSOR_ARCHITECTURE_INTEL);
    }
}

TEST_F(SystemInfo, OemTextBecomesAnsiTextOfTheSameLength) {
    if (::GetOEMCP() != 866 || ::GetACP() != 1251) {
        std::printf("    (needs the Russian code pages; OEM %u, ANSI %u here)\n", ::GetOEMCP(),
                    ::GetACP());
        ADD_FAILURE() << "the checks run with a Russian locale";
        return;
    }
    struct Row {
        std::string oem;
        std::string ansi;
    };
    const Row rows[] = {
        {"", ""},
        {"Microsoft Windows [Version 6.1.7601]\r\n", "Microsoft Windows [Version 6.1.7601]\r\n"},
        {"\x8D\xAE\xE0\xA2\xA5\xAB\xA8\xAA", "Норвелик"},
        {std::string("a\0\x8D", 3), std::string("a\0Н", 3)},
    };
    for (const Row& row : rows) EXPECT_EQ(OemToAnsi(row.oem), row.ansi);
}

TEST_F(SystemInfo, SystemFolderIsTheSystemsNotTheEnvironments) {
    char expected[MAX_PATH] = {};
    ASSERT_NE(::GetSystemDirectoryA(expected, MAX_PATH), 0u);
    char windows[MAX_PATH] = {};
    ::GetEnvironmentVariableA("SystemRoot", windows, MAX_PATH);
    ASSERT_TRUE(::SetEnvironmentVariableA("SystemRoot", "C:\\nv_elsewhere"));
    EXPECT_EQ(SystemFolder(), std::string(expected));
    ::SetEnvironmentVariableA("SystemRoot", windows);
    EXPECT_NE(::GetFileAttributesA((SystemFolder() + "\\cmd.exe").c_str()),
              INVALID_FILE_ATTRIBUTES);
}

TEST_F(SystemInfo, LocaleRightsAndMetricsAnswer) {
    // The checks run with a Russian user locale.
    EXPECT_EQ(UserDefaultLcid(), 0x419u);
    EXPECT_TRUE(IsUserAnAdmin());
    EXPECT_TRUE(SystemMetric(SM_CXSCREEN) > 0);
}
