// How a skinned window's maximized, minimized and needs-render states follow the messages it
// gets, and what it then has to do: paint from a new composition or from the cached image,
// which size limits to report, whether a window maximized over the whole screen must shrink to
// keep the taskbar visible. Pure rules, so the window procedure only carries them out.
#pragma once

#include "skin/geometry.h"

namespace yf {

struct WindowState {
    bool maximized = false;
    bool minimized = false;
    bool needsRender = true;  // the next paint composes the whole window image again
};

enum class PaintAction { Nothing, Render, CopyImage };
// WM_PAINT: nothing while minimized, else a new composition when one is due, else a copy.
PaintAction OnPaintRequest(const WindowState& state);

// WM_SHOWWINDOW showing the window: a window coming back from minimized only clears the flag
// (its restore composes it); any other show composes it now. True when it is to be composed.
bool OnShown(WindowState& state);

// WM_QUERYOPEN: the window is being restored from the taskbar.
void OnQueryOpen(WindowState& state);

// WM_SIZE: the very first size change of the process keeps the image as it is (`firstSize`,
// shared by all windows, is cleared); every later one asks for a new composition.
void OnSized(WindowState& state, bool& firstSize);

enum class SystemCommand { Maximize, Restore, Minimize, Other };
// WM_SYSCOMMAND as it passes on its way to the window's own procedure.
void OnSystemCommand(WindowState& state, SystemCommand command);

// The maximize caption button: the command to send (Maximize or Restore).
SystemCommand OnMaximizeClick(WindowState& state);
// The minimize caption button.
void OnMinimizeClick(WindowState& state);

// WM_GETMINMAXINFO: the largest size the window may take. A maximized window stays above the
// taskbar; otherwise the limit taken at registration holds.
Size2 MaxTrackSize(const WindowState& state, Size2 registered, Size2 screen, int taskbarHeight);

// WM_WINDOWPOSCHANGED of a window with a maximize box: a client area as large as the screen
// means the window was maximized over the taskbar. It becomes maximized and, when a taskbar
// exists, must be resized to `size` (without one it already has its size, and resizing it
// again would only come back here).
struct ClampToWorkArea {
    bool resize = false;
    Size2 size;
    bool operator==(const ClampToWorkArea&) const = default;
};
ClampToWorkArea OnPositionChanged(WindowState& state, bool showMaximize, Size2 client, Size2 screen,
                                  int taskbarHeight);

}  // namespace yf
