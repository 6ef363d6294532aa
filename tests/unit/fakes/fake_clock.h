// A clock the test moves by hand.
#pragma once

#include "core/clock.h"

namespace yf::testing {

class FakeClock : public Clock {
public:
    explicit FakeClock(DateTime now, long long utcOffsetSeconds = 8 * 3600)
        : now_(now), utcOffset_(utcOffsetSeconds) {}

    DateTime Now() const override { return now_; }
    DateTime NowUtc() const override { return now_.AddSeconds(-utcOffset_); }

    void Set(DateTime now) { now_ = now; }
    void Advance(long long seconds) { now_ = now_.AddSeconds(seconds); }

private:
    DateTime now_;
    long long utcOffset_;
};

}  // namespace yf::testing
