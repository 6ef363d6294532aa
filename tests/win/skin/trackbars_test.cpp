// Trackbars and progress bars painted by the engine under Wine, on a skinned window and inside
// a registered group box, over a flat grey skin with a red accent.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "core/unique_handle_win.h"
#include "skin/engine/child_hover.h"
#include "skin/families/progress/progress_painter_win.h"
#include "skin/engine/skin_engine_win.h"
#include "skin/families/trackbar/trackbar_painter_win.h"
#include "skin/engine/window_properties_win.h"
#include "support/message_pump.h"
#include "support/pictures.h"
#include "support/pixels.h"
#include "support/engine_inside.h"

namespace yf {
namespace {

using testing::Inside;
using testing::PumpFor;

constexpr wchar_t kHostClass[] = L"YfTrackbarsTestWindow";
constexpr gfx::ColourRef kAccent = 0x0000FF;
constexpr std::uint32_t kGrey = 0x808080;

int R(std::uint32_t rgb) {
    return static_cast<int>((rgb >> 16) & 0xFF);
}
int G(std::uint32_t rgb) {
    return static_cast<int>((rgb >> 8) & 0xFF);
}
bool IsReddish(std::uint32_t rgb) {
    return R(rgb) > G(rgb) + 40;
}
bool IsBright(std::uint32_t rgb) {
    return R(rgb) > 0xD0 && G(rgb) > 0xD0;
}

class SkinnedTrackbarsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX common{sizeof(common), ICC_BAR_CLASSES | ICC_PROGRESS_CLASS};
        ::InitCommonControlsEx(&common);
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = ::DefWindowProcW;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = kHostClass;
        ::RegisterClassExW(&wc);
        engine_ = std::make_unique<SkinEngine>();
        picture_ = testing::FlatPicture(20, 20, 0xFF000000 | kGrey);
        SkinPictureArgs args;
        args.bytes = picture_;
        args.themeColour = 0xC0C0C0;
        args.accentColour = kAccent;
        args.mode = PictureMode::Stretched;
        engine_->SetSkinPicture(args);
    }

