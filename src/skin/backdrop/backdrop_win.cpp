#include "skin/backdrop/backdrop_win.h"

#include "gfx/graphics_win.h"
#include "skin/backdrop/see_through_win.h"
#include "skin/engine/engine_core_win.h"
#include "skin/engine/window_properties_win.h"

namespace yf {

const SkinSettings& Backdrop::Settings() const {
    return core_.Settings();
}

bool Backdrop::Skins(HWND window) const {
    return core_.Skins(window);
}

BackgroundSnapshot Backdrop::Snapshot(HWND control, const RECT& rect) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    BackgroundSnapshot snapshot(width, height);
    if (!snapshot) return snapshot;
    RECT outer{};
    ::GetWindowRect(control, &outer);
    for (HWND owner = control; owner; owner = ::GetParent(owner)) {
        RECT ownerRect{};
        ::GetWindowRect(owner, &ownerRect);
        const int x = outer.left - ownerRect.left + rect.left;
        const int y = outer.top - ownerRect.top + rect.top;
        if (ComposesItsOwnImage(owner)) {
            // A window composing its own image: copy from that image instead.
            if (auto source = reinterpret_cast<HDC>(::GetPropW(owner, prop::kOwnImageDc))) {
                ::BitBlt(snapshot.Dc(), 0, 0, width, height, source, x, y, SRCCOPY);
            }
            break;
        }
        if (const WindowRecord* record = core_.RecordOf(owner)) {
            if (record->windowImage) {
                ::BitBlt(snapshot.Dc(), 0, 0, width, height, record->windowImage.Dc(), x, y,
                         SRCCOPY);
            }
            break;
        }
        if (!(::GetWindowLongW(owner, GWL_STYLE) & WS_CHILD)) break;
    }
    if (panels_) panels_->LayPanels(snapshot.Dc(), control, rect);
    return snapshot;
}

bool Backdrop::ComposesItsOwnImage(HWND window) const {
    // The mark is one of windows outside the engine: a window or control the engine skins
    // composes with it, and asking would be a round trip at every paint.
    return !core_.Skins(window) && prop::Get(window, prop::kOwnImageMark) == 1;
}

BackgroundStamp Backdrop::StampOf(HWND control, const RECT& rect) const {
    BackgroundStamp stamp;
    RECT outer{};
    ::GetWindowRect(control, &outer);
    for (HWND owner = control; owner; owner = ::GetParent(owner)) {
        // A window composing its own image changes it without telling: nothing is kept.
        if (ComposesItsOwnImage(owner)) return stamp;
        if (const WindowRecord* record = core_.RecordOf(owner)) {
            if (!record->windowImage) return stamp;
            RECT ownerRect{};
            ::GetWindowRect(owner, &ownerRect);
            stamp.owner = reinterpret_cast<std::uintptr_t>(owner);
            stamp.imageVersion = record->imageVersion;
            stamp.panelsVersion = record->panelsVersion;
            stamp.settingsVersion = core_.SettingsVersion();
            stamp.x = outer.left - ownerRect.left + rect.left;
            stamp.y = outer.top - ownerRect.top + rect.top;
            stamp.width = rect.right - rect.left;
            stamp.height = rect.bottom - rect.top;
            const RECT& bar = record->statusBar.rect;
            const bool inCaption = stamp.y < record->captionHeight;
            const bool inBar = bar.bottom > bar.top && stamp.y + stamp.height > bar.top;
            if (inCaption || inBar) stamp.bandVersion = record->bandVersion;
            stamp.keepable = true;
            return stamp;
        }
        if (!(::GetWindowLongW(owner, GWL_STYLE) & WS_CHILD)) break;
    }
    return stamp;
}

BackgroundSnapshot Backdrop::VeiledClient(HWND control, RECT& area) {
    area = ClientAreaOf(control);
    BackgroundSnapshot snapshot = Snapshot(control, area);
    const int veil = Settings().veilAlpha;
    if (!snapshot || veil <= 0) return snapshot;
    gfx::Graphics graphics;
    gfx::SolidBrush white;
    if (graphics.FromHdc(snapshot.Dc()) && white.Create(gfx::MakeArgb(gfx::kWhiteRef, veil))) {
        graphics.FillRectangle(white, {0, 0, static_cast<float>(snapshot.Width()),
                                       static_cast<float>(snapshot.Height())});
    }
    return snapshot;
}

UniqueBitmap Backdrop::ControlBackgroundBitmap(HWND control) {
    RECT area;
    BackgroundSnapshot snapshot = VeiledClient(control, area);
    if (!snapshot) return UniqueBitmap();
    const int width = snapshot.Width();
    const int height = snapshot.Height();
    UniqueBitmap copy(::CreateCompatibleBitmap(snapshot.Dc(), width, height));
    if (copy) {
        UniqueMemoryDc target(::CreateCompatibleDC(snapshot.Dc()));
        SelectGuard keep(target.get(), copy.get());
        ::BitBlt(target.get(), 0, 0, width, height, snapshot.Dc(), 0, 0, SRCCOPY);
    }
    return copy;
}

const DibSurface* Backdrop::KeptVeiledClient(HWND control,
                                             FaceCache<BackgroundStamp, DibSurface, 1>& cache,
                                             BackgroundSnapshot& fresh) {
    const BackgroundStamp stamp = StampOf(control, ClientAreaOf(control));
    if (const DibSurface* kept = cache.Find(stamp, stamp.keepable)) return kept;
    RECT area;
    fresh = VeiledClient(control, area);
    if (!fresh) return nullptr;
    return stamp.keepable ? &cache.Keep(stamp, std::move(fresh).Keep()) : &fresh;
}

void Backdrop::Show(WindowRecord& owner, HWND control, const DibSurface& face, bool keyed) {
    {
        WindowDc target(control, WindowDc::Area::Whole);
        const int width = face.Width();
        const int height = face.Height();
        if (keyed) {
            ::TransparentBlt(target.get(), 0, 0, width, height, face.Dc(), 0, 0, width, height,
                             gfx::kMagenta);
        } else {
            ::BitBlt(target.get(), 0, 0, width, height, face.Dc(), 0, 0, SRCCOPY);
        }
    }
    RefreshSeeThroughAbove(*this, owner, control);
}

void Backdrop::ShowFrame(HWND control, const DibSurface& face, const PixelBox& interior,
                         HRGN alsoLeaveOut) {
    WindowDc target(control, WindowDc::Area::Whole);
    ::ExcludeClipRect(target.get(), interior.x, interior.y, interior.x + interior.width,
                      interior.y + interior.height);
    if (alsoLeaveOut) {
        RECT outer{};
        ::GetWindowRect(control, &outer);
        UniqueRegion local(::CreateRectRgn(0, 0, 0, 0));
        ::CombineRgn(local.get(), alsoLeaveOut, nullptr, RGN_COPY);
        ::OffsetRgn(local.get(), -outer.left, -outer.top);
        ::ExtSelectClipRgn(target.get(), local.get(), RGN_DIFF);
    }
    ::BitBlt(target.get(), 0, 0, face.Width(), face.Height(), face.Dc(), 0, 0, SRCCOPY);
}

}  // namespace yf
