#include "skin/engine/window_state.h"

namespace yf {

PaintAction OnPaintRequest(const WindowState& state) {
    if (state.minimized) return PaintAction::Nothing;
    return state.needsRender ? PaintAction::Render : PaintAction::CopyImage;
}

bool OnShown(WindowState& state) {
    if (state.minimized) {
        state.minimized = false;
        return false;
    }
    return true;
}

void OnQueryOpen(WindowState& state) {
    state.minimized = false;
}

void OnSized(WindowState& state, bool& firstSize) {
    if (firstSize) {
        firstSize = false;
        state.needsRender = false;
    } else {
        state.needsRender = true;
    }
}

void OnSystemCommand(WindowState& state, SystemCommand command) {
    switch (command) {
        case SystemCommand::Maximize:
            state.maximized = true;
            state.needsRender = true;
            break;
        case SystemCommand::Restore:
            state.needsRender = true;
            state.minimized = false;
            break;
        case SystemCommand::Minimize:
            state.needsRender = true;
            state.minimized = true;
            break;
        case SystemCommand::Other:
            break;
    }
}

SystemCommand OnMaximizeClick(WindowState& state) {
    state.needsRender = true;
    state.minimized = false;
    state.maximized = !state.maximized;
    return state.maximized ? SystemCommand::Maximize : SystemCommand::Restore;
}

void OnMinimizeClick(WindowState& state) {
    state.minimized = true;
}

Size2 MaxTrackSize(const WindowState& state, Size2 registered, Size2 screen, int taskbarHeight) {
    if (!state.maximized) return registered;
    return {screen.width, screen.height - taskbarHeight};
}

ClampToWorkArea OnPositionChanged(WindowState& state, bool showMaximize, Size2 client, Size2 screen,
                                  int taskbarHeight) {
    if (!showMaximize || client != screen) return {};
    state.maximized = true;
    if (taskbarHeight <= 0) return {};
    return {true, {screen.width, screen.height - taskbarHeight}};
}

}  // namespace yf
