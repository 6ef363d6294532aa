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

}  // namespace yf
