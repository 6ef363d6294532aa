#include "scheduler/suspend_resume_win.h"

#include "core/system_libraries_win.h"

namespace yf {
namespace {

// The notifications come to the window as WM_POWERBROADCAST (DEVICE_NOTIFY_WINDOW_HANDLE).
constexpr DWORD kNotifyWindowHandle = 0;

}  // namespace

SuspendResumeCalls SystemSuspendResumeCalls() {
    SuspendResumeCalls calls;
    // Through the one system-folder load of every run-time lookup; Windows 7 has neither call.
    calls.registerCall = SystemFunction<SuspendResumeCalls::RegisterCall>(
        L"user32.dll", "RegisterSuspendResumeNotification");
    calls.unregisterCall = SystemFunction<SuspendResumeCalls::UnregisterCall>(
        L"user32.dll", "UnregisterSuspendResumeNotification");
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
