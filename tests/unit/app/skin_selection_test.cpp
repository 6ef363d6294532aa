#include "app/skin_selection.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace yf {
namespace {

// Records the calls in order with the values that matter.
class RecordingSetup : public SkinSetup {
  public:
    void SetSkinPicture(const SkinPictureArgs& args) override {
        calls.push_back("picture");
        picture = args;
    }
    void SetControlOptions(const ControlOptions& given) override {
        calls.push_back("options");
        options = given;
    }
    bool ApplySkin(const ApplySkinArgs& args) override {
        calls.push_back("apply");
        apply = args;
        return true;
    }

    std::vector<std::string> calls;
    SkinPictureArgs picture;
    ControlOptions options;
    ApplySkinArgs apply;
};

TEST(SwitchSkinTest, CallsTheEngineInOrderWithTheFixedValues) {
    const std::array<std::uint8_t, 3> jpeg{0xFF, 0xD8, 0xFF};
    int window = 0;
    RecordingSetup engine;
    SwitchSkin(engine, jpeg, &window);

    EXPECT_EQ(engine.calls, (std::vector<std::string>{"picture", "options", "apply"}));
    EXPECT_TRUE(engine.picture.filePath.empty());
    EXPECT_EQ(engine.picture.bytes.data(), jpeg.data());
    EXPECT_EQ(engine.picture.bytes.size(), jpeg.size());
    EXPECT_EQ(engine.picture.themeColour, 0xC0C0C0u);
    EXPECT_EQ(engine.picture.accentColour, 0);
    EXPECT_EQ(engine.picture.mode, PictureMode::Stretched);

    EXPECT_TRUE(engine.options.controlSkinning);
    EXPECT_EQ(engine.options.veilAlpha, 0);
    EXPECT_FALSE(engine.options.trackbarChannel.has_value());

    EXPECT_EQ(engine.apply.window, &window);
    EXPECT_EQ(engine.apply.captionHeight, 25);
    EXPECT_TRUE(engine.apply.captionBar);
    EXPECT_TRUE(engine.apply.dblClickMaximize);
    EXPECT_FALSE(engine.apply.showHelp);
    EXPECT_FALSE(engine.apply.showMenu);
    EXPECT_TRUE(engine.apply.showTitle);
    EXPECT_EQ(engine.apply.backgroundOption, 0);
    EXPECT_EQ(engine.apply.statusBarHeight, 0);
    EXPECT_TRUE(engine.apply.statusCellWidths.empty());
    EXPECT_TRUE(engine.apply.ownPicture.empty());
    EXPECT_FALSE(engine.apply.ownPictureMode.has_value());
}

TEST(SwitchSkinTest, AStatusBarRequestReachesTheRegistrationOnly) {
    const std::array<std::uint8_t, 3> jpeg{0xFF, 0xD8, 0xFF};
    int window = 0;
    RecordingSetup engine;
    SwitchSkin(engine, jpeg, &window, {22, {140, 180, -1}});
    EXPECT_EQ(engine.apply.statusBarHeight, 22);
    EXPECT_EQ(engine.apply.statusCellWidths, (std::vector<int>{140, 180, -1}));
    EXPECT_EQ(engine.apply.captionHeight, 25);
    EXPECT_EQ(engine.picture.mode, PictureMode::Stretched);
}

TEST(SwitchSkinTest, ResourceNamesOfTheEightSkins) {
    EXPECT_EQ(SkinResourceName(1), "SKIN1");
    EXPECT_EQ(SkinResourceName(8), "SKIN8");
    EXPECT_EQ(SkinResourceName(0), "");
    EXPECT_EQ(SkinResourceName(9), "");
}

}  // namespace
}  // namespace yf
