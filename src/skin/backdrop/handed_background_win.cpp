#include "skin/backdrop/handed_background_win.h"

#include "core/callback_guard_win.h"
#include "core/procedure_chain_win.h"
#include "skin/engine/engine_core_win.h"
#include "skin/engine/skinned_control_win.h"
#include "skin/engine/window_properties_win.h"
#include "skin/engine/window_record_win.h"

namespace yf {
namespace {

HBRUSH StockHollow() {
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

void FreeProperties(HWND child) {
    auto brush = static_cast<HBRUSH>(::RemovePropW(child, prop::kBackgroundBrush));
    UniqueBitmap bitmap(static_cast<HBITMAP>(::RemovePropW(child, prop::kBackgroundBitmap)));
    // The stock brush belongs to the system.
    if (brush && brush != StockHollow()) ::DeleteObject(brush);
}

LRESULT CALLBACK FreeWithChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

ProcedureChain& Watchers() {
    static ProcedureChain chain(&FreeWithChild);
    return chain;
}

// Frees the pair with the child: its parent may outlive it by a long time.
LRESULT CALLBACK FreeWithChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    PassOn passOn = PassOn::ThroughChain(child, message, wParam, lParam, Watchers());
    return GuardMessage(L"the handed-background watcher", passOn, [&](PassOn& on) {
        if (message == WM_NCDESTROY) {
            EngineCore* core = EngineCore::Current();
            WindowRecord* owner = core ? core->Record(core->OwnerWindowIndex(child)) : nullptr;
            if (owner) {
                HandedBackground::Free(*owner, child);
            } else {
                FreeProperties(child);
            }
        }
        return on();
    });
}

}  // namespace

HBRUSH HandedBackground::Pattern(WindowRecord& owner, HWND child, UniqueBitmap bitmap,
                                 const BackgroundStamp& stamp) {
    Free(owner, child);
    UniqueBrush brush(bitmap ? ::CreatePatternBrush(bitmap.get()) : nullptr);
    if (!brush) return nullptr;
    HBRUSH handed = brush.get();
    Store(child, brush.release(), bitmap.release());
    if (stamp.keepable) owner.backdrop.handedStamps[child] = stamp;
    return handed;
}

HBRUSH HandedBackground::Kept(const WindowRecord& owner, HWND child, const BackgroundStamp& stamp) {
    const auto& stamps = owner.backdrop.handedStamps;
    const auto found = stamps.find(child);
    if (found == stamps.end() || !SameBackground(found->second, stamp)) return nullptr;
    return static_cast<HBRUSH>(::GetPropW(child, prop::kBackgroundBrush));
}

HBRUSH HandedBackground::Hollow(WindowRecord& owner, HWND child) {
    if (owner.backdrop.hollowHolders.contains(child)) return StockHollow();
    Free(owner, child);
    Store(child, StockHollow(), nullptr);
    owner.backdrop.hollowHolders.insert(child);
    return StockHollow();
}

std::vector<HWND> HandedBackground::Holders(const WindowRecord& owner) {
    std::vector<HWND> holders;
    holders.reserve(owner.backdrop.handedStamps.size());
    for (const auto& entry : owner.backdrop.handedStamps) holders.push_back(entry.first);
    return holders;
}

void HandedBackground::Free(WindowRecord& owner, HWND child) {
    owner.backdrop.handedStamps.erase(child);
    owner.backdrop.hollowHolders.erase(child);
    FreeProperties(child);
}

void HandedBackground::Store(HWND child, HBRUSH brush, HBITMAP bitmap) {
    prop::Set(child, prop::kBackgroundBrush, reinterpret_cast<std::intptr_t>(brush));
    if (bitmap) prop::Set(child, prop::kBackgroundBitmap, reinterpret_cast<std::intptr_t>(bitmap));
    // A control the engine subclassed frees its pair when the engine lets it go; a watcher
    // joined over that subclass would keep the engine from giving the procedure back.
    if (!IsTakenOverBySkin(child)) Watchers().Join(child);
}

}  // namespace yf
