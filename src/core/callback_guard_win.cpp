#include "core/callback_guard_win.h"

#include <atomic>
#include <cwchar>

#include "core/procedure_chain_win.h"

namespace yf {
namespace {

std::atomic<std::size_t> caught{0};

}  // namespace

void ReportCaught(const wchar_t* where, const std::exception* exception) noexcept {
    ++caught;
    // Fixed buffers: nothing here may allocate, or fail in turn.
    wchar_t what[256] = L"an exception of an unknown type";
    if (exception) {
        const char* text = exception->what();
        if (!text || ::MultiByteToWideChar(CP_UTF8, 0, text, -1, what, 256) == 0) {
            std::swprintf(what, 256, L"an exception without a readable text");
        }
    }
    wchar_t line[512];
    std::swprintf(line, 512, L"yfshutdown: %ls stopped by %ls\n", where ? where : L"a callback",
                  what);
    ::OutputDebugStringW(line);
}

std::size_t CaughtCount() noexcept {
    return caught.load();
}

PassOn PassOn::ToProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, WNDPROC next) {
    PassOn passOn(window, message, wParam, lParam, Route::Procedure);
    passOn.next_ = next;
    return passOn;
}

PassOn PassOn::ToPropertyProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                   const wchar_t* key) {
    PassOn passOn(window, message, wParam, lParam, Route::Property);
    passOn.key_ = key;
    return passOn;
}

PassOn PassOn::ThroughChain(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                            ProcedureChain& chain) {
    PassOn passOn(window, message, wParam, lParam, Route::Chain);
    passOn.chain_ = &chain;
    return passOn;
}

PassOn PassOn::ToDefault(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return PassOn(window, message, wParam, lParam, Route::Default);
}

void PassOn::Retarget(WNDPROC next) {
    route_ = Route::Procedure;
    next_ = next;
}

LRESULT PassOn::operator()(UINT message, WPARAM wParam, LPARAM lParam) {
    if (done_) return answer_;
    // Marked before the call: a procedure that fails further on has still had the message.
    done_ = true;
    WNDPROC next = next_;
    switch (route_) {
        case Route::Chain:
            answer_ = chain_->PassOn(window_, message, wParam, lParam);
            return answer_;
        case Route::Property:
            next = reinterpret_cast<WNDPROC>(::GetPropW(window_, key_));
            break;
        case Route::Procedure:
            break;
        case Route::Default:
            next = nullptr;
            break;
    }
    answer_ = next ? ::CallWindowProcW(next, window_, message, wParam, lParam)
                   : ::DefWindowProcW(window_, message, wParam, lParam);
    return answer_;
}

}  // namespace yf
