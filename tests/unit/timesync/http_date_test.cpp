// Reading the Date header: the three forms HTTP allows, the zones, the century of a two-digit
// year, and the texts that are no date.
#include "timesync/http_date.h"

#include <gtest/gtest.h>

#include <string>

#include "core/date_time.h"

namespace yf {
namespace {

std::int64_t Unix(const DateTime& utc) {
    return SecondsBetween({1970, 1, 1}, utc);
}

TEST(HttpDateTest, TheFormsAServerMaySend) {
    const std::pair<std::string, DateTime> cases[] = {
        // text, universal time; read with 2025 as the reference year
        {"Sun, 06 Nov 1994 08:49:37 GMT", {1994, 11, 6, 8, 49, 37}},
        {"Sun, 6 Nov 1994 08:49:37 GMT", {1994, 11, 6, 8, 49, 37}},
        {"  sun,  06 NOV 1994\t08:49:37 gmt ", {1994, 11, 6, 8, 49, 37}},
        {"Thu, 29 Feb 2024 23:59:60 UTC", {2024, 3, 1, 0, 0, 0}},  // a leap second
        {"Wed, 31 Dec 2025 23:59:59 UT", {2025, 12, 31, 23, 59, 59}},
        {"Thu, 01 Jan 2026 08:00:00 +0800", {2026, 1, 1, 0, 0, 0}},
        {"Wed, 31 Dec 2025 19:30:00 -0430", {2026, 1, 1, 0, 0, 0}},
        {"Sunday, 06-Nov-94 08:49:37 GMT", {1994, 11, 6, 8, 49, 37}},
        {"Tuesday, 01-Jan-75 00:00:00 GMT", {2075, 1, 1, 0, 0, 0}},  // fifty years on
        {"Thursday, 01-Jan-76 00:00:00 GMT", {1976, 1, 1, 0, 0, 0}},
        {"Fri, 17-May-2030 01:31:00 GMT", {2030, 5, 17, 1, 31, 0}},
        {"Sun Nov  6 08:49:37 1994", {1994, 11, 6, 8, 49, 37}},
        {"Fri May 17 01:31:00 2030", {2030, 5, 17, 1, 31, 0}},
        {"Thu Jan  1 00:00:00 1970", {1970, 1, 1, 0, 0, 0}},
    };
    for (const auto& [text, utc] : cases) {
        EXPECT_EQ(ParseHttpDate(text, 2025), std::optional(Unix(utc))) << text;
    }
    // The century of a two-digit year follows the reference year.
    EXPECT_EQ(ParseHttpDate("Sunday, 06-Nov-94 08:49:37 GMT", 2060),
              std::optional(Unix({2094, 11, 6, 8, 49, 37})));
}

TEST(HttpDateTest, TextThatIsNoDate) {
    const std::string cases[] = {
        "",
        "   ",
        "yesterday",
        "Sun, 06 Nov 1994 08:49:37",      // no zone
        "Sun, 06 Nov 1994 08:49:37 CET",  // a zone by name
        "Sun, 06 Nov 1994 08:49:37 +08",
        "Sun, 06 Nov 1994 08:49:37 GMT x",  // text left over
        "Sun, 06 Nov 94 08:49:37 GMT",      // a two-digit year where four belong
        "Sun, 06 Nov 19945 08:49:37 GMT",
        "Sun, 31 Nov 1994 08:49:37 GMT",
        "Wed, 29 Feb 2023 08:49:37 GMT",
        "Sun, 00 Nov 1994 08:49:37 GMT",
        "Sun, 06 Nov 1994 24:00:00 GMT",
        "Sun, 06 Nov 1994 08:60:00 GMT",
        "Sun, 06 Nov 1994 8:49:37 GMT",
        "Sun, 06 Nov 1994 08-49-37 GMT",
        "Sun, 06 Noe 1994 08:49:37 GMT",
        "Snd, 06 Nov 1994 08:49:37 GMT",
        "06 Nov 1994 08:49:37 GMT",
        "Sun 06 Nov 1994 08:49:37 GMT",  // no comma: not the C library's order
        "Sunday, 06-Nov-947 08:49:37 GMT",
        "Sunday, 06-Nov 08:49:37 GMT",
        "Sunday, 06-Nov-94 08:49:37",
        "Sun Nov  6 08:49:37 94",
        "Sun Nov  6 08:49:37 1994 GMT",
        "Sun, 06 Nov 1994 08:49:37 GMT\xE3\x80\x80",
    };
    for (const std::string& text : cases) {
        EXPECT_FALSE(ParseHttpDate(text, 2025).has_value()) << text;
    }
}

}  // namespace
}  // namespace yf
