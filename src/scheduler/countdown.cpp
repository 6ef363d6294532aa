#include "scheduler/countdown.h"

#include "core/text_number.h"
#include "scheduler/power_action.h"

namespace yf {

void Countdown::Arm(std::int64_t remainingAtStart) {
    armed_ = true;
    remindedLeads_.clear();
    previousRemaining_ = remainingAtStart;
}

Countdown::Step Countdown::Tick(std::int64_t remaining, int leadMinutes) {
    Step step;
    if (!armed_) {
        previousRemaining_ = remaining;
        return step;
    }
    if (remaining < -kGraceSeconds) {
        // The reminder of the moved target stands for this lead's: it is not given again.
        step.retarget = true;
        step.remindMinutes = static_cast<int>(kGraceSeconds / 60);
        remindedLeads_.insert(leadMinutes);
        previousRemaining_ = kGraceSeconds;
        return step;
    }
    // Compared with the lead of this tick: a lead raised above the time left gives no reminder.
    const std::int64_t leadSeconds = static_cast<std::int64_t>(leadMinutes) * 60;
    const bool crossed = previousRemaining_ > leadSeconds && remaining <= leadSeconds;
    previousRemaining_ = remaining;
    if (crossed && remindedLeads_.insert(leadMinutes).second) step.remindMinutes = leadMinutes;
    if (remaining <= 0) {
        armed_ = false;
        step.fire = true;
    }
    return step;
}

std::string RemainingCaption(std::int64_t remaining) {
    return std::to_string(remaining / 3600) + "小时" + TwoDigitText(remaining / 60 % 60) + "分" +
           TwoDigitText(remaining % 60) + "秒";
}

std::string ReminderText(int action, int leadMinutes) {
    const char* ending = nullptr;
    switch (action) {
        case power::kShutdown:
            ending = "分钟后关闭，请注意保存您的资料！";
            break;
        case power::kRestart:
            ending = "分钟后重新启动，请注意保存您的资料！";
            break;
        case power::kLogoff:
            ending = "分钟后注销，请注意保存您的资料！";
            break;
        default:
            return {};
    }
    return "系统将在" + std::to_string(leadMinutes) + ending;
}

std::string WarningText(int action, std::int64_t seconds) {
    const char* ending = nullptr;
    switch (action) {
        case power::kShutdown:
            ending = "秒后关闭";
            break;
        case power::kRestart:
            ending = "秒后重新启动";
            break;
        case power::kLogoff:
            ending = "秒后注销";
            break;
        default:
            return {};
    }
    return "系统将在" + std::to_string(seconds) + ending;
}

}  // namespace yf
