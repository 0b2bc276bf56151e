// Who the product is: the names, titles, version and web address that the
// start-up writes into the installer state and registration publishes.
#pragma once

#include <cstdint>

namespace product {

constexpr char kName[] = "Norvelik";  // the product word: executable, folder, uninstall entry
constexpr char kShortTitleRu[] = "Норвелик";
// English mode shows the same Cyrillic title: the product is a Russian program.
constexpr char kShortTitleEn[] = "Норвелик";
constexpr char kFullTitleRu[] = "Норвеликон";
constexpr char kFullTitleEn[] = "Norvelikon";
constexpr char kVersionText[] = "1500";
constexpr std::int32_t kVersionMajor = 1500;
constexpr std::int32_t kVersionMinor = 0;
// Without a trailing slash: links are made as address + "/" + page.
constexpr char kWebAddress[] = "https://norvelik.ru";
// The publisher as the system's list of installed programs shows it, one form
// for each language mode.
constexpr char kPublisherRu[] = "Норвелик Софт";
constexpr char kPublisherEn[] = "Norvelik Soft";

}  // namespace product

// Writes the product identity into the installer state.
void WriteProductIdentity();
