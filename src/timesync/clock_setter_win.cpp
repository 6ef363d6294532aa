#include "timesync/clock_setter_win.h"

#include <windows.h>

namespace yf {
namespace {

constexpr std::int64_t kUnixEpochInFileTime = 116444736000000000LL;  // 100 ns from 1601

std::uint32_t Set(const SYSTEMTIME& time) {
    if (::SetSystemTime(&time)) return ERROR_SUCCESS;
    const DWORD error = ::GetLastError();
    return error != ERROR_SUCCESS ? error : ERROR_GEN_FAILURE;
}

}  // namespace

std::uint32_t SetSystemClockUtc(const DateTime& utc) {
    // SYSTEMTIME starts in 1601; earlier years would be rejected anyway.
    if (utc.year < 1601) return ERROR_INVALID_PARAMETER;
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(utc.year);
    time.wMonth = static_cast<WORD>(utc.month);
    time.wDay = static_cast<WORD>(utc.day);
    time.wDayOfWeek = static_cast<WORD>(utc.DayOfWeek());
    time.wHour = static_cast<WORD>(utc.hour);
    time.wMinute = static_cast<WORD>(utc.minute);
    time.wSecond = static_cast<WORD>(utc.second);
    return Set(time);
}

std::uint32_t SetSystemClockUtcMilliseconds(std::int64_t unixMilliseconds) {
    // Kept within what a FILETIME holds, so the conversion below cannot overflow; the system
    // refuses the years past 30827 itself.
    constexpr std::int64_t kEarliest = -kUnixEpochInFileTime / 10000;
    constexpr std::int64_t kLatest = 910692730085477LL;
    if (unixMilliseconds < kEarliest || unixMilliseconds > kLatest) return ERROR_INVALID_PARAMETER;
    const auto ticks = static_cast<std::uint64_t>(unixMilliseconds * 10000 + kUnixEpochInFileTime);
    FILETIME file{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    SYSTEMTIME time{};
    if (!::FileTimeToSystemTime(&file, &time)) return ERROR_INVALID_PARAMETER;
    return Set(time);
}

}  // namespace yf
