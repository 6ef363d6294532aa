// The DPI helpers on a real system: what they report agrees with the screen whether the newer
// per-window calls exist or not (a table without them stands for Windows 7 and 8.1), and the
// pictures and icons chosen for a DPI are the ones drawn for it.
//
// ctest runs the WindowDpi, SystemMetricForDpi and AdjustWindowRectForDpi cases a second time in
// a prefix whose screen is set to 144 DPI, with YF_EXPECT_DPI=144 telling them what to expect.
#include <gtest/gtest.h>

#include <windows.h>

#include <climits>
#include <cstdlib>
#include <string>

#include "core/dpi_scale.h"
#include "core/dpi_win.h"
#include "core/resource_bytes_win.h"
#include "core/scaled_resources_win.h"
#include "core/unique_handle_win.h"

namespace yf {
namespace {

// The DPI the prefix was set up with, when the run says; 0 when it does not.
int ExpectedDpi() {
    wchar_t text[16] = {};
    if (!::GetEnvironmentVariableW(L"YF_EXPECT_DPI", text, 16)) return 0;
    return std::wcstol(text, nullptr, 10);
}

int ScreenLogPixels() {
    HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSX);
    ::ReleaseDC(nullptr, screen);
    return dpi;
}

UniqueWindow HiddenWindow() {
    return UniqueWindow(::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 50, 50, nullptr,
                                          nullptr, nullptr, nullptr));
}

const DpiFunctions kWithoutNewerCalls{};

TEST(WindowDpiTest, ReportsTheScreensDpiWithAndWithoutTheNewerCall) {
    // Wine's user32 has GetDpiForWindow; without it found, the first half proves nothing.
    ASSERT_NE(SystemDpiFunctions().getDpiForWindow, nullptr);
    const UniqueWindow window = HiddenWindow();
    ASSERT_TRUE(window);
    const int screen = ScreenLogPixels();
    EXPECT_EQ(WindowDpi(window.get()), screen);
    EXPECT_EQ(WindowDpi(window.get(), kWithoutNewerCalls), screen);
    EXPECT_EQ(ScreenDpi(), screen);
    EXPECT_EQ(WindowScale(window.get()).Dpi(), screen);
    if (const int expected = ExpectedDpi()) {
        EXPECT_EQ(screen, expected) << "the prefix's LogPixels did not reach the screen";
        EXPECT_EQ(WindowDpi(window.get()), expected);
    }
}

UINT WINAPI FakeDpiForWindow(HWND window) {
    return ::IsWindow(window) ? 168 : 0;
}

TEST(WindowDpiTest, AsksTheNewerCallWhereItExistsAndKnowsTheWindow) {
    DpiFunctions fake;
    fake.getDpiForWindow = &FakeDpiForWindow;
    const UniqueWindow window = HiddenWindow();
    EXPECT_EQ(WindowDpi(window.get(), fake), 168);
    // A handle that is no window: the newer call says 0, and the screen's DPI stands in.
    EXPECT_EQ(WindowDpi(nullptr, fake), ScreenLogPixels());
}

TEST(SystemMetricForDpiTest, FallbackScalesSizesFromTheScreensDpiOnly) {
    const int screen = ScreenLogPixels();
    for (const int index : {SM_CXSMICON, SM_CYCAPTION, SM_CXVSCROLL, SM_CXICON}) {
        SCOPED_TRACE(index);
        const int system = ::GetSystemMetrics(index);
        EXPECT_EQ(SystemMetricForDpi(index, screen, kWithoutNewerCalls), system);
        EXPECT_EQ(SystemMetricForDpi(index, 2 * screen, kWithoutNewerCalls), 2 * system);
        EXPECT_EQ(SystemMetricForDpi(index, screen + screen / 2, kWithoutNewerCalls),
                  MulDivRounded(system, 3, 2));
    }
    // Counts and the screen's own size are the same at every DPI.
    for (const int index : {SM_CMOUSEBUTTONS, SM_CXSCREEN, SM_CMONITORS}) {
        EXPECT_EQ(SystemMetricForDpi(index, 2 * screen, kWithoutNewerCalls),
                  ::GetSystemMetrics(index))
            << index;
    }
}

