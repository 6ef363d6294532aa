#include "skin/families/header/header_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace yf {
namespace {

TEST(HeaderLayoutTest, AnItemIsHitOnlyOutsideTheDividerZones) {
    const std::vector<HeaderSpan> items = {{0, 80}, {80, 150}, {150, 158}};
    struct Case {
        int x;
        int item;
    } cases[] = {
        {4, 0},   {5, 1},    {40, 1},   {75, 1},  // the first item's zones end 5 pixels in
        {76, 0},  {80, 0},   {84, 0},             // both sides of the first divider
        {85, 2},  {145, 2},  {146, 0},
        {153, 0}, {155, 0},                       // an item too narrow has no inside at all
        {-3, 0},  {400, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(HeaderHitItem(items, c.x), c.item) << c.x;
    EXPECT_EQ(HeaderHitItem({}, 10), 0);
}

TEST(HeaderLayoutTest, IconSitsByTheItemsAlignment) {
    struct Case {
        int format;
        int cellWidth;
        int iconWidth;
        int textWidth;
        int x;
    } cases[] = {
        {0x0, 120, 16, 40, 6},            // left: at the margin
        {0x4000 | 0x0, 120, 0, 40, 6},    // HDF_STRING beside the alignment bits
        {0x1, 120, 16, 40, 64},           // right: icon and title end at the right edge
        {0x1, 120, 0, 40, 80},
        {0x2, 120, 16, 40, 29},           // centred: (120 - 16 - 6 - 40) / 2
        {0x2, 120, 0, 41, 36},
        {0x1, 60, 16, 40, 6},             // too wide for the cell: back to the margin
        {0x2, 62, 16, 40, 6},             // 16 + 6 + 40 = 62 counts as too wide
        {0x3, 120, 16, 40, 6},            // both bits: the format's "justify mask" reads left
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HeaderIconX(HeaderAlignOf(c.format), c.cellWidth, c.iconWidth, 6, c.textWidth),
                  c.x)
            << std::hex << c.format << std::dec << " " << c.cellWidth;
    }
}

TEST(HeaderLayoutTest, TitleFollowsTheIconAndTheLastCellOfAListViewReachesItsEdge) {
    EXPECT_EQ(HeaderTitleRect(6, 16, 120, 20, 6), (gfx::RectF{22, 0, 92, 20}));
    EXPECT_EQ(HeaderTitleRect(6, 0, 120, 20, 6), (gfx::RectF{6, 0, 108, 20}));
    // A cell narrower than its margins gets an empty title, never a negative one.
    EXPECT_EQ(HeaderTitleRect(6, 16, 20, 20, 6).width, 0);

    EXPECT_EQ(HeaderCellRight(210, true, 300), 300);
    EXPECT_EQ(HeaderCellRight(210, false, 300), 210);
    EXPECT_EQ(HeaderCellRight(350, true, 300), 350);  // wider than the view already
}

TEST(HeaderLayoutTest, TitlesTooWideEndInAnEllipsis) {
    // Each character 10 pixels wide, the ellipsis too; a counter keeps the search short.
    int measured = 0;
    const auto width = [&measured](std::string_view text) {
        ++measured;
        float characters = 0;
        for (unsigned char c : text) characters += (c & 0xC0) != 0x80;
        return characters * 10;
    };
    struct Case {
        const char* title;
        float available;
        const char* shown;
    } cases[] = {
        {"名称", 20, "名称"},                  // fits exactly
        {"修改时间", 35, "修改…"},             // three characters and the ellipsis do not fit
        {"修改时间", 39.9f, "修改…"},
        {"修改时间", 40, "修改时间"},
        {"Size of file", 60, "Size …"},
        {"很长很长很长很长很长很长很长的标题", 100, "很长很长很长很长很…"},
        {"修改时间", 12, "…"},                 // no character fits beside it
        {"修改时间", 5, ""},                   // not even the ellipsis
        {"", 5, ""},
    };
    for (const Case& c : cases) {
        measured = 0;
        EXPECT_EQ(TrimTitle(c.title, c.available, width), c.shown) << c.title << " " << c.available;
        EXPECT_LE(measured, 8) << c.title;
    }
}

TEST(HeaderLayoutTest, OnlyAHeaderWithButtonsShowsTheLitAndPressedLooks) {
    constexpr gfx::ColourRef accent = 0x3366CC;
    for (const bool buttons : {false, true}) {
        const HeaderCellState state{buttons, true, 2, 2};
        const HeaderCellLook lit = ChooseHeaderCell(state, 2, true, 0, accent);
        const HeaderCellLook other = ChooseHeaderCell(state, 1, true, 0, accent);
        EXPECT_EQ(lit.hot.has_value(), buttons);
        EXPECT_EQ(lit.pressed.has_value(), buttons);
        EXPECT_FALSE(other.hot || other.pressed);
        EXPECT_EQ(lit.face, other.face);
    }
    const HeaderCellLook withButtons = ChooseHeaderCell({true, true, 1, 0}, 1, true, 0, accent);
    EXPECT_EQ(withButtons.face, (HeaderGradient{gfx::MakeArgb(gfx::kWhiteRef, 80),
                                                gfx::MakeArgb(accent, 120)}));
    EXPECT_EQ(withButtons.hot, (HeaderGradient{gfx::MakeArgb(accent, 60),
                                               gfx::MakeArgb(gfx::kBlackRef, 30)}));
    EXPECT_FALSE(withButtons.pressed);
    const HeaderCellLook plain = ChooseHeaderCell({false, false, 0, 0}, 1, true, 0, accent);
    EXPECT_EQ(plain.face,
              (HeaderGradient{gfx::MakeArgb(accent, 60), gfx::MakeArgb(accent, 10)}));
    // Hover needs the mouse on the header, not just a remembered item.
    EXPECT_FALSE(ChooseHeaderCell({true, false, 1, 0}, 1, true, 0, accent).hot);
    // The base fill: the veil when see-through, else opaque white.
    EXPECT_EQ(plain.base, gfx::MakeArgb(gfx::kWhiteRef, 0));
    EXPECT_EQ(ChooseHeaderCell({}, 1, true, 90, accent).base, gfx::MakeArgb(gfx::kWhiteRef, 90));
    EXPECT_EQ(ChooseHeaderCell({}, 1, false, 90, accent).base, gfx::MakeArgb(gfx::kWhiteRef));
}

TEST(HeaderLayoutTest, MouseMovesRepaintOnlyWhenTheLitItemChanges) {
    struct Step {
        int hit;
        bool pressed;
        bool repaint;
        int painted;  // paintedHotItem afterwards
    } steps[] = {
        {0, false, false, 0},  // entering over a divider zone: nothing was lit
        {1, false, true, 1},   // onto item 1
        {1, false, false, 1},  // further moves over it
        {2, false, true, 2},   // across to item 2
        {0, false, true, 0},   // onto a divider: painted plain once
        {0, false, false, 0},
        {1, true, false, 0},   // with the button down nothing new is lit
        {2, false, true, 2},
    };
    HeaderHover hover;
    for (const Step& step : steps) {
        EXPECT_EQ(NoteHeaderMove(hover, step.hit, step.pressed), step.repaint)
            << step.hit << " " << step.pressed;
        EXPECT_EQ(hover.paintedHotItem, step.painted);
        EXPECT_EQ(hover.hotItem, step.hit);
        EXPECT_EQ(hover.hover, step.hit != 0);
    }
}

}  // namespace
}  // namespace yf