    void Build(std::optional<bool> channel = std::nullopt) {
        ControlOptions options;
        options.veilAlpha = 0;
        options.trackbarChannel = channel;
        engine_->SetControlOptions(options);
        window_ = ::CreateWindowExW(0, kHostClass, L"滑块", WS_POPUP, 100, 100, 460, 300, nullptr,
                                    nullptr, nullptr, nullptr);
        track_ = Child(window_, TRACKBAR_CLASSW, TBS_AUTOTICKS, 10, 40, 220, 40);
        ::SendMessageW(track_, TBM_SETRANGE, FALSE, MAKELPARAM(0, 10));
        ::SendMessageW(track_, TBM_SETPOS, TRUE, 5);
        upright_ = Child(window_, TRACKBAR_CLASSW, TBS_VERT, 240, 40, 40, 200);
        progress_ = Child(window_, PROGRESS_CLASSW, 0, 10, 100, 200, 20);
        ::SendMessageW(progress_, PBM_SETRANGE32, 0, 100);
        ::SendMessageW(progress_, PBM_SETPOS, 50, 0);
        group_ = Child(window_, L"BUTTON", BS_GROUPBOX, 290, 30, 160, 260);
        innerTrack_ = Child(group_, TRACKBAR_CLASSW, TBS_ENABLESELRANGE, 10, 20, 140, 40);
        innerProgress_ = Child(group_, PROGRESS_CLASSW, PBS_VERTICAL, 20, 70, 24, 180);
        ::SendMessageW(innerProgress_, PBM_SETPOS, 30, 0);
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

    static HWND Child(HWND parent, const wchar_t* cls, DWORD style, int x, int y, int w, int h) {
        return ::CreateWindowExW(0, cls, L"", WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                                 nullptr, nullptr, nullptr);
    }
    static int CountBright(HWND control) {
        const testing::Pixels pixels = testing::CaptureWindow(control);
        int count = 0;
        for (int y = 0; y < pixels.height; ++y) {
            for (int x = 0; x < pixels.width; ++x) count += IsBright(pixels.At(x, y));
        }
        return count;
    }

    std::unique_ptr<SkinEngine> engine_;
    std::vector<std::uint8_t> picture_;
    HWND window_ = nullptr, group_ = nullptr;
    HWND track_ = nullptr, upright_ = nullptr, progress_ = nullptr;
    HWND innerTrack_ = nullptr, innerProgress_ = nullptr;
};

TEST_F(SkinnedTrackbarsTest, EveryTrackbarAndProgressBarIsTakenOver) {
    Build();
    const WindowRecord& record = *Inside().Record(1);
    EXPECT_EQ(Inside().Record(1)->ChildCount(ControlFamily::Trackbars), 3);
    EXPECT_EQ(Inside().Record(1)->ChildCount(ControlFamily::ProgressBars), 2);
    (void)record;
    const auto trackProc =
        reinterpret_cast<LONG_PTR>(Inside().PainterOf<TrackbarPainter>()->Procedure());
    EXPECT_EQ(::GetWindowLongPtrW(innerTrack_, GWLP_WNDPROC), trackProc);
    EXPECT_EQ(prop::Get(upright_, prop::kListIndex), 2);
    EXPECT_EQ(prop::Get(innerProgress_, prop::kListIndex), 2);
}

TEST_F(SkinnedTrackbarsTest, ThumbGrowsUnderTheMouseAndShrinksWhenItLeaves) {
    Build(false);  // no panel: only the groove and the thumb lie on the grey
    const int resting = CountBright(track_);
    ::SendMessageW(track_, WM_MOUSEMOVE, 0, MAKELPARAM(100, 20));
    EXPECT_EQ(Inside().Record(1)->childHover.hotKind, kTrackbarHotKind);
    const int hot = CountBright(track_);
    ::SendMessageW(track_, WM_MOUSELEAVE, 0, 0);
    const int after = CountBright(track_);
    // A 4-pixel dot against an 11-pixel circle.
    EXPECT_LT(resting, 20);
    EXPECT_GT(hot, 50);
    EXPECT_EQ(after, resting);
}

TEST_F(SkinnedTrackbarsTest, WithoutTheChannelOptionThereIsNoPanel) {
    Build(false);
    testing::Pixels bare = testing::CaptureWindow(track_);
    EXPECT_EQ(bare.At(2, 2), kGrey);
    EXPECT_EQ(bare.At(0, 20), kGrey);
    ::DestroyWindow(window_);
    engine_ = std::make_unique<SkinEngine>();
    SkinPictureArgs args;
    args.bytes = picture_;
    args.themeColour = 0xC0C0C0;
    args.accentColour = kAccent;
    args.mode = PictureMode::Stretched;
    engine_->SetSkinPicture(args);
    Build();
    const testing::Pixels panel = testing::CaptureWindow(track_);
    EXPECT_GT(R(panel.At(2, 2)), R(kGrey) + 20);  // the white panel
    EXPECT_LT(R(panel.At(0, 20)), R(kGrey));      // its dark outline
}

TEST_F(SkinnedTrackbarsTest, ProgressBarFillsUpToItsPosition) {
    Build();
    const testing::Pixels half = testing::CaptureWindow(progress_);
    EXPECT_TRUE(IsReddish(half.At(50, 15))) << std::hex << half.At(50, 15);
    EXPECT_FALSE(IsReddish(half.At(150, 15)));
    // Upright at 30 %: the bottom part only.
    const testing::Pixels upright = testing::CaptureWindow(innerProgress_);
    EXPECT_TRUE(IsReddish(upright.At(12, 170)));
    EXPECT_FALSE(IsReddish(upright.At(12, 60)));

    // An empty range shows the panel alone, as at position 0.
    ::SendMessageW(progress_, PBM_SETRANGE32, 40, 40);
    PumpFor(50);
    const testing::Pixels empty = testing::CaptureWindow(progress_);
    ::SendMessageW(progress_, PBM_SETRANGE32, 0, 100);
    ::SendMessageW(progress_, PBM_SETPOS, 0, 0);
    PumpFor(50);
    const testing::Pixels none = testing::CaptureWindow(progress_);
    EXPECT_EQ(testing::CountDifferentPixels(empty, none), 0);
    EXPECT_FALSE(IsReddish(none.At(50, 15)));
}

// A range of nothing still gets the whole face (and no selection mark to divide by it); a
// selection is marked along the groove over exactly the selected share of the channel.
TEST_F(SkinnedTrackbarsTest, RangeZeroAndSelectionsPaintSafely) {
    Build();
    const auto repaint = [this] {
        ::RedrawWindow(innerTrack_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_FRAME);
        PumpFor(30);
        return testing::CaptureWindow(innerTrack_);
    };
    ::SendMessageW(innerTrack_, TBM_SETRANGE, TRUE, MAKELPARAM(0, 0));
    ::SendMessageW(innerTrack_, TBM_SETSEL, TRUE, MAKELPARAM(0, 0));
    {
        // Green all over, so a face left unpainted shows.
        WindowDc dc(innerTrack_, WindowDc::Area::Whole);
        const RECT all{0, 0, 1000, 1000};
        UniqueBrush green(::CreateSolidBrush(RGB(0, 255, 0)));
        ::FillRect(dc.get(), &all, green.get());
    }
    const testing::Pixels empty = repaint();
    int green = 0;
    for (std::uint32_t p : empty.bgra) green += (p & 0xFFFFFF) == 0x00FF00;
    EXPECT_EQ(green, 0);
    EXPECT_EQ(BackgroundSnapshot::LiveCount(), 0u);

    ::SendMessageW(innerTrack_, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
    const testing::Pixels unmarked = repaint();
    ::SendMessageW(innerTrack_, TBM_SETSEL, TRUE, MAKELPARAM(20, 60));
    const testing::Pixels marked = repaint();
    RECT channel{};
    ::SendMessageW(innerTrack_, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    const int length = channel.right - channel.left;
    // Where the mark differs from the face without it: one line (two rows where it is smoothed
    // across a pixel boundary), from 20 % to 60 %.
    int left = unmarked.width, right = -1, top = unmarked.height, bottom = -1;
    for (int y = 0; y < unmarked.height; ++y) {
        for (int x = 0; x < unmarked.width; ++x) {
            if (unmarked.At(x, y) == marked.At(x, y)) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    ASSERT_GE(right, left) << "no selection mark";
    EXPECT_LE(bottom - top, 1);
    EXPECT_NEAR(left, channel.left + length * 20 / 100, 2);
    EXPECT_NEAR(right, channel.left + length * 60 / 100, 2);
    EXPECT_EQ(BackgroundSnapshot::LiveCount(), 0u);
}

TEST_F(SkinnedTrackbarsTest, AtTheMaximumTheAccentLineReachesFurther) {
    Build();
    // How far the accent line reaches past the thumb's left edge.
    const auto reach = [this](int position) {
        ::SendMessageW(track_, TBM_SETPOS, TRUE, position);
        PumpFor(50);
        const testing::Pixels pixels = testing::CaptureWindow(track_);
        int right = -1;
        for (int y = 0; y < pixels.height; ++y) {
            for (int x = 0; x < pixels.width; ++x) {
                if (IsReddish(pixels.At(x, y))) right = std::max(right, x);
            }
        }
        RECT thumb{};
        ::SendMessageW(track_, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
        return right - thumb.left;
    };
    EXPECT_EQ(reach(9), -1);
    EXPECT_EQ(reach(10), 9);
}

}  // namespace
}  // namespace yf
