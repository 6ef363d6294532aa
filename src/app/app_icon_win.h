// The program's own icon as the skin engine's caption icon: resource 129 first, which the
// executable does not carry, then the named icon it does.
#pragma once

#include "app/resource_ids.h"
#include "skin/engine/skin_engine_win.h"

namespace yf {

inline IconResource AppIconResource() {
    return {YF_ICON_APP_FALLBACK_ID, L"" YF_ICON_APP_NAME};
}

}  // namespace yf
