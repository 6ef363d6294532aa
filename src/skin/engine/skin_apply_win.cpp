// Skinning a window: the skin picture turned into the engine-wide prepared image (decoded once
// per switch), the control options, the registration of a top-level window with its caption
// buttons and children, and the copies of the skin behind a control that every painter draws on.
#include <algorithm>

#include "core/resource_bytes_win.h"
#include "core/wide_text_win.h"
#include "gfx/pixels_win.h"
#include "skin/backdrop/child_painting_win.h"
#include "skin/families/container/container_painter_win.h"
#include "skin/frame/edge_zones.h"
#include "skin/engine/picture_average.h"
#include "skin/engine/picture_fade_win.h"
#include "skin/engine/skin_engine_win.h"
#include "skin/engine/window_properties_win.h"

namespace yf {
namespace {

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

// A window's record from the registration arguments, before it has a place in the list.
std::unique_ptr<WindowRecord> NewWindowRecord(HWND window, const ApplySkinArgs& args,
                                              PictureMode skinMode) {
    const LONG style = ::GetWindowLongW(window, GWL_STYLE);
    auto record = std::make_unique<WindowRecord>();
    record->hwnd = window;
    record->captionHeight = RaiseCaptionHeight(args.captionHeight);
    record->captionBar = args.captionBar;
    record->dblClickMaximize = args.dblClickMaximize;
    record->showHelp = args.showHelp;
    record->showMenu = args.showMenu;
    record->showMinimize = (style & WS_MINIMIZEBOX) != 0;
    record->showMaximize = (style & WS_MAXIMIZEBOX) != 0;
    record->showTitle = args.showTitle;
    record->backgroundOption = args.backgroundOption;
    record->maxTrackWidth = ::GetSystemMetrics(SM_CXSCREEN);
    record->maxTrackHeight = ::GetSystemMetrics(SM_CYSCREEN);
    record->ownPictureMode = args.ownPictureMode.value_or(skinMode);
    return record;
}

}  // namespace

void SkinEngine::SetControlOptions(const ControlOptions& options) {
    const SkinSettings before = settings_;
    ApplyControlOptions(settings_, options);
    if (settings_.veilAlpha != before.veilAlpha ||
        settings_.transparentControls != before.transparentControls ||
        settings_.controlSkinning != before.controlSkinning ||
        settings_.trackbarChannel != before.trackbarChannel) {
        settingsVersion_ = NextVersion();
    }
}

PreparedPicture SkinEngine::Prepare(gfx::Bitmap picture, PictureMode mode) {
    PreparedPicture prepared;
    prepared.generation = nextGeneration_++;
    if (mode == PictureMode::Stretched) {
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
    if (plan.step == SkinPicturePlan::Step::Stop) return;
    skinImage_ = PreparedPicture{{}, nullptr, nextGeneration_++};
    if (plan.step == SkinPicturePlan::Step::Picture) {
        if (plan.preparation == PicturePreparation::AsGiven) {
            decode();
            skinImage_ = Prepare(std::move(source), settings_.skinMode);
        } else {
            const int variant = plan.preparation == PicturePreparation::FadeLeftAndBottom ? 0 : 1;
            gfx::Bitmap faded;
            if (FadeIntoBitmap(decode(), std::nullopt, settings_.themeColour, variant, faded)) {
                skinImage_ = Prepare(std::move(faded), settings_.skinMode);
            }
        }
    }
    ReskinVisibleWindows();
}

void SkinEngine::ReskinVisibleWindows() {
    for (int index = 1; index <= WindowCount(); ++index) {
        WindowRecord& record = *Record(index);
        if (!::IsWindowVisible(record.hwnd)) {
            // Rendered again when it is next shown.
            record.state.needsRender = true;
            continue;
        }
        RenderWindow(index);
        ::InvalidateRect(record.hwnd, nullptr, FALSE);
        for (HWND child = ::GetWindow(record.hwnd, GW_CHILD); child;
             child = ::GetWindow(child, GW_HWNDNEXT)) {
            if (::IsWindowVisible(child)) ::InvalidateRect(child, nullptr, TRUE);
        }
        if (ChildListBase* headers = record.ChildrenIf(ControlFamily::Headers)) {
            for (HWND header : headers->Handles()) ::InvalidateRect(header, nullptr, FALSE);
        }
    }
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

bool SkinEngine::ApplySkin(const ApplySkinArgs& args) {
    HWND window = static_cast<HWND>(args.window);
    if (!::IsWindow(window) || FindWindowIndex(window) != 0) return false;
    RECT client{};
    ::GetClientRect(window, &client);
    frameMargin_ = kFrameMargin;

    std::unique_ptr<WindowRecord> record = NewWindowRecord(window, args, settings_.skinMode);
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

    ::SetWindowLongW(window, GWL_STYLE, ::GetWindowLongW(window, GWL_STYLE) | WS_SYSMENU);
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
    if (args.statusBarHeight > 0) {
        SetUpStatusBar(index, args.statusBarHeight, args.statusCellWidths);
    }
    LayoutStatusBar(index);
    // The window's own children; those inside containers come with RegisterContainer.
    TakeOverChildren(index, window);

    added.registered = true;
    added.state.needsRender = true;
    added.oldProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowEntry)));
    prop::Set(window, prop::kOldProc, reinterpret_cast<std::intptr_t>(added.oldProc));
    prop::Set(window, prop::kListIndex, index);
    if (skinImage_.decoded) ScheduleFinishing();
    return true;
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

BackgroundSnapshot SkinEngine::TakeBackgroundSnapshot(HWND control, const RECT& rect) {
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
        if (WindowRecord* record = Record(FindWindowIndex(owner))) {
            if (record->windowImage) {
                ::BitBlt(snapshot.Dc(), 0, 0, width, height, record->windowImage.Dc(), x, y,
                         SRCCOPY);
            }
            break;
        }
        if (!(::GetWindowLongW(owner, GWL_STYLE) & WS_CHILD)) break;
    }
    if (ContainerPainter* containers = PainterOf<ContainerPainter>()) {
        containers->LayPanels(snapshot.Dc(), control, rect);
    }
    return snapshot;
}

