// The skin engine on real windows under Wine: registration and its properties, renumbering,
// the composed image, picture fading, re-skinning, caption clicks, sizing rules and the
// see-through colours of children.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <vector>

#include "gfx/pixels_win.h"
#include "skin/engine/child_hover.h"
#include "skin/backdrop/dib_surface_win.h"
#include "skin/frame/title_layout.h"
#include "skin/engine/picture_fade_win.h"
#include "skin/engine/skin_engine_win.h"
#include "skin/frame/window_frame_win.h"
#include "skin/engine/window_properties_win.h"
#include "skin/engine/working_set_win.h"
#include "support/message_pump.h"
#include "support/pictures.h"
#include "support/engine_inside.h"

namespace yf {
namespace {

using testing::Inside;
using testing::PumpFor;
using testing::PumpUntil;

constexpr wchar_t kTestClass[] = L"YfSkinTestWindow";
constexpr std::uint32_t kRed = 0xFFFF0000;
constexpr std::uint32_t kGreen = 0xFF00FF00;
constexpr std::uint32_t kBlue = 0xFF0000FF;
constexpr std::uint32_t kYellow = 0xFFFFFF00;
constexpr std::uint32_t kMagentaRgb = 0xFF00FF;
// The theme colour the tests pass (COLORREF 0x204060) as it lands in the image's pixels.
constexpr std::uint32_t kThemeRgb = 0x604020;

std::vector<WPARAM> systemCommands;

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SYSCOMMAND) systemCommands.push_back(wParam & 0xFFF0);
    return ::DefWindowProcW(window, message, wParam, lParam);
}

std::uint32_t Rgb(std::uint32_t pixel) {
    return pixel & 0xFFFFFF;
}

bool Near(std::uint32_t a, std::uint32_t b, int tolerance) {
    for (int shift = 0; shift < 24; shift += 8) {
        const int x = static_cast<int>((a >> shift) & 0xFF);
        const int y = static_cast<int>((b >> shift) & 0xFF);
        if (std::abs(x - y) > tolerance) return false;
    }
    return true;
}

class SkinEngineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        engine_ = std::make_unique<SkinEngine>();
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = TestWindowProc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kTestClass;
        ::RegisterClassExW(&wc);
        systemCommands.clear();
    }

    void TearDown() override {
        for (HWND window : windows_) {
            if (::IsWindow(window)) ::DestroyWindow(window);
        }
        engine_.reset();
        PumpFor(20);
    }

    HWND MakeWindow(DWORD style = WS_POPUP | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, int width = 300,
                    int height = 200) {
        HWND window = ::CreateWindowExW(0, kTestClass, L"皮肤测试", style, 100, 100, width, height,
                                        nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
        windows_.push_back(window);
        return window;
    }

    bool Apply(HWND window, int captionHeight = 25, bool captionBar = true) {
        ApplySkinArgs args;
        args.window = window;
        args.captionHeight = captionHeight;
        args.captionBar = captionBar;
        return engine_->ApplySkin(args);
    }

    void UsePicture(const std::vector<std::uint8_t>& bytes, PictureMode mode) {
        picture_ = bytes;
        SkinPictureArgs args;
        args.bytes = picture_;
        args.themeColour = 0x204060;
        args.accentColour = 0;
        args.mode = mode;
        engine_->SetSkinPicture(args);
    }

    // `window` skinned with a flat green picture, its children see-through with no veil.
    void SkinSeeThroughInGreen(HWND window) {
        Apply(window);
        UsePicture(testing::FlatPicture(20, 20, kGreen), PictureMode::Stretched);
        ControlOptions options;
        options.veilAlpha = 0;
        engine_->SetControlOptions(options);
        engine_->RenderWindow(1, nullptr, false);
    }
    std::uint32_t ImagePixel(HWND window, int x, int y) {
        WindowRecord* record = Inside().Record(Inside().FindWindowIndex(window));
        return Rgb(record->windowImage.Pixels().At(x, y));
    }

    std::unique_ptr<SkinEngine> engine_;
    std::vector<HWND> windows_;
    std::vector<std::uint8_t> picture_;
};

