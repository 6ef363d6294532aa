// The clock check's decisions with a fake clock, a scripted web time host, a fake clock setter
// and boxes that answer as told.
#include "timesync/clock_check.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "fakes/fake_clock.h"

namespace yf {
namespace {

using testing::FakeClock;

constexpr DateTime kUnixEpoch{1970, 1, 1, 0, 0, 0};

// Serves the time page. Reading i (two requests each) is readings[i] seconds ahead of the fake
// clock's universal time, or a page without a time for nullopt; the last entry repeats.
class FakeTimeHost {
  public:
    FakeTimeHost(const FakeClock& clock, std::vector<std::optional<std::int64_t>> readings)
        : clock_(clock), readings_(std::move(readings)) {}

    PageReader Reader() {
        return [this] {
            const std::size_t reading = static_cast<std::size_t>(requests++ / 2);
            const auto& ahead = readings_[std::min(reading, readings_.size() - 1)];
            if (!ahead) return std::string("<html>try again later</html>");
            const std::int64_t seconds = SecondsBetween(kUnixEpoch, clock_.NowUtc()) + *ahead;
            // A little past the second, as the page's milliseconds always are.
            return "<script>window.baidu_time(" + std::to_string(seconds * 1000 + 370) +
                   ");</script>";
        };
    }
    int Readings() const { return requests / 2; }

    int requests = 0;

  private:
    const FakeClock& clock_;
    std::vector<std::optional<std::int64_t>> readings_;
};

struct ShownBox {
    std::string text;
    std::string caption;
    unsigned flags;
};

class FakeBoxes : public MessageBoxes {
  public:
    int Show(std::string_view text, std::string_view caption, unsigned flags) override {
        shown.push_back({std::string(text), std::string(caption), flags});
        if (whileOpen) whileOpen();
        return flags & box::kYesNo ? questionAnswer : box::kAnswerOk;
    }
    std::vector<ShownBox> shown;
    int questionAnswer = box::kAnswerNo;
    std::function<void()> whileOpen;
};

const ShownBox kQuestion{"询问：本机系统时间不准确，是否同步到北京时间？", "询问：", 0x2024};
const ShownBox kSuccess{"恭喜：时间同步成功！", "恭喜：", 0x2040};
const ShownBox kFailure{"错误：时间同步失败，请检查网络是否可以连接到因特网~", "错误：", 0x2010};

void ExpectBoxes(const std::vector<ShownBox>& shown, const std::vector<ShownBox>& expected,
                 const char* what = "") {
    ASSERT_EQ(shown.size(), expected.size()) << what;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        EXPECT_EQ(shown[i].text, expected[i].text) << what;
        EXPECT_EQ(shown[i].caption, expected[i].caption) << what;
        EXPECT_EQ(shown[i].flags, expected[i].flags) << what;
    }
}

// Everything a check touches, wired together.
struct Rig {
    explicit Rig(std::vector<std::optional<std::int64_t>> readings, long long utcOffset = 8 * 3600)
        : clock({2024, 5, 17, 9, 30, 0}, utcOffset), host(clock, std::move(readings)) {}

    ClockCheck MakeCheck() {
        return ClockCheck(
            host.Reader(), clock, boxes,
            [this](const DateTime& utc) {
                setTo.push_back(utc);
                return setterWorks;
            },
            [this] { ++refreshes; });
    }

