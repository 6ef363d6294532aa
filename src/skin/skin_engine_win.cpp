#include "skin/skin_engine_win.h"

#include <algorithm>

#include "core/resource_bytes_win.h"
#include "core/wide_text_win.h"
#include "gfx/pixels_win.h"
#include "skin/child_controls_win.h"
#include "skin/frame/edge_zones.h"
#include "skin/picture_average.h"
#include "skin/picture_fade_win.h"
#include "skin/window_properties_win.h"

namespace yf {
namespace {

SkinEngine* current = nullptr;

HICON LoadWindowIcon(HINSTANCE module, IconResource icon) {
    const auto load = [module](const wchar_t* name) {
        return static_cast<HICON>(::LoadImageW(module, name, IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR));
    };
    if (icon.id > 0) {
        if (HICON loaded = load(MAKEINTRESOURCEW(icon.id))) return loaded;
    }
    return icon.name ? load(icon.name) : nullptr;
}

// The built-in glyph of a caption button kind, and of the restored state for maximize.
const wchar_t* GlyphResource(CaptionButtonKind kind) {
    switch (kind) {
        case CaptionButtonKind::Help:
            return L"GLYPH_HELP";
        case CaptionButtonKind::MainMenu:
            return L"GLYPH_MENU";
        case CaptionButtonKind::Minimize:
            return L"GLYPH_MINIMIZE";
        case CaptionButtonKind::Maximize:
            return L"GLYPH_MAXIMIZE";
        case CaptionButtonKind::Close:
            return L"GLYPH_CLOSE";
        case CaptionButtonKind::Custom:
            break;
    }
    return nullptr;
}

std::vector<std::uint8_t> Copy(std::span<const std::uint8_t> bytes) {
    return {bytes.begin(), bytes.end()};
}

}  // namespace

SkinEngine::SkinEngine(HINSTANCE module, IconResource icon)
    : module_(module ? module : ::GetModuleHandleW(nullptr)) {
    Gdiplus::GdiplusStartupInput input;  // version 1, no debug hook, codecs and thread allowed
    if (Gdiplus::GdiplusStartup(&gdiplusToken_, &input, nullptr) != Gdiplus::Ok) gdiplusToken_ = 0;
    windowIcon_.reset(LoadWindowIcon(module_, icon));
    settings_.themeColour = ::GetSysColor(COLOR_3DFACE);
    current = this;
}

SkinEngine::~SkinEngine() {
    for (auto& record : windows_) Unsubclass(*record);
    windows_.clear();
    while (!snapshots_.empty()) ReleaseBackgroundSnapshot(snapshots_.back().dc);
    skinImage_ = {};
    windowIcon_.reset();
    ShutDownGdiplus();
    if (current == this) current = nullptr;
}

SkinEngine* SkinEngine::Current() {
    return current;
}

void SkinEngine::ShutDownGdiplus() {
    if (!gdiplusToken_) return;
    // No GDI+ object may outlive GDI+ itself.
    skinImage_.decoded.reset();
    for (auto& record : windows_) {
        record->glyphs.clear();
        record->ownPrepared.decoded.reset();
    }
    Gdiplus::GdiplusShutdown(std::exchange(gdiplusToken_, 0));
}

WindowRecord* SkinEngine::Record(int index) {
    if (index < 1 || index > WindowCount()) return nullptr;
    return windows_[static_cast<std::size_t>(index - 1)].get();
}

int SkinEngine::FindWindowIndex(HWND window) const {
    if (!window) return 0;
    for (std::size_t i = 0; i < windows_.size(); ++i) {
        if (windows_[i]->hwnd == window) return static_cast<int>(i) + 1;
    }
    return 0;
}

void SkinEngine::SetControlOptions(const ControlOptions& options) {
    ApplyControlOptions(settings_, options);
}

PreparedPicture SkinEngine::Prepare(gfx::Bitmap picture, int mode) {
    PreparedPicture prepared;
    prepared.generation = nextGeneration_++;
    if (mode == 3) {
        // Renders scale straight from the decoded picture until the idle timer has made a
        // screen-sized copy: the switch itself pays only for the decode.
        if (picture) {
            prepared.decoded = std::make_shared<gfx::Bitmap>(std::move(picture));
            ScheduleFinishing();
        }
    } else {
        prepared.pixels = gfx::ReadPixels(picture);
    }
    return prepared;
}

void SkinEngine::ScheduleFinishing() {
    // A zero-length timer: WM_TIMER comes only once nothing else, paints included, is waiting.
    for (const auto& record : windows_) {
        if (::IsWindow(record->hwnd)) {
            ::SetTimer(record->hwnd, FinishingTimerId(), 0, nullptr);
            return;
        }
    }
}

void SkinEngine::FinishPreparation() {
    const int screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
    const auto finish = [&](PreparedPicture& picture) {
        if (!picture.decoded) return;
        const gfx::LockedPixels locked(*picture.decoded);
        if (locked) {
            const gfx::SourcePixels& source = locked.Source();
            picture.pixels = gfx::ScaleTo(source, std::min(source.width, screenWidth),
                                          std::min(source.height, screenHeight));
        }
        picture.decoded.reset();  // after the lock has ended
    };
    finish(skinImage_);
    for (auto& record : windows_) finish(record->ownPrepared);
}

void SkinEngine::SetSkinPicture(const SkinPictureArgs& args) {
    // The picture is decoded here once; renders only scale and copy the prepared pixels.
    gfx::Bitmap source;
    bool decoded = false;
    const auto decode = [&]() -> const gfx::Bitmap& {
        if (!decoded) {
            decoded = true;
            if (!args.filePath.empty()) {
                source.FromFile(Widen(args.filePath));
            } else {
                source.FromBytes(args.bytes);
            }
        }
        return source;
    };
    const SkinPicturePlan plan = PlanSkinPicture(settings_, args, [&] {
        // A reduced copy has the same mean colour and is quicker to sample.
        return yf::AveragePictureColour(gfx::ReadShrunk(decode(), 512, 512), kAverageSamples, 0, 0);
    });
    switch (plan.step) {
        case SkinPicturePlan::Step::Stop:
            return;
        case SkinPicturePlan::Step::ColourOnly:
            skinImage_ = PreparedPicture{{}, nullptr, nextGeneration_++};
            break;
        case SkinPicturePlan::Step::Picture:
            if (plan.preparation == PicturePreparation::AsGiven) {
                decode();
                skinImage_ = Prepare(std::move(source), settings_.skinMode);
            } else {
                const int variant =
                    plan.preparation == PicturePreparation::FadeLeftAndBottom ? 0 : 1;
                gfx::Bitmap faded;
                if (FadeIntoBitmap(decode(), std::nullopt, settings_.themeColour, variant, faded)) {
                    skinImage_ = Prepare(std::move(faded), settings_.skinMode);
                } else {
                    skinImage_ = PreparedPicture{{}, nullptr, nextGeneration_++};
                }
            }
            break;
    }
    ReskinVisibleWindows();
}

void SkinEngine::ReskinVisibleWindows() {
    for (int index = 1; index <= WindowCount(); ++index) {
        WindowRecord& record = *Record(index);
        if (!::IsWindowVisible(record.hwnd)) {
            // Rendered again when it is next shown.
            record.needsRender = true;
            continue;
        }
        RenderWindow(index);
        ::InvalidateRect(record.hwnd, nullptr, FALSE);
        for (HWND child = ::GetWindow(record.hwnd, GW_CHILD); child;
             child = ::GetWindow(child, GW_HWNDNEXT)) {
            if (::IsWindowVisible(child)) ::InvalidateRect(child, nullptr, TRUE);
        }
        for (HWND header : record.Handles(ControlFamily::Headers)) {
            ::InvalidateRect(header, nullptr, FALSE);
        }
    }
}

bool SkinEngine::ApplySkin(const ApplySkinArgs& args) {
    HWND window = static_cast<HWND>(args.window);
    if (!::IsWindow(window) || FindWindowIndex(window) != 0) return false;
    const LONG style = ::GetWindowLongW(window, GWL_STYLE);
    RECT client{};
    ::GetClientRect(window, &client);
    frameMargin_ = kFrameMargin;

    auto record = std::make_unique<WindowRecord>();
    record->hwnd = window;
    record->captionHeight = RaiseCaptionHeight(args.captionHeight);
    record->captionBar = args.captionBar != 0;
    record->dblClickMaximize = args.dblClickMaximize != 0;
    record->showHelp = args.showHelp != 0;
    record->showMenu = args.showMenu != 0;
    record->showMinimize = (style & WS_MINIMIZEBOX) != 0;
    record->showMaximize = (style & WS_MAXIMIZEBOX) != 0;
    record->showTitle = args.showTitle != 0;
    record->backgroundOption = args.backgroundOption;
    record->maxTrackWidth = ::GetSystemMetrics(SM_CXSCREEN);
    record->maxTrackHeight = ::GetSystemMetrics(SM_CYSCREEN);
    record->ownPictureMode = args.ownPictureMode.value_or(settings_.skinMode);

    record->strip.buttons = MakeCaptionButtons(
        {record->showHelp, record->showMenu, record->showMinimize, record->showMaximize});
    for (CaptionButton& button : record->strip.buttons) {
        if (const wchar_t* name = GlyphResource(button.kind)) {
            button.image = Copy(ResourceBytes(name, module_));
        }
        if (button.kind == CaptionButtonKind::Maximize) {
            button.image2 = Copy(ResourceBytes(L"GLYPH_RESTORE", module_));
        }
    }
    PlaceStrip(record->strip, client.right, frameMargin_);
    record->glyphs.resize(record->strip.buttons.size());
    for (int i = 1; i <= record->strip.Count(); ++i) DecodeGlyphs(*record, i);

    ::SetWindowLongW(window, GWL_STYLE, style | WS_SYSMENU);
    windows_.push_back(std::move(record));
    const int index = WindowCount();
    WindowRecord& added = *windows_.back();

    if (!args.ownPicture.empty()) SetWindowPicture(window, args.ownPicture, added.ownPictureMode);

    added.tooltip.Create(window);
    for (int i = 1; i <= added.strip.Count(); ++i) {
        added.tooltip.AddTool(RECT{}, added.strip.Button(i).tooltip, static_cast<UINT>(i));
    }
    added.captionButtonCount = added.strip.Count();
    LayoutCaptionButtons(index);
    added.statusBar.height = std::max(args.statusBarHeight, 0);
    // The window's own children; those inside containers come with RegisterContainer.
    InstallEditsAndCombos(index, window);
    InstallSpinSkins(index, window);

    added.registered = true;
    added.needsRender = true;
    added.oldProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowEntry)));
    prop::Set(window, prop::kOldProc, reinterpret_cast<std::intptr_t>(added.oldProc));
    prop::Set(window, prop::kListIndex, index);
    if (skinImage_.decoded) ScheduleFinishing();
    return true;
}