TEST(SystemMetricForDpiTest, FallbackAgreesWithTheNewerCallAtTheScreensDpi) {
    ASSERT_NE(SystemDpiFunctions().getSystemMetricsForDpi, nullptr);
    const int screen = ScreenLogPixels();
    for (const int index : {SM_CXSMICON, SM_CYSMICON, SM_CXICON, SM_CYCAPTION, SM_CXVSCROLL}) {
        EXPECT_EQ(SystemMetricForDpi(index, screen),
                  SystemMetricForDpi(index, screen, kWithoutNewerCalls))
            << index;
    }
    if (const int expected = ExpectedDpi()) {
        // The small icon is 16 pixels at 100 %: the tray's icon size follows the setting.
        EXPECT_EQ(SystemMetricForDpi(SM_CXSMICON, expected), DpiScale(expected).Scale(16));
    }
}

RECT Adjusted(DWORD style, int dpi, const DpiFunctions& functions) {
    RECT rect{10, 20, 381, 275};
    EXPECT_TRUE(AdjustWindowRectForDpi(rect, style, false, 0, dpi, functions));
    return rect;
}

TEST(AdjustWindowRectForDpiTest, FallbackScalesTheFrameItAdds) {
    const int screen = ScreenLogPixels();
    const DWORD framed = WS_OVERLAPPEDWINDOW;
    RECT system{10, 20, 381, 275};
    ASSERT_TRUE(::AdjustWindowRectEx(&system, framed, FALSE, 0));
    const RECT same = Adjusted(framed, screen, kWithoutNewerCalls);
    EXPECT_TRUE(::EqualRect(&same, &system));
    const RECT twice = Adjusted(framed, 2 * screen, kWithoutNewerCalls);
    EXPECT_EQ(10 - twice.left, 2 * (10 - system.left));
    EXPECT_EQ(20 - twice.top, 2 * (20 - system.top));
    EXPECT_EQ(twice.right - 381, 2 * (system.right - 381));
    EXPECT_EQ(twice.bottom - 275, 2 * (system.bottom - 275));
    // The program's window has no frame of the system's: nothing is added at any DPI.
    const RECT popup = Adjusted(WS_POPUP, 2 * screen, kWithoutNewerCalls);
    const RECT unchanged{10, 20, 381, 275};
    EXPECT_TRUE(::EqualRect(&popup, &unchanged));
}

TEST(AdjustWindowRectForDpiTest, FallbackAgreesWithTheNewerCallAtTheScreensDpi) {
    ASSERT_NE(SystemDpiFunctions().adjustWindowRectExForDpi, nullptr);
    const int screen = ScreenLogPixels();
    const RECT newer = Adjusted(WS_OVERLAPPEDWINDOW, screen, SystemDpiFunctions());
    const RECT fallback = Adjusted(WS_OVERLAPPEDWINDOW, screen, kWithoutNewerCalls);
    EXPECT_TRUE(::EqualRect(&newer, &fallback));
}

// The system's own MulDiv and the portable one agree, halves and negatives included, over the
// values the layout scales and over odd and negative denominators.
TEST(MulDivRoundedTest, AgreesWithTheSystemsMulDiv) {
    for (const int denominator : {96, 7, 3, -2, -96, 100}) {
        for (const int numerator : {96, 120, 144, 168, 192, -120, 1, 0}) {
            for (int number = -260; number <= 260; ++number) {
                ASSERT_EQ(MulDivRounded(number, numerator, denominator),
                          ::MulDiv(number, numerator, denominator))
                    << number << " * " << numerator << " / " << denominator;
            }
        }
    }
    EXPECT_EQ(MulDivRounded(INT_MAX, 2, 1), ::MulDiv(INT_MAX, 2, 1));
    EXPECT_EQ(MulDivRounded(5, 7, 0), ::MulDiv(5, 7, 0));
}

