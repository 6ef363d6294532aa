// The reminder as the user gets it: the linked-in chime, played from memory in the
// background, and the window's balloon near the notification area.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <span>

#include "scheduler/reminder.h"
#include "widgets/balloon_tip_win.h"

namespace yf {

// The chime resource: a RIFF/WAVE file, read back as linked.
std::span<const std::uint8_t> ReminderSound();

// Where the balloon points: 20 pixels in from the bottom-right corner of the primary screen.
POINT ReminderBalloonPoint();

class SoundAndBalloonReminder : public Reminder {
  public:
    // The balloon host exists only once the window does, so it is asked for at each reminder.
    explicit SoundAndBalloonReminder(std::function<BalloonTip*()> balloon)
        : balloon_(std::move(balloon)) {}

    bool Remind(std::string_view text) override;

  private:
    std::function<BalloonTip*()> balloon_;
};

}  // namespace yf
