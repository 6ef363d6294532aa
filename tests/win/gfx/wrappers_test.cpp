// The drawing layer under Wine's GDI+: owners release once, pictures loaded from bytes stay
// drawable after the bytes are gone, encoders are found by their exact format text.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <vector>

#include "core/tool_info_win.h"
#include "gfx/brushes_win.h"
#include "gfx/graphics_win.h"
#include "gfx/image_win.h"
#include "gfx/pixels_win.h"
#include "gfx/text_win.h"
#include "gfx/tooltip_win.h"
#include "support/gdiplus_session.h"

namespace yf::gfx {
namespace {

class WrappersTest : public ::testing::Test {
  protected:
    testing::GdiplusSession session_;
};

// A picture with four coloured quadrants, encoded in `format`.
std::vector<std::uint8_t> QuadrantPicture(int w, int h, std::string_view format) {
    Bitmap bitmap;
    EXPECT_TRUE(bitmap.Create(w, h));
    Graphics graphics;
    EXPECT_TRUE(graphics.FromImage(bitmap));
    SolidBrush brush;
    const Argb colours[] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFF00};
    for (int q = 0; q < 4; ++q) {
        brush.Create(colours[q]);
        graphics.FillRectangle(
            brush, {static_cast<float>((q % 2) * w / 2), static_cast<float>((q / 2) * h / 2),
                    static_cast<float>(w / 2), static_cast<float>(h / 2)});
    }
    graphics.Delete();
    return bitmap.SaveToBytes(format);
}

bool Near(Argb a, Argb b, int tolerance) {
    for (int shift = 0; shift < 32; shift += 8) {
        const int x = static_cast<int>((a >> shift) & 0xFF);
        const int y = static_cast<int>((b >> shift) & 0xFF);
        if (std::abs(x - y) > tolerance) return false;
    }
    return true;
}

TEST_F(WrappersTest, DeleteOnAnEmptyObjectReturnsFalse) {
    Graphics graphics;
    GraphicsPath path;
    SolidBrush brush;
    Pen pen;
    Font font;
    StringFormat format;
    Image image;
    EXPECT_FALSE(graphics.Delete());
    EXPECT_FALSE(path.Delete());
    EXPECT_FALSE(brush.Delete());
    EXPECT_FALSE(pen.Delete());
    EXPECT_FALSE(font.Delete());
    EXPECT_FALSE(format.Delete());
    EXPECT_FALSE(image.Dispose());
    EXPECT_TRUE(brush.Create(0xFF000000));
    EXPECT_TRUE(brush.Delete());
    EXPECT_FALSE(brush.Delete());
}

TEST_F(WrappersTest, MovingHandsTheHandleOverAndLeavesTheSourceEmpty) {
    SolidBrush first;
    ASSERT_TRUE(first.Create(0xFF123456));
    gp::GpBrush* handle = first.Handle();
    SolidBrush second(std::move(first));
    EXPECT_EQ(first.Handle(), nullptr);
    EXPECT_EQ(second.Handle(), handle);
    SolidBrush third;
    third.Create(0xFF000000);
    third = std::move(second);
    EXPECT_EQ(third.Handle(), handle);
    EXPECT_EQ(third.Type(), static_cast<int>(gp::BrushTypeSolidColor));
    EXPECT_FALSE(second.Delete());
}

TEST_F(WrappersTest, ImageFromBytesStaysDrawableAfterTheBytesAreGone) {
    auto bytes = std::make_unique<std::vector<std::uint8_t>>(QuadrantPicture(40, 20, kJpegFormat));
    ASSERT_GT(bytes->size(), 100u);
    ASSERT_EQ((*bytes)[0], 0xFF);
    ASSERT_EQ((*bytes)[1], 0xD8);
    Image image;
    ASSERT_TRUE(image.FromBytes(*bytes));
    std::fill(bytes->begin(), bytes->end(), 0);
    bytes.reset();

    EXPECT_EQ(image.Width(), 40u);
    EXPECT_EQ(image.Height(), 20u);
    Bitmap canvas;
    ASSERT_TRUE(canvas.Create(80, 40));
    Graphics graphics;
    ASSERT_TRUE(graphics.FromImage(canvas));
    ASSERT_TRUE(graphics.DrawImageRect(image, {0, 0, 80, 40}));
    graphics.Delete();
    EXPECT_TRUE(Near(canvas.GetPixel(10, 10), 0xFFFF0000, 40));
    EXPECT_TRUE(Near(canvas.GetPixel(70, 10), 0xFF00FF00, 40));
    EXPECT_TRUE(Near(canvas.GetPixel(10, 30), 0xFF0000FF, 40));
    EXPECT_TRUE(Near(canvas.GetPixel(70, 30), 0xFFFFFF00, 40));
}

TEST_F(WrappersTest, SaveToBytesFindsTheEncoderOnlyByItsExactText) {
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.Create(8, 8));
    const std::vector<std::uint8_t> png = bitmap.SaveToBytes(kPngFormat);
    const std::uint8_t signature[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    ASSERT_GE(png.size(), sizeof(signature));
    EXPECT_TRUE(std::equal(std::begin(signature), std::end(signature), png.begin()));
    EXPECT_TRUE(bitmap.SaveToBytes("{b96b3caf-0728-11d3-9d7b-0000f81ef32e}").empty());
    EXPECT_TRUE(bitmap.SaveToBytes("B96B3CAF-0728-11D3-9D7B-0000F81EF32E").empty());
}

TEST_F(WrappersTest, BitmapWithoutFormatIs32BitArgb) {
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.Create(3, 2));
    EXPECT_EQ(bitmap.Format(), static_cast<gp::PixelFormat>(PixelFormat32bppARGB));
    EXPECT_TRUE(bitmap.HasAlpha());
}

