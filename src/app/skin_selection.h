// Switching the main window's skin: every switch, at start-up and from the tray menu, hands the
// picture and the same fixed options to the skin engine in the same order.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "skin/engine/skin_settings.h"

namespace yf {

constexpr int kSkinCount = 8;
constexpr int kDefaultSkin = 8;
constexpr int kMainCaptionHeight = 25;
constexpr gfx::ColourRef kSkinThemeColour = 0xC0C0C0;

// Name of the linked-in JPEG of skin 1..8 ("SKIN1".."SKIN8"); empty for other numbers.
std::string SkinResourceName(int skin);

// A status bar along the bottom of the window (the program's own window has none).
struct StatusBarRequest {
    int height = 0;
    std::vector<int> cellWidths;  // -1: the rest of the bar
};

// SetSkinPicture, SetControlOptions, ApplySkin. ApplySkin only registers the window the first
// time; later switches are made by the picture alone.
void SwitchSkin(SkinSetup& engine, std::span<const std::uint8_t> picture, WindowHandle window,
                const StatusBarRequest& statusBar = {});

// A small window of the program beside the main one (the warning of the last minute) under the
// current skin: registered without caption bar or title, so the engine neither draws a caption
// nor lets it be dragged or maximized; later skin switches re-skin it with the main window.
void SkinSecondWindow(SkinSetup& engine, WindowHandle window);

}  // namespace yf
