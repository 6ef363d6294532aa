#include "core/text_number.h"

#include <gtest/gtest.h>

namespace yf {
namespace {

struct NumberCase {
    const char* text;
    double value;
};

class TextToNumberTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(TextToNumberTest, ReadsTheLeadingDecimalNumber) {
    EXPECT_DOUBLE_EQ(TextToNumber(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextToNumberTest,
    ::testing::Values(NumberCase{"１２", 12}, NumberCase{"５abc", 5}, NumberCase{"－３．５", -3.5},
                      NumberCase{"＋７", 7}, NumberCase{"1２", 12}, NumberCase{"+5", 5},
                      NumberCase{"-3.7x", -3.7}, NumberCase{"", 0}, NumberCase{"abc", 0},
                      NumberCase{" 7", 7}, NumberCase{"59", 59}, NumberCase{"09", 9},
                      NumberCase{".5", 0.5}, NumberCase{"5.", 5}, NumberCase{"-", 0},
                      NumberCase{"1e3", 1}, NumberCase{"0x1F", 0}, NumberCase{"inf", 0},
                      NumberCase{"1.2.3", 1.2}, NumberCase{"--1", 0},
                      NumberCase{"1417392000123) rest", 1417392000123.0},
                      NumberCase{"12 34", 12}, NumberCase{"时间5", 0}));

TEST(TwoDigitTextTest, PutsAZeroInFrontOfOneCharacter) {
    EXPECT_EQ(TwoDigitText(0), "00");
    EXPECT_EQ(TwoDigitText(9), "09");
    EXPECT_EQ(TwoDigitText(10), "10");
    EXPECT_EQ(TwoDigitText(123), "123");
    EXPECT_EQ(TwoDigitText(-5), "-5");
}

}  // namespace
}  // namespace yf
