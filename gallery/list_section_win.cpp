// The gallery's list-type, header and colour-keyed controls. On the window: a list box with a
// scroll bar, a simple combo box, a list view in report view (a column with an icon, a header
// with buttons), a tree view, and, keyed, a tab control and a rich edit with more lines than it
// shows. In the group box: an IP-address control, a date-time picker, a header without
// buttons and, keyed, a month calendar and a toolbar.
#include <windows.h>

#include <commctrl.h>
#include <richedit.h>

#include <string>

#include "core/system_libraries_win.h"
#include "core/unique_handle_win.h"
#include "core/wide_text_win.h"
#include "gallery/sections_win.h"
#include "skin/backdrop/dib_surface_win.h"
#include "skin/engine/skin_engine_win.h"

namespace yf::gallery {
namespace {

// Identifiers, after the section's first one.
enum : int {
    kListBox = 1,
    kSimpleCombo,
    kListView,
    kTreeView,
    kTabs,
    kRichEdit,
    kAddress,
    kDatePicker,
    kHeader,
    kCalendar,
    kToolbar,
};

HWND Make(const SectionPlace& place, HWND parent, const PixelBox& area, const wchar_t* cls,
          DWORD style, DWORD exStyle, const PixelBox& at, int id) {
    HWND control = ::CreateWindowExW(
        exStyle, cls, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, area.x + at.x,
        area.y + at.y, at.width, at.height, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(place.firstId + id)), place.instance,
        nullptr);
    ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(place.font), FALSE);
    return control;
}

