// The clock check's decisions with a fake clock, a scripted web time host, a fake clock setter
// and boxes that answer as told.
#include "timesync/clock_check.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "fakes/fake_clock.h"

namespace yf {
namespace {

using Readings = std::vector<std::optional<std::int64_t>>;

const std::string kQuestion = "询问：|询问：本机系统时间不准确，是否同步到北京时间？|8228";
const std::string kSuccess = "恭喜：|恭喜：时间同步成功！|8256";
const std::string kFailure = "错误：|错误：时间同步失败，请检查网络是否可以连接到因特网~|8208";
constexpr DateTime kBuildDay{2024, 5, 1};
constexpr std::int64_t kDay = 86400;

// "Fri, 17 May 2024 01:30:00 GMT"
std::string HttpDateText(const DateTime& utc) {
    static const char* const kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    char text[40];
    std::snprintf(text, sizeof(text), "%s, %02d %s %04d %02d:%02d:%02d GMT",
                  kDays[static_cast<int>(utc.DayOfWeek())], utc.day, kMonths[utc.month - 1],
                  utc.year, utc.hour, utc.minute, utc.second);
    return text;
}

// Everything a check touches. Reading i (two requests each) of the page is readings[i] seconds
// ahead of the clock's universal time, or a page without a time for nullopt; the last repeats.
struct Rig {
    explicit Rig(Readings pageReadings, long long utcOffset = 8 * 3600)
        : clock({2024, 5, 17, 9, 30, 0}, utcOffset), readings(std::move(pageReadings)) {}

    ClockCheck MakeCheck() {
        ClockCheckSeams seams;
        seams.read = [this] { return FetchWebTime([this] { return Answer(); }, kBuildDay); };
        seams.setClock = [this](const DateTime& utc) {
            setTo.push_back(utc);
            return setterError;
        };
        if (canElevate) {
            seams.setElevated = [this](std::int64_t offsetMs) {
                elevations.push_back(offsetMs);
                return elevatedWorks;
            };
        }
        seams.refreshCalendar = [this] { ++refreshes; };
        return ClockCheck(std::move(seams), clock, boxes, kBuildDay);
    }

    // The answer to the next request.
    WebAnswer Answer() {
        const auto reading = static_cast<std::size_t>(requests++ / 2);
        const auto& ahead = readings[std::min(reading, readings.size() - 1)];
        WebAnswer answer("<html>try again later</html>");
        if (!ahead) return answer;
        const DateTime web = clock.NowUtc().AddSeconds(*ahead);
        if (dateOnly) {
            answer.date = HttpDateText(web);
            answer.roundTripMs = roundTripMs;
        } else {
            const std::int64_t ms = SecondsBetween({1970, 1, 1}, web) * 1000 + 370;
            answer.body = "window.baidu_time(" + std::to_string(ms) + ");";
        }
        return answer;
    }

    struct Boxes : MessageBoxes {
        int Show(std::string_view text, std::string_view caption, unsigned flags) override {
            shown.push_back(std::string(caption) + "|" + std::string(text) + "|" +
                            std::to_string(flags));
            if (whileOpen) whileOpen();
            return flags & box::kYesNo ? answer : box::kAnswerOk;
        }
        std::vector<std::string> shown;
        int answer = box::kAnswerNo;
        std::function<void()> whileOpen;
    };

