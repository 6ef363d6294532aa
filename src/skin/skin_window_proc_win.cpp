// The procedure of every skinned top-level window: it paints from the cached image (composing
// it again when needed), drives the caption buttons (hover fades on a 20 ms timer, press,
// click), limits the size, lets children paint over the skin and trims the working set when
// the application goes to the background. Everything else goes on to the window's own
// procedure.
#include <windows.h>

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <string>

#include "core/wide_text_win.h"
#include "skin/caption_hover.h"
#include "skin/child_controls_win.h"
#include "skin/frame/container_layout.h"
#include "skin/see_through.h"
#include "skin/skin_engine_win.h"
#include "skin/window_properties_win.h"
#include "skin/working_set_win.h"

namespace yf {
namespace {

// The text a WM_SETTEXT carries, as UTF-8.
std::string TextOf(HWND window, LPARAM lParam) {
    if (::IsWindowUnicode(window)) return Narrow(reinterpret_cast<const wchar_t*>(lParam));
    const char* ansi = reinterpret_cast<const char*>(lParam);
    const int length = ::MultiByteToWideChar(CP_ACP, 0, ansi, -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(std::max(length, 1)), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, ansi, -1, wide.data(), length);
    return Narrow(wide.c_str());
}

UINT_PTR FadeTimerId(HWND window) {
    return reinterpret_cast<UINT_PTR>(window);
}

int TaskbarHeight() {
    HWND taskbar = ::FindWindowW(L"Shell_TrayWnd", nullptr);
    RECT rect{};
    if (!taskbar || !::GetWindowRect(taskbar, &rect)) return 0;
    return rect.bottom - rect.top;
}

}  // namespace

LRESULT CALLBACK SkinEngine::WindowEntry(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (SkinEngine* engine = Current())
        return engine->SkinWindowProc(window, message, wParam, lParam);
    const auto old = reinterpret_cast<WNDPROC>(prop::Get(window, prop::kOldProc));
    return old ? ::CallWindowProcW(old, window, message, wParam, lParam)
               : ::DefWindowProcW(window, message, wParam, lParam);
}

void SkinEngine::CaptionClick(int index, int button) {
    WindowRecord* record = Record(index);
    if (!record || button < 1 || button > record->strip.Count()) return;
    HWND window = record->hwnd;
    const CaptionButton& target = record->strip.Button(button);
    switch (target.kind) {
        case CaptionButtonKind::Close:
            ::SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
            break;
        case CaptionButtonKind::Maximize:
            record->needsRender = true;
            record->minimized = false;
            if (record->maximized) {
                record->maximized = false;
                ::SendMessageW(window, WM_SYSCOMMAND, SC_RESTORE, 0);
            } else {
                record->maximized = true;
                ::SendMessageW(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
            }
            break;
        case CaptionButtonKind::Minimize:
            record->minimized = true;
            ::SendMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
            break;
        case CaptionButtonKind::Help:
            if (record->helpCallback) std::function<void()>(record->helpCallback)();
            break;
        case CaptionButtonKind::MainMenu:
            if (record->menuCallback) std::function<void()>(record->menuCallback)();
            break;
        case CaptionButtonKind::Custom:
            if (target.callback) std::function<void()>(target.callback)();
            break;
    }
}

void SkinEngine::ApplyHoverActions(int index, const HoverActions& actions) {
    WindowRecord* record = Record(index);
    if (!record) return;
    HWND window = record->hwnd;
    if (actions.trackMouse) {
        TRACKMOUSEEVENT track{sizeof(track), TME_HOVER | TME_LEAVE, window, 1};
        ::TrackMouseEvent(&track);
    }
    if (actions.startTimer) ::SetTimer(window, FadeTimerId(window), kFadeTimerMs, nullptr);
    for (const ButtonRepaint& repaint : actions.repaints) {
        PaintCaptionButton(index, repaint.button, nullptr, 0, repaint.opacity);
    }
    if (actions.stopTimer) ::KillTimer(window, FadeTimerId(window));
}

LRESULT SkinEngine::SeeThroughColours(UINT message, HDC dc, HWND control, bool& handled) {
    handled = false;
    if (!settings_.controlSkinning || !settings_.transparentControls || !control) return 0;
    ColourRequest request = ColourRequest::Button;
    switch (message) {
        case WM_CTLCOLOREDIT:
            request = ColourRequest::Edit;
            break;
        case WM_CTLCOLORSTATIC:
            request = ColourRequest::Static;
            break;
        case WM_CTLCOLORLISTBOX:
            request = ColourRequest::ListBox;
            break;
        case WM_CTLCOLORBTN:
            request = ColourRequest::Button;
            break;
        default:
            return 0;
    }
    const std::string kind = ClassNameOf(control);
    const std::string parentKind = ClassNameOf(::GetParent(control));
    const auto style = static_cast<std::uint32_t>(::GetWindowLongW(control, GWL_STYLE));
    const ColourAnswer answer = ChooseColourAnswer(request, {kind, parentKind, style});
    if (answer == ColourAnswer::Forward) return 0;

    ::SetTextColor(dc, static_cast<COLORREF>(prop::Get(control, prop::kTextColour)));
    ::SetBkMode(dc, TRANSPARENT);
    handled = true;
    if (answer == ColourAnswer::Hollow) {
        if (auto brush =
                reinterpret_cast<HGDIOBJ>(::RemovePropW(control, prop::kBackgroundBrush))) {
            ::DeleteObject(brush);
        }
        HGDIOBJ hollow = ::GetStockObject(NULL_BRUSH);
        prop::Set(control, prop::kBackgroundBrush, reinterpret_cast<std::intptr_t>(hollow));
        return reinterpret_cast<LRESULT>(hollow);
    }
    return reinterpret_cast<LRESULT>(MakeBackgroundBrush(control));
}

HBRUSH SkinEngine::MakeBackgroundBrush(HWND control) {
    // The skin behind the child as its background brush; the previous pair goes first so
    // nothing piles up however often the child repaints.
    prop::DeleteBackgroundObjects(control);
    UniqueBitmap bitmap = ControlBackgroundBitmap(control);
    HBRUSH brush = bitmap ? ::CreatePatternBrush(bitmap.get()) : nullptr;
    if (!brush) return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
    prop::Set(control, prop::kBackgroundBitmap, reinterpret_cast<std::intptr_t>(bitmap.release()));
    prop::Set(control, prop::kBackgroundBrush, reinterpret_cast<std::intptr_t>(brush));
    return brush;
}

void SkinEngine::InvalidateSeeThroughChild(UINT, WPARAM wParam, LPARAM lParam) {
    if (!settings_.controlSkinning || !settings_.transparentControls || lParam == 0) return;
    HWND child = reinterpret_cast<HWND>(lParam);
    if (RepaintsOnNotification(ClassNameOf(child), HIWORD(wParam))) {
        ::InvalidateRect(child, nullptr, TRUE);
    }
}

void SkinEngine::RelayoutDocked(int index) {
    WindowRecord* record = Record(index);
    if (!record) return;
    RECT client{};
    ::GetClientRect(record->hwnd, &client);
    for (const auto& [docked, top] : record->docked) {
        if (!docked) continue;
        const PixelBox place =
            PlaceDocked(client.right, client.bottom, top, record->statusBar.height + 3);
        ::MoveWindow(docked, place.x, place.y, place.width, place.height, TRUE);
    }
}

LRESULT SkinEngine::SkinWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(prop::Get(window, prop::kListIndex));
    WindowRecord* record = Record(index);
    if (!record || record->hwnd != window) {
        const auto old = reinterpret_cast<WNDPROC>(prop::Get(window, prop::kOldProc));
        return old ? ::CallWindowProcW(old, window, message, wParam, lParam)
                   : ::DefWindowProcW(window, message, wParam, lParam);
    }
    const WNDPROC old = record->oldProc;
    const auto forward = [&] { return ::CallWindowProcW(old, window, message, wParam, lParam); };
    const int x = GET_X_LPARAM(lParam);
    const int y = GET_Y_LPARAM(lParam);

    switch (message) {
        case WM_QUIT:
            ShutDownGdiplus();
            break;
        case WM_DESTROY:
            // Children go before the window's last message: free what they were handed now.
            for (HWND child = ::GetWindow(window, GW_CHILD); child;
                 child = ::GetWindow(child, GW_HWNDNEXT)) {
                prop::DeleteBackgroundObjects(child);
            }
            break;
        case WM_NCDESTROY:
            ::KillTimer(window, FadeTimerId(window));
            ReleaseWindow(index);
            return ::CallWindowProcW(old, window, message, wParam, lParam);
        case WM_SHOWWINDOW:
            if (wParam) {
                if (record->minimized) {
                    record->minimized = false;
                } else {
                    // Composed now, so the first paint after showing is a copy.
                    RenderWindow(index, nullptr, false);
                }
            }
            break;
        case WM_ERASEBKGND:
            ::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = ::BeginPaint(window, &paint);
            if (!record->minimized) {
                if (record->needsRender) {
                    RenderWindow(index, dc, true);
                } else {
                    ShowCachedImage(index, dc);
                }
            }
            ::EndPaint(window, &paint);
            return ::DefWindowProcW(window, message, wParam, lParam);
        }
        case WM_QUERYOPEN:
            record->minimized = false;
            break;
        case WM_SIZE:
            record->hover.hotButton = 0;
            if (settings_.firstSize) {
                settings_.firstSize = false;
                record->needsRender = false;
            } else {
                record->needsRender = true;
            }
            RelayoutDocked(index);
            break;
        case WM_GETMINMAXINFO: {
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            int maxWidth = record->maxTrackWidth;
            int maxHeight = record->maxTrackHeight;
            if (record->maximized) {
                maxWidth = ::GetSystemMetrics(SM_CXSCREEN);
                maxHeight = ::GetSystemMetrics(SM_CYSCREEN) - TaskbarHeight();
            }
            info->ptMinTrackSize = {record->minTrackWidth, record->minTrackHeight};
            info->ptMaxTrackSize = {maxWidth, maxHeight};
            break;
        }
        case WM_WINDOWPOSCHANGED: {
            if (record->showMaximize) {
                RECT client{};
                ::GetClientRect(window, &client);
                const int screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
                const int screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
                const int taskbar = TaskbarHeight();
                if (client.right == screenWidth && client.bottom == screenHeight) {
                    // Maximized over the whole screen: keep the taskbar visible (without one
                    // the window already has its size, and moving it again would loop).
                    record->maximized = true;
                    if (taskbar > 0) {
                        ::SetWindowPos(window, nullptr, 0, 0, screenWidth, screenHeight - taskbar,
                                       SWP_NOZORDER | SWP_NOOWNERZORDER);
                    }
                }
            }
            LayoutCaptionButtons(index);
            break;
        }
        case WM_SYSCOMMAND:
            if (wParam == SC_MAXIMIZE) {
                record->maximized = true;
                record->needsRender = true;
            } else if (wParam == SC_RESTORE) {
                record->needsRender = true;
                record->minimized = false;
            } else if (wParam == SC_MINIMIZE) {
                record->needsRender = true;
                record->minimized = true;
            }
            break;
        case WM_SETTEXT:
            if (record->showTitle && record->captionBar && lParam) {
                PaintTitle(index, nullptr, TextOf(window, lParam));
            }
            break;
        case WM_MOUSEMOVE: {
            const bool inZone = InHoverZone(record->strip, x, y);
            hotButton_ = record->captionBar ? CaptionHitTest(index, x, y) : 0;
            const HoverActions actions =
                OnCaptionMouseMove(record->hover, record->captionBar, inZone, hotButton_);
            ApplyHoverActions(index, actions);
            if (!record->maximized) {
                RECT client{};
                ::GetClientRect(window, &client);
                SetBorderCursor(index, lParam, client);
            }
            break;
        }
        case WM_MOUSEHOVER:
            record->hover.mouseInside = true;
            break;
        case WM_MOUSELEAVE:
            ApplyHoverActions(index, OnCaptionMouseLeave(record->hover, record->captionBar));
            break;
        case WM_LBUTTONDOWN:
            OnCaptionPress(record->hover);
            if (record->captionBar) {
                if (!record->maximized && !record->minimized) {
                    RECT client{};
                    ::GetClientRect(window, &client);
                    BeginMoveOrResize(index, lParam, client);
                    // Moving or sizing may have ended the window.
                    record = Record(index);
                    if (!record || record->hwnd != window) return 0;
                }
                hotButton_ = CaptionHitTest(index, x, y);
                if (hotButton_ > 0) PaintCaptionButton(index, hotButton_, nullptr, 1, 0);
            }
            break;
        case WM_LBUTTONUP:
            if (hotButton_ > 0 && hotButton_ <= record->strip.Count() && record->captionBar) {
                CaptionClick(index, hotButton_);
                // A click may close the window: nothing of it is left to forward to.
                if (!::IsWindow(window)) return 0;
            }
            break;
        case WM_LBUTTONDBLCLK:
            if (y <= record->captionHeight && record->dblClickMaximize) {
                const int button = MaximizeButtonIndex(index);
                if (button > 0) {
                    CaptionClick(index, button);
                    if (!::IsWindow(window)) return 0;
                }
            }
            break;
        case WM_TIMER:
            if (wParam == FadeTimerId(window)) {
                ApplyHoverActions(index, OnCaptionFadeTick(record->hover));
            } else if (wParam == FinishingTimerId()) {
                ::KillTimer(window, FinishingTimerId());
                FinishPreparation();
                return 0;
            }
            break;
        case WM_ACTIVATEAPP:
            if (!wParam) StartWorkingSetTrim();
            break;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            const int code = header ? static_cast<int>(header->code) : 0;
            if (code == static_cast<int>(TVN_ITEMEXPANDINGA) ||
                code == static_cast<int>(TVN_ITEMEXPANDEDA) ||
                code == static_cast<int>(TVN_ITEMEXPANDINGW) ||
                code == static_cast<int>(TVN_ITEMEXPANDEDW)) {
                ::InvalidateRect(header->hwndFrom, nullptr, TRUE);
            }
            break;
        }
        case WM_COMMAND:
            InvalidateSeeThroughChild(message, wParam, lParam);
            break;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN: {
            bool handled = false;
            const LRESULT brush = SeeThroughColours(message, reinterpret_cast<HDC>(wParam),
                                                    reinterpret_cast<HWND>(lParam), handled);
            if (handled) return brush;
            break;
        }
        default:
            break;
    }
    return forward();
}

}  // namespace yf
