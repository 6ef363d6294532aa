// GDI+ started for the length of a test, as the skin engine starts it in the program.
#pragma once

#include <windows.h>

#include <objidl.h>

#include <gdiplus.h>

namespace yf::testing {

class GdiplusSession {
  public:
    GdiplusSession() {
        Gdiplus::GdiplusStartupInput input;
        Gdiplus::GdiplusStartup(&token_, &input, nullptr);
    }
    ~GdiplusSession() { Gdiplus::GdiplusShutdown(token_); }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

  private:
    ULONG_PTR token_ = 0;
};

}  // namespace yf::testing
