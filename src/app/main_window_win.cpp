#include "app/main_window_win.h"

#include <commctrl.h>

#include "app/resource_ids.h"
#include "app/skin_selection.h"
#include "core/callback_guard_win.h"
#include "core/resource_bytes_win.h"
#include "core/wide_text_win.h"
#include "skin/engine/skin_engine_win.h"
#include "widgets/icon_button_win.h"
#include "widgets/notice_forwarding_win.h"
#include "widgets/spin_control_win.h"
#include "widgets/transparent_label_win.h"
#include "widgets/xp_look_win.h"

namespace yf {
namespace {

// Beside the named timers, which use 1..kTimerCount.
constexpr UINT_PTR kTrayRetryTimer = 0x7472;
constexpr UINT_PTR kStartUpPatienceTimer = 0x7370;

int NativeTimerId(TimerId id) { return static_cast<int>(id) + 1; }

RECT ToRect(const LayoutRect& r) { return {r.left, r.top, r.left + r.width, r.top + r.height}; }

// The closed drop-down list shows no text of its own (its overlay label carries it); the
// opened list shows the items as usual.
void DrawFunctionItem(const DRAWITEMSTRUCT& item, COLORREF textColour) {
    const bool closedField = item.itemState & ODS_COMBOBOXEDIT;
    const bool selected = (item.itemState & ODS_SELECTED) && !closedField;
    ::FillRect(item.hDC, &item.rcItem,
               ::GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (closedField || item.itemID == static_cast<UINT>(-1)) return;
    const auto length = ::SendMessageW(item.hwndItem, CB_GETLBTEXTLEN, item.itemID, 0);
    if (length <= 0) return;
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    ::SendMessageW(item.hwndItem, CB_GETLBTEXT, item.itemID, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    HFONT font = reinterpret_cast<HFONT>(::SendMessageW(item.hwndItem, WM_GETFONT, 0, 0));
    SelectGuard keepFont(item.hDC, font ? font : ::GetStockObject(DEFAULT_GUI_FONT));
    ::SetBkMode(item.hDC, TRANSPARENT);
    ::SetTextColor(item.hDC, selected ? ::GetSysColor(COLOR_HIGHLIGHTTEXT) : textColour);
    RECT at = item.rcItem;
    at.left += 3;
    ::DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &at,
                DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

HICON LoadIconResource(HINSTANCE instance, const char* name, int size) {
    return static_cast<HICON>(::LoadImageW(instance, Widen(name).c_str(), IMAGE_ICON, size, size,
                                           LR_DEFAULTCOLOR));
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, const Clock& clock, WindowSeams seams)
    : instance_(instance),
      clock_(clock),
      trayClicks_(*this),
      calendar_(*this, clock),
      trayNotify_(std::move(seams.trayNotify)),
      endProcess_([](int exitCode) { ::PostQuitMessage(exitCode); }),
      reminder_([this] { return balloon_.get(); }),
      warning_(instance, WarningWindow::Handlers{[this] { schedule_.CancelTimed(); },
                                                 [this] { schedule_.Postpone(); },
                                                 [this](HWND warning) {
                                                     if (skin_) SkinSecondWindow(*skin_, warning);
                                                 },
                                                 [this] { return ShownBalloonRect(); }}),
      schedule_(*this, clock, seams.boxes ? *seams.boxes : systemBoxes_,
                seams.power ? *seams.power : systemPower_, reminder_,
                seams.executionState ? *seams.executionState : systemExecutionState_, warning_),
      suspendResumeCalls_(seams.suspendResume ? *seams.suspendResume : SystemSuspendResumeCalls()),
      skin_(seams.skin) {
    if (seams.webTimePage) {
        clockCheck_ = std::make_unique<WindowClockCheck>(
            WindowClockCheckSeams{std::move(seams.webTimePage), std::move(seams.setClock),
                                  std::move(seams.launchElevated)},
            clock, seams.boxes ? *seams.boxes : systemBoxes_, [this] { return window_; },
            [this] { calendar_.RefreshCalendar(); });
    }
}

MainWindow::~MainWindow() {
    suspendResume_.reset();
    if (window_) ::DestroyWindow(window_);
}

RECT MainWindow::ShownBalloonRect() const {
    RECT rect{};
    if (balloon_ && balloon_->IsShown()) ::GetWindowRect(balloon_->Window(), &rect);
    return rect;
}

bool MainWindow::Create() {
    // Classes of comctl32 5.82 only: ICC_STANDARD_CLASSES means something to version 6 alone, and
    // version 5 makes no promise about flags it does not know.
    INITCOMMONCONTROLSEX common{sizeof(common), ICC_UPDOWN_CLASS | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&common);

    appIcon_.reset(LoadIconResource(instance_, YF_ICON_APP_NAME, 32));
    okIcon_.reset(LoadIconResource(instance_, YF_ICON_OK_NAME, 16));
    exitIcon_.reset(LoadIconResource(instance_, YF_ICON_EXIT_NAME, 16));

    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    if (!::GetClassInfoExW(instance_, kClassName, &wc)) {
        wc.cbSize = sizeof(wc);
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = WindowProc;
        wc.hInstance = instance_;
        wc.hIcon = appIcon_.get();
        wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = kClassName;
        if (!::RegisterClassExW(&wc)) return false;
    }
    TransparentLabel::Register(instance_);

    const int left = (::GetSystemMetrics(SM_CXSCREEN) - kWindowWidth) / 2;
    const int top = (::GetSystemMetrics(SM_CYSCREEN) - kWindowHeight) / 2;
    // A pop-up without system frame: the skin draws the caption bar and its buttons.
    window_ = ::CreateWindowExW(WS_EX_APPWINDOW | WS_EX_CONTROLPARENT, kClassName,
                                Widen(kWindowTitle).c_str(), WS_POPUP | WS_MINIMIZEBOX | WS_SYSMENU,
                                left, top, kWindowWidth, kWindowHeight, nullptr, nullptr,
                                instance_, this);
    if (!window_) return false;
    if (appIcon_) {
        ::SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(appIcon_.get()));
        ::SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(appIcon_.get()));
    }
    suspendResume_ = std::make_unique<SuspendResumeRegistration>(window_, suspendResumeCalls_);
    tray_ = std::make_unique<TrayIcon>(window_, kTrayMessage, trayNotify_);
    balloon_ = std::make_unique<BalloonTip>(window_);
    BuildTrayMenu();
    return CreateControls();
}

HFONT MainWindow::FontFor(FontId id) const {
    if (id == FontId::System) return static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    return fonts_[static_cast<int>(id)].get();
}

bool MainWindow::CreateControls() {
    for (FontId id : {FontId::F12, FontId::F14, FontId::F16, FontId::Y16, FontId::Y48}) {
        const FontStyle style = Font(id);
        fonts_[static_cast<int>(id)].reset(::CreateFontW(
            -style.height, 0, 0, 0, style.weight, FALSE, FALSE, FALSE, GB2312_CHARSET,
            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
            Widen(style.face).c_str()));
    }
    for (const ControlLayout& entry : Layout()) {
        HWND control = CreateControl(entry);
        if (!control) return false;
        controls_[static_cast<int>(entry.id)] = control;
    }
    AlignTypedTextWithItsLabel();
    return true;
}

void MainWindow::AlignTypedTextWithItsLabel() {
    HWND box = Control(ControlId::编辑框1);
    POINT clientOrigin{0, 0};
    ::MapWindowPoints(box, ::GetParent(box), &clientOrigin, 1);
    const int wanted = LayoutOf(ControlId::透明标签_提醒时间).rect.left - clientOrigin.x;
    if (wanted <= 0) return;
    // Edit controls add their own inner spacing to the margin; measure where a character
    // really lands and correct for it.
    ::SendMessageW(box, EM_SETMARGINS, EC_LEFTMARGIN, MAKELPARAM(wanted, 0));
    ::SetWindowTextW(box, L"0");
    const auto position = ::SendMessageW(box, EM_POSFROMCHAR, 0, 0);
    ::SetWindowTextW(box, L"");
    const int landed = static_cast<short>(LOWORD(position));
    if (position != -1 && landed != wanted && wanted - (landed - wanted) > 0) {
        ::SendMessageW(box, EM_SETMARGINS, EC_LEFTMARGIN, MAKELPARAM(wanted - (landed - wanted), 0));
    }
}

HWND MainWindow::CreateControl(const ControlLayout& entry) {
    HWND parent = entry.parent == kWindowParent ? window_ : Control(entry.parent);
    const int id = kControlIdBase + static_cast<int>(entry.id);
    const RECT rect = ToRect(entry.rect);
    const auto menuId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
    const DWORD visible = entry.visible ? WS_VISIBLE : 0;
    const DWORD tab = entry.tabStop ? WS_TABSTOP : 0;
    const int width = entry.rect.width;
    const int height = entry.rect.height;
    HWND control = nullptr;

    switch (entry.kind) {
        case ControlKind::Label: {
            LabelStyle style;
            style.colour = entry.colour;
            style.horizontalAlign = entry.align == Align::Centre ? 1 : 0;
            style.lineBreaking = entry.lineBreaking;
            const HFONT font = entry.font == FontId::System ? nullptr : FontFor(entry.font);
            return TransparentLabel::Create(parent, id, rect, entry.text, font, style, entry.visible);
        }
        case ControlKind::IconButton:
            control = ::CreateWindowExW(0, L"BUTTON", Widen(entry.text).c_str(),
                                        WS_CHILD | BS_PUSHBUTTON | visible | tab, rect.left,
                                        rect.top, width, height, parent, menuId, instance_, nullptr);
            if (control) {
                IconButton::Install(control, entry.icon == ButtonIcon::Ok ? okIcon_.get() : exitIcon_.get());
            }
            break;
        case ControlKind::GroupBox:
            control = ::CreateWindowExW(WS_EX_CONTROLPARENT, L"BUTTON", Widen(entry.text).c_str(),
                                        WS_CHILD | BS_GROUPBOX | visible, rect.left, rect.top,
                                        width, height, parent, menuId, instance_, nullptr);
            // Its children report to it; the event map lives here.
            if (control) NoticeForwarding::Join(control, window_);
            break;
        case ControlKind::Edit: {
            // Clipped by siblings: the spinners overlap the right edge of their boxes.
            DWORD style = WS_CHILD | WS_CLIPSIBLINGS | ES_AUTOHSCROLL | visible | tab;
            style |= entry.align == Align::Centre ? ES_CENTER : ES_LEFT;
            if (entry.editMode == EditMode::ReadOnly) style |= ES_READONLY;
            if (entry.editMode == EditMode::Digits) style |= ES_NUMBER;
            control = ::CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", Widen(entry.text).c_str(), style,
                                        rect.left, rect.top, width, height, parent, menuId,
                                        instance_, nullptr);
            break;
        }
        case ControlKind::Spin:
            return SpinControl::Create(parent, id, rect, entry.visible);
        case ControlKind::DropList: {
            // The height given to a combo box includes its dropped list.
            constexpr int kDroppedListHeight = 120;
            // Owner-drawn so that the closed box leaves its text to the label lying on it.
            control = ::CreateWindowExW(0, L"COMBOBOX", L"",
                                        WS_CHILD | WS_VSCROLL | CBS_DROPDOWNLIST |
                                            CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | visible | tab,
                                        rect.left, rect.top, width, height + kDroppedListHeight,
                                        parent, menuId, instance_, nullptr);
            if (control) {
                ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(entry.font)), FALSE);
                for (std::string_view item : FunctionItems()) {
                    ::SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
                }
                ::SendMessageW(control, CB_SETCURSEL, 0, 0);
                // The frame around the field differs between implementations: correct the field
                // so the closed box is exactly as high as the layout says.
                RECT now;
                ::GetWindowRect(control, &now);
                const int excess = (now.bottom - now.top) - height;
                const auto field = ::SendMessageW(control, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
                if (excess != 0 && field - excess > 0) {
                    ::SendMessageW(control, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field - excess);
                }
            }
            return control;
        }
    }
    if (control) ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(entry.font)), FALSE);
    return control;
}

