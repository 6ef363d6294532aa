#include "app/skin_selection.h"

namespace yf {

std::string SkinResourceName(int skin) {
    if (skin < 1 || skin > kSkinCount) return {};
    return "SKIN" + std::to_string(skin);
}

void SwitchSkin(SkinSetup& engine, std::span<const std::uint8_t> picture, WindowHandle window,
                const StatusBarRequest& statusBar) {
    SkinPictureArgs pictureArgs;
    pictureArgs.bytes = picture;
    pictureArgs.themeColour = kSkinThemeColour;  // given, so the picture is not averaged
    pictureArgs.accentColour = 0;
    pictureArgs.mode = PictureMode::Stretched;
    engine.SetSkinPicture(pictureArgs);

    ControlOptions options;
    options.controlSkinning = true;
    options.veilAlpha = 0;  // given: children see-through, without a white veil
    engine.SetControlOptions(options);

    ApplySkinArgs apply;
    apply.window = window;
    apply.captionHeight = kMainCaptionHeight;
    apply.captionBar = true;
    apply.dblClickMaximize = true;
    apply.showHelp = false;
    apply.showMenu = false;
    apply.showTitle = true;
    apply.backgroundOption = 0;
    apply.statusBarHeight = statusBar.height;
    apply.statusCellWidths = statusBar.cellWidths;
    engine.ApplySkin(apply);
}

void SkinSecondWindow(SkinSetup& engine, WindowHandle window) {
    ApplySkinArgs apply;
    apply.window = window;
    apply.captionBar = false;
    apply.dblClickMaximize = false;
    apply.showTitle = false;
    engine.ApplySkin(apply);
}

}  // namespace yf
