#include "widgets/spin_control_win.h"

namespace yf {
namespace {
// The control keeps no value the program reads; a wide range with wrapping just makes sure
// every press is reported and none is swallowed at a limit.
constexpr int kRangeLow = 0;
constexpr int kRangeHigh = 1000;
}  // namespace

HWND SpinControl::Create(HWND parent, int id, RECT rect, bool visible) {
    const HINSTANCE instance =
        reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    const DWORD style = WS_CHILD | UDS_WRAP | UDS_ARROWKEYS | (visible ? WS_VISIBLE : 0);
    HWND spin = ::CreateWindowExW(0, UPDOWN_CLASSW, L"", style, rect.left, rect.top,
                                  rect.right - rect.left, rect.bottom - rect.top, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                                  nullptr);
    if (spin) {
        ::SendMessageW(spin, UDM_SETRANGE32, kRangeLow, kRangeHigh);
        ::SendMessageW(spin, UDM_SETPOS32, 0, (kRangeLow + kRangeHigh) / 2);
        // Some up-down implementations size themselves at creation; the layout decides.
        ::SetWindowPos(spin, nullptr, rect.left, rect.top, rect.right - rect.left,
                       rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return spin;
}

int SpinControl::Direction(const NMHDR& header) {
    if (header.code != UDN_DELTAPOS) return 0;
    const auto& change = reinterpret_cast<const NMUPDOWN&>(header);
    return change.iDelta > 0 ? 1 : change.iDelta < 0 ? -1 : 0;
}

}  // namespace yf
