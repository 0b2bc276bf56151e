#include "host/windows_version.h"

#include "fake_platform.h"

namespace {

const char kNativeCurrentVersion[] = "HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
const char kRedirectedCurrentVersion[] =
    "HKLM\\SOFTWARE\\WOW6432Node\\Microsoft\\Windows NT\\CurrentVersion";
const char kProductOptions[] = "HKLM\\SYSTEM\\CurrentControlSet\\Control\\ProductOptions";
const char kHotfix[] = "HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Hotfix\\Q246009";

platform::VersionRecord Version(std::uint32_t major, std::uint32_t minor, std::uint32_t platformId,
                                const char* servicePack, std::uint8_t productType,
                                std::uint16_t suite = 0) {
    platform::VersionRecord v;
    v.majorVersion = major;
    v.minorVersion = minor;
    v.buildNumber = 1000;
    v.platformId = platformId;
    v.servicePack = servicePack;
    v.productType = productType;
    v.suiteMask = suite;
    return v;
}

// A command interpreter whose "ver" prints `banner`.
void VerPrints(const std::string& banner) {
    fake::Processes().runHidden = [banner](const fake::FakeProcesses::HiddenRun&) {
        platform::HiddenRunResult run;
        run.started = true;
        run.output = banner;
        return run;
    };
}

}  // namespace

class WindowsVersionTest : public FakePlatformTest {
  protected:
    void SetUp() override {
        FakePlatformTest::SetUp();
        ResetIsWin64();
    }
};

TEST_F(WindowsVersionTest, DescribesTheSystemsThatMatter) {
    struct Row {
        const char* what;
        platform::VersionRecord version;
        std::uint16_t architecture;
        const char* banner;
        const char* registryProductName;  // nullptr: no value
        const char* description;
        bool win64;
        // Whether the command interpreter is run for its banner: only where
        // the description depends on it.
        bool asksBanner;
        bool extendedRecord = true;
    } rows[] = {
        {"7 SP1 x64 with product name", Version(6, 1, 2, "Service Pack 1", 1), 9, "",
         "Windows 7 Ultimate", "Windows 7 Ultimate 64-bit Service Pack 1", true, false},
        // The product name replaces all the banner would have given.
        {"10 reporting 6.2", Version(6, 2, 2, "", 1), 9,
         "\r\nMicrosoft Windows [Version 10.0.19045.2965]\r\n", "Windows 10 Pro",
         "Windows 10 Pro 64-bit", true, false},
        {"10 reporting 6.2, no product name", Version(6, 2, 2, "", 1), 9,
         "\r\nMicrosoft Windows [Version 10.0.19045.2965]\r\n", nullptr,
         "Microsoft Windows 10  64-bit", true, true},
        {"8 reporting 6.2 on x86", Version(6, 2, 2, "", 1), 0,
         "\r\nMicrosoft Windows [Version 6.2.9200]\r\n", nullptr, "Microsoft Windows 8  32-bit",
         false, true},
        // Without the extended record the product name is not used at all.
        {"8.1 reporting 6.2 without the extended record", Version(6, 2, 2, "", 1), 9,
         "\r\nMicrosoft Windows [Version 6.3.9600]\r\n", "Windows 8.1 Pro",
         "Microsoft Windows Server 2012 R2 ", false, true, false},
        {"6.x on x86", Version(6, 1, 2, "Service Pack 1", 1), 0, "", nullptr,
         "Microsoft Windows 7  32-bit Service Pack 1", false, false},
        {"6.x on Itanium", Version(6, 1, 2, "", 3), 6, "", nullptr,
         "Microsoft Windows Server 2008 R2 ", false, false},
        {"10 reported directly", Version(10, 0, 2, "", 1), 9, "", "Windows 10 Pro",
         "Microsoft Windows 10 Unknown Workstation", false, false},
        {"XP Professional x64", Version(5, 2, 2, "Service Pack 2", 1), 9, "", nullptr,
         "Microsoft Windows XP Professional x64 Service Pack 2", false, false},
        {"Storage Server 2003", Version(5, 2, 2, "", 3, 0x2000), 0, "", nullptr,
         "Microsoft Windows Storage Server 2003 Standard", false, false},
        {"98 SE", Version(4, 10, 1, " A ", 0), 0, "", nullptr, "Microsoft Windows 98 SE  A ", false,
         false},
        {"blank service pack", Version(5, 1, 2, " \t\r ", 1), 0, "", nullptr,
         "Microsoft Windows XP Professional", false, false},
        {"unknown major version", Version(12, 0, 2, "", 3), 9,
         "Microsoft Windows [Version 12.0.30000]", nullptr,
         "Microsoft Windows Server 12 Unknown Server", false, true},
        // Only major version 6 takes the registry's product name.
        {"unknown major version beside a product name", Version(12, 0, 2, "", 1), 9,
         "Microsoft Windows [Version 12.0.30000]", "Windows 12 Pro",
         "Microsoft Windows 12 Unknown Workstation", false, true},
    };
    for (const Row& r : rows) {
        fake::ResetAll();
        ResetIsWin64();
        fake::SystemInfo().version = r.version;
        fake::SystemInfo().architecture = r.architecture;
        fake::SystemInfo().extendedQueryWorks = r.extendedRecord;
        VerPrints(r.banner);
        if (r.registryProductName) {
            fake::Registry().SetString(kNativeCurrentVersion, "ProductName", r.registryProductName);
        }
        // What a 32-bit process would see without asking for the 64-bit view.
        fake::Registry().SetString(kRedirectedCurrentVersion, "ProductName", "Redirected copy");

        EXPECT_EQ(DescribeWindows(), r.description) << r.what;
        EXPECT_EQ(IsWin64(), r.win64) << r.what;
        EXPECT_EQ(fake::Processes().hiddenRuns.size(), r.asksBanner ? 1u : 0u) << r.what;
        EXPECT_EQ(fake::Registry().openKeys(), 0) << r.what;
        EXPECT_TRUE(fake::Files().AllFiles().empty()) << r.what;
    }
}

