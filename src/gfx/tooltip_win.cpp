#include "gfx/tooltip_win.h"

#include <commctrl.h>

#include <string>

#include "core/tool_info_win.h"
#include "core/wide_text_win.h"

namespace yf::gfx {
namespace {

TTTOOLINFOW ToolFor(HWND owner, UINT id) {
    return MakeToolInfo(owner, id, TTF_SUBCLASS);
}

}  // namespace

bool ToolTip::Create(HWND owner, bool balloon) {
    owner_ = owner;
    const DWORD style = TTS_ALWAYSTIP | (balloon ? TTS_BALLOON : 0);
    const auto instance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(owner, GWLP_HINSTANCE));
    window_.reset(::CreateWindowExW(0, TOOLTIPS_CLASSW, L"", style, CW_USEDEFAULT, CW_USEDEFAULT,
                                    CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, instance,
                                    nullptr));
    return static_cast<bool>(window_);
}

bool ToolTip::AddTool(const RECT& rect, std::string_view text, UINT id) {
    if (!window_) return false;
    std::wstring wide = Widen(text);
    TTTOOLINFOW tool = ToolFor(owner_, id);
    tool.rect = rect;
    tool.lpszText = wide.data();
    return ::SendMessageW(window_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) != 0;
}

bool ToolTip::SetToolRect(UINT id, const RECT& rect) {
    if (!window_) return false;
    TTTOOLINFOW tool = ToolFor(owner_, id);
    tool.rect = rect;
    ::SendMessageW(window_.get(), TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
    return true;
}

bool ToolTip::SetToolText(UINT id, std::string_view text) {
    if (!window_) return false;
    std::wstring wide = Widen(text);
    TTTOOLINFOW tool = ToolFor(owner_, id);
    tool.lpszText = wide.data();
    ::SendMessageW(window_.get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    return true;
}

bool ToolTip::DeleteTool(UINT id) {
    if (!window_) return false;
    TTTOOLINFOW tool = ToolFor(owner_, id);
    ::SendMessageW(window_.get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    return true;
}

}  // namespace yf::gfx
