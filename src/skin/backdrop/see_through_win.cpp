#include "skin/backdrop/see_through_win.h"

#include <commctrl.h>

#include <string>
#include <utility>
#include <vector>

#include "core/unique_handle_win.h"
#include "core/window_class_win.h"
#include "skin/backdrop/backdrop_win.h"
#include "skin/backdrop/handed_background_win.h"
#include "skin/backdrop/see_through.h"
#include "skin/engine/skin_settings.h"
#include "skin/engine/window_properties_win.h"
#include "skin/engine/window_record_win.h"

namespace yf {
namespace {

std::optional<ColourRequest> RequestOf(UINT message) {
    switch (message) {
        case WM_CTLCOLOREDIT:
            return ColourRequest::Edit;
        case WM_CTLCOLORSTATIC:
            return ColourRequest::Static;
        case WM_CTLCOLORLISTBOX:
            return ColourRequest::ListBox;
        case WM_CTLCOLORBTN:
            return ColourRequest::Button;
        default:
            return std::nullopt;
    }
}

bool SeeThroughOn(const SkinSettings& settings) {
    return settings.controlSkinning && settings.transparentControls;
}

void UseChildColours(HDC dc, HWND child) {
    ::SetTextColor(dc, static_cast<COLORREF>(prop::Get(child, prop::kTextColour)));
    ::SetBkMode(dc, TRANSPARENT);
}

// The pattern brush of the skin behind `child`: the one handed last time while that still
// shows the right background, else a new one.
HBRUSH CurrentSkinBrush(Backdrop& backdrop, WindowRecord& owner, HWND child) {
    const BackgroundStamp stamp = backdrop.StampOf(child, ClientAreaOf(child));
    if (HBRUSH kept = HandedBackground::Kept(owner, child, stamp)) return kept;
    return HandedBackground::Pattern(owner, child, backdrop.ControlBackgroundBitmap(child), stamp);
}

// Invalidates the part of `painted` that `sibling` covers, in the sibling's own coordinates.
void InvalidateCovered(HWND sibling, const RECT& bounds, HRGN painted) {
    UniqueRegion common(::CreateRectRgnIndirect(&bounds));
    if (!common || ::CombineRgn(common.get(), common.get(), painted, RGN_AND) == NULLREGION) return;
    POINT origin{0, 0};
    ::ClientToScreen(sibling, &origin);
    ::OffsetRgn(common.get(), -origin.x, -origin.y);
    ::InvalidateRgn(sibling, common.get(), FALSE);
}

bool IsSeeThrough(HWND window) {
    return (::GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0 &&
           ::IsWindowVisible(window);
}

// The same at once, for a parent whose procedure is not the engine's.
void RefreshNow(HWND control, HRGN painted, const RECT& paintedBox) {
    for (HWND sibling = ::GetWindow(control, GW_HWNDPREV); sibling;
         sibling = ::GetWindow(sibling, GW_HWNDPREV)) {
        RECT bounds{};
        RECT meeting{};
        ::GetWindowRect(sibling, &bounds);
        if (::IntersectRect(&meeting, &bounds, &paintedBox) && IsSeeThrough(sibling)) {
            InvalidateCovered(sibling, bounds, painted);
        }
    }
}

}  // namespace

std::optional<LRESULT> AnswerColourRequest(Backdrop& backdrop, WindowRecord& owner, UINT message,
                                           HDC dc, HWND child) {
    const std::optional<ColourRequest> request = RequestOf(message);
    if (!request || !child || !SeeThroughOn(backdrop.Settings())) return std::nullopt;
    const std::string kind = ClassNameOf(child);
    const std::string parentKind = ClassNameOf(::GetParent(child));
    const auto style = static_cast<std::uint32_t>(::GetWindowLongW(child, GWL_STYLE));
    switch (ChooseColourAnswer(*request, {kind, parentKind, style})) {
        case ColourAnswer::Forward:
            return std::nullopt;
        case ColourAnswer::Hollow:
            UseChildColours(dc, child);
            return reinterpret_cast<LRESULT>(HandedBackground::Hollow(owner, child));
        case ColourAnswer::Pattern:
            break;
    }
    return reinterpret_cast<LRESULT>(HandSkinBrush(backdrop, owner, dc, child));
}

HBRUSH HandSkinBrush(Backdrop& backdrop, WindowRecord& owner, HDC dc, HWND child) {
    UseChildColours(dc, child);
    if (HBRUSH brush = CurrentSkinBrush(backdrop, owner, child)) return brush;
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

void PrepareSkinBrush(Backdrop& backdrop, WindowRecord& owner, HWND child) {
    if (SeeThroughOn(backdrop.Settings())) CurrentSkinBrush(backdrop, owner, child);
}

void RefreshAfterNotification(const SkinSettings& settings, WPARAM wParam, LPARAM lParam) {
    if (!SeeThroughOn(settings) || lParam == 0) return;
    HWND child = reinterpret_cast<HWND>(lParam);
    if (RepaintsOnNotification(ClassNameOf(child), HIWORD(wParam))) {
        ::InvalidateRect(child, nullptr, TRUE);
    }
}

void RefreshAfterTreeChange(LPARAM lParam) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (!header) return;
    const UINT code = header->code;
    if (code == TVN_ITEMEXPANDINGA || code == TVN_ITEMEXPANDEDA || code == TVN_ITEMEXPANDINGW ||
        code == TVN_ITEMEXPANDEDW) {
        ::InvalidateRect(header->hwndFrom, nullptr, TRUE);
    }
}

void RefreshSeeThroughAbove(Backdrop& backdrop, WindowRecord& owner, HWND control, HRGN painted) {
    RECT paintedBox{};
    if (!painted || ::GetRgnBox(painted, &paintedBox) == NULLREGION) return;
    HWND parent = ::GetParent(control);
    // Only a parent whose record the engine holds answers the refresh message, and only there
    // can what waits for it go with the parent.
    if (!parent || !backdrop.Skins(parent)) {
        RefreshNow(control, painted, paintedBox);
        return;
    }
    // The paints of one burst (a skin switch, a label's repaint) are gathered, so the siblings
    // are looked through once for all of them.
    std::vector<PendingRefresh>& pending = owner.backdrop.pendingRefresh[parent];
    if (pending.empty()) ::PostMessageW(parent, SeeThroughRefreshMessage(), 0, 0);
    UniqueRegion copy(::CreateRectRgn(0, 0, 0, 0));
    ::CombineRgn(copy.get(), painted, nullptr, RGN_COPY);
    pending.push_back({control, std::move(copy)});
}

void RefreshSeeThroughAbove(Backdrop& backdrop, WindowRecord& owner, HWND control) {
    RECT bounds{};
    ::GetWindowRect(control, &bounds);
    UniqueRegion whole(::CreateRectRgnIndirect(&bounds));
    RefreshSeeThroughAbove(backdrop, owner, control, whole.get());
}

UINT SeeThroughRefreshMessage() {
    static const UINT message = ::RegisterWindowMessageW(L"YfSkinRefreshSeeThrough");
    return message;
}

void FlushSeeThroughRefresh(WindowRecord& owner, HWND parent) {
    auto& waiting = owner.backdrop.pendingRefresh;
    const auto found = waiting.find(parent);
    if (found == waiting.end()) return;
    std::vector<PendingRefresh> painted = std::move(found->second);
    waiting.erase(found);
    std::size_t left = painted.size();
    // Top of the z-order first: the see-through children met so far lie above what follows.
    std::vector<std::pair<HWND, RECT>> above;
    for (HWND child = ::GetWindow(parent, GW_CHILD); child && left > 0;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        for (const PendingRefresh& paint : painted) {
            if (paint.control != child) continue;
            --left;
            RECT box{};
            ::GetRgnBox(paint.painted.get(), &box);
            for (const auto& [sibling, bounds] : above) {
                RECT meeting{};
                if (::IntersectRect(&meeting, &bounds, &box)) {
                    InvalidateCovered(sibling, bounds, paint.painted.get());
                }
            }
        }
        if (IsSeeThrough(child)) {
            RECT bounds{};
            ::GetWindowRect(child, &bounds);
            above.emplace_back(child, bounds);
        }
    }
}

}  // namespace yf