TEST_F(WindowsVersionTest, AsksTheSystemsInterpreterOnlyWhereTheVersionIsAmbiguous) {
    VerPrints("Microsoft Windows [Version 6.3.9600]");
    fake::SystemInfo().version = Version(6, 1, 2, "", 1);
    DescribeWindows();
    EXPECT_TRUE(fake::Processes().hiddenRuns.empty());

    fake::SystemInfo().version = Version(6, 2, 2, "", 1);
    EXPECT_EQ(DescribeWindows(), "Microsoft Windows 8.1  64-bit");
    ASSERT_EQ(fake::Processes().hiddenRuns.size(), 1u);
    EXPECT_EQ(fake::Processes().hiddenRuns[0].program, "C:\\windows\\system32\\cmd.exe");
    EXPECT_EQ(fake::Processes().hiddenRuns[0].arguments, "/d /c ver");
}

TEST_F(WindowsVersionTest, UnreadableProductNameKeepsTheTableName) {
    VerPrints("\r\nMicrosoft Windows [Version 10.0.19045]\r\n");
    fake::SystemInfo().version = Version(6, 2, 2, "", 1);
    fake::Registry().SetString(kNativeCurrentVersion, "ProductName", "Windows 10 Pro");
    fake::Registry().lockedKeys.insert(kNativeCurrentVersion);
    EXPECT_EQ(DescribeWindows(), "Microsoft Windows 10  64-bit");
    // The banner is what the name comes from now.
    EXPECT_EQ(fake::Processes().hiddenRuns.size(), 1u);

    fake::Registry().lockedKeys.clear();
    fake::Registry().SetDword(kNativeCurrentVersion, "ProductName", 10);
    EXPECT_EQ(DescribeWindows(), "Microsoft Windows 10  64-bit");
    EXPECT_EQ(fake::Processes().hiddenRuns.size(), 2u);
    EXPECT_EQ(fake::Registry().openKeys(), 0);
}

