#include "engine/install_date.h"

#include "platform/clock.h"

namespace {

// At least two digits, as "%02d" writes them. Put together by hand: a
// printf call brings 25 KB of formatting code into setup.exe.
std::string TwoDigits(int n) {
    std::string text = std::to_string(n);
    return text.size() < 2 ? "0" + text : text;
}

}  // namespace

std::string InstallDateText() {
    const platform::LocalDate today = platform::TodayLocal();
    return std::to_string(today.year) + TwoDigits(today.month) + TwoDigits(today.day);
}
