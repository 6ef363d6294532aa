// The family painters on real windows under Wine: a group box registered as a container and the
// spin control, edit boxes and combo boxes in it, drawn over a flat grey skin picture with a red
// accent so every part can be told apart by its pixels.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <vector>

#include "skin/engine/child_hover.h"
#include "skin/backdrop/control_area_win.h"
#include "skin/families/edit/edit_painter_win.h"
#include "skin/families/spin/spin_painter_win.h"
#include "skin/engine/skin_engine_win.h"
#include "skin/engine/window_properties_win.h"
#include "support/message_pump.h"
#include "support/pictures.h"
#include "support/pixels.h"
#include "widgets/widget_state_win.h"
#include "widgets/xp_look_win.h"
#include "support/engine_inside.h"

namespace yf {
namespace {

using testing::Inside;
using testing::PumpFor;

constexpr wchar_t kHostClass[] = L"YfControlsTestWindow";
constexpr gfx::ColourRef kAccent = 0x0000FF;  // red
constexpr std::uint32_t kGrey = 0x808080;
constexpr UINT_PTR kRecorderId = 0x7465;

int Red(std::uint32_t rgb) {
    return static_cast<int>((rgb >> 16) & 0xFF);
}
int Green(std::uint32_t rgb) {
    return static_cast<int>((rgb >> 8) & 0xFF);
}
bool IsReddish(std::uint32_t rgb) {
    return Red(rgb) > Green(rgb) + 60;
}

// What reached the group box's own procedure after the engine's.
std::vector<UINT> groupMessages;

LRESULT CALLBACK RecordGroupMessages(HWND group, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR, DWORD_PTR) {
    if (message == WM_COMMAND || message == WM_CTLCOLOREDIT) groupMessages.push_back(message);
    return ::DefSubclassProc(group, message, wParam, lParam);
}

class SkinnedControlsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX common{sizeof(common), ICC_UPDOWN_CLASS};
        ::InitCommonControlsEx(&common);
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = ::DefWindowProcW;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kHostClass;
        ::RegisterClassExW(&wc);
        groupMessages.clear();

        engine_ = std::make_unique<SkinEngine>();
        picture_ = testing::FlatPicture(20, 20, 0xFF000000 | kGrey);
        SkinPictureArgs args;
        args.bytes = picture_;
        args.themeColour = 0xC0C0C0;
        args.accentColour = kAccent;
        args.mode = PictureMode::Stretched;
        engine_->SetSkinPicture(args);
        SeeThrough(true);

        window_ = ::CreateWindowExW(0, kHostClass, L"控件", WS_POPUP, 100, 100, 320, 230, nullptr,
                                    nullptr, wc.hInstance, nullptr);
        ApplySkinArgs apply;
        apply.window = window_;
        apply.captionHeight = 25;
        engine_->ApplySkin(apply);

        group_ = Child(window_, L"BUTTON", L"", BS_GROUPBOX, 0, 10, 30, 200, 180);
        ::SetWindowSubclass(group_, RecordGroupMessages, kRecorderId, 0);
        spin_ = Child(group_, UPDOWN_CLASSW, L"", 0, 0, 150, 20, 19, 24);
        edit_ = Child(group_, L"EDIT", L"", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 10, 20, 80, 20);
        readOnly_ = Child(group_, L"EDIT", L"", ES_READONLY, WS_EX_CLIENTEDGE, 10, 50, 40, 24);
        list_ =
            Child(group_, L"COMBOBOX", L"", CBS_DROPDOWNLIST | CBS_HASSTRINGS, 0, 10, 90, 128, 120);
        ::SendMessageW(list_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"定时关机"));
        ::SendMessageW(list_, CB_SETCURSEL, 0, 0);
        dropDown_ = Child(group_, L"COMBOBOX", L"", CBS_DROPDOWN, 0, 10, 130, 128, 120);
        other_ = Child(window_, L"BUTTON", L"", BS_GROUPBOX, 0, 215, 30, 90, 100);
        otherSpin_ = Child(other_, UPDOWN_CLASSW, L"", 0, 0, 20, 20, 19, 24);
    }

    void TearDown() override {
        if (::IsWindow(window_)) ::DestroyWindow(window_);
        engine_.reset();
        PumpFor(20);
    }

    static HWND Child(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style,
                      DWORD exStyle, int x, int y, int w, int h) {
        return ::CreateWindowExW(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h,
                                 parent, nullptr, nullptr, nullptr);
    }

    void SeeThrough(bool on) {
        ControlOptions options;
        if (on) options.veilAlpha = 0;
        engine_->SetControlOptions(options);
    }

    void RegisterAndShow(gfx::ColourRef colour = 0xF0F0F0, int alpha = 0) {
        ASSERT_EQ(engine_->RegisterContainer(group_, true, colour, alpha), 1);
        ::ShowWindow(window_, SW_SHOWNOACTIVATE);
        ::UpdateWindow(window_);
        PumpFor(150);
    }

    // Paints the control's whole window area one colour, so a repaint by the engine shows.
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

    std::unique_ptr<SkinEngine> engine_;
    std::vector<std::uint8_t> picture_;
    HWND window_ = nullptr;
    HWND group_ = nullptr, other_ = nullptr;
    HWND spin_ = nullptr, otherSpin_ = nullptr;
    HWND edit_ = nullptr, readOnly_ = nullptr, list_ = nullptr, dropDown_ = nullptr;
};

