// Buttons drawn over the skin: push buttons become owner-drawn translucent rounded glass with a
// hover highlight and a pressed look in the accent colour, painted when their parent gets
// WM_DRAWITEM; check boxes and automatic radio buttons keep working as themselves and only
// their painting is replaced. Any push button can also be given pictures: one beside or above
// its caption (a glass button), or one per state.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/graphics_win.h"
#include "gfx/tooltip_win.h"
#include "skin/backdrop/background_snapshot_win.h"
#include "skin/backdrop/background_stamp.h"
#include "skin/backdrop/dib_surface_win.h"
#include "skin/backdrop/face_cache.h"
#include "skin/engine/family_painter_win.h"
#include "skin/engine/family_roles_win.h"
#include "skin/families/button/button_layout.h"

namespace yf {

// What a button's face is composed from.
struct ButtonFaceKey {
    BackgroundStamp background;
    std::uint32_t state = 0;  // the item-state bits the looks depend on
    std::string text;
    gfx::ColourRef textColour = 0;
    bool checked = false;
    gfx::ColourRef accent = 0;
    bool operator==(const ButtonFaceKey&) const = default;
};

struct ButtonRecord : ChildRecord {
    ButtonKind kind = ButtonKind::Push;
    // Normal, hover, pressed and disabled looks (PNG); a glass button uses the first only.
    std::array<std::vector<std::uint8_t>, 4> pictures;
    int value = 0;  // glass button: non-zero puts the picture left of the caption
    std::string text;
    bool focused = false;
    bool checked = false;
    HWND parent = nullptr;
    gfx::ToolTip tooltip;
    ButtonFont font;
    FaceCache<ButtonFaceKey, DibSurface> faces;
};

class ButtonPainter : public FamilyPainter<ButtonPainter, ButtonRecord, ControlFamily::Buttons>,
                      public PictureButtonRole {
  public:
    using FamilyPainter::FamilyPainter;

    // Push buttons first, then check boxes and automatic radio buttons.
    void Install(int windowIndex, HWND parent) override;
    RenderRefresh AfterRender() const override { return RenderRefresh::Repaint; }
    // Composes and keeps the faces the visible buttons will show; copies nothing out.
    void PrepareFaces(WindowRecord& window) override;
    // WM_DRAWITEM of a push or picture button the engine took over.
    bool OnChildMessage(HWND parent, UINT message, WPARAM wParam, LPARAM lParam,
                        LRESULT& result) override;

    void InstallPushButtons(int windowIndex, HWND parent);
    void InstallCheckButtons(int windowIndex, HWND parent);

    // Paints a button outside its paint messages, on its own DC: the given item state, with
    // the hot bit when `hover`.
    void PaintButtonHot(const Ref& ref, std::uint32_t state, bool hover);

    // One picture (a glass button) or one per state (normal, hover, pressed, disabled); false
    // when no ancestor of the button is skinned. A button registered again keeps its record.
    bool RegisterPictureButton(HWND button, std::span<const std::uint8_t> picture, int value,
                               std::string_view tooltip) override;
    bool RegisterStatePictureButton(HWND button, std::span<const std::uint8_t> normal,
                                    std::span<const std::uint8_t> hover,
                                    std::span<const std::uint8_t> pressed,
                                    std::span<const std::uint8_t> disabled,
                                    std::string_view tooltip) override;

    // The family's subclass procedure.
    LRESULT OnMessage(Ref& ref, UINT message, WPARAM wParam, LPARAM lParam);

  private:
    // The face for `state` over `rect` (client coordinates), kept or composed into `fresh`;
    // null when none can be composed.
    const DibSurface* Face(const Ref& ref, std::uint32_t state, const RECT& rect,
                           BackgroundSnapshot& fresh);
    const DibSurface* MarkFace(const Ref& ref, std::uint32_t state, BackgroundSnapshot& fresh);
    void Paint(const Ref& ref, HDC dc, std::uint32_t state, const RECT& rect);
    // The looks of push, glass and picture buttons, drawn over the skin behind the button.
    void DrawPushButton(gfx::Graphics& graphics, const Ref& ref, std::uint32_t state, int width,
                        int height);
    void DrawGlassButton(gfx::Graphics& graphics, const Ref& ref, std::uint32_t state, int width,
                         int height);
    void DrawPictureButton(gfx::Graphics& graphics, const Ref& ref, std::uint32_t state);
    // A check box or radio button on `dc`, or on its own DC when none is given.
    void PaintMark(const Ref& ref, std::uint32_t state, HDC dc = nullptr);
    void DrawMark(gfx::Graphics& graphics, const Ref& ref, std::uint32_t state, int width,
                  int height, bool radio, bool checked);
    void DrawRadioMark(gfx::Graphics& graphics, const CheckMarkLayout& layout, std::uint32_t state,
                       bool checked);
    void DrawCheckMark(gfx::Graphics& graphics, const CheckMarkLayout& layout, std::uint32_t state,
                       bool checked);
    // The state the control is in now: disabled, focused, held down, and hot while the hover
    // tracking names it.
    std::uint32_t CurrentState(const Ref& ref);
    bool RegisterPictures(HWND button, ButtonKind kind,
                          const std::array<std::span<const std::uint8_t>, 4>& pictures, int value,
                          std::string_view tooltip);
    LRESULT OnMarkMessage(Ref& ref, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMarkPaint(Ref& ref);
    LRESULT OnSetText(Ref& ref, WPARAM wParam, LPARAM lParam);
    ButtonFaceKey FaceKeyOf(const Ref& ref, std::uint32_t state, const RECT& outerRect);
};

}  // namespace yf
