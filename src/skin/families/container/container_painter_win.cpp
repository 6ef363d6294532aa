#include "skin/families/container/container_painter_win.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>

#include "core/unique_handle_win.h"
#include "core/wide_text_win.h"
#include "core/window_children_win.h"
#include "core/window_class_win.h"
#include "gfx/text_win.h"
#include "skin/backdrop/backdrop_win.h"
#include "skin/backdrop/control_area_win.h"
#include "skin/backdrop/see_through_win.h"
#include "skin/drawing_win.h"
#include "skin/engine/engine_core_win.h"
#include "skin/families/container/container_layout.h"
#include "skin/frame/clipped_window_dc_win.h"

namespace yf {
namespace {

// Light and dark lines of the frames, as alpha over the picture.
constexpr int kFrameDarkAlpha = 40;
constexpr int kGroupLightAlpha = 90;
constexpr int kBorderLightAlpha = 100;

// The nearest ancestor that composes its own image ("Wxk_Zpf" = 1), or null.
HWND OwnImageAncestor(HWND control) {
    for (HWND window = ::GetParent(control); window; window = ::GetParent(window)) {
        if (prop::Get(window, prop::kOwnImageMark) == 1) return window;
    }
    return nullptr;
}

void DrawDoubleFrame(HDC snapshot, const DoubleFrame& frame, int lightAlpha) {
    gfx::Graphics graphics;
    if (!graphics.FromHdc(snapshot)) return;
    DrawRoundRect(graphics, gfx::MakeArgb(gfx::kBlackRef, kFrameDarkAlpha), 1, frame.outer.rect,
                  frame.outer.corner);
    DrawRoundRect(graphics, gfx::MakeArgb(gfx::kWhiteRef, lightAlpha), 1, frame.inner.rect,
                  frame.inner.corner);
}

// The see-through ones among the `children` of `container` that lie in `area` (client
// coordinates) draw again.
void InvalidateSeeThroughChildren(HWND container, const std::vector<HWND>& children,
                                  const RECT& area) {
    for (HWND child : children) {
        if (!(::GetWindowLongW(child, GWL_EXSTYLE) & WS_EX_TRANSPARENT)) continue;
        RECT rect{};
        ::GetWindowRect(child, &rect);
        ::MapWindowPoints(HWND_DESKTOP, container, reinterpret_cast<POINT*>(&rect), 2);
        RECT common{};
        if (!::IntersectRect(&common, &rect, &area)) continue;
        ::OffsetRect(&common, -rect.left, -rect.top);
        ::InvalidateRect(child, &common, FALSE);
    }
}

// A group box's caption font, as GDI+ sees the font the control reports.
void ReadCaptionFont(HWND control, ControlRecord& record) {
    const auto font = reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0));
    WindowDc dc(control);
    gfx::Font converted;
    gfx::FontFamily family;
    if (converted.FromDc(dc.get(), font) && converted.GetFamily(family)) {
        record.fontName = family.Name();
        record.fontSize = static_cast<int>(converted.Size());
        record.fontStyle = converted.Style();
    }
}

// Class "Button" with the group-box style bit.
bool IsGroupBox(HWND control) {
    return IsGroupBoxStyle(ClassNameOf(control),
                           static_cast<std::uint32_t>(::GetWindowLongW(control, GWL_STYLE)));
}

// The width of `text` in that font (GDI+, world units), rounded down, plus 1.
int MeasureTextWidth(std::string_view text, std::string_view fontName, float size, int style) {
    UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    gfx::Graphics graphics;
    gfx::Font font;
    if (!dc || !graphics.FromHdc(dc.get()) ||
        !font.Create(fontName, size, style, gfx::gp::UnitWorld)) {
        return 1;
    }
    const auto bounds = graphics.MeasureString(text, font, {0, 0, 100000, 100000}, nullptr);
    return (bounds ? static_cast<int>(std::floor(bounds->width)) : 0) + 1;
}

}  // namespace

