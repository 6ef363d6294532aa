// The stay-awake request as Windows takes it: the thread's execution state. ES_CONTINUOUS keeps
// it until the next call; without ES_DISPLAY_REQUIRED the screen still turns off as set.
#pragma once

#include <windows.h>

#include "scheduler/stay_awake.h"

namespace yf {

class SystemExecutionState : public ExecutionState {
  public:
    void RequireSystem(bool required) override {
        ::SetThreadExecutionState(required ? ES_CONTINUOUS | ES_SYSTEM_REQUIRED : ES_CONTINUOUS);
    }
};

}  // namespace yf
