#include "skin/families/button/button_painter_win.h"

#include <algorithm>

#include "core/wide_text_win.h"
#include "gfx/text_win.h"
#include "skin/backdrop/backdrop_win.h"
#include "skin/backdrop/control_area_win.h"
#include "skin/drawing_win.h"
#include "skin/engine/engine_core_win.h"
#include "skin/shapes.h"

namespace yf {
namespace {

// The glow of a focused push button and of a hot check mark is this colour whatever the skin's
// accent colour is.
constexpr gfx::ColourRef kGlowColour = 0xDDCA22;
constexpr gfx::ColourRef kDisabledFace = gfx::MakeColourRef(192, 192, 192);
constexpr float kButtonCorner = 5;
constexpr std::size_t kNormal = 0, kHover = 1, kPressed = 2, kDisabled = 3;

gfx::RectF ToF(const RECT& rect) {
    return {static_cast<float>(rect.left), static_cast<float>(rect.top),
            static_cast<float>(rect.right - rect.left), static_cast<float>(rect.bottom - rect.top)};
}

gfx::Argb Argb(gfx::ColourRef colour, int alpha) {
    return gfx::MakeArgb(colour, alpha);
}

// A fill from `from` to `to`; nothing when the two points coincide (GDI+ refuses such a brush).
bool FillFigure(gfx::Graphics& graphics, const gfx::Figure& figure, gfx::PointF from,
                gfx::PointF to, gfx::Argb start, gfx::Argb end) {
    gfx::GraphicsPath path;
    gfx::LinearGradientBrush brush;
    return !(from == to) && path.Create() && path.AddFigure(figure) &&
           brush.Create(from, to, start, end) && graphics.FillPath(brush, path);
}

bool FillRound(gfx::Graphics& graphics, const gfx::RectF& r, float corner, gfx::PointF from,
               gfx::PointF to, gfx::Argb start, gfx::Argb end) {
    return FillFigure(graphics, RoundRectFigure(r.x, r.y, r.width, r.height, corner), from, to,
                      start, end);
}

bool FillRoundSolid(gfx::Graphics& graphics, const gfx::RectF& r, float corner, gfx::Argb colour) {
    gfx::SolidBrush brush;
    return brush.Create(colour) && FillRoundRect(graphics, brush, r, corner);
}

// The open cap over the top of a push button: up the left side, round the top corners, down
// the right side to `cap.height`.
gfx::Figure GlossCap(const gfx::RectF& cap, float corner) {
    const float r = ClampCornerRadius(corner);
    const float right = cap.x + cap.width;
    const float bottom = cap.y + cap.height;
    gfx::Figure figure;
    figure.segments = {
        gfx::LineSegment{{cap.x, bottom}, {cap.x, cap.y + r / 2}},
        gfx::ArcSegment{{cap.x, cap.y, r, r}, 180, 90},
        gfx::LineSegment{{cap.x + r / 2, cap.y}, {right - r / 2, cap.y}},
        gfx::ArcSegment{{right - r, cap.y, r, r}, 270, 90},
        gfx::LineSegment{{right, cap.y + r / 2}, {right, bottom}},
    };
    return figure;
}

// The caption in the button's font and its text colour ("Kj_Ztys", black when absent).
void DrawCaption(gfx::Graphics& graphics, HWND control, const std::string& text,
                 const ButtonFont& given, const gfx::RectF& layout, gfx::gp::StringAlignment across,
                 gfx::gp::StringAlignment down, bool ellipsis = false) {
    if (text.empty() || layout.width <= 0 || layout.height <= 0) return;
    const ButtonFont font = WithDefaultFont(given);
    gfx::Font face;
    gfx::StringFormat format;
    gfx::SolidBrush ink;
    const auto colour = static_cast<gfx::ColourRef>(prop::Get(control, prop::kTextColour));
    if (!face.Create(font.name, static_cast<float>(font.size), font.style, gfx::gp::UnitWorld) ||
        !format.Create() || !ink.Create(gfx::MakeArgb(colour))) {
        return;
    }
    format.SetAlignment(across);
    format.SetLineAlignment(down);
    if (ellipsis) format.SetTrimming(gfx::gp::StringTrimmingEllipsisCharacter);
    graphics.DrawString(text, face, layout, &format, ink);
}

// A picture of the record, decoded for this paint; empty when it has none or it does not
// decode (the button is then painted without it).
gfx::Bitmap Decode(const std::vector<std::uint8_t>& bytes) {
    gfx::Bitmap picture;
    if (!bytes.empty()) picture.FromBytes(bytes);
    return picture;
}

bool DrawAtNaturalSize(gfx::Graphics& graphics, const gfx::Bitmap& picture, float x, float y) {
    return picture && graphics.DrawImageRect(picture, {x, y, static_cast<float>(picture.Width()),
                                                       static_cast<float>(picture.Height())});
}

ButtonFont ReadFont(HWND control) {
    const auto font = reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0));
    WindowDc dc(control);
    gfx::Font converted;
    gfx::FontFamily family;
    ButtonFont result;
    if (font && converted.FromDc(dc.get(), font) && converted.GetFamily(family)) {
        result = {family.Name(), static_cast<int>(converted.Size()), converted.Style()};
    }
    return result;
}