TEST_F(SkinEngineTest, ApplySkinRegistersOnceAndSetsTheProperties) {
    HWND window = MakeWindow();
    EXPECT_TRUE(Apply(window));
    EXPECT_FALSE(Apply(window));
    ASSERT_EQ(Inside().WindowCount(), 1);
    EXPECT_EQ(prop::Get(window, prop::kListIndex), 1);
    // The stored procedure is the window's own: calling it reaches the test procedure.
    const auto stored = reinterpret_cast<WNDPROC>(prop::Get(window, prop::kOldProc));
    ASSERT_NE(stored, nullptr);
    ::CallWindowProcW(stored, window, WM_SYSCOMMAND, 0x1230, 0);
    EXPECT_EQ(systemCommands, std::vector<WPARAM>{0x1230});
    EXPECT_TRUE(::GetWindowLongW(window, GWL_STYLE) & WS_SYSMENU);

    const WindowRecord& record = *Inside().Record(1);
    EXPECT_TRUE(record.registered);
    EXPECT_TRUE(record.state.needsRender);
    EXPECT_EQ(record.captionButtonCount, 3);
    EXPECT_EQ(record.strip.width, 95);
    EXPECT_EQ(::SendMessageW(record.tooltip.Window(), TTM_GETTOOLCOUNT, 0, 0), 3);
    RECT client;
    ::GetClientRect(window, &client);
    const RECT strip = engine_->GetStripRect(window);
    EXPECT_EQ(strip.left, client.right - 95 + 1);  // laid out at the right edge
    EXPECT_EQ(strip.bottom - strip.top, 22);
}

TEST_F(SkinEngineTest, DestroyingTheFirstWindowRenumbersTheSecondAndItsChildren) {
    HWND first = MakeWindow();
    HWND second = MakeWindow();
    HWND child = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 10, 40, 80, 20, second,
                                   nullptr, nullptr, nullptr);
    Apply(first);
    Apply(second);
    EXPECT_EQ(prop::Get(second, prop::kListIndex), 2);
    ASSERT_EQ(prop::Get(child, prop::kOwnerIndex), 2);

    ::DestroyWindow(first);
    ASSERT_EQ(Inside().WindowCount(), 1);
    EXPECT_EQ(Inside().FindWindowIndex(second), 1);
    EXPECT_EQ(prop::Get(second, prop::kListIndex), 1);
    EXPECT_EQ(prop::Get(child, prop::kOwnerIndex), 1);
    // The renumbered window and its edit still reach their records.
    Inside().Record(1)->state.minimized = true;
    ::SendMessageW(second, WM_QUERYOPEN, 0, 0);
    EXPECT_FALSE(Inside().Record(1)->state.minimized);
    ::SendMessageW(child, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(Inside().Record(1)->childHover.hotKind, kEditHotKind);
    EXPECT_EQ(Inside().Record(1)->childHover.hotIndex, 1);
}

TEST_F(SkinEngineTest, TheVeryFirstSizeMessageLeavesNeedsRenderAlone) {
    HWND window = MakeWindow();
    Apply(window);
    WindowRecord& record = *Inside().Record(1);
    ASSERT_TRUE(Inside().Settings().firstSize);
    ::SendMessageW(window, WM_SIZE, 0, MAKELPARAM(300, 200));
    EXPECT_FALSE(record.state.needsRender);
    EXPECT_FALSE(Inside().Settings().firstSize);
    ::SendMessageW(window, WM_SIZE, 0, MAKELPARAM(300, 200));
    EXPECT_TRUE(record.state.needsRender);
}

TEST_F(SkinEngineTest, ComposedImageHasMagentaCornersAndTheOutline) {
    HWND window = MakeWindow();
    Apply(window);
    UsePicture(testing::FlatPicture(40, 30, 0xFF808080), PictureMode::Stretched);
    engine_->RenderWindow(1, nullptr, false);
    RECT client;
    ::GetClientRect(window, &client);
    const int w = client.right;
    const int h = client.bottom;
    for (POINT corner : {POINT{0, 0}, POINT{w - 1, 0}, POINT{0, h - 1}, POINT{w - 1, h - 1}}) {
        EXPECT_EQ(ImagePixel(window, corner.x, corner.y), kMagentaRgb)
            << corner.x << "," << corner.y;
    }
    // Black at alpha 180 over grey 128 on the outer line, white at 180 on the inner one.
    const std::uint32_t outer = ImagePixel(window, w / 3, h - 1);
    const std::uint32_t inner = ImagePixel(window, w / 3, h - 2);
    EXPECT_TRUE(Near(outer, 0x242424, 12)) << std::hex << outer;
    EXPECT_TRUE(Near(inner, 0xDADADA, 12)) << std::hex << inner;
    EXPECT_EQ(ImagePixel(window, w / 2, h / 2), 0x808080u);
    EXPECT_FALSE(Inside().Record(1)->state.needsRender);
}

