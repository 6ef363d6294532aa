#include "skin/families/list/list_frame.h"

#include <gtest/gtest.h>

namespace yf {
namespace {

constexpr std::uint32_t kBorder = 0x00800000;  // WS_BORDER
constexpr std::uint32_t kClientEdge = 0x200;

TEST(ListFrameTest, InteriorHoldsClientAreaAndScrollBars) {
    struct Case {
        const char* what;
        ListSizes sizes;
        PixelBox expected;
    } cases[] = {
        // 1-pixel border, a 17-pixel vertical bar: the interior is (1, 1, W - 1, H - 1).
        {"list box with a bar", {120, 90, 101, 88, true, false, 17, 0}, {1, 1, 118, 88}},
        {"client edge, both bars", {150, 100, 129, 79, true, true, 17, 17}, {2, 2, 146, 96}},
        {"a bar the style lacks is not counted", {120, 90, 118, 88, false, false, 17, 17},
         {1, 1, 118, 88}},
        {"no border", {80, 60, 80, 60}, {0, 0, 80, 60}},
        {"odd difference rounds down", {81, 61, 78, 58}, {1, 1, 78, 58}},
        // Squeezed by the system: the interior is larger than the window; halves round down.
        {"interior wider than the window", {30, 20, 20, 22, true, false, 17, 0},
         {-4, -1, 37, 22}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ListInteriorRect(c.sizes), c.expected) << c.what;
    }
}

TEST(ListFrameTest, BorderComesFromTheBorderStyleOrAnEdgeExtendedStyle) {
    struct Case {
        std::uint32_t style;
        std::uint32_t exStyle;
        bool border;
    } cases[] = {
        {kBorder, 0, true},          {0, 0x1, true},    // dialog modal frame
        {0, 0x100, true},            {0, kClientEdge, true},
        {0, 0, false},               {0x00400000, 0, false},  // WS_DLGFRAME alone is not one
        {0, 0x20 | 0x80000, false},  // transparent, layered
        {0x00200000 | 0x00100000, 0, false},  // scroll bars alone
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HasBorder(c.style, c.exStyle), c.border) << std::hex << c.style << " " << c.exStyle;
    }
}

TEST(ListFrameTest, ClassesAndTheirTakeOver) {
    struct Case {
        const char* className;
        ListKind kind;
        std::uint32_t style;
        bool taken;
    } cases[] = {
        {"ListBox", ListKind::ListBox, 0x10, true},  // owner-drawn list boxes too
        {"listbox", ListKind::ListBox, 0, true},
        {"ComboLBox", ListKind::ComboList, 0, true},
        {"ComboLBox", ListKind::ComboList, 0x10, false},  // owner-drawn fixed
        {"ComboLBox", ListKind::ComboList, 0x20, true},
        {"SysListView32", ListKind::ListView, 0x1, true},
        {"SysListView32", ListKind::ListView, 0x10 | 0x1, false},
        {"SysTreeView32", ListKind::TreeView, 0, true},
        {"SysIPAddress32", ListKind::IpAddress, 0, true},
        {"SysDateTimePick32", ListKind::DateTimePicker, 0, true},
        {"Edit", ListKind::Other, 0, false},
        {"SysListView", ListKind::Other, 0, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ListKindOf(c.className), c.kind) << c.className;
        EXPECT_EQ(TakesOverList(ListKindOf(c.className), c.style), c.taken)
            << c.className << " " << c.style;
    }
}

TEST(ListFrameTest, FrameLinesByState) {
    constexpr gfx::ColourRef accent = 0x2288EE;
    EXPECT_EQ(ChooseListFrame(100, 80, false, false, accent),
              (FrameLine{{0, 0, 99, 79}, 1, gfx::MakeArgb(gfx::kBlackRef, 90)}));
    EXPECT_EQ(ChooseListFrame(100, 80, true, false, accent),
              (FrameLine{{0, 0, 99, 79}, 1, gfx::MakeArgb(accent, 200)}));
    const FrameLine hot{{1, 1, 98, 78}, 2, gfx::MakeArgb(accent, 200)};
    EXPECT_EQ(ChooseListFrame(100, 80, false, true, accent), hot);
    EXPECT_EQ(ChooseListFrame(100, 80, true, true, accent), hot);

    EXPECT_TRUE(DrawsListFrame(ListKind::ListBox, true));
    EXPECT_FALSE(DrawsListFrame(ListKind::ListBox, false));
    EXPECT_FALSE(DrawsListFrame(ListKind::ComboList, true));
}

TEST(ListFrameTest, EachClassErasesAndPaintsItsOwnWayOverTheSkin) {
    struct Case {
        ListKind kind;
        std::uint32_t style;
        ListErase erase;
        ListPaint paint;
    } cases[] = {
        {ListKind::TreeView, 0, ListErase::Transparent, ListPaint::KeyedOverVeil},
        {ListKind::ListView, 0, ListErase::Transparent, ListPaint::IntoVeil},
        {ListKind::ListBox, 0, ListErase::Transparent, ListPaint::KeyedOverVeil},
        {ListKind::ListBox, 0x10, ListErase::PassOn, ListPaint::KeyedOverVeil},
        {ListKind::ListBox, 0x20, ListErase::PassOn, ListPaint::KeyedOverVeil},
        {ListKind::ComboList, 0, ListErase::Transparent, ListPaint::KeyedOverVeil},
        {ListKind::IpAddress, 0, ListErase::Transparent, ListPaint::WindowColourOverVeil},
        {ListKind::DateTimePicker, 0, ListErase::Veiled, ListPaint::PassOn},
    };
    for (const Case& c : cases) {
        const int kind = static_cast<int>(c.kind);
        EXPECT_EQ(ChooseListErase(c.kind, c.style, true), c.erase) << kind << " " << c.style;
        EXPECT_EQ(ChooseListPaint(c.kind, true), c.paint) << kind;
        // Without see-through painting every control erases and paints as it would.
        EXPECT_EQ(ChooseListErase(c.kind, c.style, false), ListErase::PassOn) << kind;
        EXPECT_EQ(ChooseListPaint(c.kind, false), ListPaint::PassOn) << kind;
    }
}

TEST(ListFrameTest, OnlyTheFourArrowKeysScroll) {
    // Home (0x24) and Select (0x29) sit right beside left (0x25) and down (0x28).
    const struct {
        unsigned key;
        bool arrow;
    } cases[] = {{0x24, false}, {0x25, true}, {0x26, true}, {0x27, true},
                 {0x28, true},  {0x29, false}, {0x21, false}, {0x0D, false}};
    for (const auto& c : cases) EXPECT_EQ(IsArrowKey(c.key), c.arrow) << c.key;
}

}  // namespace
}  // namespace yf
