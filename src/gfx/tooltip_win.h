// A tooltip window whose tools are rectangles of one owner window (the caption buttons).
#pragma once

#include <windows.h>

#include <string_view>

#include "core/unique_handle_win.h"

namespace yf::gfx {

class ToolTip {
  public:
    ToolTip() = default;
    // A tooltip owned by a window is destroyed with it; only one that outlived it is left here.
    ~ToolTip() {
        if (window_ && !::IsWindow(window_.get())) window_.release();
    }
    ToolTip(ToolTip&&) = default;
    ToolTip& operator=(ToolTip&&) = default;

    // The tooltip window belongs to `owner` and goes with this object.
    bool Create(HWND owner, bool balloon = false);
    bool AddTool(const RECT& rect, std::string_view text, UINT id);
    bool SetToolRect(UINT id, const RECT& rect);
    bool SetToolText(UINT id, std::string_view text);
    bool DeleteTool(UINT id);
    HWND Window() const { return window_.get(); }

  private:
    UniqueWindow window_;
    HWND owner_ = nullptr;
};

}  // namespace yf::gfx
