#include "engine/install_date.h"

#include <cstdio>

#include "platform/clock.h"

std::string InstallDateText() {
    const platform::LocalDate today = platform::TodayLocal();
    char text[32];
    std::snprintf(text, sizeof text, "%d%02d%02d", today.year, today.month, today.day);
    return text;
}
