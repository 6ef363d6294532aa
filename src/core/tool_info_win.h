// The record every tooltip message takes, built in one place in the one size all common-controls
// versions accept. The program carries no common-controls 6 manifest, so Windows gives it
// comctl32 5.82, which refuses TTM_ADDTOOLW, TTM_UPDATETIPTEXTW, TTM_TRACKACTIVATE and the other
// tool messages when cbSize is larger than the version-2 layout; with Windows 7 headers
// sizeof(TTTOOLINFOW) is the larger version-3 one (it ends in lpReserved). Wine accepts both, so
// nothing but this keeps a wrong size from passing every test.
#pragma once

#include <windows.h>

#include <commctrl.h>

namespace yf {

inline TTTOOLINFOW MakeToolInfo(HWND owner, UINT_PTR id, UINT flags = 0, wchar_t* text = nullptr) {
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = flags;
    tool.hwnd = owner;
    tool.uId = id;
    tool.lpszText = text;
    return tool;
}

}  // namespace yf
