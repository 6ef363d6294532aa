// Drawing helpers the family painters share: where a control's client area lies in its outer
// rectangle, the rounded shapes, glyph pictures, and refreshing the see-through labels that lie
// on a control after the engine painted it.
#pragma once

#include <windows.h>

#include "core/unique_handle_win.h"
#include "core/window_class_win.h"
#include "gfx/graphics_win.h"
#include "gfx/image_win.h"
#include "skin/frame/caption_strip.h"
#include "skin/backdrop/dib_surface_win.h"

namespace yf {

// A paint of `control` covered `painted` (screen coordinates): the see-through siblings lying
// above it there are invalidated, without erasing, so they draw their text again on top.
void RefreshSeeThroughAbove(HWND control, HRGN painted);
// The same for the whole window rectangle of `control`.
void RefreshSeeThroughAbove(HWND control);
// Where the parent's procedure is the engine's, the refresh waits for this message posted to
// the parent, which then refreshes every paint gathered since in one look at its children.
UINT SeeThroughRefreshMessage();
void FlushSeeThroughRefresh(HWND parent);

// Copies `face` over the whole window area of `control` (leaving out its magenta pixels when
// `keyed`), then lets the see-through labels lying on it draw again.
void ShowOnControl(HWND control, const DibSurface& face, bool keyed = false);

// Copies `face` over the frame of `control`: its whole window area except `interior` (outer
// coordinates) and, when given, `alsoLeaveOut` (screen coordinates, the system's scroll bars).
void ShowFrameOnControl(HWND control, const DibSurface& face, const PixelBox& interior,
                        HRGN alsoLeaveOut = nullptr);

// The client area of `control` in its outer (window) coordinates.
RECT ClientAreaOf(HWND control);
// The size of the control's window rectangle.
SIZE OuterSizeOf(HWND control);
// Whether the control has a non-client area (a border or scroll bars) around its client area.
bool HasFrame(HWND control);

// A rounded rectangle (the engine's AddRoundRect shape) filled or outlined on `graphics`.
bool FillRoundRect(gfx::Graphics& graphics, const gfx::Brush& brush, const gfx::RectF& rect,
                   float corner);
bool DrawRoundRect(gfx::Graphics& graphics, gfx::Argb colour, float penWidth,
                   const gfx::RectF& rect, float corner);

// A glyph picture linked into `module` (an RCDATA resource), decoded; empty when missing.
gfx::Bitmap LoadGlyph(const wchar_t* name, HMODULE module);

// The scroll bars `control` shows, in screen coordinates; null when it shows none.
UniqueRegion ScrollBarRegion(HWND control);
bool HasScrollBarStyle(HWND control);

// Every visible direct child of `control` repaints with its background, over what the engine
// has just painted under it.
void InvalidateVisibleChildren(HWND control);

}  // namespace yf
