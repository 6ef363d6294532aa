// The guard every callback runs through: what a procedure's body throws stops there, is
// counted and written to the debugger, and the message reaches the procedure before ours
// exactly once, whether the body failed before or after handing it on.
#include <gtest/gtest.h>

#include <windows.h>

#include <stdexcept>

#include "core/callback_guard_win.h"

namespace yf {
namespace {

// The window's own procedure: counts what reaches it and answers 42.
int g_reached = 0;
LRESULT CALLBACK Own(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) {
        ++g_reached;
        return 42;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

// What our procedure's body does with WM_APP.
enum class Body { PassOnOnly, PassOnThenThrow, ThrowFirst, PassOnTwice, ThrowSomethingOdd };
Body g_body = Body::PassOnOnly;
WNDPROC g_own = nullptr;

LRESULT CALLBACK Ours(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    PassOn passOn = PassOn::ToProcedure(window, message, wParam, lParam, g_own);
    return GuardMessage(L"the test's procedure", passOn, [&](PassOn& on) -> LRESULT {
        if (message != WM_APP) return on();
        switch (g_body) {
            case Body::PassOnOnly:
                return on();
            case Body::PassOnThenThrow:
                on();
                throw std::runtime_error("after the message went on");
            case Body::ThrowFirst:
                throw std::runtime_error("before the message went on");
            case Body::PassOnTwice:
                on();
                return on() + 1;
            case Body::ThrowSomethingOdd:
                throw 7;
        }
        return 0;
    });
}

TEST(CallbackGuardTest, AMessageReachesTheProcedureBeforeOursOnceWhateverTheBodyDoes) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = Own;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"YfGuardTestWindow";
    ::RegisterClassW(&wc);
    HWND window = ::CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr,
                                    nullptr, wc.hInstance, nullptr);
    g_own = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Ours)));

    const struct {
        Body body;
        LRESULT answer;
        std::size_t caught;
    } cases[] = {
        {Body::PassOnOnly, 42, 0},
        {Body::PassOnThenThrow, 42, 1},    // the answer the procedure gave stands
        {Body::ThrowFirst, 42, 1},         // handed on by the guard instead
        {Body::PassOnTwice, 43, 0},        // the second hand-on only repeats the answer
        {Body::ThrowSomethingOdd, 42, 1},  // not an exception type: caught all the same
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.body));
        g_body = c.body;
        g_reached = 0;
        const std::size_t before = CaughtCount();
        EXPECT_EQ(::SendMessageW(window, WM_APP, 0, 0), c.answer);
        EXPECT_EQ(g_reached, 1);
        EXPECT_EQ(CaughtCount() - before, c.caught);
    }
    ::DestroyWindow(window);
}

TEST(CallbackGuardTest, OtherCallbacksAnswerWithTheirFallback) {
    const std::size_t before = CaughtCount();
    EXPECT_EQ(GuardCall(L"a test callback", 5, [] { return 9; }), 9);
    EXPECT_EQ(GuardCall(L"a test callback", 5,
                        []() -> int { throw std::logic_error("from a test callback"); }),
              5);
    bool ran = false;
    GuardCall(L"a test callback", [&] {
        ran = true;
        throw std::runtime_error("from a test callback");
    });
    EXPECT_TRUE(ran);
    EXPECT_EQ(CaughtCount() - before, 2u);
}

}  // namespace
}  // namespace yf
