// What the skin engine keeps for each window it skins: the caption bar and its buttons, the
// cached images, hover state, and the lists of child controls the family painters take over.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "gfx/argb.h"
#include "gfx/image_win.h"
#include "gfx/pixel_buffer.h"
#include "gfx/tooltip_win.h"
#include "skin/cached_image_win.h"
#include "skin/caption_hover.h"
#include "skin/caption_strip.h"

namespace yf {

// Control families, in the order windows renumber their children after a window goes.
enum class ControlFamily {
    Buttons,
    Lists,
    Edits,
    Combos,
    Headers,
    Spins,
    Trackbars,
    ProgressBars,
    Containers,
    Keyed,
    Count
};
constexpr int kFamilyCount = static_cast<int>(ControlFamily::Count);

// A skinned child control; each family list starts with one empty placeholder, so indexes are
// 1-based like the "Hw_lbID" property that names them. A destroyed control leaves its entry
// with a null hwnd, so the indexes of the others stay valid.
struct ChildRecord {
    HWND hwnd = nullptr;
    WNDPROC oldProc = nullptr;
};

struct EditRecord : ChildRecord {
    bool focused = false;
    // Set by no one: the frame is lit while the window's hover tracking names this edit.
    bool hover = false;
    bool buttonDown = false;
};

struct ComboRecord : ChildRecord {
    bool focused = false;
};

struct SpinRecord : ChildRecord {
    bool hover = false;
    int hotPart = 0;  // half under the mouse at the last move: 0 up/left, 1 down/right
    bool pressed = false;
    bool horizontal = false;
    LPARAM mousePos = 0;  // client coordinates, x in the low word
};

// A registered container (a group box or another child window whose children are skinned).
struct ControlRecord : ChildRecord {
    gfx::ColourRef colour = 0;  // panel colour; 0 = no panel
    int alpha = 255;
    bool border = false;  // draw the double frame on a container that is not a group box
    bool dirty = true;    // the next paint composes the whole container
    bool isGroupBox = false;
    bool painted = true;
    std::string fontName;  // the caption font of a group box
    int fontSize = 0;
    int fontStyle = 0;
    std::vector<std::pair<HWND, int>> docked;  // windows filling the container below `top`
};

// A family list with its placeholder.
template <typename Record>
std::vector<Record> NewFamilyList() {
    return std::vector<Record>(1);
}

// A picture decoded once, with a number that changes whenever the picture does. A stretched
// picture first keeps the decoded bitmap itself; when the program is idle it is replaced by a
// copy at most as large as the screen, from which every later size is scaled.
struct PreparedPicture {
    gfx::PixelBuffer pixels;
    std::shared_ptr<gfx::Bitmap> decoded;
    int generation = 0;
    bool empty() const { return pixels.empty() && !decoded; }
};

// The picture scaled to the client area, kept for renders at the same size.
struct ScaledPicture {
    int generation = -1;
    gfx::PixelBuffer pixels;
};

struct ButtonGlyphs {
    gfx::Bitmap image;
    gfx::Bitmap image2;
};

struct TitleStyle {
    gfx::ColourRef colour = 0xFFFFFF;
    gfx::ColourRef haloColour = 0x808080;
    std::string font = "宋体";
    int size = 12;
    int style = 1;  // non-zero: bold
    bool operator==(const TitleStyle&) const = default;
};

// Everything the drawn caption decoration (title, button glyphs, sheen and separators)
// depends on; the decoration is drawn again only when one of these changes.
struct CaptionOverlayKey {
    int width = 0;
    int height = 0;
    std::string text;
    TitleStyle title;
    bool showTitle = true;
    bool maximized = false;
    int buttonsVersion = 0;
    bool operator==(const CaptionOverlayKey&) const = default;
};

struct StatusBar {
    int height = 0;
    RECT rect{};
};

struct WindowRecord {
    HWND hwnd = nullptr;
    int captionHeight = kMinCaptionHeight;
    bool showHelp = false;
    bool showMenu = false;
    bool showMinimize = false;
    bool showMaximize = false;
    bool showClose = true;
    bool showTitle = true;
    int backgroundOption = 0;
    WNDPROC oldProc = nullptr;

    std::vector<std::uint8_t> ownPicture;  // empty: the engine's skin picture
    int ownPictureMode = 4;
    gfx::ColourRef ownPictureColour = 0;
    PreparedPicture ownPrepared;
    ScaledPicture scaled;

    CaptionStrip strip;
    std::vector<ButtonGlyphs> glyphs;  // decoded pictures, one per strip button
    int buttonsVersion = 0;            // raised whenever a button or its pictures change

    bool maximized = false;
    bool minimized = false;
    int minTrackWidth = 200;
    int minTrackHeight = 150;
    int maxTrackWidth = 0;
    int maxTrackHeight = 0;
    bool dblClickMaximize = true;
    bool captionBar = true;
    TitleStyle title;

    CaptionHover hover;
    int hoverIndex = 0;  // child hover tracking of the family painters
    int hotIndex = 0;
    int hotKind = 0;
    HWND hotParent = nullptr;

    std::function<void()> helpCallback;
    std::function<void()> menuCallback;
    gfx::ToolTip tooltip;
    StatusBar statusBar;
    // The families whose painters keep no state of their own; edits, combo boxes, up-downs and
    // containers have the typed lists below instead.
    std::array<std::vector<ChildRecord>, kFamilyCount> families;
    std::vector<EditRecord> edits = NewFamilyList<EditRecord>();
    std::vector<ComboRecord> combos = NewFamilyList<ComboRecord>();
    std::vector<SpinRecord> spins = NewFamilyList<SpinRecord>();
    std::vector<ControlRecord> containers = NewFamilyList<ControlRecord>();
    // Windows kept filling the client area below `top` (x 2, full width less 4).
    std::vector<std::pair<HWND, int>> docked;

    bool needsRender = true;
    CachedImage windowImage;  // the composed client area
    CachedImage topBand;      // the caption band before title and buttons were drawn
    CachedImage statusBand;   // the status bar before its cells were drawn
    SIZE regionSize{};        // size the window region was last made for
    // The outline and the key-coloured corners for the current size, drawn once per size.
    gfx::SparseOverlay frame;
    bool frameWithOutline = false;
    // The caption decoration, transparent where the picture shows through.
    CaptionOverlayKey captionKey;
    gfx::PixelBuffer captionOverlay;
    bool captionOverlayReady = false;
    // The one made before, kept for a window that goes back and forth between two sizes.
    CaptionOverlayKey previousCaptionKey;
    gfx::PixelBuffer previousCaptionOverlay;
    int captionButtonCount = 0;
    bool registered = false;

    WindowRecord() {
        for (auto& family : families) family.assign(1, ChildRecord{});
    }
    std::vector<ChildRecord>& Family(ControlFamily family) {
        return families[static_cast<int>(family)];
    }
    // The live controls of one family, in list order.
    std::vector<HWND> Handles(ControlFamily family) const {
        std::vector<HWND> handles;
        const auto collect = [&handles](const auto& list) {
            for (std::size_t i = 1; i < list.size(); ++i) {
                if (list[i].hwnd) handles.push_back(list[i].hwnd);
            }
        };
        switch (family) {
            case ControlFamily::Edits:
                collect(edits);
                break;
            case ControlFamily::Combos:
                collect(combos);
                break;
            case ControlFamily::Spins:
                collect(spins);
                break;
            case ControlFamily::Containers:
                collect(containers);
                break;
            default:
                collect(families[static_cast<int>(family)]);
                break;
        }
        return handles;
    }
};

}  // namespace yf
