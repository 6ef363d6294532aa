// The clock check as the window runs it: each reading on a worker thread within its deadline
// while the window paints and ticks, the set through SetSystemTime, and through an elevated run
// of the program when the process lacks the privilege.
#pragma once

#include <windows.h>

#include <functional>

#include "core/clock.h"
#include "core/message_boxes.h"
#include "timesync/bounded_reading_win.h"
#include "timesync/clock_check.h"
#include "timesync/elevated_clock_set_win.h"

namespace yf {

struct WindowClockCheckSeams {
    BoundedWebTimeReader::Page page;
    // Empty: SetSystemTime.
    ClockSetter setClock;
    // Empty: ShellExecuteExW "runas", the prompt owned by the window.
    ElevatedLauncher launchElevated;
};

class WindowClockCheck {
  public:
    WindowClockCheck(WindowClockCheckSeams seams, const Clock& clock, MessageBoxes& boxes,
                     std::function<HWND()> owner, std::function<void()> refreshCalendar);
    // The check reads through reader_ by reference.
    WindowClockCheck(const WindowClockCheck&) = delete;
    WindowClockCheck& operator=(const WindowClockCheck&) = delete;

    void CheckClock(bool refreshCalendar, const std::function<void()>& beforeAsking = {}) {
        check_.CheckClock(refreshCalendar, beforeAsking);
    }

  private:
    BoundedWebTimeReader reader_;
    ClockCheck check_;
};

}  // namespace yf
