#include "app/interval_timers.h"

namespace yf {

IntervalTimers::Change IntervalTimers::Set(TimerId id, int milliseconds) {
    if (milliseconds < 0) milliseconds = 0;
    int& current = intervals_[static_cast<int>(id)];
    if (milliseconds == current) return Change::None;
    current = milliseconds;
    return milliseconds == 0 ? Change::Stop : Change::Start;
}

}  // namespace yf
