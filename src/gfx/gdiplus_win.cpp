#include "gfx/gdiplus_win.h"

namespace yf::gfx {
namespace {

// One value for the process, as GDI+ calls happen on the user-interface thread only.
int lastStatus = 0;

}  // namespace

int LastStatus() {
    return lastStatus;
}

bool Track(gp::GpStatus status) {
    lastStatus = static_cast<int>(status);
    return status == gp::Ok;
}

}  // namespace yf::gfx
