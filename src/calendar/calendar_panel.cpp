// Label texts of the calendar panel; the lunar parts come from FormatLunar.
#include "calendar/calendar_panel.h"

#include <array>

#include "calendar/lunar_calendar.h"
#include "core/text_number.h"

namespace yf {

std::string ClockText(const DateTime& when) {
    return TwoDigitText(when.hour) + ":" + TwoDigitText(when.minute) + ":" +
           TwoDigitText(when.second);
}

std::string WeekdayNumeral(Weekday weekday) {
    static constexpr std::array<std::string_view, 7> kNumerals = {"日", "一", "二", "三",
                                                                  "四", "五", "六"};
    return std::string(kNumerals[static_cast<int>(weekday)]);
}

void CalendarPanel::ClockTick() {
    clockText_ = ClockText(clock_.Now());
    controls_.SetText(ControlId::透明标签_现在时间, clockText_);
}

void CalendarPanel::RefreshCalendar() {
    // One reading of the clock, so the five labels agree even across a second or midnight.
    const DateTime now = clock_.Now();
    clockText_ = ClockText(now);
    controls_.SetText(ControlId::透明标签_现在时间, clockText_);

    weekdayText_ = WeekdayNumeral(now.DayOfWeek());
    controls_.SetText(ControlId::透明标签_日期星期,
                      std::to_string(now.year) + "-" + std::to_string(now.month) + "-" +
                          std::to_string(now.day) + "\r\n 星期" + weekdayText_);
    controls_.SetText(ControlId::透明标签_公历日, std::to_string(now.day));
    controls_.SetText(ControlId::透明标签_农历日期, FormatLunar(now, "%M%D"));
    controls_.SetText(ControlId::透明标签_天支地干, FormatLunar(now, "%Y年 [%S年]"));
}

}  // namespace yf