std::uint32_t StyleOf(HWND control) {
    return static_cast<std::uint32_t>(::GetWindowLongW(control, GWL_STYLE));
}

void MakeOwnerDrawn(HWND control) {
    ::SetWindowLongW(control, GWL_STYLE, static_cast<LONG>(StyleOf(control) | kOwnerDrawStyle));
}

// Where the client rectangle `rect` lies in the control's outer coordinates.
RECT InOuter(HWND control, const RECT& rect) {
    const RECT client = ClientAreaOf(control);
    RECT outer = rect;
    ::OffsetRect(&outer, client.left, client.top);
    return outer;
}

bool IsMarkKind(ButtonKind kind) {
    return kind == ButtonKind::CheckBox || kind == ButtonKind::Radio;
}

}  // namespace

void ButtonPainter::Install(int windowIndex, HWND parent) {
    InstallPushButtons(windowIndex, parent);
    InstallCheckButtons(windowIndex, parent);
}

void ButtonPainter::InstallPushButtons(int windowIndex, HWND parent) {
    for (HWND button = ::FindWindowExW(parent, nullptr, L"Button", nullptr); button;
         button = ::FindWindowExW(parent, button, L"Button", nullptr)) {
        if (KindForStyle(StyleOf(button)) != ButtonKind::Push || Holds(windowIndex, button)) {
            continue;
        }
        const Ref added = TakeOver(windowIndex, button);
        if (!added) continue;
        added.record->kind = ButtonKind::Push;
        added.record->text = WindowText(button);
        added.record->parent = parent;
        MakeOwnerDrawn(button);
        added.record->font = WithDefaultFont(ReadFont(button));
        ::InvalidateRect(button, nullptr, TRUE);
    }
}

void ButtonPainter::InstallCheckButtons(int windowIndex, HWND parent) {
    for (HWND button = ::FindWindowExW(parent, nullptr, L"Button", nullptr); button;
         button = ::FindWindowExW(parent, button, L"Button", nullptr)) {
        const auto kind = KindForStyle(StyleOf(button));
        // A control subclassed twice would call itself.
        if (!kind || !IsMarkKind(*kind) || Holds(windowIndex, button)) continue;
        const bool checked = ::SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
        const Ref added = TakeOver(windowIndex, button);
        if (!added) continue;
        ButtonRecord& record = *added.record;
        record.kind = *kind;
        record.text = WindowText(button);
        record.checked = checked;
        record.parent = parent;
        // A caption without a readable font would not show at all: it gets the push buttons'
        // default.
        record.font = WithDefaultFont(ReadFont(button));
        ::InvalidateRect(button, nullptr, TRUE);
    }
}

