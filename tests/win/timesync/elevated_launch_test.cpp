// The real launcher of the elevated run: Wine has no consent prompt, but "runas" starts the
// program all the same, so its exit code can be seen coming back; and a program that cannot be
// started gives no exit code at all, which the clock check reports as a failure.
#include "timesync/elevated_clock_set_win.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace yf {
namespace {

std::wstring SystemProgram(const wchar_t* name) {
    wchar_t folder[MAX_PATH] = {};
    ::GetSystemDirectoryW(folder, MAX_PATH);
    return std::wstring(folder) + L"\\" + name;
}

TEST(ElevatedLaunchTest, TheElevatedProgramsExitCodeComesBack) {
    const std::wstring cmd = SystemProgram(L"cmd.exe");
    for (DWORD code : {0ul, 1ul, 7ul}) {
        EXPECT_EQ(LaunchElevatedAndWait(nullptr, cmd, L"/c exit " + std::to_wstring(code)), code);
    }
    EXPECT_EQ(LaunchElevatedAndWait(nullptr, L"C:\\no\\such\\program.exe", L""), std::nullopt);
}

}  // namespace
}  // namespace yf
