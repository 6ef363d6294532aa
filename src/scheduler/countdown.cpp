#include "scheduler/countdown.h"

#include "core/text_number.h"
#include "scheduler/power_action.h"

namespace yf {

void Countdown::Arm(std::int64_t remainingAtStart) {
    armed_ = true;
    reminded_ = false;
    previousRemaining_ = remainingAtStart;
}

bool Countdown::ReminderDue(std::int64_t remaining, std::int64_t leadSeconds) {
    // Compared with the lead of this tick: a lead raised above the time left gives no reminder.
    const bool crossed = previousRemaining_ > leadSeconds && remaining <= leadSeconds;
    previousRemaining_ = remaining;
    if (!armed_ || reminded_ || !crossed) return false;
    reminded_ = true;
    return true;
}

bool Countdown::FireDue(std::int64_t remaining) {
    if (!armed_ || remaining > 0) return false;
    armed_ = false;
    return true;
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

}  // namespace yf
