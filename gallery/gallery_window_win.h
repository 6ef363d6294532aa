// The gallery window: one resizable skinned window with a status bar and a group box
// registered as a container, holding every control family the skin engine paints, so the
// engine can be seen and tested apart from the program's own window.
#pragma once

#include <windows.h>

#include "core/unique_handle_win.h"
#include "gallery/sections_win.h"

namespace yf {
class SkinEngine;
}

namespace yf::gallery {

class GalleryWindow {
  public:
    GalleryWindow(HINSTANCE instance, SkinEngine& engine);
    GalleryWindow(const GalleryWindow&) = delete;
    GalleryWindow& operator=(const GalleryWindow&) = delete;

    // The window, the group box and every section's controls, not yet skinned or shown.
    bool Create();
    // Skin 1 .. 8; the first switch also registers the window, the group box and what the
    // sections register one by one.
    void SwitchSkin(int skin);
    void Show(int showCommand);
    HWND Handle() const { return window_; }
    // A number key 1 .. 8 switches the skin, unless the control it goes to takes characters.
    bool TakeSkinKey(const MSG& msg);

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam,
                                      LPARAM lParam) noexcept;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    SectionPlace PlaceOf(int band) const;
    void ShowSkinAndSize();

    HINSTANCE instance_;
    SkinEngine& engine_;
    HWND window_ = nullptr;
    HWND group_ = nullptr;
    UniqueFont font_;
    int skin_ = 0;
    bool registered_ = false;
};

}  // namespace yf::gallery
