// Where things go in the skin gallery, and the small rules of its input: which skin the
// command line and the number keys choose, and the text of the window-size cell. Portable so
// they are checked natively.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "skin/geometry.h"

namespace yf::gallery {

inline constexpr char kTitle[] = "皮肤引擎示例";
constexpr int kWindowWidth = 1180;
constexpr int kWindowHeight = 880;
constexpr int kCaptionHeight = 25;
constexpr int kStatusBarHeight = 22;
// A picture with text, a glowing text, the window size.
inline const std::vector<int> kStatusCellWidths{140, 180, -1};
constexpr int kPictureCell = 1;
constexpr int kGlowCell = 2;
constexpr int kSizeCell = 3;

// The group box registered as a container, in window client coordinates.
PixelBox GroupBoxPlace();

// Each family group's controls go into one band of the window: half of them standing on the
// window, half inside the group box. Band 0 holds buttons, trackbars and progress bars; band 1
// list-type, header and keyed controls.
struct SectionArea {
    PixelBox onWindow;  // window client coordinates
    PixelBox inGroup;   // client coordinates of the group box
};
constexpr int kSectionBands = 2;
// Band `band` (0 .. kSectionBands - 1); an empty area for any other number.
SectionArea SectionAreaOf(int band);

// The skin 1 .. 8 named by the first number on the command line; 8 without a valid one.
int SkinFromCommandLine(std::wstring_view commandLine);
// The skin a key chooses: the digit keys 1 .. 8 of the main block or the number pad; 0 for
// any other key.
int SkinFromKey(unsigned virtualKey);
// "1180 × 880"
std::string SizeCellText(int width, int height);

}  // namespace yf::gallery
