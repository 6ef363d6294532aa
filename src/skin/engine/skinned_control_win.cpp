#include "skin/engine/skinned_control_win.h"

#include "skin/engine/window_properties_win.h"

namespace yf {

bool IsTakenOverBySkin(HWND control) {
    return control &&
           (prop::Get(control, prop::kOldProc) != 0 || prop::Get(control, prop::kKeyedProc) != 0);
}

}  // namespace yf
