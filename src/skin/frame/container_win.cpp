// Containers: a child window (a group box, typically) registered with the engine gets its own
// children skinned, is painted over the skin picture under an optional translucent panel with
// a rounded double frame (and a group box's caption), and hands its see-through children the
// skin behind them as their background.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cmath>

#include "core/unique_handle_win.h"
#include "core/wide_text_win.h"
#include "gfx/text_win.h"
#include "skin/child_controls_win.h"
#include "skin/frame/container_layout.h"
#include "skin/see_through.h"

namespace yf {
namespace {

// Light and dark lines of the frames, as alpha over the picture.
constexpr int kFrameDarkAlpha = 40;
constexpr int kGroupLightAlpha = 90;
constexpr int kBorderLightAlpha = 100;

// The skinned window a control lies in: its index, 0 when none of its ancestors is one.
int OwnerIndex(SkinEngine& engine, HWND control) {
    for (HWND window = ::GetParent(control); window; window = ::GetParent(window)) {
        if (const int index = engine.FindWindowIndex(window)) return index;
        if (!(::GetWindowLongW(window, GWL_STYLE) & WS_CHILD)) break;
    }
    return 0;
}

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

// The see-through children of `container` that lie in `area` (client coordinates) draw again.
void InvalidateSeeThroughChildren(HWND container, const RECT& area) {
    for (HWND child = ::GetWindow(container, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
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

}  // namespace

LRESULT CALLBACK ContainerEntry(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    if (SkinEngine* engine = SkinEngine::Current()) {
        return engine->ContainerProc(control, message, wParam, lParam);
    }
    return CallOldProc(control, message, wParam, lParam);
}

bool IsGroupBox(HWND control) {
    return IsGroupBoxStyle(ClassNameOf(control),
                           static_cast<std::uint32_t>(::GetWindowLongW(control, GWL_STYLE)));
}

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

int SkinEngine::RegisterContainer(HWND control, int painted, gfx::ColourRef colour, int alpha,
                                  int border) {
    const int index = OwnerIndex(*this, control);
    WindowRecord* window = Record(index);
    if (!window) return 0;
    for (std::size_t i = 1; i < window->containers.size(); ++i) {
        if (window->containers[i].hwnd == control) return static_cast<int>(i);
    }

    // Its children first, each family by its own installer; the others keep their own look.
    InstallEditsAndCombos(index, control);
    InstallSpinSkins(index, control);

    const int at = TakeOver(window->containers, control, index, &ContainerEntry);
    ControlRecord& record = window->containers[static_cast<std::size_t>(at)];
    record.colour = colour;
    record.alpha = std::clamp(alpha, 0, 255);
    record.border = border != 0;
    record.painted = painted != 0;
    record.dirty = true;
    if (IsGroupBox(control)) {
        record.isGroupBox = true;
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
    prop::Set(control, prop::kImageAncestor,
              reinterpret_cast<std::intptr_t>(OwnImageAncestor(control)));
    ::InvalidateRect(control, nullptr, TRUE);
    return at;
}

bool SkinEngine::SetContainerAlpha(HWND control, int alpha) {
    const ChildRef<ControlRecord> found = FindChild(*this, control, &WindowRecord::containers);
    if (!found || found.record->colour == 0) return false;
    found.record->alpha = std::clamp(alpha, 0, 255);
    ::InvalidateRect(control, nullptr, FALSE);
    return true;
}

void SkinEngine::SetControlTextColour(HWND control, gfx::ColourRef colour) {
    if (!control) return;
    HWND target = control;
    if (SameClass(ClassNameOf(control), "ComboBox")) {
        // A drop-down list has no edit: it keeps the colour itself, for the text the engine
        // draws in it.
        if (HWND edit = ::FindWindowExW(control, nullptr, L"Edit", nullptr)) target = edit;
    }
    prop::Set(target, prop::kTextColour, static_cast<std::intptr_t>(colour));
    ::InvalidateRect(target, nullptr, TRUE);
}

void SkinEngine::LayContainerPanels(HDC snapshot, HWND control, const RECT& rect) {
    WindowRecord* window = nullptr;
    for (HWND owner = control; owner && !window; owner = ::GetParent(owner)) {
        window = Record(FindWindowIndex(owner));
    }
    if (!window || window->containers.size() < 2) return;
    // Outermost first, so an inner panel lies over an outer one.
    std::vector<const ControlRecord*> chain;
    for (HWND at = control; at && at != window->hwnd; at = ::GetParent(at)) {
        for (std::size_t i = 1; i < window->containers.size(); ++i) {
            const ControlRecord& container = window->containers[i];
            if (container.hwnd == at && container.colour != 0 && container.alpha > 0) {
                chain.insert(chain.begin(), &container);
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

HDC SkinEngine::ComposeContainer(int index, int container) {
    WindowRecord* window = Record(index);
    const ControlRecord* record = window ? At(window->containers, container) : nullptr;
    if (!record || !gdiplusToken_) return nullptr;
    const RECT client = ClientAreaOf(record->hwnd);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    if (width <= 0 || height <= 0) return nullptr;
    // The snapshot already carries the panel.
    HDC snapshot = TakeBackgroundSnapshot(record->hwnd, client);
    if (!snapshot) return nullptr;
    if (record->isGroupBox) {
        PaintGroupBox(snapshot, record->hwnd, *record, width, height);
    } else if (record->border) {
        DrawDoubleFrame(snapshot, ContainerBorder(width, height), kBorderLightAlpha);
    }
    return snapshot;
}

void SkinEngine::PaintGroupBox(HDC snapshot, HWND control, const ControlRecord& container,
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
    const int keepWidth = keep.right - keep.left;
    const int keepHeight = keep.bottom - keep.top;
    UniqueMemoryDc saved(::CreateCompatibleDC(snapshot));
    UniqueBitmap savedBits(
        ::CreateCompatibleBitmap(snapshot, std::max(keepWidth, 1), std::max(keepHeight, 1)));
    {
        SelectGuard hold(saved.get(), savedBits.get());
        ::BitBlt(saved.get(), 0, 0, keepWidth, keepHeight, snapshot, keep.left, keep.top, SRCCOPY);
        DrawDoubleFrame(snapshot, GroupBoxFrame(width, height), kGroupLightAlpha);
        ::BitBlt(snapshot, keep.left, keep.top, keepWidth, keepHeight, saved.get(), 0, 0, SRCCOPY);
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

void SkinEngine::PaintContainer(int index, int container, HDC dc) {
    HDC snapshot = ComposeContainer(index, container);
    if (!snapshot) return;
    ControlRecord& record = *At(Record(index)->containers, container);
    HWND control = record.hwnd;
    const RECT client = ClientAreaOf(control);
    HDC target = GetClippedWindowDC(control, dc);
    if (target) {
        ::BitBlt(target, 0, 0, client.right - client.left, client.bottom - client.top, snapshot, 0,
                 0, SRCCOPY);
        if (!dc) ::ReleaseDC(control, target);
    }
    record.dirty = false;
    ReleaseBackgroundSnapshot(snapshot);
    RECT whole{};
    ::GetClientRect(control, &whole);
    InvalidateSeeThroughChildren(control, whole);
}

void SkinEngine::RepaintContainer(int index, int container, const RECT& area) {
    HDC snapshot = ComposeContainer(index, container);
    if (!snapshot) return;
    HWND control = At(Record(index)->containers, container)->hwnd;
    const RECT client = ClientAreaOf(control);
    if (HDC target = GetClippedWindowDC(control)) {
        // Only what was asked for: the rest of the container is still right on the screen.
        ::IntersectClipRect(target, area.left, area.top, area.right, area.bottom);
        ::BitBlt(target, 0, 0, client.right - client.left, client.bottom - client.top, snapshot, 0,
                 0, SRCCOPY);
        ::ReleaseDC(control, target);
    }
    ReleaseBackgroundSnapshot(snapshot);
    InvalidateSeeThroughChildren(control, area);
}

LRESULT SkinEngine::ContainerProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    const ChildRef<ControlRecord> found = FindChild(*this, control, &WindowRecord::containers);
    if (!found) return CallOldProc(control, message, wParam, lParam);
    ControlRecord& record = *found.record;
    const WNDPROC old = record.oldProc;
    const auto forward = [&] { return ::CallWindowProcW(old, control, message, wParam, lParam); };
    const bool seeThrough = settings_.controlSkinning && settings_.transparentControls;

    switch (message) {
        case WM_DESTROY:
            for (HWND child = ::GetWindow(control, GW_CHILD); child;
                 child = ::GetWindow(child, GW_HWNDNEXT)) {
                prop::DeleteBackgroundObjects(child);
            }
            prop::Remove(control, prop::kImageAncestor);
            GiveBack(record, &ContainerEntry);
            return ::CallWindowProcW(old, control, message, wParam, lParam);
        case WM_SHOWWINDOW:
            if (wParam) {
                forward();
                if (record.painted) PaintContainer(found.windowIndex, found.index);
                return ::DefWindowProcW(control, message, wParam, lParam);
            }
            break;
        case WM_MOVE:
            if (record.painted && record.alpha != 255) ::InvalidateRect(control, nullptr, FALSE);
            break;
        case WM_SIZE: {
            record.dirty = true;
            RECT client{};
            ::GetClientRect(control, &client);
            for (const auto& [docked, top] : record.docked) {
                if (!docked) continue;
                const PixelBox place = PlaceDocked(client.right, client.bottom, top, 0);
                ::MoveWindow(docked, place.x, place.y, place.width, place.height, TRUE);
            }
            break;
        }
        case WM_PAINT: {
            if (!record.painted) break;
            PAINTSTRUCT paint;
            HDC dc = ::BeginPaint(control, &paint);
            if (record.dirty) {
                PaintContainer(found.windowIndex, found.index, dc);
            } else {
                RepaintContainer(found.windowIndex, found.index, paint.rcPaint);
            }
            ::EndPaint(control, &paint);
            return 0;
        }
        case WM_ERASEBKGND:
            if (!record.painted) break;
            ::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return 1;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            const UINT code = header ? header->code : 0;
            if (code == TVN_ITEMEXPANDINGA || code == TVN_ITEMEXPANDEDA ||
                code == TVN_ITEMEXPANDINGW || code == TVN_ITEMEXPANDEDW) {
                ::InvalidateRect(header->hwndFrom, nullptr, TRUE);
            }
            break;
        }
        case WM_COMMAND:
            if (seeThrough) InvalidateSeeThroughChild(message, wParam, lParam);
            break;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN: {
            bool handled = false;
            const LRESULT brush = SeeThroughColours(message, reinterpret_cast<HDC>(wParam),
                                                    reinterpret_cast<HWND>(lParam), handled);
            if (handled) return brush;
            break;
        }
        default:
            break;
    }
    return forward();
}

}  // namespace yf
