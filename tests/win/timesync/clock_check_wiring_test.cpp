// The clock check as the window runs it: once while the window is still hidden at start-up, and
// on every tick of the calibration timer, with the calendar redrawn after a successful set.
// The page, the boxes and the clock setter are fakes; the window and its timer are real.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "app/main_window_win.h"
#include "support/message_pump.h"

namespace yf {
namespace {

class FixedClock : public Clock {
  public:
    DateTime Now() const override { return {2024, 5, 17, 9, 30, 0}; }
    DateTime NowUtc() const override { return {2024, 5, 17, 1, 30, 0}; }
};

// Notes each box's caption, and whether the main window was visible while it was up.
class WatchingBoxes : public MessageBoxes {
  public:
    int Show(std::string_view, std::string_view caption, unsigned flags) override {
        const bool visible = window && ::IsWindowVisible(window);
        shown.push_back(std::string(caption) + (visible ? " over the window" : ""));
        return flags & box::kYesNo ? answer : box::kAnswerOk;
    }
    HWND window = nullptr;
    int answer = box::kAnswerYes;
    std::vector<std::string> shown;
};

class ClockCheckWiringTest : public ::testing::Test {
  protected:
    void Start(std::int64_t webAheadSeconds, bool withPage = true) {
        WindowSeams seams{&boxes_};
        seams.webTimePage = [this, webAheadSeconds, withPage] {
            ++pageReads_;
            // A page that cannot be read comes back empty.
            if (!withPage) return std::string();
            const std::int64_t unix =
                SecondsBetween({1970, 1, 1}, clock_.NowUtc()) + webAheadSeconds;
            return "window.baidu_time(" + std::to_string(unix * 1000) + ");";
        };
        seams.setClock = [this](const DateTime& utc) {
            setTo_.push_back(utc);
            return setterWorks_;
        };
        window_ = std::make_unique<MainWindow>(::GetModuleHandleW(nullptr), clock_, seams);
        ASSERT_TRUE(window_->Create());
        boxes_.window = window_->Handle();
    }
    void TearDown() override {
        window_.reset();
        testing::PumpFor(20);
    }
    void CalibrationTick() {
        ::SendMessageW(window_->Handle(), WM_TIMER, static_cast<WPARAM>(TimerId::时钟_时间校准) + 1,
                       0);
    }

    FixedClock clock_;
    WatchingBoxes boxes_;
    std::vector<DateTime> setTo_;
    bool setterWorks_ = true;
    int pageReads_ = 0;
    std::unique_ptr<MainWindow> window_;
};

TEST_F(ClockCheckWiringTest, StartUpAsksWhileTheWindowIsHidden) {
    Start(30);
    boxes_.answer = box::kAnswerNo;
    window_->RunCreatedSequence();
    EXPECT_EQ(boxes_.shown, std::vector<std::string>{"询问："});
    EXPECT_TRUE(setTo_.empty());
    EXPECT_EQ(window_->TimerInterval(TimerId::时钟_时间校准), 60000);
    window_->ShowAfterStartUp();
    EXPECT_TRUE(::IsWindowVisible(window_->Handle()));
}

TEST_F(ClockCheckWiringTest, CalibrationTickRedrawsTheCalendarOnlyAfterASet) {
    for (bool works : {true, false}) {
        Start(30);
        setterWorks_ = works;
        boxes_.shown.clear();
        window_->SetText(ControlId::透明标签_公历日, "--");
        CalibrationTick();
        EXPECT_EQ(boxes_.shown, (std::vector<std::string>{"询问：", works ? "恭喜：" : "错误："}));
        EXPECT_EQ(window_->Text(ControlId::透明标签_公历日), works ? "17" : "--");
    }
    ASSERT_EQ(setTo_.size(), 2u);
    EXPECT_EQ(setTo_[0], (DateTime{2024, 5, 17, 1, 30, 30}));
}

// The check runs, at start-up and on the tick, but a page it cannot read raises no question and
// leaves the clock alone.
TEST_F(ClockCheckWiringTest, NoPageMeansNoCheck) {
    Start(30, false);
    window_->RunCreatedSequence();
    const int readsAtStart = pageReads_;
    EXPECT_GT(readsAtStart, 0);
    CalibrationTick();
    EXPECT_GT(pageReads_, readsAtStart);
    EXPECT_TRUE(boxes_.shown.empty());
    EXPECT_TRUE(setTo_.empty());
    EXPECT_EQ(window_->Text(ControlId::透明标签_公历日), "17");
}

}  // namespace
}  // namespace yf
