#include "skin/engine/engine_core_win.h"

#include <algorithm>

#include "core/window_class_win.h"
#include "skin/backdrop/handed_background_win.h"
#include "skin/backdrop/see_through.h"
#include "skin/backdrop/see_through_win.h"
#include "skin/engine/window_procedure_win.h"
#include "skin/engine/window_properties_win.h"
#include "skin/frame/window_frame_win.h"

namespace yf {
namespace {

EngineCore* current = nullptr;

HICON LoadWindowIcon(HINSTANCE module, IconResource icon) {
    const auto load = [module](const wchar_t* name) {
        return static_cast<HICON>(::LoadImageW(module, name, IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR));
    };
    if (icon.id > 0) {
        if (HICON loaded = load(MAKEINTRESOURCEW(icon.id))) return loaded;
    }
    return icon.name ? load(icon.name) : nullptr;
}

}  // namespace

EngineCore::EngineCore(HINSTANCE module, IconResource icon)
    : module_(module ? module : ::GetModuleHandleW(nullptr)),
      backdrop_(*this),
      procedure_(std::make_unique<SkinnedWindowProcedure>(*this)) {
    windowIcon_.reset(LoadWindowIcon(module_, icon));
    settings_.themeColour = ::GetSysColor(COLOR_3DFACE);
    AddFamilyPainters(*this, painters_, roles_);
    backdrop_.SetPanels(roles_.containers);
    current = this;
}

EngineCore::~EngineCore() {
    for (auto& record : windows_) Unsubclass(*record);
    windows_.clear();
    skinImage_ = {};
    windowIcon_.reset();
    ShutDownGdiplus();
    if (current == this) current = nullptr;
}

EngineCore* EngineCore::Current() {
    return current;
}

void EngineCore::ShutDownGdiplus() {
    if (!gdiplus_.Running()) return;
    // No GDI+ object may outlive GDI+ itself.
    skinImage_.decoded.reset();
    for (int family = 0; family < kFamilyCount; ++family) {
        if (ChildPainter* painter = painters_.Find(static_cast<ControlFamily>(family))) {
            painter->ReleaseGraphics();
        }
    }
    for (auto& record : windows_) {
        if (record->frame) record->frame->ReleaseGraphics();
        record->ownPrepared.decoded.reset();
    }
    gdiplus_.Shutdown();
}

WindowRecord* EngineCore::Record(int index) {
    if (index < 1 || index > WindowCount()) return nullptr;
    return windows_[static_cast<std::size_t>(index - 1)].get();
}

const WindowRecord* EngineCore::RecordOf(HWND window) const {
    const int index = FindWindowIndex(window);
    return index ? windows_[static_cast<std::size_t>(index - 1)].get() : nullptr;
}

int EngineCore::FindWindowIndex(HWND window) const {
    if (!window) return 0;
    for (std::size_t i = 0; i < windows_.size(); ++i) {
        if (windows_[i]->hwnd == window) return static_cast<int>(i) + 1;
    }
    return 0;
}

int EngineCore::OwnerWindowIndex(HWND control) const {
    for (HWND window = ::GetParent(control); window; window = ::GetParent(window)) {
        if (const int index = FindWindowIndex(window)) return index;
        if (!(::GetWindowLongW(window, GWL_STYLE) & WS_CHILD)) break;
    }
    return 0;
}

WindowFrame* EngineCore::FrameAt(int index) {
    WindowRecord* record = Record(index);
    return record ? record->frame.get() : nullptr;
}

void EngineCore::TakeOverChildren(int index, HWND parent) {
    if (!settings_.controlSkinning || !Record(index) || !parent) return;
    for (ChildPainter* painter : painters_.TakeOverOrder()) painter->Install(index, parent);
}

bool EngineCore::OfferChildMessage(HWND parent, UINT message, WPARAM wParam, LPARAM lParam,
                                   LRESULT& result) {
    for (ChildPainter* painter : painters_.TakeOverOrder()) {
        if (painter->OnChildMessage(parent, message, wParam, lParam, result)) return true;
    }
    return false;
}

void EngineCore::PrepareFaces(WindowRecord& window) {
    for (int family = 0; family < kFamilyCount; ++family) {
        if (ChildPainter* painter = painters_.Find(static_cast<ControlFamily>(family))) {
            painter->PrepareFaces(window);
        }
    }
    for (HWND child : HandedBackground::Holders(window)) {
        if (::IsWindowVisible(child)) PrepareSkinBrush(backdrop_, window, child);
    }
}

void EngineCore::RefreshChildrenAfterRender(WindowRecord& window) {
    // Each family's controls standing on the window itself, as the family asks; those inside
    // containers are refreshed by their container's paint.
    for (int family = 0; family < kFamilyCount; ++family) {
        ChildListBase* list = window.ChildrenIf(static_cast<ControlFamily>(family));
        const ChildPainter* painter = painters_.Find(static_cast<ControlFamily>(family));
        if (!list || !painter) continue;
        const RenderRefresh refresh = painter->AfterRender();
        if (refresh == RenderRefresh::None) continue;
        for (HWND child : list->Handles()) {
            if (::GetParent(child) != window.hwnd) continue;
            ::InvalidateRect(child, nullptr, refresh != RenderRefresh::Repaint);
            if (refresh != RenderRefresh::EraseWithChildren) continue;
            for (HWND inner = ::GetWindow(child, GW_CHILD); inner;
                 inner = ::GetWindow(inner, GW_HWNDNEXT)) {
                if (::IsWindowVisible(inner)) ::InvalidateRect(inner, nullptr, TRUE);
            }
        }
    }
}

void EngineCore::ReleaseChildren(WindowRecord& record) {
    for (int family = 0; family < kFamilyCount; ++family) {
        ChildListBase* list = record.ChildrenIf(static_cast<ControlFamily>(family));
        ChildPainter* painter = painters_.Find(static_cast<ControlFamily>(family));
        if (!list || !painter) continue;
        for (int i = 1; i < list->Size(); ++i) {
            if (list->Base(i).hwnd) painter->Release(record, i);
        }
    }
}

void EngineCore::Unsubclass(WindowRecord& record) {
    ReleaseChildren(record);
    if (!::IsWindow(record.hwnd)) return;
    ::KillTimer(record.hwnd, reinterpret_cast<UINT_PTR>(record.hwnd));
    ::KillTimer(record.hwnd, FinishingTimerId());
    const auto now = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(record.hwnd, GWLP_WNDPROC));
    if (now == SkinnedWindowProcedure::Entry() && record.oldProc) {
        ::SetWindowLongPtrW(record.hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(record.oldProc));
    }
    prop::Remove(record.hwnd, prop::kOldProc);
    prop::Remove(record.hwnd, prop::kListIndex);
}

