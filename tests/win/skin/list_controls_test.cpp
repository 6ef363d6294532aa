// The list-type and header painters on real controls under Wine: what is taken over, the
// frames and their hover, the see-through paint of each class, the arrow-key repaint, and the
// header cells with their lit, pressed and trimmed looks.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "skin/engine/child_hover.h"
#include "skin/families/header/header_painter_win.h"
#include "skin/families/list/list_painter_win.h"
#include "skin/engine/window_properties_win.h"
#include "support/skinned_host.h"
#include "support/engine_inside.h"

namespace yf {
namespace {

using testing::Inside;
using testing::CaptureClient;
using testing::CaptureWindow;
using testing::kSkinRgb;
using testing::PumpFor;
using testing::SkinnedHost;

HWND Child(HWND parent, const wchar_t* cls, DWORD style, DWORD exStyle, int x, int y, int w,
           int h) {
    return SkinnedHost::Child(parent, cls, style, exStyle, x, y, w, h);
}

RECT ClientOf(HWND control) {
    RECT client{};
    ::GetClientRect(control, &client);
    return client;
}

void AddItems(HWND list, int count) {
    for (int i = 0; i < count; ++i) {
        const std::wstring text = L"项目 " + std::to_wstring(i + 1);
        ::SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

void AddColumn(HWND header, int index, const wchar_t* title, int width, int format = HDF_LEFT) {
    HDITEMW item{};
    item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    item.cxy = width;
    item.fmt = HDF_STRING | format;
    item.pszText = const_cast<wchar_t*>(title);
    Header_InsertItem(header, index, &item);
}

// Dark pixels (text) in the rectangle.
int Ink(const testing::Pixels& pixels, int left, int top, int right, int bottom) {
    int ink = 0;
    for (int y = std::max(top, 0); y < std::min(bottom, pixels.height); ++y) {
        for (int x = std::max(left, 0); x < std::min(right, pixels.width); ++x) {
            const std::uint32_t p = pixels.At(x, y);
            ink += testing::RedOf(p) + testing::GreenOf(p) + testing::BlueOf(p) < 200;
        }
    }
    return ink;
}

TEST(ListPainterTest, TakesOverEveryListClassButASortedListView) {
    SkinnedHost host;
    HWND box = Child(host.window, WC_LISTBOXW, WS_BORDER, 0, 10, 30, 100, 80);
    HWND combo = Child(host.window, WC_COMBOBOXW, CBS_SIMPLE, 0, 120, 30, 100, 80);
    HWND view = Child(host.window, WC_LISTVIEWW, LVS_REPORT, WS_EX_CLIENTEDGE, 230, 30, 150, 80);
    HWND sorted = Child(host.window, WC_LISTVIEWW, LVS_REPORT | LVS_SORTASCENDING,
                        WS_EX_CLIENTEDGE, 390, 30, 150, 80);
    HWND tree = Child(host.window, WC_TREEVIEWW, 0, WS_EX_CLIENTEDGE, 10, 120, 100, 80);
    HWND address = Child(host.window, WC_IPADDRESSW, 0, WS_EX_CLIENTEDGE, 120, 120, 150, 22);
    HWND picker = Child(host.window, DATETIMEPICK_CLASSW, 0, WS_EX_CLIENTEDGE, 280, 120, 150, 22);
    const auto sortedProc = ::GetWindowLongPtrW(sorted, GWLP_WNDPROC);
    host.SkinAndShow();

    HWND comboList = ::FindWindowExW(combo, nullptr, L"ComboLBox", nullptr);
    ASSERT_NE(comboList, nullptr);
    // In the order of the take-over: list boxes, combo lists, list views, trees, the pickers.
    const HWND expected[] = {box, comboList, view, tree, address, picker};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(prop::Get(expected[i], prop::kListIndex), i + 1) << i;
        EXPECT_EQ(prop::Get(expected[i], prop::kOwnerIndex), 1) << i;
    }
    EXPECT_EQ(prop::Get(sorted, prop::kListIndex), 0);
    EXPECT_EQ(::GetWindowLongPtrW(sorted, GWLP_WNDPROC), sortedProc);
    // Item texts without a background, the tree's background in the key colour.
    EXPECT_EQ(ListView_GetTextBkColor(view), CLR_NONE);
    EXPECT_EQ(TreeView_GetBkColor(tree), static_cast<COLORREF>(gfx::kMagenta));
    // Both list views' headers belong to the header family.
    EXPECT_EQ(Inside().Record(1)->ChildCount(ControlFamily::Headers), 2);
}

TEST(ListPainterTest, ListBoxInteriorIsItsClientAreaAndScrollBar) {
    SkinnedHost host;
    HWND box = Child(host.window, WC_LISTBOXW, WS_BORDER | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, 0,
                     10, 30, 120, 90);
    AddItems(box, 20);
    host.SkinAndShow();
    const RECT interior = ListPainter::ListInteriorRect(box);
    EXPECT_EQ(interior.left, 1);
    EXPECT_EQ(interior.top, 1);
    EXPECT_EQ(interior.right, 119);
    EXPECT_EQ(interior.bottom, 89);
    EXPECT_TRUE(ListPainter::HasBorder(box));
}

TEST(ListPainterTest, ListBoxShowsTheSkinBehindItsItemsAndInItsEmptyPart) {
    SkinnedHost host;
    HWND box = Child(host.window, WC_LISTBOXW, WS_BORDER | LBS_NOINTEGRALHEIGHT, 0, 10, 30, 120,
                     100);
    AddItems(box, 2);
    host.SkinAndShow();
    // Whatever the list showed before, its empty part is painted over with the skin.
    SkinnedHost::Poison(box);
    SkinnedHost::Repaint(box);
    const testing::Pixels pixels = CaptureClient(box, ClientOf(box));
    EXPECT_EQ(pixels.At(60, 80), kSkinRgb);
    EXPECT_EQ(pixels.At(110, 5), kSkinRgb);  // beside the first item's text
    EXPECT_GT(Ink(pixels, 0, 0, 60, 30), 10);  // the items' texts are there
    EXPECT_EQ(SkinnedHost::Count(pixels, SkinnedHost::kPoisonRgb), 0);

    // A selected item keeps its highlight.
    ::SendMessageW(box, LB_SETCURSEL, 1, 0);
    SkinnedHost::Repaint(box);
    const int row = static_cast<int>(::SendMessageW(box, LB_GETITEMHEIGHT, 0, 0)) * 3 / 2;
    EXPECT_EQ(CaptureClient(box, ClientOf(box)).At(110, row),
              testing::RgbOf(::GetSysColor(COLOR_HIGHLIGHT)));
    EXPECT_EQ(BackgroundSnapshot::LiveCount(), 0u);
}

TEST(ListPainterTest, TreeViewAndSimpleComboListShowTheSkinBehindTheirItems) {
    SkinnedHost host;
    HWND empty = Child(host.window, WC_TREEVIEWW, 0, WS_EX_CLIENTEDGE, 10, 30, 120, 100);
    HWND tree = Child(host.window, WC_TREEVIEWW, TVS_HASLINES, WS_EX_CLIENTEDGE, 140, 30, 120,
                      100);
    TVINSERTSTRUCTW insert{};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<wchar_t*>(L"树根");
    TreeView_InsertItem(tree, &insert);
    HWND combo = Child(host.window, WC_COMBOBOXW, CBS_SIMPLE, 0, 270, 30, 120, 100);
    ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"甲"));
    host.SkinAndShow();

