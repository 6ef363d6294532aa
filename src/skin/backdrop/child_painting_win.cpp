#include "skin/backdrop/child_painting_win.h"

#include "core/resource_bytes_win.h"
#include "core/unique_handle_win.h"
#include "core/wide_text_win.h"
#include "skin/families/edit/edit_frame.h"
#include "skin/shapes.h"
#include "skin/engine/skin_engine_win.h"
#include "skin/engine/skinned_control_win.h"

#include <unordered_map>
#include <utility>
#include <vector>

namespace yf {

namespace {

struct PendingRefresh {
    HWND control;
    UniqueRegion painted;  // screen coordinates
};

// Paints waiting for their see-through siblings to be refreshed, by parent.
std::unordered_map<HWND, std::vector<PendingRefresh>>& Pending() {
    static std::unordered_map<HWND, std::vector<PendingRefresh>> pending;
    return pending;
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

// Whether the parent's procedure is the engine's, which answers the refresh message.
bool EngineOwns(HWND parent) {
    const SkinEngine* engine = SkinEngine::Current();
    // What the engine has met answers without a round trip through the window system.
    return engine && (engine->Skins(parent) || IsTakenOverBySkin(parent));
}

}  // namespace

void RefreshSeeThroughAbove(HWND control, HRGN painted) {
    RECT paintedBox{};
    if (!painted || ::GetRgnBox(painted, &paintedBox) == NULLREGION) return;
    HWND parent = ::GetParent(control);
    if (!parent || !EngineOwns(parent)) {
        RefreshNow(control, painted, paintedBox);
        return;
    }
    // The paints of one burst (a skin switch, a label's repaint) are gathered, so the siblings
    // are looked through once for all of them.
    std::vector<PendingRefresh>& pending = Pending()[parent];
    if (pending.empty()) ::PostMessageW(parent, SeeThroughRefreshMessage(), 0, 0);
    UniqueRegion copy(::CreateRectRgn(0, 0, 0, 0));
    ::CombineRgn(copy.get(), painted, nullptr, RGN_COPY);
    pending.push_back({control, std::move(copy)});
}

UINT SeeThroughRefreshMessage() {
    static const UINT message = ::RegisterWindowMessageW(L"YfSkinRefreshSeeThrough");
    return message;
}

void FlushSeeThroughRefresh(HWND parent) {
    const auto found = Pending().find(parent);
    if (found == Pending().end()) return;
    std::vector<PendingRefresh> painted = std::move(found->second);
    Pending().erase(found);
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

void RefreshSeeThroughAbove(HWND control) {
    RECT bounds{};
    ::GetWindowRect(control, &bounds);
    UniqueRegion whole(::CreateRectRgnIndirect(&bounds));
    RefreshSeeThroughAbove(control, whole.get());
}

void ShowOnControl(HWND control, const DibSurface& face, bool keyed) {
    {
        WindowDc target(control, WindowDc::Area::Whole);
        const int width = face.Width();
        const int height = face.Height();
        if (keyed) {
            ::TransparentBlt(target.get(), 0, 0, width, height, face.Dc(), 0, 0, width, height,
                             gfx::kMagenta);
        } else {
            ::BitBlt(target.get(), 0, 0, width, height, face.Dc(), 0, 0, SRCCOPY);
        }
    }
    RefreshSeeThroughAbove(control);
}

void ShowFrameOnControl(HWND control, const DibSurface& face, const PixelBox& interior,
                        HRGN alsoLeaveOut) {
    WindowDc target(control, WindowDc::Area::Whole);
    ::ExcludeClipRect(target.get(), interior.x, interior.y, interior.x + interior.width,
                      interior.y + interior.height);
    if (alsoLeaveOut) {
        RECT outer{};
        ::GetWindowRect(control, &outer);
        UniqueRegion local(::CreateRectRgn(0, 0, 0, 0));
        ::CombineRgn(local.get(), alsoLeaveOut, nullptr, RGN_COPY);
        ::OffsetRgn(local.get(), -outer.left, -outer.top);
        ::ExtSelectClipRgn(target.get(), local.get(), RGN_DIFF);
    }
    ::BitBlt(target.get(), 0, 0, face.Width(), face.Height(), face.Dc(), 0, 0, SRCCOPY);
}

RECT ClientAreaOf(HWND control) {
    RECT outer{};
    RECT client{};
    ::GetWindowRect(control, &outer);
    ::GetClientRect(control, &client);
    const LONG style = ::GetWindowLongW(control, GWL_STYLE);
    const PixelBox box =
        ClientAreaInOuter({outer.right - outer.left, outer.bottom - outer.top, client.right,
                           client.bottom, (style & WS_VSCROLL) != 0, (style & WS_HSCROLL) != 0});
    return {box.x, box.y, box.x + box.width, box.y + box.height};
}

bool FillRoundRect(gfx::Graphics& graphics, const gfx::Brush& brush, const gfx::RectF& rect,
                   float corner) {
    gfx::GraphicsPath path;
    return path.Create() &&
           path.AddFigure(RoundRectFigure(rect.x, rect.y, rect.width, rect.height, corner)) &&
           graphics.FillPath(brush, path);
}

bool DrawRoundRect(gfx::Graphics& graphics, gfx::Argb colour, float penWidth,
                   const gfx::RectF& rect, float corner) {
    gfx::GraphicsPath path;
    gfx::Pen pen;
    return path.Create() &&
           path.AddFigure(RoundRectFigure(rect.x, rect.y, rect.width, rect.height, corner)) &&
           pen.Create(colour, penWidth) && graphics.DrawPath(pen, path);
}

gfx::Bitmap LoadGlyph(const wchar_t* name, HMODULE module) {
    gfx::Bitmap glyph;
    const auto bytes = ResourceBytes(name, module);
    if (!bytes.empty()) glyph.FromBytes(bytes);
    return glyph;
}

SIZE OuterSizeOf(HWND control) {
    RECT outer{};
    ::GetWindowRect(control, &outer);
    return {outer.right - outer.left, outer.bottom - outer.top};
}

bool HasFrame(HWND control) {
    RECT client{};
    ::GetClientRect(control, &client);
    const SIZE outer = OuterSizeOf(control);
    return client.right != outer.cx || client.bottom != outer.cy;
}

UniqueRegion ScrollBarRegion(HWND control) {
    if (!HasScrollBarStyle(control)) return UniqueRegion();
    UniqueRegion region(::CreateRectRgn(0, 0, 0, 0));
    bool any = false;
    for (LONG bar : {OBJID_VSCROLL, OBJID_HSCROLL}) {
        SCROLLBARINFO info{};
        info.cbSize = sizeof(info);
        if (!::GetScrollBarInfo(control, bar, &info)) continue;
        if (info.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN)) continue;
        UniqueRegion part(::CreateRectRgnIndirect(&info.rcScrollBar));
        ::CombineRgn(region.get(), region.get(), part.get(), RGN_OR);
        any = true;
    }
    return any ? std::move(region) : UniqueRegion();
}

bool HasScrollBarStyle(HWND control) {
    return (::GetWindowLongW(control, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL)) != 0;
}

void InvalidateVisibleChildren(HWND control) {
    for (HWND child = ::GetWindow(control, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (::IsWindowVisible(child)) ::InvalidateRect(child, nullptr, TRUE);
    }
}

}  // namespace yf