    FakeClock clock;
    FakeTimeHost host;
    FakeBoxes boxes;
    std::vector<DateTime> setTo;
    bool setterWorks = true;
    int refreshes = 0;
};

TEST(ClockCheckTest, AskOnlyFromTenSecondsOn) {
    struct Case {
        const char* what;
        std::vector<std::optional<std::int64_t>> readings;  // web ahead of the computer
        bool asked;
        int readingsTaken;
    };
    const Case cases[] = {
        {"right", {0, 0}, false, 2},
        {"9 s behind", {9, 9}, false, 2},
        {"10 s behind", {10}, true, 1},
        {"an hour behind", {3600}, true, 1},
        {"9 s ahead", {-9, -9}, false, 2},
        {"10 s ahead", {-10, -10}, true, 2},
        {"10 s ahead on the second reading only", {0, -10}, true, 2},
        {"ahead on the first reading only", {-30, 0}, false, 2},
        {"no time on the page", {std::nullopt}, false, 2},
        {"page says 1970",
         {-SecondsBetween(kUnixEpoch, DateTime{2024, 5, 17, 1, 30, 0})},
         false,
         2},
    };
    for (const Case& c : cases) {
        Rig rig(c.readings);
        rig.MakeCheck().CheckClock(true);
        ExpectBoxes(rig.boxes.shown, c.asked ? std::vector{kQuestion} : std::vector<ShownBox>{},
                    c.what);
        EXPECT_EQ(rig.host.Readings(), c.readingsTaken) << c.what;
        EXPECT_TRUE(rig.setTo.empty()) << c.what;
    }
}

TEST(ClockCheckTest, ComparesUniversalTimeWhateverTheZone) {
    for (long long offset : {-5 * 3600LL, 0LL, 8 * 3600LL, 13 * 3600LL}) {
        Rig right({0, 0}, offset);
        right.MakeCheck().CheckClock(true);
        EXPECT_TRUE(right.boxes.shown.empty()) << offset;

        Rig behind({12}, offset);
        behind.MakeCheck().CheckClock(true);
        EXPECT_EQ(behind.boxes.shown.size(), 1u) << offset;
    }
}

TEST(ClockCheckTest, NoNetworkShowsNothing) {
    FakeClock clock({2024, 5, 17, 9, 30, 0});
    FakeBoxes boxes;
    int requests = 0;
    int sets = 0;
    ClockCheck check(
        [&] {
            ++requests;
            return std::string();
        },
        clock, boxes,
        [&](const DateTime&) {
            ++sets;
            return true;
        },
        [] {});
    check.CheckClock(true);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(requests, 2);  // one unanswered request per reading
    EXPECT_EQ(sets, 0);
}

TEST(ClockCheckTest, YesSetsTheClockToAFreshReadingInUniversalTime) {
    Rig rig({30, 31}, -3 * 3600);
    rig.boxes.questionAnswer = box::kAnswerYes;
    rig.MakeCheck().CheckClock(true);
    ExpectBoxes(rig.boxes.shown, {kQuestion, kSuccess});
    ASSERT_EQ(rig.setTo.size(), 1u);
    EXPECT_EQ(rig.setTo[0], rig.clock.NowUtc().AddSeconds(31));
}

TEST(ClockCheckTest, NoChangesNothingAndIsAskedAgainNextTime) {
    Rig rig({20});
    ClockCheck check = rig.MakeCheck();
    check.CheckClock(true);
    rig.clock.Advance(60);
    check.CheckClock(true);
    ExpectBoxes(rig.boxes.shown, {kQuestion, kQuestion});
    EXPECT_TRUE(rig.setTo.empty());
    EXPECT_EQ(rig.refreshes, 0);
}

TEST(ClockCheckTest, OutcomeOfYes) {
    struct Case {
        const char* what;
        std::vector<std::optional<std::int64_t>> readings;
        bool setterWorks;
        bool refreshFlag;
        std::vector<ShownBox> boxes;
        int sets;
        int refreshes;
    };
    const Case cases[] = {
        {"set, periodic check", {15, 15}, true, true, {kQuestion, kSuccess}, 1, 1},
        {"set, start-up check", {15, 15}, true, false, {kQuestion, kSuccess}, 1, 0},
        {"setting refused", {15, 15}, false, true, {kQuestion, kFailure}, 1, 0},
        {"third reading fails", {15, std::nullopt}, true, true, {kQuestion, kFailure}, 0, 0},
    };
    for (const Case& c : cases) {
        Rig rig(c.readings);
        rig.setterWorks = c.setterWorks;
        rig.boxes.questionAnswer = box::kAnswerYes;
        rig.MakeCheck().CheckClock(c.refreshFlag);
        ExpectBoxes(rig.boxes.shown, c.boxes, c.what);
        EXPECT_EQ(static_cast<int>(rig.setTo.size()), c.sets) << c.what;
        EXPECT_EQ(rig.refreshes, c.refreshes) << c.what;
    }
}

TEST(ClockCheckTest, NoSecondCheckWhileABoxIsOpen) {
    Rig rig({25});
    rig.boxes.questionAnswer = box::kAnswerYes;
    ClockCheck check = rig.MakeCheck();
    int requestsSeenInBox = -1;
    bool ticked = false;
    rig.boxes.whileOpen = [&] {
        if (ticked) return;  // one tick is enough, and keeps a broken guard from recursing
        ticked = true;
        // The calibration timer falls due while the box runs its message loop.
        const int before = rig.host.requests;
        EXPECT_TRUE(check.Running());
        check.CheckClock(true);
        requestsSeenInBox = rig.host.requests - before;
    };
    check.CheckClock(true);
    EXPECT_EQ(requestsSeenInBox, 0);
    ExpectBoxes(rig.boxes.shown, {kQuestion, kSuccess});
    EXPECT_EQ(rig.setTo.size(), 1u);

    // Once finished, the next tick checks again.
    EXPECT_FALSE(check.Running());
    rig.boxes.whileOpen = nullptr;
    rig.boxes.questionAnswer = box::kAnswerNo;
    check.CheckClock(true);
    EXPECT_EQ(rig.boxes.shown.size(), 3u);
}

}  // namespace
}  // namespace yf