bool SkinEngine::ComposesItsOwnImage(HWND window) const {
    // The mark is one of windows outside the engine: a window or control the engine skins
    // composes with it, and asking would be a round trip at every paint.
    return !Skins(window) && prop::Get(window, prop::kOwnImageMark) == 1;
}

BackgroundStamp SkinEngine::StampOf(HWND control, const RECT& rect) const {
    BackgroundStamp stamp;
    RECT outer{};
    ::GetWindowRect(control, &outer);
    for (HWND owner = control; owner; owner = ::GetParent(owner)) {
        // A window composing its own image changes it without telling: nothing is kept.
        if (ComposesItsOwnImage(owner)) return stamp;
        if (const int index = FindWindowIndex(owner)) {
            const WindowRecord& record = *windows_[static_cast<std::size_t>(index - 1)];
            if (!record.windowImage) return stamp;
            RECT ownerRect{};
            ::GetWindowRect(owner, &ownerRect);
            stamp.owner = reinterpret_cast<std::uintptr_t>(owner);
            stamp.imageVersion = record.imageVersion;
            stamp.panelsVersion = record.panelsVersion;
            stamp.settingsVersion = settingsVersion_;
            stamp.x = outer.left - ownerRect.left + rect.left;
            stamp.y = outer.top - ownerRect.top + rect.top;
            stamp.width = rect.right - rect.left;
            stamp.height = rect.bottom - rect.top;
            const RECT& bar = record.statusBar.rect;
            const bool inCaption = stamp.y < record.captionHeight;
            const bool inBar = bar.bottom > bar.top && stamp.y + stamp.height > bar.top;
            if (inCaption || inBar) stamp.bandVersion = record.bandVersion;
            stamp.keepable = true;
            return stamp;
        }
        if (!(::GetWindowLongW(owner, GWL_STYLE) & WS_CHILD)) break;
    }
    return stamp;
}

BackgroundSnapshot SkinEngine::TakeVeiledClientSnapshot(HWND control, RECT& area) {
    area = ClientAreaOf(control);
    BackgroundSnapshot snapshot = TakeBackgroundSnapshot(control, area);
    if (!snapshot || settings_.veilAlpha <= 0) return snapshot;
    gfx::Graphics graphics;
    gfx::SolidBrush veil;
    if (graphics.FromHdc(snapshot.Dc()) &&
        veil.Create(gfx::MakeArgb(gfx::kWhiteRef, settings_.veilAlpha))) {
        graphics.FillRectangle(veil, {0, 0, static_cast<float>(snapshot.Width()),
                                      static_cast<float>(snapshot.Height())});
    }
    return snapshot;
}

UniqueBitmap SkinEngine::ControlBackgroundBitmap(HWND control) {
    RECT area;
    BackgroundSnapshot snapshot = TakeVeiledClientSnapshot(control, area);
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

}  // namespace yf
