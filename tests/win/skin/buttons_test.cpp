// The button family on real windows under Wine: push buttons, check boxes, automatic radio
// buttons and picture buttons standing on a skinned window and inside a registered group box,
// drawn over a flat grey skin with a red accent so each part can be told by its pixels.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <stdexcept>
#include <vector>

#include "skin/families/button/button_painter_win.h"
#include "skin/engine/child_hover.h"
#include "skin/engine/skin_engine_win.h"
#include "skin/engine/window_properties_win.h"
#include "support/message_pump.h"
#include "support/pictures.h"
#include "support/pixels.h"
#include "support/engine_inside.h"

namespace yf {
namespace {

using testing::Inside;
using testing::PumpFor;

constexpr wchar_t kHostClass[] = L"YfButtonsTestWindow";
constexpr gfx::ColourRef kAccent = 0x0000FF;  // red
constexpr std::uint32_t kGrey = 0x808080;

int R(std::uint32_t rgb) {
    return static_cast<int>((rgb >> 16) & 0xFF);
}
int G(std::uint32_t rgb) {
    return static_cast<int>((rgb >> 8) & 0xFF);
}
int B(std::uint32_t rgb) {
    return static_cast<int>(rgb & 0xFF);
}
bool IsReddish(std::uint32_t rgb) {
    return R(rgb) > G(rgb) + 40;
}
// The focus glow's colour (COLORREF 0xDDCA22): blue and green well over red.
bool IsGlowTinted(std::uint32_t rgb) {
    return B(rgb) > R(rgb) + 20 && G(rgb) > R(rgb) + 10;
}

// Clicks reported to the window, by control.
std::vector<HWND> clicks;

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        clicks.push_back(reinterpret_cast<HWND>(lParam));
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

class SkinnedButtonsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = HostProc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kHostClass;
        ::RegisterClassExW(&wc);
        clicks.clear();

        engine_ = std::make_unique<SkinEngine>();
        picture_ = testing::FlatPicture(20, 20, 0xFF000000 | kGrey);
        SkinPictureArgs args;
        args.bytes = picture_;
        args.themeColour = 0xC0C0C0;
        args.accentColour = kAccent;
        args.mode = PictureMode::Stretched;
        engine_->SetSkinPicture(args);
        ControlOptions options;
        options.veilAlpha = 0;
        engine_->SetControlOptions(options);

