#include "core/procedure_chain_win.h"

namespace yf {

bool ProcedureChain::Join(HWND window) {
    if (before_.count(window)) return true;
    const auto old = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ours_)));
    if (!old) return false;
    before_.emplace(window, old);
    return true;
}

void ProcedureChain::Leave(HWND window) {
    const auto old = before_.find(window);
    if (old == before_.end()) return;
    if (reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(window, GWLP_WNDPROC)) != ours_) return;
    ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old->second));
    before_.erase(old);
}

WNDPROC ProcedureChain::Before(HWND window) const {
    const auto old = before_.find(window);
    return old == before_.end() ? nullptr : old->second;
}

LRESULT ProcedureChain::PassOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto found = before_.find(window);
    if (found == before_.end()) return ::DefWindowProcW(window, message, wParam, lParam);
    const WNDPROC old = found->second;
    if (message == WM_NCDESTROY) before_.erase(found);
    return ::CallWindowProcW(old, window, message, wParam, lParam);
}

}  // namespace yf
