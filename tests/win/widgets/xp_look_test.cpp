// The XP-like look on real controls under Wine: which controls it takes over, the frames it
// paints, and that switching it off gives every control its own look back.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "core/unique_handle_win.h"
#include "support/message_pump.h"
#include "support/pixels.h"
#include "widgets/widget_state_win.h"
#include "widgets/xp_look_win.h"

namespace yf::xp {
namespace {

using testing::PumpFor;

constexpr COLORREF kBlueFrame = RGB(123, 158, 189);

class XpLookTest : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX common{sizeof(common), ICC_UPDOWN_CLASS};
        ::InitCommonControlsEx(&common);
        host_.reset(::CreateWindowExW(0, L"STATIC", L"host", WS_POPUP | WS_VISIBLE, 100, 100, 400,
                                      300, nullptr, nullptr, nullptr, nullptr));
        readOnly_ = Child(L"EDIT", L"", ES_READONLY, WS_EX_CLIENTEDGE, 10, 10, 80, 24);
        editable_ = Child(L"EDIT", L"", 0, WS_EX_CLIENTEDGE, 10, 40, 80, 24);
        bare_ = Child(L"EDIT", L"", 0, 0, 10, 70, 80, 24);
        spin_ = Child(UPDOWN_CLASSW, L"", 0, 0, 100, 10, 19, 24);
        ownerDrawn_ = Child(L"BUTTON", L"x", BS_OWNERDRAW, 0, 100, 40, 60, 24);
        simpleCombo_ = Child(L"COMBOBOX", L"", CBS_SIMPLE, 0, 200, 10, 80, 60);
    }
    void TearDown() override {
        SwitchXpLook(0);
        host_.reset();
        PumpFor(20);
    }

    HWND Child(const wchar_t* cls, const wchar_t* text, DWORD style, DWORD exStyle, int x, int y,
               int w, int h) {
        return ::CreateWindowExW(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h,
                                 host_.get(), nullptr, nullptr, nullptr);
    }

    void Repaint(HWND window) {
        ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
        PumpFor(50);
    }

    WidgetState widgets_;  // the look's records, for the whole test
    UniqueWindow host_;
    HWND readOnly_{}, editable_{}, bare_{}, spin_{}, ownerDrawn_{}, simpleCombo_{};
};

TEST_F(XpLookTest, TakesOverKnownKindsOnlyAndControlsCreatedLater) {
    ASSERT_EQ(SwitchXpLook(1), 1);
    EXPECT_EQ(TakenOverAs(readOnly_), Kind::Edit);
    EXPECT_EQ(TakenOverAs(spin_), Kind::UpDown);
    EXPECT_FALSE(TakenOverAs(ownerDrawn_));
    EXPECT_FALSE(TakenOverAs(simpleCombo_));
    EXPECT_FALSE(TakenOverAs(host_.get()));  // a static is not one of the kinds

    HWND later = Child(L"BUTTON", L"later", BS_AUTOCHECKBOX, 0, 200, 100, 80, 20);
    EXPECT_EQ(TakenOverAs(later), Kind::CheckBox);
    HWND group = Child(L"BUTTON", L"", BS_GROUPBOX, 0, 200, 130, 80, 60);
    EXPECT_EQ(TakenOverAs(group), Kind::GroupBox);
    EXPECT_TRUE(StateOf(readOnly_)->readOnly);
    EXPECT_FALSE(StateOf(editable_)->readOnly);
}

// Windows created while the look is on, of a kind it does not take, keep every message of
// their creation: a list view builds its header in its WM_CREATE.
TEST_F(XpLookTest, WindowsItDoesNotTakeStillGetTheirCreation) {
    ASSERT_EQ(SwitchXpLook(1), 1);
    INITCOMMONCONTROLSEX lists{sizeof(lists), ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&lists);
    HWND view = Child(WC_LISTVIEWW, L"", LVS_REPORT, 0, 10, 100, 150, 100);
    EXPECT_FALSE(TakenOverAs(view));
    EXPECT_NE(ListView_GetHeader(view), nullptr);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = 70;
    column.pszText = const_cast<wchar_t*>(L"列1");
    EXPECT_EQ(ListView_InsertColumn(view, 0, &column), 0);
    EXPECT_EQ(Header_GetItemCount(ListView_GetHeader(view)), 1);
}

