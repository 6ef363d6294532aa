#include "gallery/gallery_window_win.h"

#include <commctrl.h>

#include "app/skin_selection.h"
#include "core/callback_guard_win.h"
#include "core/resource_bytes_win.h"
#include "core/wide_text_win.h"
#include "skin/engine/skin_engine_win.h"

namespace yf::gallery {
namespace {

constexpr wchar_t kClassName[] = L"YfSkinGallery";
constexpr int kGroupId = 90;
constexpr int kSectionIdBase = 100;
constexpr int kIdsPerSection = 100;

}  // namespace

GalleryWindow::GalleryWindow(HINSTANCE instance, SkinEngine& engine)
    : instance_(instance), engine_(engine) {}

bool GalleryWindow::Create() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &GalleryWindow::Procedure;
    wc.hInstance = instance_;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    if (!::RegisterClassExW(&wc) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;

    window_ =
        ::CreateWindowExW(WS_EX_APPWINDOW | WS_EX_CONTROLPARENT, kClassName, Widen(kTitle).c_str(),
                          WS_POPUP | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_SYSMENU, 40, 40,
                          kWindowWidth, kWindowHeight, nullptr, nullptr, instance_, this);
    if (!window_) return false;
    font_.reset(::CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                              OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                              DEFAULT_PITCH, L"宋体"));
    const PixelBox box = GroupBoxPlace();
    group_ = ::CreateWindowExW(
        WS_EX_CONTROLPARENT, L"BUTTON", L"容器中的控件",
        WS_CHILD | WS_VISIBLE | BS_GROUPBOX | BS_LEFT, box.x, box.y, box.width, box.height, window_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kGroupId)), instance_, nullptr);
    ::SendMessageW(group_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    for (int band = 0; band < static_cast<int>(std::size(kSections)); ++band) {
        kSections[band]->create(PlaceOf(band));
    }
    return group_ != nullptr;
}

SectionPlace GalleryWindow::PlaceOf(int band) const {
    return {instance_,           window_,     group_,
            SectionAreaOf(band), font_.get(), kSectionIdBase + band * kIdsPerSection};
}

void GalleryWindow::SwitchSkin(int skin) {
    skin_ = skin;
    yf::SwitchSkin(engine_, ResourceBytes(Widen(SkinResourceName(skin)).c_str()), window_,
                   {kStatusBarHeight, kStatusCellWidths});
    if (!registered_) {
        registered_ = true;
        // Like the program's group boxes: no panel, only the frame lies on the picture.
        engine_.RegisterContainer(group_, true, ::GetSysColor(COLOR_BTNFACE), 0);
        // The bar's texts glow: dark letters in a white halo, readable on every skin.
        engine_.SetStatusTextStyle(window_, {true, true, 0x000000, 0xFFFFFF, "宋体", 12});
        for (int band = 0; band < static_cast<int>(std::size(kSections)); ++band) {
            if (kSections[band]->afterSkin) kSections[band]->afterSkin(PlaceOf(band), engine_);
        }
    }
    ShowSkinAndSize();
}

void GalleryWindow::ShowSkinAndSize() {
    RECT client{};
    ::GetClientRect(window_, &client);
    engine_.SetStatusCell(window_, kPictureCell, "皮肤 " + std::to_string(skin_),
                          ResourceBytes(L"GALLERY_PALETTE"));
    engine_.SetStatusCell(window_, kGlowCell, "发光的状态栏文字");
    engine_.SetStatusCell(window_, kSizeCell, "窗口 " + SizeCellText(client.right, client.bottom));
}

void GalleryWindow::Show(int showCommand) {
    ::ShowWindow(window_, showCommand);
    ::UpdateWindow(window_);
}

bool GalleryWindow::TakeSkinKey(const MSG& msg) {
    if (msg.message != WM_KEYDOWN) return false;
    const int skin = SkinFromKey(static_cast<unsigned>(msg.wParam));
    if (!skin || (msg.hwnd != window_ && !::IsChild(window_, msg.hwnd))) return false;
    // An edit box (or any control that takes typing) keeps its digits.
    const LRESULT code =
        ::SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
    if (code & DLGC_WANTCHARS) return false;
    if (skin != skin_) SwitchSkin(skin);
    return true;
}

LRESULT CALLBACK GalleryWindow::Procedure(HWND window, UINT message, WPARAM wParam,
                                          LPARAM lParam) noexcept {
    PassOn passOn = PassOn::ToDefault(window, message, wParam, lParam);
    return GuardMessage(L"the gallery window's procedure", passOn, [&](PassOn& on) {
        if (message == WM_NCCREATE) {
            auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
            ::SetWindowLongPtrW(window, GWLP_USERDATA,
                                reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        }
        auto* self = reinterpret_cast<GalleryWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
        if (message == WM_NCDESTROY) ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        if (self && self->window_ == window) return self->OnMessage(message, wParam, lParam);
        return on();
    });
}

LRESULT GalleryWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            if (registered_) ShowSkinAndSize();
            break;
        case WM_DESTROY:
            ::PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return ::DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace yf::gallery
