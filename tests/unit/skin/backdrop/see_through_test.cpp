#include "skin/backdrop/see_through.h"

#include <gtest/gtest.h>

namespace yf {
namespace {

TEST(SeeThroughTest, ColourAnswersByRequestClassAndStyle) {
    using enum ColourRequest;
    using enum ColourAnswer;
    struct Case {
        ColourRequest request;
        ChildFacts child;
        ColourAnswer answer;
    } cases[] = {
        {Edit, {"Edit", "Button", 0}, Pattern},
        {Edit, {"Edit", "ComboBox", 0}, Forward},  // the combo box answers its own edit
        {Edit, {"Edit", "COMBOBOX", 0}, Forward},
        {Static, {"Edit", "Button", 0x800}, Pattern},  // a read-only edit asks this way
        {Static, {"Static", "", 0}, Pattern},
        {ListBox, {"ListBox", "", 0}, Hollow},
        {ListBox, {"ListBox", "", 0x10}, Forward},  // owner-drawn, fixed
        {ListBox, {"ListBox", "", 0x20}, Forward},  // owner-drawn, variable
        {ListBox, {"ComboLBox", "", 0}, Forward},  // a drop-down's list, a pop-up
        {ListBox, {"ComboLBox", "ComboBox", 0x40000000}, Hollow},  // a simple combo box's
        {ListBox, {"ComboLBox", "ComboBox", 0x40000000 | 0x10}, Forward},
        {Button, {"Button", "", 0}, Hollow},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChooseColourAnswer(c.request, c.child), c.answer)
            << static_cast<int>(c.request) << " " << c.child.className << " in "
            << c.child.parentClassName;
    }
}

TEST(SeeThroughTest, NotificationsThatRebuildTheBackground) {
    struct Case {
        const char* className;
        unsigned code;
        bool repaints;
    } cases[] = {
        {"Edit", 0x300, true}, {"Edit", 0x400, true},  {"Edit", 0x601, true},
        {"Edit", 0x602, true}, {"Edit", 0x100, false},  // focus
        {"ListBox", 1, true},  {"ListBox", 3, true},   {"ListBox", 2, false},
        {"ComboBox", 1, true}, {"ComboBox", 4, true},  {"ComboBox", 3, false},
        {"Button", 0, false},  {"edit", 0x300, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RepaintsOnNotification(c.className, c.code), c.repaints)
            << c.className << " " << std::hex << c.code;
    }
}

}  // namespace
}  // namespace yf
