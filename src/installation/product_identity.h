// Who the product is: the names, titles, version and web address that the
// start-up writes into the installer state and registration publishes.
#pragma once

#include <cstdint>

#include "installation/product_identity_values.h"

namespace product {

constexpr char kName[] = "Norvelik";  // the product word: executable, folder, uninstall entry
constexpr char kShortTitleRu[] = NV_PRODUCT_SHORT_TITLE_RU;
// English mode shows the same Cyrillic title: the product is a Russian program.
constexpr char kShortTitleEn[] = NV_PRODUCT_SHORT_TITLE_RU;
constexpr char kFullTitleRu[] = "Норвеликон";
constexpr char kFullTitleEn[] = "Norvelikon";
constexpr char kVersionText[] = NV_PRODUCT_VERSION_TEXT;
constexpr std::int32_t kVersionMajor = NV_PRODUCT_VERSION_MAJOR;
constexpr std::int32_t kVersionMinor = NV_PRODUCT_VERSION_MINOR;
// Without a trailing slash: links are made as address + "/" + page.
constexpr char kWebAddress[] = "https://norvelik.ru";
// The publisher as the system's list of installed programs shows it, one form
// for each language mode.
constexpr char kPublisherRu[] = NV_PRODUCT_PUBLISHER_RU;
constexpr char kPublisherEn[] = "Norvelik Soft";

}  // namespace product

// Writes the product identity into the installer state.
void WriteProductIdentity();
