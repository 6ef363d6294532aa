// MainWindow's layout as data: every control with its kind, parent, geometry, text, colour,
// font and alignment, the drop-down items and the tray menu. The window is built from it.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "app/control_ids.h"

namespace yf {

// 0x00BBGGRR, the layout of a Windows COLORREF.
using Colour = std::uint32_t;
constexpr Colour Rgb(int r, int g, int b) {
    return static_cast<Colour>(r) | (static_cast<Colour>(g) << 8) | (static_cast<Colour>(b) << 16);
}
constexpr Colour kOrange = Rgb(255, 128, 0);
constexpr Colour kBrown = Rgb(192, 96, 0);
constexpr Colour kWhite = Rgb(255, 255, 255);

constexpr std::string_view kWindowTitle = "远帆定时关机软件2.0";
constexpr std::string_view kTrayTip = "远帆关机软件2.0";
constexpr int kWindowWidth = 371;
constexpr int kWindowHeight = 255;

enum class ControlKind { IconButton, GroupBox, Label, Edit, Spin, DropList };
enum class FontId { System, F12, F14, F16, Y16, Y48 };
enum class Align { Left, Centre };
enum class EditMode { None, ReadOnly, Digits };
enum class ButtonIcon { None, Ok, Exit };

struct LayoutRect {
    int left, top, width, height;
};

struct FontStyle {
    std::string_view face;  // empty: the system's default face for the GB2312 charset
    int height;             // character height in pixels
    int weight;
};

struct ControlLayout {
    ControlId id;
    std::string_view name;
    ControlKind kind;
    ControlId parent;  // ControlId::Count: the window itself
    LayoutRect rect;
    std::string_view text;
    Colour colour;
    FontId font;
    Align align;
    EditMode editMode;
    bool lineBreaking;
    bool visible;
    bool tabStop;
    ButtonIcon icon;
};

constexpr ControlId kWindowParent = ControlId::Count;

// In creation order: parents before their children, and each overlay label before the box it
// lies on, so that the label is above the box in the z-order.
std::span<const ControlLayout> Layout();
const ControlLayout& LayoutOf(ControlId id);
FontStyle Font(FontId id);

// Items of 组合框1, index 0 first.
std::span<const std::string_view> FunctionItems();

enum class MenuCommand {
    None,
    Skin1, Skin2, Skin3, Skin4, Skin5, Skin6, Skin7, Skin8,
    ShowWindow,
    Exit,
    CancelSchedule,
};

struct MenuEntry {
    std::string_view text;  // empty: separator
    int level;              // 1 top menu, 2 inside the sub-menu opened by the item before
    MenuCommand command;
};

// The tray menu, items in order with their nesting.
std::span<const MenuEntry> TrayMenu();

// The item that cancels a countdown from the tray; the menu carries it only while a timed
// action counts down.
constexpr MenuEntry kCancelScheduleItem{"取消定时任务", 1, MenuCommand::CancelSchedule};

// The tray menu as it opens: while a timed action counts down, the cancel item stands right
// above "退出".
std::vector<MenuEntry> TrayMenuItems(bool countingDown);

constexpr int SkinNumber(MenuCommand command) {
    const int n = static_cast<int>(command) - static_cast<int>(MenuCommand::Skin1) + 1;
    return n >= 1 && n <= 8 ? n : 0;
}

}  // namespace yf