void EngineCore::ReleaseWindow(int index) {
    WindowRecord* record = Record(index);
    if (!record) return;
    Unsubclass(*record);
    windows_.erase(windows_.begin() + (index - 1));
    Renumber();
}

void EngineCore::Renumber() {
    // Families in their declared order: buttons, list-type, edits, combo boxes, headers,
    // up-downs, trackbars, progress bars, containers, then the colour-keyed controls.
    for (int index = 1; index <= WindowCount(); ++index) {
        WindowRecord& record = *Record(index);
        record.index = index;
        prop::Set(record.hwnd, prop::kListIndex, index);
        for (int family = 0; family < kFamilyCount; ++family) {
            ChildListBase* list = record.ChildrenIf(static_cast<ControlFamily>(family));
            const ChildPainter* painter = painters_.Find(static_cast<ControlFamily>(family));
            if (!list || !painter) continue;
            for (HWND child : list->Handles()) prop::Set(child, painter->Keys().ownerIndex, index);
        }
    }
}

void EngineCore::SetControlTextColour(HWND control, gfx::ColourRef colour) {
    if (!control) return;
    HWND target = control;
    if (SameClass(ClassNameOf(control), "ComboBox")) {
        // A drop-down list has no edit: it keeps the colour itself, for the text the engine
        // draws in it.
        if (HWND edit = ::FindWindowExW(control, nullptr, L"Edit", nullptr)) target = edit;
    }
    prop::Set(target, prop::kTextColour, static_cast<std::intptr_t>(colour));
    ::InvalidateRect(target, nullptr, TRUE);
}

}  // namespace yf
