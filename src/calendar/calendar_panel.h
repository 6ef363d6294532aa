// The clock and calendar labels of the main window: the running clock every second, and the date,
// weekday, day number and lunar texts whenever the calendar is refreshed.
#pragma once

#include <string>

#include "app/controls.h"
#include "core/clock.h"

namespace yf {

class CalendarPanel {
  public:
    CalendarPanel(Controls& controls, const Clock& clock) : controls_(controls), clock_(clock) {}

    // Timer 时钟1: writes "HH:MM:SS" to the clock label and nothing else.
    void ClockTick();
    // Writes the five labels in order: clock, date and weekday, day of month, lunar month and
    // day, stem-branch year. Not called at midnight: the labels keep the day they were filled on.
    void RefreshCalendar();

    // The last clock text written and the last weekday numeral (一 .. 日).
    const std::string& clockText() const { return clockText_; }
    const std::string& weekdayText() const { return weekdayText_; }

  private:
    Controls& controls_;
    const Clock& clock_;
    std::string clockText_;
    std::string weekdayText_;
};

// "HH:MM:SS", 24-hour, two digits each.
std::string ClockText(const DateTime& when);
// The weekday numeral shown after 星期.
std::string WeekdayNumeral(Weekday weekday);

}  // namespace yf
