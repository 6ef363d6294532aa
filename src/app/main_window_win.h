// MainWindow: the program's one top-level window, built from the layout, with the event map
// that routes every control event and timer tick to its handler.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "app/controls.h"
#include "app/interval_timers.h"
#include "app/layout.h"
#include "app/tray_clicks.h"
#include "app/tray_icon_win.h"
#include "calendar/calendar_panel.h"
#include "core/clock.h"
#include "core/message_boxes_win.h"
#include "core/unique_handle_win.h"
#include "scheduler/execution_state_win.h"
#include "scheduler/power_actions_win.h"
#include "scheduler/reminder_win.h"
#include "scheduler/schedule_controller.h"
#include "scheduler/suspend_resume_win.h"
#include "scheduler/warning_window_win.h"
#include "timesync/window_clock_check_win.h"
#include "widgets/balloon_tip_win.h"
#include "widgets/widget_state_win.h"

namespace yf {

class SkinEngine;

// The window's ways out to the user and the system; tests put recorders in. Null: the real
// message boxes and power calls.
struct WindowSeams {
    MessageBoxes* boxes = nullptr;
    PowerActions* power = nullptr;
    // The web time page, read on a worker thread and to be over by the tick count it is given.
    // Empty: no clock check at all, so tests of other parts stay off the network; the program
    // passes its HTTP client here.
    BoundedWebTimeReader::Page webTimePage = nullptr;
    // Empty: SetSystemTime.
    ClockSetter setClock = nullptr;
    // Empty: the shell's notification area.
    TrayNotifier trayNotify = nullptr;
    // Empty: the program itself, started elevated, when setting the clock lacks the privilege.
    ElevatedLauncher launchElevated = nullptr;
    // Null: SetThreadExecutionState.
    ExecutionState* executionState = nullptr;
    // Empty: user32's suspend and resume registration, where the system has it.
    std::optional<SuspendResumeCalls> suspendResume = std::nullopt;
    // The skin engine the window is skinned by, owned by the application; null: no skin.
    SkinEngine* skin = nullptr;
};

class MainWindow : public Controls {
public:
    static constexpr const wchar_t* kClassName = L"YfMainWindow";
    static constexpr UINT kTrayMessage = WM_APP + 1;
    // Exit path A, posted so that the process ends after the button or menu handler returned.
    static constexpr UINT kExitMessage = WM_APP + 2;
    // A tray icon the shell refused is tried again this often, this many times (and whenever
    // the shell announces a new taskbar).
    static constexpr int kTrayRetryMs = 2000;
    static constexpr int kTrayRetryAttempts = 150;
    // A start-up clock check still reading after this long no longer keeps the window hidden.
    static constexpr UINT kStartUpPatienceMs = 1000;
    static constexpr int kControlIdBase = 1000;
    static constexpr int kMenuIdBase = 100;

    MainWindow(HINSTANCE instance, const Clock& clock, WindowSeams seams = {});
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Creates the window hidden, centred, with every control of the layout.
    bool Create();
    // The created event: the start-up steps that run while the window is still hidden, unless
    // the clock check among them takes longer than kStartUpPatienceMs: then the window is shown
    // from within the check, which goes on over it.
    void RunCreatedSequence();
    // The rest of start-up: one size-changed event, then shown normally and activated; nothing
    // when the created sequence has shown the window already.
    void ShowAfterStartUp();

    // Hands skin 1..8 to the skin engine (when one exists) for this window.
    void SwitchSkin(int skin);
    // Makes the two group boxes skin containers, so the controls in them are skinned too.
    void RegisterSkinContainers();

    HWND Handle() const { return window_; }
    HWND Control(ControlId id) const { return controls_[static_cast<int>(id)]; }
    HICON AppIcon() const { return appIcon_.get(); }
    const TrayIcon* Tray() const { return tray_.get(); }
    BalloonTip* Balloon() const { return balloon_.get(); }
    HMENU TrayMenuHandle() const { return trayMenu_.get(); }
    const ScheduleController& Scheduler() const { return schedule_; }
    const WarningWindow& WarningPopup() const { return warning_; }
    bool SuspendResumeRegistered() const { return suspendResume_ && suspendResume_->Registered(); }

    // Exit path A ends the message loop with this exit code (the application then runs its exit
    // handler); tests replace the ending to observe it.
    void SetProcessEnder(std::function<void(int exitCode)> ender) { endProcess_ = std::move(ender); }

    // Controls
    std::string Text(ControlId id) const override;
    void SetText(ControlId id, std::string_view text) override;
    bool IsVisible(ControlId id) const override;
    void SetVisible(ControlId id, bool visible) override;
    int SelectedIndex(ControlId id) const override;
    int TimerInterval(TimerId id) const override { return timers_.Interval(id); }
    void SetTimerInterval(TimerId id, int milliseconds) override;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam,
                                       LPARAM lParam) noexcept;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

    bool CreateControls();
    HWND CreateControl(const ControlLayout& entry);
    void AlignTypedTextWithItsLabel();
    HFONT FontFor(FontId id) const;
    void BuildTrayMenu();
    // The cancel item is in the tray menu exactly while a timed action counts down.
    void SyncTrayMenu();
    // Where the reminder balloon stands while shown, for the warning to keep clear of; empty
    // otherwise.
    RECT ShownBalloonRect() const;

    void OnCommand(int id, int code);
    void OnMenuCommand(MenuCommand command);
    void OnSpinPressed(ControlId spinner, int direction);
    void OnTimer(TimerId id);
    void OnTrayNotification(UINT mouseMessage);
    void OnSizeChanged();
    void OnClockMayHaveJumped();
    void PopUpTrayMenu();
    void ShowCentred();
    void ShowWindowNormal();
    void PutTrayIcon();
    void OnTrayRetryTick();
    void AfterTrayChange();
    void ExitProgram();
    void CheckClock(bool refreshCalendar);
    void StartUpClockCheck();
    void OnStartUpPatienceOver();

    // The thread's widget state first, so it is there for every control and goes last.
    WidgetState widgets_;
    HINSTANCE instance_;
    const Clock& clock_;
    HWND window_ = nullptr;
    std::array<HWND, kControlCount> controls_{};
    std::array<UniqueFont, 6> fonts_;
    UniqueIcon appIcon_;
    UniqueIcon okIcon_;
    UniqueIcon exitIcon_;
    UniqueMenu trayMenu_;
    IntervalTimers timers_;
    TrayClicks trayClicks_;
    CalendarPanel calendar_;
    std::unique_ptr<TrayIcon> tray_;
    TrayNotifier trayNotify_;
    int trayRetriesLeft_ = 0;
    // While the start-up check may still show the window: it is reading, and asks nothing yet.
    bool startUpPatience_ = false;
    bool shownDuringStartUpCheck_ = false;
    std::unique_ptr<BalloonTip> balloon_;
    std::function<void(int)> endProcess_;
    SystemMessageBoxes systemBoxes_;
    SystemPowerActions systemPower_;
    SystemExecutionState systemExecutionState_;
    SoundAndBalloonReminder reminder_;
    WarningWindow warning_;
    ScheduleController schedule_;
    SuspendResumeCalls suspendResumeCalls_;
    std::unique_ptr<SuspendResumeRegistration> suspendResume_;
    std::unique_ptr<WindowClockCheck> clockCheck_;
    SkinEngine* skin_;
};

}  // namespace yf