TEST_F(WindowsVersionTest, Nt4ServicePack6IsSixAOnlyWithTheHotfixKey) {
    fake::Registry().wow64Process = false;  // NT 4 has no 64-bit view
    fake::SystemInfo().architecture = 0;
    struct Row {
        std::uint32_t major;
        const char* servicePack;
        bool hotfix;
        const char* description;
    } rows[] = {
        {4, "Service Pack 6", true, "Microsoft Windows NT Workstation Service Pack 6a"},
        {4, "Service Pack 6", false, "Microsoft Windows NT Workstation Service Pack 6"},
        {4, "Service Pack 5", true, "Microsoft Windows NT Workstation Service Pack 5"},
        {5, "Service Pack 6", true, "Microsoft Windows 2000 Professional Service Pack 6"},
    };
    for (const Row& r : rows) {
        fake::Registry().Reset();
        fake::Registry().wow64Process = false;
        if (r.hotfix) fake::Registry().CreateKey(kHotfix);
        fake::SystemInfo().version = Version(r.major, 0, 2, r.servicePack, 1);
        EXPECT_EQ(DescribeWindows(), r.description);
        EXPECT_EQ(fake::Registry().openKeys(), 0);
    }
}

TEST_F(WindowsVersionTest, WithoutTheExtendedRecordTheEditionComesFromProductOptions) {
    fake::SystemInfo().extendedQueryWorks = false;
    struct Row {
        std::uint32_t major;
        std::uint32_t minor;
        bool present;
        platform::RegValueType type;
        std::string productType;
        const char* description;
    } rows[] = {
        {5, 0, true, platform::RegValueType::String, "LanmanNT",
         "Microsoft Windows 2000 Server Service Pack 4"},
        {4, 0, true, platform::RegValueType::String, "WinNT",
         "Microsoft Windows NT Workstation Service Pack 4"},
        {4, 0, true, platform::RegValueType::String, "Other",
         "Microsoft Windows NT Unknown Service Pack 4"},
        {5, 0, true, platform::RegValueType::ExpandString, "WinNT",
         "Microsoft Windows 2000  Service Pack 4"},
        {5, 0, true, platform::RegValueType::String, std::string(256, 'W'),
         "Microsoft Windows 2000  Service Pack 4"},
        {5, 0, false, platform::RegValueType::String, "", "Microsoft Windows 2000  Service Pack 4"},
        // The basic record of 6.x has no product type and gets no bit suffix.
        {6, 1, true, platform::RegValueType::String, "ServerNT",
         "Microsoft Windows Server 2008 R2 Advanced Server Service Pack 4"},
    };
    for (const Row& r : rows) {
        fake::Registry().Reset();
        if (r.present)
            fake::Registry().SetString(kProductOptions, "ProductType", r.productType, r.type);
        fake::SystemInfo().version = Version(r.major, r.minor, 2, "Service Pack 4", 1);
        EXPECT_EQ(DescribeWindows(), r.description) << r.productType;
        EXPECT_FALSE(IsWin64());
        EXPECT_EQ(fake::Registry().openKeys(), 0);
    }
}

TEST_F(WindowsVersionTest, UnidentifiedSystemIsUnknownAndLeavesTheFlagAlone) {
    DescribeWindows();  // the default fake: Windows 7 x64
    ASSERT_TRUE(IsWin64());

    fake::SystemInfo().version.platformId = 3;
    EXPECT_EQ(DescribeWindows(), "unknown");
    EXPECT_TRUE(IsWin64());
    std::string name = "x", servicePack = "y";
    EXPECT_FALSE(IdentifyWindows(&name, &servicePack));
    EXPECT_EQ(name, "");
    EXPECT_EQ(servicePack, "");

    fake::SystemInfo().version.platformId = 2;
    fake::SystemInfo().extendedQueryWorks = false;
    fake::SystemInfo().basicQueryWorks = false;
    EXPECT_EQ(DescribeWindows(), "unknown");
    EXPECT_TRUE(IsWin64());
}
