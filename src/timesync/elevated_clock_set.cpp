#include "timesync/elevated_clock_set.h"

#include <algorithm>
#include <optional>

namespace yf {
namespace {

std::optional<std::int64_t> ParseOffset(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    if (text.empty() || (text.size() > 1 && text.front() == '0')) return std::nullopt;
    if (negative && text == "0") return std::nullopt;
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        // Checked at every digit, so the value never gets near the end of its range.
        if (value > kLargestClockOffsetMs) return std::nullopt;
    }
    return negative ? -value : value;
}

}  // namespace

std::string SetClockArgument(std::int64_t offsetMs) {
    return std::string(kSetClockSwitch) + std::to_string(offsetMs);
}

PrivateRequest ReadPrivateRequest(const std::vector<std::string>& arguments) {
    const auto isSwitch = [](const std::string& argument) {
        return argument.starts_with(kSetClockSwitch);
    };
    if (std::none_of(arguments.begin(), arguments.end(), isSwitch)) return {};
    if (arguments.size() != 1) return {PrivateRequest::Kind::Refused};
    const std::optional<std::int64_t> offset =
        ParseOffset(std::string_view(arguments[0]).substr(kSetClockSwitch.size()));
    if (!offset) return {PrivateRequest::Kind::Refused};
    return {PrivateRequest::Kind::SetClock, *offset};
}

}  // namespace yf
