// A skinned window for the painter tests: an engine with a red accent and a flat picture of one
// colour, so the skin, the frames and the controls' own pixels can be told apart; or with a
// picture whose every pixel differs from its neighbours, laid at its natural size, so that what
// a face shows of the skin can be held against the window's image, with or without the veil.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <vector>

#include "skin/engine/skin_engine_win.h"
#include "support/message_pump.h"
#include "support/pictures.h"
#include "support/pixels.h"

namespace yf::testing {

// The picture's colour as captured pixels read (0xRRGGBB).
constexpr std::uint32_t kSkinRgb = 0x3070B0;
constexpr gfx::ColourRef kRedAccent = 0x0000FF;

inline int RedOf(std::uint32_t rgb) { return static_cast<int>((rgb >> 16) & 0xFF); }
inline int GreenOf(std::uint32_t rgb) { return static_cast<int>((rgb >> 8) & 0xFF); }
inline int BlueOf(std::uint32_t rgb) { return static_cast<int>(rgb & 0xFF); }
inline bool Reddish(std::uint32_t rgb) { return RedOf(rgb) > GreenOf(rgb) + 60; }
// A COLORREF (0x00BBGGRR) as captured pixels read it.
inline std::uint32_t RgbOf(COLORREF colour) {
    return (static_cast<std::uint32_t>(GetRValue(colour)) << 16) |
           (static_cast<std::uint32_t>(GetGValue(colour)) << 8) | GetBValue(colour);
}

struct HostOptions {
    bool seeThrough = true;  // SetControlOptions with a veil alpha: children over the skin
    bool patterned = false;  // PatternPicture at the window's size instead of the flat one
    int veilAlpha = 0;
};

class SkinnedHost {
  public:
    static constexpr int kWidth = 560;
    static constexpr int kHeight = 400;

    // `seeThrough`: SetControlOptions with a veil alpha of 0 (children painted over the skin).
    explicit SkinnedHost(bool seeThrough = true) : SkinnedHost(HostOptions{seeThrough}) {}
    explicit SkinnedHost(const HostOptions& options) {
        INITCOMMONCONTROLSEX common{sizeof(common), ICC_WIN95_CLASSES | ICC_DATE_CLASSES |
                                                        ICC_INTERNET_CLASSES};
        ::InitCommonControlsEx(&common);
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = ::DefWindowProcW;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = L"YfPainterTestWindow";
        ::RegisterClassExW(&wc);
        engine = std::make_unique<SkinEngine>();
        picture_ = options.patterned ? PatternPicture(kWidth, kHeight)
                                     : FlatPicture(20, 20, 0xFF000000 | kSkinRgb);
        pictureArgs_.bytes = picture_;
        pictureArgs_.themeColour = 0xC0C0C0;
        pictureArgs_.accentColour = kRedAccent;
        pictureArgs_.mode = options.patterned ? PictureMode::Centred : PictureMode::Stretched;
        engine->SetSkinPicture(pictureArgs_);
        ControlOptions controls;
        if (options.seeThrough) controls.veilAlpha = options.veilAlpha;
        engine->SetControlOptions(controls);
        window = NewWindow();
    }

    // The same picture again: every window is composed anew, and every face with it.
    void Recompose() {
        engine->SetSkinPicture(pictureArgs_);
        ::RedrawWindow(window, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
        PumpFor(150);
    }
    ~SkinnedHost() {
        for (HWND made : windows_) {
            if (::IsWindow(made)) ::DestroyWindow(made);
        }
        engine.reset();
        PumpFor(20);
    }
    SkinnedHost(const SkinnedHost&) = delete;
    SkinnedHost& operator=(const SkinnedHost&) = delete;

    HWND NewWindow(int x = 60, int y = 60) {
        HWND made = ::CreateWindowExW(0, L"YfPainterTestWindow", L"画", WS_POPUP, x, y, kWidth,
                                      kHeight, nullptr, nullptr, ::GetModuleHandleW(nullptr),
                                      nullptr);
        windows_.push_back(made);
        return made;
    }

    static HWND Child(HWND parent, const wchar_t* cls, DWORD style, DWORD exStyle, int x, int y,
                      int w, int h) {
        return ::CreateWindowExW(exStyle, cls, L"", WS_CHILD | WS_VISIBLE | style, x, y, w, h,
                                 parent, nullptr, nullptr, nullptr);
    }

    // Registers `target` (the host window by default) and shows it, painted.
    void SkinAndShow(HWND target = nullptr) {
        HWND skinned = target ? target : window;
        ApplySkinArgs apply;
        apply.window = skinned;
        apply.captionHeight = 25;
        engine->ApplySkin(apply);
        ::ShowWindow(skinned, SW_SHOWNOACTIVATE);
        ::UpdateWindow(skinned);
        PumpFor(150);
    }

    static void Repaint(HWND control) {
        ::RedrawWindow(control, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
        PumpFor(30);
    }

    // Paints the control's whole window area one colour, so any repaint by the engine shows.
    static void Poison(HWND control) {
        RECT outer{};
        ::GetWindowRect(control, &outer);
        HDC dc = ::GetWindowDC(control);
        RECT all{0, 0, outer.right - outer.left, outer.bottom - outer.top};
        HBRUSH green = ::CreateSolidBrush(RGB(0, 255, 0));
        ::FillRect(dc, &all, green);
        ::DeleteObject(green);
        ::ReleaseDC(control, dc);
    }
    static constexpr std::uint32_t kPoisonRgb = 0x00FF00;

    static int Count(const Pixels& pixels, std::uint32_t rgb) {
        int count = 0;
        for (std::uint32_t p : pixels.bgra) count += (p & 0xFFFFFF) == rgb;
        return count;
    }

    std::unique_ptr<SkinEngine> engine;
    HWND window = nullptr;

  private:
    std::vector<std::uint8_t> picture_;
    SkinPictureArgs pictureArgs_;
    std::vector<HWND> windows_;
};

}  // namespace yf::testing