TEST_F(SkinnedControlsTest, OnlyControlsOfARegisteredContainerAreTakenOver) {
    const auto nativeSpinProc = ::GetWindowLongPtrW(spin_, GWLP_WNDPROC);
    EXPECT_EQ(prop::Get(spin_, prop::kListIndex), 0);
    RegisterAndShow();
    const auto spinProc =
        reinterpret_cast<LONG_PTR>(Inside().PainterOf<SpinPainter>()->Procedure());
    EXPECT_EQ(::GetWindowLongPtrW(spin_, GWLP_WNDPROC), spinProc);
    EXPECT_EQ(prop::Get(spin_, prop::kOldProc), nativeSpinProc);
    EXPECT_EQ(prop::Get(spin_, prop::kOwnerIndex), 1);
    EXPECT_EQ(prop::Get(spin_, prop::kListIndex), 1);
    EXPECT_EQ(prop::Get(edit_, prop::kListIndex), 1);
    EXPECT_EQ(prop::Get(readOnly_, prop::kListIndex), 2);
    EXPECT_EQ(prop::Get(list_, prop::kListIndex), 1);
    EXPECT_EQ(prop::Get(group_, prop::kListIndex), 1);
    // The spin control of the group box that was never registered keeps its own look.
    EXPECT_EQ(prop::Get(otherSpin_, prop::kListIndex), 0);
    EXPECT_NE(::GetWindowLongPtrW(otherSpin_, GWLP_WNDPROC), spinProc);

    // Registering again changes nothing and answers the same index.
    EXPECT_EQ(engine_->RegisterContainer(group_), 1);
    EXPECT_EQ(Inside().Record(1)->ChildCount(ControlFamily::Containers), 1);
    EXPECT_EQ(Inside().Record(1)->ChildCount(ControlFamily::Spins), 1);
    // A control inside no skinned window registers nothing.
    HWND loose = ::CreateWindowExW(0, L"BUTTON", L"", WS_POPUP | BS_GROUPBOX, 0, 0, 50, 50, nullptr,
                                   nullptr, nullptr, nullptr);
    EXPECT_EQ(engine_->RegisterContainer(loose), 0);
    ::DestroyWindow(loose);
}

