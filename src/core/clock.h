// The current time as the logic sees it; tests pass a fake, the program the system clock.
#pragma once

#include <cstdint>

#include "core/date_time.h"

namespace yf {

struct Clock {
    virtual ~Clock() = default;
    // Local wall-clock time, fraction of the second dropped.
    virtual DateTime Now() const = 0;
    // Universal time, fraction dropped.
    virtual DateTime NowUtc() const = 0;
    // Universal time in milliseconds since 1970-01-01 00:00:00. A clock that keeps whole
    // seconds only gives the start of its second.
    virtual std::int64_t UtcMilliseconds() const {
        return SecondsBetween(DateTime{1970, 1, 1, 0, 0, 0}, NowUtc()) * 1000;
    }
};

}  // namespace yf
