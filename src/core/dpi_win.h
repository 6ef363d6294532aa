// The DPI of a window and the system sizes at a DPI, on every Windows from 7 to 11. The calls
// that know about per-monitor DPI came with Windows 10 (1607), so they are looked up at run time
// and, where they are missing, the screen's DPI and the system-wide sizes stand in for them.
//
// The program declares its DPI awareness in its manifest, which every one of these systems reads
// before any code runs; nothing here declares it at run time, because a run-time declaration
// comes too late for windows and DLLs the process already set up, and a manifest can say it.
#pragma once

#include <windows.h>

#include "core/dpi_scale.h"

namespace yf {

// The newer user32 calls, each null where this Windows lacks it. Tests hand in their own table
// to reach the fallbacks (or to see that the newer call is the one used).
struct DpiFunctions {
    UINT(WINAPI* getDpiForWindow)(HWND) = nullptr;
    int(WINAPI* getSystemMetricsForDpi)(int, UINT) = nullptr;
    BOOL(WINAPI* adjustWindowRectExForDpi)(RECT*, DWORD, BOOL, DWORD, UINT) = nullptr;
};

// The calls this system's user32 has, looked up once.
const DpiFunctions& SystemDpiFunctions();

// The DPI of the screen device context (LOGPIXELSX): the system DPI, which is what a window is
// drawn at where the system has no per-window DPI.
int ScreenDpi();

// The DPI a window is drawn at: GetDpiForWindow where it exists and knows the window, else the
// screen's.
int WindowDpi(HWND window, const DpiFunctions& functions = SystemDpiFunctions());
inline DpiScale WindowScale(HWND window, const DpiFunctions& functions = SystemDpiFunctions()) {
    return DpiScale(WindowDpi(window, functions));
}

// GetSystemMetrics for a window at `dpi`. Without GetSystemMetricsForDpi the system-wide value
// is used, brought from the screen's DPI to `dpi` when the two differ and the metric is a size
// (a count or a flag is the same at every DPI).
int SystemMetricForDpi(int index, int dpi, const DpiFunctions& functions = SystemDpiFunctions());

// AdjustWindowRectEx for a window at `dpi`: the frame the system adds round `rect`. Without
// AdjustWindowRectExForDpi the frame is measured at the screen's DPI and brought to `dpi`.
bool AdjustWindowRectForDpi(RECT& rect, DWORD style, bool menu, DWORD exStyle, int dpi,
                            const DpiFunctions& functions = SystemDpiFunctions());

}  // namespace yf
