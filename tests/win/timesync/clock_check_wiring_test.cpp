// The clock check as the window runs it: once while the window is still hidden at start-up, and
// on every tick of the calibration timer, with the calendar redrawn after a successful set; a
// set that lacks the privilege handed to an elevated run; readings from hosts that never
// answer, which end at their deadline while the window goes on ticking; and pages served here
// through the program's own HTTP client: without their time but with a Date, and through the
// system's proxy.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "app/main_window_win.h"
#include "support/local_http_server.h"
#include "support/message_pump.h"
#include "support/system_proxy.h"
#include "timesync/elevated_clock_set_win.h"
#include "timesync/read_chunk.h"
#include "timesync/web_client_win.h"

namespace yf {
namespace {

class FixedClock : public Clock {
  public:
    // After the build day, as every true reading is.
    DateTime Now() const override { return {2030, 5, 17, 9, 30, 0}; }
    DateTime NowUtc() const override { return {2030, 5, 17, 1, 30, 0}; }
};

// Runs at real speed from a chosen time, so the clock label changes every second.
class RunningClock : public Clock {
  public:
    DateTime Now() const override {
        return DateTime{2030, 5, 17, 9, 30, 0}.AddSeconds(
            static_cast<std::int64_t>((::GetTickCount64() - start_) / 1000));
    }
    DateTime NowUtc() const override { return Now().AddHours(-8); }

  private:
    ULONGLONG start_ = ::GetTickCount64();
};

// Notes each box's caption, and whether the main window was visible while it was up. A box
// that dwells runs the message loop meanwhile, as a real one does while the user reads it.
class WatchingBoxes : public MessageBoxes {
  public:
    int Show(std::string_view, std::string_view caption, unsigned flags) override {
        const bool visible = window && ::IsWindowVisible(window);
        if (dwellMs) testing::PumpFor(dwellMs);
        const bool shownMeanwhile = !visible && window && ::IsWindowVisible(window);
        shown.push_back(std::string(caption) + (visible ? " over the window" : "") +
                        (shownMeanwhile ? " (the window came meanwhile)" : ""));
        return flags & box::kYesNo ? answer : box::kAnswerOk;
    }
    HWND window = nullptr;
    int answer = box::kAnswerYes;
    DWORD dwellMs = 0;
    std::vector<std::string> shown;
};

struct Launch {
    std::wstring program, parameters;
};

class ClockCheckWiringTest : public ::testing::Test {
  protected:
    void Start(std::int64_t webAheadSeconds, bool withPage = true) {
        WindowSeams seams{&boxes_};
        seams.webTimePage = [this, webAheadSeconds, withPage](ULONGLONG) {
            ++pageReads_;
            // A page that cannot be read comes back empty.
            if (!withPage) return std::string();
            const std::int64_t unix =
                SecondsBetween({1970, 1, 1}, clock_.NowUtc()) + webAheadSeconds;
            return "window.baidu_time(" + std::to_string(unix * 1000) + ");";
        };
        seams.setClock = [this](const DateTime& utc) {
            setTo_.push_back(utc);
            return setterError_;
        };
        seams.launchElevated = [this](const std::wstring& program, const std::wstring& parameters) {
            launches_.push_back({program, parameters});
            return elevatedExit_;
        };
        window_ = std::make_unique<MainWindow>(::GetModuleHandleW(nullptr), clock_, seams);
        ASSERT_TRUE(window_->Create());
        boxes_.window = window_->Handle();
    }
    void TearDown() override {
        window_.reset();
        testing::PumpFor(20);
    }
    void CalibrationTick() {
        ::SendMessageW(window_->Handle(), WM_TIMER, static_cast<WPARAM>(TimerId::时钟_时间校准) + 1,
                       0);
    }

