// The mark of a window outside the engine that composes its own image ("Wxk_Zpf" = 1): the
// engine copies the background of controls inside it from that image and keeps nothing of it.
#pragma once

#include <windows.h>

namespace yf {

bool ComposesOwnImage(HWND window);

// While one lives (around a control's paint), each window's mark is read once: one paint asks
// it of every ancestor several times, and each read is a round trip through the window system.
// Nothing sets the mark in the middle of a paint.
class OwnImageMarkScope {
  public:
    OwnImageMarkScope();
    ~OwnImageMarkScope();
    OwnImageMarkScope(const OwnImageMarkScope&) = delete;
    OwnImageMarkScope& operator=(const OwnImageMarkScope&) = delete;
};

}  // namespace yf