// A PNG's width, from its header.
int PngWidth(std::span<const std::uint8_t> png) {
    if (png.size() < 24) return 0;
    return png[16] << 24 | png[17] << 16 | png[18] << 8 | png[19];
}

TEST(PictureForDpiTest, TakesTheDrawnScaleAtOrAboveTheWindows) {
    struct Case {
        int dpi, percent, width;  // the close glyph is 38 wide at 100 %
    };
    for (const Case c :
         {Case{96, 100, 38}, Case{72, 100, 38}, Case{120, 125, 48}, Case{144, 150, 57},
          Case{168, 200, 76}, Case{192, 200, 76}, Case{288, 200, 76}}) {
        const ScaledPicture picture = PictureForDpi(L"GLYPH_CLOSE", c.dpi);
        EXPECT_EQ(picture.percent, c.percent) << c.dpi;
        EXPECT_EQ(PngWidth(picture.bytes), c.width) << c.dpi;
    }
    // At 100 % the very resource the painters read today.
    EXPECT_EQ(PictureForDpi(L"ARROW_UP", 96).bytes.data(), ResourceBytes(L"ARROW_UP").data());
    // A picture drawn only at 100 % (a skin) is that one at every DPI; a missing one is none.
    EXPECT_EQ(PictureForDpi(L"SKIN1", 192).percent, 100);
    EXPECT_EQ(PictureForDpi(L"SKIN1", 192).bytes.data(), ResourceBytes(L"SKIN1").data());
    EXPECT_TRUE(PictureForDpi(L"NO_SUCH_PICTURE", 144).bytes.empty());
    EXPECT_EQ(PictureForDpi(L"NO_SUCH_PICTURE", 144).percent, 0);
}

int IconWidth(HICON icon) {
    ICONINFO info{};
    if (!::GetIconInfo(icon, &info)) return 0;
    BITMAP bitmap{};
    ::GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof(bitmap), &bitmap);
    if (info.hbmColor) ::DeleteObject(info.hbmColor);
    if (info.hbmMask) ::DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}

TEST(IconForDpiTest, LoadsTheImageDrawnAtOrAboveTheScaledPlace) {
    struct Case {
        const wchar_t* name;
        int logical, dpi, size;
    };
    const Case cases[] = {
        {L"DEFAULT_ICON", 32, 96, 32},
        {L"DEFAULT_ICON", 32, 120, 40},
        {L"DEFAULT_ICON", 32, 144, 48},
        {L"DEFAULT_ICON", 32, 168, 64},
        {L"DEFAULT_ICON", 32, 192, 64},
        {L"DEFAULT_ICON", 32, 288, 64},
        // The caption's and the tray's 16-pixel place takes the 100 % picture, as it does today.
        {L"DEFAULT_ICON", 16, 96, 32},
        {L"DEFAULT_ICON", 16, 192, 32},
        {L"OK_ICON", 16, 96, 16},
        {L"OK_ICON", 16, 120, 20},
        {L"EXIT_ICON", 16, 144, 24},
        {L"EXIT_ICON", 16, 192, 32},
    };
    for (const Case& c : cases) {
        const ScaledIcon icon = IconForDpi(c.name, c.logical, c.dpi);
        ASSERT_TRUE(icon.icon) << c.dpi;
        EXPECT_EQ(icon.size, c.size) << c.logical << " at " << c.dpi;
        EXPECT_EQ(IconWidth(icon.icon.get()), c.size) << c.logical << " at " << c.dpi;
    }
    EXPECT_FALSE(IconForDpi(L"NO_SUCH_ICON", 16, 96).icon);
}

}  // namespace
}  // namespace yf
