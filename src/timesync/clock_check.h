// The clock check: compare the computer's clock with the web time page, and when they differ by
// ten seconds or more, ask whether to set it, set it on Yes and report how that went. A set that
// lacks the privilege is handed to an elevated run of the program.
#pragma once

#include <cstdint>
#include <functional>

#include "core/clock.h"
#include "core/message_boxes.h"
#include "timesync/web_time.h"

namespace yf {

// Win32's ERROR_PRIVILEGE_NOT_HELD, usable in portable code: the process may not set the clock,
// but an elevated one may.
inline constexpr std::uint32_t kErrorPrivilegeNotHeld = 1314;

// Sets the computer's clock to a universal time; 0 on success, else the system's error code.
using ClockSetter = std::function<std::uint32_t(const DateTime& utc)>;
// Has an elevated run of the program set the clock to its clock plus this many milliseconds;
// true when it reports the clock set (a declined consent prompt is false).
using ElevatedClockSetter = std::function<bool(std::int64_t offsetMs)>;

struct ClockCheckSeams {
    WebTimeReading read;
    ClockSetter setClock;
    // Empty: a missing privilege is a failure like any other.
    ElevatedClockSetter setElevated;
    std::function<void()> refreshCalendar;
};

class ClockCheck {
  public:
    // Differences from -9 to +9 seconds count as accurate.
    static constexpr std::int64_t kTolerance = 10;

    // buildDay: readings before it, or far after it, are taken for failed ones.
    ClockCheck(ClockCheckSeams seams, const Clock& clock, MessageBoxes& boxes, DateTime buildDay);

    // One check. refreshCalendar: redraw the calendar after a successful set (the start-up check
    // passes false because start-up draws the calendar right after it anyway). beforeAsking, when
    // given, is called once the readings have found the clock off, just before the question: the
    // first box of a check. A call made while a check is still running, as a timer tick in one of
    // its boxes or waits would, returns at once.
    void CheckClock(bool refreshCalendar, const std::function<void()>& beforeAsking = {});

    bool Running() const { return running_; }

  private:
    // A reading that can be the time now, or nothing.
    std::optional<WebTime> Read() const;
    // Seconds the web clock is ahead of the computer's in universal time; 0 without a reading,
    // so a page that cannot be read never raises a question.
    std::int64_t ReadDifference() const;
    bool ClockIsOff() const;
    // The question, and on Yes the set and its report.
    void Ask(bool refreshCalendar, const std::function<void()>& beforeAsking);
    bool SetFromWeb();

    ClockCheckSeams seams_;
    const Clock& clock_;
    MessageBoxes& boxes_;
    DateTime buildDay_;
    bool running_ = false;
};

}  // namespace yf
