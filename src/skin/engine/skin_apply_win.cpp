// Skinning a window: the skin picture turned into the engine-wide prepared image (decoded once
// per switch), the control options, and the registration of a top-level window with its frame
// and its children.
#include <algorithm>

#include "core/wide_text_win.h"
#include "gfx/pixels_win.h"
#include "skin/engine/engine_core_win.h"
#include "skin/engine/picture_average.h"
#include "skin/engine/picture_fade_win.h"
#include "skin/engine/window_procedure_win.h"
#include "skin/engine/window_properties_win.h"
#include "skin/frame/window_frame_win.h"

namespace yf {
namespace {

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

void EngineCore::SetControlOptions(const ControlOptions& options) {
    const SkinSettings before = settings_;
    ApplyControlOptions(settings_, options);
    if (settings_.veilAlpha != before.veilAlpha ||
        settings_.transparentControls != before.transparentControls ||
        settings_.controlSkinning != before.controlSkinning ||
        settings_.trackbarChannel != before.trackbarChannel) {
        settingsVersion_ = NextVersion();
    }
}

PreparedPicture EngineCore::Prepare(gfx::Bitmap picture, PictureMode mode) {
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

void EngineCore::ScheduleFinishing() {
    // A zero-length timer: WM_TIMER comes only once nothing else, paints included, is waiting.
    for (const auto& record : windows_) {
        if (::IsWindow(record->hwnd)) {
            ::SetTimer(record->hwnd, FinishingTimerId(), 0, nullptr);
            return;
        }
    }
}

void EngineCore::FinishPreparation() {
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

void EngineCore::SetSkinPicture(const SkinPictureArgs& args) {
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
    skinImage_ = NoPicture();
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

void EngineCore::ReskinVisibleWindows() {
    for (int index = 1; index <= WindowCount(); ++index) {
        WindowRecord& record = *Record(index);
        if (!::IsWindowVisible(record.hwnd)) {
            // Rendered again when it is next shown.
            record.state.needsRender = true;
            continue;
        }
        record.frame->Render(nullptr, true);
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

bool EngineCore::ApplySkin(const ApplySkinArgs& args) {
    HWND window = static_cast<HWND>(args.window);
    if (!::IsWindow(window) || FindWindowIndex(window) != 0) return false;
    frameMargin_ = kFrameMargin;

    windows_.push_back(NewWindowRecord(window, args, settings_.skinMode));
    WindowRecord& added = *windows_.back();
    const int index = WindowCount();
    added.index = index;
    added.frame = std::make_unique<WindowFrame>(*this, added);
    ::SetWindowLongW(window, GWL_STYLE, ::GetWindowLongW(window, GWL_STYLE) | WS_SYSMENU);
    if (!args.ownPicture.empty()) added.frame->SetPicture(args.ownPicture, added.ownPictureMode);
    // Caption buttons with their glyphs and tooltips, then the status bar.
    added.frame->SetUpCaption();
    if (args.statusBarHeight > 0) {
        added.frame->SetUpStatusBar(args.statusBarHeight, args.statusCellWidths);
    }
    added.frame->LayoutStatusBar();
    // The window's own children; those inside containers come with RegisterContainer.
    TakeOverChildren(index, window);

    added.registered = true;
    added.state.needsRender = true;
    added.oldProc = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(
        window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SkinnedWindowProcedure::Entry())));
    prop::Set(window, prop::kOldProc, reinterpret_cast<std::intptr_t>(added.oldProc));
    prop::Set(window, prop::kListIndex, index);
    if (skinImage_.decoded) ScheduleFinishing();
    return true;
}

}  // namespace yf