std::uint32_t ButtonPainter::CurrentState(const Ref& ref) {
    std::uint32_t state = 0;
    if (!::IsWindowEnabled(ref.control)) state |= kItemDisabled;
    if (ref.record->focused) state |= kItemFocus;
    if (::SendMessageW(ref.control, BM_GETSTATE, 0, 0) & BST_PUSHED) state |= kItemPressed;
    if (IsHotNow(ref, kButtonHotKind)) state |= kItemHot;
    return state;
}

bool ButtonPainter::OnChildMessage(HWND, UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message != WM_DRAWITEM || !lParam) return false;
    const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (item.CtlType != ODT_BUTTON) return false;
    const Ref ref = Find(item.hwndItem);
    // Buttons that were owner-drawn before the engine came keep their owner's painting.
    if (!ref || IsMarkKind(ref.record->kind)) return false;
    std::uint32_t state = item.itemState;
    // The system knows nothing of the hover: a repaint it asks for keeps the hot look.
    if (IsHotNow(ref, kButtonHotKind)) state |= kItemHot;
    Paint(ref, item.hDC, state, item.rcItem);
    result = TRUE;
    return true;
}

void ButtonPainter::PaintButtonHot(const Ref& ref, std::uint32_t state, bool hover) {
    if (hover) state |= kItemHot;
    if (IsMarkKind(ref.record->kind)) {
        PaintMark(ref, state);
        return;
    }
    RECT client{};
    ::GetClientRect(ref.control, &client);
    WindowDc dc(ref.control);
    Paint(ref, dc.get(), state, client);
}

const DibSurface* ButtonPainter::Face(const Ref& ref, std::uint32_t state, const RECT& rect,
                                      BackgroundSnapshot& fresh) {
    if (!GdiplusRunning() || rect.right <= rect.left || rect.bottom <= rect.top) return nullptr;
    const ButtonKind kind = ref.record->kind;
    if (IsMarkKind(kind)) return MarkFace(ref, state, fresh);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const RECT outerRect = InOuter(ref.control, {0, 0, width, height});
    return backdrop_.KeptFace(ref.control, outerRect, ref.record->faces,
                              FaceKeyOf(ref, state, outerRect), fresh, [&](HDC surface) {
                                  gfx::Graphics graphics;
                                  if (!graphics.FromHdc(surface)) return;
                                  if (kind == ButtonKind::Push) {
                                      DrawPushButton(graphics, ref, state, width, height);
                                  } else if (kind == ButtonKind::Glass) {
                                      DrawGlassButton(graphics, ref, state, width, height);
                                  } else {
                                      DrawPictureButton(graphics, ref, state);
                                  }
                              });
}

void ButtonPainter::Paint(const Ref& ref, HDC dc, std::uint32_t state, const RECT& rect) {
    if (!dc) return;
    BackgroundSnapshot fresh;
    const DibSurface* face = Face(ref, state, rect, fresh);
    if (!face) return;
    const int x = IsMarkKind(ref.record->kind) ? 0 : rect.left;
    const int y = IsMarkKind(ref.record->kind) ? 0 : rect.top;
    ::BitBlt(dc, x, y, face->Width(), face->Height(), face->Dc(), 0, 0, SRCCOPY);
}

