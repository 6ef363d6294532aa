// Combo boxes drawn entirely by the engine: a thin frame over the skin behind the box, a rounded
// drop-down button with a gradient and an arrow, and the text of a drop-down list. An edit
// inside the box is left alone (it is keyed out of the picture) and skinned as an edit.
#include <windows.h>

#include "core/unique_handle_win.h"
#include "core/wide_text_win.h"
#include "gfx/text_win.h"
#include "skin/child_controls_win.h"
#include "skin/combo_layout.h"
#include "skin/see_through.h"

namespace yf {
namespace {

constexpr std::uint32_t kSimpleOrDropList = 0x1;

// Children of the combo box that must stay visible through its picture, keyed out in magenta.
void KeyOutChildren(HDC snapshot, HWND combo, std::uint32_t style) {
    RECT outer{};
    ::GetWindowRect(combo, &outer);
    UniqueBrush magenta(::CreateSolidBrush(gfx::kMagenta));
    const auto keyOut = [&](HWND child) {
        RECT rect{};
        ::GetWindowRect(child, &rect);
        ::OffsetRect(&rect, -outer.left, -outer.top);
        if (SameClass(ClassNameOf(child), "ComboLBox")) ::InflateRect(&rect, -2, -2);
        ::FillRect(snapshot, &rect, magenta.get());
    };
    if (style & kSimpleOrDropList) {
        for (HWND child = ::GetWindow(combo, GW_CHILD); child;
             child = ::GetWindow(child, GW_HWNDNEXT)) {
            keyOut(child);
        }
    } else if (HWND edit = ::GetWindow(combo, GW_CHILD)) {
        keyOut(edit);
    }
}

}  // namespace

LRESULT CALLBACK ComboEntry(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    if (SkinEngine* engine = SkinEngine::Current()) {
        return engine->ComboProc(control, message, wParam, lParam);
    }
    return CallOldProc(control, message, wParam, lParam);
}

void SkinEngine::PaintCombo(int index, int combo, std::optional<bool> hover,
                            std::optional<bool> focused) {
    WindowRecord* window = Record(index);
    const ComboRecord* record = window ? At(window->combos, combo) : nullptr;
    if (!record || !gdiplusToken_) return;
    HWND control = record->hwnd;
    RECT outer{};
    ::GetWindowRect(control, &outer);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    if (width <= 0 || height <= 0) return;
    const auto style = static_cast<std::uint32_t>(::GetWindowLongW(control, GWL_STYLE));
    const ComboLayout layout = LayoutCombo(width, height, style);
    // Without an explicit state the box stays lit while it is the window's hot control.
    const bool isHover =
        hover.value_or(window->hotKind == kComboHotKind && window->hotIndex == combo);
    const ComboColours colours =
        ComboStyle(isHover, focused.value_or(record->focused), settings_.accentColour);

    HDC snapshot = TakeBackgroundSnapshot(control, {0, 0, width, height});
    if (!snapshot) return;
    const gfx::RectF whole{0, 0, static_cast<float>(width), static_cast<float>(height)};
    {
        gfx::Graphics graphics;
        gfx::SolidBrush fill;
        const int fillAlpha = settings_.transparentControls ? settings_.veilAlpha : gfx::kOpaque;
        if (graphics.FromHdc(snapshot) && fill.Create(gfx::MakeArgb(gfx::kWhiteRef, fillAlpha))) {
            graphics.FillRectangle(fill, whole);
        }
    }
    KeyOutChildren(snapshot, control, style);
    {
        gfx::Graphics graphics;
        if (graphics.FromHdc(snapshot)) {
            gfx::Pen frame;
            if (frame.Create(colours.frame, 1)) graphics.DrawRectangle(frame, layout.frame);
            if (layout.hasButton) {
                DrawRoundRect(graphics, colours.buttonOutline, 1, layout.buttonOutline, 4);
                gfx::LinearGradientBrush face;
                if (face.Create(layout.gradientFrom, layout.gradientTo, colours.fillFrom,
                                colours.fillTo)) {
                    FillRoundRect(graphics, face, layout.buttonFill, 1);
                }
                const gfx::Bitmap arrow = LoadGlyph(L"ARROW_COMBO", module_);
                if (arrow) graphics.DrawImage(arrow, layout.arrowAt.x, layout.arrowAt.y);
            }
            if (layout.DrawsText()) {
                const auto colour =
                    static_cast<gfx::ColourRef>(prop::Get(control, prop::kTextColour));
                gfx::SolidBrush ink;
                gfx::Font font;
                if (ink.Create(gfx::MakeArgb(colour)) &&
                    font.Create(kComboTextFont, kComboTextSize, gfx::gp::FontStyleRegular,
                                gfx::gp::UnitWorld)) {
                    graphics.DrawString(WindowText(control), font, layout.text, nullptr, ink);
                }
            }
        }
    }
    {
        WindowDc target(control, WindowDc::Area::Whole);
        ::TransparentBlt(target.get(), 0, 0, width, height, snapshot, 0, 0, width, height,
                         gfx::kMagenta);
    }
    ReleaseBackgroundSnapshot(snapshot);
    RefreshSeeThroughAbove(control);
}

LRESULT SkinEngine::ComboProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    const ChildRef<ComboRecord> found = FindChild(*this, control, &WindowRecord::combos);
    if (!found) return CallOldProc(control, message, wParam, lParam);
    ComboRecord& record = *found.record;
    WindowRecord& window = *found.window;
    const WNDPROC old = record.oldProc;
    const auto forward = [&] { return ::CallWindowProcW(old, control, message, wParam, lParam); };
    const int windowIndex = found.windowIndex;
    const int index = found.index;