void SkinEngine::DecodeGlyphs(WindowRecord& record, int button) {
    const CaptionButton& source = record.strip.Button(button);
    ButtonGlyphs& glyphs = record.glyphs[static_cast<std::size_t>(button - 1)];
    ++record.buttonsVersion;
    glyphs.image.Dispose();
    glyphs.image2.Dispose();
    if (!source.image.empty()) glyphs.image.FromBytes(source.image);
    if (!source.image2.empty()) glyphs.image2.FromBytes(source.image2);
}

void SkinEngine::Unsubclass(WindowRecord& record) {
    ReleaseChildren(record);
    if (!::IsWindow(record.hwnd)) return;
    ::KillTimer(record.hwnd, reinterpret_cast<UINT_PTR>(record.hwnd));
    ::KillTimer(record.hwnd, FinishingTimerId());
    const auto now = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(record.hwnd, GWLP_WNDPROC));
    if (now == &WindowEntry && record.oldProc) {
        ::SetWindowLongPtrW(record.hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(record.oldProc));
    }
    prop::Remove(record.hwnd, prop::kOldProc);
    prop::Remove(record.hwnd, prop::kListIndex);
}

void SkinEngine::ReleaseWindow(int index) {
    WindowRecord* record = Record(index);
    if (!record) return;
    for (HWND edit : record->Handles(ControlFamily::Edits)) prop::DeleteBackgroundObjects(edit);
    Unsubclass(*record);
    windows_.erase(windows_.begin() + (index - 1));
    Renumber();
}

