// Colour-keyed controls under Wine: registration and its results, the key giving way to the
// skin (and only the exact key), a rich edit repainted whole when it scrolls, and the "Kj_"
// properties through a window going and a control going first.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "skin/families/keyed/keyed_painter_win.h"
#include "skin/engine/window_properties_win.h"
#include "support/skinned_host.h"
#include "support/engine_inside.h"

namespace yf {
namespace {

using testing::Inside;
using testing::CaptureClient;
using testing::kSkinRgb;
using testing::PumpFor;
using testing::SkinnedHost;

constexpr COLORREF kKey = RGB(0x10, 0xA0, 0x20);
constexpr COLORREF kNearKey = RGB(0x11, 0xA0, 0x20);

RECT ClientOf(HWND control) {
    RECT client{};
    ::GetClientRect(control, &client);
    return client;
}

// A control that paints on the screen whatever DC it is handed: the left half in the key
// colour, the right half one step off it.
LRESULT CALLBACK TwoToneProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = ::BeginPaint(window, &paint);
        RECT client = ClientOf(window);
        RECT half = client;
        half.right = client.right / 2;
        HBRUSH key = ::CreateSolidBrush(kKey);
        ::FillRect(dc, &half, key);
        ::DeleteObject(key);
        half.left = half.right;
        half.right = client.right;
        HBRUSH off = ::CreateSolidBrush(kNearKey);
        ::FillRect(dc, &half, off);
        ::DeleteObject(off);
        ::EndPaint(window, &paint);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

HWND TwoTone(HWND parent) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = TwoToneProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"YfTwoToneControl";
    ::RegisterClassW(&wc);
    return SkinnedHost::Child(parent, L"YfTwoToneControl", 0, 0, 20, 40, 120, 60);
}

HWND Tabs(HWND parent, int x = 20) {
    HWND tabs = SkinnedHost::Child(parent, WC_TABCONTROLW, 0, 0, x, 40, 240, 150);
    for (int i = 0; i < 3; ++i) {
        std::wstring title = L"页" + std::to_wstring(i + 1);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = title.data();
        TabCtrl_InsertItem(tabs, i, &item);
    }
    return tabs;
}

// The classic look, which paints the button face: themes paint their own colours.
void WithoutTheme(HWND control) {
    using SetTheme = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
    if (HMODULE themes = ::LoadLibraryW(L"uxtheme.dll")) {
        const auto found = ::GetProcAddress(themes, "SetWindowTheme");
        if (auto set = reinterpret_cast<SetTheme>(reinterpret_cast<void*>(found))) {
            set(control, L"", L"");
        }
    }
}

TEST(KeyedPainterTest, ATabControlWithTheDefaultKeyShowsTheSkinWhereItPaintsButtonFace) {
    SkinnedHost host;
    HWND tabs = Tabs(host.window);
    WithoutTheme(tabs);
    host.SkinAndShow();
    const std::uint32_t face = testing::RgbOf(::GetSysColor(COLOR_BTNFACE));
    const testing::Pixels before = CaptureClient(tabs, ClientOf(tabs));
    const int all = before.width * before.height;
    const int faces = SkinnedHost::Count(before, face);
    ASSERT_GT(faces, 1000);  // behind the tabs at least

    EXPECT_EQ(host.engine->RegisterKeyedControl(tabs), 0);
    EXPECT_EQ(prop::Get(tabs, prop::kKeyedIndex), 1);
    EXPECT_EQ(prop::Get(tabs, prop::kKeyedOwner), 1);
    EXPECT_NE(prop::Get(tabs, prop::kKeyedProc), 0);
    SkinnedHost::Repaint(tabs);
    const testing::Pixels after = CaptureClient(tabs, ClientOf(tabs));
    int keyedOut = 0;
    for (std::size_t i = 0; i < before.bgra.size(); ++i) {
        if ((before.bgra[i] & 0xFFFFFF) == face) keyedOut += (after.bgra[i] & 0xFFFFFF) == kSkinRgb;
    }
    EXPECT_EQ(keyedOut, faces);
    EXPECT_EQ(SkinnedHost::Count(after, face), 0);
    // What is not of the key (edges, titles, the page) is still the tab control's own.
    EXPECT_EQ(SkinnedHost::Count(after, kSkinRgb), faces);
    EXPECT_LT(faces, all);
    EXPECT_EQ(BackgroundSnapshot::LiveCount(), 0u);
}

TEST(KeyedPainterTest, OnlyPixelsExactlyOfTheKeyBecomeTransparent) {
    SkinnedHost host;
    HWND control = TwoTone(host.window);
    host.SkinAndShow();
    EXPECT_EQ(host.engine->RegisterKeyedControl(control, kKey), 0);
    SkinnedHost::Repaint(control);
    const testing::Pixels pixels = CaptureClient(control, ClientOf(control));
    EXPECT_EQ(SkinnedHost::Count(pixels, kSkinRgb), pixels.width * pixels.height / 2);
    EXPECT_EQ(pixels.At(10, 10), kSkinRgb);
    EXPECT_EQ(pixels.At(pixels.width - 10, 10), testing::RgbOf(kNearKey));
    // Registering again changes the key, never the subclass.
    const auto procedure = ::GetWindowLongPtrW(control, GWLP_WNDPROC);
    EXPECT_EQ(host.engine->RegisterKeyedControl(control, kNearKey), 0);
    EXPECT_EQ(::GetWindowLongPtrW(control, GWLP_WNDPROC), procedure);
    EXPECT_EQ(Inside().Record(1)->ChildCount(ControlFamily::Keyed), 1);
    SkinnedHost::Repaint(control);
    EXPECT_EQ(CaptureClient(control, ClientOf(control)).At(pixels.width - 10, 10), kSkinRgb);
}

TEST(KeyedPainterTest, AControlWithChildrenIsAlsoAContainerThatDoesNotPaint) {
    SkinnedHost host;
    HWND plain = Tabs(host.window);
    HWND holder = Tabs(host.window, 280);
    HWND inside = SkinnedHost::Child(holder, L"EDIT", 0, WS_EX_CLIENTEDGE, 20, 60, 100, 22);
    host.SkinAndShow();
    WindowRecord& record = *Inside().Record(1);

    EXPECT_EQ(host.engine->RegisterKeyedControl(plain), 0);
    EXPECT_EQ(record.ChildCount(ControlFamily::Containers), 0);

    const int container = host.engine->RegisterKeyedControl(holder, std::nullopt, 0xF0F0F0, 80);
    EXPECT_EQ(container, 1);
    EXPECT_EQ(record.ChildCount(ControlFamily::Containers), 1);
    EXPECT_EQ(prop::Get(holder, prop::kListIndex), 1);  // the container's index
    EXPECT_EQ(prop::Get(holder, prop::kKeyedIndex), 2);
    // Its children are skinned as a container's are.
    EXPECT_EQ(prop::Get(inside, prop::kListIndex), 1);
    // Asked again it only answers the same container.
    EXPECT_EQ(host.engine->RegisterKeyedControl(holder), 1);
    SkinnedHost::Repaint(holder);
    EXPECT_EQ(BackgroundSnapshot::LiveCount(), 0u);
}

TEST(KeyedPainterTest, AControlOutsideAnySkinnedWindowRegistersNothing) {
    SkinnedHost host;
    HWND loose = host.NewWindow();
    HWND tabs = Tabs(loose);
    host.SkinAndShow();
    const auto procedure = ::GetWindowLongPtrW(tabs, GWLP_WNDPROC);
    EXPECT_EQ(host.engine->RegisterKeyedControl(tabs), 0);
    EXPECT_EQ(prop::Get(tabs, prop::kKeyedIndex), 0);
    EXPECT_EQ(::GetWindowLongPtrW(tabs, GWLP_WNDPROC), procedure);
    EXPECT_EQ(host.engine->RegisterKeyedControl(nullptr), 0);
}

TEST(KeyedPainterTest, OwnerIndexFollowsTheWindowsAndAControlMayGoFirst) {
    SkinnedHost host;
    HWND second = host.NewWindow(100, 100);
    HWND early = Tabs(second);
    HWND later = TwoTone(second);
    host.SkinAndShow();
    host.SkinAndShow(second);
    ASSERT_EQ(host.engine->RegisterKeyedControl(early), 0);
    ASSERT_EQ(host.engine->RegisterKeyedControl(later, kKey), 0);
    EXPECT_EQ(prop::Get(later, prop::kKeyedOwner), 2);

    ::DestroyWindow(early);
    EXPECT_EQ(Inside().Record(2)->ChildCount(ControlFamily::Keyed), 1);
    ::DestroyWindow(host.window);
    EXPECT_EQ(Inside().WindowCount(), 1);
    EXPECT_EQ(prop::Get(later, prop::kKeyedOwner), 1);
    EXPECT_EQ(prop::Get(later, prop::kKeyedIndex), 2);
    EXPECT_EQ(prop::Get(later, prop::kOwnerIndex), 0);  // the "Hw_" keys are not the family's
    // Still keyed over the skin of its window.
    SkinnedHost::Repaint(later);
    EXPECT_EQ(CaptureClient(later, {10, 10, 11, 11}).At(0, 0), kSkinRgb);
}

RECT paintedArea{};

LRESULT CALLBACK RecordPaintedArea(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR, DWORD_PTR) {
    RECT pending{};
    if (message == WM_PAINT && ::GetUpdateRect(control, &pending, FALSE)) {
        ::UnionRect(&paintedArea, &paintedArea, &pending);
    }
    return ::DefSubclassProc(control, message, wParam, lParam);
}

TEST(KeyedPainterTest, ScrollingARichEditRepaintsItWhole) {
    ::LoadLibraryW(L"riched20.dll");
    SkinnedHost host;
    HWND rich = SkinnedHost::Child(host.window, L"RichEdit20W",
                                   ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL, WS_EX_CLIENTEDGE,
                                   20, 40, 200, 100);
    ASSERT_NE(rich, nullptr);
    std::wstring text;
    for (int i = 1; i <= 30; ++i) text += L"第" + std::to_wstring(i) + L"行\r\n";
    ::SetWindowTextW(rich, text.c_str());
    host.SkinAndShow();
    EXPECT_EQ(host.engine->RegisterKeyedControl(rich, ::GetSysColor(COLOR_WINDOW)), 0);
    SkinnedHost::Repaint(rich);
    const testing::Pixels shown = CaptureClient(rich, ClientOf(rich));
    EXPECT_GT(SkinnedHost::Count(shown, kSkinRgb), shown.width * shown.height / 2);

    // Seen ahead of the engine: what each paint after the scroll had to cover.
    ::SetWindowSubclass(rich, RecordPaintedArea, 1, 0);
    ::ValidateRect(rich, nullptr);
    paintedArea = {};
    ::SendMessageW(rich, WM_VSCROLL, SB_LINEDOWN, 0);
    ::UpdateWindow(rich);
    PumpFor(50);
    const RECT client = ClientOf(rich);
    EXPECT_TRUE(::EqualRect(&paintedArea, &client))
        << paintedArea.top << ".." << paintedArea.bottom;
    ::RemoveWindowSubclass(rich, RecordPaintedArea, 1);
    EXPECT_EQ(BackgroundSnapshot::LiveCount(), 0u);
}

}  // namespace
}  // namespace yf
