#include "app/tray_clicks.h"

namespace yf {
namespace {

// Window message numbers as the shell reports them (winuser.h values).
constexpr std::uint32_t kLeftButtonUp = 0x0202;
constexpr std::uint32_t kLeftButtonDoubleClick = 0x0203;
constexpr std::uint32_t kRightButtonUp = 0x0205;
constexpr std::uint32_t kContextMenu = 0x007B;

constexpr int kSingleClickDelayMs = 500;

}  // namespace

TrayOperation TrayOperationFromMouseMessage(std::uint32_t mouseMessage) {
    switch (mouseMessage) {
        case kLeftButtonUp: return TrayOperation::LeftUp;
        case kLeftButtonDoubleClick: return TrayOperation::DoubleClick;
        case kRightButtonUp:
        case kContextMenu: return TrayOperation::RightUp;
        default: return TrayOperation::None;
    }
}

TrayClicks::Reaction TrayClicks::OnTrayEvent(TrayOperation operation) {
    switch (operation) {
        case TrayOperation::LeftUp:
            clicks_.push_back(static_cast<std::int32_t>(operation));
            // Already running at 500 ms: unchanged, so the first click starts the half second.
            controls_.SetTimerInterval(TimerId::时钟2, kSingleClickDelayMs);
            return Reaction::None;
        case TrayOperation::DoubleClick: return Reaction::ShowCentred;
        default: return Reaction::None;
    }
}

bool TrayClicks::OnTimerTick() {
    const bool single = clicks_.size() == 1;
    clicks_.clear();
    controls_.SetTimerInterval(TimerId::时钟2, 0);
    return single;
}

}  // namespace yf
