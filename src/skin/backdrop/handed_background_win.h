// The brush a see-through child was last handed for its background, and the bitmap behind it.
// Both live in the child's "Kj_dxjb" and "Kj_wtjb" properties: a new pair frees the old one
// first, so nothing piles up however often the child repaints, and the pair is freed when the
// child goes: by the engine for a control it took over, by a watcher for any other.
#pragma once

#include <windows.h>

#include <vector>

#include "core/unique_handle_win.h"
#include "skin/backdrop/background_stamp.h"

namespace yf {

class HandedBackground {
  public:
    // A pattern brush of `bitmap` (the background `stamp` tells of) for `child`, which keeps
    // both; null when no brush can be made (the child then keeps nothing old either).
    static HBRUSH Pattern(HWND child, UniqueBitmap bitmap, const BackgroundStamp& stamp = {});
    // The pattern brush `child` holds when it was made over that same background, else null.
    static HBRUSH Kept(HWND child, const BackgroundStamp& stamp);
    // The stock hollow brush: the child paints nothing behind its content.
    static HBRUSH Hollow(HWND child);
    // Frees what `child` holds now.
    static void Free(HWND child);
    // The children holding a pattern brush made over a background of window `owner`.
    static std::vector<HWND> HoldersOver(HWND owner);

  private:
    static void Store(HWND child, HBRUSH brush, HBITMAP bitmap);
};

}  // namespace yf
