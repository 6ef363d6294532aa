// Setting the computer's clock, for the clock check's Yes and for the elevated run that does it
// when the program itself may not.
#pragma once

#include <cstdint>

#include "core/date_time.h"

namespace yf {

// SetSystemTime with milliseconds 0: 0 on success, else the system's error code
// (ERROR_PRIVILEGE_NOT_HELD for a process without the right to change the time).
std::uint32_t SetSystemClockUtc(const DateTime& utc);

// SetSystemTime to an instant in milliseconds since 1970-01-01 00:00:00 UTC; the same result.
std::uint32_t SetSystemClockUtcMilliseconds(std::int64_t unixMilliseconds);

}  // namespace yf
