#include "skin/engine/family_painter_win.h"

#include <algorithm>
#include <utility>

#include "skin/backdrop/handed_background_win.h"
#include "skin/engine/skin_engine_win.h"

namespace yf {

ChildPainter::ChildPainter(SkinEngine& engine, ControlFamily family, const ChildKeys& keys,
                           WNDPROC procedure)
    : engine_(engine), family_(family), keys_(keys), procedure_(procedure) {}

void ChildPainter::Install(int, HWND) {}

void ChildPainter::PrepareFaces(int) {}

bool ChildPainter::OnChildMessage(HWND, UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

void ChildPainter::Forget(HWND) {}

WindowRecord* ChildPainter::WindowAt(int index) const {
    return engine_.Record(index);
}

const SkinSettings& ChildPainter::Settings() const {
    return engine_.Settings();
}

void ChildPainter::Release(ChildRecord& record) {
    HWND control = record.hwnd;
    places_.erase(control);
    const bool live = control && ::IsWindow(control);
    // While the record still names the control, so the family can find what it keeps.
    if (live) Forget(control);
    record.hwnd = nullptr;
    if (!live) return;
    HandedBackground::Free(control);
    prop::Remove(control, keys_.listIndex);
    prop::Remove(control, keys_.ownerIndex);
    const auto now = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(control, GWLP_WNDPROC));
    if (now != procedure_) return;
    ::SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(record.oldProc));
    prop::Remove(control, keys_.oldProc);
}

ChildPainter* CurrentPainter(ControlFamily family) {
    SkinEngine* engine = SkinEngine::Current();
    return engine ? engine->Painters().Find(family) : nullptr;
}

LRESULT CallOldProc(HWND control, const ChildKeys& keys, UINT message, WPARAM wParam,
                    LPARAM lParam) {
    const auto old = reinterpret_cast<WNDPROC>(prop::Get(control, keys.oldProc));
    return old ? ::CallWindowProcW(old, control, message, wParam, lParam)
               : ::DefWindowProcW(control, message, wParam, lParam);
}

bool PainterSet::Know(HWND control) const {
    return std::any_of(byFamily_.begin(), byFamily_.end(), [control](const auto& painter) {
        return painter && painter->Knows(control);
    });
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
