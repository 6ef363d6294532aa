// The one place that asks Windows to shut down, restart, log off or sleep. The calls go
// through PowerPlatform so tests can record them; under Wine a real ExitWindowsEx would end
// every process of the prefix, the test runner included.
#pragma once

#include <windows.h>

#include <string>

#include "core/unique_handle_win.h"
#include "scheduler/power_action.h"

namespace yf {

class PowerPlatform {
  public:
    virtual ~PowerPlatform() = default;

    virtual bool IsNtFamily() = 0;
    // The process token, or an empty owner.
    virtual UniqueKernelHandle OpenProcessToken(DWORD access) = 0;
    virtual bool LookupPrivilegeValue(const wchar_t* name, LUID& value) = 0;
    // GetLastError() right after the call: 0 only when every privilege was assigned.
    virtual DWORD AdjustTokenPrivileges(HANDLE token, TOKEN_PRIVILEGES& privileges) = 0;
    virtual bool ExitWindowsEx(UINT flags, DWORD reason) = 0;
    virtual bool SetSystemPowerState(bool suspend, bool force) = 0;
    // Why the call just made failed (GetLastError), for the user's box.
    virtual DWORD LastError() { return ::GetLastError(); }
};

// The real calls.
class SystemPowerPlatform : public PowerPlatform {
  public:
    bool IsNtFamily() override;
    UniqueKernelHandle OpenProcessToken(DWORD access) override;
    bool LookupPrivilegeValue(const wchar_t* name, LUID& value) override;
    DWORD AdjustTokenPrivileges(HANDLE token, TOKEN_PRIVILEGES& privileges) override;
    bool ExitWindowsEx(UINT flags, DWORD reason) override;
    bool SetSystemPowerState(bool suspend, bool force) override;
};

// Enables SeShutdownPrivilege in this process's token (it stays enabled). False when the
// token cannot be opened or the user lacks the right; `error` then says which error it was.
bool EnableShutdownPrivilege(PowerPlatform& platform, DWORD* error = nullptr);

// Codes 1 shutdown, 2 restart, 3 logoff, 4 suspend, 5 hibernate; true when the platform call
// reported success. Any other code, or a privilege that cannot be enabled, calls nothing. On
// failure `error` holds the system's error code (ERROR_INVALID_PARAMETER for a code that is
// no action).
bool PerformPowerAction(PowerPlatform& platform, int action, bool force = false,
                        DWORD* error = nullptr);

// WM_POWERBROADCAST events that mean the computer woke from sleep or hibernation, whether a
// user's input or a wake timer woke it.
inline bool IsResumeNotification(WPARAM event) {
    return event == PBT_APMRESUMEAUTOMATIC || event == PBT_APMRESUMESUSPEND ||
           event == PBT_APMRESUMECRITICAL;
}

// The scheduler's seam over the real platform.
class SystemPowerActions : public PowerActions {
  public:
    bool Perform(int action, bool force) override {
        lastError_ = ERROR_SUCCESS;
        return PerformPowerAction(platform_, action, force, &lastError_);
    }
    std::string FailureReason() const override;

  private:
    SystemPowerPlatform platform_;
    DWORD lastError_ = ERROR_SUCCESS;
};

}  // namespace yf
