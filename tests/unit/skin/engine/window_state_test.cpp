#include "skin/engine/window_state.h"

#include <gtest/gtest.h>

namespace yf {
namespace {

TEST(WindowStateTest, PaintComposesOnlyWhenDueAndNeverWhileMinimized) {
    struct Case {
        WindowState state;
        PaintAction expected;
    };
    const Case cases[] = {
        {{false, false, true}, PaintAction::Render},
        {{false, false, false}, PaintAction::CopyImage},
        {{false, true, true}, PaintAction::Nothing},
        {{true, false, false}, PaintAction::CopyImage},
    };
    for (const Case& c : cases) EXPECT_EQ(OnPaintRequest(c.state), c.expected);
}

TEST(WindowStateTest, OnlyTheVeryFirstSizeOfTheProcessKeepsTheImage) {
    bool firstSize = true;
    WindowState first;
    OnSized(first, firstSize);
    EXPECT_FALSE(first.needsRender);
    EXPECT_FALSE(firstSize);
    // Any later size change, of this or another window, composes again.
    WindowState second;
    second.needsRender = false;
    OnSized(second, firstSize);
    OnSized(first, firstSize);
    EXPECT_TRUE(second.needsRender);
    EXPECT_TRUE(first.needsRender);
}

TEST(WindowStateTest, SystemCommandsMoveTheFlags) {
    struct Case {
        WindowState before;
        SystemCommand command;
        WindowState after;
    };
    const Case cases[] = {
        {{false, false, false}, SystemCommand::Maximize, {true, false, true}},
        {{true, true, false}, SystemCommand::Restore, {true, false, true}},
        {{false, false, false}, SystemCommand::Minimize, {false, true, true}},
        {{true, false, false}, SystemCommand::Other, {true, false, false}},
    };
    for (const Case& c : cases) {
        WindowState state = c.before;
        OnSystemCommand(state, c.command);
        EXPECT_EQ(state.maximized, c.after.maximized) << static_cast<int>(c.command);
        EXPECT_EQ(state.minimized, c.after.minimized) << static_cast<int>(c.command);
        EXPECT_EQ(state.needsRender, c.after.needsRender) << static_cast<int>(c.command);
    }
}

TEST(WindowStateTest, RestoringFromTheTaskbarComposesAtTheNextPaint) {
    WindowState state{false, true, false};
    OnQueryOpen(state);
    OnSystemCommand(state, SystemCommand::Restore);
    EXPECT_EQ(OnPaintRequest(state), PaintAction::Render);
}

TEST(WindowStateTest, ShowingComposesUnlessTheWindowComesBackFromMinimized) {
    WindowState minimized{false, true, false};
    EXPECT_FALSE(OnShown(minimized));
    EXPECT_FALSE(minimized.minimized);
    WindowState normal{false, false, false};
    EXPECT_TRUE(OnShown(normal));
}

TEST(WindowStateTest, MaximizeButtonTogglesAndAlwaysComposes) {
    WindowState state{false, true, false};
    EXPECT_EQ(OnMaximizeClick(state), SystemCommand::Maximize);
    EXPECT_TRUE(state.maximized);
    EXPECT_FALSE(state.minimized);
    EXPECT_TRUE(state.needsRender);
    state.needsRender = false;
    EXPECT_EQ(OnMaximizeClick(state), SystemCommand::Restore);
    EXPECT_FALSE(state.maximized);
    EXPECT_TRUE(state.needsRender);
    OnMinimizeClick(state);
    EXPECT_TRUE(state.minimized);
}

TEST(WindowStateTest, MaximizedWindowsStayAboveTheTaskbar) {
    const Size2 registered{1024, 768};
    const Size2 screen{1280, 1024};
    EXPECT_EQ(MaxTrackSize({false, false, false}, registered, screen, 40), registered);
    EXPECT_EQ(MaxTrackSize({true, false, false}, registered, screen, 40), (Size2{1280, 984}));
    EXPECT_EQ(MaxTrackSize({true, false, false}, registered, screen, 0), screen);
}

TEST(WindowStateTest, AWindowCoveringTheScreenShrinksToTheWorkArea) {
    struct Case {
        bool showMaximize;
        Size2 client;
        int taskbar;
        ClampToWorkArea expected;
        bool maximized;
    };
    const Size2 screen{1280, 1024};
    const Case cases[] = {
        {true, screen, 40, {true, {1280, 984}}, true},
        // No taskbar: already the right size; resizing again would only loop.
        {true, screen, 0, {}, true},
        {true, {1280, 984}, 40, {}, false},
        {false, screen, 40, {}, false},
    };
    for (const Case& c : cases) {
        WindowState state{false, false, false};
        EXPECT_EQ(OnPositionChanged(state, c.showMaximize, c.client, screen, c.taskbar),
                  c.expected);
        EXPECT_EQ(state.maximized, c.maximized);
    }
}

}  // namespace
}  // namespace yf
