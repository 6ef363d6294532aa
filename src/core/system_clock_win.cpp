#include "core/system_clock_win.h"

#include <windows.h>

namespace yf {
namespace {
DateTime FromSystemTime(const SYSTEMTIME& t) {
    return DateTime{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

// 100-nanosecond intervals from 1601-01-01 to 1970-01-01.
constexpr std::int64_t kUnixEpochInFileTime = 116444736000000000LL;
}  // namespace

DateTime SystemClock::Now() const {
    SYSTEMTIME t;
    ::GetLocalTime(&t);
    return FromSystemTime(t);
}

DateTime SystemClock::NowUtc() const {
    SYSTEMTIME t;
    ::GetSystemTime(&t);
    return FromSystemTime(t);
}

std::int64_t SystemClock::UtcMilliseconds() const {
    FILETIME now;
    ::GetSystemTimeAsFileTime(&now);
    const std::int64_t ticks = static_cast<std::int64_t>(
        (static_cast<std::uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime);
    return (ticks - kUnixEpochInFileTime) / 10000;
}

}  // namespace yf
