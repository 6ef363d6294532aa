// Setting the clock through an elevated run of the program itself, when the program lacks the
// privilege: the asking side (start the own executable with "runas" and the private argument,
// wait for it while the window paints, read its exit code) and the elevated side (do the one set
// and exit, with no window).
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace yf {

// Starts `program` elevated with `parameters` and waits for it to end; its exit code, or nothing
// when it did not start (a declined consent prompt included) or did not end in time.
using ElevatedLauncher = std::function<std::optional<DWORD>(const std::wstring& program,
                                                            const std::wstring& parameters)>;

// The real launcher: ShellExecuteExW "runas" on a worker thread, the prompt owned by `owner`;
// the calling thread keeps painting. Bounded by kConsentWaitMs in all and kRunWaitMs once the
// elevated program runs.
inline constexpr DWORD kConsentWaitMs = 180000;
inline constexpr DWORD kRunWaitMs = 15000;
std::optional<DWORD> LaunchElevatedAndWait(HWND owner, const std::wstring& program,
                                           const std::wstring& parameters);

// The full path of this process's executable; empty when it cannot be had.
std::wstring OwnExecutablePath();

// Has an elevated run of this executable set the clock to its clock plus offsetMs; true only
// when it exits reporting the clock set.
bool SetClockElevated(std::int64_t offsetMs, const ElevatedLauncher& launch);

// The elevated side. When this process's command line is the private request, does what it asks
// and gives the exit code to end with; nothing when the program is to start as usual.
std::optional<int> RunPrivateRequest();

}  // namespace yf