        window_ = ::CreateWindowExW(0, kHostClass, L"按钮", WS_POPUP, 100, 100, 400, 260, nullptr,
                                    nullptr, wc.hInstance, nullptr);
        font_.reset(
            ::CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, L"宋体"));
        first_ = Child(window_, L"确定", BS_PUSHBUTTON, 10, 40, 90, 28);
        second_ = Child(window_, L"取消", BS_DEFPUSHBUTTON, 110, 40, 90, 28);
        check_ = Child(window_, L"选项", BS_AUTOCHECKBOX, 10, 80, 120, 20);
        radio_ = Child(window_, L"单选", BS_AUTORADIOBUTTON, 10, 110, 120, 20);
        own_ = Child(window_, L"自绘", BS_OWNERDRAW, 220, 40, 60, 28);
        three_ = Child(window_, L"三态", BS_AUTO3STATE, 140, 80, 80, 20);
        group_ = Child(window_, L"", BS_GROUPBOX, 210, 80, 180, 170);
        inner_ = Child(group_, L"里面", BS_PUSHBUTTON, 10, 20, 90, 28);
        innerCheck_ = Child(group_, L"里面的框", BS_AUTOCHECKBOX, 10, 60, 120, 20);
        picture_button_ = Child(window_, L"图片", BS_PUSHBUTTON, 10, 150, 120, 40);
        engine_->SetControlTextColour(first_, 0);
        ApplySkinArgs apply;
        apply.window = window_;
        apply.captionHeight = 25;
        ASSERT_TRUE(engine_->ApplySkin(apply));
        ASSERT_EQ(engine_->RegisterContainer(group_), 1);
        ::ShowWindow(window_, SW_SHOWNOACTIVATE);
        ::UpdateWindow(window_);
        PumpFor(150);
    }

    void TearDown() override {
        if (::IsWindow(window_)) ::DestroyWindow(window_);
        engine_.reset();
        PumpFor(20);
    }

    HWND Child(HWND parent, const wchar_t* text, DWORD style, int x, int y, int w, int h) {
        HWND child = ::CreateWindowExW(0, L"BUTTON", text, WS_CHILD | WS_VISIBLE | style, x, y, w,
                                       h, parent, nullptr, nullptr, nullptr);
        ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
        return child;
    }

    ButtonPainter& Painter() { return *Inside().PainterOf<ButtonPainter>(); }

    static void Poison(HWND control) {
        WindowDc dc(control, WindowDc::Area::Whole);
        RECT outer{};
        ::GetWindowRect(control, &outer);
        RECT all{0, 0, outer.right - outer.left, outer.bottom - outer.top};
        UniqueBrush green(::CreateSolidBrush(RGB(0, 255, 0)));
        ::FillRect(dc.get(), &all, green.get());
    }
    static bool StillPoisoned(HWND control) {
        return testing::CaptureWindow(control).At(2, 2) == 0x00FF00u;
    }
    static int Count(const testing::Pixels& pixels, bool (*test)(std::uint32_t)) {
        int count = 0;
        for (int y = 0; y < pixels.height; ++y) {
            for (int x = 0; x < pixels.width; ++x) count += test(pixels.At(x, y));
        }
        return count;
    }
    static void Move(HWND control) { ::SendMessageW(control, WM_MOUSEMOVE, 0, MAKELPARAM(20, 10)); }
    static void Leave(HWND control) { ::SendMessageW(control, WM_MOUSELEAVE, 0, 0); }

    std::unique_ptr<SkinEngine> engine_;
    std::vector<std::uint8_t> picture_;
    UniqueFont font_;
    HWND window_ = nullptr, group_ = nullptr;
    HWND first_ = nullptr, second_ = nullptr, check_ = nullptr, radio_ = nullptr;
    HWND own_ = nullptr, three_ = nullptr, inner_ = nullptr, innerCheck_ = nullptr;
    HWND picture_button_ = nullptr;
};

