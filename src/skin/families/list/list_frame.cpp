#include "skin/families/list/list_frame.h"

#include "skin/backdrop/see_through.h"

namespace yf {
namespace {

constexpr std::uint32_t kBorderStyle = 0x00800000;  // WS_BORDER
constexpr std::uint32_t kDialogModalFrame = 0x1;    // WS_EX_DLGMODALFRAME
constexpr std::uint32_t kWindowEdge = 0x100;        // WS_EX_WINDOWEDGE
constexpr std::uint32_t kClientEdge = 0x200;        // WS_EX_CLIENTEDGE
constexpr unsigned kFirstArrowKey = 0x25;           // VK_LEFT, then up, right, down
constexpr unsigned kLastArrowKey = 0x28;
constexpr int kQuietFrameAlpha = 90;
constexpr int kLitFrameAlpha = 200;

}  // namespace

ListKind ListKindOf(std::string_view className) {
    const struct {
        std::string_view name;
        ListKind kind;
    } known[] = {
        {"ListBox", ListKind::ListBox},          {"ComboLBox", ListKind::ComboList},
        {"SysListView32", ListKind::ListView},   {"SysTreeView32", ListKind::TreeView},
        {"SysIPAddress32", ListKind::IpAddress}, {"SysDateTimePick32", ListKind::DateTimePicker},
    };
    for (const auto& entry : known) {
        if (SameClass(className, entry.name)) return entry.kind;
    }
    return ListKind::Other;
}

bool TakesOverList(ListKind kind, std::uint32_t style) {
    switch (kind) {
        case ListKind::ListView:
            return (style & kListViewLeftAlone) == 0;
        case ListKind::ComboList:
            return (style & kListOwnerDrawFixed) == 0;
        case ListKind::Other:
            return false;
        default:
            return true;
    }
}

bool HasBorder(std::uint32_t style, std::uint32_t exStyle) {
    return (style & kBorderStyle) != 0 ||
           (exStyle & (kDialogModalFrame | kWindowEdge | kClientEdge)) != 0;
}

PixelBox ListInteriorRect(const ListSizes& sizes) {
    const int width = sizes.clientWidth + (sizes.verticalBar ? sizes.verticalBarWidth : 0);
    const int height = sizes.clientHeight + (sizes.horizontalBar ? sizes.horizontalBarHeight : 0);
    // Floor division: a border can come out negative for a control the system has squeezed.
    const auto half = [](int difference) {
        return difference >= 0 ? difference / 2 : -((1 - difference) / 2);
    };
    return {half(sizes.outerWidth - width), half(sizes.outerHeight - height), width, height};
}

bool DrawsListFrame(ListKind kind, bool hasBorder) {
    return kind != ListKind::ComboList && hasBorder;
}

FrameLine ChooseListFrame(int outerWidth, int outerHeight, bool focused, bool hover,
                          gfx::ColourRef accent) {
    const auto w = static_cast<float>(outerWidth);
    const auto h = static_cast<float>(outerHeight);
    if (hover) return {{1, 1, w - 2, h - 2}, 2, gfx::MakeArgb(accent, kLitFrameAlpha)};
    if (focused) return {{0, 0, w - 1, h - 1}, 1, gfx::MakeArgb(accent, kLitFrameAlpha)};
    return {{0, 0, w - 1, h - 1}, 1, gfx::MakeArgb(gfx::kBlackRef, kQuietFrameAlpha)};
}

ListErase ChooseListErase(ListKind kind, std::uint32_t style, bool transparentControls) {
    if (!transparentControls) return ListErase::PassOn;
    const bool ownerDrawn = (style & (kListOwnerDrawFixed | kListOwnerDrawVariable)) != 0;
    switch (kind) {
        case ListKind::TreeView:
        case ListKind::ListView:
            return ListErase::Transparent;
        case ListKind::ListBox:
            return ownerDrawn ? ListErase::PassOn : ListErase::Transparent;
        case ListKind::ComboList:
            // Its colour request is answered with the hollow brush: it would erase nothing.
        case ListKind::IpAddress:
            // Covered whole by its see-through paint.
            return ListErase::Transparent;
        default:
            return ListErase::Veiled;
    }
}

ListPaint ChooseListPaint(ListKind kind, bool transparentControls) {
    if (!transparentControls) return ListPaint::PassOn;
    switch (kind) {
        // A list box fills each item with its background colour: in the key colour that
        // background gives way to the picture as a tree view's does.
        case ListKind::TreeView:
        case ListKind::ListBox:
        case ListKind::ComboList:
            return ListPaint::KeyedOverVeil;
        case ListKind::IpAddress:
            return ListPaint::WindowColourOverVeil;
        case ListKind::ListView:
            return ListPaint::IntoVeil;
        default:
            return ListPaint::PassOn;
    }
}

bool IsArrowKey(unsigned virtualKey) {
    return virtualKey >= kFirstArrowKey && virtualKey <= kLastArrowKey;
}

}  // namespace yf
