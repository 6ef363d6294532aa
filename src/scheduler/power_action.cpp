#include "scheduler/power_action.h"

namespace yf {

bool IsPowerAction(int action) {
    return action >= power::kShutdown && action <= power::kHibernate;
}

bool IsSleepAction(int action) {
    return action == power::kSuspend || action == power::kHibernate;
}

unsigned ExitWindowsFlags(int action, bool force, bool ntFamily) {
    unsigned flags = power::kEwxLogoff;
    switch (action) {
        case power::kShutdown:
            flags = ntFamily ? power::kEwxPowerOff : power::kEwxShutdown;
            break;
        case power::kRestart:
            flags = power::kEwxReboot;
            break;
        default:
            break;
    }
    return force ? flags | power::kEwxForce : flags;
}

std::string PowerFailureText(int action, std::string_view reason) {
    const char* name = "操作";
    switch (action) {
        case power::kShutdown:
            name = "关机";
            break;
        case power::kRestart:
            name = "重新启动";
            break;
        case power::kLogoff:
            name = "注销";
            break;
        case power::kSuspend:
            name = "待机";
            break;
        case power::kHibernate:
            name = "休眠";
            break;
        default:
            break;
    }
    std::string text = std::string("错误：") + name + "未能执行。";
    if (!reason.empty()) text += "系统给出的原因：" + std::string(reason);
    return text;
}

}  // namespace yf