void AddStrings(HWND control, UINT message, const char* prefix, int count) {
    for (int i = 1; i <= count; ++i) {
        const std::wstring text = Widen(prefix) + std::to_wstring(i);
        ::SendMessageW(control, message, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

void FillListView(HWND view, HINSTANCE instance) {
    HIMAGELIST icons = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 1);
    if (auto icon = static_cast<HICON>(
            ::LoadImageW(instance, L"DEFAULT_ICON", IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR))) {
        ImageList_AddIcon(icons, icon);
        ::DestroyIcon(icon);
    }
    // The view owns its small image list and destroys it with itself.
    ListView_SetImageList(view, icons, LVSIL_SMALL);
    const struct {
        const char* title;
        int width;
        int format;
    } columns[] = {{"名称", 96, LVCFMT_LEFT | LVCFMT_IMAGE | LVCFMT_COL_HAS_IMAGES},
                   {"大小", 64, LVCFMT_RIGHT},
                   {"修改时间", 80, LVCFMT_CENTER}};
    for (int i = 0; i < 3; ++i) {
        const std::wstring title = Widen(columns[i].title);
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | (i == 0 ? LVCF_IMAGE : 0);
        column.fmt = columns[i].format;
        column.cx = columns[i].width;
        column.iImage = 0;
        column.pszText = const_cast<wchar_t*>(title.c_str());
        ListView_InsertColumn(view, i, &column);
    }
    const char* rows[][3] = {{"定时关机.txt", "12 KB", "10:24"},
                             {"提醒声音.wav", "48 KB", "昨天"},
                             {"皮肤八.jpg", "96 KB", "星期一"}};
    for (int row = 0; row < 3; ++row) {
        std::wstring cells[3];
        for (int cell = 0; cell < 3; ++cell) cells[cell] = Widen(rows[row][cell]);
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = row;
        item.iImage = 0;
        item.pszText = cells[0].data();
        ListView_InsertItem(view, &item);
        ListView_SetItemText(view, row, 1, cells[1].data());
        ListView_SetItemText(view, row, 2, cells[2].data());
    }
}

void FillTree(HWND tree) {
    const auto add = [tree](HTREEITEM parent, const char* text) {
        const std::wstring wide = Widen(text);
        TVINSERTSTRUCTW insert{};
        insert.hParent = parent;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT;
        insert.item.pszText = const_cast<wchar_t*>(wide.c_str());
        return TreeView_InsertItem(tree, &insert);
    };
    HTREEITEM root = add(TVI_ROOT, "控件族");
    HTREEITEM lists = add(root, "列表");
    add(lists, "列表框");
    add(lists, "列表视图");
    add(root, "表头");
    HTREEITEM keyed = add(root, "颜色键控件");
    add(keyed, "选项卡");
    TreeView_Expand(tree, root, TVE_EXPAND);
    TreeView_Expand(tree, lists, TVE_EXPAND);
}

void FillHeader(HWND header) {
    const struct {
        const char* title;
        int width;
        int format;
    } items[] = {{"左对齐", 110, HDF_LEFT}, {"居中", 110, HDF_CENTER}, {"右对齐", 90, HDF_RIGHT}};
    for (int i = 0; i < 3; ++i) {
        const std::wstring title = Widen(items[i].title);
        HDITEMW item{};
        item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
        item.cxy = items[i].width;
        item.fmt = HDF_STRING | items[i].format;
        item.pszText = const_cast<wchar_t*>(title.c_str());
        Header_InsertItem(header, i, &item);
    }
}

void FillToolbar(HWND toolbar) {
    ::SendMessageW(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    TBADDBITMAP standard{HINST_COMMCTRL, IDB_STD_SMALL_COLOR};
    ::SendMessageW(toolbar, TB_ADDBITMAP, 0, reinterpret_cast<LPARAM>(&standard));
    TBBUTTON buttons[] = {
        {STD_FILENEW, 1, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
        {STD_FILEOPEN, 2, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
        {0, 0, TBSTATE_ENABLED, BTNS_SEP, {}, 0, 0},
        {STD_FILESAVE, 3, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
        {STD_PRINT, 4, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
    };
    ::SendMessageW(toolbar, TB_ADDBUTTONS, std::size(buttons),
                   reinterpret_cast<LPARAM>(buttons));
}

// The colour `control` fills its client area with at `at` (client coordinates): what its
// key colour is to be, whichever look the platform gives it.
gfx::ColourRef PaintedColourAt(HWND control, POINT at) {
    RECT client{};
    ::GetClientRect(control, &client);
    DibSurface surface(client.right, client.bottom);
    if (!surface || at.x >= client.right || at.y >= client.bottom) {
        return ::GetSysColor(COLOR_BTNFACE);
    }
    ::SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(surface.Dc()),
                   PRF_CLIENT | PRF_ERASEBKGND);
    return ::GetPixel(surface.Dc(), at.x, at.y);
}

void Create(const SectionPlace& place) {
    LoadSystemLibrary(L"riched20.dll");  // the rich edit's class
    const PixelBox& w = place.area.onWindow;
    HWND window = place.window;
    HWND list = Make(place, window, w, WC_LISTBOXW,
                     WS_VSCROLL | WS_BORDER | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 0,
                     {0, 0, 150, 130}, kListBox);
    AddStrings(list, LB_ADDSTRING, "列表项 ", 14);
    ::SendMessageW(list, LB_SETCURSEL, 2, 0);
    HWND combo = Make(place, window, w, WC_COMBOBOXW, CBS_SIMPLE | CBS_HASSTRINGS, 0,
                      {160, 0, 130, 130}, kSimpleCombo);
    AddStrings(combo, CB_ADDSTRING, "简单组合框 ", 3);
    HWND view = Make(place, window, w, WC_LISTVIEWW, LVS_REPORT | LVS_SHOWSELALWAYS,
                     WS_EX_CLIENTEDGE, {300, 0, 270, 130}, kListView);
    FillListView(view, place.instance);
    HWND tree = Make(place, window, w, WC_TREEVIEWW,
                     TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT, WS_EX_CLIENTEDGE,
                     {0, 145, 150, 150}, kTreeView);
    FillTree(tree);
    HWND tabs = Make(place, window, w, WC_TABCONTROLW, 0, 0, {160, 145, 210, 150}, kTabs);
    for (int i = 0; i < 3; ++i) {
        std::wstring title = Widen("选项卡") + std::to_wstring(i + 1);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = title.data();
        TabCtrl_InsertItem(tabs, i, &item);
    }
    HWND rich = Make(place, window, w, L"RichEdit20W", ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL,
                     WS_EX_CLIENTEDGE, {380, 145, 190, 150}, kRichEdit);
    std::wstring lines;
    for (int i = 1; i <= 16; ++i) lines += Widen("多行文本的第") + std::to_wstring(i) + L"行\r\n";
    ::SetWindowTextW(rich, lines.c_str());

    const PixelBox& g = place.area.inGroup;
    HWND group = place.group;
    HWND address = Make(place, group, g, WC_IPADDRESSW, 0, WS_EX_CLIENTEDGE, {0, 0, 160, 24},
                        kAddress);
    ::SendMessageW(address, IPM_SETADDRESS, 0, MAKEIPADDRESS(192, 168, 1, 10));
    // Low in the box: beside the address some skins are one flat colour, and a see-through
    // picker there would show little but that.
    Make(place, group, g, DATETIMEPICK_CLASSW, DTS_SHORTDATEFORMAT, WS_EX_CLIENTEDGE,
         {140, 404, 170, 24}, kDatePicker);
    HWND header = Make(place, group, g, WC_HEADERW, 0, 0, {0, 40, 420, 24}, kHeader);
    FillHeader(header);
    HWND calendar = Make(place, group, g, MONTHCAL_CLASSW, 0, 0, {0, 80, 240, 180}, kCalendar);
    RECT fits{};
    if (MonthCal_GetMinReqRect(calendar, &fits)) {
        ::SetWindowPos(calendar, nullptr, 0, 0, fits.right, fits.bottom,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // One background colour for the whole calendar, which becomes its key.
    MonthCal_SetColor(calendar, MCSC_BACKGROUND, MonthCal_GetColor(calendar, MCSC_MONTHBK));
    HWND toolbar = Make(place, group, g, TOOLBARCLASSNAMEW,
                        TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NORESIZE | CCS_NOPARENTALIGN |
                            CCS_NODIVIDER,
                        0, {280, 80, 200, 30}, kToolbar);
    FillToolbar(toolbar);
}

void AfterSkin(const SectionPlace& place, SkinEngine& engine) {
    const auto control = [&place](HWND parent, int id) {
        return ::GetDlgItem(parent, place.firstId + id);
    };
    // The tab control's key is whatever its empty page is painted with.
    HWND tabs = control(place.window, kTabs);
    engine.RegisterKeyedControl(tabs, PaintedColourAt(tabs, {100, 100}));
    engine.RegisterKeyedControl(control(place.window, kRichEdit), ::GetSysColor(COLOR_WINDOW));
    HWND calendar = control(place.group, kCalendar);
    engine.RegisterKeyedControl(calendar, MonthCal_GetColor(calendar, MCSC_MONTHBK));
    engine.RegisterKeyedControl(control(place.group, kToolbar));
}

}  // namespace

const GallerySection kListSection{&Create, &AfterSkin};

}  // namespace yf::gallery
