// The skin pictures and glyphs are linked in by name from resources.rc; the painters assume
// baseline JPEG and 32-bit RGBA PNG at fixed sizes. These tests read the very files the
// resource script names and check those facts, so a regenerated asset cannot drift.
#include <gtest/gtest.h>

#include "core/dpi_scale.h"
#include "core/picture_scale.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace yf {
namespace {

using Bytes = std::vector<std::uint8_t>;

const std::string kSourceDir = YF_SOURCE_DIR;

Bytes ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int BigEndian16(const Bytes& b, size_t at) {
    return (b[at] << 8) | b[at + 1];
}

std::uint32_t BigEndian32(const Bytes& b, size_t at) {
    return (std::uint32_t{b[at]} << 24) | (std::uint32_t{b[at + 1]} << 16) |
           (std::uint32_t{b[at + 2]} << 8) | b[at + 3];
}

// RCDATA name -> path relative to assets/, from lines like: SKIN1 RCDATA "skins/skin1.jpg"
// (or ICON lines, with that type).
std::map<std::string, std::string> RcDataFiles(
    const std::string& script_path = "/src/app/resources.rc",
    const std::string& wanted = "RCDATA") {
    std::map<std::string, std::string> files;
    const Bytes text = ReadFile(kSourceDir + script_path);
    std::istringstream script(std::string(text.begin(), text.end()));
    std::string line;
    while (std::getline(script, line)) {
        std::istringstream words(line);
        std::string name, type, path;
        if (words >> name >> type >> path && type == wanted && path.size() > 2 &&
            path.front() == '"' && path.back() == '"') {
            files[name] = path.substr(1, path.size() - 2);
        }
    }
    return files;
}

struct JpegFrame {
    int marker = 0;  // 0xC0 baseline, 0xC1 extended, 0xC2 progressive, ...
    int precision = 0;
    int width = 0;
    int height = 0;
    std::vector<int> componentIds;
};

// Walks the marker segments up to the first start-of-frame.
std::optional<JpegFrame> ReadJpegFrame(const Bytes& b) {
    if (b.size() < 4 || b[0] != 0xFF || b[1] != 0xD8) return std::nullopt;
    size_t at = 2;
    while (at + 4 <= b.size()) {
        if (b[at] != 0xFF) return std::nullopt;
        const int marker = b[at + 1];
        if (marker == 0xFF) {  // fill byte before a marker
            ++at;
            continue;
        }
        const size_t length = BigEndian16(b, at + 2);
        if (length < 2 || at + 2 + length > b.size()) return std::nullopt;
        const bool isFrame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (isFrame) {
            if (length < 8) return std::nullopt;
            JpegFrame frame;
            frame.marker = marker;
            frame.precision = b[at + 4];
            frame.height = BigEndian16(b, at + 5);
            frame.width = BigEndian16(b, at + 7);
            const int count = b[at + 9];
            if (length < 8 + 3 * static_cast<size_t>(count)) return std::nullopt;
            for (int c = 0; c < count; ++c) frame.componentIds.push_back(b[at + 10 + 3 * c]);
            return frame;
        }
        if (marker == 0xDA || marker == 0xD9) return std::nullopt;  // scan before any frame
        at += 2 + length;
    }
    return std::nullopt;
}

struct PngHeader {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    int bitDepth = 0;
    int colourType = 0;
};

std::optional<PngHeader> ReadPngHeader(const Bytes& b) {
    static const std::uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (b.size() < 33 || !std::equal(std::begin(kSignature), std::end(kSignature), b.begin())) {
        return std::nullopt;
    }
    if (BigEndian32(b, 8) != 13 || std::string(b.begin() + 12, b.begin() + 16) != "IHDR") {
        return std::nullopt;
    }
    return PngHeader{BigEndian32(b, 16), BigEndian32(b, 20), b[24], b[25]};
}

// The shortest JPEG head that reaches a frame header: SOI, then a frame of one 8 x 4 component.
Bytes SyntheticJpeg(std::uint8_t frameMarker) {
    // clang-format off
    return {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x04, 0x00, 0x00,             // SOI, empty APP0
            0xFF, frameMarker, 0x00, 0x0B, 0x08, 0x00, 0x04, 0x00, 0x08,  // frame: 8 bit, 4 high, 8 wide
            0x01, 0x01, 0x11, 0x00};                                      // component 1
    // clang-format on
}

TEST(SkinAssetsTest, FrameReaderTellsBaselineFromProgressiveAndRejectsNonJpeg) {
    const auto baseline = ReadJpegFrame(SyntheticJpeg(0xC0));
    ASSERT_TRUE(baseline);
    EXPECT_EQ(baseline->marker, 0xC0);
    EXPECT_EQ(baseline->width, 8);
    EXPECT_EQ(baseline->height, 4);
    EXPECT_EQ(baseline->componentIds, std::vector<int>{1});
    const auto progressive = ReadJpegFrame(SyntheticJpeg(0xC2));
    ASSERT_TRUE(progressive);
    EXPECT_EQ(progressive->marker, 0xC2);
    EXPECT_FALSE(ReadJpegFrame(Bytes{0x89, 'P', 'N', 'G'}));
    Bytes truncated = SyntheticJpeg(0xC0);
    truncated.resize(12);
    EXPECT_FALSE(ReadJpegFrame(truncated));
}

TEST(SkinAssetsTest, SkinPicturesAreBaselineYCbCrJpegsAtTheirSizes) {
    struct Case {
        const char* name;
        int width;
        int height;
    };
    const Case cases[] = {
        {"SKIN1", 500, 417},  {"SKIN2", 1920, 1080}, {"SKIN3", 1920, 1080}, {"SKIN4", 2880, 1800},
        {"SKIN5", 1440, 900}, {"SKIN6", 3000, 2500}, {"SKIN7", 1920, 1200}, {"SKIN8", 2560, 1600},
    };
    const auto files = RcDataFiles();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(files.count(c.name));
        const Bytes bytes = ReadFile(kSourceDir + "/assets/" + files.at(c.name));
        ASSERT_FALSE(bytes.empty()) << files.at(c.name);
        EXPECT_LT(bytes.size(), 1500u * 1024u);  // the program holds all eight in memory
        const auto frame = ReadJpegFrame(bytes);
        ASSERT_TRUE(frame);
        EXPECT_EQ(frame->marker, 0xC0);  // baseline sequential DCT
        EXPECT_EQ(frame->precision, 8);
        EXPECT_EQ(frame->width, c.width);
        EXPECT_EQ(frame->height, c.height);
        EXPECT_EQ(frame->componentIds, (std::vector<int>{1, 2, 3}));  // Y, Cb, Cr
    }
}

