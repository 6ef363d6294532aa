// What the tests look at inside the skin engine: its window records, painters, settings and
// backdrop, reached the way the engine's own procedures reach them.
#pragma once

#include "skin/engine/engine_core_win.h"

namespace yf::testing {

inline EngineCore& Inside() {
    return *EngineCore::Current();
}

}  // namespace yf::testing
