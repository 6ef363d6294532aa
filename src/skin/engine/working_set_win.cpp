#include "skin/engine/working_set_win.h"

#include <windows.h>

#include <psapi.h>
#include <shlwapi.h>

#include <atomic>

namespace yf {
namespace {

std::atomic<int> finishedTrims{0};

DWORD WINAPI Trim(void*) noexcept {
    // Failures are of no interest to anyone: the pages simply stay.
    ::EmptyWorkingSet(::GetCurrentProcess());
    ++finishedTrims;
    return 0;
}

}  // namespace

void StartWorkingSetTrim() {
    ::SHCreateThread(&Trim, nullptr, 0, nullptr);
}

int FinishedWorkingSetTrims() {
    return finishedTrims.load();
}

}  // namespace yf