int ContainerPainter::RegisterContainer(HWND control, bool painted, gfx::ColourRef colour,
                                        int alpha, bool border) {
    const int windowIndex = core_.OwnerWindowIndex(control);
    WindowRecord* window = WindowAt(windowIndex);
    if (!window) return 0;
    if (const Ref known = InWindow(*window, control)) return known.index;
    // Its children first, each family by its own installer; the others keep their own look.
    core_.TakeOverChildren(windowIndex, control);

    const Ref added = TakeOver(windowIndex, control);
    if (!added) return 0;
    ControlRecord& record = *added.record;
    record.colour = colour;
    record.alpha = std::clamp(alpha, 0, 255);
    record.border = border;
    record.painted = painted;
    record.dirty = true;
    if (IsGroupBox(control)) {
        record.isGroupBox = true;
        ReadCaptionFont(control, record);
    }
    prop::Set(control, prop::kImageAncestor,
              reinterpret_cast<std::intptr_t>(OwnImageAncestor(control)));
    PanelsChanged(added);
    ::InvalidateRect(control, nullptr, TRUE);
    return added.index;
}

bool ContainerPainter::SetContainerAlpha(HWND control, int alpha) {
    const Ref ref = Find(control);
    if (!ref || ref.record->colour == 0) return false;
    ref.record->alpha = std::clamp(alpha, 0, 255);
    PanelsChanged(ref);
    ::InvalidateRect(control, nullptr, FALSE);
    return true;
}

void ContainerPainter::Forget(ChildRecord& record) {
    prop::Remove(record.hwnd, prop::kImageAncestor);
}

void ContainerPainter::LayPanels(HDC snapshot, HWND control, const RECT& rect) {
    WindowRecord* window = core_.RecordOf(control);
    if (!window) window = WindowAt(core_.OwnerWindowIndex(control));
    ChildListBase* containers = window ? window->ChildrenIf(kFamily) : nullptr;
    if (!containers) return;
    ChildList<ControlRecord>& list = ListOf(*window);
    // Outermost first, so an inner panel lies over an outer one.
    std::vector<const ControlRecord*> chain;
    for (HWND at = control; at && at != window->hwnd; at = ::GetParent(at)) {
        for (int i = 1; i < list.Size(); ++i) {
            const ControlRecord* container = list.At(i);
            if (container && container->hwnd == at && container->colour != 0 &&
                container->alpha > 0) {
                chain.insert(chain.begin(), container);
            }
        }
    }
    if (chain.empty()) return;
    RECT controlOuter{};
    ::GetWindowRect(control, &controlOuter);
    gfx::Graphics graphics;
    if (!graphics.FromHdc(snapshot)) return;
    for (const ControlRecord* container : chain) {
        RECT outer{};
        ::GetWindowRect(container->hwnd, &outer);
        const RECT client = ClientAreaOf(container->hwnd);
        const RoundRect panel = ContainerPanel(container->isGroupBox, client.right - client.left,
                                               client.bottom - client.top);
        // Where the container's client area lies in the snapshot.
        const auto dx =
            static_cast<float>(outer.left + client.left - controlOuter.left - rect.left);
        const auto dy = static_cast<float>(outer.top + client.top - controlOuter.top - rect.top);
        const gfx::RectF at{panel.rect.x + dx, panel.rect.y + dy, panel.rect.width,
                            panel.rect.height};
        gfx::SolidBrush brush;
        if (!brush.Create(gfx::MakeArgb(container->colour, container->alpha))) continue;
        if (panel.corner > 0) {
            FillRoundRect(graphics, brush, at, panel.corner);
        } else {
            graphics.FillRectangle(brush, at);
        }
    }
}

