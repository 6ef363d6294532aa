#include "timesync/window_clock_check_win.h"

#include <utility>

#include "timesync/build_day.h"
#include "timesync/clock_setter_win.h"

namespace yf {
namespace {

ClockCheckSeams CheckSeams(WindowClockCheckSeams& seams, BoundedWebTimeReader& reader,
                           std::function<HWND()> owner, std::function<void()> refreshCalendar) {
    ElevatedLauncher launch = std::move(seams.launchElevated);
    if (!launch) {
        launch = [owner = std::move(owner)](const std::wstring& program,
                                            const std::wstring& parameters) {
            return LaunchElevatedAndWait(owner ? owner() : nullptr, program, parameters);
        };
    }
    ClockCheckSeams check;
    check.read = [&reader] { return reader.Read(); };
    check.setClock = seams.setClock ? std::move(seams.setClock) : ClockSetter(SetSystemClockUtc);
    check.setElevated = [launch = std::move(launch)](std::int64_t offsetMs) {
        return SetClockElevated(offsetMs, launch);
    };
    check.refreshCalendar = std::move(refreshCalendar);
    return check;
}

}  // namespace

WindowClockCheck::WindowClockCheck(WindowClockCheckSeams seams, const Clock& clock,
                                   MessageBoxes& boxes, std::function<HWND()> owner,
                                   std::function<void()> refreshCalendar)
    : reader_(std::move(seams.page), BuildDay()),
      check_(CheckSeams(seams, reader_, std::move(owner), std::move(refreshCalendar)), clock, boxes,
             BuildDay()) {}

}  // namespace yf
