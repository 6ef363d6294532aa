#include "skin/backdrop/see_through_win.h"

#include <commctrl.h>

#include <string>

#include "core/window_class_win.h"
#include "skin/backdrop/child_painting_win.h"
#include "skin/backdrop/handed_background_win.h"
#include "skin/backdrop/see_through.h"
#include "skin/engine/skin_engine_win.h"
#include "skin/engine/window_properties_win.h"

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

bool SeeThroughOn(const SkinEngine& engine) {
    return engine.Settings().controlSkinning && engine.Settings().transparentControls;
}

void UseChildColours(HDC dc, HWND child) {
    ::SetTextColor(dc, static_cast<COLORREF>(prop::Get(child, prop::kTextColour)));
    ::SetBkMode(dc, TRANSPARENT);
}

}  // namespace

std::optional<LRESULT> AnswerColourRequest(SkinEngine& engine, UINT message, HDC dc, HWND child) {
    const std::optional<ColourRequest> request = RequestOf(message);
    if (!request || !child || !SeeThroughOn(engine)) return std::nullopt;
    const std::string kind = ClassNameOf(child);
    const std::string parentKind = ClassNameOf(::GetParent(child));
    const auto style = static_cast<std::uint32_t>(::GetWindowLongW(child, GWL_STYLE));
    switch (ChooseColourAnswer(*request, {kind, parentKind, style})) {
        case ColourAnswer::Forward:
            return std::nullopt;
        case ColourAnswer::Hollow:
            UseChildColours(dc, child);
            return reinterpret_cast<LRESULT>(HandedBackground::Hollow(child));
        case ColourAnswer::Pattern:
            break;
    }
    return reinterpret_cast<LRESULT>(HandSkinBrush(engine, dc, child));
}

namespace {

// The pattern brush of the skin behind `child`: the one handed last time while that still
// shows the right background, else a new one.
HBRUSH CurrentSkinBrush(SkinEngine& engine, HWND child) {
    const BackgroundStamp stamp = engine.StampOf(child, ClientAreaOf(child));
    if (HBRUSH kept = HandedBackground::Kept(child, stamp)) return kept;
    return HandedBackground::Pattern(child, engine.ControlBackgroundBitmap(child), stamp);
}

}  // namespace

HBRUSH HandSkinBrush(SkinEngine& engine, HDC dc, HWND child) {
    UseChildColours(dc, child);
    if (HBRUSH brush = CurrentSkinBrush(engine, child)) return brush;
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

void PrepareSkinBrush(SkinEngine& engine, HWND child) {
    if (engine.Settings().controlSkinning && engine.Settings().transparentControls) {
        CurrentSkinBrush(engine, child);
    }
}

void RefreshAfterNotification(const SkinEngine& engine, WPARAM wParam, LPARAM lParam) {
    if (!SeeThroughOn(engine) || lParam == 0) return;
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

}  // namespace yf
