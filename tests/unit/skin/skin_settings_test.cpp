#include "skin/skin_settings.h"

#include <gtest/gtest.h>

#include <array>

namespace yf {
namespace {

constexpr std::array<std::uint8_t, 4> kSomePicture{1, 2, 3, 4};

TEST(ControlOptionsTest, VeilAlphaGivenMakesChildrenSeeThrough) {
    SkinSettings settings;
    ApplyControlOptions(settings, {1, 0, std::nullopt});
    EXPECT_EQ(settings.controlSkinning, 1);
    EXPECT_EQ(settings.veilAlpha, 0);
    EXPECT_EQ(settings.transparentControls, 1);
    EXPECT_EQ(settings.trackbarChannel, 1);

    ApplyControlOptions(settings, {0, std::nullopt, 0});
    EXPECT_EQ(settings.controlSkinning, 0);
    EXPECT_EQ(settings.veilAlpha, 160);
    EXPECT_EQ(settings.transparentControls, 0);
    EXPECT_EQ(settings.trackbarChannel, 0);

    ApplyControlOptions(settings, {1, 90, std::nullopt});
    EXPECT_EQ(settings.trackbarChannel, 1);
    EXPECT_EQ(settings.veilAlpha, 90);
}

struct PlanCase {
    const char* name;
    bool picture;
    std::optional<gfx::ColourRef> theme;
    std::optional<std::int32_t> accent;
    std::optional<int> mode;
    SkinPicturePlan::Step step;
    gfx::ColourRef themeAfter;
    gfx::ColourRef accentAfter;
    int modeAfter;
    bool averaged;
};

TEST(PlanSkinPictureTest, ArgumentsBecomeSettings) {
    using Step = SkinPicturePlan::Step;
    constexpr gfx::ColourRef kAverage = 0x102030;
    constexpr gfx::ColourRef kOldTheme = 0x0F0F0F;
    const PlanCase cases[] = {
        {"application", true, 0xC0C0C0, 0, 3, Step::Picture, 0xC0C0C0, 0, 3, false},
        {"defaults", true, std::nullopt, std::nullopt, std::nullopt, Step::Picture, kAverage,
         kDefaultAccentColour, 4, true},
        {"accent follows", true, std::nullopt, -1, 0, Step::Picture, kAverage, kAverage, 0, true},
        {"colour only", false, 0x00FF00, -1, 3, Step::ColourOnly, 0x00FF00, 0x00FF00, 2, false},
        {"nothing", false, std::nullopt, 0x123456, 3, Step::Stop, kOldTheme, 0x123456, 2, false},
        {"nothing keeps accent", false, std::nullopt, -1, 1, Step::Stop, kOldTheme, 0x111111, 2,
         false},
    };
    for (const PlanCase& c : cases) {
        SkinSettings settings;
        settings.themeColour = kOldTheme;
        settings.accentColour = 0x111111;
        settings.skinMode = 2;
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
        std::optional<int> mode;
        PicturePreparation preparation;
    } cases[] = {{0, PicturePreparation::FadeRightAndBottom},
                 {1, PicturePreparation::FadeLeftAndBottom},
                 {3, PicturePreparation::AsGiven},
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