TEST_F(SkinnedControlsTest, SpinRepaintsOnlyWhenItsHotHalfChanges) {
    RegisterAndShow();
    const WindowRecord& record = *Inside().Record(1);
    const auto move = [this](int x, int y) {
        ::SendMessageW(spin_, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    };
    Poison(spin_);
    move(9, 3);  // first move over it
    EXPECT_FALSE(StillPoisoned(spin_));
    EXPECT_EQ(record.childHover.hotKind, kSpinHotKind);

    Poison(spin_);
    move(10, 6);  // same upper half
    EXPECT_TRUE(StillPoisoned(spin_));

    move(9, 18);  // across the middle
    EXPECT_FALSE(StillPoisoned(spin_));
    const testing::Pixels lit = testing::CaptureWindow(spin_);

    Poison(spin_);
    ::SendMessageW(spin_, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(StillPoisoned(spin_));
    EXPECT_EQ(record.childHover.hotIndex, 0);
    EXPECT_EQ(record.childHover.hotKind, kSpinHotKind);
    // The lower half was the one lit in the accent colour; the upper one looked the same.
    const testing::Pixels plain = testing::CaptureWindow(spin_);
    const auto redness = [](std::uint32_t rgb) { return Red(rgb) - Green(rgb); };
    EXPECT_GT(redness(lit.At(3, 18)), redness(plain.At(3, 18)) + 20)
        << std::hex << lit.At(3, 18) << " " << plain.At(3, 18);
    EXPECT_EQ(lit.At(3, 6), plain.At(3, 6));

    // Coming back over the same half repaints, since nothing is hot any more.
    Poison(spin_);
    move(9, 18);
    EXPECT_FALSE(StillPoisoned(spin_));
}

TEST_F(SkinnedControlsTest, PressingTheHoveredHalfReversesItsGradient) {
    RegisterAndShow();
    ::SendMessageW(spin_, WM_MOUSEMOVE, 0, MAKELPARAM(9, 3));
    const std::uint32_t hotTop = testing::CaptureWindow(spin_).At(9, 1);
    const std::uint32_t lowerHalf = testing::CaptureWindow(spin_).At(9, 18);
    SpinPainter& spins = *Inside().PainterOf<SpinPainter>();
    spins.PaintSpin(spins.Find(spin_), true, true, MAKELPARAM(9, 3));
    const testing::Pixels pressed = testing::CaptureWindow(spin_);
    // Hot: white at the top turning to the accent; pressed: the accent at the top.
    EXPECT_GT(Red(pressed.At(9, 1)) - Green(pressed.At(9, 1)), Red(hotTop) - Green(hotTop));
    EXPECT_EQ(pressed.At(9, 18), lowerHalf);
}

TEST_F(SkinnedControlsTest, GroupBoxShowsThePictureUnderItsPanelWithItsFrame) {
    RegisterAndShow();
    RECT client{};
    ::GetClientRect(group_, &client);
    const testing::Pixels clear = testing::CaptureClient(group_, client);
    // Alpha 0: the picture itself, the frame line darker across the top.
    EXPECT_EQ(clear.At(100, 70), kGrey);
    EXPECT_EQ(clear.At(100, 2), kGrey);
    EXPECT_LT(Red(clear.At(100, 5)), Red(kGrey));
    EXPECT_GT(Red(clear.At(100, 6)), Red(kGrey));  // the light inner line

    EXPECT_TRUE(engine_->SetContainerAlpha(group_, 255));
    PumpFor(100);
    const testing::Pixels panel = testing::CaptureClient(group_, client);
    EXPECT_EQ(panel.At(100, 70), 0xF0F0F0u);
    EXPECT_EQ(panel.At(100, 2), kGrey);  // above the panel's rounded top

    // Only a container with a panel colour takes an alpha.
    EXPECT_FALSE(engine_->SetContainerAlpha(edit_, 100));
}

TEST_F(SkinnedControlsTest, GroupCaptionSitsByItsAlignmentInTheTextColour) {
    ::SetWindowTextW(group_, L"分组");
    engine_->SetControlTextColour(group_, kAccent);
    RegisterAndShow();
    const auto redColumns = [this] {
        RECT client{};
        ::GetClientRect(group_, &client);
        const testing::Pixels pixels = testing::CaptureClient(group_, client);
        int left = pixels.width, right = -1;
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < pixels.width; ++x) {
                if (IsReddish(pixels.At(x, y))) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
            }
        }
        return std::make_pair(left, right);
    };
    // No alignment bits: 10 pixels in from the right.
    auto [left, right] = redColumns();
    EXPECT_GT(left, 150);
    EXPECT_LE(right, 190);
    ::SetWindowLongW(group_, GWL_STYLE, ::GetWindowLongW(group_, GWL_STYLE) | BS_LEFT);
    ::InvalidateRect(group_, nullptr, TRUE);
    PumpFor(100);
    std::tie(left, right) = redColumns();
    EXPECT_GE(left, 10);
    EXPECT_LT(right, 50);
}

