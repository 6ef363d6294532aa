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
    struct Case {
        const char* what;
        std::string page;
        DateTime beijing;
    };
    const Case cases[] = {
        {"marker at the very start", "window.baidu_time(1417392000000)", {2014, 12, 1, 8, 0, 0}},
        {"inside a script",
         "<script>window.baidu_time(1417392000000);</script>",
         {2014, 12, 1, 8, 0, 0}},
        {"fraction of a millisecond",
         "window.baidu_time(1417392000999.75)",
         {2014, 12, 1, 8, 0, 0}},
        {"many sub-second digits",
         "window.baidu_time(1417392001999.123456)",
         {2014, 12, 1, 8, 0, 1}},
        {"text between number and bracket",
         "window.baidu_time(1417392002000 /* ms */);",
         {2014, 12, 1, 8, 0, 2}},
        {"blank before the number", "window.baidu_time( 1417392003000)", {2014, 12, 1, 8, 0, 3}},
        {"full-width digits",
         "window.baidu_time(１４１７３９２００４０００)",
         {2014, 12, 1, 8, 0, 4}},
        {"first marker wins",
         "window.baidu_time(1417392005000) window.baidu_time(2000000)",
         {2014, 12, 1, 8, 0, 5}},
        {"bracket before the marker", ") window.baidu_time(1417392006000)", {2014, 12, 1, 8, 0, 6}},
        {"zero byte after the bracket",
         "window.baidu_time(1417392007000)\0junk"s,
         {2014, 12, 1, 8, 0, 7}},
        {"past 2^31 seconds", "window.baidu_time(2147483648000)", {2038, 1, 19, 11, 14, 8}},
        {"the next century", "window.baidu_time(4102444800000)", {2100, 1, 1, 8, 0, 0}},
        {"last second of 9999 in Beijing",
         "window.baidu_time(253402271999000)",
         {9999, 12, 31, 23, 59, 59}},
    };
    for (const Case& c : cases) {
        const std::optional<WebTime> time = ParseWebTime(c.page);
        ASSERT_TRUE(time.has_value()) << c.what;
        EXPECT_EQ(time->Beijing(), c.beijing) << c.what;
        EXPECT_EQ(time->Utc(), c.beijing.AddHours(-8)) << c.what;
    }
}

TEST(WebTimeTest, SecondsAreCountedIn64Bits) {
    const std::optional<WebTime> time = ParseWebTime("window.baidu_time(4102444800000)");
    ASSERT_TRUE(time.has_value());
    EXPECT_EQ(time->unixSeconds, 4102444800LL);
    EXPECT_EQ(time->Utc(), (DateTime{2100, 1, 1, 0, 0, 0}));
}

TEST(WebTimeTest, PagesWithoutATrustworthyTime) {
    struct Case {
        const char* what;
        std::string page;
    };
    const Case cases[] = {
        {"empty page", ""},
        {"no marker", "<html><body>1417392000000)</body></html>"},
        {"marker in another case", "Window.Baidu_Time(1417392000000)"},
        {"no closing bracket", "window.baidu_time(1417392000000"},
        {"empty number", "window.baidu_time()"},
        {"no number before the bracket", "window.baidu_time(now)"},
        {"zero", "window.baidu_time(0)"},
        {"less than a second", "window.baidu_time(999)"},
        {"negative", "window.baidu_time(-1417392000000)"},
        {"first second of 10000 in Beijing", "window.baidu_time(253402272000000)"},
        {"beyond any integer", "window.baidu_time(" + std::string(400, '9') + ")"},
        {"marker behind a zero byte", "<html>\0window.baidu_time(1417392000000)"s},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(ParseWebTime(c.page).has_value()) << c.what;
    }
}

// A reader that serves the given answers in turn and counts the requests.
struct ScriptedPages {
    std::vector<std::string> answers;
    int requests = 0;

    PageReader Reader() {
        return [this] {
            const std::size_t at = static_cast<std::size_t>(requests++);
            return at < answers.size() ? answers[at] : std::string();
        };
    }
};

TEST(WebTimeTest, FetchTakesTheTimeFromTheSecondAnswer) {
    ScriptedPages pages{{"window.baidu_time(1417392000000)", "window.baidu_time(1417392009000)"}};
    const std::optional<WebTime> time = FetchWebTime(pages.Reader());
    ASSERT_TRUE(time.has_value());
    EXPECT_EQ(time->Beijing(), (DateTime{2014, 12, 1, 8, 0, 9}));
    EXPECT_EQ(pages.requests, 2);
}

TEST(WebTimeTest, FetchNeedsOnlyAnAnswerFirst) {
    ScriptedPages pages{{"<html>busy</html>", "window.baidu_time(1417392009000)"}};
    const std::optional<WebTime> time = FetchWebTime(pages.Reader());
    ASSERT_TRUE(time.has_value());
    EXPECT_EQ(time->Beijing(), (DateTime{2014, 12, 1, 8, 0, 9}));
}

TEST(WebTimeTest, FetchFailures) {
    struct Case {
        const char* what;
        std::vector<std::string> answers;
        int requests;
    };
    const Case cases[] = {
        {"no answer at all", {}, 1},
        {"first answer empty", {"", "window.baidu_time(1417392000000)"}, 1},
        {"second request fails", {"window.baidu_time(1417392000000)", ""}, 2},
        {"second answer without time", {"window.baidu_time(1417392000000)", "<html/>"}, 2},
    };
    for (const Case& c : cases) {
        ScriptedPages pages{c.answers};
        EXPECT_FALSE(FetchWebTime(pages.Reader()).has_value()) << c.what;
        EXPECT_EQ(pages.requests, c.requests) << c.what;
    }
}

}  // namespace
}  // namespace yf