void MainWindow::BuildTrayMenu() {
    trayMenu_.reset(::CreatePopupMenu());
    HMENU subMenu = nullptr;
    for (const MenuEntry& item : TrayMenu()) {
        HMENU target = item.level == 2 && subMenu ? subMenu : trayMenu_.get();
        if (item.text.empty()) {
            ::AppendMenuW(target, MF_SEPARATOR, 0, nullptr);
        } else if (item.level == 1 && item.command == MenuCommand::None && &item == &TrayMenu()[0]) {
            // The first item opens the skin sub-menu; the items of level 2 go into it.
            subMenu = ::CreatePopupMenu();
            ::AppendMenuW(target, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(subMenu),
                          Widen(item.text).c_str());
        } else {
            ::AppendMenuW(target, MF_STRING, kMenuIdBase + static_cast<int>(item.command),
                          Widen(item.text).c_str());
        }
    }
}

void MainWindow::SyncTrayMenu() {
    const UINT cancelId = kMenuIdBase + static_cast<int>(MenuCommand::CancelSchedule);
    const UINT exitId = kMenuIdBase + static_cast<int>(MenuCommand::Exit);
    const bool present = ::GetMenuState(trayMenu_.get(), cancelId, MF_BYCOMMAND) != ~0U;
    const bool wanted = schedule_.Armed();
    if (wanted && !present) {
        ::InsertMenuW(trayMenu_.get(), exitId, MF_BYCOMMAND | MF_STRING, cancelId,
                      Widen(kCancelScheduleItem.text).c_str());
    } else if (!wanted && present) {
        ::DeleteMenu(trayMenu_.get(), cancelId, MF_BYCOMMAND);
    }
}

