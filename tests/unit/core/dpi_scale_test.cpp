#include "core/dpi_scale.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace yf {
namespace {

struct MulDivCase {
    int number, numerator, denominator, expected;
};

// The documented rule: nearest integer, a positive half rounds up, a negative half rounds down,
// -1 for a zero denominator or an overflow. The product is taken in 64 bits.
TEST(MulDivRoundedTest, RoundsHalvesAwayFromZeroAsWindowsDoes) {
    const MulDivCase cases[] = {
        {3, 1, 2, 2},
        {-3, 1, 2, -2},
        {3, -1, 2, -2},
        {3, 1, -2, -2},
        {-3, -1, 2, 2},
        {-3, 1, -2, 2},
        {5, 1, 4, 1},
        {7, 1, 4, 2},
        {-5, 1, 4, -1},
        {-7, 1, 4, -2},
        {1, 1, 3, 0},
        {2, 1, 3, 1},
        {-2, 1, 3, -1},
        {0, 5, 7, 0},
        {9, 0, 7, 0},
        {5, 7, 0, -1},
        {INT_MAX, 2, 1, -1},
        {INT_MAX, 2, 2, INT_MAX},
        {INT_MIN, 1, 1, INT_MIN},
        {INT_MIN, -1, 1, -1},
        {46341, 46341, 46341, 46341},
    };
    for (const MulDivCase& c : cases) {
        EXPECT_EQ(MulDivRounded(c.number, c.numerator, c.denominator), c.expected)
            << c.number << " * " << c.numerator << " / " << c.denominator;
    }
}

// One row per DPI the program is tested at: every value of the layout's kinds (1-pixel steps,
// odd values whose scaled value ends in .25, .5 or .75, negatives) as MulDiv rounds it.
struct ScaleRow {
    int dpi;
    int percent;
    std::vector<int> scaled;  // of kLogical, in order
    std::vector<int> lines;   // line widths of 1, 2, 3
};

const std::vector<int> kLogical = {1, 2, 3, 5, 7, 12, 14, 16, 25, 26, 48, 255, 371, -1, -2, -3};

class DpiScaleTableTest : public ::testing::TestWithParam<ScaleRow> {};

TEST_P(DpiScaleTableTest, ScalesLengthsAsMulDivRounds) {
    const ScaleRow& row = GetParam();
    const DpiScale scale(row.dpi);
    EXPECT_EQ(scale.Percent(), row.percent);
    ASSERT_EQ(row.scaled.size(), kLogical.size());
    for (size_t i = 0; i < kLogical.size(); ++i) {
        EXPECT_EQ(scale.Scale(kLogical[i]), row.scaled[i]) << kLogical[i] << " at " << row.dpi;
    }
}

TEST_P(DpiScaleTableTest, FontHeightsOfTheLayoutFollowTheScale) {
    const ScaleRow& row = GetParam();
    const DpiScale scale(row.dpi);
    // F12, F14, F16 / Y16 and Y48 are kLogical[5], [6], [7] and [10].
    EXPECT_EQ(scale.FontHeight(12), row.scaled[5]);
    EXPECT_EQ(scale.FontHeight(14), row.scaled[6]);
    EXPECT_EQ(scale.FontHeight(16), row.scaled[7]);
    EXPECT_EQ(scale.FontHeight(48), row.scaled[10]);
}

TEST_P(DpiScaleTableTest, LinesAreWholePixelsAndNeverVanish) {
    const ScaleRow& row = GetParam();
    const DpiScale scale(row.dpi);
    EXPECT_EQ(scale.Line(0), 0);
    EXPECT_EQ(scale.Line(1), row.lines[0]);
    EXPECT_EQ(scale.Line(2), row.lines[1]);
    EXPECT_EQ(scale.Line(3), row.lines[2]);
}

// Scaling a value up and back down gives the value again: a mouse position turned into layout
// units lands on the control that was laid out there.
TEST_P(DpiScaleTableTest, UnscaleUndoesScale) {
    const DpiScale scale(GetParam().dpi);
    for (int value = -400; value <= 400; ++value) {
        ASSERT_EQ(scale.Unscale(scale.Scale(value)), value) << value;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Dpis, DpiScaleTableTest,
    ::testing::Values(
        ScaleRow{96, 100, {1, 2, 3, 5, 7, 12, 14, 16, 25, 26, 48, 255, 371, -1, -2, -3}, {1, 2, 3}},
        ScaleRow{
            120, 125, {1, 3, 4, 6, 9, 15, 18, 20, 31, 33, 60, 319, 464, -1, -3, -4}, {1, 2, 3}},
        ScaleRow{
            144, 150, {2, 3, 5, 8, 11, 18, 21, 24, 38, 39, 72, 383, 557, -2, -3, -5}, {1, 3, 4}},
        ScaleRow{
            168, 175, {2, 4, 5, 9, 12, 21, 25, 28, 44, 46, 84, 446, 649, -2, -4, -5}, {1, 3, 5}},
        ScaleRow{192,
                 200,
                 {2, 4, 6, 10, 14, 24, 28, 32, 50, 52, 96, 510, 742, -2, -4, -6},
                 {2, 4, 6}}),
    [](const auto& test) { return std::to_string(test.param.dpi); });

struct Box {
    int left, top, width, height;
    bool operator==(const Box&) const = default;
};
struct Edges {
    int left, top, right, bottom;
    bool operator==(const Edges&) const = default;
};

struct RectRow {
    int dpi;
    Box caption, button, minuteBox, window;
};

// A caption label, the OK button, the minute box and the whole window of the main layout, at
// each DPI. The minute box's width scaled on its own would be 43 at 120 DPI; its edges give 42.
TEST(DpiScaleRectTest, ScalesTheLayoutsRectangles) {
    const RectRow rows[] = {
        {96, {8, 12, 64, 24}, {83, 220, 56, 24}, {118, 46, 34, 24}, {0, 0, 371, 255}},
        {120, {10, 15, 80, 30}, {104, 275, 70, 30}, {148, 58, 42, 30}, {0, 0, 464, 319}},
        {144, {12, 18, 96, 36}, {125, 330, 84, 36}, {177, 69, 51, 36}, {0, 0, 557, 383}},
        {168, {14, 21, 112, 42}, {145, 385, 98, 42}, {207, 81, 59, 42}, {0, 0, 649, 446}},
        {192, {16, 24, 128, 48}, {166, 440, 112, 48}, {236, 92, 68, 48}, {0, 0, 742, 510}},
    };
    for (const RectRow& row : rows) {
        const DpiScale scale(row.dpi);
        EXPECT_EQ(scale.ScaleRect(Box{8, 12, 64, 24}), row.caption) << row.dpi;
        EXPECT_EQ(scale.ScaleRect(Box{83, 220, 56, 24}), row.button) << row.dpi;
        EXPECT_EQ(scale.ScaleRect(Box{118, 46, 34, 24}), row.minuteBox) << row.dpi;
        EXPECT_EQ(scale.ScaleRect(Box{0, 0, 371, 255}), row.window) << row.dpi;
        const Box& b = row.button;
        EXPECT_EQ(scale.ScaleEdges(Edges{83, 220, 139, 244}),
                  (Edges{b.left, b.top, b.left + b.width, b.top + b.height}))
            << row.dpi;
    }
}

// Rectangles that tile a strip edge to edge at 96 DPI (odd widths, so that widths scaled on
// their own would round differently from the edges) still tile it at every DPI, and the strip
// ends where the whole scaled width ends.
TEST(DpiScaleRectTest, AdjacentRectanglesStayAdjacent) {
    const int widths[] = {7, 13, 19, 5, 3, 26, 1, 9, 11, 17};
    for (const int dpi : {96, 120, 144, 168, 192, 216}) {
        const DpiScale scale(dpi);
        int left = 3;
        int scaledEnd = scale.Scale(left);
        for (const int width : widths) {
            const Box box = scale.ScaleRect(Box{left, 0, width, 1});
            EXPECT_EQ(box.left, scaledEnd) << "gap or overlap at " << left << ", " << dpi;
            EXPECT_GE(box.width, 1) << dpi;
            scaledEnd = box.left + box.width;
            left += width;
        }
        EXPECT_EQ(scaledEnd, scale.Scale(left)) << dpi;
    }
}

TEST(DpiScaleTest, FailedQueriesAndOtherDpisFallBackSensibly) {
    EXPECT_EQ(DpiScale(0).Dpi(), 96);
    EXPECT_EQ(DpiScale(-5).Dpi(), 96);
    EXPECT_TRUE(DpiScale().IsBase());
    EXPECT_FALSE(DpiScale(120).IsBase());
    // 38 pixels at 144 DPI are 25 at 96 and 32 at 120 (31.67).
    EXPECT_EQ(DpiScale(96).FromDpi(38, 144), 25);
    EXPECT_EQ(DpiScale(120).FromDpi(38, 144), 32);
    EXPECT_EQ(DpiScale(120).FromDpi(38, 0), 38);
    EXPECT_EQ(DpiScale(144).FontHeight(0), 1);
    EXPECT_FLOAT_EQ(DpiScale(144).ScaleF(2.5f), 3.75f);

    struct Spot {
        int x, y;
    };
    const Spot spot = DpiScale(144).ScalePoint(Spot{3, -3});
    EXPECT_EQ(spot.x, 5);
    EXPECT_EQ(spot.y, -5);
}

}  // namespace
}  // namespace yf
