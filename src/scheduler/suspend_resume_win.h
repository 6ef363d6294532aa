// Asking for the suspend and resume notifications explicitly, where the system has the call
// (Windows 8 on): on machines with Modern Standby they may not reach a window otherwise, and the
// countdown relies on them to decide at once after a wake. Windows 7 has no such call and sends
// WM_POWERBROADCAST to every top-level window anyway, so the call is looked up at run time.
#pragma once

#include <windows.h>

namespace yf {

struct SuspendResumeCalls {
    // RegisterSuspendResumeNotification and UnregisterSuspendResumeNotification of user32.
    using RegisterCall = void*(WINAPI*)(HANDLE recipient, DWORD flags);
    using UnregisterCall = BOOL(WINAPI*)(void* registration);
    RegisterCall registerCall = nullptr;
    UnregisterCall unregisterCall = nullptr;
};

// The calls of this system's user32; both null where it has none.
SuspendResumeCalls SystemSuspendResumeCalls();

// The window's registration, from construction to destruction; nothing where the calls are
// missing or the registration was refused.
class SuspendResumeRegistration {
  public:
    SuspendResumeRegistration(HWND window, const SuspendResumeCalls& calls);
    ~SuspendResumeRegistration();
    SuspendResumeRegistration(const SuspendResumeRegistration&) = delete;
    SuspendResumeRegistration& operator=(const SuspendResumeRegistration&) = delete;

    bool Registered() const { return registration_ != nullptr; }

  private:
    SuspendResumeCalls calls_;
    void* registration_ = nullptr;
};

}  // namespace yf