TEST_F(SkinEngineTest, StretchedModeCoversTheClientArea) {
    HWND window = MakeWindow(WS_POPUP, 300, 200);
    Apply(window);
    const std::uint32_t colours[4] = {kRed, kGreen, kBlue, kYellow};
    UsePicture(testing::QuadrantPicture(30, 20, colours), PictureMode::Stretched);
    engine_->RenderWindow(1, nullptr, false);
    EXPECT_EQ(ImagePixel(window, 75, 60), 0xFF0000u);
    EXPECT_EQ(ImagePixel(window, 225, 60), 0x00FF00u);
    EXPECT_EQ(ImagePixel(window, 75, 150), 0x0000FFu);
    EXPECT_EQ(ImagePixel(window, 225, 150), 0xFFFF00u);
}

TEST_F(SkinEngineTest, StretchedPictureIsDecodedOnceAndCopiedWhenIdle) {
    HWND window = MakeWindow(WS_POPUP, 300, 200);
    Apply(window);
    const std::uint32_t colours[4] = {kRed, kGreen, kBlue, kYellow};
    UsePicture(testing::QuadrantPicture(60, 40, colours), PictureMode::Stretched);
    const int generation = Inside().SkinImage().generation;
    // Until the program is idle the decoded picture itself is kept.
    EXPECT_NE(Inside().SkinImage().decoded, nullptr);
    engine_->RenderWindow(1, nullptr, false);
    EXPECT_EQ(ImagePixel(window, 225, 150), 0xFFFF00u);
    ASSERT_TRUE(PumpUntil([&] { return Inside().SkinImage().decoded == nullptr; }, 3000));
    EXPECT_EQ(Inside().SkinImage().pixels.width, 60);  // smaller than the screen: kept as it is
    EXPECT_EQ(Inside().SkinImage().generation, generation);
    Inside().Record(1)->state.needsRender = true;
    engine_->RenderWindow(1, nullptr, false);
    EXPECT_EQ(ImagePixel(window, 75, 60), 0xFF0000u);
    EXPECT_EQ(ImagePixel(window, 225, 150), 0xFFFF00u);
}

TEST_F(SkinEngineTest, MirroredStripModeAlternatesCopiesAndShowsTheFillBelow) {
    HWND window = MakeWindow(WS_POPUP, 300, 200);
    Apply(window);
    // Left half red, right half blue, 100 x 60.
    const std::uint32_t colours[4] = {kRed, kBlue, kRed, kBlue};
    UsePicture(testing::QuadrantPicture(100, 60, colours), PictureMode::MirroredStrip);
    engine_->RenderWindow(1, nullptr, false);
    EXPECT_EQ(ImagePixel(window, 20, 40), 0xFF0000u);  // first copy as it is
    EXPECT_EQ(ImagePixel(window, 80, 40), 0x0000FFu);
    EXPECT_EQ(ImagePixel(window, 120, 40), 0x0000FFu);  // second copy mirrored
    EXPECT_EQ(ImagePixel(window, 180, 40), 0xFF0000u);
    EXPECT_EQ(ImagePixel(window, 220, 40), 0xFF0000u);   // third as the first
    EXPECT_EQ(ImagePixel(window, 150, 120), kThemeRgb);  // the fill below the strip
}