void MainWindow::RunCreatedSequence() {
    // Every standard control of this thread gets the XP-like look, the blue scheme; the skin
    // engine takes most of them over again and paints over it.
    xp::SwitchXpLook(1);
    SwitchSkin(kDefaultSkin);
    RegisterSkinContainers();
    SetTimerInterval(TimerId::时钟1, 1000);
    SetTimerInterval(TimerId::时钟_时间校准, 60000);
    schedule_.ProposeNextTime();
    StartUpClockCheck();
    // Let whatever fell due meanwhile run once before the calendar is filled.
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    calendar_.RefreshCalendar();
    if (!shownDuringStartUpCheck_) PutTrayIcon();
}

// The check starts while the window is hidden, so a quick one asks its question before the
// window appears. A slow network must not keep the program out of sight, though: a user who
// sees nothing for seconds takes it for not started and starts it again. So once the check has
// read for kStartUpPatienceMs without asking, the window is shown from within its wait (which
// dispatches timer ticks and paints) and the check goes on as a periodic one does.
void MainWindow::StartUpClockCheck() {
    if (!clockCheck_) return;
    const auto endPatience = [this] {
        startUpPatience_ = false;
        ::KillTimer(window_, kStartUpPatienceTimer);
    };
    startUpPatience_ = true;
    ::SetTimer(window_, kStartUpPatienceTimer, kStartUpPatienceMs, nullptr);
    // Once the question comes the user sees the program, and the window waits for the answer.
    clockCheck_->CheckClock(false, endPatience);
    endPatience();
}

