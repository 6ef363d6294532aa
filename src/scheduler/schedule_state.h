// The scheduler's one record for the whole run: what to do, when, and how many minutes before
// it to remind the user.
#pragma once

#include "core/date_time.h"

namespace yf {

struct ScheduleState {
    int action = 0;  // a power action code; 0 until the first timed start
    DateTime target;
    int leadMinutes = 0;
};

}  // namespace yf
