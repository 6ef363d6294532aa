// What a skinned window shows behind a part of a control, copied into a surface of its own for a
// painter to draw on and then copy out. It is returned by value and freed with the object, so
// no paint can forget to give one back.
#pragma once

#include <cstddef>

#include "skin/backdrop/dib_surface_win.h"

namespace yf {

class BackgroundSnapshot : public DibSurface {
  public:
    BackgroundSnapshot() = default;
    BackgroundSnapshot(int width, int height);
    ~BackgroundSnapshot();
    BackgroundSnapshot(BackgroundSnapshot&& other) noexcept = default;
    BackgroundSnapshot& operator=(BackgroundSnapshot&& other) noexcept;

    // The surface itself, to be kept beyond the paint (a composed face); the snapshot is empty
    // afterwards and no longer counts as live.
    DibSurface Keep() &&;

    // Snapshots alive in the process: 0 whenever no paint is under way.
    static std::size_t LiveCount();
    // Snapshots taken since the process started: a paint that takes none composed nothing.
    static std::size_t TakenCount();
};

}  // namespace yf