void ButtonPainter::DrawPushButton(gfx::Graphics& graphics, const Ref& ref, std::uint32_t state,
                                   int width, int height) {
    const PushButtonShape shape = LayoutPushButton(0, 0, width, height);
    const PushButtonLook look = ChoosePushLook(state);
    const gfx::ColourRef accent = Settings().accentColour;
    const gfx::RectF& body = shape.body;
    const gfx::PointF top{body.x, body.y};
    const gfx::PointF bottom{body.x, body.y + static_cast<float>(height - 1)};

    FillRoundSolid(graphics, body, kButtonCorner, Argb(gfx::kWhiteRef, 120));
    if (look.disabled) {
        gfx::SolidBrush grey;
        if (grey.Create(gfx::MakeArgb(kDisabledFace))) {
            graphics.FillRectangle(grey,
                                   {0, 0, static_cast<float>(width), static_cast<float>(height)});
        }
        DrawRoundRect(graphics, Argb(gfx::kBlackRef, 80), 1, body, kButtonCorner);
    } else {
        FillRound(graphics, body, kButtonCorner, top, bottom, Argb(gfx::kWhiteRef, 0),
                  Argb(gfx::MakeColourRef(128, 128, 128), 60));
        FillFigure(graphics, GlossCap(shape.gloss, kButtonCorner), top,
                   {shape.gloss.x, shape.gloss.y + shape.gloss.height}, Argb(gfx::kWhiteRef, 50),
                   Argb(gfx::kWhiteRef, 10));
        switch (look.outline) {
            case PushButtonLook::Outline::Hot:
                FillRound(graphics, body, kButtonCorner, top, bottom, Argb(accent, 60),
                          Argb(accent, 10));
                DrawRoundRect(graphics, Argb(accent, 255), 1, body, kButtonCorner);
                break;
            case PushButtonLook::Outline::Focus:
                for (const float width3 : {1.0f, 2.0f, 3.0f}) {
                    DrawRoundRect(graphics, Argb(kGlowColour, 120), width3, body, kButtonCorner);
                }
                DrawRoundRect(graphics, Argb(gfx::kBlackRef, 70), 1, body, kButtonCorner);
                break;
            case PushButtonLook::Outline::Plain:
                DrawRoundRect(graphics, Argb(gfx::kBlackRef, 120), 1, body, kButtonCorner);
                break;
        }
        if (look.pressed) {
            FillRound(graphics, shape.pressed, kButtonCorner, {2, 2},
                      {2, static_cast<float>(height - 2)}, Argb(accent, 60),
                      Argb(gfx::kWhiteRef, 100));
        }
    }
    DrawCaption(graphics, ref.control, ref.record->text, ref.record->font, shape.caption,
                gfx::gp::StringAlignmentCenter, gfx::gp::StringAlignmentCenter);
}

void ButtonPainter::DrawGlassButton(gfx::Graphics& graphics, const Ref& ref, std::uint32_t state,
                                    int width, int height) {
    const auto w = static_cast<float>(width);
    const auto h = static_cast<float>(height);
    const ButtonRecord& record = *ref.record;
    const bool hot = state & kItemHot;
    const bool focused = state & kItemFocus;
    if (state & kItemDisabled) {
        FillRound(graphics, {2, 2, w - 6, h - 6}, kButtonCorner, {1, 1}, {1, h},
                  Argb(gfx::MakeColourRef(128, 128, 128), 50), Argb(gfx::kWhiteRef, 0));
    } else {
        if (hot) {
            FillRound(graphics, {2, 1, w - 5, h - 4}, 2, {1, 1}, {1, h - 4},
                      Argb(gfx::kWhiteRef, 50), Argb(gfx::kWhiteRef, 40));
            // A bright line along the bottom that fades out towards both ends.
            gfx::LinearGradientBrush line;
            gfx::Pen pen;
            if (w > 2 &&
                line.Create({1, 1}, {w - 1, 1}, Argb(gfx::kWhiteRef, 10),
                            Argb(gfx::kWhiteRef, 255)) &&
                line.SetLinearBlend(0.5f, 0.8f) && pen.FromBrush(line, 2)) {
                graphics.DrawLine(pen, 1, h - 4, w - 1, h - 4);
            }
        }
        if (hot || focused) {
            FillRound(graphics, {2, 2, w - 5, h - 5}, 2, {2, 3}, {2, h}, Argb(gfx::kWhiteRef, 60),
                      Argb(gfx::kWhiteRef, 50));
            DrawRoundRect(graphics, Argb(gfx::kBlackRef, 60), 1, {0, 0, w - 2, h - 2},
                          kButtonCorner);
            DrawRoundRect(graphics, Argb(gfx::kWhiteRef, 120), 1, {1, 1, w - 4, h - 4},
                          kButtonCorner);
        }
    }
    const gfx::Bitmap picture = Decode(record.pictures[kNormal]);
    const GlassLayout layout =
        LayoutGlassButton(width, height, record.value != 0, static_cast<bool>(picture),
                          !record.text.empty(), WithDefaultFont(record.font).size);
    if (layout.drawPicture) {
        graphics.SetInterpolationMode(gfx::gp::InterpolationModeHighQualityBicubic);
        graphics.DrawImageRect(picture, layout.picture);
    }
    using Align = GlassLayout::Align;
    const auto across = layout.align == Align::LeftMiddle ? gfx::gp::StringAlignmentNear
                                                          : gfx::gp::StringAlignmentCenter;
    const auto down = layout.align == Align::CentreTop ? gfx::gp::StringAlignmentNear
                                                       : gfx::gp::StringAlignmentCenter;
    DrawCaption(graphics, ref.control, record.text, record.font, layout.caption, across, down,
                layout.align == Align::CentreTop);
}

