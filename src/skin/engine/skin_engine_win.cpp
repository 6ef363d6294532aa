// Each operation of the table, handed to the part that carries it out.
#include "skin/engine/skin_engine_win.h"

#include "skin/engine/window_procedure_win.h"
#include "skin/engine/window_properties_win.h"
#include "skin/frame/window_frame_win.h"

namespace yf {

SkinEngine::SkinEngine(HINSTANCE module, IconResource icon)
    : core_(std::make_unique<EngineCore>(module, icon)) {}

SkinEngine::~SkinEngine() = default;

LRESULT SkinEngine::SkinWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    PassOn passOn = PassOn::ToPropertyProcedure(window, message, wParam, lParam, prop::kOldProc);
    return core_->Procedure().Handle(passOn);
}

void SkinEngine::CaptionClick(int index, int button) {
    if (WindowFrame* frame = core_->FrameAt(index)) frame->CaptionClick(button);
}

bool SkinEngine::ApplySkin(const ApplySkinArgs& args) {
    return core_->ApplySkin(args);
}

bool SkinEngine::AddCaptionButton(HWND window, std::span<const std::uint8_t> picture,
                                  std::string_view tooltip, std::function<void()> callback) {
    WindowFrame* frame = core_->FrameOf(window);
    return frame && frame->AddCaptionButton(picture, tooltip, std::move(callback));
}

bool SkinEngine::SetTitleStyle(HWND window, std::optional<std::string> font,
                               std::optional<int> size, std::optional<gfx::ColourRef> colour,
                               std::optional<gfx::ColourRef> haloColour, std::optional<int> style) {
    WindowFrame* frame = core_->FrameOf(window);
    if (frame) frame->SetTitleStyle(std::move(font), size, colour, haloColour, style);
    return frame != nullptr;
}

bool SkinEngine::SetWindowPicture(HWND window, std::span<const std::uint8_t> bytes,
                                  std::optional<PictureMode> mode) {
    WindowFrame* frame = core_->FrameOf(window);
    return frame && frame->SetPicture(bytes, mode);
}

void SkinEngine::SetSkinPicture(const SkinPictureArgs& args) {
    core_->SetSkinPicture(args);
}

void SkinEngine::SetControlOptions(const ControlOptions& options) {
    core_->SetControlOptions(options);
}

void SkinEngine::RenderWindow(int index, HDC target, bool showNow) {
    if (WindowFrame* frame = core_->FrameAt(index)) frame->Render(target, showNow);
}

void SkinEngine::ShowCachedImage(int index, HDC dc) {
    if (WindowFrame* frame = core_->FrameAt(index)) frame->ShowCachedImage(dc);
}

void SkinEngine::PaintBackground(int index, gfx::Graphics* gloss) {
    if (WindowFrame* frame = core_->FrameAt(index)) frame->PaintBackground(gloss);
}

void SkinEngine::PaintOutline(gfx::Graphics& graphics, int width, int height) {
    WindowFrame::PaintOutline(graphics, width, height);
}

void SkinEngine::PaintStripSeparators(int index, int button, gfx::Graphics& graphics) {
    if (WindowFrame* frame = core_->FrameAt(index)) frame->PaintStripSeparators(button, graphics);
}

void SkinEngine::RestoreTopBand(int index, const RECT& rect) {
    if (WindowFrame* frame = core_->FrameAt(index)) frame->RestoreTopBand(rect);
}

void SkinEngine::RestoreStatusBand(int index, const RECT& rect) {
    if (WindowFrame* frame = core_->FrameAt(index)) frame->RestoreStatusBand(rect);
}

void SkinEngine::PaintCaptionButton(int index, int button, gfx::Graphics* onImage, bool pressed,
                                    int opacity) {
    if (WindowFrame* frame = core_->FrameAt(index)) {
        frame->PaintCaptionButton(button, onImage, pressed, opacity);
    }
}

void SkinEngine::PaintButtonHighlight(gfx::Graphics& graphics, int index, int button, int opacity) {
    if (WindowFrame* frame = core_->FrameAt(index)) {
        frame->PaintButtonHighlight(graphics, button, opacity);
    }
}

void SkinEngine::LayoutCaptionButtons(int index) {
    if (WindowFrame* frame = core_->FrameAt(index)) frame->LayoutCaptionButtons();
}

int SkinEngine::CaptionHitTest(int index, int x, int y) {
    WindowFrame* frame = core_->FrameAt(index);
    return frame ? frame->CaptionHitTest(x, y) : 0;
}

int SkinEngine::MaximizeButtonIndex(int index) {
    WindowFrame* frame = core_->FrameAt(index);
    return frame ? frame->MaximizeButtonIndex() : 0;
}

void SkinEngine::BeginMoveOrResize(int index, LPARAM position, const RECT& client) {
    if (WindowFrame* frame = core_->FrameAt(index)) frame->BeginMoveOrResize(position, client);
}