TEST_F(SkinnedControlsTest, ContainerAnswersChildColoursAndPassesNotificationsOn) {
    RegisterAndShow();
    WindowDc dc(edit_);
    const auto brush = ::SendMessageW(group_, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc.get()),
                                      reinterpret_cast<LPARAM>(edit_));
    EXPECT_NE(brush, 0);
    EXPECT_EQ(prop::Get(edit_, prop::kBackgroundBrush), brush);
    EXPECT_EQ(::GetBkMode(dc.get()), TRANSPARENT);
    // Answered by the container itself, not passed on.
    EXPECT_TRUE(groupMessages.empty());

    // The edit of a drop-down combo box is the combo box's to answer.
    HWND inner = ::FindWindowExW(dropDown_, nullptr, L"Edit", nullptr);
    ASSERT_NE(inner, nullptr);
    ::SendMessageW(group_, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc.get()),
                   reinterpret_cast<LPARAM>(inner));
    EXPECT_EQ(groupMessages, std::vector<UINT>{WM_CTLCOLOREDIT});

    // A change rebuilds the edit's background and still reaches whoever listens to the group.
    ::ValidateRect(edit_, nullptr);
    ::SendMessageW(group_, WM_COMMAND, MAKEWPARAM(1, EN_CHANGE), reinterpret_cast<LPARAM>(edit_));
    RECT pending{};
    EXPECT_TRUE(::GetUpdateRect(edit_, &pending, FALSE));
    EXPECT_EQ(groupMessages.back(), static_cast<UINT>(WM_COMMAND));
}

