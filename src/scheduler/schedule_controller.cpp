#include "scheduler/schedule_controller.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "core/text_number.h"
#include "scheduler/time_fields.h"

namespace yf {
namespace {

constexpr int kFirstImmediateIndex = 3;
constexpr int kFunctionCount = 5;

// Countdown prefixes of the three timed functions, by list index.
constexpr const char* kCountdownPrefixes[] = {"距离关机：", "距离重启：", "距离注销："};

constexpr const char* kErrorCaption = "错误：";
constexpr const char* kPastTargetText = "错误：指定时间不能小于当前系统时间，请重新设置！";
constexpr const char* kWarningCaption = "警告：";
constexpr const char* kShutdownNowText =
    "警告：系统将关闭，请确认文件是否保存，单击是关闭计算机，单击否取消。";
constexpr const char* kRestartNowText =
    "警告：系统将重新启动，请确认文件是否保存，单击是重新启动计算机，单击否取消。";

// A lead typed as a huge number stays a huge lead instead of wrapping around.
int WholeMinutes(double value) {
    constexpr double kLow = std::numeric_limits<int>::min();
    constexpr double kHigh = std::numeric_limits<int>::max();
    return static_cast<int>(std::trunc(std::clamp(value, kLow, kHigh)));
}

}  // namespace

void ScheduleController::StepTimeField(ControlId label, int max, int direction) {
    if (auto caption = SteppedCaption(controls_.Text(label), max, direction)) {
        controls_.SetText(label, *caption);
    }
}

bool ScheduleController::StepSpinner(ControlId spinner, int direction) {
    switch (spinner) {
        case ControlId::调节器_小时:
            StepTimeField(ControlId::透明标签_小时, kMaxHour, direction);
            return true;
        case ControlId::调节器_分钟:
            StepTimeField(ControlId::透明标签_分钟, kMaxMinuteOrSecond, direction);
            return true;
        case ControlId::调节器_秒钟:
            StepTimeField(ControlId::透明标签_秒钟, kMaxMinuteOrSecond, direction);
            return true;
        default:
            return false;
    }
}

void ScheduleController::SetLeadMinutes() {
    const std::string text = controls_.Text(ControlId::编辑框1);
    state_.leadMinutes = WholeMinutes(TextToNumber(text));
    controls_.SetText(ControlId::透明标签_提醒时间, text);
}

void ScheduleController::ShowChosenFunction() {
    controls_.SetText(ControlId::透明标签_功能, controls_.Text(ControlId::组合框1));
}

void ScheduleController::StartSchedule() {
    const int index = controls_.SelectedIndex(ControlId::组合框1);
    if (index < 0 || index >= kFunctionCount) return;
    if (index < kFirstImmediateIndex) {
        StartTimed(index);
    } else {
        ConfirmImmediate(index);
    }
}

void ScheduleController::StartTimed(int index) {
    const DateTime now = clock_.Now();
    const std::optional<DateTime> target = NextOccurrence(
        now, controls_.Text(ControlId::透明标签_小时), controls_.Text(ControlId::透明标签_分钟),
        controls_.Text(ControlId::透明标签_秒钟));
    if (!target) {
        // A refused start leaves a running countdown exactly as it was: the box says the new
        // time is wrong, and the old action still comes. Only an idle shutdown entry shows its
        // countdown caption, as it always has.
        if (index == 0 && !countdown_.Armed()) ShowCountdownCaptions(index);
        boxes_.Show(kPastTargetText, kErrorCaption, box::kOk | box::kIconError | box::kTaskModal);
        return;
    }
    ShowCountdownCaptions(index);
    controls_.SetTimerInterval(TimerId::时钟_关机, kTickMilliseconds);
    state_.action = index + 1;
    state_.target = *target;
    countdown_.Arm(SecondsBetween(now, state_.target));
    // A start that replaces a running one ends that one's warning and request first.
    warning_.Hide();
    balloonMissed_ = false;
    awake_.Release();
    awake_.Hold();
}

void ScheduleController::ConfirmImmediate(int index) {
    const bool shutdown = index == kFirstImmediateIndex;
    const int answer = boxes_.Show(shutdown ? kShutdownNowText : kRestartNowText, kWarningCaption,
                                   box::kYesNo | box::kIconExclamation | box::kTaskModal);
    if (answer != box::kAnswerYes) return;
    const int action = shutdown ? power::kShutdown : power::kRestart;
    // A running countdown is the user's other plan and goes on; only the refusal is told.
    if (!power_.Perform(action, true)) {
        boxes_.Show(PowerFailureText(action, power_.FailureReason()), kErrorCaption,
                    box::kOk | box::kIconError | box::kTaskModal);
    }
}

void ScheduleController::ShowCountdownCaptions(int index) {
    controls_.SetText(ControlId::透明标签_距离关机, kCountdownPrefixes[index]);
    controls_.SetVisible(ControlId::透明标签_距离关机, true);
    controls_.SetVisible(ControlId::透明标签_距离关机时间, true);
}

void ScheduleController::ProposeNextTime() {
    const ProposedTime proposal = ProposeNextHourAndMinute(clock_.Now());
    controls_.SetText(ControlId::透明标签_小时, proposal.hour);
    controls_.SetText(ControlId::透明标签_分钟, proposal.minute);
}

void ScheduleController::CountdownTick() {
    // A tick queued before the countdown ended (fired, refused or cancelled) changes nothing:
    // the caption keeps saying how it ended.
    if (!countdown_.Armed()) return;
    const DateTime now = clock_.Now();
    // An empty box means one minute; its mirror label keeps showing the empty text.
    if (controls_.Text(ControlId::编辑框1).empty()) state_.leadMinutes = 1;
    const Countdown::Step step =
        countdown_.Tick(SecondsBetween(now, state_.target), state_.leadMinutes);
    if (step.retarget) state_.target = now.AddSeconds(Countdown::kGraceSeconds);
    const std::int64_t remaining = SecondsBetween(now, state_.target);
    ShowRemaining(remaining);
    if (step.remindMinutes && !reminder_.Remind(ReminderText(state_.action, *step.remindMinutes))) {
        balloonMissed_ = true;
    }
    if (step.fire) {
        Fire();
        return;
    }
    ShowOrHideWarning(remaining);
}

void ScheduleController::ShowRemaining(std::int64_t remaining) {
    // The countdown fires on the tick that finds nothing left (or a late one), so it never
    // shows less.
    controls_.SetText(ControlId::透明标签_距离关机时间,
                      RemainingCaption(std::max<std::int64_t>(remaining, 0)));
}

void ScheduleController::ShowOrHideWarning(std::int64_t remaining) {
    if (countdown_.Armed() && (remaining <= kWarningSeconds || balloonMissed_)) {
        warning_.Show(WarningText(state_.action, std::max<std::int64_t>(remaining, 0)));
    } else {
        warning_.Hide();
    }
}

void ScheduleController::Fire() {
    controls_.SetTimerInterval(TimerId::时钟_关机, 0);
    warning_.Hide();
    awake_.Release();
    const int action = state_.action;
    if (power_.Perform(action, true)) return;
    // Refused (a policy without the shutdown right, say): idle, and the user is told why
    // instead of a countdown standing at zero as if it had acted.
    state_.action = power::kNone;
    controls_.SetText(ControlId::透明标签_距离关机时间, "执行失败");
    boxes_.Show(PowerFailureText(action, power_.FailureReason()), kErrorCaption,
                box::kOk | box::kIconError | box::kTaskModal);
}

void ScheduleController::CancelTimed() {
    if (!countdown_.Armed()) return;
    countdown_.Disarm();
    controls_.SetTimerInterval(TimerId::时钟_关机, 0);
    state_.action = power::kNone;
    state_.target = DateTime::Least();
    balloonMissed_ = false;
    warning_.Hide();
    awake_.Release();
    controls_.SetText(ControlId::透明标签_距离关机时间, "已取消");
}

void ScheduleController::Postpone() {
    if (!countdown_.Armed()) return;
    const DateTime now = clock_.Now();
    state_.target = state_.target.AddMinutes(kPostponeMinutes);
    // Armed anew for the moved target, so the reminder of the lead comes again before it. The
    // stay-awake request goes on: the action is still to come.
    countdown_.Arm(SecondsBetween(now, state_.target));
    balloonMissed_ = false;
    warning_.Hide();
    ShowRemaining(SecondsBetween(now, state_.target));
}

}  // namespace yf
