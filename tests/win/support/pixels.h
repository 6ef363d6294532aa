// Reading back what a window shows, for tests that compare pixels.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace yf::testing {

struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> bgra;  // top-down rows

    std::uint32_t At(int x, int y) const { return bgra[static_cast<size_t>(y) * width + x] & 0xFFFFFF; }
    bool operator==(const Pixels&) const = default;
};

// The part `area` of what the window shows now: client coordinates, or window coordinates
// (frame included) when `wholeWindow` is set.
inline Pixels Capture(HWND window, RECT area, bool wholeWindow) {
    Pixels result;
    result.width = area.right - area.left;
    result.height = area.bottom - area.top;
    result.bgra.resize(static_cast<size_t>(result.width) * result.height);
    HDC windowDc = wholeWindow ? ::GetWindowDC(window) : ::GetDC(window);
    HDC memoryDc = ::CreateCompatibleDC(windowDc);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = result.width;
    info.bmiHeader.biHeight = -result.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(memoryDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(memoryDc, bitmap);
    ::BitBlt(memoryDc, 0, 0, result.width, result.height, windowDc, area.left, area.top, SRCCOPY);
    ::GdiFlush();
    const auto* source = static_cast<const std::uint32_t*>(bits);
    result.bgra.assign(source, source + result.bgra.size());
    ::SelectObject(memoryDc, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memoryDc);
    ::ReleaseDC(window, windowDc);
    return result;
}

inline Pixels CaptureClient(HWND window, RECT area) { return Capture(window, area, false); }

// The whole window, frame included.
inline Pixels CaptureWindow(HWND window) {
    RECT bounds;
    ::GetWindowRect(window, &bounds);
    return Capture(window, {0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top}, true);
}

inline int CountDifferentPixels(const Pixels& a, const Pixels& b) {
    int different = 0;
    for (size_t i = 0; i < a.bgra.size() && i < b.bgra.size(); ++i) {
        if ((a.bgra[i] & 0xFFFFFF) != (b.bgra[i] & 0xFFFFFF)) ++different;
    }
    return different;
}

}  // namespace yf::testing

namespace yf::testing {

// Writes the pixels as a binary PPM when YF_TEST_DUMP names a folder (for looking at failures).
inline void DumpIfAsked(const Pixels& pixels, const char* name) {
    char folder[MAX_PATH] = {};
    if (!::GetEnvironmentVariableA("YF_TEST_DUMP", folder, MAX_PATH)) return;
    std::string path = std::string(folder) + "\\" + name + ".ppm";
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return;
    std::fprintf(file, "P6\n%d %d\n255\n", pixels.width, pixels.height);
    for (std::uint32_t p : pixels.bgra) {
        const unsigned char rgb[3] = {static_cast<unsigned char>(p >> 16),
                                      static_cast<unsigned char>(p >> 8),
                                      static_cast<unsigned char>(p)};
        std::fwrite(rgb, 1, 3, file);
    }
    std::fclose(file);
}

}  // namespace yf::testing
