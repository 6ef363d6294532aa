#include "app/layout.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace yf {
namespace {

TEST(LayoutTest, EveryControlHasOneRowAndItsNameMatchesItsId) {
    std::set<std::string_view> names;
    for (const ControlSpec& spec : Layout()) {
        EXPECT_EQ(&Spec(spec.id), &spec);
        EXPECT_TRUE(names.insert(spec.name).second) << spec.name;
    }
    EXPECT_EQ(names.size(), static_cast<size_t>(kControlCount));
    EXPECT_EQ(Spec(ControlId::透明标签_小时).name, "透明标签_小时");
    EXPECT_EQ(Spec(ControlId::组合框1).name, "组合框1");
}

TEST(LayoutTest, ParentsAreCreatedBeforeChildrenAndChildrenFitInThem) {
    std::set<ControlId> created;
    for (const ControlSpec& spec : Layout()) {
        if (spec.parent != kWindowParent) {
            EXPECT_TRUE(created.count(spec.parent)) << spec.name;
            const LayoutRect& outer = Spec(spec.parent).rect;
            // Labels may reach past the frame (their text is short); boxes may not.
            EXPECT_LT(spec.rect.left, outer.width) << spec.name;
            EXPECT_LT(spec.rect.top, outer.height) << spec.name;
            if (spec.kind != ControlKind::Label) {
                EXPECT_LE(spec.rect.left + spec.rect.width, outer.width) << spec.name;
                EXPECT_LE(spec.rect.top + spec.rect.height, outer.height) << spec.name;
            }
        } else {
            // The skin's caption bar takes the top 25 pixels.
            EXPECT_GE(spec.rect.top, 28) << spec.name;
            EXPECT_LE(spec.rect.left + spec.rect.width, kWindowWidth) << spec.name;
            EXPECT_LE(spec.rect.top + spec.rect.height, kWindowHeight) << spec.name;
        }
        created.insert(spec.id);
    }
}

TEST(LayoutTest, OverlayLabelsLieAboveTheBoxesTheyCover) {
    // Earlier rows are higher in the z-order; a label created after its box would be hidden.
    auto row = [](ControlId id) { return &Spec(id) - Layout().data(); };
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
        EXPECT_LT(row(above), row(below)) << Spec(above).name;
    }
}

TEST(LayoutTest, TrayMenuOpensWithTheSkinSubMenuAndEndsWithExit) {
    const auto menu = TrayMenu();
    ASSERT_FALSE(menu.empty());
    EXPECT_EQ(menu.front().text, "更改皮肤");
    int skins = 0;
    for (const MenuItemSpec& item : menu) {
        if (item.level == 2) {
            EXPECT_EQ(item.text, "皮肤" + std::to_string(SkinNumber(item.command)));
        }
        skins += item.level == 2;
    }
    EXPECT_EQ(skins, 8);
    EXPECT_EQ(menu.back().text, "退出");
    EXPECT_EQ(menu.back().command, MenuCommand::Exit);
}

}  // namespace
}  // namespace yf