TEST_F(SkinnedButtonsTest, PushButtonsBecomeOwnerDrawnAndOthersKeepTheirPainting) {
    const auto procedure = reinterpret_cast<LONG_PTR>(Painter().Procedure());
    for (HWND push : {first_, second_, inner_, picture_button_}) {
        EXPECT_EQ(::GetWindowLongW(push, GWL_STYLE) & 0xF, BS_OWNERDRAW);
        EXPECT_EQ(::GetWindowLongPtrW(push, GWLP_WNDPROC), procedure);
        EXPECT_EQ(prop::Get(push, prop::kOwnerIndex), 1);
    }
    // Check boxes and radio buttons keep their style; the group box is a container.
    EXPECT_EQ(::GetWindowLongW(check_, GWL_STYLE) & 0xF, BS_AUTOCHECKBOX);
    EXPECT_EQ(::GetWindowLongPtrW(radio_, GWLP_WNDPROC), procedure);
    EXPECT_EQ(::GetWindowLongPtrW(innerCheck_, GWLP_WNDPROC), procedure);
    for (HWND other : {own_, three_}) {
        EXPECT_EQ(prop::Get(other, prop::kListIndex), 0);
        EXPECT_NE(::GetWindowLongPtrW(other, GWLP_WNDPROC), procedure);
    }
    // Push buttons first, then the check and radio buttons, window before container.
    EXPECT_EQ(prop::Get(first_, prop::kListIndex), 1);
    EXPECT_EQ(prop::Get(second_, prop::kListIndex), 2);
    EXPECT_EQ(prop::Get(picture_button_, prop::kListIndex), 3);
    EXPECT_EQ(prop::Get(check_, prop::kListIndex), 4);
    EXPECT_EQ(prop::Get(radio_, prop::kListIndex), 5);
    EXPECT_EQ(Inside().Record(1)->ChildCount(ControlFamily::Buttons), 7);
    // The dialog manager's default-button switch does not undo the owner drawing.
    ::SendMessageW(second_, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    EXPECT_EQ(::GetWindowLongW(second_, GWL_STYLE) & 0xF, BS_OWNERDRAW);
}

TEST_F(SkinnedButtonsTest, PushButtonShowsThePictureThroughItsGlass) {
    for (HWND push : {first_, inner_}) {
        ::InvalidateRect(push, nullptr, TRUE);
        PumpFor(50);
        const testing::Pixels pixels = testing::CaptureWindow(push);
        // Grey picture under translucent white: lighter than the picture, not a system face.
        const std::uint32_t middle = pixels.At(5, 20);
        EXPECT_GT(R(middle), R(kGrey)) << std::hex << middle;
        EXPECT_LT(R(middle), 0xE0) << std::hex << middle;
        EXPECT_LT(R(pixels.At(0, 14)), R(middle));  // the dark outline
    }
}

TEST_F(SkinnedButtonsTest, MovingFromOneButtonToTheOtherRepaintsBoth) {
    Poison(first_);
    Move(first_);
    EXPECT_FALSE(StillPoisoned(first_));
    EXPECT_TRUE(IsReddish(testing::CaptureWindow(first_).At(0, 14)));  // lit outline
    EXPECT_EQ(Inside().Record(1)->childHover.hotKind, kButtonHotKind);

    Poison(first_);
    Move(first_);  // still over the same button: nothing to repaint
    EXPECT_TRUE(StillPoisoned(first_));

    Poison(second_);
    Move(second_);
    Leave(first_);
    EXPECT_FALSE(StillPoisoned(first_));
    EXPECT_FALSE(StillPoisoned(second_));
    EXPECT_FALSE(IsReddish(testing::CaptureWindow(first_).At(0, 14)));
}

TEST_F(SkinnedButtonsTest, FocusedButtonTheMouseLeavesGlowsInItsOwnColour) {
    ::SetFocus(first_);
    PumpFor(50);
    Move(first_);
    Leave(first_);
    const testing::Pixels pixels = testing::CaptureWindow(first_);
    // The 3-pixel glow along the top edge, whatever the accent colour (red here).
    int tinted = 0;
    for (int x = 10; x < 80; ++x) tinted += IsGlowTinted(pixels.At(x, 1));
    EXPECT_GT(tinted, 50) << std::hex << pixels.At(40, 1);
    EXPECT_FALSE(IsReddish(pixels.At(40, 1)));
}

TEST_F(SkinnedButtonsTest, ACheckBoxShowsItsNewStateAtOnce) {
    const testing::Pixels before = testing::CaptureWindow(check_);
    Poison(check_);
    ::SendMessageW(check_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 10));
    ::SendMessageW(check_, WM_LBUTTONUP, 0, MAKELPARAM(5, 10));
    ASSERT_EQ(::SendMessageW(check_, BM_GETCHECK, 0, 0), BST_CHECKED);
    // Painted without waiting for a paint message, with the tick in the box.
    EXPECT_FALSE(StillPoisoned(check_));
    const testing::Pixels after = testing::CaptureWindow(check_);
    int darker = 0;
    for (int y = 3; y < 16; ++y) {
        for (int x = 0; x < 13; ++x) darker += R(after.At(x, y)) + 60 < R(before.At(x, y));
    }
    EXPECT_GT(darker, 8);
    // The system's own face never shows: the picture lies beside the mark.
    EXPECT_EQ(after.At(100, 2), kGrey);
    EXPECT_EQ(clicks, std::vector<HWND>{check_});
}