TEST_F(SkinEngineTest, NaturalSizeModesPlaceThePicture) {
    HWND window = MakeWindow(WS_POPUP, 300, 200);
    Apply(window, 25, false);  // no caption bar: nothing drawn over the picture
    // Right-aligned, its left 15 columns and bottom 15 rows faded into the theme colour.
    UsePicture(testing::FlatPicture(50, 40, kGreen), PictureMode::TopRight);
    engine_->RenderWindow(1, nullptr, false);
    EXPECT_EQ(ImagePixel(window, 290, 5), 0x00FF00u);
    EXPECT_TRUE(Near(ImagePixel(window, 250, 5), kThemeRgb, 24));
    EXPECT_TRUE(Near(ImagePixel(window, 290, 39), kThemeRgb, 24));
    EXPECT_EQ(ImagePixel(window, 100, 30), kThemeRgb);
    UsePicture(testing::FlatPicture(50, 40, kGreen), PictureMode::Centred);
    engine_->RenderWindow(1, nullptr, false);
    EXPECT_EQ(ImagePixel(window, 150, 100), 0x00FF00u);
    EXPECT_EQ(ImagePixel(window, 150, 40), kThemeRgb);
}

TEST_F(SkinEngineTest, FadePictureFadesExactlyTheStatedBands) {
    const std::vector<std::uint8_t> source = testing::FlatPicture(100, 80, kGreen);
    constexpr gfx::ColourRef kTheme = 0x0000FF;  // red as a COLORREF
    for (int variant : {1, 0}) {
        const gfx::PixelBuffer faded =
            gfx::DecodePicture(FadePicture(source, std::nullopt, kTheme, variant));
        ASSERT_EQ(faded.width, 100);
        ASSERT_EQ(faded.height, 80);
        const int bandStart = variant ? 71 : 0;  // first column of the side band
        const int bandEnd = variant ? 100 : 30;
        for (int y = 0; y <= 50; ++y) {
            for (int x = 0; x < 100; ++x) {
                const bool inBand = x >= bandStart && x < bandEnd;
                if (!inBand) {
                    ASSERT_EQ(Rgb(faded.At(x, y)), 0x00FF00u) << variant << ": " << x << "," << y;
                }
            }
        }
        const int edge = variant ? 99 : 0;
        EXPECT_TRUE(Near(Rgb(faded.At(edge, 10)), 0xFF0000, 24)) << std::hex << faded.At(edge, 10);
        EXPECT_TRUE(Near(Rgb(faded.At(50, 79)), 0xFF0000, 24)) << std::hex << faded.At(50, 79);
        EXPECT_NE(Rgb(faded.At(50, 65)), 0x00FF00u);
    }
}

TEST_F(SkinEngineTest, SetSkinPictureRendersVisibleWindowsAndDefersHiddenOnes) {
    HWND shown = MakeWindow(WS_POPUP);
    HWND hidden = MakeWindow(WS_POPUP);
    Apply(shown);
    Apply(hidden);
    ::ShowWindow(shown, SW_SHOWNOACTIVATE);
    PumpFor(100);
    UsePicture(testing::FlatPicture(20, 20, kRed), PictureMode::Stretched);
    EXPECT_FALSE(Inside().Record(1)->state.needsRender);
    EXPECT_EQ(ImagePixel(shown, 150, 100), 0xFF0000u);
    EXPECT_TRUE(Inside().Record(2)->state.needsRender);
    EXPECT_FALSE(Inside().Record(2)->windowImage);

    UsePicture(testing::FlatPicture(20, 20, kBlue), PictureMode::Stretched);
    EXPECT_EQ(ImagePixel(shown, 150, 100), 0x0000FFu);
    EXPECT_EQ(Inside().Settings().themeColour, 0x204060u);
    ::ShowWindow(hidden, SW_SHOWNOACTIVATE);
    PumpFor(100);
    EXPECT_EQ(ImagePixel(hidden, 150, 100), 0x0000FFu);
}

TEST_F(SkinEngineTest, PaintWithoutNeedsRenderOnlyCopiesTheImage) {
    HWND window = MakeWindow(WS_POPUP);
    Apply(window);
    UsePicture(testing::FlatPicture(20, 20, kRed), PictureMode::Stretched);
    ::ShowWindow(window, SW_SHOWNOACTIVATE);
    PumpFor(100);
    WindowRecord& record = *Inside().Record(1);
    const HBITMAP composed = record.windowImage.Bitmap();
    ::InvalidateRect(window, nullptr, FALSE);
    ::UpdateWindow(window);
    EXPECT_EQ(record.windowImage.Bitmap(), composed);
    record.state.needsRender = true;
    ::InvalidateRect(window, nullptr, FALSE);
    ::UpdateWindow(window);
    EXPECT_NE(record.windowImage.Bitmap(), composed);
    EXPECT_FALSE(record.state.needsRender);
}

