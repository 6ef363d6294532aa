#include "scheduler/suspend_resume_win.h"

namespace yf {
namespace {

// The notifications come to the window as WM_POWERBROADCAST (DEVICE_NOTIFY_WINDOW_HANDLE).
constexpr DWORD kNotifyWindowHandle = 0;

}  // namespace

SuspendResumeCalls SystemSuspendResumeCalls() {
    SuspendResumeCalls calls;
    const HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    if (!user32) return calls;
    // The casts go through a generic function pointer; the signatures are the documented ones.
    calls.registerCall =
        reinterpret_cast<SuspendResumeCalls::RegisterCall>(reinterpret_cast<void (*)()>(
            ::GetProcAddress(user32, "RegisterSuspendResumeNotification")));
    calls.unregisterCall =
        reinterpret_cast<SuspendResumeCalls::UnregisterCall>(reinterpret_cast<void (*)()>(
            ::GetProcAddress(user32, "UnregisterSuspendResumeNotification")));
    // One without the other is of no use: a registration must be undone.
    if (!calls.registerCall || !calls.unregisterCall) calls = {};
    return calls;
}

SuspendResumeRegistration::SuspendResumeRegistration(HWND window, const SuspendResumeCalls& calls)
    : calls_(calls) {
    if (window && calls_.registerCall && calls_.unregisterCall) {
        registration_ = calls_.registerCall(window, kNotifyWindowHandle);
    }
}

SuspendResumeRegistration::~SuspendResumeRegistration() {
    if (registration_) calls_.unregisterCall(registration_);
}

}  // namespace yf
