#include "widgets/xp_look_paint_win.h"

#include <string>

#include "core/unique_handle_win.h"

namespace yf::xp {
namespace {

constexpr COLORREF kGroupFrame = RGB(191, 184, 191);
constexpr int kGroupCaptionInset = 10;
constexpr int kCheckSize = 13;

void Fill(HDC dc, const RECT& rect, COLORREF colour) {
    UniqueBrush brush(::CreateSolidBrush(colour));
    ::FillRect(dc, &rect, brush.get());
}

void Frame(HDC dc, const RECT& rect, COLORREF colour) {
    UniqueBrush brush(::CreateSolidBrush(colour));
    ::FrameRect(dc, &rect, brush.get());
}

void VerticalGradient(HDC dc, const RECT& rect, COLORREF top, COLORREF bottom) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) return;
    TRIVERTEX vertices[2] = {
        {rect.left, rect.top, static_cast<COLOR16>(GetRValue(top) << 8),
         static_cast<COLOR16>(GetGValue(top) << 8), static_cast<COLOR16>(GetBValue(top) << 8), 0},
        {rect.right, rect.bottom, static_cast<COLOR16>(GetRValue(bottom) << 8),
         static_cast<COLOR16>(GetGValue(bottom) << 8), static_cast<COLOR16>(GetBValue(bottom) << 8), 0}};
    GRADIENT_RECT span{0, 1};
    ::GradientFill(dc, vertices, 2, &span, 1, GRADIENT_FILL_RECT_V);
}

// A small filled triangle pointing up, down, left or right, centred in `box`.
void Arrow(HDC dc, const RECT& box, char direction, COLORREF colour) {
    const int cx = (box.left + box.right) / 2;
    const int cy = (box.top + box.bottom) / 2;
    POINT points[3];
    switch (direction) {
        case 'u': points[0] = {cx - 3, cy + 1}; points[1] = {cx + 3, cy + 1}; points[2] = {cx, cy - 2}; break;
        case 'l': points[0] = {cx + 1, cy - 3}; points[1] = {cx + 1, cy + 3}; points[2] = {cx - 2, cy}; break;
        case 'r': points[0] = {cx - 1, cy - 3}; points[1] = {cx - 1, cy + 3}; points[2] = {cx + 2, cy}; break;
        default:  points[0] = {cx - 3, cy - 1}; points[1] = {cx + 3, cy - 1}; points[2] = {cx, cy + 2}; break;
    }
    UniqueBrush brush(::CreateSolidBrush(colour));
    UniquePen pen(::CreatePen(PS_SOLID, 1, colour));
    SelectGuard keepBrush(dc, brush.get());
    SelectGuard keepPen(dc, pen.get());
    ::Polygon(dc, points, 3);
}

void ArrowButton(HDC dc, RECT rect, const Face& face, char direction) {
    Frame(dc, rect, face.border);
    ::InflateRect(&rect, -1, -1);
    VerticalGradient(dc, rect, face.top, face.bottom);
    Arrow(dc, rect, direction, face.text);
}

std::wstring TextOf(HWND window) {
    const int length = ::GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(window, text.data(), length + 1)));
    return text;
}

HFONT FontOf(HWND window) {
    auto font = reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0));
    return font ? font : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

void FillBackground(HDC dc, const RECT& rect, const PaintInput& input) {
    if (input.parentBrush) {
        ::FillRect(dc, &rect, input.parentBrush);
    } else {
        Fill(dc, rect, ::GetSysColor(COLOR_BTNFACE));
    }
}

void PaintEditFrame(HDC dc, int width, int height, const PaintInput& input) {
    const COLORREF outer = input.state.disabled
                               ? DisabledFrameColour(::GetSysColor(COLOR_BTNFACE))
                               : FrameColour(input.scheme);
    const COLORREF inner = ::GetSysColor(input.state.disabled || input.state.readOnly
                                             ? COLOR_BTNFACE : COLOR_WINDOW);
    Frame(dc, {0, 0, width, height}, outer);
    Frame(dc, {1, 1, width - 1, height - 1}, inner);
}

void PaintCombo(HDC dc, int width, int height, const PaintInput& input) {
    PaintEditFrame(dc, width, height, input);
    const int buttonWidth = ::GetSystemMetrics(SM_CYVTHUMB);
    const RECT button{width - 2 - buttonWidth, 2, width - 2, height - 2};
    const COLORREF inner = ::GetSysColor(input.state.disabled ? COLOR_BTNFACE : COLOR_WINDOW);
    Frame(dc, button, inner);
    RECT face = button;
    ::InflateRect(&face, -1, -1);
    ArrowButton(dc, face,
                ArrowButtonFace(input.state.hovered, input.state.pressed, input.state.disabled,
                                input.scheme),
                'd');
}

