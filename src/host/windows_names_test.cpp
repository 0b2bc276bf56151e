// Every row of the release and edition tables, with the neighbours that must
// not match it.
#include "host/windows_names.h"

#include <gtest/gtest.h>

namespace {

platform::VersionRecord Version9x(std::uint32_t minor, std::uint32_t build, const char* sp) {
    platform::VersionRecord v;
    v.majorVersion = 4;
    v.minorVersion = minor;
    v.buildNumber = build;
    v.platformId = 1;
    v.servicePack = sp;
    return v;
}

struct NtCase {
    std::uint32_t major;
    std::uint32_t minor;
    std::uint8_t productType;
    std::uint16_t architecture;
    std::uint16_t suite;
    bool serverR2;
    const char* expected;
};

WindowsFacts NtFacts(const NtCase& c) {
    WindowsFacts f;
    f.version.majorVersion = c.major;
    f.version.minorVersion = c.minor;
    f.version.platformId = 2;
    f.version.productType = c.productType;
    f.version.suiteMask = c.suite;
    f.architecture = c.architecture;
    f.serverR2 = c.serverR2;
    return f;
}

}  // namespace

TEST(WindowsNamesTest, NamesEvery9xRelease) {
    struct Row {
        std::uint32_t major;
        std::uint32_t minor;
        std::uint32_t build;
        const char* servicePack;
        const char* expected;
    } rows[] = {
        {4, 0, 1111, "", "95 OSR 2.0"},
        {4, 0, 0x04000457, "", "95 OSR 2.0"},  // 1111 in the low word; the high word is ignored
        {4, 3, 1212, "", "95 OSR 2.1"},
        {4, 0, 1213, " C ", "95 OSR 2.1"},
        {4, 3, 1214, " C ", "95 OSR 2.5"},
        {4, 3, 1214, " B ", "95 OSR 2.1"},
        {4, 0, 1081, "", "95 OSR 2.x"},
        {4, 0, 1080, "", "95"},
        {4, 0, 950, " A ", "95 OSR 1"},
        {4, 0, 950, " W ", "95 OSR 1"},
        {4, 0, 950, " B ", "95"},
        {4, 0, 950, "A", "95"},  // the letter is the second character
        {4, 10, 1998, "", "98"},
        {4, 10, 2222, "", "98 SE"},
        {4, 10, 0x040A08AE, "", "98"},  // 2222 only in the low word: the whole number counts
        {4, 10, 1998, " A ", "98 SE"},
        {4, 10, 1998, " B ", "98 SE"},
        {4, 10, 1998, " C ", "98"},
        {4, 90, 3000, "", "Millennium"},
        {4, 5, 1000, "", "Unknown 9x"},
        {5, 0, 1111, "", "Unknown 9x"},
    };
    for (const Row& r : rows) {
        platform::VersionRecord v = Version9x(r.minor, r.build, r.servicePack);
        v.majorVersion = r.major;
        EXPECT_EQ(Win9xName(v), r.expected)
            << r.major << "." << r.minor << " build " << r.build << " sp '" << r.servicePack << "'";
    }
}

TEST(WindowsNamesTest, NamesEveryNtReleaseThatNeedsNoBanner) {
    const NtCase rows[] = {
        {3, 51, 1, 0, 0, false, "NT "},
        {4, 0, 3, 0, 0, false, "NT "},
        {5, 0, 1, 0, 0, false, "2000 "},
        {5, 1, 1, 0, 0, false, "XP "},
        {5, 2, 3, 0, 0x2000, true, "Server 2003 R2 "},
        {5, 2, 3, 0, 0x2000, false, "Storage Server 2003 "},
        {5, 2, 3, 0, 0x2002, false, "Server 2003 "},  // storage only when the mask is exactly that
        {5, 2, 1, 9, 0, false, "XP "},
        {5, 2, 1, 0, 0, false, "Server 2003 "},
        {5, 2, 3, 9, 0, false, "Server 2003 "},
        {5, 3, 1, 0, 0, false, "Unknown version "},
        {6, 0, 1, 9, 0, false, "Vista "},
        {6, 0, 3, 9, 0, false, "Server 2008 "},
        {6, 0, 2, 9, 0, false, "Server 2008 "},
        {6, 1, 1, 9, 0, false, "7 "},
        {6, 1, 3, 9, 0, false, "Server 2008 R2 "},
        {6, 3, 1, 9, 0, false, "8.1 "},
        {6, 3, 3, 9, 0, false, "Server 2012 R2 "},
        {6, 4, 1, 9, 0, false, ""},
        {10, 0, 1, 9, 0, false, "10 "},
        {10, 0, 3, 9, 0, false, "Server 2016 "},
        {10, 1, 1, 9, 0, false, ""},
    };
    for (const NtCase& c : rows) {
        const WindowsFacts f = NtFacts(c);
        EXPECT_FALSE(NtFirstPartNeedsBanner(f.version)) << c.major << "." << c.minor;
        // A banner that would name something else must not be consulted.
        EXPECT_EQ(NtFirstPart(f, "Microsoft Windows [Version 6.2.9200]"), c.expected)
            << c.major << "." << c.minor << " type " << int(c.productType) << " arch "
            << c.architecture << " suite " << c.suite;
    }
}

