// The XP-like look the program gives the standard controls of its thread: which controls it
// takes over, their state flags and the colours each state is painted in. Portable so the
// choices can be tested without windows.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace yf::xp {

enum class Kind {
    PushButton = 0,
    CheckBox = 1,
    RadioButton = 2,
    Edit = 3,
    ComboBox = 4,
    UpDown = 5,
    GroupBox = 11,
    DropList = 12,
};

struct ControlFacts {
    std::string_view className;        // as GetClassName gives it (compared without case)
    std::uint32_t style = 0;           // GWL_STYLE
    std::string_view parentClassName;  // for edits inside IP-address controls
    bool hasText = false;
};

// The kind a control is taken over as, or nothing when the look leaves it alone.
std::optional<Kind> Classify(const ControlFacts& facts);

// Whether the look goes on painting a control of this kind once a skin has taken it over: only
// the plain frames of edit boxes and drop-down lists; every face and button is the skin's.
bool KeepsFrameUnderSkin(Kind kind);

enum class Scheme { Blue = 1, Olive = 2, Silver = 3 };

std::uint32_t FrameColour(Scheme scheme);  // COLORREF
// The frame of a disabled control: the face colour darkened by 32 in each channel.
std::uint32_t DisabledFrameColour(std::uint32_t buttonFace);

struct State {
    bool disabled = false;
    bool focused = false;
    bool hovered = false;
    bool pressed = false;
    bool checked = false;
    bool indeterminate = false;
    bool isDefault = false;
    bool readOnly = false;
    bool horizontal = false;
    int hotHalf = 0;  // up-down: 0 none, 1 upper/left, 2 lower/right
};

// Colours of a button-like face in one state.
struct Face {
    std::uint32_t top, bottom;  // vertical gradient
    std::uint32_t border;
    std::uint32_t rim;          // 1-pixel inner highlight; equals top when there is none
    std::uint32_t text;
};

Face ButtonFace(const State& state, Scheme scheme);
// The face of one half of an up-down control, or of a combo box's drop button.
Face ArrowButtonFace(bool hot, bool pressed, bool disabled, Scheme scheme);

// Which half of an up-down control a point is over: 1 upper (left), 2 lower (right).
int UpDownHalf(int x, int y, int width, int height, bool horizontal);

}  // namespace yf::xp
