#include "skin/families/combo/combo_painter_win.h"

#include "core/unique_handle_win.h"
#include "core/wide_text_win.h"
#include "core/window_class_win.h"
#include "gfx/text_win.h"
#include "skin/backdrop/backdrop_win.h"
#include "skin/backdrop/control_area_win.h"
#include "skin/backdrop/see_through.h"
#include "skin/backdrop/see_through_win.h"
#include "skin/drawing_win.h"
#include "skin/engine/engine_core_win.h"
#include "skin/families/combo/combo_layout.h"

namespace yf {
namespace {

constexpr std::uint32_t kSimpleOrDropList = 0x1;

// Children of the combo box that must stay visible through its picture (outer coordinates):
// every child of a simple box or a drop-down list, else its edit; a list's frame stays ours.
std::vector<PixelBox> ChildrenShowingThrough(HWND combo, std::uint32_t style) {
    RECT outer{};
    ::GetWindowRect(combo, &outer);
    std::vector<PixelBox> boxes;
    const auto add = [&](HWND child) {
        RECT rect{};
        ::GetWindowRect(child, &rect);
        ::OffsetRect(&rect, -outer.left, -outer.top);
        if (SameClass(ClassNameOf(child), "ComboLBox")) ::InflateRect(&rect, -2, -2);
        boxes.push_back({rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top});
    };
    if (style & kSimpleOrDropList) {
        for (HWND child = ::GetWindow(combo, GW_CHILD); child;
             child = ::GetWindow(child, GW_HWNDNEXT)) {
            add(child);
        }
    } else if (HWND edit = ::GetWindow(combo, GW_CHILD)) {
        add(edit);
    }
    return boxes;
}

void KeyOut(HDC snapshot, const std::vector<PixelBox>& boxes) {
    UniqueBrush magenta(::CreateSolidBrush(gfx::kMagenta));
    for (const PixelBox& box : boxes) {
        const RECT rect{box.x, box.y, box.x + box.width, box.y + box.height};
        ::FillRect(snapshot, &rect, magenta.get());
    }
}

// A combo box with a selection shows that item's text as its own.
void ShowSelectedText(HWND combo) {
    const auto selected = ::SendMessageW(combo, CB_GETCURSEL, 0, 0);
    if (selected < 0) return;
    const auto length = ::SendMessageW(combo, CB_GETLBTEXTLEN, selected, 0);
    if (length < 0) return;
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    ::SendMessageW(combo, CB_GETLBTEXT, selected, reinterpret_cast<LPARAM>(text.data()));
    ::SendMessageW(combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace

void ComboPainter::Install(int windowIndex, HWND parent) {
    for (HWND combo = ::FindWindowExW(parent, nullptr, L"ComboBox", nullptr); combo;
         combo = ::FindWindowExW(parent, combo, L"ComboBox", nullptr)) {
        // A second subclass would make the control call itself.
        if (Holds(windowIndex, combo)) continue;
        ShowSelectedText(combo);
        TakeOver(windowIndex, combo);
        HWND inner = ::FindWindowExW(combo, nullptr, L"Edit", nullptr);
        // The edit inside is skinned as an edit, by its own family.
        ChildPainter* edits = core_.Painters().Find(ControlFamily::Edits);
        if (inner && edits && Settings().transparentControls) edits->Adopt(windowIndex, inner);
    }
}

void ComboPainter::DrawFace(HDC snapshot, const ComboFaceKey& key) {
    const int width = key.background.width;
    const int height = key.background.height;
    const ComboLayout layout = LayoutCombo(width, height, key.style);
    const ComboColours colours = ComboStyle(key.hover, key.focused, key.accent);
    {
        gfx::Graphics graphics;
        gfx::SolidBrush fill;
        const int alpha = Settings().transparentControls ? Settings().veilAlpha : gfx::kOpaque;
        if (graphics.FromHdc(snapshot) && fill.Create(gfx::MakeArgb(gfx::kWhiteRef, alpha))) {
            graphics.FillRectangle(fill,
                                   {0, 0, static_cast<float>(width), static_cast<float>(height)});
        }
    }
    KeyOut(snapshot, key.keyedOut);
    gfx::Graphics graphics;
    if (!graphics.FromHdc(snapshot)) return;
    gfx::Pen frame;
    if (frame.Create(colours.frame, 1)) graphics.DrawRectangle(frame, layout.frame);
    if (layout.hasButton) {
        DrawRoundRect(graphics, colours.buttonOutline, 1, layout.buttonOutline, 4);
        gfx::LinearGradientBrush face;
        if (face.Create(layout.gradientFrom, layout.gradientTo, colours.fillFrom, colours.fillTo)) {
            FillRoundRect(graphics, face, layout.buttonFill, 1);
        }
        if (!arrow_) arrow_ = LoadGlyph(L"ARROW_COMBO", core_.Module());
        if (arrow_) graphics.DrawImage(arrow_, layout.arrowAt.x, layout.arrowAt.y);
    }
    if (!layout.DrawsText()) return;
    gfx::SolidBrush ink;
    gfx::Font font;
    if (ink.Create(gfx::MakeArgb(key.textColour)) &&
        font.Create(kComboTextFont, kComboTextSize, gfx::gp::FontStyleRegular,
                    gfx::gp::UnitWorld)) {
        graphics.DrawString(key.text, font, layout.text, nullptr, ink);
    }
}

const DibSurface* ComboPainter::Face(const Ref& ref, std::optional<bool> hover,
                                     std::optional<bool> focused, BackgroundSnapshot& fresh) {
    const SIZE size = OuterSizeOf(ref.control);
    if (size.cx <= 0 || size.cy <= 0) return nullptr;
    const auto style = static_cast<std::uint32_t>(::GetWindowLongW(ref.control, GWL_STYLE));
    const ComboFaceKey key{backdrop_.StampOf(ref.control, {0, 0, size.cx, size.cy}),
                           style,
                           hover.value_or(IsHotNow(ref, kComboHotKind)),
                           focused.value_or(ref.record->focused),
                           Settings().accentColour,
                           WindowText(ref.control),
                           static_cast<gfx::ColourRef>(prop::Get(ref.control, prop::kTextColour)),
                           ChildrenShowingThrough(ref.control, style)};
    return backdrop_.KeptFace(ref.control, {0, 0, size.cx, size.cy}, ref.record->faces, key, fresh,
                              [&](HDC surface) { DrawFace(surface, key); });
}

void ComboPainter::PrepareFaces(WindowRecord& window) {
    if (!GdiplusRunning()) return;
    ForEachVisible(window, [this](const Ref& ref) {
        BackgroundSnapshot fresh;
        Face(ref, std::nullopt, std::nullopt, fresh);
    });
}

void ComboPainter::PaintCombo(const Ref& ref, std::optional<bool> hover,
                              std::optional<bool> focused) {
    if (!ref || !GdiplusRunning()) return;
    BackgroundSnapshot fresh;
    // The children keyed out in magenta show through.
    if (const DibSurface* face = Face(ref, hover, focused, fresh)) {
        backdrop_.Show(*ref.window, ref.control, *face, true);
    }
}

LRESULT ComboPainter::OnMessage(Ref& ref, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND control = ref.control;
    switch (message) {
        case WM_MOVE:
            PaintCombo(ref);
            break;
        case WM_SETFOCUS:
            ref.record->focused = true;
            PaintCombo(ref, std::nullopt, true);
            break;
        case WM_KILLFOCUS:
            ref.record->focused = false;
            break;
        case WM_SETTEXT:
            if (::FindWindowExW(control, nullptr, L"Edit", nullptr)) {
                ::InvalidateRect(control, nullptr, TRUE);
            }
            break;
        case WM_PAINT: {
            // The box's own procedure never paints.
            PAINTSTRUCT paint;
            ::BeginPaint(control, &paint);
            PaintCombo(ref);
            ::EndPaint(control, &paint);
            return 0;
        }
        case WM_ERASEBKGND:
            ::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return 1;
        case WM_NCPAINT:
            // The whole box, frame included, is the engine's.
            PaintCombo(ref);
            return 0;
        case WM_COMMAND:
            if (lParam && SameClass(ClassNameOf(reinterpret_cast<HWND>(lParam)), "Edit")) {
                RefreshAfterNotification(Settings(), wParam, lParam);
            }
            break;
        case WM_CTLCOLOREDIT:
            if (Settings().transparentControls) {
                return reinterpret_cast<LRESULT>(HandSkinBrush(backdrop_, *ref.window,
                                                               reinterpret_cast<HDC>(wParam),
                                                               reinterpret_cast<HWND>(lParam)));
            }
            break;
        case WM_MOUSEMOVE:
            if (NoteMouseMove(ref, kComboHotKind)) PaintCombo(ref, true);
            break;
        case WM_MOUSELEAVE:
            PaintCombo(ref, false);
            NoteHoverLeave(ref.window->childHover);
            break;
        default:
            break;
    }
    return Forward(ref, message, wParam, lParam);
}

}  // namespace yf
