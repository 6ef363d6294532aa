// Waiting on the interface thread without freezing the window: paints, timer ticks and messages
// sent from other threads go on; the user's input and posted messages wait until it is over.
#pragma once

#include <windows.h>

namespace yf {

// Waits up to timeoutMs for `handle` to be signalled, meanwhile dispatching WM_PAINT and
// WM_TIMER of this thread's windows (sent messages are delivered too). True when it was.
bool WaitPainting(HANDLE handle, DWORD timeoutMs);

}  // namespace yf