const DibSurface* ContainerPainter::Face(ControlRecord& record, BackgroundSnapshot& fresh) {
    if (!GdiplusRunning()) return nullptr;
    const RECT client = ClientAreaOf(record.hwnd);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    if (width <= 0 || height <= 0) return nullptr;
    const ContainerFaceKey key{
        backdrop_.StampOf(record.hwnd, client),
        record.colour,
        record.alpha,
        record.border,
        record.isGroupBox,
        WindowText(record.hwnd),
        static_cast<std::uint32_t>(::GetWindowLongW(record.hwnd, GWL_STYLE)),
        static_cast<gfx::ColourRef>(prop::Get(record.hwnd, prop::kTextColour))};
    if (const DibSurface* kept = record.faces.Find(key, key.background.keepable)) return kept;
    // The snapshot already carries the panel.
    fresh = backdrop_.Snapshot(record.hwnd, client);
    if (!fresh) return nullptr;
    if (record.isGroupBox) {
        PaintGroupBox(fresh.Dc(), record.hwnd, record, width, height);
    } else if (record.border) {
        DrawDoubleFrame(fresh.Dc(), ContainerBorder(width, height), kBorderLightAlpha);
    }
    if (!key.background.keepable) return &fresh;
    return &record.faces.Keep(key, std::move(fresh).Keep());
}

void ContainerPainter::PrepareFaces(WindowRecord& window) {
    ForEachVisible(window, [this](const Ref& ref) {
        if (!ref.record->painted) return;
        BackgroundSnapshot fresh;
        Face(*ref.record, fresh);
    });
}

void ContainerPainter::PanelsChanged(const Ref& ref) {
    ref.window->panelsVersion = core_.NextVersion();
}

void ContainerPainter::PaintGroupBox(HDC snapshot, HWND control, const ControlRecord& container,
                                     int width, int height) {
    const std::string text = WindowText(control);
    const auto style = static_cast<std::uint32_t>(::GetWindowLongW(control, GWL_STYLE));
    const int textWidth = MeasureTextWidth(
        text, container.fontName, static_cast<float>(container.fontSize), container.fontStyle);
    const gfx::RectF caption = GroupCaptionRect(width, style, textWidth, container.fontSize);
    // The frame lines behind the caption give way to what lay there before them.
    const RECT keep{static_cast<int>(caption.x), static_cast<int>(caption.y),
                    static_cast<int>(caption.x + caption.width),
                    static_cast<int>(caption.y + caption.height)};
    {
        DibSurface saved(std::max<int>(keep.right - keep.left, 1),
                         std::max<int>(keep.bottom - keep.top, 1));
        ::BitBlt(saved.Dc(), 0, 0, saved.Width(), saved.Height(), snapshot, keep.left, keep.top,
                 SRCCOPY);
        DrawDoubleFrame(snapshot, GroupBoxFrame(width, height), kGroupLightAlpha);
        ::BitBlt(snapshot, keep.left, keep.top, saved.Width(), saved.Height(), saved.Dc(), 0, 0,
                 SRCCOPY);
    }
    if (text.empty()) return;
    gfx::Graphics graphics;
    gfx::Font font;
    gfx::StringFormat format;
    gfx::SolidBrush ink;
    const auto colour = static_cast<gfx::ColourRef>(prop::Get(control, prop::kTextColour));
    if (graphics.FromHdc(snapshot) &&
        font.Create(container.fontName, static_cast<float>(container.fontSize), container.fontStyle,
                    gfx::gp::UnitWorld) &&
        format.Create() && format.SetAlignment(gfx::gp::StringAlignmentCenter) &&
        ink.Create(gfx::MakeArgb(colour))) {
        graphics.DrawString(text, font, caption, &format, ink);
    }
}

void ContainerPainter::PaintContainer(const Ref& ref, HDC dc) {
    if (!ref) return;
    BackgroundSnapshot fresh;
    const DibSurface* face = Face(*ref.record, fresh);
    if (!face) return;
    const std::vector<HWND> children = ChildrenOf(ref.control);
    if (ClippedWindowDc target(ref.control, dc, children); target) {
        ::BitBlt(target.get(), 0, 0, face->Width(), face->Height(), face->Dc(), 0, 0, SRCCOPY);
    }
    ref.record->dirty = false;
    RECT whole{};
    ::GetClientRect(ref.control, &whole);
    InvalidateSeeThroughChildren(ref.control, children, whole);
}

