#include "skin/backdrop/handed_background_win.h"

#include <commctrl.h>

#include <unordered_map>
#include <unordered_set>

#include "skin/engine/skinned_control_win.h"
#include "skin/engine/window_properties_win.h"

namespace yf {
namespace {

constexpr UINT_PTR kWatchId = 0x4B6A;  // one watcher per child, whoever asks first

// The background each handed pattern brush shows, by child.
std::unordered_map<HWND, BackgroundStamp>& Stamps() {
    static std::unordered_map<HWND, BackgroundStamp> stamps;
    return stamps;
}

// The children holding the stock hollow brush: handing it again changes nothing, and a child
// asks for it at every paint.
std::unordered_set<HWND>& HollowHolders() {
    static std::unordered_set<HWND> holders;
    return holders;
}

HBRUSH StockHollow() {
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

// Frees the pair with the child: its parent may outlive it by a long time.
LRESULT CALLBACK FreeWithChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR) noexcept {
    if (message == WM_NCDESTROY) {
        HandedBackground::Free(child);
        ::RemoveWindowSubclass(child, FreeWithChild, kWatchId);
    }
    return ::DefSubclassProc(child, message, wParam, lParam);
}

}  // namespace

HBRUSH HandedBackground::Pattern(HWND child, UniqueBitmap bitmap, const BackgroundStamp& stamp) {
    Free(child);
    UniqueBrush brush(bitmap ? ::CreatePatternBrush(bitmap.get()) : nullptr);
    if (!brush) return nullptr;
    HBRUSH handed = brush.get();
    Store(child, brush.release(), bitmap.release());
    if (stamp.keepable) Stamps()[child] = stamp;
    return handed;
}

HBRUSH HandedBackground::Kept(HWND child, const BackgroundStamp& stamp) {
    const auto found = Stamps().find(child);
    if (found == Stamps().end() || !SameBackground(found->second, stamp)) return nullptr;
    return static_cast<HBRUSH>(::GetPropW(child, prop::kBackgroundBrush));
}

HBRUSH HandedBackground::Hollow(HWND child) {
    if (HollowHolders().contains(child)) return StockHollow();
    Free(child);
    Store(child, StockHollow(), nullptr);
    HollowHolders().insert(child);
    return StockHollow();
}

std::vector<HWND> HandedBackground::HoldersOver(HWND owner) {
    std::vector<HWND> holders;
    for (const auto& [child, stamp] : Stamps()) {
        if (stamp.owner == reinterpret_cast<std::uintptr_t>(owner)) holders.push_back(child);
    }
    return holders;
}

void HandedBackground::Free(HWND child) {
    Stamps().erase(child);
    HollowHolders().erase(child);
    auto brush = static_cast<HBRUSH>(::RemovePropW(child, prop::kBackgroundBrush));
    UniqueBitmap bitmap(static_cast<HBITMAP>(::RemovePropW(child, prop::kBackgroundBitmap)));
    // The stock brush belongs to the system.
    if (brush && brush != StockHollow()) ::DeleteObject(brush);
}

void HandedBackground::Store(HWND child, HBRUSH brush, HBITMAP bitmap) {
    prop::Set(child, prop::kBackgroundBrush, reinterpret_cast<std::intptr_t>(brush));
    if (bitmap) prop::Set(child, prop::kBackgroundBitmap, reinterpret_cast<std::intptr_t>(bitmap));
    // A control the engine subclassed frees its pair when the engine lets it go; a watcher
    // added over that subclass would keep the engine from giving the procedure back.
    if (!IsTakenOverBySkin(child)) ::SetWindowSubclass(child, FreeWithChild, kWatchId, 0);
}

}  // namespace yf
