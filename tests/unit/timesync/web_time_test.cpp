// Reading the time off the web time page: where the count is found, how it is read, and which
// pages give no time at all.
#include "timesync/web_time.h"

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
        const std::optional<WebTime> time = FetchWebTime([&] {
            const auto at = static_cast<std::size_t>(requests++);
            return at < c.answers.size() ? c.answers[at] : std::string();
        });
        EXPECT_EQ(time ? std::optional(time->unixSeconds) : std::nullopt, c.seconds);
        EXPECT_EQ(requests, c.requests);
    }
}

}  // namespace
}  // namespace yf