void MainWindow::OnStartUpPatienceOver() {
    ::KillTimer(window_, kStartUpPatienceTimer);
    // A tick already queued when the check ended comes too late to matter.
    if (!startUpPatience_) return;
    startUpPatience_ = false;
    // The window is never seen without its calendar and its tray icon.
    calendar_.RefreshCalendar();
    PutTrayIcon();
    ShowAfterStartUp();
    shownDuringStartUpCheck_ = true;
}

void MainWindow::ShowAfterStartUp() {
    if (shownDuringStartUpCheck_) return;
    OnSizeChanged();
    ::ShowWindow(window_, SW_SHOWNORMAL);
    ::SetForegroundWindow(window_);
}

std::string MainWindow::Text(ControlId id) const { return WindowText(Control(id)); }

void MainWindow::SetText(ControlId id, std::string_view text) {
    ::SetWindowTextW(Control(id), Widen(text).c_str());
}

bool MainWindow::IsVisible(ControlId id) const {
    return (::GetWindowLongW(Control(id), GWL_STYLE) & WS_VISIBLE) != 0;
}

void MainWindow::SetVisible(ControlId id, bool visible) {
    HWND control = Control(id);
    if (IsVisible(id) == visible) return;
    ::ShowWindow(control, visible ? SW_SHOWNA : SW_HIDE);
    if (LayoutOf(id).kind == ControlKind::Label) TransparentLabel::RepaintBehind(control);
}

