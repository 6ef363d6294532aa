// A DC of a window with every visible, non-transparent direct child clipped out, so a copy of
// the window's composed image does not paint over the children. It either owns the DC (taken
// with GetDC, released at the end) or borrows one (a paint DC), whose clipping it puts back.
#pragma once

#include <windows.h>

#include <vector>

namespace yf {

class ClippedWindowDc {
  public:
    explicit ClippedWindowDc(HWND window, HDC borrowed = nullptr);
    // The same with the window's children already asked for (ChildrenOf).
    ClippedWindowDc(HWND window, HDC borrowed, const std::vector<HWND>& children);
    ~ClippedWindowDc();
    ClippedWindowDc(const ClippedWindowDc&) = delete;
    ClippedWindowDc& operator=(const ClippedWindowDc&) = delete;

    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

  private:
    HWND window_;
    HDC dc_;
    bool owned_;
    int savedState_ = 0;
};

}  // namespace yf
