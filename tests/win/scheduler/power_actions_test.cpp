// PerformPowerAction and EnableShutdownPrivilege through a recording platform (a real
// ExitWindowsEx would end every process of the Wine prefix), and the privilege step for real.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "scheduler/power_actions_win.h"

namespace yf {
namespace {

bool IsOpenHandle(HANDLE handle) {
    DWORD flags = 0;
    return ::GetHandleInformation(handle, &flags) != FALSE;
}

class RecordingPlatform : public PowerPlatform {
  public:
    bool IsNtFamily() override { return nt; }
    UniqueKernelHandle OpenProcessToken(DWORD access) override {
        calls.push_back("open " + std::to_string(access));
        if (!tokenOpens) return {};
        // A real handle stands in for the token, so the test can see whether it is closed.
        token = ::CreateEventW(nullptr, FALSE, FALSE, nullptr);
        return UniqueKernelHandle(token);
    }
    bool LookupPrivilegeValue(const wchar_t* name, LUID& value) override {
        calls.push_back(name == std::wstring(L"SeShutdownPrivilege") ? "lookup shutdown"
                                                                     : "lookup ?");
        value = {0x13, 0};
        return lookupWorks;
    }
    DWORD AdjustTokenPrivileges(HANDLE handle, TOKEN_PRIVILEGES& privileges) override {
        const bool asExpected = handle == token && privileges.PrivilegeCount == 1 &&
                                privileges.Privileges[0].Luid.LowPart == 0x13 &&
                                privileges.Privileges[0].Attributes == SE_PRIVILEGE_ENABLED;
        calls.push_back(asExpected ? "adjust" : "adjust ?");
        return adjustError;
    }
    bool ExitWindowsEx(UINT flags, DWORD reason) override {
        calls.push_back("exit " + std::to_string(flags) + " " + std::to_string(reason));
        return result;
    }
    bool SetSystemPowerState(bool suspend, bool force) override {
        calls.push_back(std::string("sleep ") + (suspend ? "suspend" : "hibernate") +
                        (force ? " force" : ""));
        return result;
    }

    bool nt = true;
    bool tokenOpens = true;
    bool lookupWorks = true;
    DWORD adjustError = ERROR_SUCCESS;
    bool result = true;
    HANDLE token = nullptr;
    std::vector<std::string> calls;
};

using Calls = std::vector<std::string>;
const std::string kPrivilege[] = {"open 40", "lookup shutdown", "adjust"};  // 40 = 0x28

Calls PrivilegeThen(const std::string& call) {
    Calls calls(std::begin(kPrivilege), std::end(kPrivilege));
    calls.push_back(call);
    return calls;
}

TEST(PowerActionsTest, EachCodeMakesItsOneCallAfterThePrivilege) {
    struct Case {
        int action;
        bool force;
        std::string call;
    };
    const Case cases[] = {
        {1, true, "exit 12 0"},           {1, false, "exit 8 0"},        {2, true, "exit 6 0"},
        {2, false, "exit 2 0"},           {3, true, "exit 4 0"},         {3, false, "exit 0 0"},
        {4, true, "sleep suspend force"}, {5, false, "sleep hibernate"},
    };
    for (const Case& c : cases) {
        RecordingPlatform platform;
        EXPECT_TRUE(PerformPowerAction(platform, c.action, c.force)) << c.action;
        EXPECT_EQ(platform.calls, PrivilegeThen(c.call)) << c.action;
        EXPECT_FALSE(IsOpenHandle(platform.token)) << "token left open for " << c.action;
    }
}

TEST(PowerActionsTest, UnknownCodesCallNothing) {
    for (int action : {0, 6, -1}) {
        RecordingPlatform platform;
        EXPECT_FALSE(PerformPowerAction(platform, action, true)) << action;
        EXPECT_TRUE(platform.calls.empty()) << action;
    }
}

TEST(PowerActionsTest, PrivilegeFailureMeansNoPowerCall) {
    RecordingPlatform noToken;
    noToken.tokenOpens = false;
    EXPECT_FALSE(PerformPowerAction(noToken, 1, true));
    EXPECT_EQ(noToken.calls, Calls{"open 40"});

    RecordingPlatform noLookup;
    noLookup.lookupWorks = false;
    EXPECT_FALSE(PerformPowerAction(noLookup, 2, true));
    EXPECT_EQ(noLookup.calls, (Calls{"open 40", "lookup shutdown"}));
    EXPECT_FALSE(IsOpenHandle(noLookup.token));

    // A user without the shutdown right: the adjustment "succeeds" with this error.
    RecordingPlatform noRight;
    noRight.adjustError = ERROR_NOT_ALL_ASSIGNED;
    EXPECT_FALSE(PerformPowerAction(noRight, 3, true));
    EXPECT_EQ(noRight.calls, Calls(std::begin(kPrivilege), std::end(kPrivilege)));
    EXPECT_FALSE(IsOpenHandle(noRight.token));
}

TEST(PowerActionsTest, PlatformFailureIsTheResult) {
    RecordingPlatform platform;
    platform.result = false;
    EXPECT_FALSE(PerformPowerAction(platform, 1, true));
    EXPECT_EQ(platform.calls.back(), "exit 12 0");
}

TEST(PowerActionsTest, OldFamilyShutsDownWithoutPrivileges) {
    RecordingPlatform platform;
    platform.nt = false;
    EXPECT_TRUE(EnableShutdownPrivilege(platform));
    EXPECT_TRUE(PerformPowerAction(platform, 1, true));
    EXPECT_EQ(platform.calls, Calls{"exit 5 0"});
}

// The real token calls, with the power calls themselves kept away.
class TokenOnlyPlatform : public SystemPowerPlatform {
  public:
    UniqueKernelHandle OpenProcessToken(DWORD access) override {
        UniqueKernelHandle opened = SystemPowerPlatform::OpenProcessToken(access);
        token = opened.get();
        return opened;
    }
    bool ExitWindowsEx(UINT, DWORD) override { return false; }
    bool SetSystemPowerState(bool, bool) override { return false; }
    HANDLE token = nullptr;
};

bool ShutdownPrivilegeEnabled() {
    HANDLE token = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token)) return false;
    UniqueKernelHandle owner(token);
    LUID shutdown{};
    ::LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &shutdown);
    PRIVILEGE_SET wanted{};
    wanted.PrivilegeCount = 1;
    wanted.Control = PRIVILEGE_SET_ALL_NECESSARY;
    wanted.Privilege[0].Luid = shutdown;
    BOOL held = FALSE;
    return ::PrivilegeCheck(token, &wanted, &held) && held;
}

TEST(PowerActionsTest, RealPrivilegeStepEnablesTheRightAndClosesTheToken) {
    TokenOnlyPlatform platform;
    EXPECT_TRUE(platform.IsNtFamily());
    ASSERT_TRUE(EnableShutdownPrivilege(platform));
    ASSERT_NE(platform.token, nullptr);
    EXPECT_FALSE(IsOpenHandle(platform.token));
    EXPECT_TRUE(ShutdownPrivilegeEnabled());
}

}  // namespace
}  // namespace yf