void PaintUpDown(HDC dc, int width, int height, const PaintInput& input) {
    Fill(dc, {0, 0, width, height}, FrameColour(input.scheme));
    const bool horizontal = input.state.horizontal;
    RECT first = horizontal ? RECT{0, 0, width / 2, height} : RECT{0, 0, width, height / 2};
    RECT second = horizontal ? RECT{width / 2, 0, width, height} : RECT{0, height / 2, width, height};
    ::InflateRect(&first, -1, -1);
    ::InflateRect(&second, -1, -1);
    const bool hovered = input.state.hovered;
    ArrowButton(dc, first,
                ArrowButtonFace(hovered && input.state.hotHalf == 1, false, input.state.disabled, input.scheme),
                horizontal ? 'l' : 'u');
    ArrowButton(dc, second,
                ArrowButtonFace(hovered && input.state.hotHalf == 2, false, input.state.disabled, input.scheme),
                horizontal ? 'r' : 'd');
}

void PaintGroupBox(HDC dc, int width, int height, const PaintInput& input) {
    const std::wstring caption = TextOf(input.window);
    SelectGuard keepFont(dc, FontOf(input.window));
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    const int top = metrics.tmHeight / 2;
    Frame(dc, {0, top, width, height}, kGroupFrame);
    if (caption.empty()) return;

    SIZE size{};
    ::GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
    const LONG style = ::GetWindowLongW(input.window, GWL_STYLE);
    int left = kGroupCaptionInset;
    if ((style & BS_CENTER) == BS_CENTER) {
        left = (width - size.cx) / 2;
    } else if (style & BS_RIGHT) {
        left = width - kGroupCaptionInset - size.cx;
    }
    RECT textRect{left - 2, 0, left + size.cx + 2, metrics.tmHeight};
    FillBackground(dc, textRect, input);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, input.state.disabled ? ::GetSysColor(COLOR_GRAYTEXT) : input.parentText);
    ::TextOutW(dc, left, 0, caption.c_str(), static_cast<int>(caption.size()));
}

void PaintPushButton(HDC dc, int width, int height, const PaintInput& input) {
    const Face face = ButtonFace(input.state, input.scheme);
    FillBackground(dc, {0, 0, width, height}, input);
    RECT inside{1, 1, width - 1, height - 1};
    VerticalGradient(dc, inside, face.top, face.bottom);
    {
        UniquePen border(::CreatePen(PS_SOLID, 1, face.border));
        SelectGuard keepPen(dc, border.get());
        SelectGuard keepBrush(dc, ::GetStockObject(NULL_BRUSH));
        ::RoundRect(dc, 0, 0, width, height, 5, 5);
    }
    if (face.rim != face.top) {
        Frame(dc, {1, 1, width - 1, height - 1}, face.rim);
        Frame(dc, {2, 2, width - 2, height - 2}, face.rim);
    }
    const std::wstring text = TextOf(input.window);
    SelectGuard keepFont(dc, FontOf(input.window));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, face.text);
    RECT textRect{0, 0, width, height};
    if (input.state.pressed) ::OffsetRect(&textRect, 1, 1);
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (input.state.focused && !input.state.disabled) {
        RECT focus{3, 3, width - 3, height - 3};
        ::SetTextColor(dc, RGB(0, 0, 0));
        ::DrawFocusRect(dc, &focus);
    }
}

