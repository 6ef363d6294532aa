// The computer's clock as the logic's Clock.
#pragma once

#include "core/clock.h"

namespace yf {

class SystemClock : public Clock {
public:
    DateTime Now() const override;
    DateTime NowUtc() const override;
    std::int64_t UtcMilliseconds() const override;
};

}  // namespace yf
