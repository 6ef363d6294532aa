#include "widgets/label_style.h"

#include <gtest/gtest.h>

namespace yf {
namespace {

TEST(LabelStyleTest, EffectsDrawTheirCopiesBeforeTheText) {
    const std::uint32_t orange = 0x0080FF;
    struct Case {
        int effect;
        std::vector<std::tuple<int, int, std::uint32_t>> copies;
    } cases[] = {
        {0, {{0, 0, orange}}},
        {1, {{1, 1, 0xFFFFFF}, {0, 0, orange}}},
        {2, {{0, 0, 0xFFFFFF}, {1, 1, orange}}},
        {3, {{2, 2, 0x000000}, {0, 0, orange}}},
        {7, {{2, 2, 0x000000}, {0, 0, orange}}},  // clamped to 3
        {-1, {{0, 0, orange}}},                   // clamped to 0
    };
    for (const Case& c : cases) {
        LabelStyle style;
        style.effect = c.effect;
        style.colour = orange;
        const auto copies = TextCopies(style);
        ASSERT_EQ(copies.size(), c.copies.size()) << c.effect;
        for (size_t i = 0; i < copies.size(); ++i) {
            EXPECT_EQ(std::make_tuple(copies[i].dx, copies[i].dy, copies[i].colour), c.copies[i])
                << "effect " << c.effect << " copy " << i;
        }
    }
}

TEST(LabelStyleTest, AlignmentsAreClampedToTheirRanges) {
    LabelStyle style;
    style.horizontalAlign = 5;
    style.verticalAlign = -3;
    const LabelStyle clamped = Clamped(style);
    EXPECT_EQ(clamped.horizontalAlign, 2);
    EXPECT_EQ(clamped.verticalAlign, 0);
}

}  // namespace
}  // namespace yf
