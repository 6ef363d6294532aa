#include "core/system_clock_win.h"

#include <windows.h>

namespace yf {
namespace {
DateTime FromSystemTime(const SYSTEMTIME& t) {
    return DateTime{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}
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

}  // namespace yf
