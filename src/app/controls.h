// What the handlers may do to MainWindow: read and write captions, show or hide controls and
// set timer intervals. The window implements it; unit tests use an in-memory fake.
#pragma once

#include <string>
#include <string_view>

#include "app/control_ids.h"

namespace yf {

struct Controls {
    virtual ~Controls() = default;

    // Captions are UTF-8.
    virtual std::string Text(ControlId id) const = 0;
    virtual void SetText(ControlId id, std::string_view text) = 0;
    virtual bool IsVisible(ControlId id) const = 0;
    virtual void SetVisible(ControlId id, bool visible) = 0;
    // Selected item of the drop-down list, -1 when none.
    virtual int SelectedIndex(ControlId id) const = 0;

    // Window timers: an interval above 0 ticks, 0 stops; setting the current interval again
    // changes nothing, a different one restarts the count.
    virtual int TimerInterval(TimerId id) const = 0;
    virtual void SetTimerInterval(TimerId id, int milliseconds) = 0;
};

}  // namespace yf
