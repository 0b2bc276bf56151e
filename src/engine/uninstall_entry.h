// The product's entry in the system's list of installed programs: which
// values it holds, decided as data, and how one of them is written.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/registration_texts.h"

class Registry;

struct UninstallValue {
    enum class Kind { String, Integer };
    std::string name;
    Kind kind = Kind::String;
    std::string text;         // for Kind::String
    std::int32_t number = 0;  // for Kind::Integer
};

// The values written before the files are installed, in the order they are
// written. The installed size is not among them: it is known only afterwards.
// A version number that is not set (-1) is left out.
std::vector<UninstallValue> UninstallValues(const RegistrationTexts& texts);

// Writes one value into the key `reg` has open; raises RegistryError when the
// registry refuses it.
void WriteUninstallValue(Registry& reg, const UninstallValue& value);