TEST_F(SkinnedControlsTest, EditFrameLightsUnderTheMouseAndIsOpaqueWithoutSeeThrough) {
    RegisterAndShow();
    const auto border = [this] { return testing::CaptureWindow(edit_).At(1, 10); };
    EXPECT_EQ(border(), kGrey);  // the picture shows in the border
    EXPECT_LT(Red(testing::CaptureWindow(edit_).At(0, 10)), Red(kGrey));  // the frame line

    ::SendMessageW(edit_, WM_MOUSEMOVE, 0, MAKELPARAM(20, 8));
    EXPECT_TRUE(IsReddish(border())) << std::hex << border();
    EXPECT_EQ(Inside().Record(1)->childHover.hotKind, kEditHotKind);
    ::SendMessageW(edit_, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(border(), kGrey);

    SeeThrough(false);
    EditPainter& edits = *Inside().PainterOf<EditPainter>();
    edits.PaintEditFrame(edits.Find(edit_));
    EXPECT_EQ(border(), 0xFFFFFFu);
}

TEST_F(SkinnedControlsTest, ReadOnlyEditShowsThePictureBehindItsText) {
    RegisterAndShow();
    ::InvalidateRect(readOnly_, nullptr, TRUE);
    PumpFor(100);
    const testing::Pixels pixels = testing::CaptureWindow(readOnly_);
    EXPECT_EQ(pixels.At(20, 12), kGrey);
}

TEST_F(SkinnedControlsTest, DropDownListDrawsItsTextInTwelvePixelSongTi) {
    // A large font on the control changes nothing: the list's text has its own face and size.
    UniqueFont large(
        ::CreateFontW(-30, 0, 0, 0, FW_BOLD, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, L"宋体"));
    ::SendMessageW(list_, WM_SETFONT, reinterpret_cast<WPARAM>(large.get()), FALSE);
    engine_->SetControlTextColour(list_, kAccent);
    RegisterAndShow();
    ::InvalidateRect(list_, nullptr, TRUE);
    PumpFor(100);
    RECT outer{};
    ::GetWindowRect(list_, &outer);
    const testing::Pixels pixels = testing::CaptureWindow(list_);
    int top = pixels.height, bottom = -1, count = 0;
    for (int y = 0; y < pixels.height; ++y) {
        for (int x = 0; x < pixels.width - 20; ++x) {
            if (!IsReddish(pixels.At(x, y))) continue;
            ++count;
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    EXPECT_GT(count, 20);
    EXPECT_LE(bottom - top + 1, 13);
    EXPECT_GE(top, (outer.bottom - outer.top - 12) / 2);
}

TEST_F(SkinnedControlsTest, OwnerDrawnDropDownListLeavesItsTextToTheOwner) {
    HWND owned = Child(group_, L"COMBOBOX", L"",
                       CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, 0, 100, 20, 90, 120);
    ::SendMessageW(owned, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"定时关机"));
    ::SendMessageW(owned, CB_SETCURSEL, 0, 0);
    engine_->SetControlTextColour(owned, kAccent);
    RegisterAndShow();
    ::InvalidateRect(owned, nullptr, TRUE);
    PumpFor(100);
    const testing::Pixels pixels = testing::CaptureWindow(owned);
    int red = 0;
    for (int y = 0; y < pixels.height; ++y) {
        for (int x = 0; x < pixels.width - 20; ++x) red += IsReddish(pixels.At(x, y));
    }
    EXPECT_EQ(red, 0);
}

TEST_F(SkinnedControlsTest, ComboBoxLightsUnderTheMouse) {
    RegisterAndShow();
    const auto frame = [this] { return testing::CaptureWindow(list_).At(40, 0); };
    EXPECT_FALSE(IsReddish(frame()));
    ::SendMessageW(list_, WM_MOUSEMOVE, 0, MAKELPARAM(40, 8));
    EXPECT_TRUE(IsReddish(frame())) << std::hex << frame();
    ::SendMessageW(list_, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(IsReddish(frame()));
}

// Which of the messages that repaint a control reached it, seen ahead of the engine.
std::vector<std::pair<HWND, UINT>> repaintMessages;

LRESULT CALLBACK RecordRepaints(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                DWORD_PTR) {
    if (message == WM_PAINT || message == WM_ERASEBKGND) {
        repaintMessages.emplace_back(control, message);
    }
    return ::DefSubclassProc(control, message, wParam, lParam);
}

TEST_F(SkinnedControlsTest, ARenderRefreshesTheControlsStandingOnTheWindow) {
    // A window of its own, registered with these controls already on it.
    engine_.reset();
    ::DestroyWindow(window_);
    engine_ = std::make_unique<SkinEngine>();
    SkinPictureArgs args;
    args.bytes = picture_;
    args.themeColour = 0xC0C0C0;
    args.mode = PictureMode::Stretched;
    engine_->SetSkinPicture(args);
    SeeThrough(true);
    window_ = ::CreateWindowExW(0, kHostClass, L"控件", WS_POPUP, 100, 100, 320, 230, nullptr,
                                nullptr, ::GetModuleHandleW(nullptr), nullptr);
    HWND edit = Child(window_, L"EDIT", L"", 0, WS_EX_CLIENTEDGE, 10, 150, 60, 20);
    HWND combo = Child(window_, L"COMBOBOX", L"", CBS_DROPDOWNLIST, 0, 80, 150, 60, 100);
    HWND spin = Child(window_, UPDOWN_CLASSW, L"", 0, 0, 150, 150, 19, 24);
    ApplySkinArgs apply;
    apply.window = window_;
    apply.captionHeight = 25;
    ASSERT_TRUE(engine_->ApplySkin(apply));
    ASSERT_EQ(Inside().Record(1)->ChildCount(ControlFamily::Edits), 1);
    ::ShowWindow(window_, SW_SHOWNOACTIVATE);
    ::SendMessageW(window_, WM_SIZE, 0, 0);  // the process's first size change goes by
    PumpFor(100);
    for (HWND control : {edit, combo, spin}) {
        ::SetWindowSubclass(control, RecordRepaints, kRecorderId, 0);
    }
    repaintMessages.clear();
    engine_->RenderWindow(1);
    PumpFor(100);
    const auto got = [](HWND control, UINT message) {
        return std::count(repaintMessages.begin(), repaintMessages.end(),
                          std::make_pair(control, message)) > 0;
    };
    // Edits and combo boxes are repainted with their backgrounds, up-downs without.
    EXPECT_TRUE(got(edit, WM_PAINT));
    EXPECT_TRUE(got(edit, WM_ERASEBKGND));
    EXPECT_TRUE(got(combo, WM_PAINT));
    EXPECT_TRUE(got(combo, WM_ERASEBKGND));
    EXPECT_TRUE(got(spin, WM_PAINT));
    EXPECT_FALSE(got(spin, WM_ERASEBKGND));
}

TEST_F(SkinnedControlsTest, RepaintsThatChangeNothingComposeNothing) {
    RegisterAndShow();
    const auto repaint = [](HWND control) {
        ::RedrawWindow(control, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    };
    for (HWND control : {group_, edit_, readOnly_, list_, spin_}) repaint(control);
    const testing::Pixels editBefore = testing::CaptureWindow(edit_);
    const std::size_t taken = BackgroundSnapshot::TakenCount();
    for (int round = 0; round < 3; ++round) {
        for (HWND control : {group_, edit_, readOnly_, list_, spin_}) repaint(control);
    }
    EXPECT_EQ(BackgroundSnapshot::TakenCount(), taken);
    EXPECT_EQ(testing::CaptureWindow(edit_).At(1, 10), editBefore.At(1, 10));
    // Hover is a state of its own: composed once, then kept like the plain face.
    ::SendMessageW(spin_, WM_MOUSEMOVE, 0, MAKELPARAM(9, 3));
    ::SendMessageW(spin_, WM_MOUSELEAVE, 0, 0);
    const std::size_t afterHover = BackgroundSnapshot::TakenCount();
    EXPECT_EQ(afterHover, taken + 1);
    ::SendMessageW(spin_, WM_MOUSEMOVE, 0, MAKELPARAM(9, 3));
    ::SendMessageW(spin_, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(BackgroundSnapshot::TakenCount(), afterHover);
}

TEST_F(SkinnedControlsTest, WhatAFaceIsMadeFromChangingComposesItAnew) {
    RegisterAndShow();
    // Moved over a part of the picture that looks different: the frame must follow.
    const testing::Pixels before = testing::CaptureWindow(edit_);
    ASSERT_EQ(before.At(1, 10), kGrey);
    ::SetWindowPos(edit_, nullptr, 10, 150, 80, 20, SWP_NOZORDER | SWP_NOACTIVATE);
    PumpFor(100);
    EXPECT_EQ(testing::CaptureWindow(edit_).At(1, 10), kGrey);
    // A text colour the kept face did not have.
    engine_->SetControlTextColour(list_, kAccent);
    ::InvalidateRect(list_, nullptr, TRUE);
    PumpFor(100);
    const testing::Pixels list = testing::CaptureWindow(list_);
    int red = 0;
    for (int y = 0; y < list.height; ++y) {
        for (int x = 2; x < list.width - 20; ++x) red += IsReddish(list.At(x, y));
    }
    EXPECT_GT(red, 10);
    // A panel laid over the container changes what every child there stands on.
    ASSERT_TRUE(engine_->SetContainerAlpha(group_, 255));
    ::RedrawWindow(group_, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpFor(100);
    EXPECT_EQ(testing::CaptureWindow(edit_).At(1, 10), 0xF0F0F0u);
}

TEST_F(SkinnedControlsTest, ASkinSwitchRepaintsTheChildrenFromFacesMadeWithTheImage) {
    RegisterAndShow();
    const std::vector<std::uint8_t> blue = testing::FlatPicture(20, 20, 0xFF0000FF);
    SkinPictureArgs args;
    args.bytes = blue;
    args.themeColour = 0xC0C0C0;
    args.accentColour = kAccent;
    args.mode = PictureMode::Stretched;
    engine_->SetSkinPicture(args);
    const std::size_t afterSwitch = BackgroundSnapshot::TakenCount();
    ::RedrawWindow(window_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    // Nothing composed while the children repainted, and they show the new picture.
    EXPECT_EQ(BackgroundSnapshot::TakenCount(), afterSwitch);
    EXPECT_EQ(testing::CaptureWindow(edit_).At(1, 10), 0x0000FFu);
    const std::uint32_t spinEdge = testing::CaptureWindow(spin_).At(0, 12);
    EXPECT_GT(spinEdge & 0xFF, (spinEdge >> 16) & 0xFF) << std::hex << spinEdge;  // bluish
}

TEST_F(SkinnedControlsTest, ControlsGetTheirProceduresBackWhenTheEngineGoes) {
    const auto own = ::GetWindowLongPtrW(edit_, GWLP_WNDPROC);
    RegisterAndShow();
    ASSERT_NE(::GetWindowLongPtrW(edit_, GWLP_WNDPROC), own);
    engine_.reset();
    EXPECT_EQ(::GetWindowLongPtrW(edit_, GWLP_WNDPROC), own);
    EXPECT_EQ(prop::Get(edit_, prop::kOldProc), 0);
    EXPECT_EQ(prop::Get(spin_, prop::kListIndex), 0);
    // Still a working edit.
    ::SetWindowTextW(edit_, L"12");
    wchar_t text[8] = {};
    ::GetWindowTextW(edit_, text, 8);
    EXPECT_STREQ(text, L"12");
}

// Over the skin the XP look keeps only the frame of a quiet edit box (blue outside, window white
// inside); the faces of the list and the spinner stay the skin's, and so does the lit frame of an
// edit under the mouse.
TEST_F(SkinnedControlsTest, XpLookLeavesSkinnedControlsToTheSkinButQuietEditFrames) {
    constexpr std::uint32_t kXpBlue = 0x7B9EBD;
    WidgetState widgets;
    ASSERT_EQ(xp::SwitchXpLook(1), 1);
    RegisterAndShow();
    for (HWND control : {edit_, list_, spin_}) {
        ::RedrawWindow(control, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    }
    PumpFor(100);
    const testing::Pixels quiet = testing::CaptureWindow(edit_);
    EXPECT_EQ(quiet.At(0, 10), kXpBlue);
    EXPECT_EQ(quiet.At(1, 10), 0xFFFFFFu);
    EXPECT_NE(testing::CaptureWindow(list_).At(0, 10), kXpBlue);
    const testing::Pixels spin = testing::CaptureWindow(spin_);
    EXPECT_NE(spin.At(0, spin.height / 2), kXpBlue);
    EXPECT_NE(spin.At(spin.width / 2, 2), kXpBlue);

    ::SendMessageW(edit_, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(IsReddish(testing::CaptureWindow(edit_).At(1, 10)));
    xp::SwitchXpLook(0);
}

// The look switched off while the skin sits on top of it in the controls' chains: the
// controls keep working (their messages still reach their own procedures) and the skin still
// paints them.
TEST_F(SkinnedControlsTest, SwitchingTheXpLookOffUnderTheSkinKeepsTheControlsWorking) {
    WidgetState widgets;
    ASSERT_EQ(xp::SwitchXpLook(1), 1);
    RegisterAndShow();
    xp::SwitchXpLook(0);
    ::SetWindowTextW(edit_, L"1234");
    wchar_t text[16] = {};
    EXPECT_EQ(::GetWindowTextW(edit_, text, 16), 4);
    EXPECT_STREQ(text, L"1234");
    EXPECT_EQ(::SendMessageW(list_, CB_GETCOUNT, 0, 0), 1);
    ::SendMessageW(edit_, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(IsReddish(testing::CaptureWindow(edit_).At(1, 10)));
}

TEST_F(SkinnedControlsTest, RepaintsReleaseWhatTheyMade) {
    RegisterAndShow();
    const auto repaint = [](HWND control) {
        ::RedrawWindow(control, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    };
    repaint(edit_);
    const auto firstBrush = reinterpret_cast<HGDIOBJ>(prop::Get(edit_, prop::kBackgroundBrush));
    ASSERT_EQ(::GetObjectType(firstBrush), static_cast<DWORD>(OBJ_BRUSH));
    for (HWND control : {group_, edit_, readOnly_, list_, spin_}) repaint(control);
    ::SendMessageW(spin_, WM_MOUSEMOVE, 0, MAKELPARAM(9, 3));
    ::SendMessageW(list_, WM_MOUSEMOVE, 0, MAKELPARAM(9, 3));
    // Every background snapshot is given back, and an edit's previous brush is gone (its
    // handle may have been given to the new one).
    EXPECT_EQ(BackgroundSnapshot::LiveCount(), 0u);
    const auto brush = reinterpret_cast<HGDIOBJ>(prop::Get(edit_, prop::kBackgroundBrush));
    EXPECT_TRUE(brush == firstBrush || ::GetObjectType(firstBrush) == 0);
}

}  // namespace
}  // namespace yf
