// Every family's face over a picture whose every pixel differs from its neighbours, with and
// without the veil: after the controls moved, each shows what a full recomposition shows at its
// new place (a face copied from the wrong place, or kept from the old one, differs there), and
// the skin behind a see-through edit is the window's image at that place under the veil.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "skin/engine/engine_core_win.h"
#include "support/engine_inside.h"
#include "support/skinned_host.h"

namespace yf {
namespace {

using testing::CaptureClient;
using testing::CaptureWindow;
using testing::HostOptions;
using testing::Inside;
using testing::Pixels;
using testing::PumpFor;
using testing::SkinnedHost;

struct Placed {
    const char* name;
    HWND control;
};

class FacesOverAPatternTest : public ::testing::TestWithParam<int> {
  protected:
    FacesOverAPatternTest() : host_(HostOptions{true, true, GetParam()}) {}

    void SetUp() override {
        // The pointer away from the window: no control is lit by it.
        ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1);
        HWND window = host_.window;
        group_ = Child(window, L"BUTTON", L"分组", BS_GROUPBOX, 0, 300, 40, 240, 200);
        placed_ = {
            {"push button", Child(window, L"BUTTON", L"确定", BS_PUSHBUTTON, 0, 10, 40, 80, 26)},
            {"check box", Child(window, L"BUTTON", L"选项", BS_AUTOCHECKBOX, 0, 100, 40, 90, 20)},
            {"radio button",
             Child(window, L"BUTTON", L"单选", BS_AUTORADIOBUTTON, 0, 190, 40, 90, 20)},
            {"edit", Child(window, L"EDIT", L"", 0, WS_EX_CLIENTEDGE, 10, 80, 100, 24)},
            {"combo box", Child(window, L"COMBOBOX", L"", CBS_DROPDOWNLIST, 0, 120, 80, 100, 120)},
            {"trackbar", Child(window, TRACKBAR_CLASSW, L"", 0, 0, 10, 120, 150, 30)},
            {"progress bar", Child(window, PROGRESS_CLASSW, L"", 0, 0, 170, 120, 110, 18)},
            {"list box",
             Child(window, WC_LISTBOXW, L"", WS_BORDER | LBS_NOINTEGRALHEIGHT, 0, 10, 160, 90, 70)},
            {"list view",
             Child(window, WC_LISTVIEWW, L"", LVS_REPORT | WS_BORDER, 0, 110, 160, 170, 70)},
            {"up-down", Child(window, UPDOWN_CLASSW, L"", 0, 0, 230, 80, 18, 24)},
            {"tab control", Child(window, WC_TABCONTROLW, L"", 0, 0, 10, 250, 160, 40)},
            {"container", group_},
            {"push button in the container",
             Child(group_, L"BUTTON", L"里面", BS_PUSHBUTTON, 0, 10, 20, 80, 26)},
            {"edit in the container",
             Child(group_, L"EDIT", L"", 0, WS_EX_CLIENTEDGE, 10, 60, 100, 24)},
            {"trackbar in the container",
             Child(group_, TRACKBAR_CLASSW, L"", 0, 0, 10, 100, 150, 30)},
        };
        ::SendMessageW(Control("progress bar"), PBM_SETPOS, 40, 0);
        ::SendMessageW(Control("list box"), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"一项"));
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = 80;
        column.pszText = const_cast<wchar_t*>(L"名称");
        ListView_InsertColumn(Control("list view"), 0, &column);
        host_.SkinAndShow();
        ASSERT_EQ(host_.engine->RegisterContainer(group_, true, 0xC0C0C0, 60), 1);
        host_.engine->RegisterKeyedControl(Control("tab control"));
        // Every face made over what the window shows now, before anything moves.
        host_.Recompose();
    }

    static HWND Child(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style,
                      DWORD exStyle, int x, int y, int w, int h) {
        HWND child = SkinnedHost::Child(parent, cls, style, exStyle, x, y, w, h);
        ::SetWindowTextW(child, text);
        return child;
    }

    HWND Control(const std::string& name) const {
        for (const Placed& placed : placed_) {
            if (name == placed.name) return placed.control;
        }
        return nullptr;
    }

    SkinnedHost host_;
    HWND group_ = nullptr;
    std::vector<Placed> placed_;
};

TEST_P(FacesOverAPatternTest, AfterAMoveEveryFaceShowsWhatAFullRecompositionShows) {
    for (const Placed& placed : placed_) {
        RECT at{};
        ::GetWindowRect(placed.control, &at);
        POINT corner{at.left, at.top};
        ::ScreenToClient(::GetParent(placed.control), &corner);
        ::SetWindowPos(placed.control, nullptr, corner.x + 5, corner.y + 3, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    PumpFor(200);
    std::vector<Pixels> moved;
    for (const Placed& placed : placed_) moved.push_back(CaptureWindow(placed.control));
    host_.Recompose();
    for (std::size_t i = 0; i < placed_.size(); ++i) {
        const Pixels full = CaptureWindow(placed_[i].control);
        EXPECT_EQ(testing::CountDifferentPixels(moved[i], full), 0) << placed_[i].name;
    }
}

// The veil is laid once over the skin behind an empty see-through edit: each pixel of its
// client area is the window's image there, whitened by the veil's alpha.
TEST_P(FacesOverAPatternTest, TheSkinBehindAnEditIsTheWindowImageUnderTheVeil) {
    HWND edit = Control("edit");
    RECT client{};
    ::GetClientRect(edit, &client);
    const Pixels shown = CaptureClient(edit, client);
    POINT origin{0, 0};
    ::ClientToScreen(edit, &origin);
    ::ScreenToClient(host_.window, &origin);
    DibSurface& image = Inside().Record(1)->windowImage;
    const gfx::PixelView behind = image.Pixels();
    const int veil = GetParam();
    int off = 0;
    for (int y = 0; y < shown.height; ++y) {
        for (int x = 0; x < shown.width; ++x) {
            const std::uint32_t under = behind.At(origin.x + x, origin.y + y) & 0xFFFFFF;
            const std::uint32_t seen = shown.At(x, y);
            for (int shift = 0; shift < 24; shift += 8) {
                const int channel = static_cast<int>((under >> shift) & 0xFF);
                const int expected = channel + (255 - channel) * veil / 255;
                if (std::abs(static_cast<int>((seen >> shift) & 0xFF) - expected) > 2) {
                    ++off;
                    break;
                }
            }
        }
    }
    EXPECT_EQ(off, 0) << "of " << shown.width * shown.height;
}

INSTANTIATE_TEST_SUITE_P(Veils, FacesOverAPatternTest, ::testing::Values(0, 100),
                         [](const ::testing::TestParamInfo<int>& veil) {
                             return veil.param == 0
                                        ? std::string("NoVeil")
                                        : std::string("Veil") + std::to_string(veil.param);
                         });

}  // namespace
}  // namespace yf
