#include "core/dpi_win.h"

#include <algorithm>
#include <iterator>

#include "core/system_libraries_win.h"

namespace yf {
namespace {

// The metrics that are lengths in pixels, which the system scales with the DPI; the others
// (counts, flags, the screen's own size) mean the same at every DPI.
constexpr int kSizeMetrics[] = {
    SM_CXVSCROLL,     SM_CYHSCROLL,    SM_CYCAPTION,     SM_CXBORDER,      SM_CYBORDER,
    SM_CXFIXEDFRAME,  SM_CYFIXEDFRAME, SM_CYVTHUMB,      SM_CXHTHUMB,      SM_CXICON,
    SM_CYICON,        SM_CXCURSOR,     SM_CYCURSOR,      SM_CYMENU,        SM_CYVSCROLL,
    SM_CXHSCROLL,     SM_CXMIN,        SM_CYMIN,         SM_CXSIZE,        SM_CYSIZE,
    SM_CXSIZEFRAME,   SM_CYSIZEFRAME,  SM_CXMINTRACK,    SM_CYMINTRACK,    SM_CXICONSPACING,
    SM_CYICONSPACING, SM_CXEDGE,       SM_CYEDGE,        SM_CXSMICON,      SM_CYSMICON,
    SM_CYSMCAPTION,   SM_CXSMSIZE,     SM_CYSMSIZE,      SM_CXMENUSIZE,    SM_CYMENUSIZE,
    SM_CXMENUCHECK,   SM_CYMENUCHECK,  SM_CXFOCUSBORDER, SM_CYFOCUSBORDER, SM_CXPADDEDBORDER,
};

bool IsSizeMetric(int index) {
    return std::find(std::begin(kSizeMetrics), std::end(kSizeMetrics), index) !=
           std::end(kSizeMetrics);
}

}  // namespace

const DpiFunctions& SystemDpiFunctions() {
    static const DpiFunctions functions = [] {
        // Looked up through the one system-folder load every run-time lookup uses, so that a
        // user32.dll planted beside the program can never be the one that answers.
        DpiFunctions found;
        found.getDpiForWindow =
            SystemFunction<decltype(found.getDpiForWindow)>(L"user32.dll", "GetDpiForWindow");
        found.getSystemMetricsForDpi = SystemFunction<decltype(found.getSystemMetricsForDpi)>(
            L"user32.dll", "GetSystemMetricsForDpi");
        found.adjustWindowRectExForDpi = SystemFunction<decltype(found.adjustWindowRectExForDpi)>(
            L"user32.dll", "AdjustWindowRectExForDpi");
        return found;
    }();
    return functions;
}

int ScreenDpi() {
    HDC screen = ::GetDC(nullptr);
    const int dpi = screen ? ::GetDeviceCaps(screen, LOGPIXELSX) : 0;
    if (screen) ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kBaseDpi;
}

int WindowDpi(HWND window, const DpiFunctions& functions) {
    if (functions.getDpiForWindow) {
        // 0 for a handle that is not a window: the screen's DPI is the best guess left.
        const UINT dpi = functions.getDpiForWindow(window);
        if (dpi > 0) return static_cast<int>(dpi);
    }
    return ScreenDpi();
}

int SystemMetricForDpi(int index, int dpi, const DpiFunctions& functions) {
    if (functions.getSystemMetricsForDpi) {
        return functions.getSystemMetricsForDpi(index, static_cast<UINT>(dpi));
    }
    const int value = ::GetSystemMetrics(index);
    const int screenDpi = ScreenDpi();
    if (dpi <= 0 || dpi == screenDpi || !IsSizeMetric(index)) return value;
    return DpiScale(dpi).FromDpi(value, screenDpi);
}

bool AdjustWindowRectForDpi(RECT& rect, DWORD style, bool menu, DWORD exStyle, int dpi,
                            const DpiFunctions& functions) {
    if (functions.adjustWindowRectExForDpi) {
        return functions.adjustWindowRectExForDpi(&rect, style, menu, exStyle,
                                                  static_cast<UINT>(dpi)) != FALSE;
    }
    RECT framed = rect;
    if (!::AdjustWindowRectEx(&framed, style, menu, exStyle)) return false;
    const int screenDpi = ScreenDpi();
    if (dpi <= 0 || dpi == screenDpi) {
        rect = framed;
        return true;
    }
    // Each side of the frame is a size at the screen's DPI: bring it to the window's.
    const DpiScale scale(dpi);
    rect.left -= scale.FromDpi(rect.left - framed.left, screenDpi);
    rect.top -= scale.FromDpi(rect.top - framed.top, screenDpi);
    rect.right += scale.FromDpi(framed.right - rect.right, screenDpi);
    rect.bottom += scale.FromDpi(framed.bottom - rect.bottom, screenDpi);
    return true;
}

}  // namespace yf