TEST_F(SkinEngineTest, CloseButtonDestroysTheWindow) {
    HWND window = MakeWindow();
    Apply(window);
    ::ShowWindow(window, SW_SHOWNOACTIVATE);
    PumpFor(50);
    const gfx::RectF close = Inside().Record(1)->strip.Button(3).rect;
    const LPARAM at = MAKELPARAM(static_cast<int>(close.x + 10), 10);
    ::SendMessageW(window, WM_MOUSEMOVE, 0, at);
    ::SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageW(window, WM_LBUTTONUP, 0, at);
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_EQ(Inside().WindowCount(), 0);
    EXPECT_EQ(systemCommands, std::vector<WPARAM>{SC_CLOSE});
}

TEST_F(SkinEngineTest, MinimizeButtonSendsMinimize) {
    HWND window = MakeWindow();
    Apply(window);
    ::ShowWindow(window, SW_SHOWNOACTIVATE);
    PumpFor(50);
    const gfx::RectF minimize = Inside().Record(1)->strip.Button(1).rect;
    const LPARAM at = MAKELPARAM(static_cast<int>(minimize.x + 10), 10);
    ::SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageW(window, WM_LBUTTONUP, 0, at);
    EXPECT_EQ(systemCommands, std::vector<WPARAM>{SC_MINIMIZE});
    EXPECT_TRUE(Inside().Record(1)->state.minimized);
    EXPECT_TRUE(::IsIconic(window));
}

TEST_F(SkinEngineTest, DoubleClickOnTheCaptionMaximizesAndBelowItDoesNothing) {
    HWND window = MakeWindow();
    Apply(window);
    // The process's very first size change keeps the image; this one is not it.
    ::SendMessageW(window, WM_SIZE, 0, MAKELPARAM(300, 200));
    ::ShowWindow(window, SW_SHOWNOACTIVATE);
    PumpFor(50);
    ::SendMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(60, 40));
    EXPECT_TRUE(systemCommands.empty());
    ::SendMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(60, 25));
    EXPECT_EQ(systemCommands, std::vector<WPARAM>{SC_MAXIMIZE});
    EXPECT_TRUE(Inside().Record(1)->state.maximized);
    EXPECT_TRUE(::IsZoomed(window));
    // The next paint composes the window at its new size.
    PumpFor(100);
    RECT client{};
    ::GetClientRect(window, &client);
    EXPECT_GT(client.right, 300);
    EXPECT_EQ(Inside().Record(1)->windowImage.Width(), client.right);
    EXPECT_EQ(Inside().Record(1)->windowImage.Height(), client.bottom);
}

TEST_F(SkinEngineTest, TitleFollowsTheWindowTextAndItsStyle) {
    HWND window = MakeWindow();
    Apply(window);
    UsePicture(testing::FlatPicture(20, 20, 0xFF000000), PictureMode::Stretched);
    ::ShowWindow(window, SW_SHOWNOACTIVATE);
    PumpFor(50);
    ::SetWindowTextW(window, L"新标题");
    EXPECT_EQ(Inside().Record(1)->frame->DrawnTitle(), "新标题");
    ASSERT_TRUE(engine_->SetTitleStyle(window, std::nullopt, std::nullopt, 0x0000FF, std::nullopt,
                                       std::nullopt));
    // Pure red text now shows in the title area, and the text itself is unchanged.
    const PixelBox area =
        LayoutTitle(300, Inside().Record(1)->strip.width, 3, 25).area;  // 300 wide
    int red = 0;
    for (int y = area.y; y < area.y + area.height; ++y) {
        for (int x = area.x + 20; x < area.x + area.width; ++x)
            red += ImagePixel(window, x, y) == 0xFF0000u;
    }
    EXPECT_GT(red, 10);
    EXPECT_FALSE(engine_->SetTitleStyle(::GetDesktopWindow(), "宋体", 9, 0, 0, 0));
}

