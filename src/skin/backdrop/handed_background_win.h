// The brush a see-through child was last handed for its background, and the bitmap behind it.
// Both live in the child's "Kj_dxjb" and "Kj_wtjb" properties: a new pair frees the old one
// first, so nothing piles up however often the child repaints, and the pair is freed when the
// child goes: by the engine for a control it took over, by a watcher for any other. What the
// pair shows (its stamp) is kept in the record of the window that owns the child.
#pragma once

#include <windows.h>

#include <vector>

#include "core/unique_handle_win.h"
#include "skin/backdrop/background_stamp.h"

namespace yf {

struct WindowRecord;

class HandedBackground {
  public:
    // A pattern brush of `bitmap` (the background `stamp` tells of) for `child` of `owner`,
    // which keeps both; null when no brush can be made (the child then keeps nothing old
    // either).
    static HBRUSH Pattern(WindowRecord& owner, HWND child, UniqueBitmap bitmap,
                          const BackgroundStamp& stamp = {});
    // The pattern brush `child` holds when it was made over that same background, else null.
    static HBRUSH Kept(const WindowRecord& owner, HWND child, const BackgroundStamp& stamp);
    // The stock hollow brush: the child paints nothing behind its content.
    static HBRUSH Hollow(WindowRecord& owner, HWND child);
    // Frees what `child` holds now, and what `owner` keeps of it.
    static void Free(WindowRecord& owner, HWND child);
    // The children of `owner` holding a pattern brush.
    static std::vector<HWND> Holders(const WindowRecord& owner);

  private:
    static void Store(HWND child, HBRUSH brush, HBITMAP bitmap);
};

}  // namespace yf