int MainWindow::SelectedIndex(ControlId id) const {
    return static_cast<int>(::SendMessageW(Control(id), CB_GETCURSEL, 0, 0));
}

void MainWindow::SetTimerInterval(TimerId id, int milliseconds) {
    switch (timers_.Set(id, milliseconds)) {
        case IntervalTimers::Change::Start:
            ::SetTimer(window_, NativeTimerId(id), static_cast<UINT>(milliseconds), nullptr);
            break;
        case IntervalTimers::Change::Stop:
            ::KillTimer(window_, NativeTimerId(id));
            break;
        case IntervalTimers::Change::None:
            break;
    }
}

LRESULT CALLBACK MainWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                        LPARAM lParam) noexcept {
    PassOn passOn = PassOn::ToDefault(window, message, wParam, lParam);
    return GuardMessage(L"the main window's procedure", passOn, [&](PassOn& on) {
        if (message == WM_NCCREATE) {
            auto* self = static_cast<MainWindow*>(
                reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
            self->window_ = window;
            ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
        auto* self = reinterpret_cast<MainWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
        if (!self) return on();
        if (message == WM_NCDESTROY) {
            ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            self->window_ = nullptr;
            self->controls_.fill(nullptr);
            return on();
        }
        return self->OnMessage(message, wParam, lParam);
    });
}

LRESULT MainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (tray_ && tray_->HandleTaskbarCreated(message)) {
        AfterTrayChange();
        return 0;
    }
    switch (message) {
        case WM_COMMAND:
            if (lParam == 0 && HIWORD(wParam) == 0 && LOWORD(wParam) >= kMenuIdBase &&
                LOWORD(wParam) < kControlIdBase) {
                OnMenuCommand(static_cast<MenuCommand>(LOWORD(wParam) - kMenuIdBase));
            } else {
                OnCommand(LOWORD(wParam), HIWORD(wParam));
            }
            return 0;
        case WM_NOTIFY: {
            const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
            const int index = static_cast<int>(header.idFrom) - kControlIdBase;
            if (index >= 0 && index < kControlCount) {
                const int direction = SpinControl::Direction(header);
                if (direction != 0) OnSpinPressed(static_cast<ControlId>(index), direction);
            }
            return 0;
        }
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item.CtlType == ODT_COMBOBOX) {
                DrawFunctionItem(item, LayoutOf(ControlId::组合框1).colour);
                return TRUE;
            }
            if (IconButton::Draw(item)) return TRUE;
            break;
        }
        case WM_MEASUREITEM: {
            // Closed field as high as the layout's box (less the 3-pixel frame on each side).
            auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            if (measure.CtlType != ODT_COMBOBOX) break;
            constexpr int kComboFrame = 6;
            constexpr int kListItemHeight = 16;
            measure.itemHeight = measure.itemID == static_cast<UINT>(-1)
                                     ? LayoutOf(ControlId::组合框1).rect.height - kComboFrame
                                     : kListItemHeight;
            return TRUE;
        }
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORLISTBOX: {
            HWND child = reinterpret_cast<HWND>(lParam);
            const int index = ::GetDlgCtrlID(child) - kControlIdBase;
            if (index >= 0 && index < kControlCount) {
                const ControlLayout& entry = LayoutOf(static_cast<ControlId>(index));
                if (entry.kind == ControlKind::Edit || entry.kind == ControlKind::DropList) {
                    HDC dc = reinterpret_cast<HDC>(wParam);
                    ::SetTextColor(dc, entry.colour);
                    ::SetBkColor(dc, kWhite);
                    return reinterpret_cast<LRESULT>(::GetStockObject(WHITE_BRUSH));
                }
            }
            break;
        }
        case WM_TIMER:
            if (wParam == kTrayRetryTimer) {
                OnTrayRetryTick();
                return 0;
            }
            if (wParam == kStartUpPatienceTimer) {
                OnStartUpPatienceOver();
                return 0;
            }
            if (wParam >= 1 && wParam <= static_cast<WPARAM>(kTimerCount)) {
                OnTimer(static_cast<TimerId>(wParam - 1));
                return 0;
            }
            break;
        case kTrayMessage:
            OnTrayNotification(static_cast<UINT>(LOWORD(lParam)));
            return 0;
        case kExitMessage:
            endProcess_(0);
            return 0;
        case WM_SIZE:
            OnSizeChanged();
            return 0;
        case WM_POWERBROADCAST:
            if (IsResumeNotification(wParam)) OnClockMayHaveJumped();
            return TRUE;
        case WM_TIMECHANGE:
            OnClockMayHaveJumped();
            return 0;
        case WM_INITMENUPOPUP:
            // The menu as it opens says what can be done now.
            if (reinterpret_cast<HMENU>(wParam) == trayMenu_.get()) SyncTrayMenu();
            return 0;
        case WM_ACTIVATEAPP:
            if (!wParam && balloon_) balloon_->OnApplicationDeactivated();
            break;
        case WM_DESTROY:
            // Exit path B: the window goes, and the loop ends when no window is left.
            if (tray_) tray_->Remove();
            ::PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return ::DefWindowProcW(window_, message, wParam, lParam);
}