TEST_F(SkinEngineTest, SizeLimitsComeFromTheRecord) {
    HWND window = MakeWindow();
    Apply(window);
    MINMAXINFO info{};
    ::SendMessageW(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 200);
    EXPECT_EQ(info.ptMinTrackSize.y, 150);
    EXPECT_EQ(info.ptMaxTrackSize.x, ::GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(info.ptMaxTrackSize.y, ::GetSystemMetrics(SM_CYSCREEN));
}

TEST_F(SkinEngineTest, HoveringFadesTheCloseButtonInRed) {
    HWND window = MakeWindow();
    Apply(window);
    UsePicture(testing::FlatPicture(20, 20, 0xFF303030), PictureMode::Stretched);
    ::ShowWindow(window, SW_SHOWNOACTIVATE);
    PumpFor(50);
    engine_->RenderWindow(1, nullptr, false);
    const PixelBox box = ButtonPaintBox(Inside().Record(1)->strip, 3);
    const std::uint32_t before = ImagePixel(window, box.x + 3, box.y + 3);
    ::SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(box.x + box.width / 2, 10));
    ::SendMessageW(window, WM_MOUSEHOVER, 0, 0);
    ASSERT_EQ(Inside().Record(1)->captionHover.hotButton, 3);
    ASSERT_TRUE(PumpUntil(
        [&] { return Inside().Record(1)->captionHover.fadeIn.step >= kFadeSteps; }, 3000));
    const std::uint32_t after = ImagePixel(window, box.x + 3, box.y + 3);
    EXPECT_GT((after >> 16) & 0xFF, ((before >> 16) & 0xFF) + 60)
        << std::hex << before << " " << after;

    ::SendMessageW(window, WM_MOUSELEAVE, 0, 0);
    ASSERT_TRUE(PumpUntil(
        [&] {
            return !Inside().Record(1)->captionHover.timerOn &&
                   Inside().Record(1)->captionHover.fadeOut.button == 0;
        },
        3000));
    EXPECT_EQ(ImagePixel(window, box.x + 3, box.y + 3), before);
}

TEST_F(SkinEngineTest, OnceTheHoverHasComeOnlyTheLeaveIsTracked) {
    HWND window = MakeWindow();
    Apply(window);
    ::ShowWindow(window, SW_SHOWNOACTIVATE);
    PumpFor(50);
    RECT rect{};
    ::GetWindowRect(window, &rect);
    // The real pointer comes in: its move asks for the hover at 1 ms, and the hover comes.
    ::SetCursorPos(rect.left + 150, rect.top + 100);
    ASSERT_TRUE(PumpUntil([&] { return Inside().Record(1)->captionHover.mouseInside; }, 2000));
    TRACKMOUSEEVENT query{sizeof(query), TME_QUERY, window, 0};
    ::TrackMouseEvent(&query);
    EXPECT_EQ(query.hwndTrack, window);
    EXPECT_EQ(query.dwFlags & (TME_HOVER | TME_LEAVE), static_cast<DWORD>(TME_LEAVE));
    // Not the hover's 1 ms any more, which would keep the pointer polled until the leave.
    EXPECT_NE(query.dwHoverTime, 1u);
    ::SetCursorPos(0, 0);
    EXPECT_TRUE(PumpUntil([&] { return !Inside().Record(1)->captionHover.mouseInside; }, 3000));
}

TEST_F(SkinEngineTest, ChildrenGetTheSkinBehindThemAsTheirBrush) {
    HWND window = MakeWindow(WS_POPUP);
    HWND label = ::CreateWindowExW(0, L"STATIC", L"x", WS_CHILD | WS_VISIBLE, 40, 60, 50, 20,
                                   window, nullptr, nullptr, nullptr);
    SkinSeeThroughInGreen(window);
    prop::Set(label, prop::kTextColour, 0x0000FF);

    HDC dc = ::GetDC(label);
    const auto brush = reinterpret_cast<HBRUSH>(::SendMessageW(
        window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label)));
    ASSERT_NE(brush, nullptr);
    EXPECT_EQ(prop::Get(label, prop::kBackgroundBrush), reinterpret_cast<std::intptr_t>(brush));
    EXPECT_NE(prop::Get(label, prop::kBackgroundBitmap), 0);
    EXPECT_EQ(::GetTextColor(dc), 0x0000FFu);
    EXPECT_EQ(::GetBkMode(dc), TRANSPARENT);
    ::ReleaseDC(label, dc);
    // The brush paints what the window image shows there: the picture.
    HDC memory = ::CreateCompatibleDC(nullptr);
    HBITMAP canvas = CreateArgbBitmap(10, 10);
    HGDIOBJ old = ::SelectObject(memory, canvas);
    RECT area{0, 0, 10, 10};
    ::FillRect(memory, &area, brush);
    EXPECT_EQ(::GetPixel(memory, 5, 5) & 0xFFFFFF, 0x00FF00u);
    ::SelectObject(memory, old);
    ::DeleteObject(canvas);
    ::DeleteDC(memory);

    const auto button = ::SendMessageW(window, WM_CTLCOLORBTN, 0, reinterpret_cast<LPARAM>(label));
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(button), ::GetStockObject(NULL_BRUSH));
    ::DestroyWindow(window);
}