    FixedClock clock_;
    WatchingBoxes boxes_;
    std::vector<DateTime> setTo_;
    int pageReads_ = 0;
    std::uint32_t setterError_ = 0;
    std::vector<Launch> launches_;
    std::optional<DWORD> elevatedExit_;
    std::unique_ptr<MainWindow> window_;
};

TEST_F(ClockCheckWiringTest, StartUpAsksWhileTheWindowIsHidden) {
    Start(30);
    boxes_.answer = box::kAnswerNo;
    window_->RunCreatedSequence();
    EXPECT_EQ(boxes_.shown, std::vector<std::string>{"询问："});
    EXPECT_TRUE(setTo_.empty());
    EXPECT_EQ(window_->TimerInterval(TimerId::时钟_时间校准), 60000);
    window_->ShowAfterStartUp();
    EXPECT_TRUE(::IsWindowVisible(window_->Handle()));
}

TEST_F(ClockCheckWiringTest, CalibrationTickRedrawsTheCalendarOnlyAfterASet) {
    for (std::uint32_t error : {0u, 5u}) {
        Start(30);
        setterError_ = error;
        boxes_.shown.clear();
        window_->SetText(ControlId::透明标签_公历日, "--");
        CalibrationTick();
        EXPECT_EQ(boxes_.shown, (std::vector<std::string>{"询问：", error ? "错误：" : "恭喜："}));
        EXPECT_EQ(window_->Text(ControlId::透明标签_公历日), error ? "--" : "17");
    }
    ASSERT_EQ(setTo_.size(), 2u);
    EXPECT_EQ(setTo_[0], (DateTime{2030, 5, 17, 1, 30, 30}));
    EXPECT_TRUE(launches_.empty());  // access denied is no matter of elevation
}

TEST_F(ClockCheckWiringTest, AMissingPrivilegeAsksForOneElevatedRunWhoseExitCodeDecides) {
    const std::pair<std::optional<DWORD>, const char*> cases[] = {
        {0, "恭喜："},
        {1, "错误："},
        {2, "错误："},
        {std::nullopt, "错误："}};  // nullopt: declined
    for (const auto& [exitCode, report] : cases) {
        Start(30);
        setterError_ = kErrorPrivilegeNotHeld;
        elevatedExit_ = exitCode;
        launches_.clear();
        boxes_.shown.clear();
        CalibrationTick();
        EXPECT_EQ(boxes_.shown, (std::vector<std::string>{"询问：", report}));
        ASSERT_EQ(launches_.size(), 1u);
        EXPECT_EQ(launches_[0].program, OwnExecutablePath());
        EXPECT_EQ(launches_[0].parameters, L"--set-clock-offset-ms=30000");
    }
}

// The check runs, at start-up and on the tick, but a page it cannot read raises no question and
// leaves the clock alone.
TEST_F(ClockCheckWiringTest, NoPageMeansNoCheck) {
    Start(30, false);
    window_->RunCreatedSequence();
    const int readsAtStart = pageReads_;
    EXPECT_GT(readsAtStart, 0);
    CalibrationTick();
    EXPECT_GT(pageReads_, readsAtStart);
    EXPECT_TRUE(boxes_.shown.empty());
    EXPECT_TRUE(setTo_.empty());
    EXPECT_EQ(window_->Text(ControlId::透明标签_公历日), "17");
}

// Reads the clock label from another thread, as the system's hung-window check would: only a
// window that goes on handling messages answers.
class LabelWatcher {
  public:
    explicit LabelWatcher(HWND label)
        : thread_([this, label] {
              std::wstring last;
              while (!stop_) {
                  wchar_t text[32] = {};
                  DWORD_PTR copied = 0;
                  if (::SendMessageTimeoutW(label, WM_GETTEXT, 32, reinterpret_cast<LPARAM>(text),
                                            SMTO_NORMAL, 300, &copied) &&
                      text != last) {
                      if (!last.empty()) ++changes_;
                      last = text;
                  }
                  ::Sleep(100);
              }
          }) {}
    ~LabelWatcher() {
        stop_ = true;
        thread_.join();
    }
    int Changes() const { return changes_; }

