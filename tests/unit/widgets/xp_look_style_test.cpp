#include "widgets/xp_look_style.h"

#include <gtest/gtest.h>

namespace yf::xp {
namespace {

constexpr std::uint32_t kChild = 0x40000000, kTabStop = 0x00010000, kPushLike = 0x1000;

TEST(XpLookStyleTest, ControlsAreClassifiedFromClassAndStyleBits) {
    struct Case {
        ControlFacts facts;
        std::optional<Kind> kind;
    } cases[] = {
        {{"Button", kChild | 0x0, "", true}, Kind::PushButton},
        {{"BUTTON", kChild | 0x1, "", true}, Kind::PushButton},
        {{"button", kChild | 0x3, "", true}, Kind::CheckBox},
        {{"Button", kChild | 0x3 | kPushLike, "", true}, Kind::PushButton},
        {{"Button", kChild | 0x6, "", true}, Kind::CheckBox},
        {{"Button", kChild | 0x9, "", true}, Kind::RadioButton},
        {{"Button", kChild | 0x4 | kPushLike, "", true}, Kind::PushButton},
        {{"Button", kChild | 0x7, "", false}, Kind::GroupBox},
        {{"Button", kChild | 0xB, "", true}, std::nullopt},           // owner-drawn
        {{"Button", kChild | 0x80, "", true}, std::nullopt},          // bitmap
        {{"Button", kChild | kTabStop, "", false}, std::nullopt},     // bare helper button
        {{"Button", kChild | kTabStop, "", true}, Kind::PushButton},
        {{"Button", kChild | kTabStop | 0x10000000, "", false}, Kind::PushButton},
        {{"Edit", kChild, "#32770", false}, Kind::Edit},
        {{"Edit", kChild, "SysIPAddress32", false}, std::nullopt},
        {{"ComboBox", kChild | 0x3, "", false}, Kind::ComboBox},
        {{"ComboBox", kChild | 0x2, "", false}, Kind::ComboBox},
        {{"ComboBox", kChild | 0x1, "", false}, std::nullopt},        // simple
        {{"msctls_updown32", kChild, "", false}, Kind::UpDown},
        {{"ComboLBox", 0, "", false}, Kind::DropList},
        {{"SysListView32", kChild, "", false}, std::nullopt},
        {{"msctls_trackbar32", kChild, "", false}, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Classify(c.facts), c.kind) << c.facts.className << " style " << std::hex << c.facts.style;
    }
}

TEST(XpLookStyleTest, SchemesAndDisabledFrames) {
    EXPECT_EQ(FrameColour(Scheme::Blue), 0xBD9E7Bu);
    EXPECT_EQ(FrameColour(Scheme::Olive), 0x7FB9A4u);
    EXPECT_EQ(FrameColour(Scheme::Silver), 0xD7C5C6u);
    EXPECT_EQ(DisabledFrameColour(0xF0F0F0), 0xD0D0D0u);
    EXPECT_EQ(DisabledFrameColour(0x10FF20), 0x00DF00u);  // no channel goes below 0
}

TEST(XpLookStyleTest, ButtonStatesHaveDistinctFaces) {
    State normal;
    State hovered;
    hovered.hovered = true;
    State focused;
    focused.focused = true;
    State pressed;
    pressed.pressed = true;
    State disabled;
    disabled.disabled = true;
    disabled.hovered = true;  // disabled wins
    const Face n = ButtonFace(normal, Scheme::Blue);
    const Face h = ButtonFace(hovered, Scheme::Blue);
    const Face f = ButtonFace(focused, Scheme::Blue);
    const Face p = ButtonFace(pressed, Scheme::Blue);
    const Face d = ButtonFace(disabled, Scheme::Blue);
    EXPECT_EQ(n.rim, n.top);  // no rim when idle
    EXPECT_NE(h.rim, f.rim);  // orange against blue
    EXPECT_NE(p.top, n.top);
    EXPECT_NE(d.text, n.text);
}

TEST(XpLookStyleTest, UpDownHalvesSplitAtTheMiddle) {
    EXPECT_EQ(UpDownHalf(5, 0, 19, 24, false), 1);
    EXPECT_EQ(UpDownHalf(5, 11, 19, 24, false), 1);
    EXPECT_EQ(UpDownHalf(5, 12, 19, 24, false), 2);
    EXPECT_EQ(UpDownHalf(5, 24, 19, 24, false), 0);
    EXPECT_EQ(UpDownHalf(8, 3, 19, 24, true), 1);
    EXPECT_EQ(UpDownHalf(9, 3, 19, 24, true), 2);
    EXPECT_EQ(UpDownHalf(-1, 3, 19, 24, true), 0);
}

}  // namespace
}  // namespace yf::xp
