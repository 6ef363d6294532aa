// What the skin engine keeps for each window it skins: the registration options, its state,
// the cached window image with the versions the painters' kept faces are stamped with, the
// caption strip and status bar, hover state, what the backdrop keeps for it, and one list of
// child records per control family. The window's frame (composition, caption, moving, status
// bar) is the WindowFrame it owns; everything here goes when the window goes.
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
#include "skin/backdrop/dib_surface_win.h"
#include "skin/backdrop/window_backdrop_win.h"
#include "skin/engine/child_hover.h"
#include "skin/engine/child_list_win.h"
#include "skin/engine/skin_settings.h"
#include "skin/engine/window_state.h"
#include "skin/frame/caption_hover.h"
#include "skin/frame/caption_strip.h"
#include "skin/frame/status_bar_layout.h"

namespace yf {

class WindowFrame;

// A picture decoded once, with a number that changes whenever the picture does. A stretched
// picture first keeps the decoded bitmap itself; when the program is idle it is replaced by a
// copy at most as large as the screen, from which every later size is scaled.
struct PreparedPicture {
    gfx::PixelBuffer pixels;
    std::shared_ptr<gfx::Bitmap> decoded;
    int generation = 0;
    bool empty() const { return pixels.empty() && !decoded; }
};

struct TitleStyle {
    gfx::ColourRef colour = 0xFFFFFF;
    gfx::ColourRef haloColour = 0x808080;
    std::string font = "宋体";
    int size = 12;
    int style = 1;  // non-zero: bold
    bool operator==(const TitleStyle&) const = default;
};

struct StatusBar {
    int height = 0;  // 0: no bar
    RECT rect{};
    std::vector<BarItem> items;
    std::vector<PixelBox> cells;  // one per item, client coordinates
    BarTextStyle text;
};

struct WindowRecord {
    WindowRecord();
    ~WindowRecord();
    WindowRecord(const WindowRecord&) = delete;
    WindowRecord& operator=(const WindowRecord&) = delete;

    HWND hwnd = nullptr;
    int index = 0;  // its place in the window list, as its "Hw_lbID" says
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
    PictureMode ownPictureMode = kDefaultSkinMode;
    gfx::ColourRef ownPictureColour = 0;
    PreparedPicture ownPrepared;

    CaptionStrip strip;
    WindowState state;  // maximized, minimized, needs a new composition
    int minTrackWidth = 200;
    int minTrackHeight = 150;
    int maxTrackWidth = 0;
    int maxTrackHeight = 0;
    bool dblClickMaximize = true;
    bool captionBar = true;
    TitleStyle title;

    CaptionHover captionHover;
    ChildHover childHover;  // shared by the family painters: one lit control per window

    std::function<void()> helpCallback;
    std::function<void()> menuCallback;
    gfx::ToolTip tooltip;
    StatusBar statusBar;
    // The controls each family painter took over, one list per family, made on first use.
    std::array<std::unique_ptr<ChildListBase>, kFamilyCount> children;
    // Windows kept filling the client area below `top` (x 2, full width less 4).
    std::vector<std::pair<HWND, int>> docked;

    DibSurface windowImage;  // the composed client area
    // What the painters' kept faces were composed over (see BackgroundStamp): raised by every
    // composition, by a caption or status band drawn alone, and by a change of the panels.
    std::uint64_t imageVersion = 0;
    std::uint64_t bandVersion = 0;
    std::uint64_t panelsVersion = 0;
    int captionButtonCount = 0;
    bool registered = false;

    WindowBackdrop backdrop;
    std::unique_ptr<WindowFrame> frame;

    // The list of `family`, whose records are `Record`; made empty on first use.
    template <typename Record>
    ChildList<Record>& Children(ControlFamily family) {
        auto& slot = children[static_cast<std::size_t>(family)];
        if (!slot) slot = std::make_unique<ChildList<Record>>();
        return static_cast<ChildList<Record>&>(*slot);
    }
    // Null while the family has taken nothing over in this window.
    ChildListBase* ChildrenIf(ControlFamily family) {
        return children[static_cast<std::size_t>(family)].get();
    }
    // Live controls of the family.
    int ChildCount(ControlFamily family) {
        ChildListBase* list = ChildrenIf(family);
        return list ? static_cast<int>(list->Handles().size()) : 0;
    }
};

}  // namespace yf
