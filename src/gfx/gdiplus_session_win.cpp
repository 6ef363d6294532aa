#include "gfx/gdiplus_session_win.h"

#include <utility>

#include "gfx/gdiplus_win.h"

namespace yf::gfx {

GdiplusSession::GdiplusSession() {
    gp::GdiplusStartupInput input;
    if (gp::GdiplusStartup(&token_, &input, nullptr) != gp::Ok) token_ = 0;
}

void GdiplusSession::Shutdown() {
    if (token_) gp::GdiplusShutdown(std::exchange(token_, 0));
}

}  // namespace yf::gfx
