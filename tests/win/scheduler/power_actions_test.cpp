// PerformPowerAction through a recording platform (a real ExitWindowsEx would end every process
// of the Wine prefix), and the privilege step with the real token calls.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "core/system_message_win.h"
#include "scheduler/power_actions_win.h"

namespace yf {
namespace {

bool IsOpenHandle(HANDLE handle) {
    DWORD flags = 0;
    return ::GetHandleInformation(handle, &flags) != FALSE;
}

// Records each call as a word; the token is a real handle so its closing can be seen.
class RecordingPlatform : public PowerPlatform {
  public:
    bool IsNtFamily() override { return true; }
    UniqueKernelHandle OpenProcessToken(DWORD access) override {
        calls += "open" + std::to_string(access) + " ";
        if (failAt == "open") return {};
        token = ::CreateEventW(nullptr, FALSE, FALSE, nullptr);
        return UniqueKernelHandle(token);
    }
    bool LookupPrivilegeValue(const wchar_t* name, LUID& value) override {
        calls += std::wstring(name) == L"SeShutdownPrivilege" ? "lookup " : "lookup? ";
        value = {0x13, 0};
        return failAt != "lookup";
    }
    DWORD AdjustTokenPrivileges(HANDLE handle, TOKEN_PRIVILEGES& wanted) override {
        const bool right = handle == token && wanted.PrivilegeCount == 1 &&
                           wanted.Privileges[0].Luid.LowPart == 0x13 &&
                           wanted.Privileges[0].Attributes == SE_PRIVILEGE_ENABLED;
        calls += right ? "adjust " : "adjust? ";
        return failAt == "adjust" ? ERROR_NOT_ALL_ASSIGNED : ERROR_SUCCESS;
    }
    bool ExitWindowsEx(UINT flags, DWORD reason) override {
        calls += "exit" + std::to_string(flags) + "," + std::to_string(reason);
        return failAt != "exit";
    }
    bool SetSystemPowerState(bool suspend, bool force) override {
        calls +=
            std::string("power") + (suspend ? "Suspend" : "Hibernate") + (force ? ",force" : "");
        return failAt != "power";
    }
    // Each step that can fail has an error code of its own.
    DWORD LastError() override {
        return failAt == "open"     ? ERROR_ACCESS_DENIED
               : failAt == "lookup" ? ERROR_NO_SUCH_PRIVILEGE
                                    : ERROR_NOT_SUPPORTED;
    }

    std::string failAt;
    std::string calls;
    HANDLE token = nullptr;
};

TEST(PowerActionsTest, EachCodeMakesItsOneCallAfterThePrivilegeAndClosesTheToken) {
    struct Case {
        int action;
        bool force;
        std::string failAt, calls;
        bool result;
        DWORD error;  // left as it was (0) on success
    };
    const std::string privilege = "open40 lookup adjust ";  // 40 = 0x28
    // 2147483648 = 0x80000000: a planned shutdown of no listed kind.
    const Case cases[] = {
        {1, true, "", privilege + "exit12,2147483648", true, 0},
        {1, false, "", privilege + "exit8,2147483648", true, 0},
        {2, true, "", privilege + "exit6,2147483648", true, 0},
        {3, true, "", privilege + "exit4,2147483648", true, 0},
        {4, true, "", privilege + "powerSuspend,force", true, 0},
        {5, false, "", privilege + "powerHibernate", true, 0},
        {0, true, "", "", false, ERROR_INVALID_PARAMETER},
        {6, true, "", "", false, ERROR_INVALID_PARAMETER},
        {1, true, "open", "open40 ", false, ERROR_ACCESS_DENIED},
        {2, true, "lookup", "open40 lookup ", false, ERROR_NO_SUCH_PRIVILEGE},
        // A user without the shutdown right.
        {3, true, "adjust", privilege, false, ERROR_NOT_ALL_ASSIGNED},
        // A policy or the system refuses the action itself.
        {1, true, "exit", privilege + "exit12,2147483648", false, ERROR_NOT_SUPPORTED},
        {5, true, "power", privilege + "powerHibernate,force", false, ERROR_NOT_SUPPORTED},
    };
    for (const Case& c : cases) {
        RecordingPlatform platform;
        platform.failAt = c.failAt;
        DWORD error = 0;
        EXPECT_EQ(PerformPowerAction(platform, c.action, c.force, &error), c.result) << c.action;
        EXPECT_EQ(platform.calls, c.calls) << c.action << " failing at " << c.failAt;
        EXPECT_EQ(error, c.error) << c.action << " failing at " << c.failAt;
        if (platform.token) {
            EXPECT_FALSE(IsOpenHandle(platform.token)) << "token left open";
        }
    }
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

TEST(PowerActionsTest, RealPrivilegeStepEnablesTheRightAndClosesTheToken) {
    TokenOnlyPlatform platform;
    EXPECT_TRUE(platform.IsNtFamily());
    ASSERT_TRUE(EnableShutdownPrivilege(platform));
    EXPECT_FALSE(IsOpenHandle(platform.token));

    HANDLE token = nullptr;
    ASSERT_TRUE(::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token));
    UniqueKernelHandle owner(token);
    PRIVILEGE_SET wanted{1, PRIVILEGE_SET_ALL_NECESSARY, {}};
    ::LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &wanted.Privilege[0].Luid);
    BOOL held = FALSE;
    EXPECT_TRUE(::PrivilegeCheck(token, &wanted, &held) && held);
}

TEST(PowerActionsTest, ARefusalIsToldInTheSystemsOwnWordsWithItsCode) {
    const std::string denied = SystemMessageText(ERROR_ACCESS_DENIED);
    const std::string suffix = "（代码 5）";
    ASSERT_GT(denied.size(), suffix.size()) << denied;
    EXPECT_EQ(denied.substr(denied.size() - suffix.size()), suffix);
    EXPECT_EQ(denied.find('\n'), std::string::npos) << "no line break before the code";
    // A code without a text of its own is still named.
    EXPECT_EQ(SystemMessageText(0x2FFFFFFF), "（代码 805306367）");

    // The real seam remembers the refusal for the box: the real token calls, no power call.
    SystemPowerActions actions;
    EXPECT_TRUE(actions.FailureReason().empty());
    EXPECT_FALSE(actions.Perform(0, true));
    EXPECT_EQ(actions.FailureReason(), SystemMessageText(ERROR_INVALID_PARAMETER));
}

}  // namespace
}  // namespace yf