  private:
    std::atomic<bool> stop_{false};
    std::atomic<int> changes_{0};
    std::thread thread_;
};

TEST(ClockCheckReadingTest, HostsThatNeverAnswerEndAtTheDeadlineWhileTheClockTicks) {
    using testing::LocalHttpServer;
    const std::string trickled = "HTTP/1.0 200 OK\r\n\r\nwindow.baidu_time(1747445400000);";
    for (LocalHttpServer::Mode mode :
         {LocalHttpServer::Mode::Silent, LocalHttpServer::Mode::Trickle}) {
        const bool trickle = mode == LocalHttpServer::Mode::Trickle;
        LocalHttpServer server(trickle ? trickled : "", mode);
        RunningClock clock;
        WatchingBoxes boxes;
        WindowSeams seams{&boxes};
        auto client = std::make_shared<WebClient>();
        seams.webTimePage = [client, url = server.Url(L"/special/time/")](ULONGLONG deadline) {
            return client->ReadWebPage(url, {deadline, kLongestTimePage});
        };
        MainWindow window(::GetModuleHandleW(nullptr), clock, seams);
        ASSERT_TRUE(window.Create());
        window.SetTimerInterval(TimerId::时钟1, 1000);
        window.ShowAfterStartUp();
        ULONGLONG elapsed = 0;
        int changes = 0;
        {
            LabelWatcher watcher(window.Control(ControlId::透明标签_现在时间));
            const ULONGLONG start = ::GetTickCount64();
            ::SendMessageW(window.Handle(), WM_TIMER,
                           static_cast<WPARAM>(TimerId::时钟_时间校准) + 1, 0);
            elapsed = ::GetTickCount64() - start;
            changes = watcher.Changes();
        }
        // Two readings, each failed at its 5 s deadline: the first found no difference.
        EXPECT_LE(elapsed, 2 * BoundedWebTimeReader::kBudgetMs + 1500) << trickle;
        EXPECT_GE(changes, 2) << trickle;
        EXPECT_GE(server.Connections(), 1) << trickle;
        EXPECT_TRUE(boxes.shown.empty()) << trickle;
        ::DestroyWindow(window.Handle());
    }
}

using testing::LocalHttpServer;

// The boxes one calibration tick shows when the program's own HTTP client reads this URL, the
// computer's clock standing at 2030-05-17 01:30:00 UTC. Each check opens a new session, so it
// reads the system's proxy settings as they are now.
std::vector<std::string> BoxesOfACheckAgainst(const std::wstring& url) {
    FixedClock clock;
    WatchingBoxes boxes;
    boxes.answer = box::kAnswerNo;
    WindowSeams seams{&boxes};
    auto client = std::make_shared<WebClient>();
    seams.webTimePage = [client, url](ULONGLONG deadline) {
        return client->ReadWebPage(url, {deadline, kLongestTimePage});
    };
    MainWindow window(::GetModuleHandleW(nullptr), clock, seams);
    if (!window.Create()) return {"no window"};
    ::SendMessageW(window.Handle(), WM_TIMER, static_cast<WPARAM>(TimerId::时钟_时间校准) + 1, 0);
    ::DestroyWindow(window.Handle());
    return boxes.shown;
}

std::string FirstLine(const std::string& text) {
    return text.substr(0, text.find("\r\n"));
}

TEST(ClockCheckReadingTest, APageWithoutItsTimeIsReadByTheAnswersDate) {
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"Date: Fri, 17 May 2030 01:31:00 GMT\r\n", {"询问："}},  // a minute ahead
        {"Date: Fri, 17 May 2030 01:30:00 GMT\r\n", {}},          // on time
        {"", {}},  // neither the page's time nor a Date: no reading
    };
    for (const auto& [date, boxes] : cases) {
        // What a network's login page might answer in the time page's place.
        LocalHttpServer server("HTTP/1.0 200 OK\r\n" + date +
                               "Content-Type: text/html\r\n\r\n<html><body>login</body></html>");
        EXPECT_EQ(BoxesOfACheckAgainst(server.Url(L"/special/time/")), boxes) << date;
        EXPECT_GE(server.Connections(), 2) << date;
    }
}

TEST(ClockCheckReadingTest, AHostReachableOnlyThroughTheSystemsProxy) {
    const std::int64_t aMinuteAhead = SecondsBetween({1970, 1, 1}, {2030, 5, 17, 1, 31, 0});
    LocalHttpServer proxy("HTTP/1.0 200 OK\r\n\r\nwindow.baidu_time(" +
                          std::to_string(aMinuteAhead * 1000) + ");");
    testing::ScopedSystemProxy setting(L"127.0.0.1:" + std::to_wstring(proxy.Port()));
    ASSERT_TRUE(setting.IsSet());
    // The host does not resolve (a name under .invalid never does): only the proxy reaches it.
    EXPECT_EQ(BoxesOfACheckAgainst(L"http://yf-time-page.invalid/special/time/"),
              std::vector<std::string>{"询问："});
    // The request names the whole URL, as one to a proxy does (some clients add the port).
    const std::string request = FirstLine(proxy.LastRequest());
    EXPECT_TRUE(request.starts_with("GET http://yf-time-page.invalid")) << request;
    EXPECT_TRUE(request.ends_with("/special/time/ HTTP/1.0")) << request;
}

// What the main window held the moment it was first shown, noted on its own thread by a hook
// in front of its window procedure.
class FirstShowing {
  public:
    explicit FirstShowing(const MainWindow& window)
        : window_(window),
          start_(::GetTickCount64()),
          hook_(::SetWindowsHookExW(WH_CALLWNDPROC, &Hook, nullptr, ::GetCurrentThreadId())) {
        current_ = this;
    }
    ~FirstShowing() {
        if (hook_) ::UnhookWindowsHookEx(hook_);
        current_ = nullptr;
    }
    FirstShowing(const FirstShowing&) = delete;
    FirstShowing& operator=(const FirstShowing&) = delete;

    ULONGLONG Start() const { return start_; }
    // Milliseconds from the start of the watch; nothing while never shown.
    std::optional<ULONGLONG> After() const { return after_; }
    const std::string& Day() const { return day_; }
    bool TrayIconWanted() const { return trayWanted_; }

