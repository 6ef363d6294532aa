#include "skin/engine/skin_settings.h"

#include <gtest/gtest.h>

#include <array>

namespace yf {
namespace {

constexpr std::array<std::uint8_t, 4> kSomePicture{1, 2, 3, 4};

TEST(ControlOptionsTest, VeilAlphaGivenMakesChildrenSeeThrough) {
    SkinSettings settings;
    ApplyControlOptions(settings, {true, 0, std::nullopt});
    EXPECT_TRUE(settings.controlSkinning);
    EXPECT_EQ(settings.veilAlpha, 0);
    EXPECT_TRUE(settings.transparentControls);
    EXPECT_TRUE(settings.trackbarChannel);

    ApplyControlOptions(settings, {false, std::nullopt, false});
    EXPECT_FALSE(settings.controlSkinning);
    EXPECT_EQ(settings.veilAlpha, 160);
    EXPECT_FALSE(settings.transparentControls);
    EXPECT_FALSE(settings.trackbarChannel);

    ApplyControlOptions(settings, {true, 90, std::nullopt});
    EXPECT_TRUE(settings.trackbarChannel);
    EXPECT_EQ(settings.veilAlpha, 90);
}

struct PlanCase {
    const char* name;
    bool picture;
    std::optional<gfx::ColourRef> theme;
    std::optional<std::int32_t> accent;
    std::optional<PictureMode> mode;
    SkinPicturePlan::Step step;
    gfx::ColourRef themeAfter;
    gfx::ColourRef accentAfter;
    PictureMode modeAfter;
    bool averaged;
};

TEST(PlanSkinPictureTest, ArgumentsBecomeSettings) {
    using Step = SkinPicturePlan::Step;
    constexpr gfx::ColourRef kAverage = 0x102030;
    constexpr gfx::ColourRef kOldTheme = 0x0F0F0F;
    constexpr PictureMode kStretched = PictureMode::Stretched;
    constexpr PictureMode kOldMode = PictureMode::Centred;
    const PlanCase cases[] = {
        {"application", true, 0xC0C0C0, 0, kStretched, Step::Picture, 0xC0C0C0, 0, kStretched,
         false},
        {"defaults", true, std::nullopt, std::nullopt, std::nullopt, Step::Picture, kAverage,
         kDefaultAccentColour, PictureMode::MirroredStrip, true},
        {"accent follows", true, std::nullopt, -1, PictureMode::TopLeft, Step::Picture, kAverage,
         kAverage, PictureMode::TopLeft, true},
        {"colour only", false, 0x00FF00, -1, kStretched, Step::ColourOnly, 0x00FF00, 0x00FF00,
         kOldMode, false},
        {"nothing", false, std::nullopt, 0x123456, kStretched, Step::Stop, kOldTheme, 0x123456,
         kOldMode, false},
        {"nothing keeps accent", false, std::nullopt, -1, PictureMode::TopRight, Step::Stop,
         kOldTheme, 0x111111, kOldMode, false},
    };
    for (const PlanCase& c : cases) {
        SkinSettings settings;
        settings.themeColour = kOldTheme;
        settings.accentColour = 0x111111;
        settings.skinMode = kOldMode;
        SkinPictureArgs args;
        if (c.picture) args.bytes = kSomePicture;
        args.themeColour = c.theme;
        args.accentColour = c.accent;
        args.mode = c.mode;
        bool averaged = false;
        const SkinPicturePlan plan = PlanSkinPicture(settings, args, [&] {
            averaged = true;
            return kAverage;
        });
        EXPECT_EQ(plan.step, c.step) << c.name;
        EXPECT_EQ(settings.themeColour, c.themeAfter) << c.name;
        EXPECT_EQ(settings.accentColour, c.accentAfter) << c.name;
        EXPECT_EQ(settings.skinMode, c.modeAfter) << c.name;
        EXPECT_EQ(averaged, c.averaged) << c.name;
    }
}

TEST(PlanSkinPictureTest, FilePathCountsAsAPictureAndModesChooseThePreparation) {
    SkinSettings settings;
    SkinPictureArgs args;
    args.filePath = "C:\\pictures\\sky.jpg";
    args.themeColour = 0xFFFFFF;
    const struct {
        std::optional<PictureMode> mode;
        PicturePreparation preparation;
    } cases[] = {{PictureMode::TopLeft, PicturePreparation::FadeRightAndBottom},
                 {PictureMode::TopRight, PicturePreparation::FadeLeftAndBottom},
                 {PictureMode::Stretched, PicturePreparation::AsGiven},
                 {std::nullopt, PicturePreparation::AsGiven}};
    for (const auto& c : cases) {
        args.mode = c.mode;
        const SkinPicturePlan plan = PlanSkinPicture(settings, args, [] { return 0u; });
        EXPECT_EQ(plan.step, SkinPicturePlan::Step::Picture);
        EXPECT_EQ(plan.preparation, c.preparation);
    }
}

}  // namespace
}  // namespace yf
