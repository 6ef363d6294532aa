// Running the message loop inside a test for a while, so timers, posted messages and paints
// happen as they would in the program.
#pragma once

#include <windows.h>

#include <functional>

namespace yf::testing {

inline void PumpFor(DWORD milliseconds) {
    const DWORD start = ::GetTickCount();
    MSG msg;
    do {
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    } while (::GetTickCount() - start < milliseconds);
}

// Pumps until the condition holds or the time is up; returns the condition.
inline bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000) {
    const DWORD start = ::GetTickCount();
    while (!condition()) {
        if (::GetTickCount() - start > timeoutMs) return false;
        PumpFor(10);
    }
    return true;
}

}  // namespace yf::testing