    for (HWND control : {empty, tree}) SkinnedHost::Repaint(control);
    const testing::Pixels none = CaptureClient(empty, ClientOf(empty));
    EXPECT_EQ(SkinnedHost::Count(none, kSkinRgb), none.width * none.height);
    const testing::Pixels rooted = CaptureClient(tree, ClientOf(tree));
    EXPECT_GT(Ink(rooted, 0, 0, rooted.width, 20), 10);
    EXPECT_EQ(rooted.At(60, 60), kSkinRgb);
    EXPECT_EQ(SkinnedHost::Count(rooted, gfx::kMagenta), 0);  // the key never shows

    HWND list = ::FindWindowExW(combo, nullptr, L"ComboLBox", nullptr);
    SkinnedHost::Repaint(list);
    const testing::Pixels items = CaptureClient(list, ClientOf(list));
    EXPECT_EQ(items.At(items.width - 10, items.height - 10), kSkinRgb);
}

TEST(ListPainterTest, AddressFieldsAndDatePickerShowTheSkin) {
    SkinnedHost host;
    HWND address = Child(host.window, WC_IPADDRESSW, 0, WS_EX_CLIENTEDGE, 10, 30, 160, 24);
    HWND picker = Child(host.window, DATETIMEPICK_CLASSW, 0, WS_EX_CLIENTEDGE, 190, 30, 160, 24);
    host.SkinAndShow();
    for (HWND control : {address, picker}) {
        SkinnedHost::Repaint(control);
        const testing::Pixels pixels = CaptureClient(control, ClientOf(control));
        // Mostly the picture, with the control's own marks on it.
        EXPECT_GT(SkinnedHost::Count(pixels, kSkinRgb), pixels.width * pixels.height / 2)
            << testing::RedOf(pixels.At(4, 4));
        EXPECT_LT(SkinnedHost::Count(pixels, 0xFFFFFF), pixels.width * pixels.height / 10);
    }
}

TEST(ListPainterTest, ARepaintWithNothingChangedComposesNothing) {
    SkinnedHost host;
    HWND box = Child(host.window, WC_LISTBOXW, WS_BORDER | WS_VSCROLL, 0, 10, 30, 120, 100);
    AddItems(box, 20);
    host.SkinAndShow();
    SkinnedHost::Repaint(box);
    const std::size_t taken = BackgroundSnapshot::TakenCount();
    SkinnedHost::Poison(box);
    SkinnedHost::Repaint(box);
    EXPECT_EQ(BackgroundSnapshot::TakenCount(), taken);
    EXPECT_EQ(CaptureClient(box, ClientOf(box)).At(100, 5), kSkinRgb);  // copied out again
    // A frame in a new state is composed once, then kept too.
    ::SendMessageW(box, WM_MOUSEMOVE, 0, MAKELPARAM(30, 30));
    EXPECT_EQ(BackgroundSnapshot::TakenCount(), taken + 1);
    ::SendMessageW(box, WM_MOUSELEAVE, 0, 0);
    ::SendMessageW(box, WM_MOUSEMOVE, 0, MAKELPARAM(30, 30));
    EXPECT_EQ(BackgroundSnapshot::TakenCount(), taken + 1);
}

TEST(ListPainterTest, WithoutSeeThroughListsKeepTheirBackgroundAndOnlyTheFrameChanges) {
    SkinnedHost host(false);
    HWND box = Child(host.window, WC_LISTBOXW, WS_BORDER | LBS_NOINTEGRALHEIGHT, 0, 10, 30, 120,
                     100);
    HWND view = Child(host.window, WC_LISTVIEWW, LVS_REPORT, WS_EX_CLIENTEDGE, 150, 30, 150, 100);
    AddItems(box, 2);
    host.SkinAndShow();
    EXPECT_NE(ListView_GetTextBkColor(view), CLR_NONE);
    SkinnedHost::Repaint(box);
    const testing::Pixels pixels = CaptureWindow(box);
    EXPECT_EQ(pixels.At(60, 80), testing::RgbOf(::GetSysColor(COLOR_WINDOW)));
    // The frame: a faint black line over an opaque white ring, not the system's border.
    const std::uint32_t line = pixels.At(0, 50);
    EXPECT_NEAR(testing::RedOf(line), 165, 3);
    EXPECT_EQ(testing::RedOf(line), testing::BlueOf(line));
}

TEST(ListPainterTest, OnlyAListWithABorderGetsAFrame) {
    SkinnedHost host;
    const struct {
        DWORD style;
        DWORD exStyle;
        bool framed;
    } cases[] = {{WS_BORDER, 0, true}, {0, WS_EX_CLIENTEDGE, true}, {0, 0, false}};
    HWND boxes[3];
    for (int i = 0; i < 3; ++i) {
        boxes[i] = Child(host.window, WC_LISTBOXW, cases[i].style | LBS_NOINTEGRALHEIGHT,
                         cases[i].exStyle, 10 + 130 * i, 30, 120, 100);
    }
    host.SkinAndShow();
    ListPainter& lists = *Inside().PainterOf<ListPainter>();
    for (int i = 0; i < 3; ++i) {
        SkinnedHost::Poison(boxes[i]);
        lists.PaintListFrame(lists.Find(boxes[i]));
        const std::uint32_t edge = CaptureWindow(boxes[i]).At(0, 50);
        EXPECT_EQ(edge != SkinnedHost::kPoisonRgb, cases[i].framed) << i;
        // Never inside the interior.
        EXPECT_EQ(CaptureWindow(boxes[i]).At(60, 50), SkinnedHost::kPoisonRgb) << i;
    }
}

TEST(ListPainterTest, MovingOntoAnotherListLightsItOnceAndFurtherMovesRepaintNothing) {
    SkinnedHost host;
    HWND first = Child(host.window, WC_LISTBOXW, WS_BORDER, 0, 10, 30, 120, 100);
    HWND second = Child(host.window, WC_TREEVIEWW, 0, WS_EX_CLIENTEDGE, 150, 30, 120, 100);
    host.SkinAndShow();
    const auto move = [](HWND control) {
        ::SendMessageW(control, WM_MOUSEMOVE, 0, MAKELPARAM(40, 40));
    };
    // The lit line is two pixels wide; of it the border ring shows.
    const auto lit = [](HWND control) {
        return testing::Reddish(CaptureWindow(control).At(0, 50));
    };
    EXPECT_FALSE(lit(first));
    move(first);
    EXPECT_TRUE(lit(first));
    EXPECT_EQ(Inside().Record(1)->childHover.hotKind, kListHotKind);
    SkinnedHost::Poison(first);
    move(first);
    EXPECT_EQ(CaptureWindow(first).At(0, 50), SkinnedHost::kPoisonRgb);

    move(second);
    EXPECT_TRUE(lit(second));
    EXPECT_EQ(Inside().Record(1)->childHover.hotIndex, 2);
    SkinnedHost::Poison(second);
    move(second);
    EXPECT_EQ(CaptureWindow(second).At(0, 50), SkinnedHost::kPoisonRgb);
    ::SendMessageW(second, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(lit(second));
    EXPECT_EQ(Inside().Record(1)->childHover.hotIndex, 0);
}

TEST(ListPainterTest, AnArrowKeyScrollRepaintsTheWholeListBeforeItsNextMessages) {
    SkinnedHost host;
    HWND box = Child(host.window, WC_LISTBOXW, WS_BORDER | WS_VSCROLL, 0, 10, 30, 120, 100);
    AddItems(box, 30);
    host.SkinAndShow();
    // One queued message, taken off the queue as a message loop would take it (and nothing
    // else, so the repaint it may cause stays pending).
    constexpr UINT kNudge = WM_APP + 7;
    const auto pendingAfterAQueuedMessage = [box] {
        ::ValidateRect(box, nullptr);
        ::PostMessageW(box, kNudge, 0, 0);
        MSG msg;
        while (::PeekMessageW(&msg, box, kNudge, kNudge, PM_REMOVE)) ::DispatchMessageW(&msg);
        RECT pending{};
        return ::GetUpdateRect(box, &pending, FALSE) ? pending : RECT{};
    };
    const auto nothingPending = [&] {
        const RECT pending = pendingAfterAQueuedMessage();
        return ::IsRectEmpty(&pending) != FALSE;
    };
    EXPECT_TRUE(nothingPending());
    ::SendMessageW(box, WM_KEYDOWN, VK_DOWN, 0);
    const RECT whole = pendingAfterAQueuedMessage();
    const RECT client = ClientOf(box);
    EXPECT_TRUE(::EqualRect(&whole, &client));
    // A key coming up ends the scrolling; any other key leaves the list alone.
    ::SendMessageW(box, WM_KEYUP, VK_DOWN, 0);
    EXPECT_TRUE(nothingPending());
    ::SendMessageW(box, WM_KEYDOWN, VK_HOME, 0);
    EXPECT_TRUE(nothingPending());
}

class HeaderPainterTest : public ::testing::Test {
  protected:
    HWND StandaloneHeader(DWORD style, int width = 300) {
        HWND header = Child(host_.window, WC_HEADERW, style, 0, 10, 30, width, 24);
        return header;
    }
    // Cell `item` (0-based) of the header as it shows now.
    testing::Pixels Cell(HWND header, int item) {
        RECT rect{};
        Header_GetItemRect(header, item, &rect);
        return CaptureClient(header, rect);
    }

    SkinnedHost host_;
};

TEST_F(HeaderPainterTest, OnlyAHeaderWithButtonsLightsAndPressesItsItems) {
    for (const DWORD style : {DWORD{0}, DWORD{HDS_BUTTONS}}) {
        SCOPED_TRACE(style);
        HWND header = StandaloneHeader(style);
        AddColumn(header, 0, L"第一列", 120);
        AddColumn(header, 1, L"第二列", 120);
        HeaderPainter& headers = *Inside().PainterOf<HeaderPainter>();
        if (!style) {
            host_.SkinAndShow();
        } else {
            headers.Install(1, host_.window);  // made after the window was skinned
        }
        headers.PaintHeader(headers.Find(header));
        const testing::Pixels plain = Cell(header, 0);
        const testing::Pixels second = Cell(header, 1);
        // Each look is also painted afresh while it holds, so a header without buttons that
        // took the hover or the press for a look of its own would show it.
        ::SendMessageW(header, WM_MOUSEMOVE, 0, MAKELPARAM(60, 10));
        SkinnedHost::Repaint(header);
        const testing::Pixels hovered = Cell(header, 0);
        EXPECT_EQ(Inside().Record(1)->childHover.hotKind, kHeaderHotKind);
        ::SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 10));
        SkinnedHost::Repaint(header);
        const testing::Pixels pressed = Cell(header, 0);
        ::SendMessageW(header, WM_LBUTTONUP, 0, MAKELPARAM(60, 10));
        EXPECT_EQ(hovered == plain, style == 0);
        EXPECT_EQ(pressed == plain, style == 0);
        EXPECT_EQ(pressed == hovered, style == 0);
        EXPECT_EQ(Cell(header, 1), second);  // the other item is untouched

        // A divider zone lights nothing: the header goes back to plain.
        ::SendMessageW(header, WM_MOUSEMOVE, 0, MAKELPARAM(60, 10));
        ::SendMessageW(header, WM_MOUSEMOVE, 0, MAKELPARAM(118, 10));
        EXPECT_EQ(Cell(header, 0), plain);
        ::DestroyWindow(header);
    }
}

