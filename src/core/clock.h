// The current time as the logic sees it; tests pass a fake, the program the system clock.
#pragma once

#include "core/date_time.h"

namespace yf {

struct Clock {
    virtual ~Clock() = default;
    // Local wall-clock time, fraction of the second dropped.
    virtual DateTime Now() const = 0;
    // Universal time, fraction dropped.
    virtual DateTime NowUtc() const = 0;
};

}  // namespace yf
