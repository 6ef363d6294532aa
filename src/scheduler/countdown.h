// When a timed action reminds and fires. An accepted start arms the countdown; it fires on the
// first tick at or after the target second, so a late tick (the interface thread waited on the
// network) or a clock that jumped forward cannot skip the action. The reminder comes once per
// start, on the first tick that finds the remaining time at or below the lead after one that
// found it above.
#pragma once

#include <cstdint>
#include <string>

namespace yf {

class Countdown {
  public:
    // An accepted start, with the seconds left at that moment.
    void Arm(std::int64_t remainingAtStart);
    // A rejected start: nothing fires, nothing reminds, until the next accepted start.
    void Disarm() { armed_ = false; }
    bool Armed() const { return armed_; }

    // The reminder test of one tick; call it on every tick, before FireDue.
    bool ReminderDue(std::int64_t remaining, std::int64_t leadSeconds);
    // The trigger test of one tick; true once, and the countdown is disarmed by it.
    bool FireDue(std::int64_t remaining);

  private:
    bool armed_ = false;
    bool reminded_ = false;
    std::int64_t previousRemaining_ = 0;
};

// "H小时MM分SS秒": whole hours without limit, minutes and seconds with two digits; each part is
// truncated toward zero, so negative counts carry their sign in every non-zero part.
std::string RemainingCaption(std::int64_t remaining);

// "系统将在N分钟后关闭，请注意保存您的资料！" and its restart and logoff forms; empty for other
// codes.
std::string ReminderText(int action, int leadMinutes);

}  // namespace yf
