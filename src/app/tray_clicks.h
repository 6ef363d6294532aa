// Telling a single click on the tray icon from a double click: the menu opens only when
// half a second after a release no second click has come.
#pragma once

#include <cstdint>
#include <vector>

#include "app/controls.h"

namespace yf {

// Operation codes of the tray notifications the program reacts to.
enum class TrayOperation { None = 0, LeftUp = 1, DoubleClick = 2, RightUp = 3 };

// Translates the shell's mouse message for the icon into an operation code.
TrayOperation TrayOperationFromMouseMessage(std::uint32_t mouseMessage);

class TrayClicks {
public:
    enum class Reaction { None, ShowCentred };

    explicit TrayClicks(Controls& controls) : controls_(controls) {}

    Reaction OnTrayEvent(TrayOperation operation);
    // The 时钟2 tick: true when the menu is to pop up.
    bool OnTimerTick();

    const std::vector<std::int32_t>& Pending() const { return clicks_; }

private:
    Controls& controls_;
    std::vector<std::int32_t> clicks_;
};

}  // namespace yf