TEST(SkinAssetsTest, GlyphsAreRgbaPngsAtTheirSizes) {
    struct Case {
        const char* name;
        std::uint32_t width;
        std::uint32_t height;
    };
    const Case cases[] = {
        {"GLYPH_HELP", 26, 18},     {"GLYPH_MENU", 26, 18},    {"GLYPH_MINIMIZE", 26, 18},
        {"GLYPH_MAXIMIZE", 26, 18}, {"GLYPH_RESTORE", 26, 18}, {"GLYPH_CLOSE", 38, 18},
        {"ARROW_UP", 7, 4},         {"ARROW_DOWN", 7, 4},      {"ARROW_LEFT", 4, 7},
        {"ARROW_RIGHT", 4, 7},      {"ARROW_COMBO", 7, 4},
    };
    const auto files = RcDataFiles();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(files.count(c.name));
        const auto header = ReadPngHeader(ReadFile(kSourceDir + "/assets/" + files.at(c.name)));
        ASSERT_TRUE(header) << files.at(c.name);
        EXPECT_EQ(header->width, c.width);
        EXPECT_EQ(header->height, c.height);
        EXPECT_EQ(header->bitDepth, 8);
        EXPECT_EQ(header->colourType, 6);  // truecolour with alpha
    }
}

std::string Narrow(const std::wstring& ascii) {
    return std::string(ascii.begin(), ascii.end());
}

