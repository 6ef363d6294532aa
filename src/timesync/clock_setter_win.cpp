#include "timesync/clock_setter_win.h"

#include <windows.h>

namespace yf {

bool SetSystemClockUtc(const DateTime& utc) {
    // SYSTEMTIME starts in 1601; earlier years would be rejected anyway.
    if (utc.year < 1601) return false;
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(utc.year);
    time.wMonth = static_cast<WORD>(utc.month);
    time.wDay = static_cast<WORD>(utc.day);
    time.wDayOfWeek = static_cast<WORD>(utc.DayOfWeek());
    time.wHour = static_cast<WORD>(utc.hour);
    time.wMinute = static_cast<WORD>(utc.minute);
    time.wSecond = static_cast<WORD>(utc.second);
    return ::SetSystemTime(&time) != FALSE;
}

}  // namespace yf
