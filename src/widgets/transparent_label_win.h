// The transparent label: a child window that paints only its text over whatever lies behind
// it, and on every change repaints what is behind it first, so no old glyph is left over.
#pragma once

#include <windows.h>

#include <string_view>

#include "widgets/label_style.h"

namespace yf {

class TransparentLabel {
public:
    static constexpr const wchar_t* kClassName = L"YfTransparentLabel";

    // Registers the window class once per process.
    static bool Register(HINSTANCE instance);

    static HWND Create(HWND parent, int id, RECT rect, std::string_view text, HFONT font,
                       const LabelStyle& style, bool visible);

    // Each setter repaints the label and what lies under it. WM_SETTEXT does the same, so
    // SetWindowTextW works too.
    static void SetStyle(HWND label, const LabelStyle& style);
    static LabelStyle Style(HWND label);
    static void SetFont(HWND label, HFONT font);

    // The repaint rule after any change: the label's top-level window and every window under
    // the label are redrawn at once on that spot, then the label paints itself on top.
    static void RepaintBehind(HWND label);
};

}  // namespace yf
