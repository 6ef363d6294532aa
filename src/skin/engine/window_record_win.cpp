#include "skin/engine/window_record_win.h"

#include "skin/frame/window_frame_win.h"

namespace yf {

// Here, where the frame is a complete type.
WindowRecord::WindowRecord() = default;
WindowRecord::~WindowRecord() = default;

}  // namespace yf
