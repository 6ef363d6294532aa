// What the skin behind a part of a control was made from: the window whose image it comes from,
// that image's versions, where the part lies in it, the container panels laid over it and the
// see-through settings. Two equal stamps mean the same pixels, so a painter may keep what it
// composed over that background and copy it out again instead of composing anew.
#pragma once

#include <cstdint>

namespace yf {

struct BackgroundStamp {
    std::uintptr_t owner = 0;           // the skinned window (as a number)
    std::uint64_t imageVersion = 0;     // raised by every composition of its image
    std::uint64_t bandVersion = 0;      // caption or status band redrawn alone; 0 when not touched
    std::uint64_t panelsVersion = 0;    // container panels registered, resized or re-coloured
    std::uint64_t settingsVersion = 0;  // veil and see-through switches
    int x = 0;                          // the part, in the owner's image
    int y = 0;
    int width = 0;
    int height = 0;
    // False for a background that cannot be kept (a window composing its own image, or none):
    // it matches no other stamp.
    bool keepable = false;
    bool operator==(const BackgroundStamp&) const = default;
};

// Whether something composed over `kept` may be copied out for `now`.
inline bool SameBackground(const BackgroundStamp& kept, const BackgroundStamp& now) {
    return now.keepable && kept == now;
}

}  // namespace yf
