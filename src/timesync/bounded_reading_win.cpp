#include "timesync/bounded_reading_win.h"

namespace yf {

std::optional<WebTime> BoundedWebTimeReader::Read() {
    // A worker still stuck in an earlier reading keeps its session busy.
    if (last_ && !last_->Finished()) return std::nullopt;
    const DWORD workerBudget = budgetMs_ > kReportMarginMs ? budgetMs_ - kReportMarginMs : 1;
    const ULONGLONG deadline = ::GetTickCount64() + workerBudget;
    last_.emplace([page = page_, buildDay = buildDay_, deadline] {
        return FetchWebTime([&page, deadline] { return page(deadline); }, buildDay);
    });
    const std::optional<std::optional<WebTime>> reading = last_->WaitPainting(budgetMs_);
    return reading ? *reading : std::nullopt;
}

}  // namespace yf
