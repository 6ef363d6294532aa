#include "skin/engine/skin_engine_win.h"

#include <algorithm>

#include "core/window_class_win.h"
#include "skin/families/button/button_painter_win.h"
#include "skin/families/container/container_painter_win.h"
#include "skin/families/keyed/keyed_painter_win.h"
#include "skin/backdrop/see_through.h"
#include "skin/engine/window_procedure_win.h"
#include "skin/engine/window_properties_win.h"

namespace yf {
namespace {

SkinEngine* current = nullptr;

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

SkinEngine::SkinEngine(HINSTANCE module, IconResource icon)
    : module_(module ? module : ::GetModuleHandleW(nullptr)),
      procedure_(std::make_unique<SkinnedWindowProcedure>(*this)) {
    windowIcon_.reset(LoadWindowIcon(module_, icon));
    settings_.themeColour = ::GetSysColor(COLOR_3DFACE);
    AddFamilyPainters(*this, painters_);
    current = this;
}

SkinEngine::~SkinEngine() {
    for (auto& record : windows_) Unsubclass(*record);
    windows_.clear();
    skinImage_ = {};
    windowIcon_.reset();
    ShutDownGdiplus();
    if (current == this) current = nullptr;
}

SkinEngine* SkinEngine::Current() {
    return current;
}

void SkinEngine::ShutDownGdiplus() {
    if (!gdiplus_.Running()) return;
    // No GDI+ object may outlive GDI+ itself.
    skinImage_.decoded.reset();
    for (int family = 0; family < kFamilyCount; ++family) {
        if (ChildPainter* painter = painters_.Find(static_cast<ControlFamily>(family))) {
            painter->ReleaseGraphics();
        }
    }
    for (auto& record : windows_) {
        record->glyphs.clear();
        record->ownPrepared.decoded.reset();
    }
    gdiplus_.Shutdown();
}

WindowRecord* SkinEngine::Record(int index) {
    if (index < 1 || index > WindowCount()) return nullptr;
    return windows_[static_cast<std::size_t>(index - 1)].get();
}

int SkinEngine::FindWindowIndex(HWND window) const {
    if (!window) return 0;
    for (std::size_t i = 0; i < windows_.size(); ++i) {
        if (windows_[i]->hwnd == window) return static_cast<int>(i) + 1;
    }
    return 0;
}

int SkinEngine::OwnerWindowIndex(HWND control) const {
    for (HWND window = ::GetParent(control); window; window = ::GetParent(window)) {
        if (const int index = FindWindowIndex(window)) return index;
        if (!(::GetWindowLongW(window, GWL_STYLE) & WS_CHILD)) break;
    }
    return 0;
}

void SkinEngine::TakeOverChildren(int index, HWND parent) {
    if (!settings_.controlSkinning || !Record(index) || !parent) return;
    for (ChildPainter* painter : painters_.TakeOverOrder()) painter->Install(index, parent);
}

bool SkinEngine::OfferChildMessage(HWND parent, UINT message, WPARAM wParam, LPARAM lParam,
                                   LRESULT& result) {
    for (ChildPainter* painter : painters_.TakeOverOrder()) {
        if (painter->OnChildMessage(parent, message, wParam, lParam, result)) return true;
    }
    return false;
}

void SkinEngine::ReleaseChildren(WindowRecord& record) {
    for (int family = 0; family < kFamilyCount; ++family) {
        ChildListBase* list = record.ChildrenIf(static_cast<ControlFamily>(family));
        ChildPainter* painter = painters_.Find(static_cast<ControlFamily>(family));
        if (!list || !painter) continue;
        for (int i = 1; i < list->Size(); ++i) painter->Release(list->Base(i));
    }
}

void SkinEngine::Unsubclass(WindowRecord& record) {
    ReleaseChildren(record);
    if (!::IsWindow(record.hwnd)) return;
    ::KillTimer(record.hwnd, reinterpret_cast<UINT_PTR>(record.hwnd));
    ::KillTimer(record.hwnd, FinishingTimerId());
    const auto now = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(record.hwnd, GWLP_WNDPROC));
    if (now == &WindowEntry && record.oldProc) {
        ::SetWindowLongPtrW(record.hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(record.oldProc));
    }
    prop::Remove(record.hwnd, prop::kOldProc);
    prop::Remove(record.hwnd, prop::kListIndex);
}

void SkinEngine::ReleaseWindow(int index) {
    WindowRecord* record = Record(index);
    if (!record) return;
    Unsubclass(*record);
    windows_.erase(windows_.begin() + (index - 1));
    Renumber();
}

void SkinEngine::Renumber() {
    // Families in their declared order: buttons, list-type, edits, combo boxes, headers,
    // up-downs, trackbars, progress bars, containers, then the colour-keyed controls.
    for (int index = 1; index <= WindowCount(); ++index) {
        WindowRecord& record = *Record(index);
        prop::Set(record.hwnd, prop::kListIndex, index);
        for (int family = 0; family < kFamilyCount; ++family) {
            ChildListBase* list = record.ChildrenIf(static_cast<ControlFamily>(family));
            const ChildPainter* painter = painters_.Find(static_cast<ControlFamily>(family));
            if (!list || !painter) continue;
            for (HWND child : list->Handles()) prop::Set(child, painter->Keys().ownerIndex, index);
        }
    }
}

int SkinEngine::RegisterContainer(HWND control, bool painted, gfx::ColourRef colour, int alpha,
                                  bool border) {
    ContainerPainter* containers = PainterOf<ContainerPainter>();
    return containers ? containers->Register(control, painted, colour, alpha, border) : 0;
}

int SkinEngine::RegisterKeyedControl(HWND control, std::optional<gfx::ColourRef> keyColour,
                                     gfx::ColourRef panelColour, int panelAlpha) {
    KeyedPainter* keyed = PainterOf<KeyedPainter>();
    return keyed ? keyed->Register(control, keyColour, panelColour, panelAlpha) : 0;
}

bool SkinEngine::RegisterPictureButton(HWND button, std::span<const std::uint8_t> picture,
                                       int value, std::string_view tooltip) {
    ButtonPainter* buttons = PainterOf<ButtonPainter>();
    return buttons && buttons->RegisterPictureButton(button, picture, value, tooltip);
}

bool SkinEngine::RegisterStatePictureButton(HWND button, std::span<const std::uint8_t> normal,
                                            std::span<const std::uint8_t> hover,
                                            std::span<const std::uint8_t> pressed,
                                            std::span<const std::uint8_t> disabled,
                                            std::string_view tooltip) {
    ButtonPainter* buttons = PainterOf<ButtonPainter>();
    return buttons &&
           buttons->RegisterStatePictureButton(button, normal, hover, pressed, disabled, tooltip);
}

bool SkinEngine::SetContainerAlpha(HWND control, int alpha) {
    ContainerPainter* containers = PainterOf<ContainerPainter>();
    return containers && containers->SetAlpha(control, alpha);
}

void SkinEngine::SetControlTextColour(HWND control, gfx::ColourRef colour) {
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
