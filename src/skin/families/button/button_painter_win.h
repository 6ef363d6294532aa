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
#include "skin/families/button/button_layout.h"
#include "skin/engine/family_painter_win.h"
#include "skin/backdrop/dib_surface_win.h"
#include "skin/backdrop/face_cache.h"

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

class ButtonPainter : public FamilyPainter<ButtonPainter, ButtonRecord, ControlFamily::Buttons> {
  public:
    using FamilyPainter::FamilyPainter;

    // Push buttons first, then check boxes and automatic radio buttons.
    void Install(int windowIndex, HWND parent) override;
    RenderRefresh AfterRender() const override { return RenderRefresh::Repaint; }
    void PrepareFaces(int windowIndex) override;
    // WM_DRAWITEM of a push or picture button the engine took over.
    bool OnChildMessage(HWND parent, UINT message, WPARAM wParam, LPARAM lParam,
                        LRESULT& result) override;

    void InstallPushButtons(int windowIndex, HWND parent);
    void InstallCheckButtons(int windowIndex, HWND parent);

    // Paints a button outside its paint messages, on its own DC: the given item state, with
    // the hot bit when `hover`. Nothing for a button the engine has not taken over.
    void PaintButtonHot(HWND button, std::uint32_t state, bool hover);

    // One picture (a glass button) or one per state (normal, hover, pressed, disabled); false
    // when no ancestor of the button is skinned. A button registered again keeps its record.
    bool RegisterPictureButton(HWND button, std::span<const std::uint8_t> picture, int value,
                               std::string_view tooltip);
    bool RegisterStatePictureButton(HWND button, std::span<const std::uint8_t> normal,
                                    std::span<const std::uint8_t> hover,
                                    std::span<const std::uint8_t> pressed,
                                    std::span<const std::uint8_t> disabled,
                                    std::string_view tooltip);

    // The family's subclass procedure.
    LRESULT OnMessage(Ref& ref, UINT message, WPARAM wParam, LPARAM lParam);

  protected:
    // A picture button's tooltip goes with the button, not with its window.
    void Forget(HWND control) override;

  private:
    void Paint(const Ref& ref, HDC dc, std::uint32_t state, const RECT& rect);
    // The looks of push, glass and picture buttons, drawn over the skin behind the button.
    void DrawPushButton(gfx::Graphics& graphics, const Ref& ref, std::uint32_t state, int width,
                        int height);
    void DrawGlassButton(gfx::Graphics& graphics, const Ref& ref, std::uint32_t state, int width,
                         int height);
    void DrawPictureButton(gfx::Graphics& graphics, const Ref& ref, std::uint32_t state);
    void PaintCheckBox(const Ref& ref, std::uint32_t state, HDC dc = nullptr);
    void PaintRadio(const Ref& ref, std::uint32_t state, HDC dc = nullptr);
    void PaintMark(const Ref& ref, std::uint32_t state, HDC dc, bool radio);
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
    // Copies the face kept for `key` to `dc` at (x, y) (the button's own DC when null); false
    // when none is kept and the face is to be composed.
    bool ShowKept(const Ref& ref, const ButtonFaceKey& key, HDC dc, int x, int y);
    // Copies a freshly composed face out and keeps it.
    void ShowAndKeep(const Ref& ref, const ButtonFaceKey& key, HDC dc, int x, int y,
                     BackgroundSnapshot composed);

    bool preparing_ = false;  // PrepareFaces: compose and keep, copy nothing out
};

}  // namespace yf
