// The product's files, one row each, in the order the setup installs them.
// Everything that knows the files reads this table: the file list the setup
// installs and the uninstaller removes, the choice of the stamp reader by
// type, the build's generator and check of the payload, the release
// listing and the end-to-end runner. A new data file is a new row (and, for
// a type whose stamp sits elsewhere, its stamp's place is in that row); the
// generator makes its stand-in from the row's size and stamp.
//
// Plain data, no code: the generator, a program of the build machine,
// includes it as well.
#pragma once

#include <cstddef>
#include <cstdint>

// Where a data file keeps its version stamp: `width` bytes from `offset`,
// least significant first. Width 0: no stamp.
struct StampPlace {
    std::uint32_t offset;
    std::uint32_t width;
};
constexpr StampPlace kNoStamp = {0, 0};

struct ProductFile {
    enum class Role {
        Program,      // the product's own executable: the product word + ".exe"
        Uninstaller,  // uninstall.exe, the uninstaller the build links
        Data,         // a data file of the product, with a version stamp
        Library,      // a library the product needs
    };
    const char* name;  // as installed and as the file list spells it
    Role role;
    StampPlace stamp;
    // For the stand-ins the build makes when no real files are given: the
    // file's size and stamp in the product's catalogue (data files only).
    std::uint32_t standInSize;
    std::uint32_t standInStamp;
};

constexpr StampPlace kCokStampPlace = {5, 2};

// clang-format off
constexpr ProductFile kProductFiles[] = {
    {"Norvelik.exe",  ProductFile::Role::Program,     kNoStamp,       0,        0},
    {"uninstall.exe", ProductFile::Role::Uninstaller, kNoStamp,       0,        0},
    {"nvf.cok",       ProductFile::Role::Data,        kCokStampPlace, 17241417, 367},
    {"nvm0.cok",      ProductFile::Role::Data,        kCokStampPlace, 11282454, 341},
    {"nvm1.cok",      ProductFile::Role::Data,        kCokStampPlace, 6194936,  188},
    {"nvm2.cok",      ProductFile::Role::Data,        kCokStampPlace, 5884855,  168},
    {"nvm3.cok",      ProductFile::Role::Data,        kCokStampPlace, 4801652,  150},
    {"nvm4.cok",      ProductFile::Role::Data,        kCokStampPlace, 6506129,  191},
    {"nvm5.cok",      ProductFile::Role::Data,        kCokStampPlace, 12735714, 389},
    {"nvn.cok",       ProductFile::Role::Data,        kCokStampPlace, 28002252, 1001},
    {"nvq1.cok",      ProductFile::Role::Data,        kCokStampPlace, 2577190,  1},
    {"nvq2.cok",      ProductFile::Role::Data,        kCokStampPlace, 2122319,  1},
    {"nvq3.cok",      ProductFile::Role::Data,        kCokStampPlace, 1541697,  1},
    {"nvq4.cok",      ProductFile::Role::Data,        kCokStampPlace, 2208953,  1},
    {"nvq5.cok",      ProductFile::Role::Data,        kCokStampPlace, 1937069,  1},
    {"nvq6.cok",      ProductFile::Role::Data,        kCokStampPlace, 2290968,  3},
    {"nvq7.cok",      ProductFile::Role::Data,        kCokStampPlace, 2629152,  2},
    {"nvq8.cok",      ProductFile::Role::Data,        kCokStampPlace, 2028973,  1},
    {"nvq9.cok",      ProductFile::Role::Data,        kCokStampPlace, 2091149,  1},
    {"nvq10.cok",     ProductFile::Role::Data,        kCokStampPlace, 2086528,  1},
    {"nvq11.cok",     ProductFile::Role::Data,        kCokStampPlace, 2644101,  2},
    {"nvq12.cok",     ProductFile::Role::Data,        kCokStampPlace, 2463327,  2},
    {"nvq13.cok",     ProductFile::Role::Data,        kCokStampPlace, 2060054,  1},
    {"nvq14.cok",     ProductFile::Role::Data,        kCokStampPlace, 2527158,  2},
    {"nvq15.cok",     ProductFile::Role::Data,        kCokStampPlace, 1816440,  1},
    {"nvs.cok",       ProductFile::Role::Data,        kCokStampPlace, 19595374, 436},
    {"nvt.cok",       ProductFile::Role::Data,        kCokStampPlace, 14613944, 383},
    {"nvy.cok",       ProductFile::Role::Data,        kCokStampPlace, 11446208, 529},
    {"riched32.dll",  ProductFile::Role::Library,     kNoStamp,       0,        0},
};
// clang-format on

constexpr std::size_t kProductFileCount = sizeof(kProductFiles) / sizeof(kProductFiles[0]);
