// Setting the computer's clock from a universal time, for the clock check's Yes.
#pragma once

#include "core/date_time.h"

namespace yf {

// SetSystemTime with milliseconds 0. False when the time is outside what the system takes or the
// system refuses (the program asks for no privilege, so a user without the right fails here).
bool SetSystemClockUtc(const DateTime& utc);

}  // namespace yf
