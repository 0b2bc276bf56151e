// The product identity's values that the programs' file properties show too.
// The resource compiler reads this file as well as the C++ compiler, so it
// holds preprocessor definitions only; product_identity.h gives them their
// C++ names. UTF-8 like every source: the C++ build turns the strings into
// CP1251, and the resource scripts read them as UTF-8 into Unicode.
#pragma once

#define NV_PRODUCT_SHORT_TITLE_RU "Норвелик"
#define NV_PRODUCT_PUBLISHER_RU "Норвелик Софт"
#define NV_PRODUCT_VERSION_MAJOR 1500
#define NV_PRODUCT_VERSION_MINOR 0

// The version as text: the major number alone, as the registration shows it.
#define NV_PRODUCT_TEXT_OF(number) #number
#define NV_PRODUCT_TEXT(number) NV_PRODUCT_TEXT_OF(number)
#define NV_PRODUCT_VERSION_TEXT NV_PRODUCT_TEXT(NV_PRODUCT_VERSION_MAJOR)