TEST_F(HeaderPainterTest, LastColumnOfAListViewReachesTheViewsRightEdge) {
    HWND view = Child(host_.window, WC_LISTVIEWW, LVS_REPORT, WS_EX_CLIENTEDGE, 10, 30, 300, 120);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = 80;
    column.pszText = const_cast<wchar_t*>(L"名称");
    ListView_InsertColumn(view, 0, &column);
    HWND header = ListView_GetHeader(view);
    HWND alone = Child(host_.window, WC_HEADERW, HDS_BUTTONS, 0, 10, 200, 300, 24);
    AddColumn(alone, 0, L"名称", 80);
    host_.SkinAndShow();
    SkinnedHost::Repaint(view);
    const testing::Pixels ofView = CaptureClient(header, ClientOf(header));
    const testing::Pixels standalone = CaptureClient(alone, ClientOf(alone));
    const int y = ofView.height / 2;
    EXPECT_NE(ofView.At(ofView.width - 4, y), kSkinRgb);
    EXPECT_EQ(ofView.At(ofView.width - 4, y), ofView.At(60, y));  // the same cell look
    // Beyond the last item of a standalone header only the skin shows.
    EXPECT_EQ(standalone.At(standalone.width - 4, y), kSkinRgb);
    EXPECT_NE(standalone.At(60, y), kSkinRgb);
}

