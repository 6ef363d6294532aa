// MainWindow as the program starts it, with the skin engine and the created sequence: the group
// boxes and the controls in them show the skin picture under every skin, the labels lying on
// skinned boxes repaint without traces, the XP look's frames stay on the quiet boxes, and the
// children's events still reach the event map.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/app_icon_win.h"
#include "app/layout.h"
#include "app/main_window_win.h"
#include "core/system_clock_win.h"
#include "core/wide_text_win.h"
#include "skin/engine/skin_engine_win.h"
#include "support/message_pump.h"
#include "support/pixels.h"
#include "widgets/xp_look_win.h"
#include "support/engine_inside.h"

namespace yf {
namespace {

using testing::Inside;
using testing::PumpFor;
using testing::PumpUntil;

class SkinnedWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        engine_ = std::make_unique<SkinEngine>(::GetModuleHandleW(nullptr), AppIconResource());
        WindowSeams seams;
        seams.skin = engine_.get();
        window_ = std::make_unique<MainWindow>(::GetModuleHandleW(nullptr), clock_, seams);
        ASSERT_TRUE(window_->Create());
        window_->SetProcessEnder([](int) {});
        window_->RunCreatedSequence();
        window_->ShowAfterStartUp();
        ::UpdateWindow(window_->Handle());
        PumpFor(200);
    }
    void TearDown() override {
        window_.reset();
        xp::SwitchXpLook(0);
        engine_.reset();
        PumpFor(20);
    }

    HWND Control(ControlId id) const { return window_->Control(id); }

