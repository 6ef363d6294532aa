#include "skin/families/header/header_painter_win.h"

#include <commctrl.h>
#include <windowsx.h>

#include <cmath>
#include <vector>

#include "core/wide_text_win.h"
#include "core/window_class_win.h"
#include "gfx/graphics_win.h"
#include "gfx/text_win.h"
#include "skin/backdrop/backdrop_win.h"
#include "skin/backdrop/control_area_win.h"
#include "skin/backdrop/see_through.h"
#include "skin/engine/engine_core_win.h"

namespace yf {
namespace {

// Titles are read up to this many characters.
constexpr int kTitleCapacity = 260;
// The face a header without a font of its own is drawn in.
constexpr char kFallbackFont[] = "宋体";
constexpr int kFallbackFontSize = 12;

// The header's font as GDI+ sees the font it reports (or the DC's own without one).
void ReadHeaderFont(HWND header, HeaderRecord& record) {
    const auto font = reinterpret_cast<HFONT>(::SendMessageW(header, WM_GETFONT, 0, 0));
    WindowDc dc(header);
    gfx::Font converted;
    gfx::FontFamily family;
    if (converted.FromDc(dc.get(), font) && converted.GetFamily(family) && !family.Name().empty()) {
        record.fontName = family.Name();
        record.fontSize = static_cast<int>(converted.Size());
        record.fontStyle = converted.Style();
    }
    if (record.fontName.empty() || record.fontSize <= 0) {
        record.fontName = kFallbackFont;
        record.fontSize = kFallbackFontSize;
        record.fontStyle = gfx::gp::FontStyleRegular;
    }
}

// The right edge of the list view's client area, in the header's client coordinates.
int ViewRightInHeader(HWND header) {
    HWND view = ::GetParent(header);
    RECT client{};
    ::GetClientRect(view, &client);
    ::MapWindowPoints(view, header, reinterpret_cast<POINT*>(&client), 2);
    return client.right;
}

void FillGradient(gfx::Graphics& graphics, const HeaderGradient& colours, const gfx::RectF& cell) {
    gfx::LinearGradientBrush brush;
    if (brush.Create({cell.x, cell.y}, {cell.x, cell.y + cell.height}, colours.from, colours.to)) {
        graphics.FillRectangle(brush, cell);
    }
}

struct HeaderItem {
    RECT rect{};
    std::string title;
    int format = 0;
    int image = -1;
};

std::vector<HeaderItem> ReadItems(HWND header) {
    const int count = Header_GetItemCount(header);
    std::vector<HeaderItem> items;
    for (int i = 0; i < count; ++i) {
        HeaderItem item;
        Header_GetItemRect(header, i, &item.rect);
        wchar_t title[kTitleCapacity] = {};
        HDITEMW data{};
        data.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
        data.pszText = title;
        data.cchTextMax = kTitleCapacity;
        if (Header_GetItem(header, i, &data)) {
            item.title = Narrow(title);
            item.format = data.fmt;
            item.image = (data.fmt & HDF_IMAGE) ? data.iImage : -1;
        }
        items.push_back(std::move(item));
    }
    return items;
}

float TextWidth(gfx::Graphics& graphics, const gfx::Font& font, std::string_view text) {
    const auto bounds = graphics.MeasureString(text, font, {0, 0, 100000, 100000}, nullptr);
    return bounds ? bounds->width : 0.0f;
}

// What the cells of one paint share.
struct HeaderTools {
    gfx::Graphics& graphics;
    gfx::Font& font;
    gfx::StringFormat& format;
    gfx::SolidBrush& ink;
    bool canWrite;
    HIMAGELIST images;
    int iconWidth;
    int iconHeight;
    int margin;
    HDC surface;
    HeaderCellState state;
};

// One item's cell, `right` its right edge (a list view's last one reaches the view's).
void DrawCell(const HeaderTools& tools, const SkinSettings& settings, const HeaderItem& item,
              int number, int right) {
    gfx::Graphics& graphics = tools.graphics;
    const int width = right - item.rect.left;
    const int height = item.rect.bottom - item.rect.top;
    const gfx::RectF cell{static_cast<float>(item.rect.left), static_cast<float>(item.rect.top),
                          static_cast<float>(width), static_cast<float>(height)};
    const HeaderCellLook look = ChooseHeaderCell(tools.state, number, settings.transparentControls,
                                                 settings.veilAlpha, settings.accentColour);
    gfx::SolidBrush base;
    if (base.Create(look.base)) graphics.FillRectangle(base, cell);
    FillGradient(graphics, look.face, cell);
    if (look.hot) FillGradient(graphics, *look.hot, cell);
    if (look.pressed) FillGradient(graphics, *look.pressed, cell);
    gfx::LinearGradientBrush fading;
    gfx::Pen divider;
    const float lineX = cell.x + cell.width - 1;
    if (fading.Create({lineX, cell.y}, {lineX, cell.y + cell.height}, look.divider.from,
                      look.divider.to) &&
        divider.FromBrush(fading, 1)) {
        graphics.DrawLine(divider, lineX, cell.y, lineX, cell.y + cell.height);
    }

    const bool hasIcon = tools.images && item.image >= 0;
    const int shownIconWidth = hasIcon ? tools.iconWidth : 0;
    const bool titled = tools.canWrite && !item.title.empty();
    const int titleWidth =
        titled ? static_cast<int>(std::floor(TextWidth(graphics, tools.font, item.title))) + 1 : 0;
    const int iconX =
        HeaderIconX(HeaderAlignOf(item.format), width, shownIconWidth, tools.margin, titleWidth);
    if (hasIcon) {
        graphics.Flush();
        ImageList_Draw(tools.images, item.image, tools.surface, item.rect.left + iconX,
                       item.rect.top + (height - tools.iconHeight) / 2, ILD_TRANSPARENT);
    }
    if (!titled) return;
    gfx::RectF title = HeaderTitleRect(iconX, shownIconWidth, width, height, tools.margin);
    title.x += cell.x;
    title.y += cell.y;
    // Trimmed here: not every GDI+ honours the format's ellipsis.
    const std::string shown = TrimTitle(item.title, title.width, [&](std::string_view text) {
        return TextWidth(graphics, tools.font, text);
    });
    graphics.DrawString(shown, tools.font, title, &tools.format, tools.ink);
}

bool PrepareWriting(const HeaderRecord& record, gfx::Font& font, gfx::StringFormat& format,
                    gfx::SolidBrush& ink) {
    return font.Create(record.fontName, static_cast<float>(record.fontSize), record.fontStyle,
                       gfx::gp::UnitWorld) &&
           format.Create(gfx::gp::StringFormatFlagsNoWrap) &&
           format.SetAlignment(gfx::gp::StringAlignmentNear) &&
           format.SetLineAlignment(gfx::gp::StringAlignmentCenter) &&
           format.SetTrimming(gfx::gp::StringTrimmingEllipsisCharacter) &&
           ink.Create(gfx::MakeArgb(gfx::kBlackRef));
}

void FillBeyondItems(gfx::Graphics& graphics, const SkinSettings& settings, int from,
                     const RECT& client) {
    gfx::SolidBrush base;
    const int alpha = settings.transparentControls ? settings.veilAlpha : gfx::kOpaque;
    if (base.Create(gfx::MakeArgb(gfx::kWhiteRef, alpha))) {
        graphics.FillRectangle(
            base, {static_cast<float>(from), 0, static_cast<float>(client.right - from),
                   static_cast<float>(client.bottom)});
    }
}

}  // namespace

void HeaderPainter::Install(int windowIndex, HWND parent) {
    for (HWND header = ::FindWindowExW(parent, nullptr, WC_HEADERW, nullptr); header;
         header = ::FindWindowExW(parent, header, WC_HEADERW, nullptr)) {
        TakeOverHeader(windowIndex, header, false);
    }
    for (HWND view = ::FindWindowExW(parent, nullptr, WC_LISTVIEWW, nullptr); view;
         view = ::FindWindowExW(parent, view, WC_LISTVIEWW, nullptr)) {
        if (HWND header = ::FindWindowExW(view, nullptr, WC_HEADERW, nullptr)) {
            TakeOverHeader(windowIndex, header, true);
        }
    }
}

void HeaderPainter::TakeOverHeader(int windowIndex, HWND header, bool ofListView) {
    // A second subclass would make the control call itself.
    if (Holds(windowIndex, header)) return;
    const Ref added = TakeOver(windowIndex, header);
    if (!added) return;
    added.record->buttons = (::GetWindowLongW(header, GWL_STYLE) & HDS_BUTTONS) != 0;
    added.record->ofListView = ofListView;
    ReadHeaderFont(header, *added.record);
    ::InvalidateRect(header, nullptr, FALSE);
}

int HeaderPainter::HeaderHitItem(const Ref& ref, LPARAM position) {
    std::vector<HeaderSpan> spans;
    const int count = Header_GetItemCount(ref.control);
    for (int i = 0; i < count; ++i) {
        RECT rect{};
        Header_GetItemRect(ref.control, i, &rect);
        spans.push_back({rect.left, rect.right});
    }
    return yf::HeaderHitItem(spans, GET_X_LPARAM(position));
}

void HeaderPainter::PaintHeader(const Ref& ref, HDC dc) {
    if (!ref || !GdiplusRunning()) return;
    HWND control = ref.control;
    const HeaderRecord& record = *ref.record;
    RECT client{};
    ::GetClientRect(control, &client);
    if (client.right <= 0 || client.bottom <= 0) return;
    BackgroundSnapshot snapshot = backdrop_.Snapshot(control, ClientAreaOf(control));
    if (!snapshot) return;

    const std::vector<HeaderItem> items = ReadItems(control);
    const bool ofListView =
        record.ofListView && SameClass(ClassNameOf(::GetParent(control)), "SysListView32");
    const int viewRight = ofListView ? ViewRightInHeader(control) : 0;
    gfx::Graphics graphics;
    gfx::Font font;
    gfx::StringFormat format;
    gfx::SolidBrush ink;
    if (!graphics.FromHdc(snapshot.Dc())) return;
    // The header's image list belongs to whoever set it; it is read at each paint.
    HeaderTools tools{
        graphics,
        font,
        format,
        ink,
        false,
        Header_GetImageList(control),
        0,
        0,
        static_cast<int>(::SendMessageW(control, HDM_GETBITMAPMARGIN, 0, 0)),
        snapshot.Dc(),
        {record.buttons, record.hover.hover, record.hover.hotItem, record.pressedItem}};
    if (tools.images) ImageList_GetIconSize(tools.images, &tools.iconWidth, &tools.iconHeight);
    tools.canWrite = PrepareWriting(record, font, format, ink);
    int paintedRight = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const HeaderItem& item = items[i];
        const int right =
            HeaderCellRight(item.rect.right, ofListView && i + 1 == items.size(), viewRight);
        if (right <= item.rect.left || item.rect.bottom <= item.rect.top) continue;
        paintedRight = std::max(paintedRight, right);
        DrawCell(tools, Settings(), item, static_cast<int>(i) + 1, right);
    }
    // Beyond the last item (all of a header without items) only the base fill lies on the
    // picture.
    if (paintedRight < client.right) FillBeyondItems(graphics, Settings(), paintedRight, client);
    graphics.Delete();
    if (dc) {
        ::BitBlt(dc, 0, 0, client.right, client.bottom, snapshot.Dc(), 0, 0, SRCCOPY);
    } else {
        WindowDc own(control);
        ::BitBlt(own.get(), 0, 0, client.right, client.bottom, snapshot.Dc(), 0, 0, SRCCOPY);
    }
}

