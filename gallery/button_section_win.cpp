// The gallery's buttons, trackbars and progress bars: push buttons (one the default, one
// disabled), check boxes, automatic radio buttons, a glass and a four-state picture button,
// trackbars with ticks, upright and with a selection range, and two progress bars.
#include <windows.h>

#include <commctrl.h>

#include "core/resource_bytes_win.h"
#include "core/wide_text_win.h"
#include "gallery/sections_win.h"
#include "skin/engine/skin_engine_win.h"

namespace yf::gallery {
namespace {

// Identifiers, after the section's first one.
enum : int { kGlassButton = 1, kStateButton = 2 };

HWND Make(const SectionPlace& place, HWND parent, const PixelBox& area, const wchar_t* cls,
          const char* text, DWORD style, int x, int y, int width, int height, int id = 0) {
    HWND control = ::CreateWindowExW(
        0, cls, Widen(text).c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, area.x + x,
        area.y + y, width, height, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id ? place.firstId + id : 0)), place.instance,
        nullptr);
    ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(place.font), FALSE);
    return control;
}

HWND Trackbar(const SectionPlace& place, HWND parent, const PixelBox& area, DWORD style, int x,
              int y, int width, int height, int high, int position) {
    HWND bar = Make(place, parent, area, TRACKBAR_CLASSW, "", style, x, y, width, height);
    ::SendMessageW(bar, TBM_SETRANGE, FALSE, MAKELPARAM(0, high));
    ::SendMessageW(bar, TBM_SETTICFREQ, high / 10 > 0 ? high / 10 : 1, 0);
    ::SendMessageW(bar, TBM_SETPOS, TRUE, position);
    return bar;
}

HWND Progress(const SectionPlace& place, HWND parent, const PixelBox& area, DWORD style, int x,
              int y, int width, int height, int position) {
    HWND bar = Make(place, parent, area, PROGRESS_CLASSW, "", style, x, y, width, height);
    ::SendMessageW(bar, PBM_SETRANGE32, 0, 100);
    ::SendMessageW(bar, PBM_SETPOS, position, 0);
    return bar;
}

void Create(const SectionPlace& place) {
    // Standing on the window.
    const PixelBox& w = place.area.onWindow;
    HWND window = place.window;
    Make(place, window, w, L"BUTTON", "普通按钮", BS_PUSHBUTTON, 10, 10, 100, 28);
    Make(place, window, w, L"BUTTON", "默认按钮", BS_DEFPUSHBUTTON, 120, 10, 100, 28);
    Make(place, window, w, L"BUTTON", "玻璃按钮", BS_PUSHBUTTON, 240, 4, 120, 40, kGlassButton);
    HWND checked =
        Make(place, window, w, L"BUTTON", "复选框（已选）", BS_AUTOCHECKBOX, 10, 56, 160, 20);
    ::SendMessageW(checked, BM_SETCHECK, BST_CHECKED, 0);
    Make(place, window, w, L"BUTTON", "单选按钮甲", BS_AUTORADIOBUTTON | WS_GROUP, 10, 84, 160, 20);
    Trackbar(place, window, w, TBS_AUTOTICKS | TBS_BOTTOM, 10, 120, 280, 40, 10, 3);
    Progress(place, window, w, 0, 10, 180, 280, 22, 50);
    Trackbar(place, window, w, TBS_VERT | TBS_AUTOTICKS | TBS_RIGHT, 400, 60, 44, 220, 10, 6);

    // Inside the group box.
    const PixelBox& g = place.area.inGroup;
    HWND group = place.group;
    HWND disabled = Make(place, group, g, L"BUTTON", "禁用的按钮", BS_PUSHBUTTON, 10, 10, 100, 28);
    ::EnableWindow(disabled, FALSE);
    Make(place, group, g, L"BUTTON", "另一个按钮", BS_PUSHBUTTON, 120, 10, 100, 28);
    Make(place, group, g, L"BUTTON", "", BS_PUSHBUTTON, 240, 4, 100, 40, kStateButton);
    Make(place, group, g, L"BUTTON", "复选框", BS_AUTOCHECKBOX, 10, 56, 160, 20);
    HWND radio = Make(place, group, g, L"BUTTON", "单选按钮乙", BS_AUTORADIOBUTTON | WS_GROUP, 10,
                      84, 160, 20);
    ::SendMessageW(radio, BM_SETCHECK, BST_CHECKED, 0);
    HWND selection =
        Trackbar(place, group, g, TBS_AUTOTICKS | TBS_ENABLESELRANGE, 10, 120, 280, 40, 100, 40);
    ::SendMessageW(selection, TBM_SETSEL, TRUE, MAKELPARAM(20, 60));
    Progress(place, group, g, PBS_VERTICAL, 400, 60, 24, 220, 30);
}

// The two picture buttons get their pictures once the window is skinned.
void AfterSkin(const SectionPlace& place, SkinEngine& engine) {
    engine.RegisterPictureButton(::GetDlgItem(place.window, place.firstId + kGlassButton),
                                 ResourceBytes(L"GALLERY_STAR"), 1, "一张图片的玻璃按钮");
    engine.RegisterStatePictureButton(
        ::GetDlgItem(place.group, place.firstId + kStateButton),
        ResourceBytes(L"GALLERY_PLAY_NORMAL"), ResourceBytes(L"GALLERY_PLAY_HOVER"),
        ResourceBytes(L"GALLERY_PLAY_PRESSED"), ResourceBytes(L"GALLERY_PLAY_DISABLED"),
        "四种状态的图片按钮");
}

}  // namespace

const GallerySection kButtonSection{&Create, &AfterSkin};

}  // namespace yf::gallery