TEST_F(SkinnedButtonsTest, RadioButtonsRepaintWhenTheSystemChecksThem) {
    Poison(radio_);
    ::SendMessageW(radio_, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_FALSE(StillPoisoned(radio_));
    const testing::Pixels on = testing::CaptureWindow(radio_);
    ::SendMessageW(radio_, BM_SETCHECK, BST_UNCHECKED, 0);
    const testing::Pixels off = testing::CaptureWindow(radio_);
    // The dot in the middle of the ring: teal at its edge, white at the ring's place when off.
    EXPECT_GT(testing::CountDifferentPixels(on, off), 10);
    EXPECT_EQ(off.At(60, 3), kGrey);
}

// The second click of a double click does not press the button again: one click, and an
// automatic check box changes once (its own procedure would take the double click for a second
// press and change back).
TEST_F(SkinnedButtonsTest, ADoubleClickPressesTheButtonOnce) {
    for (HWND button : {first_, check_}) {
        clicks.clear();
        ::SendMessageW(button, BM_SETCHECK, BST_UNCHECKED, 0);
        const LPARAM at = MAKELPARAM(20, 10);
        ::SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, at);
        ::SendMessageW(button, WM_LBUTTONUP, 0, at);
        ::SendMessageW(button, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        ::SendMessageW(button, WM_LBUTTONUP, 0, at);
        PumpFor(50);
        EXPECT_EQ(clicks, std::vector<HWND>{button});
        if (button == check_) EXPECT_EQ(::SendMessageW(check_, BM_GETCHECK, 0, 0), BST_CHECKED);
    }
}

// Preparing the buttons' faces after a composition may fail halfway (here the button's state
// cannot be read): nothing of that attempt may keep the buttons' later paints from showing.
LRESULT CALLBACK FailToTellTheState(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR armed) {
    if (message == BM_GETSTATE && *reinterpret_cast<const bool*>(armed)) {
        throw std::runtime_error("no state to tell");
    }
    return ::DefSubclassProc(button, message, wParam, lParam);
}

TEST_F(SkinnedButtonsTest, AFailedPreparationOfFacesLeavesLaterPaintsShowing) {
    bool armed = true;
    ::SetWindowSubclass(first_, FailToTellTheState, 1, reinterpret_cast<DWORD_PTR>(&armed));
    EXPECT_THROW(engine_->RenderWindow(1, nullptr, false), std::runtime_error);
    armed = false;
    Poison(first_);
    ::InvalidateRect(first_, nullptr, TRUE);
    ::UpdateWindow(first_);
    PumpFor(50);
    EXPECT_FALSE(StillPoisoned(first_));
    ::RemoveWindowSubclass(first_, FailToTellTheState, 1);
}

TEST_F(SkinnedButtonsTest, PressedAndDisabledLooks) {
    const std::uint32_t plain = testing::CaptureWindow(first_).At(45, 25);
    ::SendMessageW(first_, BM_SETSTATE, TRUE, 0);
    PumpFor(50);
    const std::uint32_t pressed = testing::CaptureWindow(first_).At(45, 25);
    EXPECT_GT(R(pressed), R(plain) + 5) << std::hex << plain << " " << pressed;  // accent tint
    ::SendMessageW(first_, BM_SETSTATE, FALSE, 0);

    ::EnableWindow(second_, FALSE);
    PumpFor(50);
    EXPECT_EQ(testing::CaptureWindow(second_).At(5, 25), 0xC0C0C0u);
}

TEST_F(SkinnedButtonsTest, AFontOfNoSizeStillShowsTheCaption) {
    UniqueFont none(
        ::CreateFontW(0, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L""));
    HWND button = Child(window_, L"无字号", BS_PUSHBUTTON, 10, 200, 90, 28);
    ::SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(none.get()), FALSE);
    HWND plain = Child(window_, L"无字体", BS_PUSHBUTTON, 110, 200, 90, 28);
    ::SendMessageW(plain, WM_SETFONT, 0, FALSE);
    Painter().InstallPushButtons(1, window_);
    ::SetWindowTextW(button, L"无字号");
    for (HWND control : {button, plain}) {
        ::InvalidateRect(control, nullptr, TRUE);
        PumpFor(50);
        const int dark = Count(testing::CaptureWindow(control),
                               [](std::uint32_t rgb) { return R(rgb) < 0x40 && G(rgb) < 0x40; });
        EXPECT_GT(dark, 20);
    }
}

