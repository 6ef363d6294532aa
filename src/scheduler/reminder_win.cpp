#include "scheduler/reminder_win.h"

#include <mmsystem.h>

#include "core/resource_bytes_win.h"

namespace yf {

std::span<const std::uint8_t> ReminderSound() {
    return ResourceBytes(L"REMINDER_WAV");
}

POINT ReminderBalloonPoint() {
    constexpr int kInset = 20;
    return {::GetSystemMetrics(SM_CXSCREEN) - kInset, ::GetSystemMetrics(SM_CYSCREEN) - kInset};
}

bool SoundAndBalloonReminder::Remind(std::string_view text) {
    // Resource memory lives as long as the module, so the asynchronous playback may keep
    // reading it after this returns. Once, not looped; no device simply means no sound.
    const std::span<const std::uint8_t> sound = ReminderSound();
    if (!sound.empty()) {
        ::PlaySoundW(reinterpret_cast<LPCWSTR>(sound.data()), nullptr, SND_MEMORY | SND_ASYNC);
    }
    BalloonTip* balloon = balloon_ ? balloon_() : nullptr;
    if (!balloon) return false;
    const POINT at = ReminderBalloonPoint();
    return balloon->PopUp(at.x, at.y, text, -1);
}

}  // namespace yf