bool ContainerPainter::CopyFacePart(HWND control, POINT from, SIZE size, HDC dc) {
    const Ref ref = Find(control);
    if (!ref || !ref.record->painted) return false;
    BackgroundSnapshot fresh;
    const DibSurface* face = Face(*ref.record, fresh);
    if (!face || from.x < 0 || from.y < 0 || from.x + size.cx > face->Width() ||
        from.y + size.cy > face->Height()) {
        return false;
    }
    return ::BitBlt(dc, 0, 0, size.cx, size.cy, face->Dc(), from.x, from.y, SRCCOPY) != FALSE;
}

void ContainerPainter::RepaintContainer(const Ref& ref, const RECT& area) {
    if (!ref) return;
    BackgroundSnapshot fresh;
    const DibSurface* face = Face(*ref.record, fresh);
    if (!face) return;
    const std::vector<HWND> children = ChildrenOf(ref.control);
    if (ClippedWindowDc target(ref.control, nullptr, children); target) {
        // Only what was asked for: the rest of the container is still right on the screen.
        ::IntersectClipRect(target.get(), area.left, area.top, area.right, area.bottom);
        ::BitBlt(target.get(), 0, 0, face->Width(), face->Height(), face->Dc(), 0, 0, SRCCOPY);
    }
    InvalidateSeeThroughChildren(ref.control, children, area);
}

void ContainerPainter::OnSize(Ref& ref) {
    ref.record->dirty = true;
    PanelsChanged(ref);
    RECT client{};
    ::GetClientRect(ref.control, &client);
    for (const auto& [docked, top] : ref.record->docked) {
        if (!docked) continue;
        const PixelBox place = PlaceDocked(client.right, client.bottom, top, 0);
        ::MoveWindow(docked, place.x, place.y, place.width, place.height, TRUE);
    }
}

LRESULT ContainerPainter::OnPaint(Ref& ref) {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(ref.control, &paint);
    if (ref.record->dirty) {
        PaintContainer(ref, dc);
    } else {
        RepaintContainer(ref, paint.rcPaint);
    }
    ::EndPaint(ref.control, &paint);
    return 0;
}

LRESULT ContainerPainter::OnMessage(Ref& ref, UINT message, WPARAM wParam, LPARAM lParam) {
    ControlRecord& record = *ref.record;
    const bool seeThrough = Settings().controlSkinning && Settings().transparentControls;
    switch (message) {
        case WM_SHOWWINDOW:
            if (!wParam) break;
            Forward(ref, message, wParam, lParam);
            if (ref.StillThere() && record.painted) PaintContainer(ref);
            return ::DefWindowProcW(ref.control, message, wParam, lParam);
        case WM_MOVE:
            if (record.painted && record.alpha != 255) {
                ::InvalidateRect(ref.control, nullptr, FALSE);
            }
            break;
        case WM_SIZE:
            OnSize(ref);
            break;
        case WM_PAINT:
            if (!record.painted) break;
            return OnPaint(ref);
        case WM_ERASEBKGND:
            if (!record.painted) break;
            ::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return 1;
        case WM_NOTIFY:
            RefreshAfterTreeChange(lParam);
            break;
        case WM_DRAWITEM: {
            // An owner-drawn button of the container is painted by its family's painter.
            LRESULT answer = 0;
            if (core_.OfferChildMessage(ref.control, message, wParam, lParam, answer)) {
                return answer;
            }
            break;
        }
        case WM_COMMAND:
            if (seeThrough) RefreshAfterNotification(Settings(), wParam, lParam);
            break;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
            if (const auto brush = AnswerColourRequest(backdrop_, *ref.window, message,
                                                       reinterpret_cast<HDC>(wParam),
                                                       reinterpret_cast<HWND>(lParam))) {
                return *brush;
            }
            break;
        default:
            break;
    }
    return Forward(ref, message, wParam, lParam);
}

}  // namespace yf
