#include "skin/engine/family_painter_win.h"

#include "skin/backdrop/backdrop_win.h"
#include "skin/backdrop/handed_background_win.h"
#include "skin/engine/engine_core_win.h"

namespace yf {

ChildPainter::ChildPainter(EngineCore& core, ControlFamily family, const ChildKeys& keys,
                           WNDPROC procedure)
    : core_(core),
      backdrop_(core.GetBackdrop()),
      family_(family),
      keys_(keys),
      procedure_(procedure) {}

void ChildPainter::Install(int, HWND) {}

void ChildPainter::Adopt(int, HWND) {}

void ChildPainter::PrepareFaces(WindowRecord&) {}

bool ChildPainter::OnChildMessage(HWND, UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

bool ChildPainter::CopyFacePart(HWND, POINT, SIZE, HDC) {
    return false;
}

bool ChildPainter::ComposeQuiet(HWND, HDC, POINT) {
    return false;
}

void ChildPainter::Forget(ChildRecord&) {}

WindowRecord* ChildPainter::WindowAt(int index) const {
    return core_.Record(index);
}

const SkinSettings& ChildPainter::Settings() const {
    return core_.Settings();
}

bool ChildPainter::GdiplusRunning() const {
    return core_.GdiplusRunning();
}

void ChildPainter::Release(WindowRecord& window, int index) {
    ChildListBase* list = window.ChildrenIf(family_);
    if (!list || index < 1 || index >= list->Size()) return;
    ChildRecord& record = list->Base(index);
    HWND control = record.hwnd;
    const WNDPROC old = record.oldProc;
    if (control) {
        places_.erase(control);
        // A parent that goes before its window leaves no refresh waiting under its handle,
        // and a lit control no mark the next control in its slot would inherit.
        window.backdrop.Forget(control);
        if (window.childHover.hotIndex == index &&
            window.childHover.hotParent == reinterpret_cast<std::uintptr_t>(::GetParent(control))) {
            NoteHoverLeave(window.childHover);
        }
    }
    const bool live = control && ::IsWindow(control);
    if (live) Forget(record);
    // Faces, canvases and pictures go with the control, not with its window.
    list->Vacate(index);
    if (!live) return;
    HandedBackground::Free(window, control);
    prop::Remove(control, keys_.listIndex);
    prop::Remove(control, keys_.ownerIndex);
    const auto now = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(control, GWLP_WNDPROC));
    if (now != procedure_) return;
    ::SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
    prop::Remove(control, keys_.oldProc);
}

ChildPainter* CurrentPainter(ControlFamily family) {
    EngineCore* core = EngineCore::Current();
    return core ? core->Painters().Find(family) : nullptr;
}

ChildPainter* PainterSet::Holding(HWND control) const {
    for (const auto& painter : byFamily_) {
        if (painter && painter->Knows(control)) return painter.get();
    }
    return nullptr;
}

void PainterSet::AddTakingOver(std::unique_ptr<ChildPainter> painter) {
    takeOverOrder_.push_back(painter.get());
    AddRegistered(std::move(painter));
}

void PainterSet::AddRegistered(std::unique_ptr<ChildPainter> painter) {
    auto& slot = byFamily_[static_cast<std::size_t>(painter->Family())];
    slot = std::move(painter);
}

}  // namespace yf