void MainWindow::OnCommand(int id, int code) {
    const int index = id - kControlIdBase;
    if (index < 0 || index >= kControlCount) return;
    switch (static_cast<ControlId>(index)) {
        case ControlId::超级按钮1:
            if (code == BN_CLICKED) schedule_.StartSchedule();
            break;
        case ControlId::超级按钮2:
            if (code == BN_CLICKED) ExitProgram();
            break;
        case ControlId::组合框1:
            if (code == CBN_SELCHANGE || code == CBN_KILLFOCUS) schedule_.ShowChosenFunction();
            break;
        case ControlId::编辑框1:
            if (code == EN_CHANGE) schedule_.SetLeadMinutes();
            break;
        default:
            break;
    }
}

void MainWindow::OnMenuCommand(MenuCommand command) {
    switch (command) {
        case MenuCommand::ShowWindow:
            ShowWindowNormal();
            break;
        case MenuCommand::Exit:
            ExitProgram();
            break;
        case MenuCommand::CancelSchedule:
            schedule_.CancelTimed();
            break;
        default:
            if (const int skin = SkinNumber(command)) SwitchSkin(skin);
            break;
    }
}

void MainWindow::SwitchSkin(int skin) {
    if (!skin_) return;
    yf::SwitchSkin(*skin_, ResourceBytes(Widen(SkinResourceName(skin)).c_str()), window_);
}

void MainWindow::RegisterSkinContainers() {
    SkinEngine* engine = skin_;
    if (!engine) return;
    // The panels see-through (alpha 0): only their frames lie on the picture.
    for (ControlId group : {ControlId::分组框1, ControlId::分组框2}) {
        engine->RegisterContainer(Control(group), 1, ::GetSysColor(COLOR_BTNFACE), 0);
    }
    // The skinned boxes draw their text in the layout's colour, as they did before.
    for (const ControlLayout& entry : Layout()) {
        if (entry.kind == ControlKind::Edit) {
            engine->SetControlTextColour(Control(entry.id), entry.colour);
        }
    }
}

void MainWindow::OnSpinPressed(ControlId spinner, int direction) {
    schedule_.StepSpinner(spinner, direction);
}

