// The schedule entry and the countdown of the main window: stepping the time fields, taking the
// reminder lead, starting a timed or immediate function, and the countdown tick that reminds
// and fires. Everything reaches the window, the clock, the boxes and the power calls through
// seams, so the whole behaviour runs in unit tests.
#pragma once

#include "app/controls.h"
#include "core/clock.h"
#include "core/message_boxes.h"
#include "scheduler/countdown.h"
#include "scheduler/power_action.h"
#include "scheduler/reminder.h"
#include "scheduler/schedule_state.h"

namespace yf {

class ScheduleController {
  public:
    static constexpr int kTickMilliseconds = 1000;

    ScheduleController(Controls& controls, const Clock& clock, MessageBoxes& boxes,
                       PowerActions& power, Reminder& reminder)
        : controls_(controls), clock_(clock), boxes_(boxes), power_(power), reminder_(reminder) {}

    // One spinner press on a time label: max 23 for the hour, 59 for the minute and second.
    void StepTimeField(ControlId label, int max, int direction);
    // The same for the spinner that belongs to a label; false for any other control.
    bool StepSpinner(ControlId spinner, int direction);
    // The reminder box changed: take its number as whole minutes and mirror its text.
    void SetLeadMinutes();
    // The function list changed or lost the focus: its text goes to the label over it.
    void ShowChosenFunction();
    // The "确定" button.
    void StartSchedule();
    // Start-up: the next hour and the next minute become the proposed time.
    void ProposeNextTime();
    // Timer 时钟_关机; the window also runs it at once on resume from sleep and on a clock change.
    void CountdownTick();

    const ScheduleState& State() const { return state_; }
    bool Armed() const { return countdown_.Armed(); }

  private:
    void StartTimed(int index);
    void ConfirmImmediate(int index);
    void ShowCountdownCaptions(int index);

    Controls& controls_;
    const Clock& clock_;
    MessageBoxes& boxes_;
    PowerActions& power_;
    Reminder& reminder_;
    ScheduleState state_;
    Countdown countdown_;
};

}  // namespace yf
