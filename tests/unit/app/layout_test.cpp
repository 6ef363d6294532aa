#include "app/layout.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace yf {
namespace {

TEST(LayoutTest, EveryControlHasOneRowAndItsNameMatchesItsId) {
    std::set<std::string_view> names;
    for (const ControlLayout& entry : Layout()) {
        EXPECT_EQ(&LayoutOf(entry.id), &entry);
        EXPECT_TRUE(names.insert(entry.name).second) << entry.name;
    }
    EXPECT_EQ(names.size(), static_cast<size_t>(kControlCount));
    EXPECT_EQ(LayoutOf(ControlId::透明标签_小时).name, "透明标签_小时");
    EXPECT_EQ(LayoutOf(ControlId::组合框1).name, "组合框1");
}

TEST(LayoutTest, ParentsAreCreatedBeforeChildrenAndChildrenFitInThem) {
    std::set<ControlId> created;
    for (const ControlLayout& entry : Layout()) {
        if (entry.parent != kWindowParent) {
            EXPECT_TRUE(created.count(entry.parent)) << entry.name;
            const LayoutRect& outer = LayoutOf(entry.parent).rect;
            // Labels may reach past the frame (their text is short); boxes may not.
            EXPECT_LT(entry.rect.left, outer.width) << entry.name;
            EXPECT_LT(entry.rect.top, outer.height) << entry.name;
            if (entry.kind != ControlKind::Label) {
                EXPECT_LE(entry.rect.left + entry.rect.width, outer.width) << entry.name;
                EXPECT_LE(entry.rect.top + entry.rect.height, outer.height) << entry.name;
            }
        } else {
            // The skin's caption bar takes the top 25 pixels.
            EXPECT_GE(entry.rect.top, 28) << entry.name;
            EXPECT_LE(entry.rect.left + entry.rect.width, kWindowWidth) << entry.name;
            EXPECT_LE(entry.rect.top + entry.rect.height, kWindowHeight) << entry.name;
        }
        created.insert(entry.id);
    }
}

TEST(LayoutTest, OverlayLabelsLieAboveTheBoxesTheyCover) {
    // Earlier rows are higher in the z-order; a label created after its box would be hidden.
    auto row = [](ControlId id) { return &LayoutOf(id) - Layout().data(); };
    const std::pair<ControlId, ControlId> overlays[] = {
        {ControlId::透明标签_现在时间, ControlId::编辑框3},
        {ControlId::透明标签_小时, ControlId::编辑框_小时},
        {ControlId::透明标签_分钟, ControlId::编辑框_分钟},
        {ControlId::透明标签_秒钟, ControlId::编辑框_秒钟},
        {ControlId::透明标签_提醒时间, ControlId::编辑框1},
        {ControlId::透明标签_功能, ControlId::组合框1},
        {ControlId::透明标签_距离关机时间, ControlId::编辑框2},
        {ControlId::调节器_分钟, ControlId::编辑框_分钟},
    };
    for (auto [above, below] : overlays) {
        EXPECT_LT(row(above), row(below)) << LayoutOf(above).name;
    }
}

TEST(LayoutTest, TrayMenuOpensWithTheSkinSubMenuAndEndsWithExit) {
    const auto menu = TrayMenu();
    ASSERT_FALSE(menu.empty());
    EXPECT_EQ(menu.front().text, "更改皮肤");
    int skins = 0;
    for (const MenuEntry& item : menu) {
        if (item.level == 2) {
            EXPECT_EQ(item.text, "皮肤" + std::to_string(SkinNumber(item.command)));
        }
        skins += item.level == 2;
    }
    EXPECT_EQ(skins, 8);
    EXPECT_EQ(menu.back().text, "退出");
    EXPECT_EQ(menu.back().command, MenuCommand::Exit);
}

TEST(LayoutTest, TheCancelItemStandsAboveExitOnlyWhileCounting) {
    const std::vector<MenuEntry> idle = TrayMenuItems(false);
    const std::vector<MenuEntry> counting = TrayMenuItems(true);
    ASSERT_EQ(idle.size(), TrayMenu().size());
    ASSERT_EQ(counting.size(), idle.size() + 1);
    for (std::size_t i = 0; i + 1 < idle.size(); ++i) {
        EXPECT_EQ(counting[i].text, idle[i].text) << i;
        EXPECT_EQ(counting[i].command, idle[i].command) << i;
    }
    EXPECT_EQ(counting[counting.size() - 2].text, "取消定时任务");
    EXPECT_EQ(counting[counting.size() - 2].command, MenuCommand::CancelSchedule);
    EXPECT_EQ(counting.back().command, MenuCommand::Exit);
}

}  // namespace
}  // namespace yf