TEST_F(HeaderPainterTest, AHeaderWithoutItemsShowsTheSkin) {
    HWND header = StandaloneHeader(HDS_BUTTONS);
    host_.SkinAndShow();
    SkinnedHost::Poison(header);
    SkinnedHost::Repaint(header);
    const testing::Pixels pixels = CaptureClient(header, ClientOf(header));
    EXPECT_EQ(SkinnedHost::Count(pixels, kSkinRgb), pixels.width * pixels.height);
}

TEST_F(HeaderPainterTest, AVeryLongTitleEndsInAnEllipsisInsideItsCell) {
    HWND header = StandaloneHeader(0);
    AddColumn(header, 0, L"一个非常非常非常非常非常非常非常长的列标题", 90);
    AddColumn(header, 1, L"", 90);
    host_.SkinAndShow();
    SkinnedHost::Repaint(header);
    const testing::Pixels cell = Cell(header, 0);
    // The last inked columns hold only the low, short dots of the ellipsis; a glyph cut off
    // at the edge would reach up and down the line.
    int lastInk = -1;
    for (int x = 0; x < cell.width - 1; ++x) {
        if (Ink(cell, x, 0, x + 1, cell.height) > 0) lastInk = x;
    }
    ASSERT_GT(lastInk, 40);
    int top = cell.height, bottom = -1;
    for (int y = 0; y < cell.height; ++y) {
        if (Ink(cell, lastInk - 6, y, lastInk + 1, y + 1) > 0) {
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    EXPECT_LE(bottom - top, 3) << top << ".." << bottom;
    EXPECT_EQ(Ink(Cell(header, 1), 0, 0, 90, 24), 0);  // nothing spills into the next cell
}

TEST_F(HeaderPainterTest, AListViewKeepsWorkingWhenItsHeaderGoes) {
    HWND view = Child(host_.window, WC_LISTVIEWW, LVS_REPORT, WS_EX_CLIENTEDGE, 10, 30, 300, 120);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = 80;
    column.pszText = const_cast<wchar_t*>(L"名称");
    ListView_InsertColumn(view, 0, &column);
    host_.SkinAndShow();
    ASSERT_EQ(Inside().Record(1)->ChildCount(ControlFamily::Headers), 1);
    ::DestroyWindow(ListView_GetHeader(view));
    EXPECT_EQ(Inside().Record(1)->ChildCount(ControlFamily::Headers), 0);
    SkinnedHost::Repaint(view);
    ::SendMessageW(view, WM_MOUSEMOVE, 0, MAKELPARAM(30, 30));
    host_.engine->RenderWindow(1);
    PumpFor(50);
    EXPECT_EQ(BackgroundSnapshot::LiveCount(), 0u);
    EXPECT_EQ(prop::Get(view, prop::kListIndex), 1);
}

}  // namespace
}  // namespace yf
