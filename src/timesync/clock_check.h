// The clock check: compare the computer's clock with the web time page, and when they differ by
// ten seconds or more, ask whether to set it, set it on Yes and report how that went.
#pragma once

#include <functional>

#include "core/clock.h"
#include "core/message_boxes.h"
#include "timesync/web_time.h"

namespace yf {

// Sets the computer's clock to a universal time; false when the system refused.
using ClockSetter = std::function<bool(const DateTime& utc)>;

class ClockCheck {
  public:
    // Differences from -9 to +9 seconds count as accurate.
    static constexpr std::int64_t kTolerance = 10;

    ClockCheck(PageReader readPage, const Clock& clock, MessageBoxes& boxes, ClockSetter setClock,
               std::function<void()> refreshCalendar);

    // One check. refreshCalendar: redraw the calendar after a successful set (the start-up check
    // passes false because start-up draws the calendar right after it anyway). A call made while
    // a check is still running, as a timer tick in one of its boxes would, returns at once.
    void CheckClock(bool refreshCalendar);

    bool Running() const { return running_; }

  private:
    // Seconds the web clock is ahead of the computer's in universal time; 0 without a reading,
    // so a page that cannot be read never raises a question.
    std::int64_t ReadDifference() const;
    bool ClockIsOff() const;
    void SetFromWeb(bool refreshCalendar);

    PageReader readPage_;
    const Clock& clock_;
    MessageBoxes& boxes_;
    ClockSetter setClock_;
    std::function<void()> refreshCalendar_;
    bool running_ = false;
};

}  // namespace yf
