// The shapes of shapes.h drawn with GDI+, as every part of the engine draws them: rounded
// rectangles filled or outlined, the panel trackbars and progress bars lie on, and the glyph
// pictures linked into the program.
#pragma once

#include <windows.h>

#include "gfx/graphics_win.h"
#include "gfx/image_win.h"
#include "skin/shapes.h"

namespace yf {

// A rounded rectangle (the engine's AddRoundRect shape) filled or outlined on `graphics`.
bool FillRoundRect(gfx::Graphics& graphics, const gfx::Brush& brush, const gfx::RectF& rect,
                   float corner);
bool DrawRoundRect(gfx::Graphics& graphics, gfx::Argb colour, float penWidth,
                   const gfx::RectF& rect, float corner);

// The translucent rounded panel: a faint dark outline and a fill fading from white to a shade
// of black across the control.
void DrawControlPanel(gfx::Graphics& graphics, const ControlPanel& panel, int outlineAlpha,
                      float fillCorner);

// A glyph picture linked into `module` (an RCDATA resource), decoded; empty when missing.
gfx::Bitmap LoadGlyph(const wchar_t* name, HMODULE module);

}  // namespace yf