// Every picture is there at each drawn scale, under the name the loader asks for, in the file
// the asset scripts write, at the size the program will give its place (each side scaled and
// rounded as the layout rounds), so a picture never has to be stretched up to fill it.
TEST(SkinAssetsTest, EveryPictureIsDrawnAtEachScale) {
    for (const char* script : {"/src/app/resources.rc", "/gallery/gallery.rc"}) {
        SCOPED_TRACE(script);
        const auto files = RcDataFiles(script);
        int pictures = 0;
        for (const auto& [name, path] : files) {
            if (!path.ends_with(".png") || path.find('@') != std::string::npos) continue;
            ++pictures;
            const auto base = ReadPngHeader(ReadFile(kSourceDir + "/assets/" + path));
            ASSERT_TRUE(base) << path;
            for (const int percent : kPictureScales) {
                if (percent == 100) continue;
                const std::string scaled =
                    Narrow(ScaledPictureName(std::wstring(name.begin(), name.end()), percent));
                SCOPED_TRACE(scaled);
                ASSERT_TRUE(files.count(scaled));
                const std::string stem = path.substr(0, path.size() - 4);
                EXPECT_EQ(files.at(scaled), stem + "@" + std::to_string(percent) + ".png");
                const auto header =
                    ReadPngHeader(ReadFile(kSourceDir + "/assets/" + files.at(scaled)));
                ASSERT_TRUE(header) << files.at(scaled);
                EXPECT_EQ(header->width, static_cast<std::uint32_t>(MulDivRounded(
                                             static_cast<int>(base->width), percent, 100)));
                EXPECT_EQ(header->height, static_cast<std::uint32_t>(MulDivRounded(
                                              static_cast<int>(base->height), percent, 100)));
                EXPECT_EQ(header->bitDepth, 8);
                EXPECT_EQ(header->colourType, 6);
            }
        }
        EXPECT_GE(pictures, 6);
    }
}

struct IconEntry {
    int width, height, bits;
};

// The directory of an .ico file: a 6-byte header, then 16 bytes per image.
std::vector<IconEntry> IconFileEntries(const Bytes& b) {
    std::vector<IconEntry> entries;
    if (b.size() < 6 || b[2] != 1) return entries;
    const size_t count = b[4] | (b[5] << 8);
    for (size_t i = 0; i < count && 6 + 16 * (i + 1) <= b.size(); ++i) {
        const size_t at = 6 + 16 * i;
        entries.push_back({b[at] == 0 ? 256 : b[at], b[at + 1] == 0 ? 256 : b[at + 1],
                           b[at + 6] | (b[at + 7] << 8)});
    }
    return entries;
}

// Each icon holds its 100 % picture first and no smaller one, so every place that asks for a
// size at or below it (the caption and the tray draw the 32-pixel icon down to 16) still gets
// that picture; and it holds the picture drawn for each larger scale.
TEST(SkinAssetsTest, IconsHoldTheirPictureAtEachScale) {
    const std::map<std::string, int> baseSizes = {
        {"DEFAULT_ICON", 32}, {"OK_ICON", 16}, {"EXIT_ICON", 16}};
    const auto icons = RcDataFiles("/src/app/resources.rc", "ICON");
    ASSERT_EQ(icons.size(), baseSizes.size());
    for (const auto& [name, path] : icons) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(baseSizes.count(name));
        const auto entries = IconFileEntries(ReadFile(kSourceDir + "/assets/" + path));
        ASSERT_EQ(entries.size(), std::size(kPictureScales));
        for (size_t i = 0; i < entries.size(); ++i) {
            const int expected = MulDivRounded(baseSizes.at(name), kPictureScales[i], 100);
            EXPECT_EQ(entries[i].width, expected);
            EXPECT_EQ(entries[i].height, expected);
            EXPECT_EQ(entries[i].bits, 32);
        }
    }
}

}  // namespace
}  // namespace yf
