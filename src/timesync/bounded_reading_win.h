// One reading of the web time within one deadline, on a worker thread, while the window goes on
// painting and its clock and countdown go on ticking. A reading the worker cannot finish in
// time (a name lookup that hangs, a host that trickles its page) fails at the deadline; the
// worker is left to end by itself, and no new reading starts before it has.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/background_job_win.h"
#include "timesync/web_time.h"

namespace yf {

class BoundedWebTimeReader {
  public:
    // Reads the page once; it runs on the worker and must be over by `deadline`
    // (a GetTickCount64() value). It is copied into each worker, with what it captures.
    using Page = std::function<WebAnswer(ULONGLONG deadline)>;
    static constexpr DWORD kBudgetMs = 5000;
    // The worker's own deadline comes this much before the budget is spent, so a worker that
    // gives up on time has reported before the wait ends.
    static constexpr DWORD kReportMarginMs = 250;

    // buildDay: what a reading of a program built then can plausibly be (see FetchWebTime).
    BoundedWebTimeReader(Page page, DateTime buildDay, DWORD budgetMs = kBudgetMs)
        : page_(std::move(page)), buildDay_(buildDay), budgetMs_(budgetMs) {}

    // One reading, both requests of it; nothing when it failed or did not end in time.
    std::optional<WebTime> Read();

  private:
    Page page_;
    DateTime buildDay_;
    DWORD budgetMs_;
    std::optional<BackgroundJob<std::optional<WebTime>>> last_;
};

}  // namespace yf
