// The text rules of the hour, minute and second fields.
#include "scheduler/time_fields.h"

#include <gtest/gtest.h>

namespace yf {
namespace {

TEST(TimeFieldsTest, SpinnerStepsWrapAndKeepTwoDigits) {
    struct Case {
        const char* caption;
        int max;
        int direction;
        const char* expected;
    };
    const Case cases[] = {
        {"59", 59, +1, "00"},  {"00", 59, -1, "59"},  {"23", 23, +1, "00"}, {"00", 23, -1, "23"},
        {"9", 59, +1, "10"},   {"9", 59, -1, "08"},   {"", 59, +1, "01"},   {"", 23, -1, "23"},
        {"abc", 59, +1, "01"}, {"abc", 59, -1, "59"}, {"30", 59, +1, "31"}, {"10", 23, -1, "09"},
        {"60", 59, +1, "00"},  {"60", 59, -1, "59"},  {"22", 23, +1, "23"}, {"０７", 59, +1, "08"},
        {"5x", 23, -1, "04"},  {"-3", 59, -1, "59"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.caption) + " by " + std::to_string(c.direction));
        EXPECT_EQ(SteppedCaption(c.caption, c.max, c.direction), c.expected);
    }
}

TEST(TimeFieldsTest, OtherDirectionsChangeNothing) {
    for (int direction : {0, 2, -2}) EXPECT_EQ(SteppedCaption("17", 23, direction), std::nullopt);
}

TEST(TimeFieldsTest, ProposalIsTheNextHourAndTheNextMinute) {
    struct Case {
        DateTime now;
        const char* hour;
        const char* minute;
    };
    const Case cases[] = {
        {{2024, 3, 1, 16, 29, 10}, "17", "30"},
        {{2024, 3, 1, 23, 15, 0}, "00", "16"},
        {{2024, 3, 1, 8, 5, 59}, "09", "06"},
        // Minute 59 proposes "00", which the spinners can reach and the parse accepts.
        {{2024, 3, 1, 10, 59, 0}, "11", "00"},
        {{2024, 3, 1, 23, 59, 30}, "00", "00"},
    };
    for (const Case& c : cases) {
        const ProposedTime proposal = ProposeNextHourAndMinute(c.now);
        EXPECT_EQ(proposal.hour, c.hour);
        EXPECT_EQ(proposal.minute, c.minute);
    }
}

}  // namespace
}  // namespace yf
