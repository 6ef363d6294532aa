// The clock check as the window runs it: once while the window is still hidden at start-up, and
// on every tick of the calibration timer, with the calendar redrawn after a successful set.
// The page, the boxes and the clock setter are fakes; the window and its timer are real.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window_win.h"
#include "support/message_pump.h"

namespace yf {
namespace {

using testing::PumpFor;

class FixedClock : public Clock {
  public:
    DateTime Now() const override { return {2024, 5, 17, 9, 30, 0}; }
    DateTime NowUtc() const override { return {2024, 5, 17, 1, 30, 0}; }
};

struct Box {
    std::string caption;
    bool windowVisible;
};

class WatchingBoxes : public MessageBoxes {
  public:
    int Show(std::string_view, std::string_view caption, unsigned flags) override {
        shown.push_back({std::string(caption), window && ::IsWindowVisible(window) != FALSE});
        if (whileOpen) whileOpen();
        return flags & box::kYesNo ? answer : box::kAnswerOk;
    }
    HWND window = nullptr;
    int answer = box::kAnswerNo;
    std::function<void()> whileOpen;
    std::vector<Box> shown;
};

class ClockCheckWiringTest : public ::testing::Test {
  protected:
    void Start(std::int64_t webAheadSeconds) {
        WindowSeams seams;
        seams.boxes = &boxes_;
        seams.webTimePage = [this, webAheadSeconds] {
            ++requests_;
            const std::int64_t unix =
                SecondsBetween({1970, 1, 1, 0, 0, 0}, clock_.NowUtc()) + webAheadSeconds;
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
        PumpFor(20);
    }

    void CalibrationTick() {
        // Timer ids are the TimerId values plus one.
        ::SendMessageW(window_->Handle(), WM_TIMER, static_cast<WPARAM>(TimerId::时钟_时间校准) + 1,
                       0);
    }

    FixedClock clock_;
    WatchingBoxes boxes_;
    int requests_ = 0;
    std::vector<DateTime> setTo_;
    bool setterWorks_ = true;
    std::unique_ptr<MainWindow> window_;
};

TEST_F(ClockCheckWiringTest, StartUpAsksBeforeTheWindowIsShown) {
    Start(30);
    window_->RunCreatedSequence();
    ASSERT_EQ(boxes_.shown.size(), 1u);
    EXPECT_EQ(boxes_.shown[0].caption, "询问：");
    EXPECT_FALSE(boxes_.shown[0].windowVisible);
    EXPECT_TRUE(setTo_.empty());
    window_->ShowAfterStartUp();
    EXPECT_TRUE(::IsWindowVisible(window_->Handle()));
}

TEST_F(ClockCheckWiringTest, StartUpLeavesTheCalendarToTheStartUpSequence) {
    Start(30);
    boxes_.answer = box::kAnswerYes;
    window_->RunCreatedSequence();
    ASSERT_EQ(boxes_.shown.size(), 2u);
    EXPECT_EQ(boxes_.shown[1].caption, "恭喜：");
    ASSERT_EQ(setTo_.size(), 1u);
    EXPECT_EQ(setTo_[0], (DateTime{2024, 5, 17, 1, 30, 30}));
    // Start-up fills the calendar after the check in any case.
    EXPECT_EQ(window_->Text(ControlId::透明标签_公历日), "17");
}

TEST_F(ClockCheckWiringTest, StartUpIsSilentWhenTheClockIsRight) {
    Start(3);
    window_->RunCreatedSequence();
    EXPECT_TRUE(boxes_.shown.empty());
    EXPECT_EQ(requests_, 4);  // two readings of two requests
    EXPECT_EQ(window_->TimerInterval(TimerId::时钟_时间校准), 60000);
}

TEST_F(ClockCheckWiringTest, CalibrationTickChecksAndRedrawsTheCalendarAfterASet) {
    Start(30);
    boxes_.answer = box::kAnswerYes;
    window_->SetText(ControlId::透明标签_公历日, "--");
    CalibrationTick();
    ASSERT_EQ(boxes_.shown.size(), 2u);
    EXPECT_EQ(boxes_.shown[0].caption, "询问：");
    EXPECT_EQ(boxes_.shown[1].caption, "恭喜：");
    EXPECT_EQ(window_->Text(ControlId::透明标签_公历日), "17");
}

TEST_F(ClockCheckWiringTest, CalibrationTickLeavesTheCalendarWhenTheSetFails) {
    Start(30);
    boxes_.answer = box::kAnswerYes;
    setterWorks_ = false;
    window_->SetText(ControlId::透明标签_公历日, "--");
    CalibrationTick();
    ASSERT_EQ(boxes_.shown.size(), 2u);
    EXPECT_EQ(boxes_.shown[1].caption, "错误：");
    EXPECT_EQ(window_->Text(ControlId::透明标签_公历日), "--");
}

TEST_F(ClockCheckWiringTest, TicksDuringAnOpenBoxStartNoSecondCheck) {
    Start(30);
    int requestsInBox = -1;
    bool ticked = false;
    boxes_.whileOpen = [&] {
        if (ticked) return;  // keeps a broken guard from recursing
        ticked = true;
        const int before = requests_;
        CalibrationTick();
        CalibrationTick();
        requestsInBox = requests_ - before;
    };
    CalibrationTick();
    EXPECT_EQ(requestsInBox, 0);
    EXPECT_EQ(boxes_.shown.size(), 1u);
}

TEST(ClockCheckWiringWithoutPage, NoPageMeansNoCheck) {
    FixedClock clock;
    WatchingBoxes boxes;
    MainWindow window(::GetModuleHandleW(nullptr), clock, WindowSeams{&boxes});
    ASSERT_TRUE(window.Create());
    window.RunCreatedSequence();
    ::SendMessageW(window.Handle(), WM_TIMER, static_cast<WPARAM>(TimerId::时钟_时间校准) + 1, 0);
    EXPECT_TRUE(boxes.shown.empty());
}

}  // namespace
}  // namespace yf
