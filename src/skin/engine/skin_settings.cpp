#include "skin/engine/skin_settings.h"

namespace yf {

void ApplyControlOptions(SkinSettings& settings, const ControlOptions& options) {
    settings.controlSkinning = options.controlSkinning;
    settings.veilAlpha = options.veilAlpha.value_or(kDefaultVeilAlpha);
    settings.transparentControls = options.veilAlpha.has_value();
    settings.trackbarChannel = options.trackbarChannel.value_or(true);
}

PicturePreparation PreparationFor(PictureMode mode) {
    switch (mode) {
        case PictureMode::TopLeft:
            return PicturePreparation::FadeRightAndBottom;
        case PictureMode::TopRight:
            return PicturePreparation::FadeLeftAndBottom;
        default:
            return PicturePreparation::AsGiven;
    }
}

SkinPicturePlan PlanSkinPicture(SkinSettings& settings, const SkinPictureArgs& args,
                                const std::function<gfx::ColourRef()>& averageColour) {
    const bool followsTheme = args.accentColour == kAccentFollowsTheme;
    if (!followsTheme) {
        settings.accentColour = args.accentColour ? static_cast<gfx::ColourRef>(*args.accentColour)
                                                  : kDefaultAccentColour;
    }
    const bool noPicture = args.bytes.empty() && args.filePath.empty();
    if (noPicture && !args.themeColour) return {};
    if (noPicture) {
        settings.themeColour = *args.themeColour;
        if (followsTheme) settings.accentColour = settings.themeColour;
        return {SkinPicturePlan::Step::ColourOnly, PicturePreparation::AsGiven};
    }
    // The average is only worth a pass over the picture when no theme colour is given.
    settings.themeColour = args.themeColour ? *args.themeColour : averageColour();
    if (followsTheme) settings.accentColour = settings.themeColour;
    settings.skinMode = args.mode.value_or(kDefaultSkinMode);
    return {SkinPicturePlan::Step::Picture, PreparationFor(settings.skinMode)};
}

}  // namespace yf
