#include "scheduler/power_actions_win.h"

namespace yf {

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

bool EnableShutdownPrivilege(PowerPlatform& platform) {
    if (!platform.IsNtFamily()) return true;  // the old family has no privileges to enable
    // The owner closes the token on every path once the privilege is in it.
    const UniqueKernelHandle token =
        platform.OpenProcessToken(TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY);
    if (!token) return false;
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (!platform.LookupPrivilegeValue(SE_SHUTDOWN_NAME, privileges.Privileges[0].Luid))
        return false;
    return platform.AdjustTokenPrivileges(token.get(), privileges) == ERROR_SUCCESS;
}

bool PerformPowerAction(PowerPlatform& platform, int action, bool force) {
    if (!IsPowerAction(action)) return false;
    if (!EnableShutdownPrivilege(platform)) return false;
    if (IsSleepAction(action))
        return platform.SetSystemPowerState(action == power::kSuspend, force);
    return platform.ExitWindowsEx(ExitWindowsFlags(action, force, platform.IsNtFamily()), 0);
}

}  // namespace yf