void PaintCheckOrRadio(HDC dc, int width, int height, const PaintInput& input, bool radio) {
    FillBackground(dc, {0, 0, width, height}, input);
    const Face face = ButtonFace(input.state, input.scheme);
    const int top = (height - kCheckSize) / 2;
    const RECT box{0, top, kCheckSize, top + kCheckSize};
    const COLORREF mark = input.state.disabled ? RGB(202, 200, 187) : RGB(33, 161, 33);
    if (radio) {
        UniquePen border(::CreatePen(PS_SOLID, 1, face.border));
        UniqueBrush fill(::CreateSolidBrush(input.state.hovered ? RGB(255, 240, 207) : face.bottom));
        SelectGuard keepPen(dc, border.get());
        SelectGuard keepBrush(dc, fill.get());
        ::Ellipse(dc, box.left, box.top, box.right, box.bottom);
        if (input.state.checked) {
            UniqueBrush dot(::CreateSolidBrush(mark));
            UniquePen dotPen(::CreatePen(PS_SOLID, 1, mark));
            SelectGuard keepDot(dc, dot.get());
            SelectGuard keepDotPen(dc, dotPen.get());
            ::Ellipse(dc, box.left + 4, box.top + 4, box.right - 4, box.bottom - 4);
        }
    } else {
        Frame(dc, box, face.border);
        RECT inside = box;
        ::InflateRect(&inside, -1, -1);
        VerticalGradient(dc, inside, face.bottom, RGB(255, 255, 255));
        if (input.state.hovered) Frame(dc, inside, RGB(248, 179, 48));
        if (input.state.indeterminate) {
            RECT square = box;
            ::InflateRect(&square, -3, -3);
            Fill(dc, square, mark);
        } else if (input.state.checked) {
            UniquePen tick(::CreatePen(PS_SOLID, 2, mark));
            SelectGuard keepPen(dc, tick.get());
            POINT points[3] = {{box.left + 3, box.top + 6}, {box.left + 5, box.top + 9}, {box.left + 10, box.top + 3}};
            ::Polyline(dc, points, 3);
        }
    }
    const std::wstring text = TextOf(input.window);
    SelectGuard keepFont(dc, FontOf(input.window));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, input.state.disabled ? ::GetSysColor(COLOR_GRAYTEXT) : input.parentText);
    RECT textRect{kCheckSize + 4, 0, width, height};
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
}

}  // namespace

bool HasFrame(HWND window) {
    const LONG style = ::GetWindowLongW(window, GWL_STYLE);
    const LONG exStyle = ::GetWindowLongW(window, GWL_EXSTYLE);
    return (style & WS_BORDER) || (exStyle & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE));
}

void PaintEditFrameAt(const PaintInput& input, HDC dc, POINT at) {
    if (!HasFrame(input.window)) return;
    RECT bounds;
    ::GetWindowRect(input.window, &bounds);
    POINT old{};
    ::OffsetViewportOrgEx(dc, at.x, at.y, &old);
    PaintEditFrame(dc, bounds.right - bounds.left, bounds.bottom - bounds.top, input);
    ::SetViewportOrgEx(dc, old.x, old.y, nullptr);
}

void PaintControl(const PaintInput& input) {
    if (input.kind == Kind::Edit && !HasFrame(input.window)) return;
    if (input.kind == Kind::DropList &&
        (!HasFrame(input.window) || ::SendMessageW(input.window, LB_GETCOUNT, 0, 0) <= 0)) {
        return;
    }
    RECT bounds;
    ::GetWindowRect(input.window, &bounds);
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    if (width <= 0 || height <= 0) return;

    WindowDc windowDc(input.window, WindowDc::Area::Whole);
    if (!windowDc.get()) return;
    if (input.kind == Kind::Edit || input.kind == Kind::DropList) {
        // Two lines of plain colour cannot flicker: drawn straight on, with no read-back of
        // the window (the dearest part of a paint).
        PaintEditFrame(windowDc.get(), width, height, input);
        return;
    }
    UniqueMemoryDc memory(::CreateCompatibleDC(windowDc.get()));
    UniqueBitmap copy(::CreateCompatibleBitmap(windowDc.get(), width, height));
    SelectGuard keepCopy(memory.get(), copy.get());
    ::BitBlt(memory.get(), 0, 0, width, height, windowDc.get(), 0, 0, SRCCOPY);

    switch (input.kind) {
        case Kind::Edit:
        case Kind::DropList: break;  // drawn above
        case Kind::ComboBox: PaintCombo(memory.get(), width, height, input); break;
        case Kind::UpDown: PaintUpDown(memory.get(), width, height, input); break;
        case Kind::GroupBox: PaintGroupBox(memory.get(), width, height, input); break;
        case Kind::PushButton: PaintPushButton(memory.get(), width, height, input); break;
        case Kind::CheckBox: PaintCheckOrRadio(memory.get(), width, height, input, false); break;
        case Kind::RadioButton: PaintCheckOrRadio(memory.get(), width, height, input, true); break;
    }
    ::BitBlt(windowDc.get(), 0, 0, width, height, memory.get(), 0, 0, SRCCOPY);
}

}  // namespace yf::xp
