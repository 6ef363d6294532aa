#include "scheduler/power_actions_win.h"

#include <reason.h>

#include "core/system_message_win.h"

namespace yf {

static_assert(power::kPlannedOtherReason ==
                  (SHTDN_REASON_MAJOR_OTHER | SHTDN_REASON_MINOR_OTHER | SHTDN_REASON_FLAG_PLANNED),
              "the portable reason is the documented planned-other reason");

bool SystemPowerPlatform::IsNtFamily() {
    // GetVersionEx is deprecated and lies to programs without a manifest; a platform-id
    // condition of VerifyVersionInfo answers the one question asked, on every system since
    // Windows 2000 (which is all of them: the old family cannot run this program anyway).
    OSVERSIONINFOEXW wanted{};
    wanted.dwOSVersionInfoSize = sizeof(wanted);
    wanted.dwPlatformId = VER_PLATFORM_WIN32_NT;
    const DWORDLONG condition = ::VerSetConditionMask(0, VER_PLATFORMID, VER_EQUAL);
    return ::VerifyVersionInfoW(&wanted, VER_PLATFORMID, condition) != FALSE;
}

UniqueKernelHandle SystemPowerPlatform::OpenProcessToken(DWORD access) {
    HANDLE token = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), access, &token)) return {};
    return UniqueKernelHandle(token);
}

bool SystemPowerPlatform::LookupPrivilegeValue(const wchar_t* name, LUID& value) {
    return ::LookupPrivilegeValueW(nullptr, name, &value) != FALSE;
}

DWORD SystemPowerPlatform::AdjustTokenPrivileges(HANDLE token, TOKEN_PRIVILEGES& privileges) {
    // Success with ERROR_NOT_ALL_ASSIGNED is how a missing right shows: only the error tells.
    ::SetLastError(ERROR_SUCCESS);
    ::AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    return ::GetLastError();
}

bool SystemPowerPlatform::ExitWindowsEx(UINT flags, DWORD reason) {
    return ::ExitWindowsEx(flags, reason) != FALSE;
}

bool SystemPowerPlatform::SetSystemPowerState(bool suspend, bool force) {
    return ::SetSystemPowerState(suspend ? TRUE : FALSE, force ? TRUE : FALSE) != FALSE;
}

bool EnableShutdownPrivilege(PowerPlatform& platform, DWORD* error) {
    const auto fail = [error](DWORD code) {
        if (error) *error = code;
        return false;
    };
    if (!platform.IsNtFamily()) return true;  // the old family has no privileges to enable
    // The owner closes the token on every path once the privilege is in it.
    const UniqueKernelHandle token =
        platform.OpenProcessToken(TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY);
    if (!token) return fail(platform.LastError());
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (!platform.LookupPrivilegeValue(SE_SHUTDOWN_NAME, privileges.Privileges[0].Luid))
        return fail(platform.LastError());
    const DWORD adjusted = platform.AdjustTokenPrivileges(token.get(), privileges);
    return adjusted == ERROR_SUCCESS || fail(adjusted);
}

bool PerformPowerAction(PowerPlatform& platform, int action, bool force, DWORD* error) {
    const auto result = [&](bool done) {
        if (!done && error) *error = platform.LastError();
        return done;
    };
    if (!IsPowerAction(action)) {
        if (error) *error = ERROR_INVALID_PARAMETER;
        return false;
    }
    if (!EnableShutdownPrivilege(platform, error)) return false;
    if (IsSleepAction(action))
        return result(platform.SetSystemPowerState(action == power::kSuspend, force));
    // Force stays: an unattended timer must not stall on an application's save prompt.
    return result(platform.ExitWindowsEx(ExitWindowsFlags(action, force, platform.IsNtFamily()),
                                         power::kPlannedOtherReason));
}

std::string SystemPowerActions::FailureReason() const {
    return lastError_ == ERROR_SUCCESS ? std::string() : SystemMessageText(lastError_);
}

}  // namespace yf
