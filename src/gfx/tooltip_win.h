// A tooltip window whose tools are rectangles of one owner window (the caption buttons).
#pragma once

#include <windows.h>

#include <string_view>
#include <utility>

#include "core/unique_handle_win.h"

namespace yf::gfx {

class ToolTip {
  public:
    ToolTip() = default;
    // A tooltip owned by a window is destroyed with it; only one that outlived it is left here.
    ~ToolTip() { LetGoIfGone(); }
    ToolTip(ToolTip&&) = default;
    // The same rule for the tooltip this one replaces.
    ToolTip& operator=(ToolTip&& other) noexcept {
        if (this != &other) {
            LetGoIfGone();
            window_ = std::move(other.window_);
            owner_ = other.owner_;
        }
        return *this;
    }

    // The tooltip window belongs to `owner` and goes with this object.
    bool Create(HWND owner, bool balloon = false);
    bool AddTool(const RECT& rect, std::string_view text, UINT id);
    bool SetToolRect(UINT id, const RECT& rect);
    bool SetToolText(UINT id, std::string_view text);
    bool DeleteTool(UINT id);
    HWND Window() const { return window_.get(); }

  private:
    // A handle the system has already destroyed is not destroyed again through the stale value.
    void LetGoIfGone() {
        if (window_ && !::IsWindow(window_.get())) window_.release();
    }

    UniqueWindow window_;
    HWND owner_ = nullptr;
};

}  // namespace yf::gfx
