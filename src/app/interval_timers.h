// The interval rule shared by all window timers, kept apart from SetTimer so it can be tested.
#pragma once

#include <array>

#include "app/control_ids.h"

namespace yf {

class IntervalTimers {
public:
    enum class Change { None, Start, Stop };

    // Records the new interval and says what the platform timer must do.
    Change Set(TimerId id, int milliseconds);
    int Interval(TimerId id) const { return intervals_[static_cast<int>(id)]; }

private:
    std::array<int, kTimerCount> intervals_{};
};

}  // namespace yf
