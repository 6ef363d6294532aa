#include "core/painting_wait_win.h"

namespace yf {
namespace {

// Bounded rounds, so a window that never validates its paint cannot hold the wait on its own.
constexpr int kMessagesPerRound = 64;

void DispatchPending(UINT message) {
    MSG msg;
    for (int i = 0; i < kMessagesPerRound &&
                    ::PeekMessageW(&msg, nullptr, message, message, PM_REMOVE | PM_NOYIELD);
         ++i) {
        ::DispatchMessageW(&msg);
    }
}

}  // namespace

bool WaitPainting(HANDLE handle, DWORD timeoutMs) {
    const ULONGLONG end = ::GetTickCount64() + timeoutMs;
    for (;;) {
        DispatchPending(WM_PAINT);
        DispatchPending(WM_TIMER);
        if (::WaitForSingleObject(handle, 0) == WAIT_OBJECT_0) return true;
        const ULONGLONG now = ::GetTickCount64();
        if (now >= end) return false;
        const DWORD result = ::MsgWaitForMultipleObjects(
            1, &handle, FALSE, static_cast<DWORD>(end - now), QS_PAINT | QS_TIMER | QS_SENDMESSAGE);
        if (result == WAIT_OBJECT_0) return true;
        if (result == WAIT_FAILED) return false;
    }
}

}  // namespace yf
