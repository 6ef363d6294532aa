// The status bar of a skinned window under Wine: its place and cells, a cell's new text
// repainting that cell alone, glowing text, the bar following size changes, and windows without
// a bar.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <vector>

#include "skin/engine/skin_engine_win.h"
#include "support/message_pump.h"
#include "support/pictures.h"
#include "support/pixels.h"
#include "support/engine_inside.h"

namespace yf {
namespace {

using testing::Inside;
using testing::PumpFor;

constexpr wchar_t kHostClass[] = L"YfStatusBarTestWindow";
constexpr std::uint32_t kGrey = 0x808080;

class StatusBarTest : public ::testing::Test {
  protected:
    void SetUp() override {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = ::DefWindowProcW;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = kHostClass;
        ::RegisterClassExW(&wc);
        engine_ = std::make_unique<SkinEngine>();
        picture_ = testing::FlatPicture(20, 20, 0xFF000000 | kGrey);
        SkinPictureArgs args;
        args.bytes = picture_;
        args.themeColour = 0x404040;  // the text is its inverse: light
        args.mode = PictureMode::Stretched;
        engine_->SetSkinPicture(args);
    }
    void TearDown() override {
        if (::IsWindow(window_)) ::DestroyWindow(window_);
        engine_.reset();
        PumpFor(20);
    }

    void Build(int height, std::vector<int> widths) {
        window_ = ::CreateWindowExW(0, kHostClass, L"状态栏", WS_POPUP, 50, 50, 600, 300, nullptr,
                                    nullptr, nullptr, nullptr);
        ApplySkinArgs apply;
        apply.window = window_;
        apply.captionHeight = 25;
        apply.statusBarHeight = height;
        apply.statusCellWidths = std::move(widths);
        ASSERT_TRUE(engine_->ApplySkin(apply));
        ::ShowWindow(window_, SW_SHOWNOACTIVATE);
        ::UpdateWindow(window_);
        PumpFor(150);
    }
    const StatusBar& Bar() { return Inside().Record(1)->statusBar; }
    testing::Pixels Client() {
        RECT client{};
        ::GetClientRect(window_, &client);
        return testing::CaptureClient(window_, client);
    }
    void PoisonClient() {
        WindowDc dc(window_);
        RECT client{};
        ::GetClientRect(window_, &client);
        UniqueBrush green(::CreateSolidBrush(RGB(0, 255, 0)));
        ::FillRect(dc.get(), &client, green.get());
    }
    static bool InBox(const PixelBox& box, int x, int y) {
        return x >= box.x && x < box.x + box.width && y >= box.y && y < box.y + box.height;
    }