void ButtonPainter::DrawPictureButton(gfx::Graphics& graphics, const Ref& ref,
                                      std::uint32_t state) {
    const auto& pictures = ref.record->pictures;
    const PictureButtonLook look =
        ChoosePictureLook(state, !pictures[kHover].empty(), !pictures[kPressed].empty(),
                          !pictures[kDisabled].empty());
    const gfx::Bitmap normal = Decode(pictures[kNormal]);
    const auto w = static_cast<float>(normal ? normal.Width() : 0);
    const auto h = static_cast<float>(normal ? normal.Height() : 0);
    const gfx::ColourRef accent = Settings().accentColour;
    using Frame = PictureButtonLook::Frame;
    switch (look.frame) {
        case Frame::Disabled:
            DrawRoundRect(graphics, Argb(gfx::kBlackRef, 80), 1, {0, 0, w + 2, h + 2},
                          kButtonCorner);
            FillRound(graphics, {0, 0, w + 2, h + 2}, kButtonCorner, {0, 0}, {0, h + 2},
                      Argb(gfx::kWhiteRef, 60), Argb(gfx::kBlackRef, 100));
            break;
        case Frame::Hot:
        case Frame::Pressed: {
            const bool hot = look.frame == Frame::Hot;
            DrawRoundRect(graphics, Argb(accent, 250), 1, {0, 0, w + 3, h + 3}, 3);
            FillRound(graphics, {0, 0, w + 3, h + 3}, 3, {0, 0}, {0, h + 3},
                      hot ? Argb(gfx::kWhiteRef, 120) : Argb(gfx::kBlackRef, 60),
                      hot ? Argb(accent, 100) : Argb(gfx::kWhiteRef, 100));
            break;
        }
        case Frame::None:
            break;
    }
    const std::size_t face = look.face == PictureFace::Hover      ? kHover
                             : look.face == PictureFace::Pressed  ? kPressed
                             : look.face == PictureFace::Disabled ? kDisabled
                                                                  : kNormal;
    if (face == kNormal) {
        DrawAtNaturalSize(graphics, normal, 2, 2);
    } else {
        DrawAtNaturalSize(graphics, Decode(pictures[face]), 2, 2);
    }
}

