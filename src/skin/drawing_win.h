// The translucent rounded panel trackbars and progress bars lie on: a faint dark outline and
// a fill fading from white to a shade of black across the control.
#pragma once

#include "gfx/graphics_win.h"
#include "skin/families/trackbar/trackbar_layout.h"

namespace yf {

void DrawControlPanel(gfx::Graphics& graphics, const ControlPanel& panel, int outlineAlpha,
                      float fillCorner);

}  // namespace yf
