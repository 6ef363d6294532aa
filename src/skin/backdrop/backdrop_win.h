// The backdrop: what lies behind a skinned control, as every painter needs it. It copies the
// skin behind a part of a control out of its window's composed image (with the panels of the
// containers the control lies in), tells what such a copy is made from (its stamp: equal
// stamps, equal pixels), keeps the faces a painter composed over it, and copies a face out
// onto the control.
#pragma once

#include <windows.h>

#include <cstddef>
#include <utility>

#include "core/unique_handle_win.h"
#include "skin/backdrop/background_snapshot_win.h"
#include "skin/backdrop/background_stamp.h"
#include "skin/backdrop/control_area_win.h"
#include "skin/backdrop/face_cache.h"
#include "skin/geometry.h"

namespace yf {

class EngineCore;
struct SkinSettings;
struct WindowRecord;

// The translucent panels of the registered containers a control lies in, laid over a copy of
// the skin behind it. The container family has them; the take-over list hands them over.
class PanelLayer {
  public:
    // Over `snapshot`, a copy of `rect` (outer coordinates of `control`).
    virtual void LayPanels(HDC snapshot, HWND control, const RECT& rect) = 0;

  protected:
    ~PanelLayer() = default;
};

class Backdrop {
  public:
    explicit Backdrop(EngineCore& core) : core_(core) {}
    Backdrop(const Backdrop&) = delete;
    Backdrop& operator=(const Backdrop&) = delete;

    void SetPanels(PanelLayer* panels) { panels_ = panels; }
    const SkinSettings& Settings() const;
    // Whether the engine's procedures answer the messages of `window` (it is a skinned window
    // or a control one of the families holds), as far as the engine has met it.
    bool Skins(HWND window) const;

    // What the skinned window shows behind `rect` of `control` (outer coordinates), with the
    // panels of the containers it lies in.
    BackgroundSnapshot Snapshot(HWND control, const RECT& rect);
    // The skin behind the control's client area (returned in `area`, outer coordinates) under
    // the white veil.
    BackgroundSnapshot VeiledClient(HWND control, RECT& area);
    // The same as a bitmap of its own, for a brush; the caller owns it.
    UniqueBitmap ControlBackgroundBitmap(HWND control);
    // What Snapshot would copy for `rect` of `control` is made from: equal stamps, equal pixels
    // (see BackgroundStamp).
    BackgroundStamp StampOf(HWND control, const RECT& rect) const;

    // The face kept in `cache` for `key`, else one `compose` draws on a snapshot of what lies
    // behind `rect` of `control` (kept when its background may be, else left in `fresh`); null
    // when no snapshot can be taken. `Key` has the `background` stamp the face was made over.
    template <typename Key, std::size_t kSlots, typename Compose>
    const DibSurface* KeptFace(HWND control, const RECT& rect,
                               FaceCache<Key, DibSurface, kSlots>& cache, const Key& key,
                               BackgroundSnapshot& fresh, Compose&& compose) {
        const bool keepable = key.background.keepable;
        if (const DibSurface* kept = cache.Find(key, keepable)) return kept;
        fresh = Snapshot(control, rect);
        if (!fresh) return nullptr;
        compose(fresh.Dc());
        return keepable ? &cache.Keep(key, std::move(fresh).Keep()) : &fresh;
    }

    // The veiled skin behind the client area of `control` (what a see-through edit or list
    // shows under its own drawing), kept in `cache` under its stamp when it may be, else left
    // in `fresh`.
    const DibSurface* KeptVeiledClient(HWND control,
                                       FaceCache<BackgroundStamp, DibSurface, 1>& cache,
                                       BackgroundSnapshot& fresh);

    // Copies `face` over the whole window area of `control` (leaving out its magenta pixels
    // when `keyed`), then lets the see-through labels lying on it draw again.
    void Show(WindowRecord& owner, HWND control, const DibSurface& face, bool keyed = false);
    // Copies `face` over the frame of `control`: its whole window area except `interior` (outer
    // coordinates) and, when given, `alsoLeaveOut` (screen coordinates, the system's scroll
    // bars).
    static void ShowFrame(HWND control, const DibSurface& face, const PixelBox& interior,
                          HRGN alsoLeaveOut = nullptr);

  private:
    // Whether `window` is one outside the engine marked as composing its own image.
    bool ComposesItsOwnImage(HWND window) const;

    EngineCore& core_;
    PanelLayer* panels_ = nullptr;
};

}  // namespace yf