TEST(WindowsNamesTest, ReadsReleasesThatReport62FromTheBanner) {
    struct Row {
        std::uint8_t productType;
        const char* banner;
        const char* expected;
    } rows[] = {
        {1, "\r\nMicrosoft Windows [Version 6.2.9200]\r\n", "8 "},
        {3, "\r\nMicrosoft Windows [Version 6.2.9200]\r\n", "Server 2012 "},
        {1, "\r\nMicrosoft Windows [Version 6.3.9600]\r\n", "8.1 "},
        {3, "\r\nMicrosoft Windows [Version 6.3.9600]\r\n", "Server 2012 R2 "},
        {1, "\r\nMicrosoft Windows [Version 10.0.19045.2965]\r\n", "10 "},
        {2, "\r\nMicrosoft Windows [Version 10.0.17763]\r\n", "Server 10 "},
        {1, "Microsoft Windows 6.2 10", "8 "},  // tested in order: " 6.2" first
        {1, "Microsoft Windows [Version 12.0.30000]", "12 "},
        {3, "Microsoft Windows [Version 12.0.30000]", "Server 12 "},
        {1, "", " "},
        {3, "\r\n", "Server  "},
    };
    for (const Row& r : rows) {
        WindowsFacts f = NtFacts({6, 2, r.productType, 9, 0, false, ""});
        EXPECT_TRUE(NtFirstPartNeedsBanner(f.version));
        EXPECT_EQ(NtFirstPart(f, r.banner), r.expected)
            << "type " << int(r.productType) << " banner '" << r.banner << "'";
    }
}

TEST(WindowsNamesTest, UnknownMajorVersionsUseOnlyTheGeneralFormOfTheBanner) {
    WindowsFacts f = NtFacts({11, 0, 1, 9, 0, false, ""});
    EXPECT_TRUE(NtFirstPartNeedsBanner(f.version));
    // " 10" would name Windows 10 for 6.2; here the number is read instead.
    EXPECT_EQ(NtFirstPart(f, "Microsoft Windows [Version 10.0.22000]"), "10 ");
    EXPECT_EQ(NtFirstPart(f, "Microsoft Windows [Version 6.2.1]"), "6 ");
    f.version.productType = 3;
    EXPECT_EQ(NtFirstPart(f, "Microsoft Windows [Version 12.0.30000]"), "Server 12 ");
}

TEST(WindowsNamesTest, VersionNumberIsCutBetweenIonAndTheFirstDot) {
    struct Row {
        const char* banner;
        const char* expected;
    } rows[] = {
        {"Microsoft Windows [Version 12.0.30000]", "12"},
        {"\r\nMicrosoft Windows [Version 10.0.19045]\r\n", "10"},
        {"Microsoft Windows [Versionx12.0]", "12"},  // four on from the "i", whatever stands there
        {"Version", ""},                             // nothing after "ion", no dot
        {"Version 12", ""},                          // no dot at all
        {"1.0 Version 2.0", ""},                     // the first dot lies before the start
        {"Version.1", ""},                           // the dot lies before the start
        {"Version 1.", "1"},
        {"Version .5", ""},   // the dot is the first character taken
        {"abcd12.x", "d12"},  // without "ion" reading starts at the fourth character
        {"abc.d", ""},
        {"\r\nMicrosoft Windows 6.1.7601\r\n", "icrosoft Windows 6"},
        {"", ""},
        {"ion", ""},
        {"..", ""},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(VersionNumberFromBanner(r.banner), r.expected) << "banner '" << r.banner << "'";
    }
}