void ButtonPainter::DrawRadioMark(gfx::Graphics& graphics, const CheckMarkLayout& layout,
                                  std::uint32_t state, bool checked) {
    const gfx::ColourRef accent = Settings().accentColour;
    const gfx::RectF& box = layout.box;
    const gfx::PointF boxTop{box.x, box.y};
    const gfx::PointF boxBottom{box.x, box.y + box.height};
    graphics.SetSmoothingMode(gfx::gp::SmoothingModeAntiAlias);
    gfx::GraphicsPath ring, inner;
    gfx::Pen ringPen, whitePen;
    gfx::SolidBrush white;
    gfx::LinearGradientBrush shade;
    if (ring.Create() && ring.AddEllipse(box) && ringPen.Create(Argb(gfx::kBlackRef, 200), 1)) {
        graphics.DrawPath(ringPen, ring);
    }
    const gfx::RectF& disc = layout.inner;
    if (inner.Create() && inner.AddEllipse(disc) && white.Create(Argb(gfx::kWhiteRef, 255)) &&
        whitePen.Create(Argb(gfx::kWhiteRef, 255), 1)) {
        graphics.FillPath(white, inner);
        graphics.DrawPath(whitePen, inner);
        if (shade.Create({disc.x, disc.y}, {disc.x, disc.y + disc.height},
                         Argb(gfx::kBlackRef, 100), Argb(gfx::kBlackRef, 0))) {
            graphics.FillPath(shade, inner);
        }
    }
    if (state & kItemHot) {
        gfx::LinearGradientBrush light;
        if (light.Create(boxTop, boxBottom, Argb(accent, 100), Argb(gfx::kBlackRef, 0))) {
            graphics.FillPath(light, ring);
        }
        for (const float penWidth : {1.0f, 2.0f}) {
            gfx::Pen glow;
            if (glow.Create(Argb(kGlowColour, 30), penWidth)) graphics.DrawPath(glow, ring);
        }
    }
    if (checked) {
        gfx::GraphicsPath dot;
        gfx::PathGradientBrush centre;
        gfx::Pen rim;
        const gfx::Argb edge[] = {gfx::MakeArgb(gfx::MakeColourRef(0, 128, 128))};
        if (dot.Create() && dot.AddEllipse(layout.dot) && centre.FromPath(dot) &&
            centre.SetCenterColor(Argb(gfx::kWhiteRef, 100)) && centre.SetSurroundColors(edge)) {
            graphics.FillPath(centre, dot);
        }
        if (rim.Create(Argb(gfx::kBlackRef, 200), 1)) graphics.DrawPath(rim, dot);
    }
}

void ButtonPainter::DrawCheckMark(gfx::Graphics& graphics, const CheckMarkLayout& layout,
                                  std::uint32_t state, bool checked) {
    const gfx::ColourRef accent = Settings().accentColour;
    const gfx::RectF& box = layout.box;
    const gfx::PointF boxTop{box.x, box.y};
    const gfx::PointF boxBottom{box.x, box.y + box.height};
    const gfx::Bitmap square = LoadGlyph(L"CHECK_BOX", core_.Module());
    DrawAtNaturalSize(graphics, square, box.x, box.y);
    if (checked) {
        DrawAtNaturalSize(graphics, LoadGlyph(L"CHECK_MARK", core_.Module()), box.x, box.y);
    }
    if (state & kItemHot) {
        gfx::LinearGradientBrush light;
        if (light.Create(boxTop, boxBottom, Argb(accent, 100), Argb(gfx::kBlackRef, 0))) {
            graphics.FillRectangle(light, box);
        }
        for (const float penWidth : {1.0f, 2.0f}) {
            gfx::Pen glow;
            if (glow.Create(Argb(kGlowColour, 30), penWidth)) graphics.DrawRectangle(glow, box);
        }
    }
}

void ButtonPainter::PaintMark(const Ref& ref, std::uint32_t state, HDC dc) {
    RECT client{};
    ::GetClientRect(ref.control, &client);
    if (dc) {
        Paint(ref, dc, state, client);
    } else {
        WindowDc own(ref.control);
        Paint(ref, own.get(), state, client);
    }
}

const DibSurface* ButtonPainter::MarkFace(const Ref& ref, std::uint32_t state,
                                          BackgroundSnapshot& fresh) {
    RECT client{};
    ::GetClientRect(ref.control, &client);
    const int width = client.right;
    const int height = client.bottom;
    if (width <= 0 || height <= 0) return nullptr;
    const bool radio = ref.record->kind == ButtonKind::Radio;
    const bool checked = ::SendMessageW(ref.control, BM_GETCHECK, 0, 0) == BST_CHECKED;
    ref.record->checked = checked;
    const RECT outerRect = InOuter(ref.control, client);
    const ButtonFaceKey key = FaceKeyOf(ref, state, outerRect);
    return backdrop_.KeptFace(ref.control, outerRect, ref.record->faces, key, fresh,
                              [&](HDC surface) {
                                  gfx::Graphics graphics;
                                  if (graphics.FromHdc(surface)) {
                                      DrawMark(graphics, ref, state, width, height, radio, checked);
                                  }
                              });
}

