// When a timed action reminds and fires. An accepted start arms the countdown. It fires on the
// first tick at or after the target second when that tick is at most a minute late (the
// interface thread was busy). A tick later than that means the computer slept or the clock
// jumped ahead: acting then would close open work in the very second the user comes back, so
// the target moves a minute on, the reminder comes at once, and the action follows that minute.
// Each lead value reminds once per start, on the first tick that finds the time left at or
// below it after one that found it above: a late tick cannot skip it, a clock set back cannot
// repeat it, and a lead lowered after its reminder gives the lower one too.
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>

namespace yf {

class Countdown {
  public:
    // How late a tick may be and still act; also the minute given after a later one.
    static constexpr std::int64_t kGraceSeconds = 60;

    struct Step {
        // Remind now, with this many minutes in the text.
        std::optional<int> remindMinutes;
        // Perform the action now; the countdown is disarmed by it.
        bool fire = false;
        // The tick came too late: the target is to move kGraceSeconds past this tick's second.
        bool retarget = false;
    };

    // An accepted start, with the seconds left at that moment.
    void Arm(std::int64_t remainingAtStart);
    // The countdown ended without its action (cancelled): nothing fires, nothing reminds,
    // until the next accepted start.
    void Disarm() { armed_ = false; }
    bool Armed() const { return armed_; }

    // One tick: the seconds left until the target as it stands, and the lead in minutes. After
    // a retarget the caller passes the time left until the moved target.
    Step Tick(std::int64_t remaining, int leadMinutes);

  private:
    bool armed_ = false;
    std::int64_t previousRemaining_ = 0;
    std::set<int> remindedLeads_;
};

// "H小时MM分SS秒": whole hours without limit, minutes and seconds with two digits; each part is
// truncated toward zero, so negative counts carry their sign in every non-zero part.
std::string RemainingCaption(std::int64_t remaining);

// "系统将在N分钟后关闭，请注意保存您的资料！" and its restart and logoff forms; empty for other
// codes.
std::string ReminderText(int action, int leadMinutes);

// The warning window's words: "系统将在N秒后关闭" and its restart and logoff forms; empty for
// other codes.
std::string WarningText(int action, std::int64_t seconds);

}  // namespace yf