void MainWindow::OnTimer(TimerId id) {
    switch (id) {
        case TimerId::时钟1:
            calendar_.ClockTick();
            break;
        case TimerId::时钟2:
            if (trayClicks_.OnTimerTick()) PopUpTrayMenu();
            break;
        case TimerId::时钟_关机:
            schedule_.CountdownTick();
            break;
        case TimerId::时钟_时间校准:
            CheckClock(true);
            break;
        default:
            break;
    }
}

void MainWindow::OnTrayNotification(UINT mouseMessage) {
    if (trayClicks_.OnTrayEvent(TrayOperationFromMouseMessage(mouseMessage)) ==
        TrayClicks::Reaction::ShowCentred) {
        ShowCentred();
    }
}

void MainWindow::PopUpTrayMenu() {
    POINT cursor{};
    ::GetCursorPos(&cursor);
    // Without this the menu would not close when the user clicks elsewhere.
    ::SetForegroundWindow(window_);
    ::TrackPopupMenu(trayMenu_.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, cursor.x + 3,
                     cursor.y + 3, 0, window_, nullptr);
    ::PostMessageW(window_, WM_NULL, 0, 0);
}

void MainWindow::ShowCentred() {
    ::ShowWindow(window_, SW_SHOW);
    if (::IsIconic(window_) || ::IsZoomed(window_)) ::ShowWindow(window_, SW_RESTORE);
    RECT rect;
    ::GetWindowRect(window_, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    ::SetWindowPos(window_, nullptr, (::GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                   (::GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::ShowWindowNormal() {
    ::ShowWindow(window_, SW_SHOW);
    ::ShowWindow(window_, SW_SHOWNORMAL);
}

void MainWindow::OnSizeChanged() {
    if (::IsIconic(window_)) {
        // Minimized means hidden in the tray: no taskbar button while it is away. Without an
        // icon in the tray the taskbar button is the only way back, so it stays.
        if (tray_ && tray_->IsShown()) ::ShowWindow(window_, SW_HIDE);
        return;
    }
    RECT rect;
    ::GetWindowRect(window_, &rect);
    if (rect.right - rect.left != kWindowWidth || rect.bottom - rect.top != kWindowHeight) {
        ::SetWindowPos(window_, nullptr, 0, 0, kWindowWidth, kWindowHeight,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void MainWindow::OnClockMayHaveJumped() {
    // After sleep or a clock change the countdown decides at once, not up to a second later.
    calendar_.ClockTick();
    if (TimerInterval(TimerId::时钟_关机) > 0) schedule_.CountdownTick();
}

void MainWindow::CheckClock(bool refreshCalendar) {
    if (clockCheck_) clockCheck_->CheckClock(refreshCalendar);
}

void MainWindow::PutTrayIcon() {
    tray_->Show(appIcon_.get(), kTrayTip);
    trayRetriesLeft_ = kTrayRetryAttempts;
    AfterTrayChange();
}

void MainWindow::OnTrayRetryTick() {
    if (trayRetriesLeft_ > 0) --trayRetriesLeft_;
    tray_->Retry();
    AfterTrayChange();
}

// Keeps retrying while the icon is wanted but missing, and never leaves the window hidden
// without it: a window hidden in the tray when the icon is lost comes back to the taskbar.
void MainWindow::AfterTrayChange() {
    if (tray_->IsPending() && trayRetriesLeft_ > 0) {
        ::SetTimer(window_, kTrayRetryTimer, kTrayRetryMs, nullptr);
    } else {
        ::KillTimer(window_, kTrayRetryTimer);
    }
    if (!tray_->IsShown() && !::IsWindowVisible(window_) && ::IsIconic(window_)) {
        ::ShowWindow(window_, SW_SHOWMINNOACTIVE);
    }
}

void MainWindow::ExitProgram() {
    if (tray_) tray_->Remove();
    // The clicked button and this handler are still on the stack: the ending waits until they
    // have returned.
    ::PostMessageW(window_, kExitMessage, 0, 0);
}

}  // namespace yf
