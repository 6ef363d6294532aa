// The clock and calendar labels with a fake clock and fake controls.
#include "calendar/calendar_panel.h"

#include <gtest/gtest.h>

#include <vector>

#include "fakes/fake_clock.h"
#include "fakes/fake_controls.h"

namespace yf {
namespace {

using testing::FakeClock;
using testing::FakeControls;

// Remembers the order in which labels are written.
class RecordingControls : public FakeControls {
  public:
    void SetText(ControlId id, std::string_view text) override {
        order.push_back(id);
        FakeControls::SetText(id, text);
    }
    std::vector<ControlId> order;
};

TEST(CalendarPanelTest, ClockLabelHasTwoDigitFields) {
    const std::pair<DateTime, const char*> cases[] = {
        {{2014, 12, 1, 9, 5, 7}, "09:05:07"},
        {{2014, 12, 1, 23, 59, 59}, "23:59:59"},
        {{2014, 12, 1, 0, 0, 0}, "00:00:00"},
        {{2014, 12, 1, 12, 30, 45}, "12:30:45"},
    };
    for (const auto& [now, text] : cases) {
        FakeClock clock(now);
        RecordingControls controls;
        CalendarPanel panel(controls, clock);
        panel.ClockTick();
        EXPECT_EQ(controls.Text(ControlId::透明标签_现在时间), text);
        EXPECT_EQ(controls.order, std::vector<ControlId>{ControlId::透明标签_现在时间});
        EXPECT_EQ(panel.clockText(), text);
    }
}

TEST(CalendarPanelTest, RefreshWritesTheFiveLabelsInOrder) {
    FakeClock clock({2014, 12, 1, 8, 0, 3});
    RecordingControls controls;
    CalendarPanel panel(controls, clock);
    panel.RefreshCalendar();
    const std::vector<ControlId> expected = {
        ControlId::透明标签_现在时间, ControlId::透明标签_日期星期, ControlId::透明标签_公历日,
        ControlId::透明标签_农历日期, ControlId::透明标签_天支地干};
    EXPECT_EQ(controls.order, expected);
    EXPECT_EQ(controls.Text(ControlId::透明标签_现在时间), "08:00:03");
    EXPECT_EQ(controls.Text(ControlId::透明标签_日期星期), "2014-12-1\r\n 星期一");
    EXPECT_EQ(controls.Text(ControlId::透明标签_公历日), "1");
    EXPECT_EQ(controls.Text(ControlId::透明标签_农历日期), "十月初十");
    EXPECT_EQ(controls.Text(ControlId::透明标签_天支地干), "甲午年 [马年]");
    EXPECT_EQ(panel.clockText(), "08:00:03");
    EXPECT_EQ(panel.weekdayText(), "一");
}

TEST(CalendarPanelTest, WeekdayNumerals) {
    // 30 November 2014 was a Sunday.
    const char* numerals[] = {"日", "一", "二", "三", "四", "五", "六"};
    for (int i = 0; i < 7; ++i) {
        FakeClock clock(DateTime{2014, 11, 30, 10, 0, 0}.AddDays(i));
        FakeControls controls;
        CalendarPanel panel(controls, clock);
        panel.RefreshCalendar();
        EXPECT_EQ(panel.weekdayText(), numerals[i]);
        EXPECT_EQ(controls.Text(ControlId::透明标签_日期星期),
                  "2014-" + std::to_string(i == 0 ? 11 : 12) + "-" +
                      std::to_string(i == 0 ? 30 : i) + "\r\n 星期" + numerals[i]);
    }
}

TEST(CalendarPanelTest, LunarNewYearBeforeStartOfSpring) {
    FakeClock clock({2014, 1, 31, 12, 0, 0});
    FakeControls controls;
    CalendarPanel panel(controls, clock);
    panel.RefreshCalendar();
    EXPECT_EQ(controls.Text(ControlId::透明标签_农历日期), "正月初一");
    EXPECT_EQ(controls.Text(ControlId::透明标签_天支地干), "癸巳年 [蛇年]");
}

TEST(CalendarPanelTest, ClockTicksButTheDateWaitsForARefresh) {
    FakeClock clock({2014, 12, 1, 23, 59, 0});
    FakeControls controls;
    CalendarPanel panel(controls, clock);
    panel.RefreshCalendar();
    clock.Advance(120);  // past midnight
    panel.ClockTick();
    EXPECT_EQ(controls.Text(ControlId::透明标签_现在时间), "00:01:00");
    EXPECT_EQ(controls.Text(ControlId::透明标签_日期星期), "2014-12-1\r\n 星期一");
    EXPECT_EQ(controls.Text(ControlId::透明标签_公历日), "1");
    EXPECT_EQ(controls.Text(ControlId::透明标签_农历日期), "十月初十");
    EXPECT_EQ(panel.weekdayText(), "一");
    panel.RefreshCalendar();
    EXPECT_EQ(controls.Text(ControlId::透明标签_日期星期), "2014-12-2\r\n 星期二");
    EXPECT_EQ(controls.Text(ControlId::透明标签_农历日期), "十月十一");
}

}  // namespace
}  // namespace yf
