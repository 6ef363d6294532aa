// Every callback the system makes into the program (window and subclass procedures, hooks,
// timer procedures, thread entries, window enumerations) runs its body through one of these
// guards. The system cannot unwind a C++ exception, so none may reach it: a guard catches
// everything, writes what it caught to the debugger's output and answers as if the program had
// not been there. A message is handed on to the procedure before ours at most once, even when
// the body failed after handing it on.
#pragma once

#include <windows.h>

#include <cstddef>
#include <exception>

namespace yf {

class ProcedureChain;

// Writes what stopped the callback `where` to the debugger's output (OutputDebugStringW).
void ReportCaught(const wchar_t* where, const std::exception* caught) noexcept;
// How many exceptions the guards have caught since the process started.
std::size_t CaughtCount() noexcept;

// A message on its way through one of our procedures, with the procedure it goes on to. The
// first call hands it on; any later one returns that answer without handing it on again.
class PassOn {
  public:
    // On to `next` (the default procedure when it is null).
    static PassOn ToProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                              WNDPROC next);
    // On to the procedure the window property `key` names (the default one without it); the
    // property is read only when the message really goes on.
    static PassOn ToPropertyProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                      const wchar_t* key);
    // On through `chain`, which forgets the window at its last message.
    static PassOn ThroughChain(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                               ProcedureChain& chain);
    // The window's own procedure has nothing before it: the default one.
    static PassOn ToDefault(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // The procedure to go on to, once a record naming it has been found.
    void Retarget(WNDPROC next);

    LRESULT operator()() { return operator()(message_, wParam_, lParam_); }
    // The same message with other parameters (a paint into a DC of ours, say).
    LRESULT operator()(UINT message, WPARAM wParam, LPARAM lParam);

    bool Done() const { return done_; }
    LRESULT Answer() const { return answer_; }
    HWND Window() const { return window_; }
    UINT Message() const { return message_; }
    WPARAM WParam() const { return wParam_; }
    LPARAM LParam() const { return lParam_; }

  private:
    enum class Route { Procedure, Property, Chain, Default };
    PassOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam, Route route)
        : window_(window), message_(message), wParam_(wParam), lParam_(lParam), route_(route) {}

    HWND window_;
    UINT message_;
    WPARAM wParam_;
    LPARAM lParam_;
    Route route_;
    WNDPROC next_ = nullptr;
    const wchar_t* key_ = nullptr;
    ProcedureChain* chain_ = nullptr;
    bool done_ = false;
    LRESULT answer_ = 0;
};

// A window or subclass procedure: `body(passOn)` answers the message. When it throws, the
// message goes on now, unless it went on already: then the answer it got stands.
template <typename Body>
LRESULT GuardMessage(const wchar_t* where, PassOn& passOn, Body&& body) noexcept {
    try {
        return body(passOn);
    } catch (const std::exception& caught) {
        ReportCaught(where, &caught);
    } catch (...) {
        ReportCaught(where, nullptr);
    }
    try {
        return passOn();
    } catch (...) {
        ReportCaught(where, nullptr);
        return 0;
    }
}

// Any other callback: `body()`, or `fallback` when it throws.
template <typename Result, typename Body>
Result GuardCall(const wchar_t* where, Result fallback, Body&& body) noexcept {
    try {
        return body();
    } catch (const std::exception& caught) {
        ReportCaught(where, &caught);
    } catch (...) {
        ReportCaught(where, nullptr);
    }
    return fallback;
}

template <typename Body>
void GuardCall(const wchar_t* where, Body&& body) noexcept {
    try {
        body();
    } catch (const std::exception& caught) {
        ReportCaught(where, &caught);
    } catch (...) {
        ReportCaught(where, nullptr);
    }
}

}  // namespace yf