void SkinEngine::Renumber() {
    static constexpr ControlFamily kOrder[] = {
        ControlFamily::Buttons,   ControlFamily::Lists,        ControlFamily::Edits,
        ControlFamily::Combos,    ControlFamily::Headers,      ControlFamily::Spins,
        ControlFamily::Trackbars, ControlFamily::ProgressBars, ControlFamily::Containers};
    for (int index = 1; index <= WindowCount(); ++index) {
        WindowRecord& record = *Record(index);
        prop::Set(record.hwnd, prop::kListIndex, index);
        for (ControlFamily family : kOrder) {
            for (HWND child : record.Handles(family)) prop::Set(child, prop::kOwnerIndex, index);
        }
        const auto& keyed = record.Family(ControlFamily::Keyed);
        for (std::size_t i = 1; i < keyed.size(); ++i) {
            if (keyed[i].hwnd) prop::Set(keyed[i].hwnd, prop::kKeyedOwner, index);
        }
    }
}

gfx::ColourRef SkinEngine::AveragePictureColour(std::span<const std::uint8_t> bytes, int samples,
                                                int rightMargin, int bottomMargin) const {
    return yf::AveragePictureColour(gfx::DecodePicture(bytes), samples, rightMargin, bottomMargin);
}

std::vector<std::uint8_t> SkinEngine::FadePicture(std::span<const std::uint8_t> bytes,
                                                  std::optional<int> length, gfx::ColourRef colour,
                                                  int variant) const {
    gfx::Bitmap picture;
    gfx::Bitmap faded;
    if (!picture.FromBytes(bytes) || !FadeIntoBitmap(picture, length, colour, variant, faded)) {
        return {};
    }
    return faded.SaveToBytes(gfx::kPngFormat);
}

