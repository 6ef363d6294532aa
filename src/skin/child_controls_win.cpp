#include "skin/child_controls_win.h"

#include "core/resource_bytes_win.h"
#include "core/unique_handle_win.h"
#include "core/wide_text_win.h"
#include "skin/edit_frame.h"
#include "skin/shapes.h"

namespace yf {

LRESULT CallOldProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto old = reinterpret_cast<WNDPROC>(prop::Get(control, prop::kOldProc));
    return old ? ::CallWindowProcW(old, control, message, wParam, lParam)
               : ::DefWindowProcW(control, message, wParam, lParam);
}

void GiveBack(ChildRecord& record, WNDPROC entry) {
    HWND control = std::exchange(record.hwnd, nullptr);
    if (!control || !::IsWindow(control)) return;
    const auto now = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(control, GWLP_WNDPROC));
    if (now != entry) {
        // Someone subclassed the control after the engine: their procedure still calls ours,
        // which then finds no record and passes everything on through "Hw_hProc".
        prop::Remove(control, prop::kListIndex);
        prop::Remove(control, prop::kOwnerIndex);
        return;
    }
    ::SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(record.oldProc));
    prop::Remove(control, prop::kListIndex);
    prop::Remove(control, prop::kOwnerIndex);
    prop::Remove(control, prop::kOldProc);
}

void RefreshSeeThroughAbove(HWND control, HRGN painted) {
    if (!painted) return;
    for (HWND sibling = ::GetWindow(control, GW_HWNDPREV); sibling;
         sibling = ::GetWindow(sibling, GW_HWNDPREV)) {
        if (!::IsWindowVisible(sibling)) continue;
        if (!(::GetWindowLongW(sibling, GWL_EXSTYLE) & WS_EX_TRANSPARENT)) continue;
        RECT bounds{};
        ::GetWindowRect(sibling, &bounds);
        UniqueRegion common(::CreateRectRgnIndirect(&bounds));
        if (!common || ::CombineRgn(common.get(), common.get(), painted, RGN_AND) == NULLREGION) {
            continue;
        }
        POINT origin{0, 0};
        ::ClientToScreen(sibling, &origin);
        ::OffsetRgn(common.get(), -origin.x, -origin.y);
        ::InvalidateRgn(sibling, common.get(), FALSE);
    }
}

void RefreshSeeThroughAbove(HWND control) {
    RECT bounds{};
    ::GetWindowRect(control, &bounds);
    UniqueRegion whole(::CreateRectRgnIndirect(&bounds));
    RefreshSeeThroughAbove(control, whole.get());
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

void SkinEngine::ReleaseChildren(WindowRecord& record) {
    for (EditRecord& edit : record.edits) {
        if (edit.hwnd) prop::DeleteBackgroundObjects(edit.hwnd);
        GiveBack(edit, &EditEntry);
    }
    for (ComboRecord& combo : record.combos) GiveBack(combo, &ComboEntry);
    for (SpinRecord& spin : record.spins) GiveBack(spin, &SpinEntry);
    for (ControlRecord& container : record.containers) {
        if (container.hwnd) prop::Remove(container.hwnd, prop::kImageAncestor);
        GiveBack(container, &ContainerEntry);
    }
}

}  // namespace yf
