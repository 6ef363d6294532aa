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
    std::int64_t UtcMilliseconds() const override {
        return Clock::UtcMilliseconds() + milliseconds_;
    }

    void Set(DateTime now) { now_ = now; }
    void Advance(long long seconds) { now_ = now_.AddSeconds(seconds); }
    // The part of the current second that has passed, 0 to 999.
    void SetMilliseconds(int milliseconds) { milliseconds_ = milliseconds; }

private:
    DateTime now_;
    long long utcOffset_;
    int milliseconds_ = 0;
};

}  // namespace yf::testing