TEST_F(SkinEngineTest, ABrushHandedToAChildIsFreedWithTheChild) {
    HWND window = MakeWindow(WS_POPUP);
    SkinSeeThroughInGreen(window);
    // A static the engine does not subclass, destroyed long before its window.
    HWND label = ::CreateWindowExW(0, L"STATIC", L"x", WS_CHILD | WS_VISIBLE, 40, 60, 50, 20,
                                   window, nullptr, nullptr, nullptr);
    HDC dc = ::GetDC(label);
    const auto brush = reinterpret_cast<HGDIOBJ>(::SendMessageW(
        window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label)));
    ::ReleaseDC(label, dc);
    const auto bitmap = reinterpret_cast<HGDIOBJ>(prop::Get(label, prop::kBackgroundBitmap));
    ASSERT_EQ(::GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));
    ASSERT_EQ(::GetObjectType(bitmap), static_cast<DWORD>(OBJ_BITMAP));
    ::DestroyWindow(label);
    EXPECT_EQ(::GetObjectType(brush), 0u);
    EXPECT_EQ(::GetObjectType(bitmap), 0u);
    EXPECT_TRUE(::IsWindow(window));
}

TEST_F(SkinEngineTest, AChildHandedTheHollowBrushAgainAfterAPatternHoldsTheHollowOne) {
    HWND window = MakeWindow(WS_POPUP);
    SkinSeeThroughInGreen(window);
    HWND label = ::CreateWindowExW(0, L"STATIC", L"x", WS_CHILD | WS_VISIBLE, 40, 60, 50, 20,
                                   window, nullptr, nullptr, nullptr);
    const auto hollow = reinterpret_cast<std::intptr_t>(::GetStockObject(NULL_BRUSH));
    const auto ask = [&](UINT message) {
        HDC dc = ::GetDC(label);
        const LRESULT brush = ::SendMessageW(window, message, reinterpret_cast<WPARAM>(dc),
                                             reinterpret_cast<LPARAM>(label));
        ::ReleaseDC(label, dc);
        return static_cast<std::intptr_t>(brush);
    };
    // Hollow twice, a pattern between, hollow again: what the child holds follows each answer.
    EXPECT_EQ(ask(WM_CTLCOLORBTN), hollow);
    EXPECT_EQ(ask(WM_CTLCOLORBTN), hollow);
    EXPECT_EQ(prop::Get(label, prop::kBackgroundBrush), hollow);
    const std::intptr_t pattern = ask(WM_CTLCOLORSTATIC);
    EXPECT_NE(pattern, hollow);
    EXPECT_EQ(prop::Get(label, prop::kBackgroundBrush), pattern);
    EXPECT_EQ(ask(WM_CTLCOLORBTN), hollow);
    EXPECT_EQ(prop::Get(label, prop::kBackgroundBrush), hollow);
    EXPECT_EQ(::GetObjectType(reinterpret_cast<HGDIOBJ>(pattern)), 0u);
    ::DestroyWindow(window);
}

