// The yardstick of idle_bench.sh: a plain Win32 window of the main window's size that decodes
// the same skin picture once, shows it, and rewrites one label with the time every second, as
// the program's clock does. Nothing else: what it costs is what such a window costs at least.
#include <windows.h>

#include <cstdio>

#include "core/resource_bytes_win.h"
#include "core/unique_handle_win.h"
#include "gfx/gdiplus_session_win.h"
#include "gfx/image_win.h"

namespace {

constexpr UINT_PTR kTickTimer = 1;
HBITMAP picture = nullptr;  // the decoded skin, at its own size
SIZE pictureSize{};
HWND label = nullptr;

LRESULT CALLBACK PlainClockProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = ::BeginPaint(window, &paint);
            RECT client;
            ::GetClientRect(window, &client);
            yf::UniqueMemoryDc source(::CreateCompatibleDC(dc));
            yf::SelectGuard keep(source.get(), picture);
            ::SetStretchBltMode(dc, HALFTONE);
            ::StretchBlt(dc, 0, 0, client.right, client.bottom, source.get(), 0, 0, pictureSize.cx,
                         pictureSize.cy, SRCCOPY);
            ::EndPaint(window, &paint);
            return 0;
        }
        case WM_TIMER: {
            SYSTEMTIME now;
            ::GetLocalTime(&now);
            wchar_t text[16];
            std::swprintf(text, 16, L"%02u:%02u:%02u", now.wHour, now.wMinute, now.wSecond);
            ::SetWindowTextW(label, text);
            return 0;
        }
        case WM_DESTROY:
            ::PostQuitMessage(0);
            return 0;
        default:
            return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    yf::gfx::GdiplusSession gdiplus;
    {
        yf::gfx::Bitmap decoded;
        decoded.FromBytes(yf::ResourceBytes(L"SKIN8"));
        pictureSize = {static_cast<LONG>(decoded.Width()), static_cast<LONG>(decoded.Height())};
        picture = decoded.ToGdiBitmap().release();
    }
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = PlainClockProc;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = L"YfPlainClock";
    ::RegisterClassExW(&wc);
    HWND window = ::CreateWindowExW(0, wc.lpszClassName, L"plain clock", WS_POPUP | WS_VISIBLE, 100,
                                    100, 371, 255, nullptr, nullptr, instance, nullptr);
    label = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 200, 40, 120, 24, window,
                              nullptr, instance, nullptr);
    ::SetTimer(window, kTickTimer, 1000, nullptr);
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    ::DeleteObject(picture);
    return 0;
}
