#include "widgets/xp_look_style.h"

#include <algorithm>
#include <cctype>

namespace yf::xp {
namespace {

constexpr std::uint32_t Rgb(int r, int g, int b) {
    return static_cast<std::uint32_t>(r) | (static_cast<std::uint32_t>(g) << 8) |
           (static_cast<std::uint32_t>(b) << 16);
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// Button style bits (winuser.h).
constexpr std::uint32_t kTypeMask = 0xF;
constexpr std::uint32_t kPushButton = 0x0, kDefPushButton = 0x1, kCheckBox = 0x2,
                        kAutoCheckBox = 0x3, kRadioButton = 0x4, k3State = 0x5, kAuto3State = 0x6,
                        kGroupBox = 0x7, kAutoRadioButton = 0x9, kOwnerDraw = 0xB;
constexpr std::uint32_t kPushLike = 0x1000;
constexpr std::uint32_t kBitmap = 0x80;
constexpr std::uint32_t kChild = 0x40000000;
constexpr std::uint32_t kTabStop = 0x00010000;
constexpr std::uint32_t kComboTypeMask = 0x3;
constexpr std::uint32_t kComboSimple = 0x1;

std::optional<Kind> ClassifyButton(const ControlFacts& facts) {
    const std::uint32_t type = facts.style & kTypeMask;
    if (type == kOwnerDraw || (facts.style & kBitmap)) return std::nullopt;
    const bool pushLike = facts.style & kPushLike;
    switch (type) {
        case kPushButton:
        case kDefPushButton:
            // A bare tab-stop child without text is some other control's helper, not a button.
            if (!facts.hasText && facts.style == (kChild | kTabStop)) return std::nullopt;
            return Kind::PushButton;
        case kCheckBox:
        case kAutoCheckBox:
        case k3State:
        case kAuto3State:
            return pushLike ? Kind::PushButton : Kind::CheckBox;
        case kRadioButton:
        case kAutoRadioButton:
            return pushLike ? Kind::PushButton : Kind::RadioButton;
        case kGroupBox:
            return Kind::GroupBox;
        default:
            return std::nullopt;
    }
}

}  // namespace

std::optional<Kind> Classify(const ControlFacts& facts) {
    if (SameName(facts.className, "Button")) return ClassifyButton(facts);
    if (SameName(facts.className, "Edit")) {
        if (SameName(facts.parentClassName, "SysIPAddress32")) return std::nullopt;
        return Kind::Edit;
    }
    if (SameName(facts.className, "ComboBox")) {
        if ((facts.style & kComboTypeMask) == kComboSimple) return std::nullopt;
        return Kind::ComboBox;
    }
    if (SameName(facts.className, "msctls_updown32")) return Kind::UpDown;
    if (SameName(facts.className, "ComboLBox")) return Kind::DropList;
    return std::nullopt;
}

bool KeepsFrameUnderSkin(Kind kind) {
    return kind == Kind::Edit || kind == Kind::DropList;
}

std::uint32_t FrameColour(Scheme scheme) {
    switch (scheme) {
        case Scheme::Olive: return Rgb(164, 185, 127);
        case Scheme::Silver: return Rgb(198, 197, 215);
        case Scheme::Blue: break;
    }
    return Rgb(123, 158, 189);
}

std::uint32_t DisabledFrameColour(std::uint32_t face) {
    auto darker = [&](int shift) {
        return static_cast<std::uint32_t>(std::max(0, static_cast<int>((face >> shift) & 0xFF) - 32))
               << shift;
    };
    return darker(0) | darker(8) | darker(16);
}

Face ButtonFace(const State& state, Scheme scheme) {
    const std::uint32_t border = scheme == Scheme::Olive ? Rgb(55, 98, 6)
                                 : scheme == Scheme::Silver ? Rgb(118, 116, 151)
                                                            : Rgb(0, 60, 116);
    if (state.disabled) {
        return {Rgb(245, 244, 234), Rgb(245, 244, 234), Rgb(201, 199, 186), Rgb(245, 244, 234),
                Rgb(161, 161, 146)};
    }
    if (state.pressed) {
        return {Rgb(226, 224, 214), Rgb(238, 237, 229), border, Rgb(226, 224, 214), Rgb(0, 0, 0)};
    }
    const std::uint32_t top = Rgb(255, 255, 255);
    const std::uint32_t bottom = Rgb(236, 235, 230);
    if (state.hovered) return {top, bottom, border, Rgb(248, 179, 48), Rgb(0, 0, 0)};
    if (state.focused || state.isDefault) {
        return {top, bottom, border, Rgb(105, 130, 238), Rgb(0, 0, 0)};
    }
    return {top, bottom, border, top, Rgb(0, 0, 0)};
}

Face ArrowButtonFace(bool hot, bool pressed, bool disabled, Scheme scheme) {
    const std::uint32_t tint = FrameColour(scheme);
    if (disabled) {
        return {Rgb(244, 243, 238), Rgb(244, 243, 238), Rgb(232, 232, 232), Rgb(244, 243, 238),
                Rgb(201, 199, 186)};
    }
    if (pressed) return {Rgb(166, 186, 236), Rgb(214, 226, 252), tint, Rgb(166, 186, 236), Rgb(77, 97, 133)};
    if (hot) return {Rgb(253, 255, 255), Rgb(185, 218, 251), tint, Rgb(253, 255, 255), Rgb(77, 97, 133)};
    return {Rgb(225, 234, 254), Rgb(185, 201, 239), tint, Rgb(225, 234, 254), Rgb(77, 97, 133)};
}

int UpDownHalf(int x, int y, int width, int height, bool horizontal) {
    if (x < 0 || y < 0 || x >= width || y >= height) return 0;
    if (horizontal) return x < width / 2 ? 1 : 2;
    return y < height / 2 ? 1 : 2;
}

}  // namespace yf::xp