void HeaderPainter::OnMouseMove(Ref& ref, LPARAM position) {
    NoteMouseMove(ref, kHeaderHotKind);
    const int hit = HeaderHitItem(ref, position);
    if (NoteHeaderMove(ref.record->hover, hit, ref.record->pressed)) PaintHeader(ref);
}

LRESULT HeaderPainter::OnMessage(Ref& ref, UINT message, WPARAM wParam, LPARAM lParam) {
    HeaderRecord& record = *ref.record;
    switch (message) {
        case WM_MOVE:
            PaintHeader(ref);
            break;
        case WM_PAINT: {
            // The header never paints itself.
            PAINTSTRUCT paint;
            HDC dc = ::BeginPaint(ref.control, &paint);
            PaintHeader(ref, dc);
            ::EndPaint(ref.control, &paint);
            return 0;
        }
        case WM_ERASEBKGND:
            ::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return 1;
        case WM_MOUSEMOVE:
            OnMouseMove(ref, lParam);
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP: {
            const bool down = message == WM_LBUTTONDOWN;
            record.pressed = down;
            if (!down) {
                record.pressedItem = 0;
            } else if (record.hover.hotItem >= 1) {
                record.pressedItem = record.hover.hotItem;
            }
            const LRESULT result = Forward(ref, message, wParam, lParam);
            // The pressed look comes and goes with the button (a click may have ended the
            // header, and its record with it).
            if (ref.StillThere() && ref.record->buttons) PaintHeader(ref);
            return result;
        }
        case WM_SETFONT: {
            // A list view hands its header each new font of its own.
            const LRESULT result = Forward(ref, message, wParam, lParam);
            if (ref.StillThere()) ReadHeaderFont(ref.control, *ref.record);
            return result;
        }
        case WM_MOUSELEAVE:
            NoteHoverLeave(ref.window->childHover);
            record.hover = {};
            PaintHeader(ref);
            break;
        default:
            break;
    }
    return Forward(ref, message, wParam, lParam);
}

}  // namespace yf
