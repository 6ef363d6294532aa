// The schedule entry and the countdown of the main window: stepping the time fields, taking the
// reminder lead, starting a timed or immediate function, the countdown tick that reminds, warns
// and fires, and cancelling or postponing from the warning. Everything reaches the window, the
// clock, the boxes, the power calls, the stay-awake request and the warning through seams, so
// the whole behaviour runs in unit tests.
#pragma once

#include <cstdint>

#include "app/controls.h"
#include "core/clock.h"
#include "core/message_boxes.h"
#include "scheduler/countdown.h"
#include "scheduler/power_action.h"
#include "scheduler/reminder.h"
#include "scheduler/schedule_state.h"
#include "scheduler/stay_awake.h"
#include "scheduler/warning.h"

namespace yf {

class ScheduleController {
  public:
    static constexpr int kTickMilliseconds = 1000;
    // The warning stands for the last this many seconds (and the added minute after a sleep).
    static constexpr int kWarningSeconds = 60;
    static constexpr int kPostponeMinutes = 10;

    ScheduleController(Controls& controls, const Clock& clock, MessageBoxes& boxes,
                       PowerActions& power, Reminder& reminder, ExecutionState& executionState,
                       Warning& warning)
        : controls_(controls),
          clock_(clock),
          boxes_(boxes),
          power_(power),
          reminder_(reminder),
          warning_(warning),
          awake_(executionState) {}

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
    // "取消" (the warning, the tray menu): the countdown stops with nothing done, idle as after
    // program start. Nothing when no timed action counts down.
    void CancelTimed();
    // "推迟10分钟": the target moves ten minutes on and its reminder comes again. Nothing when no
    // timed action counts down.
    void Postpone();

    const ScheduleState& State() const { return state_; }
    // Whether a timed action counts down towards its target.
    bool Armed() const { return countdown_.Armed(); }

  private:
    void StartTimed(int index);
    void ConfirmImmediate(int index);
    void ShowCountdownCaptions(int index);
    void Fire();
    void ShowOrHideWarning(std::int64_t remaining);
    void ShowRemaining(std::int64_t remaining);

    Controls& controls_;
    const Clock& clock_;
    MessageBoxes& boxes_;
    PowerActions& power_;
    Reminder& reminder_;
    Warning& warning_;
    ScheduleState state_;
    Countdown countdown_;
    // The request belongs to the countdown: held from an accepted start until it fires, is
    // cancelled or replaced, or the controller goes with the program.
    StayAwake awake_;
    // The balloon of this target's reminder could not be shown: the warning stands in for it.
    bool balloonMissed_ = false;
};

}  // namespace yf
