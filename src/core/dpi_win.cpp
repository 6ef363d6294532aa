#include "core/dpi_win.h"

#include <algorithm>
#include <iterator>

namespace yf {
namespace {

template <typename Function>
Function Lookup(HMODULE module, const char* name) {
    // A FARPROC turned into the call's own type: the one cast every run-time lookup needs.
    return module
               ? reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name)))
               : nullptr;
}

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
        // user32 is loaded in every process that has windows, so its handle is taken as it is
        // rather than loaded by name: a LoadLibrary by bare name would search the program's own
        // folder first, where a planted user32.dll must never be the one that answers.
        HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
        DpiFunctions found;
        found.getDpiForWindow = Lookup<decltype(found.getDpiForWindow)>(user32, "GetDpiForWindow");
        found.getSystemMetricsForDpi =
            Lookup<decltype(found.getSystemMetricsForDpi)>(user32, "GetSystemMetricsForDpi");
        found.adjustWindowRectExForDpi =
            Lookup<decltype(found.adjustWindowRectExForDpi)>(user32, "AdjustWindowRectExForDpi");
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
