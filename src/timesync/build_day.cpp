#include "timesync/build_day.h"

#include <array>

namespace yf {
namespace {

int Digits(std::string_view text) {
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return text.empty() ? -1 : value;
}

}  // namespace

std::optional<DateTime> ParseCompilerDate(std::string_view text) {
    constexpr std::array<std::string_view, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    if (text.size() != 11 || text[3] != ' ' || text[6] != ' ') return std::nullopt;
    int month = 0;
    for (int i = 0; i < 12; ++i) {
        if (text.substr(0, 3) == kMonths[static_cast<std::size_t>(i)]) month = i + 1;
    }
    // Days below ten come with a blank in front of the digit.
    std::string_view dayText = text.substr(4, 2);
    if (dayText[0] == ' ') dayText.remove_prefix(1);
    const int day = Digits(dayText);
    const int year = Digits(text.substr(7, 4));
    if (month == 0 || !DateTime::IsValid(year, month, day, 0, 0, 0)) return std::nullopt;
    return DateTime{year, month, day, 0, 0, 0};
}

DateTime BuildDay() {
    // The compiler's own text always parses; the fallback is the year this code was written.
    return ParseCompilerDate(__DATE__).value_or(DateTime{2025, 1, 1, 0, 0, 0});
}

}  // namespace yf
