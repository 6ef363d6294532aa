// A procedure chain joined without window properties: messages pass through ours to the
// window's own procedure, leaving restores the procedure when ours is on top, and under a
// procedure put in after ours it stays and keeps passing messages on.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "core/procedure_chain_win.h"

namespace yf {
namespace {

std::vector<UINT> g_seen;

LRESULT CALLBACK Ours(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

ProcedureChain& Chain() {
    static ProcedureChain chain(&Ours);
    return chain;
}

LRESULT CALLBACK Ours(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) g_seen.push_back(message);
    return Chain().PassOn(window, message, wParam, lParam);
}

WNDPROC g_beforeTheirs = nullptr;

LRESULT CALLBACK Theirs(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return ::CallWindowProcW(g_beforeTheirs, window, message, wParam, lParam);
}

HWND MakeEdit() {
    return ::CreateWindowExW(0, L"EDIT", L"", WS_POPUP, 0, 0, 80, 20, nullptr, nullptr, nullptr,
                             nullptr);
}

std::wstring TextOf(HWND window) {
    wchar_t text[32] = {};
    ::GetWindowTextW(window, text, 32);
    return text;
}

TEST(ProcedureChainTest, PassesMessagesOnAndLeavesOnlyFromTheTop) {
    HWND edit = MakeEdit();
    const auto own = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(edit, GWLP_WNDPROC));
    g_seen.clear();
    ASSERT_TRUE(Chain().Join(edit));
    EXPECT_TRUE(Chain().Join(edit));  // once
    EXPECT_EQ(Chain().Before(edit), own);
    ::SendMessageW(edit, WM_APP, 0, 0);
    ::SetWindowTextW(edit, L"12");
    EXPECT_EQ(TextOf(edit), L"12");
    EXPECT_EQ(g_seen.size(), 1u);

    // Someone subclasses after us: leaving keeps ours in their chain, passing messages on.
    g_beforeTheirs = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Theirs)));
    Chain().Leave(edit);
    EXPECT_EQ(Chain().Before(edit), own);
    ::SetWindowTextW(edit, L"345");
    EXPECT_EQ(TextOf(edit), L"345");

    // Once they have gone, ours is on top again and leaves for good.
    ::SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_beforeTheirs));
    Chain().Leave(edit);
    EXPECT_EQ(Chain().Before(edit), nullptr);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(edit, GWLP_WNDPROC)), own);
    ::SendMessageW(edit, WM_APP, 0, 0);
    EXPECT_EQ(g_seen.size(), 1u);
    ::DestroyWindow(edit);
}

TEST(ProcedureChainTest, ForgetsAWindowAtItsLastMessage) {
    HWND edit = MakeEdit();
    ASSERT_TRUE(Chain().Join(edit));
    ::DestroyWindow(edit);
    EXPECT_EQ(Chain().Before(edit), nullptr);
}

}  // namespace
}  // namespace yf