    std::unique_ptr<SkinEngine> engine_;
    std::vector<std::uint8_t> picture_;
    HWND window_ = nullptr;
};

TEST_F(StatusBarTest, RegistrationSetsUpTheBarAndItsCells) {
    Build(22, {140, 180, -1});
    EXPECT_EQ(Bar().height, 22);
    EXPECT_EQ(Bar().rect.left, 3);
    EXPECT_EQ(Bar().rect.top, 300 - 3 - 22 - 1);
    EXPECT_EQ(Bar().rect.right, 597);
    ASSERT_EQ(Bar().cells.size(), 3u);
    EXPECT_EQ(Bar().cells[2].x, 323);
    EXPECT_EQ(Bar().cells[2].width, 274);
    // The bar's lighter band lies over the picture, the picture above it is untouched.
    const testing::Pixels pixels = Client();
    EXPECT_GT(pixels.At(300, 276), kGrey);
    EXPECT_EQ(pixels.At(300, 260), kGrey);
}

TEST_F(StatusBarTest, SettingACellRepaintsThatCellOnly) {
    Build(22, {140, 180, -1});
    PoisonClient();
    ASSERT_TRUE(engine_->SetStatusCell(window_, 2, "就绪"));
    const testing::Pixels pixels = Client();
    const PixelBox& second = Bar().cells[1];
    int inside = 0, outsideGreen = 0, outside = 0;
    // The rounded window region leaves the very corners out of the comparison.
    for (int y = 3; y < pixels.height - 3; ++y) {
        for (int x = 3; x < pixels.width - 3; ++x) {
            const bool green = pixels.At(x, y) == 0x00FF00u;
            if (InBox(second, x, y)) {
                inside += green;
            } else {
                ++outside;
                outsideGreen += green;
            }
        }
    }
    EXPECT_EQ(inside, 0);
    EXPECT_EQ(outsideGreen, outside);
    // The text is light: the inverse of the dark theme colour, 0xBFBFBF.
    int light = 0;
    for (int y = second.y; y < second.y + second.height; ++y) {
        for (int x = second.x; x < second.x + second.width; ++x)
            light += pixels.At(x, y) > 0xB0B0B0;
    }
    EXPECT_GT(light, 10);
    // The window image keeps the text for the next paint.
    ::InvalidateRect(window_, nullptr, FALSE);
    PumpFor(50);
    EXPECT_EQ(
        testing::CountDifferentPixels(Client(), testing::CaptureClient(window_, {0, 0, 600, 300})),
        0);

    EXPECT_FALSE(engine_->SetStatusCell(window_, 4, "超出"));
    EXPECT_FALSE(engine_->SetStatusCell(window_, 0, "零"));
    HWND loose = ::CreateWindowExW(0, kHostClass, L"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                   nullptr, nullptr);
    EXPECT_FALSE(engine_->SetStatusCell(loose, 1, "未注册"));
    EXPECT_FALSE(engine_->SetStatusTextStyle(loose, {}));
    ::DestroyWindow(loose);
}

TEST_F(StatusBarTest, GlowingTextStaysInItsCellAcrossRepaints) {
    Build(22, {200, -1});
    ASSERT_TRUE(engine_->SetStatusTextStyle(window_, {true, true, 0x000000, 0xFFFFFF, "宋体", 12}));
    for (int i = 0; i < 5; ++i) engine_->SetStatusCell(window_, 1, "发光的文字");
    const testing::Pixels once = Client();
    engine_->RenderWindow(1);
    const testing::Pixels fresh = Client();
    // Drawing the same glow five times over the saved band gives what one composition gives.
    EXPECT_EQ(testing::CountDifferentPixels(once, fresh), 0);
    const PixelBox& cell = Bar().cells[0];
    // The band where no text is, and the glow lighter than it round the text.
    const int band = static_cast<int>(once.At(cell.x + cell.width - 4, cell.y + 2) & 0xFF);
    int dark = 0, glow = 0;
    for (int y = cell.y; y < cell.y + cell.height; ++y) {
        for (int x = cell.x; x < cell.x + cell.width; ++x) {
            const int blue = static_cast<int>(once.At(x, y) & 0xFF);
            dark += blue < 0x30;
            glow += blue > band + 25;
        }
    }
    EXPECT_GT(dark, 10);  // the text
    EXPECT_GT(glow, 30) << band;
}

TEST_F(StatusBarTest, TheBarFollowsTheWindowSize) {
    Build(22, {-1, -1});
    ASSERT_EQ(Bar().cells.size(), 2u);
    EXPECT_EQ(Bar().cells[0].width, 594);
    EXPECT_EQ(Bar().cells[1].width, 0);
    ::SetWindowPos(window_, nullptr, 0, 0, 500, 260, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    PumpFor(100);
    EXPECT_EQ(Bar().rect.top, 260 - 26);
    EXPECT_EQ(Bar().cells[0].width, 494);
    ASSERT_TRUE(engine_->SetStatusCell(window_, 1, "变小了"));
}

TEST_F(StatusBarTest, AWindowWithoutABarHasNone) {
    Build(0, {100});
    EXPECT_EQ(Bar().height, 0);
    EXPECT_TRUE(Bar().items.empty());
    EXPECT_FALSE(engine_->SetStatusCell(window_, 1, "没有"));
    engine_->PaintStatusCell(1, nullptr, 1);
    EXPECT_EQ(Client().At(300, 285), kGrey);
}

}  // namespace
}  // namespace yf
