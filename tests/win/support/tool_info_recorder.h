// What tooltip controls of this thread are sent: every tool message and the cbSize of the record
// it carries, seen by a hook before the control's own procedure (so also the messages a widget
// sends from its constructor). Wine's tooltips accept records of any size, so a test asks this
// instead of the control whether the sizes are the ones comctl32 5.82 takes.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstddef>
#include <string>
#include <vector>

namespace yf::testing {

class ToolInfoRecorder {
  public:
    struct Sent {
        UINT message;
        UINT cbSize;
    };

    ToolInfoRecorder() {
        current_ = this;
        hook_ = ::SetWindowsHookExW(WH_CALLWNDPROC, &Record, nullptr, ::GetCurrentThreadId());
    }
    ~ToolInfoRecorder() {
        if (hook_) ::UnhookWindowsHookEx(hook_);
        current_ = nullptr;
    }
    ToolInfoRecorder(const ToolInfoRecorder&) = delete;
    ToolInfoRecorder& operator=(const ToolInfoRecorder&) = delete;

    bool Hooked() const { return hook_ != nullptr; }
    const std::vector<Sent>& Messages() const { return sent_; }
    bool Saw(UINT message) const {
        for (const Sent& s : sent_) {
            if (s.message == message) return true;
        }
        return false;
    }

  private:
    // Where in lParam's record the tool record's cbSize lies, or -1 for messages without one.
    static std::ptrdiff_t SizeOffset(UINT message) {
        switch (message) {
            case TTM_ADDTOOLA:
            case TTM_ADDTOOLW:
            case TTM_DELTOOLA:
            case TTM_DELTOOLW:
            case TTM_NEWTOOLRECTA:
            case TTM_NEWTOOLRECTW:
            case TTM_GETTOOLINFOA:
            case TTM_GETTOOLINFOW:
            case TTM_SETTOOLINFOA:
            case TTM_SETTOOLINFOW:
            case TTM_GETTEXTA:
            case TTM_GETTEXTW:
            case TTM_UPDATETIPTEXTA:
            case TTM_UPDATETIPTEXTW:
            case TTM_ENUMTOOLSA:
            case TTM_ENUMTOOLSW:
            case TTM_GETCURRENTTOOLA:
            case TTM_GETCURRENTTOOLW:
            case TTM_TRACKACTIVATE:
                return 0;
            case TTM_HITTESTA:
                return offsetof(TTHITTESTINFOA, ti);
            case TTM_HITTESTW:
                return offsetof(TTHITTESTINFOW, ti);
            default:
                return -1;
        }
    }

    static bool IsTooltip(HWND window) {
        wchar_t name[64] = {};
        ::GetClassNameW(window, name, 64);
        return ::lstrcmpiW(name, TOOLTIPS_CLASSW) == 0;
    }

    static LRESULT CALLBACK Record(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HC_ACTION && current_) {
            const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
            const std::ptrdiff_t offset = SizeOffset(call->message);
            // TTM_TRACKACTIVATE with FALSE may come without a record.
            if (offset >= 0 && call->lParam && IsTooltip(call->hwnd)) {
                const auto* record = reinterpret_cast<const unsigned char*>(call->lParam) + offset;
                current_->sent_.push_back({call->message, *reinterpret_cast<const UINT*>(record)});
            }
        }
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline ToolInfoRecorder* current_ = nullptr;
    HHOOK hook_ = nullptr;
    std::vector<Sent> sent_;
};

}  // namespace yf::testing
