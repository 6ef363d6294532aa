#include "gallery/gallery_layout.h"

#include <cwctype>

namespace yf::gallery {
namespace {

constexpr int kDefaultSkin = 8;
constexpr int kSkinCount = 8;
constexpr int kMargin = 12;
constexpr int kGroupLeft = 600;
constexpr int kGroupTop = 34;
constexpr int kGroupHeight = 812;
// Height of band 0, on the window and inside the group box.
constexpr int kFirstBandHeight = 300;
constexpr int kGroupCaptionSpace = 22;

}  // namespace

PixelBox GroupBoxPlace() {
    return {kGroupLeft, kGroupTop, kWindowWidth - kGroupLeft - kMargin, kGroupHeight};
}

SectionArea SectionAreaOf(int band) {
    const PixelBox group = GroupBoxPlace();
    const int windowWidth = kGroupLeft - 2 * kMargin;
    const int groupWidth = group.width - 2 * kMargin;
    switch (band) {
        case 0:
            return {{kMargin, kGroupTop, windowWidth, kFirstBandHeight},
                    {kMargin, kGroupCaptionSpace, groupWidth, kFirstBandHeight}};
        case 1: {
            const int windowTop = kGroupTop + kFirstBandHeight + 10;
            const int groupTop = kGroupCaptionSpace + kFirstBandHeight + 10;
            return {{kMargin, windowTop, windowWidth, kGroupTop + kGroupHeight - windowTop},
                    {kMargin, groupTop, groupWidth, kGroupHeight - groupTop - kMargin}};
        }
        default:
            return {};
    }
}

int SkinFromCommandLine(std::wstring_view commandLine) {
    std::size_t at = 0;
    while (at < commandLine.size() && !std::iswdigit(commandLine[at])) {
        // Only a number standing on its own counts, not the digits inside a word.
        if (!std::iswspace(commandLine[at]) && commandLine[at] != L'"') return kDefaultSkin;
        ++at;
    }
    int skin = 0;
    std::size_t digits = 0;
    for (; at < commandLine.size() && std::iswdigit(commandLine[at]) && digits < 3;
         ++at, ++digits) {
        skin = skin * 10 + (commandLine[at] - L'0');
    }
    const bool ends =
        at == commandLine.size() || std::iswspace(commandLine[at]) || commandLine[at] == L'"';
    if (digits == 0 || !ends || skin < 1 || skin > kSkinCount) return kDefaultSkin;
    return skin;
}

int SkinFromKey(unsigned virtualKey) {
    constexpr unsigned kNumpad0 = 0x60;
    if (virtualKey >= '1' && virtualKey <= '0' + kSkinCount) {
        return static_cast<int>(virtualKey - '0');
    }
    if (virtualKey >= kNumpad0 + 1 && virtualKey <= kNumpad0 + kSkinCount) {
        return static_cast<int>(virtualKey - kNumpad0);
    }
    return 0;
}

std::string SizeCellText(int width, int height) {
    return std::to_string(width) + " × " + std::to_string(height);
}

}  // namespace yf::gallery