TEST_F(SkinEngineTest, ControlsInsideAWindowComposingItsOwnImageCopyFromThatImage) {
    HWND window = MakeWindow(WS_POPUP);
    Apply(window);
    UsePicture(testing::FlatPicture(20, 20, kGreen), PictureMode::Stretched);
    engine_->RenderWindow(1, nullptr, false);
    HWND panel = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 20, 40, 200, 120,
                                   window, nullptr, nullptr, nullptr);
    HWND label = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 10, 10, 50, 20, panel,
                                   nullptr, nullptr, nullptr);
    // The panel's own image: blue all over.
    HDC own = ::CreateCompatibleDC(nullptr);
    HBITMAP ownBitmap = CreateArgbBitmap(200, 120);
    HGDIOBJ old = ::SelectObject(own, ownBitmap);
    HBRUSH blue = ::CreateSolidBrush(RGB(0, 0, 255));
    RECT all{0, 0, 200, 120};
    ::FillRect(own, &all, blue);
    ::DeleteObject(blue);
    const RECT spot{0, 0, 50, 20};
    const auto centre = [](const BackgroundSnapshot& snapshot) {
        return ::GetPixel(snapshot.Dc(), 25, 10) & 0xFFFFFF;
    };
    prop::Set(panel, prop::kOwnImageMark, 1);
    prop::Set(panel, prop::kOwnImageDc, reinterpret_cast<std::intptr_t>(own));
    EXPECT_FALSE(Inside().GetBackdrop().StampOf(label, spot).keepable);
    EXPECT_EQ(centre(Inside().GetBackdrop().Snapshot(label, spot)), RGB(0, 0, 255));
    prop::Remove(panel, prop::kOwnImageMark);
    EXPECT_TRUE(Inside().GetBackdrop().StampOf(label, spot).keepable);
    EXPECT_EQ(centre(Inside().GetBackdrop().Snapshot(label, spot)), RGB(0, 255, 0));
    // The mark is one of windows outside the engine: on the skinned window itself it is not read.
    HWND direct = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 240, 40, 50, 20,
                                    window, nullptr, nullptr, nullptr);
    prop::Set(window, prop::kOwnImageMark, 1);
    EXPECT_TRUE(Inside().GetBackdrop().StampOf(direct, spot).keepable);
    EXPECT_EQ(centre(Inside().GetBackdrop().Snapshot(direct, spot)), RGB(0, 255, 0));
    prop::Remove(window, prop::kOwnImageMark);
    prop::Remove(panel, prop::kOwnImageDc);
    ::SelectObject(own, old);
    ::DeleteObject(ownBitmap);
    ::DeleteDC(own);
    ::DestroyWindow(window);
}

TEST_F(SkinEngineTest, APictureThatDoesNotDecodeKeepsTheFillColour) {
    HWND window = MakeWindow(WS_POPUP);
    Apply(window, 25, false);
    UsePicture(testing::FlatPicture(20, 20, kGreen), PictureMode::Stretched);
    const std::vector<std::uint8_t> garbage(64, 0x5A);
    EXPECT_TRUE(engine_->SetWindowPicture(window, garbage));
    EXPECT_TRUE(Inside().Record(1)->state.needsRender);
    engine_->RenderWindow(1, nullptr, false);
    EXPECT_EQ(ImagePixel(window, 150, 100), kThemeRgb);
    // Only an unknown window or no bytes at all are refused.
    EXPECT_FALSE(engine_->SetWindowPicture(window, {}));
    EXPECT_FALSE(engine_->SetWindowPicture(::GetDesktopWindow(), garbage));
}

TEST_F(SkinEngineTest, LosingActivationTrimsTheWorkingSetOnItsOwnThread) {
    HWND window = MakeWindow(WS_POPUP);
    Apply(window);
    const int before = FinishedWorkingSetTrims();
    ::SendMessageW(window, WM_ACTIVATEAPP, TRUE, 0);
    ::SendMessageW(window, WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_TRUE(PumpUntil([&] { return FinishedWorkingSetTrims() == before + 1; }, 3000));
}

TEST_F(SkinEngineTest, TheEngineGivesWindowsBackTheirOwnProcedure) {
    HWND window = MakeWindow(WS_POPUP);
    Apply(window);
    const auto skinned = ::GetWindowLongPtrW(window, GWLP_WNDPROC);
    engine_.reset();
    EXPECT_NE(::GetWindowLongPtrW(window, GWLP_WNDPROC), skinned);
    EXPECT_EQ(prop::Get(window, prop::kListIndex), 0);
    EXPECT_EQ(prop::Get(window, prop::kOldProc), 0);
    EXPECT_EQ(EngineCore::Current(), nullptr);
    ::SendMessageW(window, WM_SYSCOMMAND, 0x1230, 0);
    EXPECT_EQ(systemCommands, std::vector<WPARAM>{0x1230});
}

}  // namespace
}  // namespace yf
