// A container control (a group box) that passes what its children report on to another window:
// children report to their parent, and the program's event map lives in the main window.
#pragma once

#include <windows.h>

namespace yf {

class NoticeForwarding {
  public:
    // From now on the notifications, drawing requests and colour requests the children of
    // `group` send it go to `target`. False when `group` takes no procedure of ours (or no
    // WidgetState exists to keep the target).
    static bool Join(HWND group, HWND target);
};

}  // namespace yf
