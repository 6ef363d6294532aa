#include "skin/engine/child_hover.h"

#include <gtest/gtest.h>

namespace yf {
namespace {

constexpr std::uintptr_t kGroupA = 0x100;
constexpr std::uintptr_t kGroupB = 0x200;

TEST(ChildHoverTest, AMoveRepaintsOnlyWhenTheHotControlChanges) {
    struct Step {
        int kind;
        int index;
        std::uintptr_t parent;
        bool partChanged;
        bool due;
    };
    // One window's moves in order: the record carries over from step to step.
    const Step steps[] = {
        {kEditHotKind, 1, kGroupA, false, true},   // first move over the edit
        {kEditHotKind, 1, kGroupA, false, false},  // still over it
        {kEditHotKind, 2, kGroupA, false, true},   // another edit
        {kComboHotKind, 2, kGroupA, false, true},  // same index, another family
        {kComboHotKind, 2, kGroupA, false, false},
        {kComboHotKind, 2, kGroupB, false, true},  // same index under another parent
        {kSpinHotKind, 1, kGroupB, false, true},
        {kSpinHotKind, 1, kGroupB, true, true},    // the up-down's other half
        {kSpinHotKind, 1, kGroupB, false, false},
    };
    ChildHover hover;
    int number = 0;
    for (const Step& s : steps) {
        EXPECT_EQ(NoteHoverMove(hover, s.kind, s.index, s.parent, s.partChanged), s.due)
            << "step " << number;
        EXPECT_EQ(hover.hoverIndex, s.index);
        EXPECT_TRUE(IsHot(hover, s.kind, s.index, s.parent));
        ++number;
    }
}

TEST(ChildHoverTest, LeavingMakesTheNextMoveRepaintAndKeepsTheKind) {
    ChildHover hover;
    NoteHoverMove(hover, kListHotKind, 3, kGroupA);
    NoteHoverLeave(hover);
    EXPECT_EQ(hover.hotIndex, 0);
    EXPECT_EQ(hover.hotKind, kListHotKind);
    EXPECT_FALSE(IsHot(hover, kListHotKind, 3, kGroupA));
    EXPECT_TRUE(NoteHoverMove(hover, kListHotKind, 3, kGroupA));
}

}  // namespace
}  // namespace yf