void ButtonPainter::DrawMark(gfx::Graphics& graphics, const Ref& ref, std::uint32_t state,
                             int width, int height, bool radio, bool checked) {
    const RECT client{0, 0, width, height};
    const CheckMarkLayout layout = LayoutCheckMark(0, 0, width, height, radio);
    if (state & kItemDisabled) {
        gfx::SolidBrush grey;
        if (grey.Create(gfx::MakeArgb(kDisabledFace))) {
            graphics.FillRectangle(grey, ToF(client));
        }
        DrawRoundRect(graphics, Argb(gfx::kBlackRef, 80), 1,
                      {0, 0, static_cast<float>(width - 1), static_cast<float>(height - 1)},
                      kButtonCorner);
    }
    if (radio) {
        DrawRadioMark(graphics, layout, state, checked);
    } else {
        DrawCheckMark(graphics, layout, state, checked);
    }
    graphics.SetSmoothingMode(gfx::gp::SmoothingModeDefault);
    DrawCaption(graphics, ref.control, ref.record->text, ref.record->font, layout.caption,
                gfx::gp::StringAlignmentNear, gfx::gp::StringAlignmentCenter);
}

ButtonFaceKey ButtonPainter::FaceKeyOf(const Ref& ref, std::uint32_t state, const RECT& outerRect) {
    constexpr std::uint32_t kLookBits = kItemPressed | kItemDisabled | kItemFocus | kItemHot;
    return {backdrop_.StampOf(ref.control, outerRect),
            state & kLookBits,
            ref.record->text,
            static_cast<gfx::ColourRef>(prop::Get(ref.control, prop::kTextColour)),
            ref.record->checked,
            Settings().accentColour};
}

void ButtonPainter::PrepareFaces(WindowRecord& window) {
    if (!GdiplusRunning()) return;
    // Composed and kept only: nothing is copied out, so no state of the painter has to say so
    // (a failure halfway through leaves every later paint as it should be).
    ForEachVisible(window, [&](const Ref& ref) {
        RECT client{};
        ::GetClientRect(ref.control, &client);
        BackgroundSnapshot fresh;
        Face(ref, CurrentState(ref), client, fresh);
    });
}

LRESULT ButtonPainter::OnMarkMessage(Ref& ref, UINT message, WPARAM wParam, LPARAM lParam) {
    // The system's own button code draws straight onto the control for these: the skin's look
    // is put back at once afterwards.
    HWND control = ref.control;
    const LRESULT result = Forward(ref, message, wParam, lParam);
    if (ref.StillThere()) PaintMark(ref, CurrentState(ref));
    return result;
}

LRESULT ButtonPainter::OnMarkPaint(Ref& ref) {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(ref.control, &paint);
    PaintMark(ref, CurrentState(ref), dc);
    ::EndPaint(ref.control, &paint);
    return 0;
}

LRESULT ButtonPainter::OnSetText(Ref& ref, WPARAM wParam, LPARAM lParam) {
    HWND control = ref.control;
    const LRESULT result = Forward(ref, WM_SETTEXT, wParam, lParam);
    if (!ref.StillThere()) return result;
    ref.record->text = WindowText(control);
    if (IsMarkKind(ref.record->kind)) {
        PaintMark(ref, CurrentState(ref));
    } else {
        ::InvalidateRect(control, nullptr, FALSE);
    }
    return result;
}