TEST(WindowsNamesTest, NamesEveryExtendedEdition) {
    struct Row {
        std::uint8_t productType;
        std::uint32_t major;
        std::uint32_t minor;
        std::uint16_t architecture;
        std::uint16_t suite;
        bool starter;
        bool mediaCenter;
        bool tabletPc;
        const char* expected;
    } rows[] = {
        {1, 4, 0, 0, 0, false, false, false, "Workstation"},
        {1, 5, 2, 9, 0x0200, true, true, true, "Professional x64"},
        {1, 5, 1, 0, 0x0200, true, true, true, "Starter"},
        {1, 5, 1, 0, 0x0200, false, true, true, "Media Center"},
        {1, 5, 1, 0, 0x0200, false, false, true, "Tablet PC"},
        {1, 5, 1, 0, 0x0240, false, false, false, "Home"},
        {1, 5, 1, 0, 0x0040, false, false, false, "Embedded"},
        {1, 5, 1, 0, 0x0100, false, false, false, "Professional"},
        {1, 5, 2, 0, 0, false, false, false, "Professional"},
        {1, 5, 0, 9, 0, false, false, false, "Professional"},
        {1, 10, 0, 9, 0, false, false, false, "Unknown Workstation"},
        {1, 3, 51, 0, 0, false, false, false, "Unknown Workstation"},
        {3, 4, 0, 0, 0x0002, false, false, false, "Server 4.0 Enterprise"},
        {2, 4, 0, 0, 0x0080, false, false, false, "Server 4.0"},
        {3, 5, 0, 0, 0x0082, false, false, false, "Datacenter Server"},
        {3, 5, 0, 0, 0x0002, false, false, false, "Advanced Server"},
        {2, 5, 0, 0, 0x0400, false, false, false, "Server"},
        {3, 5, 2, 0, 0x4082, false, false, false, "Computer Cluster"},
        {3, 5, 2, 0, 0x0082, false, false, false, "Datacenter"},
        {3, 5, 2, 0, 0x0002, false, false, false, "Enterprise"},
        {3, 5, 2, 0, 0x0400, false, false, false, "Web"},
        {3, 5, 2, 0, 0x0410, false, false, false, "Standard"},  // web only when exactly that
        {2, 5, 2, 0, 0, false, false, false, "Standard"},
        {3, 5, 2, 6, 0x4082, false, false, false, "Datacenter for Itanium-based Systems"},
        {3, 5, 2, 6, 0x0002, false, false, false, "Enterprise for Itanium-based Systems"},
        {3, 5, 2, 6, 0x0400, false, false, false, "Standard Itanium-based"},
        {3, 5, 2, 9, 0x0082, false, false, false, "Datacenter x64"},
        {3, 5, 2, 9, 0x0002, false, false, false, "Enterprise x64"},
        {3, 5, 2, 9, 0x4000, false, false, false, "Standard x64"},
        {3, 5, 2, 12, 0, false, false, false, "Unknown on Architecture 0xC"},
        {3, 5, 2, 5, 0, false, false, false, "Unknown on Architecture 0x5"},
        {3, 5, 2, 0x10, 0, false, false, false, "Unknown on Architecture 0x10"},
        {3, 5, 2, 0xFFFF, 0, false, false, false, "Unknown on Architecture 0xFFFF"},
        {3, 5, 1, 0, 0, false, false, false, "Unknown Server"},
        {2, 5, 1, 0, 0, false, false, false, "Unknown Domain controller"},
        {3, 10, 0, 9, 0, false, false, false, "Unknown Server"},
        {0, 5, 1, 0, 0, false, false, false, "Unknown"},
        {4, 5, 1, 0, 0, false, false, false, "Unknown"},
    };
    for (const Row& r : rows) {
        WindowsFacts f =
            NtFacts({r.major, r.minor, r.productType, r.architecture, r.suite, false, ""});
        f.starter = r.starter;
        f.mediaCenter = r.mediaCenter;
        f.tabletPc = r.tabletPc;
        EXPECT_EQ(ExtendedEdition(f), r.expected)
            << "type " << int(r.productType) << " " << r.major << "." << r.minor << " arch "
            << r.architecture << " suite " << r.suite;
    }
}

TEST(WindowsNamesTest, ProductOptionsTypeIsComparedUpperCased) {
    struct Row {
        const char* productType;
        const char* expected;
    } rows[] = {
        {"WinNT", "Workstation"}, {"LANMANNT", "Server"}, {"ServerNT", "Advanced Server"},
        {"WINNT ", "Unknown"},    {"", "Unknown"},        {"LanManNt2", "Unknown"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(EditionFromProductType(r.productType), r.expected) << r.productType;
    }
}
