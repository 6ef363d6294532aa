// What the family painters share about the child controls they take over: finding a control's
// record from its properties, subclassing and giving the procedure back, and refreshing the
// see-through labels that lie on a control after it was painted.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "core/window_class_win.h"
#include "gfx/graphics_win.h"
#include "gfx/image_win.h"
#include "skin/skin_engine_win.h"
#include "skin/window_properties_win.h"
#include "skin/window_record_win.h"

namespace yf {

// The subclass procedures of the families, each forwarding to its SkinEngine member.
LRESULT CALLBACK EditEntry(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ComboEntry(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK SpinEntry(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ContainerEntry(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

// A control's record, found through "Hw_FuID" and "Hw_lbID"; `record` is null when either is
// missing, out of its list, or names a record of another window.
template <typename Record>
struct ChildRef {
    int windowIndex = 0;
    WindowRecord* window = nullptr;
    int index = 0;
    Record* record = nullptr;
    explicit operator bool() const { return record != nullptr; }
};

template <typename Record>
ChildRef<Record> FindChild(SkinEngine& engine, HWND control,
                           std::vector<Record> WindowRecord::*list) {
    ChildRef<Record> found;
    found.windowIndex = static_cast<int>(prop::Get(control, prop::kOwnerIndex));
    found.window = engine.Record(found.windowIndex);
    found.index = static_cast<int>(prop::Get(control, prop::kListIndex));
    if (!found.window) return found;
    auto& records = found.window->*list;
    if (found.index < 1 || found.index >= static_cast<int>(records.size())) return found;
    Record& record = records[static_cast<std::size_t>(found.index)];
    if (record.hwnd == control) found.record = &record;
    return found;
}

// The record at `index` of a family list, or null.
template <typename Record>
Record* At(std::vector<Record>& list, int index) {
    if (index < 1 || index >= static_cast<int>(list.size())) return nullptr;
    return list[static_cast<std::size_t>(index)].hwnd ? &list[static_cast<std::size_t>(index)]
                                                      : nullptr;
}

// True when `list` already holds `control`.
template <typename Record>
bool Holds(const std::vector<Record>& list, HWND control) {
    for (std::size_t i = 1; i < list.size(); ++i) {
        if (list[i].hwnd == control) return true;
    }
    return false;
}

// The procedure the control had before the engine took it over ("Hw_hProc").
LRESULT CallOldProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

// Appends a record for `control` to `list`, subclasses it with `entry` and sets the three
// properties; returns the new index.
template <typename Record>
int TakeOver(std::vector<Record>& list, HWND control, int windowIndex, WNDPROC entry) {
    Record& record = list.emplace_back();
    record.hwnd = control;
    const int index = static_cast<int>(list.size()) - 1;
    prop::Set(control, prop::kListIndex, index);
    prop::Set(control, prop::kOwnerIndex, windowIndex);
    record.oldProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(entry)));
    prop::Set(control, prop::kOldProc, reinterpret_cast<std::intptr_t>(record.oldProc));
    return index;
}

// Gives the control its procedure back when nobody subclassed it after the engine, removes the
// engine's properties and forgets the control.
void GiveBack(ChildRecord& record, WNDPROC entry);

// A paint of `control` covered `painted` (screen coordinates): the see-through siblings lying
// above it there are invalidated, without erasing, so they draw their text again on top.
void RefreshSeeThroughAbove(HWND control, HRGN painted);
// The same for the whole window rectangle of `control`.
void RefreshSeeThroughAbove(HWND control);

// The client area of `control` in its outer (window) coordinates.
RECT ClientAreaOf(HWND control);

// A rounded rectangle (the engine's AddRoundRect shape) filled or outlined on `graphics`.
bool FillRoundRect(gfx::Graphics& graphics, const gfx::Brush& brush, const gfx::RectF& rect,
                   float corner);
bool DrawRoundRect(gfx::Graphics& graphics, gfx::Argb colour, float penWidth,
                   const gfx::RectF& rect, float corner);

// A glyph picture linked into `module` (an RCDATA resource), decoded; empty when missing.
gfx::Bitmap LoadGlyph(const wchar_t* name, HMODULE module);

}  // namespace yf