TEST_F(XpLookTest, EditFramesAreBlueOutsideAndFaceOrWindowColouredInside) {
    SwitchXpLook(1);
    Repaint(readOnly_);
    Repaint(editable_);
    const testing::Pixels readOnly = testing::CaptureWindow(readOnly_);
    const testing::Pixels editable = testing::CaptureWindow(editable_);
    auto rgb = [](COLORREF c) { return static_cast<std::uint32_t>(GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c)); };
    EXPECT_EQ(readOnly.At(0, 0), rgb(kBlueFrame));
    EXPECT_EQ(readOnly.At(40, 23), rgb(kBlueFrame));
    EXPECT_EQ(readOnly.At(1, 5), rgb(::GetSysColor(COLOR_BTNFACE)));
    EXPECT_EQ(editable.At(0, 5), rgb(kBlueFrame));
    EXPECT_EQ(editable.At(1, 5), rgb(::GetSysColor(COLOR_WINDOW)));

    // Disabled: the frame is the face colour darkened by 32.
    ::EnableWindow(editable_, FALSE);
    Repaint(editable_);
    EXPECT_EQ(testing::CaptureWindow(editable_).At(0, 5),
              rgb(DisabledFrameColour(::GetSysColor(COLOR_BTNFACE))));
}

TEST_F(XpLookTest, AnEditWithoutBorderKeepsItsOwnPainting) {
    Repaint(bare_);
    const testing::Pixels before = testing::CaptureWindow(bare_);
    SwitchXpLook(1);
    Repaint(bare_);
    EXPECT_EQ(testing::CountDifferentPixels(testing::CaptureWindow(bare_), before), 0);
}

TEST_F(XpLookTest, SwitchingOffRestoresEveryControlAtOnce) {
    Repaint(editable_);
    Repaint(spin_);
    const testing::Pixels editBefore = testing::CaptureWindow(editable_);
    const testing::Pixels spinBefore = testing::CaptureWindow(spin_);
    SwitchXpLook(1);
    Repaint(editable_);
    Repaint(spin_);
    EXPECT_GT(testing::CountDifferentPixels(testing::CaptureWindow(editable_), editBefore), 0);
    EXPECT_GT(testing::CountDifferentPixels(testing::CaptureWindow(spin_), spinBefore), 0);

    EXPECT_EQ(SwitchXpLook(0), 0);
    EXPECT_FALSE(IsXpLookOn());
    EXPECT_FALSE(TakenOverAs(editable_));
    PumpFor(50);
    // No repaint asked for here: switching off redraws at once.
    EXPECT_EQ(testing::CountDifferentPixels(testing::CaptureWindow(editable_), editBefore), 0);
    EXPECT_EQ(testing::CountDifferentPixels(testing::CaptureWindow(spin_), spinBefore), 0);
    HWND later = Child(L"EDIT", L"", 0, WS_EX_CLIENTEDGE, 200, 200, 60, 20);
    EXPECT_FALSE(TakenOverAs(later));
}

TEST_F(XpLookTest, HoverAndFocusStatesFollowTheMessages) {
    SwitchXpLook(1);
    ::SendMessageW(spin_, WM_MOUSEMOVE, 0, MAKELPARAM(5, 3));
    EXPECT_TRUE(StateOf(spin_)->hovered);
    EXPECT_EQ(StateOf(spin_)->hotHalf, 1);
    ::SendMessageW(spin_, WM_MOUSEMOVE, 0, MAKELPARAM(5, 20));
    EXPECT_EQ(StateOf(spin_)->hotHalf, 2);
    ::SendMessageW(spin_, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(StateOf(spin_)->hovered);

    ::SetFocus(editable_);
    EXPECT_TRUE(StateOf(editable_)->focused);
    ::SetFocus(readOnly_);
    EXPECT_FALSE(StateOf(editable_)->focused);
    ::DestroyWindow(editable_);
    EXPECT_FALSE(TakenOverAs(editable_));
}

}  // namespace
}  // namespace yf::xp
