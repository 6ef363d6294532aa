// The strip of picture buttons at the top right of a skinned caption bar: which buttons a
// window gets, where they sit, which one the mouse is over, and where each is painted.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "gfx/figure.h"
#include "skin/frame/frame_metrics.h"
#include "skin/geometry.h"

namespace yf {

enum class CaptionButtonKind {
    Close = 0,
    Maximize = 1,
    Minimize = 2,
    MainMenu = 3,
    Help = 4,
    Custom = 5
};

struct CaptionButton {
    int width = kButtonWidth;
    int height = kButtonHeight;
    std::vector<std::uint8_t> image;   // PNG
    std::vector<std::uint8_t> image2;  // PNG: the restore picture of a maximize button
    CaptionButtonKind kind = CaptionButtonKind::Custom;
    std::string tooltip;
    std::function<void()> callback;  // custom buttons only
    gfx::RectF rect;                 // client coordinates, kept by LayoutStrip
};

struct CaptionStrip {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = kStripHeight;
    std::vector<CaptionButton> buttons;

    int Count() const { return static_cast<int>(buttons.size()); }
    // 1-based, as the window procedure and the tooltips number them.
    CaptionButton& Button(int index) { return buttons[static_cast<std::size_t>(index - 1)]; }
    const CaptionButton& Button(int index) const {
        return buttons[static_cast<std::size_t>(index - 1)];
    }
};

// A caption bar is never lower than its buttons need.
int RaiseCaptionHeight(int requested);

struct CaptionButtonChoice {
    bool help = false;
    bool mainMenu = false;
    bool minimize = false;
    bool maximize = false;
};

// The built-in buttons in strip order (help, main menu, minimize, maximize, close), without
// pictures; close is always there.
std::vector<CaptionButton> MakeCaptionButtons(const CaptionButtonChoice& choice);

// At registration: the strip's width from its buttons and its first place, `frameMargin` + 2
// pixels inside the right edge of the client area.
void PlaceStrip(CaptionStrip& strip, int clientRight, int frameMargin);

// After every size change: the strip ends at the client area's right edge and each button
// gets its rectangle, 27 pixels apart.
void LayoutStrip(CaptionStrip& strip, int clientRight);

// Inserts a custom button at the front (left of the others); the strip grows 27 pixels.
void AddCustomButton(CaptionStrip& strip, CaptionButton button);

// 1-based index of the button strictly containing (x, y); 0 outside the strip or between
// buttons.
int HitTestStrip(const CaptionStrip& strip, int x, int y);

// Index of the first maximize button, 0 when there is none.
int MaximizeButtonIndex(const CaptionStrip& strip);

// Where hovering starts the fade timer (2 pixels of slack on the left).
bool InHoverZone(const CaptionStrip& strip, int x, int y);

// Where a press belongs to the buttons rather than to moving or sizing the window.
bool InPressZone(const CaptionStrip& strip, int x, int y);

// Where button `index` is painted: one pixel left of its layout rectangle, one below the strip
// top, at its picture size.
PixelBox ButtonPaintBox(const CaptionStrip& strip, int index);

// x of the separator line left of button `index`.
int SeparatorX(const CaptionStrip& strip, int index);

// Which buttons take replacement glyphs (1-based, 0 = none): the close glyph goes to the last
// button, maximize/restore and minimize to the ones before it as the window style has them.
struct GlyphTargets {
    int minimize = 0;
    int maximize = 0;
    int close = 0;
};
GlyphTargets CaptionGlyphTargets(int buttonCount, bool hasMinimizeBox, bool hasMaximizeBox);

}  // namespace yf
