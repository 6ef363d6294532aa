#include "app/layout.h"

#include <array>
#include <iterator>

namespace yf {
namespace {

using enum ControlId;
using K = ControlKind;
using F = FontId;
using A = Align;
using E = EditMode;
using I = ButtonIcon;

constexpr ControlId W = kWindowParent;

// clang-format off
constexpr ControlLayout kLayout[] = {
    // id, name, kind, parent, rect, text, colour, font, align, edit, lines, visible, tab, icon
    {超级按钮1, "超级按钮1", K::IconButton, W, {83, 220, 56, 24}, "确定", kOrange, F::System, A::Centre, E::None, false, true, true, I::Ok},
    {超级按钮2, "超级按钮2", K::IconButton, W, {254, 220, 56, 24}, "退出", kOrange, F::System, A::Centre, E::None, false, true, true, I::Exit},
    {分组框1, "分组框1", K::GroupBox, W, {4, 29, 152, 174}, "", 0, F::System, A::Left, E::None, false, true, false, I::None},
    {分组框2, "分组框2", K::GroupBox, W, {159, 28, 208, 176}, "", 0, F::System, A::Left, E::None, false, true, false, I::None},

    // Calendar panel.
    {透明标签_日期星期, "透明标签_日期星期", K::Label, 分组框1, {8, 17, 128, 32}, "", kBrown, F::Y16, A::Centre, E::None, true, true, false, I::None},
    {透明标签_公历日, "透明标签_公历日", K::Label, 分组框1, {50, 58, 56, 40}, "", kOrange, F::Y48, A::Centre, E::None, false, true, false, I::None},
    {透明标签_农历日期, "透明标签_农历日期", K::Label, 分组框1, {30, 97, 88, 32}, "", kBrown, F::Y16, A::Centre, E::None, false, true, false, I::None},
    {透明标签_天支地干, "透明标签_天支地干", K::Label, 分组框1, {14, 128, 128, 32}, "", kBrown, F::Y16, A::Centre, E::None, false, true, false, I::None},

    // Scheduler panel: captions on the left.
    {透明标签1, "透明标签1", K::Label, 分组框2, {8, 12, 64, 24}, "当前时间：", kOrange, F::F14, A::Left, E::None, false, true, false, I::None},
    {透明标签2, "透明标签2", K::Label, 分组框2, {8, 45, 64, 24}, "关机时间：", kOrange, F::F14, A::Left, E::None, false, true, false, I::None},
    {透明标签3, "透明标签3", K::Label, 分组框2, {8, 80, 64, 24}, "提醒时间：", kOrange, F::F14, A::Left, E::None, false, true, false, I::None},
    {透明标签_选择功能, "透明标签_选择功能", K::Label, 分组框2, {8, 112, 64, 24}, "选择功能：", kOrange, F::F14, A::Left, E::None, false, true, false, I::None},
    {透明标签_距离关机, "透明标签_距离关机", K::Label, 分组框2, {8, 146, 64, 24}, "距离关机：", kOrange, F::F14, A::Left, E::None, false, true, false, I::None},

    // Overlay labels come before the boxes they lie on (above them in the z-order).
    {透明标签_现在时间, "透明标签_现在时间", K::Label, 分组框2, {76, 8, 124, 32}, "", kOrange, F::F16, A::Left, E::None, false, true, false, I::None},
    {透明标签_小时, "透明标签_小时", K::Label, 分组框2, {76, 45, 16, 24}, "17", kOrange, F::F14, A::Left, E::None, false, true, false, I::None},
    {透明标签4, "透明标签4", K::Label, 分组框2, {110, 45, 8, 24}, "：", kOrange, F::F14, A::Left, E::None, false, true, false, I::None},
    {透明标签_分钟, "透明标签_分钟", K::Label, 分组框2, {122, 45, 16, 24}, "30", kOrange, F::F14, A::Left, E::None, false, true, false, I::None},
    {透明标签5, "透明标签5", K::Label, 分组框2, {157, 46, 8, 24}, "：", kOrange, F::F14, A::Left, E::None, false, true, false, I::None},
    {透明标签_秒钟, "透明标签_秒钟", K::Label, 分组框2, {169, 45, 16, 24}, "00", kOrange, F::F14, A::Left, E::None, false, true, false, I::None},
    {透明标签_提醒时间, "透明标签_提醒时间", K::Label, 分组框2, {105, 79, 16, 24}, "", kOrange, F::F14, A::Left, E::None, false, true, false, I::None},
    {透明标签6, "透明标签6", K::Label, 分组框2, {159, 80, 64, 24}, "分钟", kOrange, F::F14, A::Left, E::None, false, true, false, I::None},
    {透明标签_功能, "透明标签_功能", K::Label, 分组框2, {76, 114, 64, 24}, "定时关机", kOrange, F::F12, A::Left, E::None, false, true, false, I::None},
    {透明标签_距离关机时间, "透明标签_距离关机时间", K::Label, 分组框2, {81, 147, 119, 24}, "", kOrange, F::F14, A::Left, E::None, false, false, false, I::None},

    // Spinners overlap the right edge of their boxes, so they too come first.
    {调节器_小时, "调节器_小时", K::Spin, 分组框2, {90, 45, 19, 24}, "", 0, F::System, A::Left, E::None, false, true, false, I::None},
    {调节器_分钟, "调节器_分钟", K::Spin, 分组框2, {137, 45, 19, 24}, "", 0, F::System, A::Left, E::None, false, true, false, I::None},
    {调节器_秒钟, "调节器_秒钟", K::Spin, 分组框2, {184, 45, 19, 24}, "", 0, F::System, A::Left, E::None, false, true, false, I::None},

    {编辑框3, "编辑框3", K::Edit, 分组框2, {72, 15, 129, 20}, "", kOrange, F::F14, A::Centre, E::Digits, false, true, true, I::None},
    {编辑框_小时, "编辑框_小时", K::Edit, 分组框2, {72, 46, 19, 24}, "", kOrange, F::System, A::Left, E::ReadOnly, false, true, true, I::None},
    {编辑框_分钟, "编辑框_分钟", K::Edit, 分组框2, {118, 46, 34, 24}, "", kOrange, F::System, A::Left, E::ReadOnly, false, true, true, I::None},
    {编辑框_秒钟, "编辑框_秒钟", K::Edit, 分组框2, {166, 46, 19, 24}, "", kOrange, F::System, A::Left, E::ReadOnly, false, true, true, I::None},
    // Left-aligned with a margin (set by the window) so that what is typed lands exactly under
    // the label that mirrors it: one text, not two slightly apart.
    {编辑框1, "编辑框1", K::Edit, 分组框2, {72, 81, 72, 20}, "", kOrange, F::F14, A::Left, E::Digits, false, true, true, I::None},
    {组合框1, "组合框1", K::DropList, 分组框2, {72, 116, 128, 20}, "", kOrange, F::F12, A::Left, E::None, false, true, true, I::None},
    {编辑框2, "编辑框2", K::Edit, 分组框2, {72, 149, 129, 20}, "", kOrange, F::F14, A::Centre, E::Digits, false, true, true, I::None},
};
// clang-format on

static_assert(std::size(kLayout) == kControlCount, "every control has exactly one row");

constexpr auto kById = [] {
    std::array<int, kControlCount> index{};
    for (int row = 0; row < kControlCount; ++row) {
        index[static_cast<int>(kLayout[row].id)] = row;
    }
    return index;
}();

constexpr std::string_view kFunctionItems[] = {"定时关机", "定时重启", "定时注销", "直接关机",
                                               "直接重启"};

constexpr MenuEntry kTrayMenu[] = {
    {"更改皮肤", 1, MenuCommand::None},
    {"皮肤1", 2, MenuCommand::Skin1},
    {"皮肤2", 2, MenuCommand::Skin2},
    {"皮肤3", 2, MenuCommand::Skin3},
    {"皮肤4", 2, MenuCommand::Skin4},
    {"皮肤5", 2, MenuCommand::Skin5},
    {"皮肤6", 2, MenuCommand::Skin6},
    {"皮肤7", 2, MenuCommand::Skin7},
    {"皮肤8", 2, MenuCommand::Skin8},
    {"显示窗口", 1, MenuCommand::ShowWindow},
    {"", 1, MenuCommand::None},
    {"版本：V2.0", 1, MenuCommand::None},
    {"作者：远帆", 1, MenuCommand::None},
    {"反馈：请通过软件发布页留言", 1, MenuCommand::None},
    {"", 1, MenuCommand::None},
    {"退出", 1, MenuCommand::Exit},
};

}  // namespace

std::span<const ControlLayout> Layout() { return kLayout; }

const ControlLayout& LayoutOf(ControlId id) { return kLayout[kById[static_cast<int>(id)]]; }

FontStyle Font(FontId id) {
    switch (id) {
        case FontId::F12: return {"", 12, 400};
        case FontId::F14: return {"", 14, 400};
        case FontId::F16: return {"", 16, 400};
        case FontId::Y16: return {"幼圆", 16, 700};
        case FontId::Y48: return {"幼圆", 48, 700};
        case FontId::System: break;
    }
    return {"", 0, 0};
}

std::span<const std::string_view> FunctionItems() { return kFunctionItems; }

std::span<const MenuEntry> TrayMenu() { return kTrayMenu; }

std::vector<MenuEntry> TrayMenuItems(bool countingDown) {
    std::vector<MenuEntry> items(std::begin(kTrayMenu), std::end(kTrayMenu));
    if (countingDown) items.insert(items.end() - 1, kCancelScheduleItem);
    return items;
}

}  // namespace yf