  private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) noexcept {
        const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
        FirstShowing* self = current_;
        if (code == HC_ACTION && self && !self->after_ && message->message == WM_SHOWWINDOW &&
            message->wParam && message->hwnd == self->window_.Handle()) {
            self->after_ = ::GetTickCount64() - self->start_;
            self->day_ = self->window_.Text(ControlId::透明标签_公历日);
            const TrayIcon* tray = self->window_.Tray();
            self->trayWanted_ = tray && (tray->IsShown() || tray->IsPending());
        }
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline FirstShowing* current_ = nullptr;
    const MainWindow& window_;
    ULONGLONG start_;
    HHOOK hook_;
    std::optional<ULONGLONG> after_;
    std::string day_;
    bool trayWanted_ = false;
};

TEST(StartUpClockCheckTest, ASlowCheckShowsTheWindowAndGoesOnOverIt) {
    const std::string trickled = "HTTP/1.0 200 OK\r\n\r\nwindow.baidu_time(1747445400000);";
    for (LocalHttpServer::Mode mode :
         {LocalHttpServer::Mode::Silent, LocalHttpServer::Mode::Trickle}) {
        const bool trickle = mode == LocalHttpServer::Mode::Trickle;
        LocalHttpServer server(trickle ? trickled : "", mode);
        RunningClock clock;
        WatchingBoxes boxes;
        WindowSeams seams{&boxes};
        auto client = std::make_shared<WebClient>();
        seams.webTimePage = [client, url = server.Url(L"/special/time/")](ULONGLONG deadline) {
            return client->ReadWebPage(url, {deadline, kLongestTimePage});
        };
        MainWindow window(::GetModuleHandleW(nullptr), clock, seams);
        ASSERT_TRUE(window.Create());
        {
            LabelWatcher watcher(window.Control(ControlId::透明标签_现在时间));
            FirstShowing showing(window);
            window.RunCreatedSequence();
            const ULONGLONG sequence = ::GetTickCount64() - showing.Start();
            const std::optional<ULONGLONG> shownAfter = showing.After();
            ASSERT_TRUE(shownAfter.has_value()) << trickle;
            // Bounds far from the one second the start-up waits, and from the two readings'
            // ten seconds: the window came early, and the check went on long after it.
            EXPECT_LE(*shownAfter, 4000u) << trickle;
            EXPECT_GE(sequence, *shownAfter + 3000) << trickle;
            EXPECT_EQ(showing.Day(), "17") << trickle;
            EXPECT_TRUE(showing.TrayIconWanted()) << trickle;
            EXPECT_GE(watcher.Changes(), 3) << trickle;
        }
        // The rest of start-up leaves the shown window alone: it does not take the foreground
        // back from a window the user went to while the check went on.
        HWND other = ::CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                       nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
        ::SetForegroundWindow(other);
        window.ShowAfterStartUp();
        EXPECT_EQ(::GetForegroundWindow(), other) << trickle;
        ::DestroyWindow(other);
        EXPECT_TRUE(boxes.shown.empty()) << trickle;
        EXPECT_TRUE(::IsWindowVisible(window.Handle())) << trickle;
        ::DestroyWindow(window.Handle());
    }
}

// A quick answer asks while the window is still hidden and the window waits for the answer, even
// when the user takes longer than the start-up would wait for the network; a late one asks
// over the shown window.
TEST(StartUpClockCheckTest, TheQuestionComesBeforeTheWindowOnlyWhenTheAnswerIsQuick) {
    const std::int64_t aMinuteAhead = SecondsBetween({1970, 1, 1}, {2030, 5, 17, 1, 31, 0});
    const std::string page =
        "HTTP/1.0 200 OK\r\n\r\nwindow.baidu_time(" + std::to_string(aMinuteAhead * 1000) + ");";
    const std::pair<LocalHttpServer::Mode, const char*> cases[] = {
        {LocalHttpServer::Mode::Answer, "询问："},
        {LocalHttpServer::Mode::Late, "询问： over the window"},
    };
    for (const auto& [mode, box] : cases) {
        LocalHttpServer server(page, mode);
        RunningClock clock;
        WatchingBoxes boxes;
        boxes.answer = box::kAnswerNo;
        boxes.dwellMs = 2 * MainWindow::kStartUpPatienceMs;
        WindowSeams seams{&boxes};
        auto client = std::make_shared<WebClient>();
        seams.webTimePage = [client, url = server.Url(L"/special/time/")](ULONGLONG deadline) {
            return client->ReadWebPage(url, {deadline, kLongestTimePage});
        };
        MainWindow window(::GetModuleHandleW(nullptr), clock, seams);
        ASSERT_TRUE(window.Create());
        boxes.window = window.Handle();
        window.RunCreatedSequence();
        EXPECT_EQ(boxes.shown, std::vector<std::string>{box});
        EXPECT_EQ(::IsWindowVisible(window.Handle()) != FALSE, mode == LocalHttpServer::Mode::Late);
        window.ShowAfterStartUp();
        EXPECT_TRUE(::IsWindowVisible(window.Handle()));
        ::DestroyWindow(window.Handle());
    }
}

}  // namespace
}  // namespace yf
