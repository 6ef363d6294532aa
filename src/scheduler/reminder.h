// How the countdown warns the user: a chime and a balloon near the notification area. The
// program plays and pops up for real; tests record the texts.
#pragma once

#include <string_view>

namespace yf {

struct Reminder {
    virtual ~Reminder() = default;
    // Starts the chime once, without waiting for it, and pops up the balloon with `text`.
    // False when the balloon could not be shown: the user has then seen nothing.
    virtual bool Remind(std::string_view text) = 0;
};

}  // namespace yf
