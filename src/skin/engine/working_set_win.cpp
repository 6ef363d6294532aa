#include "skin/engine/working_set_win.h"

#include <windows.h>

#include <psapi.h>
#include <shlwapi.h>

#include <atomic>

#include "core/callback_guard_win.h"

namespace yf {
namespace {

std::atomic<int> finishedTrims{0};

DWORD WINAPI Trim(void*) noexcept {
    return GuardCall(L"the working-set trim", DWORD{0}, [] {
        // Failures are of no interest to anyone: the pages simply stay.
        ::EmptyWorkingSet(::GetCurrentProcess());
        ++finishedTrims;
        return DWORD{0};
    });
}

}  // namespace

void StartWorkingSetTrim() {
    ::SHCreateThread(&Trim, nullptr, 0, nullptr);
}

int FinishedWorkingSetTrims() {
    return finishedTrims.load();
}

}  // namespace yf
