// The power action codes the scheduler passes around, the ExitWindowsEx flags they map to, and
// the seam through which the scheduler asks for one (the program acts, tests record).
#pragma once

#include <string>
#include <string_view>

namespace yf {

namespace power {
constexpr int kNone = 0;
constexpr int kShutdown = 1;
constexpr int kRestart = 2;
constexpr int kLogoff = 3;
constexpr int kSuspend = 4;
constexpr int kHibernate = 5;

// ExitWindowsEx flag bits (winuser.h values), usable in portable code.
constexpr unsigned kEwxLogoff = 0x0;
constexpr unsigned kEwxShutdown = 0x1;
constexpr unsigned kEwxReboot = 0x2;
constexpr unsigned kEwxForce = 0x4;
constexpr unsigned kEwxPowerOff = 0x8;

// The reason given with every ExitWindowsEx call: a planned action of no listed kind
// (SHTDN_REASON_MAJOR_OTHER | SHTDN_REASON_MINOR_OTHER | SHTDN_REASON_FLAG_PLANNED). Reason 0
// would be logged as an unplanned shutdown, which the system asks callers never to pass.
constexpr unsigned long kPlannedOtherReason = 0x80000000UL;
}  // namespace power

// Codes 1 to 5; anything else is no action at all.
bool IsPowerAction(int action);

// Codes 4 and 5 go to SetSystemPowerState; 1 to 3 to ExitWindowsEx.
bool IsSleepAction(int action);

// The ExitWindowsEx flags of codes 1 to 3. Shutdown means power-off on the NT family and the
// plain shutdown of the old family, which could not switch the machine off itself.
unsigned ExitWindowsFlags(int action, bool force, bool ntFamily);

struct PowerActions {
    virtual ~PowerActions() = default;
    // True when the platform reported success; the machine goes down afterwards, asynchronously.
    virtual bool Perform(int action, bool force) = 0;
    // The system's own words (UTF-8) for why the last Perform failed; empty when it gave none.
    virtual std::string FailureReason() const { return {}; }
};

// What the error box says when an action was refused: "错误：关机未能执行。" and the system's
// reason after it, when there is one.
std::string PowerFailureText(int action, std::string_view reason);

}  // namespace yf
