#include "skin/backdrop/background_snapshot_win.h"

#include <atomic>

namespace yf {
namespace {

// Painting happens on one thread, but a counter costs nothing to make safe.
std::atomic<std::size_t> live{0};
std::atomic<std::size_t> taken{0};

}  // namespace

BackgroundSnapshot::BackgroundSnapshot(int width, int height) : DibSurface(width, height) {
    if (!*this) return;
    ++live;
    ++taken;
}

BackgroundSnapshot::~BackgroundSnapshot() {
    if (*this) --live;
}

BackgroundSnapshot& BackgroundSnapshot::operator=(BackgroundSnapshot&& other) noexcept {
    if (this != &other) {
        if (*this) --live;
        DibSurface::operator=(std::move(other));
    }
    return *this;
}

DibSurface BackgroundSnapshot::Keep() && {
    if (*this) --live;
    return DibSurface(std::move(static_cast<DibSurface&>(*this)));
}

std::size_t BackgroundSnapshot::LiveCount() {
    return live.load();
}

std::size_t BackgroundSnapshot::TakenCount() {
    return taken.load();
}

}  // namespace yf