void SkinEngine::SetBorderCursor(int index, LPARAM position, const RECT& client) {
    if (WindowFrame* frame = core_->FrameAt(index)) frame->SetBorderCursor(position, client);
}

bool SkinEngine::SetHelpCallback(HWND window, std::function<void()> callback) {
    WindowFrame* frame = core_->FrameOf(window);
    if (frame) frame->SetHelpCallback(std::move(callback));
    return frame != nullptr;
}

bool SkinEngine::SetMenuCallback(HWND window, std::function<void()> callback) {
    WindowFrame* frame = core_->FrameOf(window);
    if (frame) frame->SetMenuCallback(std::move(callback));
    return frame != nullptr;
}

void SkinEngine::PaintTitle(int index, gfx::Graphics* onImage, std::optional<std::string> text) {
    if (WindowFrame* frame = core_->FrameAt(index)) frame->PaintTitle(onImage, std::move(text));
}

void SkinEngine::SetUpStatusBar(int index, int height, std::span<const int> widths) {
    if (WindowFrame* frame = core_->FrameAt(index)) frame->SetUpStatusBar(height, widths);
}

void SkinEngine::LayoutStatusBar(int index) {
    if (WindowFrame* frame = core_->FrameAt(index)) frame->LayoutStatusBar();
}

void SkinEngine::PaintStatusCell(int index, gfx::Graphics* onImage, int cell) {
    if (WindowFrame* frame = core_->FrameAt(index)) frame->PaintStatusCell(onImage, cell);
}

bool SkinEngine::SetStatusCell(HWND window, int cell, std::string_view text,
                               std::optional<std::span<const std::uint8_t>> picture,
                               std::optional<gfx::ColourRef> colour) {
    WindowFrame* frame = core_->FrameOf(window);
    return frame && frame->SetStatusCell(cell, text, picture, colour);
}

bool SkinEngine::SetStatusTextStyle(HWND window, const BarTextStyleArgs& style) {
    WindowFrame* frame = core_->FrameOf(window);
    if (frame) frame->SetStatusTextStyle(style);
    return frame != nullptr;
}

bool SkinEngine::RegisterPictureButton(HWND button, std::span<const std::uint8_t> picture,
                                       int value, std::string_view tooltip) {
    PictureButtonRole* buttons = core_->Roles().pictureButtons;
    return buttons && buttons->RegisterPictureButton(button, picture, value, tooltip);
}

bool SkinEngine::RegisterStatePictureButton(HWND button, std::span<const std::uint8_t> normal,
                                            std::span<const std::uint8_t> hover,
                                            std::span<const std::uint8_t> pressed,
                                            std::span<const std::uint8_t> disabled,
                                            std::string_view tooltip) {
    PictureButtonRole* buttons = core_->Roles().pictureButtons;
    return buttons &&
           buttons->RegisterStatePictureButton(button, normal, hover, pressed, disabled, tooltip);
}

int SkinEngine::RegisterContainer(HWND control, bool painted, gfx::ColourRef colour, int alpha,
                                  bool border) {
    ContainerRole* containers = core_->Roles().containers;
    return containers ? containers->RegisterContainer(control, painted, colour, alpha, border) : 0;
}

bool SkinEngine::SetContainerAlpha(HWND control, int alpha) {
    ContainerRole* containers = core_->Roles().containers;
    return containers && containers->SetContainerAlpha(control, alpha);
}

RECT SkinEngine::GetStripRect(HWND window) {
    WindowFrame* frame = core_->FrameOf(window);
    return frame ? frame->StripRect() : RECT{};
}

int SkinEngine::RegisterKeyedControl(HWND control, std::optional<gfx::ColourRef> keyColour,
                                     gfx::ColourRef panelColour, int panelAlpha) {
    KeyedRole* keyed = core_->Roles().keyed;
    return keyed ? keyed->RegisterKeyedControl(control, keyColour, panelColour, panelAlpha) : 0;
}

void SkinEngine::RelayoutDocked(int index) {
    if (WindowFrame* frame = core_->FrameAt(index)) frame->RelayoutDocked();
}

void SkinEngine::SetControlTextColour(HWND control, gfx::ColourRef colour) {
    core_->SetControlTextColour(control, colour);
}

gfx::ColourRef SkinEngine::GetThemeColour() const {
    return core_->Settings().themeColour;
}

bool SkinEngine::SetCaptionGlyphs(HWND window, std::span<const std::uint8_t> minimize,
                                  std::span<const std::uint8_t> maximize,
                                  std::span<const std::uint8_t> restore,
                                  std::span<const std::uint8_t> close) {
    WindowFrame* frame = core_->FrameOf(window);
    return frame && frame->SetCaptionGlyphs(minimize, maximize, restore, close);
}

}  // namespace yf
