// Reading the time off the web time page: where the count is found, how it is read, and which
// pages give no time at all.
#include "timesync/web_time.h"

#include "timesync/build_day.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace yf {
namespace {

using namespace std::string_literals;

TEST(WebTimeTest, PagesWithATime) {
    const std::pair<std::string, DateTime> cases[] = {
        // page, Beijing time
        {"window.baidu_time(1417392000000)", {2014, 12, 1, 8, 0, 0}},
        {"<script>window.baidu_time(1417392000999.75);</script>", {2014, 12, 1, 8, 0, 0}},
        {"window.baidu_time(1417392001999.123456)", {2014, 12, 1, 8, 0, 1}},
        {"window.baidu_time( 1417392002000 /* ms */);", {2014, 12, 1, 8, 0, 2}},
        {"window.baidu_time(１４１７３９２００３０００)", {2014, 12, 1, 8, 0, 3}},
        {") window.baidu_time(1417392004000) window.baidu_time(2000000)", {2014, 12, 1, 8, 0, 4}},
        {"window.baidu_time(1417392005000)\0junk"s, {2014, 12, 1, 8, 0, 5}},
        {"window.baidu_time(2147483648000)", {2038, 1, 19, 11, 14, 8}},
        {"window.baidu_time(4102444800000)", {2100, 1, 1, 8, 0, 0}},
        {"window.baidu_time(253402271999000)", {9999, 12, 31, 23, 59, 59}},
    };
    for (const auto& [page, beijing] : cases) {
        const std::optional<WebTime> time = ParseWebTime(page);
        ASSERT_TRUE(time.has_value()) << page;
        EXPECT_EQ(time->Beijing(), beijing) << page;
        EXPECT_EQ(time->Utc(), beijing.AddHours(-8)) << page;
    }
}

TEST(WebTimeTest, PagesWithoutATrustworthyTime) {
    const std::string cases[] = {
        "",
        "<html><body>1417392000000)</body></html>",
        "Window.Baidu_Time(1417392000000)",
        "window.baidu_time(1417392000000",
        "window.baidu_time()",
        "window.baidu_time(now)",
        "window.baidu_time(0)",
        "window.baidu_time(999)",
        "window.baidu_time(-1417392000000)",
        "window.baidu_time(253402272000000)",  // 10000-01-01 in Beijing
        "window.baidu_time(" + std::string(400, '9') + ")",
        "<html>\0window.baidu_time(1417392000000)"s,
    };
    for (const std::string& page : cases) EXPECT_FALSE(ParseWebTime(page).has_value()) << page;
}

TEST(WebTimeTest, FetchReadsTwiceAndTakesTheSecondAnswer) {
    const std::string a = "window.baidu_time(1417392000000)";
    const std::string b = "window.baidu_time(1417392009000)";
    struct Case {
        std::vector<std::string> answers;
        std::optional<std::int64_t> seconds;
        int requests;
    };
    const Case cases[] = {
        {{a, b}, 1417392009, 2},    {{"<html>busy</html>", b}, 1417392009, 2},
        {{}, std::nullopt, 1},      {{"", b}, std::nullopt, 1},
        {{a, ""}, std::nullopt, 2}, {{a, "<html/>"}, std::nullopt, 2},
    };
    for (const Case& c : cases) {
        int requests = 0;
        const std::optional<WebTime> time = FetchWebTime(
            [&] {
                const auto at = static_cast<std::size_t>(requests++);
                return at < c.answers.size() ? c.answers[at] : std::string();
            },
            DateTime{2014, 1, 1});
        EXPECT_EQ(time ? std::optional(time->unixSeconds) : std::nullopt, c.seconds);
        EXPECT_EQ(requests, c.requests);
    }
}

TEST(WebTimeTest, TheDateHeaderGivesTheTimeTheAnswerArrived) {
    const std::int64_t sent = SecondsBetween({1970, 1, 1}, {2030, 5, 17, 1, 31, 0});
    const std::pair<std::uint32_t, std::int64_t> cases[] = {
        // round trip in ms, seconds added to the server's second
        {0, 0}, {999, 0}, {1000, 1}, {2999, 1}, {3000, 2}, {60000, 30},
    };
    for (const auto& [roundTrip, added] : cases) {
        EXPECT_EQ(DateHeaderTime("Fri, 17 May 2030 01:31:00 GMT", roundTrip, 2025),
                  std::optional(WebTime{sent + added}))
            << roundTrip;
    }
    EXPECT_EQ(DateHeaderTime("Friday, 17-May-30 01:31:00 GMT", 0, 2025),
              std::optional(WebTime{sent}));
    EXPECT_EQ(DateHeaderTime("Fri May 17 01:31:00 2030", 0, 2025), std::optional(WebTime{sent}));
    EXPECT_FALSE(DateHeaderTime("", 400, 2025).has_value());
    EXPECT_FALSE(DateHeaderTime("soon", 400, 2025).has_value());
}

TEST(WebTimeTest, ThePagesTimeWinsAndTheDateStandsInForIt) {
    const DateTime buildDay{2025, 3, 10};
    const std::string marker = "window.baidu_time(1900000000000)";  // 2030-03-17 17:46:40 UTC
    const std::string date = "Sun, 17 Mar 2030 17:47:40 GMT";       // a minute later
    const auto answer = [](std::string body, std::string dateText, std::uint32_t roundTrip = 0) {
        WebAnswer a(std::move(body));
        a.date = std::move(dateText);
        a.roundTripMs = roundTrip;
        return a;
    };
    struct Case {
        const char* what;
        std::vector<WebAnswer> answers;
        std::optional<std::int64_t> seconds;
        int requests;
    };
    const Case cases[] = {
        {"the page's time wins", {answer("", date), answer(marker, date)}, 1900000000, 2},
        {"no marker: the Date",
         {answer("<html/>", ""), answer("<html>login</html>", date)},
         1900000060,
         2},
        {"the Date moved on by half the trip",
         {answer("x", ""), answer("x", date, 4000)},
         1900000062,
         2},
        {"an empty body with a Date", {answer("", date), answer("", date)}, 1900000060, 2},
        {"the page counts from 1970: the Date",
         {answer("x", ""), answer("window.baidu_time(5000)", date)},
         1900000060,
         2},
        {"the page before the build day: the Date",
         {answer("x", ""), answer("window.baidu_time(1700000000000)", date)},
         1900000060,
         2},
        {"a Date in 1970",
         {answer("x", ""), answer("x", "Thu, 01 Jan 1970 00:00:05 GMT")},
         std::nullopt,
         2},
        {"no Date", {answer("x", date), answer("<html/>", "")}, std::nullopt, 2},
        {"a Date that does not parse", {answer("x", ""), answer("x", "tomorrow")}, std::nullopt, 2},
        {"no first answer", {answer("", ""), answer(marker, date)}, std::nullopt, 1},
        {"no second answer", {answer(marker, date), answer("", "")}, std::nullopt, 2},
    };
    for (const Case& c : cases) {
        int requests = 0;
        const std::optional<WebTime> time =
            FetchWebTime([&] { return c.answers[static_cast<std::size_t>(requests++)]; }, buildDay);
        EXPECT_EQ(time ? std::optional(time->unixSeconds) : std::nullopt, c.seconds) << c.what;
        EXPECT_EQ(requests, c.requests) << c.what;
    }
}

TEST(WebTimeTest, PlausibleFromTheBuildDayToThirtyYearsOn) {
    const DateTime buildDay{2025, 3, 10};
    const auto at = [](const DateTime& utc) { return WebTime{SecondsBetween({1970, 1, 1}, utc)}; };
    const std::pair<WebTime, bool> cases[] = {
        {WebTime{0}, false},
        {WebTime{5}, false},  // 5000 ms
        {at({2025, 3, 9, 9, 59, 59}), false},
        {at({2025, 3, 9, 10, 0, 0}), true},  // midnight of the build day at UTC+14
        {at({2025, 3, 10, 12, 0, 0}), true},
        {at({2040, 7, 1}), true},
        {at({2055, 3, 9, 10, 0, 0}), true},  // thirty years on
        {at({2055, 3, 9, 10, 0, 1}), false},
        {WebTime{4294967296}, false},  // 2106: a 32-bit count wrapped round
    };
    for (const auto& [time, plausible] : cases) {
        EXPECT_EQ(IsPlausible(time, buildDay), plausible) << time.unixSeconds;
    }
    // Thirty years after a 29 February is the last day of that February.
    EXPECT_TRUE(IsPlausible(at({2054, 2, 27, 10, 0, 0}), {2024, 2, 29}));
    EXPECT_FALSE(IsPlausible(at({2054, 2, 27, 10, 0, 1}), {2024, 2, 29}));
}

TEST(WebTimeTest, CompilerDates) {
    const std::pair<const char*, std::optional<DateTime>> cases[] = {
        {"Jan  5 2025", DateTime{2025, 1, 5}},  {"Dec 31 1999", DateTime{1999, 12, 31}},
        {"Feb 29 2024", DateTime{2024, 2, 29}}, {"Feb 29 2023", std::nullopt},
        {"Foo 10 2025", std::nullopt},          {"Jan 5 2025", std::nullopt},
        {"Jan  5 20x5", std::nullopt},          {"", std::nullopt},
    };
    for (const auto& [text, day] : cases) EXPECT_EQ(ParseCompilerDate(text), day) << text;
    EXPECT_GE(BuildDay(), (DateTime{2025, 1, 1}));
}

}  // namespace
}  // namespace yf