HDC SkinEngine::TakeBackgroundSnapshot(HWND control, const RECT& rect) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    HBITMAP bitmap = CreateArgbBitmap(width, height);
    if (!bitmap) return nullptr;
    HDC dc = ::CreateCompatibleDC(nullptr);
    if (!dc) {
        ::DeleteObject(bitmap);
        return nullptr;
    }
    snapshots_.push_back({dc, bitmap, ::SelectObject(dc, bitmap)});

    RECT outer{};
    ::GetWindowRect(control, &outer);
    for (HWND owner = control; owner; owner = ::GetParent(owner)) {
        if (prop::Get(owner, prop::kOwnImageMark) == 1) {
            // A window composing its own image: copy from that image instead.
            RECT ownerRect{};
            ::GetWindowRect(owner, &ownerRect);
            auto source = reinterpret_cast<HDC>(::GetPropW(owner, prop::kOwnImageDc));
            if (source) {
                ::BitBlt(dc, 0, 0, width, height, source, outer.left - ownerRect.left + rect.left,
                         outer.top - ownerRect.top + rect.top, SRCCOPY);
            }
            break;
        }
        if (WindowRecord* record = Record(FindWindowIndex(owner))) {
            if (!record->windowImage.Ready()) break;
            RECT ownerRect{};
            ::GetWindowRect(owner, &ownerRect);
            ::BitBlt(dc, 0, 0, width, height, record->windowImage.Dc(),
                     outer.left - ownerRect.left + rect.left, outer.top - ownerRect.top + rect.top,
                     SRCCOPY);
            break;
        }
        if (!(::GetWindowLongW(owner, GWL_STYLE) & WS_CHILD)) break;
    }
    LayContainerPanels(dc, control, rect);
    return dc;
}

void SkinEngine::ReleaseBackgroundSnapshot(HDC snapshot) {
    if (!snapshot) return;
    const auto found = std::find_if(snapshots_.begin(), snapshots_.end(),
                                    [snapshot](const Snapshot& s) { return s.dc == snapshot; });
    if (found == snapshots_.end()) return;
    ::SelectObject(found->dc, found->previous);
    ::DeleteObject(found->bitmap);
    ::DeleteDC(found->dc);
    snapshots_.erase(found);
}

HDC SkinEngine::TakeVeiledClientSnapshot(HWND control, RECT& area) {
    area = ClientAreaOf(control);
    HDC snapshot = TakeBackgroundSnapshot(control, area);
    if (!snapshot || settings_.veilAlpha <= 0) return snapshot;
    gfx::Graphics graphics;
    gfx::SolidBrush veil;
    if (graphics.FromHdc(snapshot) &&
        veil.Create(gfx::MakeArgb(gfx::kWhiteRef, settings_.veilAlpha))) {
        graphics.FillRectangle(veil, {0, 0, static_cast<float>(area.right - area.left),
                                      static_cast<float>(area.bottom - area.top)});
    }
    return snapshot;
}

UniqueBitmap SkinEngine::ControlBackgroundBitmap(HWND control) {
    RECT area;
    HDC snapshot = TakeVeiledClientSnapshot(control, area);
    if (!snapshot) return UniqueBitmap();
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    UniqueBitmap copy(::CreateCompatibleBitmap(snapshot, width, height));
    if (copy) {
        HDC target = ::CreateCompatibleDC(snapshot);
        {
            SelectGuard keep(target, copy.get());
            ::BitBlt(target, 0, 0, width, height, snapshot, 0, 0, SRCCOPY);
        }
        ::DeleteDC(target);
    }
    ReleaseBackgroundSnapshot(snapshot);
    return copy;
}

}  // namespace yf