    switch (message) {
        case WM_DESTROY:
            GiveBack(record, &ComboEntry);
            return ::CallWindowProcW(old, control, message, wParam, lParam);
        case WM_MOVE:
            PaintCombo(windowIndex, index);
            break;
        case WM_SETFOCUS:
            record.focused = true;
            PaintCombo(windowIndex, index, std::nullopt, true);
            break;
        case WM_KILLFOCUS:
            record.focused = false;
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
            PaintCombo(windowIndex, index);
            ::EndPaint(control, &paint);
            return 0;
        }
        case WM_ERASEBKGND:
            ::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return 1;
        case WM_NCPAINT:
            // The whole box, frame included, is the engine's.
            PaintCombo(windowIndex, index);
            return 0;
        case WM_COMMAND:
            if (settings_.transparentControls && settings_.controlSkinning && lParam &&
                SameClass(ClassNameOf(reinterpret_cast<HWND>(lParam)), "Edit") &&
                RepaintsOnNotification("Edit", HIWORD(wParam))) {
                ::InvalidateRect(reinterpret_cast<HWND>(lParam), nullptr, TRUE);
            }
            break;
        case WM_CTLCOLOREDIT:
            if (settings_.transparentControls) {
                HWND edit = reinterpret_cast<HWND>(lParam);
                HDC dc = reinterpret_cast<HDC>(wParam);
                ::SetTextColor(dc, static_cast<COLORREF>(prop::Get(edit, prop::kTextColour)));
                ::SetBkMode(dc, TRANSPARENT);
                return reinterpret_cast<LRESULT>(MakeBackgroundBrush(edit));
            }
            break;
        case WM_MOUSEMOVE: {
            TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, control, 0};
            ::TrackMouseEvent(&track);
            window.hoverIndex = index;
            if (window.hotIndex != window.hoverIndex || window.hotKind != kComboHotKind) {
                PaintCombo(windowIndex, index, true);
            }
            window.hotIndex = window.hoverIndex;
            window.hotKind = kComboHotKind;
            break;
        }
        case WM_MOUSELEAVE:
            PaintCombo(windowIndex, index, false);
            window.hotIndex = 0;
            break;
        default:
            break;
    }
    return forward();
}

}  // namespace yf