TEST_F(WrappersTest, FontOfAMissingFamilyFails) {
    Font font;
    EXPECT_FALSE(font.Create("没有这种字体 Nowhere Sans", 12));
    EXPECT_FALSE(static_cast<bool>(font));
    EXPECT_NE(LastStatus(), 0);
    ASSERT_TRUE(font.Create("宋体", 12, gp::FontStyleBold));
    EXPECT_EQ(font.Style(), static_cast<int>(gp::FontStyleBold));
    EXPECT_FLOAT_EQ(font.Size(), 12);
    FontFamily family;
    ASSERT_TRUE(font.GetFamily(family));
    EXPECT_FALSE(family.Name().empty());
}

TEST_F(WrappersTest, MemoryStreamRoundTrip) {
    const std::vector<std::uint8_t> bytes{1, 2, 3, 4, 5, 250};
    MemoryStream stream;
    ASSERT_NE(stream.OpenBytes(bytes), nullptr);
    EXPECT_EQ(stream.Size(), bytes.size());
    EXPECT_EQ(stream.ToBytes(), bytes);
    MemoryStream moved(std::move(stream));
    EXPECT_EQ(stream.Stream(), nullptr);
    EXPECT_EQ(moved.ToBytes(), bytes);
    moved.Close();
    EXPECT_EQ(moved.Size(), 0u);
}

TEST_F(WrappersTest, PixelsRoundTripThroughABitmap) {
    const PixelBuffer decoded = DecodePicture(QuadrantPicture(20, 10, kPngFormat));
    ASSERT_EQ(decoded.width, 20);
    ASSERT_EQ(decoded.height, 10);
    EXPECT_TRUE(decoded.opaque);
    EXPECT_EQ(decoded.At(2, 2), 0xFFFF0000u);
    EXPECT_EQ(decoded.At(17, 8), 0xFFFFFF00u);
    Bitmap bitmap;
    ASSERT_TRUE(ToBitmap(decoded, bitmap));
    EXPECT_EQ(bitmap.GetPixel(17, 2), 0xFF00FF00u);
    EXPECT_TRUE(DecodePicture(std::vector<std::uint8_t>{1, 2, 3}).empty());
}

TEST_F(WrappersTest, ToolTipKeepsOneToolPerId) {
    HWND owner = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 100, 50, nullptr, nullptr,
                                   nullptr, nullptr);
    ASSERT_NE(owner, nullptr);
    {
        ToolTip tip;
        ASSERT_TRUE(tip.Create(owner));
        EXPECT_TRUE(tip.AddTool({0, 0, 10, 10}, "最小化", 1));
        EXPECT_TRUE(tip.AddTool({10, 0, 20, 10}, "关闭", 2));
        EXPECT_EQ(::SendMessageW(tip.Window(), TTM_GETTOOLCOUNT, 0, 0), 2);
        tip.SetToolText(2, "关闭窗口");
        wchar_t text[32] = {};
        TTTOOLINFOW tool = MakeToolInfo(owner, 2, 0, text);
        ::SendMessageW(tip.Window(), TTM_GETTEXTW, 32, reinterpret_cast<LPARAM>(&tool));
        EXPECT_STREQ(text, L"关闭窗口");
        tip.DeleteTool(1);
        EXPECT_EQ(::SendMessageW(tip.Window(), TTM_GETTOOLCOUNT, 0, 0), 1);
    }
    ::DestroyWindow(owner);
}

// The system destroys a tooltip with the window that owns it (a caption's, a picture button's):
// the object still holding its handle lets it go without destroying through the stale handle,
// whether it is replaced or goes itself. What looking at the stale handle leaves in the last
// error is all there may be afterwards.
TEST_F(WrappersTest, AToolTipTheSystemDestroyedIsNotDestroyedAgain) {
    for (const bool replaced : {true, false}) {
        SCOPED_TRACE(replaced ? "replaced" : "gone");
        HWND owner = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 100, 50, nullptr,
                                       nullptr, nullptr, nullptr);
        auto tip = std::make_unique<ToolTip>();
        ASSERT_TRUE(tip->Create(owner));
        const HWND stale = tip->Window();
        ::DestroyWindow(owner);
        ASSERT_FALSE(::IsWindow(stale));
        ::SetLastError(0);
        ::IsWindow(stale);
        const DWORD looked = ::GetLastError();
        ::SetLastError(0);
        if (replaced) {
            *tip = ToolTip();
        } else {
            tip.reset();
        }
        EXPECT_EQ(::GetLastError(), looked);
    }
}

}  // namespace
}  // namespace yf::gfx
