// A painter's face for a control, from its kept faces or composed anew over the skin behind it.
#pragma once

#include <windows.h>

#include <cstddef>
#include <utility>

#include "skin/backdrop/background_snapshot_win.h"
#include "skin/backdrop/background_stamp.h"
#include "skin/backdrop/child_painting_win.h"
#include "skin/backdrop/face_cache.h"
#include "skin/engine/skin_engine_win.h"

namespace yf {

// The face kept in `cache` for `key`, else one `compose` draws on a snapshot of what lies behind
// `rect` of `control` (kept when its background may be, else left in `fresh`); null when no
// snapshot can be taken. `Key` has the `background` stamp the face was made over.
template <typename Key, std::size_t kSlots, typename Compose>
const DibSurface* KeptFace(SkinEngine& engine, HWND control, const RECT& rect,
                           FaceCache<Key, DibSurface, kSlots>& cache, const Key& key,
                           BackgroundSnapshot& fresh, Compose&& compose) {
    const bool keepable = key.background.keepable;
    if (const DibSurface* kept = cache.Find(key, keepable)) return kept;
    fresh = engine.TakeBackgroundSnapshot(control, rect);
    if (!fresh) return nullptr;
    compose(fresh.Dc());
    return keepable ? &cache.Keep(key, std::move(fresh).Keep()) : &fresh;
}

// The veiled skin behind the client area of `control` (what a see-through edit or list shows
// under its own drawing), kept in `cache` under its stamp when it may be, else left in `fresh`.
inline const DibSurface* KeptVeiledClient(SkinEngine& engine, HWND control,
                                          FaceCache<BackgroundStamp, DibSurface, 1>& cache,
                                          BackgroundSnapshot& fresh) {
    const BackgroundStamp stamp = engine.StampOf(control, ClientAreaOf(control));
    if (const DibSurface* kept = cache.Find(stamp, stamp.keepable)) return kept;
    RECT area;
    fresh = engine.TakeVeiledClientSnapshot(control, area);
    if (!fresh) return nullptr;
    return stamp.keepable ? &cache.Keep(stamp, std::move(fresh).Keep()) : &fresh;
}

}  // namespace yf