    testing::FakeClock clock;
    Readings readings;
    // The page holds no time; the answer's Date header carries it.
    bool dateOnly = false;
    std::uint32_t roundTripMs = 0;
    Boxes boxes;
    int requests = 0;
    std::vector<DateTime> setTo;
    std::uint32_t setterError = 0;
    bool canElevate = true;
    bool elevatedWorks = true;
    std::vector<std::int64_t> elevations;
    int refreshes = 0;
};

TEST(ClockCheckTest, AsksOnlyFromTenSecondsOn) {
    struct Case {
        const char* what;
        Readings readings;  // seconds the web is ahead of the computer
        bool asked;
        int requests;
    };
    const Case cases[] = {
        {"right", {0, 0}, false, 4},
        {"9 s behind", {9, 9}, false, 4},
        {"10 s behind", {10}, true, 2},
        {"9 s ahead", {-9, -9}, false, 4},
        {"10 s ahead", {-10, -10}, true, 4},
        {"ahead on the second reading only", {0, -10}, true, 4},
        {"ahead on the first reading only", {-30, 0}, false, 4},
        {"no time on the page", {std::nullopt}, false, 4},
        {"page says 1970", {-SecondsBetween({1970, 1, 1}, {2024, 5, 17, 1, 30, 0})}, false, 4},
        {"page says 5 s after 1970",
         {5 - SecondsBetween({1970, 1, 1}, {2024, 5, 17, 1, 30, 0})},
         false,
         4},
        {"page a day before the build day", {-17 * kDay}, false, 4},
        {"page on the build day", {-16 * kDay}, true, 4},
        {"page says 2106",
         {SecondsBetween({2024, 5, 17, 1, 30, 0}, {2106, 2, 7, 6, 28, 16})},
         false,
         4},
    };
    for (const Case& c : cases) {
        Rig rig(c.readings);
        rig.MakeCheck().CheckClock(true);
        EXPECT_EQ(rig.boxes.shown, c.asked ? std::vector{kQuestion} : std::vector<std::string>{})
            << c.what;
        EXPECT_EQ(rig.requests, c.requests) << c.what;
        EXPECT_TRUE(rig.setTo.empty()) << c.what;
    }
}

TEST(ClockCheckTest, TheAnswersDateStandsInForAPageWithoutItsTime) {
    struct Case {
        const char* what;
        Readings readings;
        std::uint32_t roundTripMs;
        bool asked;
    };
    const Case cases[] = {
        {"a minute ahead", {60, 60}, 0, true},
        {"a minute behind", {-60, -60}, 0, true},
        {"9 s ahead, 1 s more on the way", {9, 9}, 2000, true},
        {"9 s ahead, a quick answer", {9, 9}, 400, false},
        {"1970", {-SecondsBetween({1970, 1, 1}, {2024, 5, 17, 1, 30, 0})}, 0, false},
        {"no Date either", {std::nullopt}, 0, false},
    };
    for (const Case& c : cases) {
        Rig rig(c.readings);
        rig.dateOnly = true;
        rig.roundTripMs = c.roundTripMs;
        rig.boxes.answer = box::kAnswerYes;
        rig.MakeCheck().CheckClock(true);
        const std::vector<std::string> asked{kQuestion, kSuccess};
        EXPECT_EQ(rig.boxes.shown, c.asked ? asked : std::vector<std::string>{}) << c.what;
        // Set from the third reading, the Date's second moved on by half the round trip.
        const std::int64_t trip = (c.roundTripMs / 2 + 500) / 1000;
        const std::vector<DateTime> set{
            rig.clock.NowUtc().AddSeconds(c.readings.back().value_or(0) + trip)};
        EXPECT_EQ(rig.setTo, c.asked ? set : std::vector<DateTime>{}) << c.what;
    }
}

TEST(ClockCheckTest, TheCallerHearsOfTheQuestionBeforeItComes) {
    const std::pair<Readings, bool> cases[] = {
        {{0, 0}, false}, {{std::nullopt}, false}, {{30, 30}, true}, {{0, -30}, true}};
    for (const auto& [readings, asked] : cases) {
        Rig rig(readings);
        rig.boxes.answer = box::kAnswerYes;
        std::vector<std::size_t> boxesBefore;
        rig.MakeCheck().CheckClock(false, [&] { boxesBefore.push_back(rig.boxes.shown.size()); });
        EXPECT_EQ(boxesBefore, asked ? std::vector<std::size_t>{0} : std::vector<std::size_t>{});
        EXPECT_EQ(rig.boxes.shown.size(), asked ? 2u : 0u);
    }
}

TEST(ClockCheckTest, ComparesUniversalTimeWhateverTheZone) {
    for (long long offset : {-5 * 3600LL, 0LL, 8 * 3600LL, 13 * 3600LL}) {
        Rig right({0}, offset), behind({12}, offset);
        right.MakeCheck().CheckClock(true);
        behind.MakeCheck().CheckClock(true);
        EXPECT_TRUE(right.boxes.shown.empty()) << offset;
        EXPECT_EQ(behind.boxes.shown.size(), 1u) << offset;
    }
}

TEST(ClockCheckTest, OutcomeOfTheAnswer) {
    struct Case {
        const char* what;
        Readings readings;
        int answer;
        std::uint32_t setterError;
        bool refreshFlag;
        std::vector<std::string> boxes;
        int refreshes;
    };
    const int yes = box::kAnswerYes;
    const Case cases[] = {
        {"No", {15}, box::kAnswerNo, 0, true, {kQuestion}, 0},
        {"set, periodic check", {15, 16}, yes, 0, true, {kQuestion, kSuccess}, 1},
        {"set, start-up check", {15, 16}, yes, 0, false, {kQuestion, kSuccess}, 0},
        {"setting refused", {15, 16}, yes, 5, true, {kQuestion, kFailure}, 0},
        {"third reading fails", {15, std::nullopt}, yes, 0, true, {kQuestion, kFailure}, 0},
    };
    for (const Case& c : cases) {
        Rig rig(c.readings, -3 * 3600);
        rig.boxes.answer = c.answer;
        rig.setterError = c.setterError;
        rig.MakeCheck().CheckClock(c.refreshFlag);
        EXPECT_EQ(rig.boxes.shown, c.boxes) << c.what;
        EXPECT_EQ(rig.refreshes, c.refreshes) << c.what;
        // The clock is set, in universal time, from the reading taken after the Yes.
        const bool setTried = c.answer == yes && c.readings[1].has_value();
        EXPECT_EQ(rig.setTo, setTried ? std::vector{rig.clock.NowUtc().AddSeconds(16)}
                                      : std::vector<DateTime>{})
            << c.what;
    }
}

TEST(ClockCheckTest, AMissingPrivilegeHandsTheSetToAnElevatedRun) {
    struct Case {
        const char* what;
        std::uint32_t setterError;
        bool canElevate, elevatedWorks;
        std::string box;
        bool elevated;
    };
    const Case cases[] = {
        {"set in the process", 0, true, true, kSuccess, false},
        {"elevated run sets it", kErrorPrivilegeNotHeld, true, true, kSuccess, true},
        {"elevated run fails or is declined", kErrorPrivilegeNotHeld, true, false, kFailure, true},
        {"no way to elevate", kErrorPrivilegeNotHeld, false, true, kFailure, false},
        {"another error is no reason to elevate", 5, true, true, kFailure, false},
    };
    for (const Case& c : cases) {
        Rig rig({15, 16});
        rig.clock.SetMilliseconds(250);
        rig.boxes.answer = box::kAnswerYes;
        rig.setterError = c.setterError;
        rig.canElevate = c.canElevate;
        rig.elevatedWorks = c.elevatedWorks;
        rig.MakeCheck().CheckClock(true);
        EXPECT_EQ(rig.boxes.shown, (std::vector{kQuestion, c.box})) << c.what;
        EXPECT_EQ(rig.setTo.size(), 1u) << c.what;
        // The page's whole second, 16 s ahead, less the 250 ms the clock is into its second.
        EXPECT_EQ(rig.elevations,
                  c.elevated ? std::vector<std::int64_t>{15'750} : std::vector<std::int64_t>{})
            << c.what;
    }
}

TEST(ClockCheckTest, NoSecondCheckWhileABoxIsOpenButAgainAfterwards) {
    Rig rig({25});
    ClockCheck check = rig.MakeCheck();
    int requestsInBox = -1;
    bool ticked = false;
    rig.boxes.whileOpen = [&] {
        if (ticked) return;  // one tick, and no endless recursion should the guard break
        ticked = true;
        const int before = rig.requests;
        check.CheckClock(true);  // the calibration timer falls due in the box's message loop
        requestsInBox = rig.requests - before;
    };
    check.CheckClock(true);
    EXPECT_EQ(requestsInBox, 0);
    EXPECT_EQ(rig.boxes.shown.size(), 1u);
    // The user said No; the next check asks again.
    check.CheckClock(true);
    EXPECT_EQ(rig.boxes.shown, (std::vector{kQuestion, kQuestion}));
}

}  // namespace
}  // namespace yf
