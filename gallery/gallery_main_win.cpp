// The skin gallery's entry: skinned with skin 8, or the skin 1 .. 8 its command line names.
#include <windows.h>

#include <commctrl.h>

#include "app/app_icon_win.h"
#include "core/system_libraries_win.h"
#include "gallery/gallery_layout.h"
#include "gallery/gallery_window_win.h"
#include "skin/engine/skin_engine_win.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int showCommand) {
    // Its own static constructors load nothing, so here is early enough for a gallery.
    yf::KeepDllSearchInSystemFolder();
    // Version-5 classes only, as in the program (no common-controls 6 manifest here either).
    INITCOMMONCONTROLSEX common{sizeof(common),
                                ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_INTERNET_CLASSES};
    ::InitCommonControlsEx(&common);
    yf::SkinEngine engine(instance, yf::AppIconResource());
    yf::gallery::GalleryWindow gallery(instance, engine);
    if (!gallery.Create()) return 1;
    gallery.SwitchSkin(yf::gallery::SkinFromCommandLine(commandLine ? commandLine : L""));
    gallery.Show(showCommand == SW_HIDE ? SW_SHOWNORMAL : showCommand);

    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (gallery.TakeSkinKey(msg)) continue;
        if (::IsDialogMessageW(gallery.Handle(), &msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
