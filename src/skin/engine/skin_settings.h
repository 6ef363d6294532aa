// The engine-wide settings and the three calls an application makes to skin its windows, with
// the rules that turn the calls' optional arguments into settings. Kept free of Windows so the
// rules can be checked directly.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "gfx/argb.h"
#include "skin/engine/picture_mode.h"

namespace yf {

constexpr gfx::ColourRef kDefaultAccentColour = 0xDDCA22;
constexpr int kDefaultVeilAlpha = 160;
constexpr PictureMode kDefaultSkinMode = PictureMode::MirroredStrip;
// An accent colour argument of -1 means "the same as the theme colour".
constexpr std::int32_t kAccentFollowsTheme = -1;

struct SkinSettings {
    bool firstSize = true;  // cleared by the first WM_SIZE of the process
    bool controlSkinning = true;
    int veilAlpha = kDefaultVeilAlpha;
    bool transparentControls = false;
    bool trackbarChannel = true;
    gfx::ColourRef accentColour = kDefaultAccentColour;
    gfx::ColourRef themeColour = 0;  // the system's 3D face colour at start-up
    PictureMode skinMode = kDefaultSkinMode;
};

struct ControlOptions {
    bool controlSkinning = true;
    std::optional<int> veilAlpha;         // given: children are painted see-through
    std::optional<bool> trackbarChannel;  // default: drawn
};

void ApplyControlOptions(SkinSettings& settings, const ControlOptions& options);

struct SkinPictureArgs {
    std::string filePath;  // UTF-8; empty: not given
    std::span<const std::uint8_t> bytes;
    std::optional<gfx::ColourRef> themeColour;
    std::optional<std::int32_t> accentColour;
    std::optional<PictureMode> mode;
};

// How the picture becomes the skin image, by layout mode.
enum class PicturePreparation { FadeRightAndBottom, FadeLeftAndBottom, AsGiven };

struct SkinPicturePlan {
    enum class Step { Stop, ColourOnly, Picture } step = Step::Stop;
    PicturePreparation preparation = PicturePreparation::AsGiven;
};

// Updates the colours and the mode as a SetSkinPicture call asks and tells what is left to do
// with the picture. `averageColour` is asked only when the theme colour is not given.
SkinPicturePlan PlanSkinPicture(SkinSettings& settings, const SkinPictureArgs& args,
                                const std::function<gfx::ColourRef()>& averageColour);

PicturePreparation PreparationFor(PictureMode mode);

// The window being skinned, as an opaque handle (an HWND on Windows).
using WindowHandle = void*;

struct ApplySkinArgs {
    WindowHandle window = nullptr;
    int captionHeight = 0;
    bool captionBar = true;
    bool dblClickMaximize = true;
    bool showHelp = false;
    bool showMenu = false;
    bool showTitle = true;
    int backgroundOption = 0;
    int statusBarHeight = 0;  // 0: no status bar
    std::vector<int> statusCellWidths;
    std::span<const std::uint8_t> ownPicture;
    std::optional<PictureMode> ownPictureMode;
};

// The calls an application makes, in this order: picture, control options, then each window.
class SkinSetup {
  public:
    virtual ~SkinSetup() = default;
    virtual void SetSkinPicture(const SkinPictureArgs& args) = 0;
    virtual void SetControlOptions(const ControlOptions& options) = 0;
    // False when the window was registered already (nothing changes then).
    virtual bool ApplySkin(const ApplySkinArgs& args) = 0;
};

}  // namespace yf