LRESULT ButtonPainter::OnMessage(Ref& ref, UINT message, WPARAM wParam, LPARAM lParam) {
    ButtonRecord& record = *ref.record;
    const bool mark = IsMarkKind(record.kind);
    switch (message) {
        case WM_MOUSEMOVE:
            if (NoteMouseMove(ref, kButtonHotKind)) {
                PaintButtonHot(ref, CurrentState(ref), true);
            }
            break;
        case WM_MOUSELEAVE:
            NoteHoverLeave(ref.window->childHover);
            PaintButtonHot(ref, CurrentState(ref), false);
            break;
        case WM_MOVE:
            ::InvalidateRect(ref.control, nullptr, TRUE);
            break;
        case WM_LBUTTONUP:
            NoteHoverLeave(ref.window->childHover);
            if (mark) return OnMarkMessage(ref, message, wParam, lParam);
            break;
        case WM_LBUTTONDBLCLK:
            // The second click of a double click does not press the button again.
            return 0;
        case WM_ERASEBKGND: {
            const auto dc = reinterpret_cast<HDC>(wParam);
            ::SetBkMode(dc, TRANSPARENT);
            return static_cast<LRESULT>(::SetTextColor(
                dc, static_cast<COLORREF>(prop::Get(ref.control, prop::kTextColour))));
        }
        case WM_NCPAINT:
            return 1;
        case WM_PAINT:
            if (!mark) break;
            return OnMarkPaint(ref);
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            record.focused = message == WM_SETFOCUS;
            if (mark) return OnMarkMessage(ref, message, wParam, lParam);
            break;
        case WM_SETTEXT:
            return OnSetText(ref, wParam, lParam);
        case BM_SETSTYLE:
            // The dialog manager moves the default-button style between push buttons; the
            // engine's stay owner-drawn.
            if (!mark) wParam = (wParam & ~static_cast<WPARAM>(0xF)) | kOwnerDrawStyle;
            break;
        case WM_KEYDOWN:
        case WM_KEYUP:
            if (mark && wParam == VK_SPACE) return OnMarkMessage(ref, message, wParam, lParam);
            break;
        case WM_LBUTTONDOWN:
        case BM_SETCHECK:
        case BM_SETSTATE:
        case WM_ENABLE:
        case WM_UPDATEUISTATE:
            if (mark) return OnMarkMessage(ref, message, wParam, lParam);
            break;
        default:
            break;
    }
    return Forward(ref, message, wParam, lParam);
}

bool ButtonPainter::RegisterPictures(HWND button, ButtonKind kind,
                                     const std::array<std::span<const std::uint8_t>, 4>& pictures,
                                     int value, std::string_view tooltip) {
    const int windowIndex = core_.OwnerWindowIndex(button);
    WindowRecord* window = WindowAt(windowIndex);
    if (!window || !::IsWindow(button)) return false;
    Ref ref = InWindow(*window, button);
    if (!ref) {
        ref = TakeOver(windowIndex, button);
        if (!ref) return false;
        ref.record->parent = ::GetParent(button);
        ref.record->font = WithDefaultFont(ReadFont(button));
    }
    ButtonRecord& record = *ref.record;
    record.kind = kind;
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        record.pictures[i].assign(pictures[i].begin(), pictures[i].end());
    }
    record.value = value;
    record.text = WindowText(button);
    record.faces.Clear();  // faces made with the old pictures
    if (!tooltip.empty()) {
        if (record.tooltip.Window()) {
            record.tooltip.SetToolText(1, tooltip);
        } else if (record.tooltip.Create(button)) {
            RECT client{};
            ::GetClientRect(button, &client);
            record.tooltip.AddTool(client, tooltip, 1);
        }
    }
    MakeOwnerDrawn(button);
    ::InvalidateRect(button, nullptr, TRUE);
    return true;
}

bool ButtonPainter::RegisterPictureButton(HWND button, std::span<const std::uint8_t> picture,
                                          int value, std::string_view tooltip) {
    return RegisterPictures(button, ButtonKind::Glass, {picture, {}, {}, {}}, value, tooltip);
}

bool ButtonPainter::RegisterStatePictureButton(HWND button, std::span<const std::uint8_t> normal,
                                               std::span<const std::uint8_t> hover,
                                               std::span<const std::uint8_t> pressed,
                                               std::span<const std::uint8_t> disabled,
                                               std::string_view tooltip) {
    return RegisterPictures(button, ButtonKind::Picture, {normal, hover, pressed, disabled}, 0,
                            tooltip);
}

}  // namespace yf
