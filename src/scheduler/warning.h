// The last-minute warning: a small window that stands over everything near the notification
// area while the final seconds before a timed action run out, with a way to cancel or postpone.
// The program shows a real window; tests record what it would say.
#pragma once

#include <string_view>

namespace yf {

struct Warning {
    virtual ~Warning() = default;
    // Shows the warning with `text` when it is not shown, or puts the new text in.
    virtual void Show(std::string_view text) = 0;
    // Takes it away; nothing when it is not shown.
    virtual void Hide() = 0;
};

}  // namespace yf