TEST_F(SkinnedButtonsTest, PictureButtonsRegisterOnceAndSurviveABadPicture) {
    const std::vector<std::uint8_t> redPicture = testing::FlatPicture(24, 24, 0xFFFF0000);
    const auto ours = reinterpret_cast<std::intptr_t>(Painter().Procedure());
    const auto old = prop::Get(picture_button_, prop::kOldProc);
    EXPECT_TRUE(engine_->RegisterPictureButton(picture_button_, redPicture, 1, "提示"));
    EXPECT_TRUE(engine_->RegisterPictureButton(picture_button_, redPicture, 0, "另一个提示"));
    // The same record, and the procedure before the engine's is still the button's own (a
    // second subclass would have kept the engine's as the old one).
    EXPECT_EQ(prop::Get(picture_button_, prop::kOldProc), old);
    EXPECT_NE(old, ours);
    EXPECT_EQ(prop::Get(picture_button_, prop::kListIndex), 3);
    EXPECT_EQ(Inside().Record(1)->ChildCount(ControlFamily::Buttons), 7);
    PumpFor(50);
    // Value 0: the picture above the caption, centred.
    const testing::Pixels above = testing::CaptureWindow(picture_button_);
    EXPECT_TRUE(IsReddish(above.At(60, 12))) << std::hex << above.At(60, 12);

    // A button not taken over at registration is subclassed once, with its picture per state.
    const std::vector<std::uint8_t> broken{0x89, 'P', 'N', 'G', 1, 2, 3};
    HWND fresh = Child(group_, L"新的", BS_PUSHBUTTON, 10, 100, 60, 30);
    EXPECT_TRUE(engine_->RegisterStatePictureButton(fresh, broken, broken, {}, {}, ""));
    EXPECT_EQ(::GetWindowLongW(fresh, GWL_STYLE) & 0xF, BS_OWNERDRAW);
    EXPECT_EQ(::GetWindowLongPtrW(fresh, GWLP_WNDPROC),
              reinterpret_cast<LONG_PTR>(Painter().Procedure()));
    Poison(fresh);
    ::InvalidateRect(fresh, nullptr, TRUE);
    PumpFor(50);
    EXPECT_FALSE(StillPoisoned(fresh));  // painted, without its picture
    EXPECT_EQ(BackgroundSnapshot::LiveCount(), 0u);

    // The tooltip goes with its button, though the window stays.
    HWND tip = Painter().Find(picture_button_).record->tooltip.Window();
    ASSERT_TRUE(::IsWindow(tip));
    ::DestroyWindow(picture_button_);
    EXPECT_FALSE(::IsWindow(tip));
    EXPECT_TRUE(::IsWindow(window_));
}

TEST_F(SkinnedButtonsTest, AButtonOutsideSkinnedWindowsIsLeftAlone) {
    HWND plainWindow = ::CreateWindowExW(0, kHostClass, L"", WS_POPUP, 0, 0, 100, 100, nullptr,
                                         nullptr, nullptr, nullptr);
    HWND loose = Child(plainWindow, L"外面", BS_PUSHBUTTON, 0, 0, 60, 24);
    const auto procedure = ::GetWindowLongPtrW(loose, GWLP_WNDPROC);
    const std::vector<std::uint8_t> bytes = testing::FlatPicture(8, 8, 0xFF00FF00);
    EXPECT_FALSE(engine_->RegisterPictureButton(loose, bytes, 1, "提示"));
    EXPECT_FALSE(engine_->RegisterStatePictureButton(loose, bytes, bytes, bytes, bytes, ""));
    EXPECT_EQ(::GetWindowLongPtrW(loose, GWLP_WNDPROC), procedure);
    EXPECT_EQ(::GetWindowLongW(loose, GWL_STYLE) & 0xF, BS_PUSHBUTTON);
    EXPECT_EQ(prop::Get(loose, prop::kListIndex), 0);
    ::DestroyWindow(plainWindow);
}

TEST_F(SkinnedButtonsTest, WithControlSkinningOffButtonsKeepTheirOwnFace) {
    ControlOptions off;
    off.controlSkinning = false;
    engine_->SetControlOptions(off);
    HWND other = ::CreateWindowExW(0, kHostClass, L"", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr,
                                   nullptr, nullptr);
    HWND push = Child(other, L"系统", BS_PUSHBUTTON, 0, 30, 60, 24);
    ApplySkinArgs apply;
    apply.window = other;
    ASSERT_TRUE(engine_->ApplySkin(apply));
    EXPECT_EQ(::GetWindowLongW(push, GWL_STYLE) & 0xF, BS_PUSHBUTTON);
    EXPECT_EQ(Inside().Record(2)->ChildCount(ControlFamily::Buttons), 0);
    ::DestroyWindow(other);
}

}  // namespace
}  // namespace yf
