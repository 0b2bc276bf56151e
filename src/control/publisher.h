// The publisher of the product, as the system's list of installed programs
// shows it: one form for each language mode.
#pragma once

constexpr const char* kPublisherRu = "Норвелик Софт";
constexpr const char* kPublisherEn = "Norvelik Soft";