    RECT RectIn(HWND control, HWND relativeTo) const {
        RECT rect{};
        ::GetWindowRect(control, &rect);
        ::MapWindowPoints(HWND_DESKTOP, relativeTo, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    void ChooseSkin(int skin) {
        window_->SwitchSkin(skin);
        PumpFor(200);
    }

    void RepaintEverything() {
        ::RedrawWindow(window_->Handle(), nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
        PumpFor(200);
    }

    // Pixels of the group box's client area that differ from the composed window image behind
    // them, leaving out the frame band along the edges and the children, except the inside of
    // the `seeInto` boxes (less their frame, a drop button and the labels lying on them).
    int DifferencesFromThePicture(ControlId groupId, const std::vector<ControlId>& seeInto) {
        HWND group = Control(groupId);
        RECT client{};
        ::GetClientRect(group, &client);
        const testing::Pixels shown = testing::CaptureClient(group, client);
        const gfx::PixelView image = Inside().Record(1)->windowImage.Pixels();
        const RECT at = RectIn(group, window_->Handle());
        std::vector<RECT> hidden;
        std::vector<RECT> open;
        for (const ControlLayout& entry : Layout()) {
            if (entry.parent != groupId) continue;
            const RECT rect = RectIn(Control(entry.id), group);
            hidden.push_back(rect);
            if (std::find(seeInto.begin(), seeInto.end(), entry.id) == seeInto.end()) continue;
            RECT inside = rect;
            ::InflateRect(&inside, -3, -3);
            if (entry.kind == ControlKind::DropList) inside.right -= 20;
            open.push_back(inside);
        }
        const auto inAny = [](const std::vector<RECT>& rects, POINT p) {
            return std::any_of(rects.begin(), rects.end(),
                               [p](const RECT& r) { return ::PtInRect(&r, p) != 0; });
        };
        int differences = 0;
        for (int y = 9; y < shown.height - 4; ++y) {
            for (int x = 4; x < shown.width - 4; ++x) {
                const POINT p{x, y};
                // Labels come first in the layout: a point in one stays hidden.
                if (inAny(hidden, p) && !inAny(open, p)) continue;
                bool underLabel = false;
                for (const ControlLayout& entry : Layout()) {
                    if (entry.parent != groupId || entry.kind != ControlKind::Label) continue;
                    const RECT rect = RectIn(Control(entry.id), group);
                    underLabel = underLabel || ::PtInRect(&rect, p);
                }
                if (underLabel) continue;
                differences += shown.At(x, y) != (image.At(at.left + x, at.top + y) & 0xFFFFFF);
            }
        }
        return differences;
    }

    SystemClock clock_;
    std::unique_ptr<SkinEngine> engine_;
    std::unique_ptr<MainWindow> window_;
};

TEST_F(SkinnedWindowTest, GroupBoxesAndTheirBoxesShowThePictureUnderEverySkin) {
    for (int skin = 1; skin <= 8; ++skin) {
        SCOPED_TRACE(skin);
        ChooseSkin(skin);
        EXPECT_EQ(DifferencesFromThePicture(ControlId::分组框1, {}), 0);
        EXPECT_EQ(
            DifferencesFromThePicture(ControlId::分组框2, {ControlId::编辑框3, ControlId::编辑框1,
                                                           ControlId::编辑框2, ControlId::组合框1}),
            0);
    }
}

TEST_F(SkinnedWindowTest, ChangingTheHourLabelLeavesNoTraceUnderEverySkin) {
    HWND group = Control(ControlId::分组框2);
    RECT spot = RectIn(Control(ControlId::编辑框_小时), group);
    const RECT label = RectIn(Control(ControlId::透明标签_小时), group);
    ::UnionRect(&spot, &spot, &label);
    for (int skin = 1; skin <= 8; ++skin) {
        SCOPED_TRACE(skin);
        ChooseSkin(skin);
        window_->SetText(ControlId::透明标签_小时, "17");
        PumpFor(150);
        window_->SetText(ControlId::透明标签_小时, "9");
        PumpFor(150);
        const testing::Pixels afterChange = testing::CaptureClient(group, spot);
        RepaintEverything();
        const testing::Pixels fresh = testing::CaptureClient(group, spot);
        testing::DumpIfAsked(afterChange, "skinned-label-after-change");
        testing::DumpIfAsked(fresh, "skinned-label-fresh");
        EXPECT_EQ(testing::CountDifferentPixels(afterChange, fresh), 0);
    }
}

// Paint messages a window gets while a test watches, sent or taken from the queue.
class PaintWatch {
  public:
    PaintWatch()
        : sent_(::SetWindowsHookExW(WH_CALLWNDPROC, Sent, nullptr, ::GetCurrentThreadId())),
          queued_(::SetWindowsHookExW(WH_GETMESSAGE, Queued, nullptr, ::GetCurrentThreadId())) {
        Counts().clear();
    }
    ~PaintWatch() {
        ::UnhookWindowsHookEx(sent_);
        ::UnhookWindowsHookEx(queued_);
    }
    PaintWatch(const PaintWatch&) = delete;
    PaintWatch& operator=(const PaintWatch&) = delete;
    int PaintsOf(HWND window) const { return Counts()[window]; }

  private:
    static std::map<HWND, int>& Counts() {
        static std::map<HWND, int> counts;
        return counts;
    }
    static void Note(HWND window, UINT message) {
        if (message == WM_PAINT || message == WM_NCPAINT || message == WM_ERASEBKGND) {
            ++Counts()[window];
        }
    }
    static LRESULT CALLBACK Sent(int code, WPARAM wParam, LPARAM lParam) {
        if (code >= 0) {
            const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
            Note(call->hwnd, call->message);
        }
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static LRESULT CALLBACK Queued(int code, WPARAM wParam, LPARAM lParam) {
        if (code >= 0 && wParam == PM_REMOVE) {
            const auto* msg = reinterpret_cast<const MSG*>(lParam);
            Note(msg->hwnd, msg->message);
        }
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }
    HHOOK sent_;
    HHOOK queued_;
};

// The clock's label over its empty box repaints itself alone, over a backdrop composed from
// what the engine keeps, and shows exactly what a repaint of everything under it shows.
TEST_F(SkinnedWindowTest, TheClockLabelRepaintsAloneAndAsAFullRepaintWould) {
    HWND group = Control(ControlId::分组框2);
    HWND box = Control(ControlId::编辑框3);
    HWND clockLabel = Control(ControlId::透明标签_现在时间);
    RECT spot = RectIn(clockLabel, group);
    const RECT boxRect = RectIn(box, group);
    ::UnionRect(&spot, &spot, &boxRect);
    // The clock's own ticks would change the text between the two looks.
    window_->SetTimerInterval(TimerId::时钟1, 0);
    for (int skin = 1; skin <= 8; ++skin) {
        SCOPED_TRACE(skin);
        ChooseSkin(skin);
        RepaintEverything();
        window_->SetText(ControlId::透明标签_现在时间, "23:59:58");
        PumpFor(100);
        int paintsUnder = 0;
        int labelPaints = 0;
        {
            PaintWatch watch;
            window_->SetText(ControlId::透明标签_现在时间, "1:02:03");
            PumpFor(100);
            paintsUnder = watch.PaintsOf(group) + watch.PaintsOf(box) +
                          watch.PaintsOf(window_->Handle());
            labelPaints = watch.PaintsOf(clockLabel);
        }
        EXPECT_EQ(paintsUnder, 0);
        EXPECT_GE(labelPaints, 1);
        const testing::Pixels afterChange = testing::CaptureClient(group, spot);
        RepaintEverything();
        const testing::Pixels fresh = testing::CaptureClient(group, spot);
        const std::string name = "clock-label-skin" + std::to_string(skin);
        testing::DumpIfAsked(afterChange, (name + "-after-change").c_str());
        testing::DumpIfAsked(fresh, (name + "-fresh").c_str());
        EXPECT_EQ(testing::CountDifferentPixels(afterChange, fresh), 0);
    }
}

// The XP look's frames stay on the skinned boxes while they are quiet: blue outside, inside the
// face colour for a read-only box and the window colour for one the user types into. Under the
// pointer the skin lights its own frame instead, and the quiet frame returns when it leaves.
TEST_F(SkinnedWindowTest, QuietBoxesKeepTheXpLookFramesUnderEverySkin) {
    const auto rgb = [](COLORREF c) {
        return static_cast<std::uint32_t>(GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c));
    };
    const std::uint32_t blue = rgb(RGB(123, 158, 189));
    const struct {
        ControlId box;
        int innerColour;
    } boxes[] = {
        {ControlId::编辑框_小时, COLOR_BTNFACE},
        {ControlId::编辑框_秒钟, COLOR_BTNFACE},
        {ControlId::编辑框1, COLOR_WINDOW},
        {ControlId::编辑框3, COLOR_WINDOW},
    };
    for (int skin = 1; skin <= 8; ++skin) {
        SCOPED_TRACE(skin);
        ChooseSkin(skin);
        RepaintEverything();
        for (const auto& b : boxes) {
            SCOPED_TRACE(LayoutOf(b.box).name.data());
            const testing::Pixels shown = testing::CaptureWindow(Control(b.box));
            const int middle = shown.height / 2;
            // The left edge and the bottom's left end: no label or spinner lies there.
            EXPECT_EQ(shown.At(0, middle), blue);
            EXPECT_EQ(shown.At(2, shown.height - 1), blue);
            EXPECT_EQ(shown.At(1, middle), rgb(::GetSysColor(b.innerColour)));
            EXPECT_EQ(shown.At(2, shown.height - 2), rgb(::GetSysColor(b.innerColour)));
        }
    }

    HWND reminder = Control(ControlId::编辑框1);
    RECT at{};
    ::GetWindowRect(reminder, &at);
    const auto leftEdge = [reminder] {
        const testing::Pixels shown = testing::CaptureWindow(reminder);
        return shown.At(0, shown.height / 2);
    };
    // The platform notices the pointer's arrival and departure on its own timer.
    ::SetCursorPos(at.left + 6, (at.top + at.bottom) / 2);
    EXPECT_TRUE(PumpUntil([&] { return leftEdge() != blue; }, 2000))
        << "the skin's lit frame is covered";
    ::SetCursorPos(0, 0);
    EXPECT_TRUE(PumpUntil([&] { return leftEdge() == blue; }, 2000));
    const testing::Pixels quiet = testing::CaptureWindow(reminder);
    EXPECT_EQ(quiet.At(1, quiet.height / 2), rgb(::GetSysColor(COLOR_WINDOW)));
}

// The opened list of 组合框1 is the XP look's to frame as well: blue outside, window white
// inside, painted when the pointer comes over it.
TEST_F(SkinnedWindowTest, OpenedFunctionListGetsTheXpLookFrame) {
    HWND combo = Control(ControlId::组合框1);
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(::GetComboBoxInfo(combo, &info));
    ASSERT_EQ(xp::TakenOverAs(info.hwndList), xp::Kind::DropList);
    ::SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    PumpFor(200);
    ASSERT_TRUE(::IsWindowVisible(info.hwndList));
    ::SendMessageW(info.hwndList, WM_MOUSEMOVE, 0, MAKELPARAM(10, 5));
    const testing::Pixels shown = testing::CaptureWindow(info.hwndList);
    ::SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
    PumpFor(100);
    const auto rgb = [](COLORREF c) {
        return static_cast<std::uint32_t>(GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c));
    };
    EXPECT_EQ(shown.At(0, shown.height / 2), rgb(RGB(123, 158, 189)));
    EXPECT_EQ(shown.At(1, shown.height / 2), rgb(::GetSysColor(COLOR_WINDOW)));
}

TEST_F(SkinnedWindowTest, IconButtonsKeepTheirOwnFaceAndColoursUnderEverySkin) {
    for (int skin = 1; skin <= 8; ++skin) {
        SCOPED_TRACE(skin);
        ChooseSkin(skin);
        for (ControlId id : {ControlId::超级按钮1, ControlId::超级按钮2}) {
            HWND button = Control(id);
            // Not one of the engine's buttons: still drawn by the window's own code.
            EXPECT_EQ(::GetPropW(button, L"Hw_lbID"), nullptr);
            RepaintEverything();
            const testing::Pixels pixels = testing::CaptureWindow(button);
            int face = 0, orange = 0;
            for (int y = 0; y < pixels.height; ++y) {
                for (int x = 0; x < pixels.width; ++x) {
                    face += pixels.At(x, y) == 0xF0F0F0u;
                    orange += pixels.At(x, y) == 0xFF8000u;
                }
            }
            // The flat light face fills most of it, the caption is in the layout's orange.
            EXPECT_GT(face, pixels.width * pixels.height / 2);
            EXPECT_GT(orange, 10);
        }
    }
}

TEST_F(SkinnedWindowTest, EventsOfTheGroupBoxChildrenStillReachTheWindow) {
    // The reminder box mirrors what is typed into its label.
    ::SetWindowTextW(Control(ControlId::编辑框1), L"5");
    EXPECT_EQ(window_->Text(ControlId::透明标签_提醒时间), "5");

    // The list reports a new choice by itself when stepped with the keyboard.
    HWND list = Control(ControlId::组合框1);
    ::SetFocus(list);
    ::SendMessageW(list, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(window_->SelectedIndex(ControlId::组合框1), 1);
    EXPECT_EQ(window_->Text(ControlId::透明标签_功能), FunctionItems()[1]);

    // A press on the upper half of the hour spinner steps the hour.
    const std::string hour = window_->Text(ControlId::透明标签_小时);
    HWND spinner = Control(ControlId::调节器_小时);
    ::SendMessageW(spinner, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(9, 4));
    ::SendMessageW(spinner, WM_LBUTTONUP, 0, MAKELPARAM(9, 4));
    EXPECT_TRUE(PumpUntil([&] { return window_->Text(ControlId::透明标签_小时) != hour; }, 2000));
}

}  // namespace
}  // namespace yf
