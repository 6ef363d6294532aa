// GDI+ itself, started once for the process: the owner of its start-up token.
#pragma once

#include <windows.h>

namespace yf::gfx {

class GdiplusSession {
  public:
    // Version 1, no debug hook, its background thread and external codecs allowed.
    GdiplusSession();
    ~GdiplusSession() { Shutdown(); }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

    bool Running() const { return token_ != 0; }
    // Ends GDI+ now (at the latest on destruction); every GDI+ object must be gone by then.
    void Shutdown();

  private:
    ULONG_PTR token_ = 0;
};

}  // namespace yf::gfx
