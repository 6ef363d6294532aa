#include "timesync/clock_check.h"

#include <utility>

namespace yf {
namespace {

constexpr const char* kQuestionCaption = "询问：";
constexpr const char* kQuestionText = "询问：本机系统时间不准确，是否同步到北京时间？";
constexpr const char* kSuccessCaption = "恭喜：";
constexpr const char* kSuccessText = "恭喜：时间同步成功！";
constexpr const char* kFailureCaption = "错误：";
constexpr const char* kFailureText = "错误：时间同步失败，请检查网络是否可以连接到因特网~";

}  // namespace

ClockCheck::ClockCheck(PageReader readPage, const Clock& clock, MessageBoxes& boxes,
                       ClockSetter setClock, std::function<void()> refreshCalendar)
    : readPage_(std::move(readPage)),
      clock_(clock),
      boxes_(boxes),
      setClock_(std::move(setClock)),
      refreshCalendar_(std::move(refreshCalendar)) {}

void ClockCheck::CheckClock(bool refreshCalendar) {
    if (running_) return;
    running_ = true;
    if (ClockIsOff() &&
        boxes_.Show(kQuestionText, kQuestionCaption,
                    box::kYesNo | box::kIconQuestion | box::kTaskModal) == box::kAnswerYes) {
        SetFromWeb(refreshCalendar);
    }
    running_ = false;
}

std::int64_t ClockCheck::ReadDifference() const {
    const std::optional<WebTime> web = FetchWebTime(readPage_);
    if (!web) return 0;
    // Universal time on both sides: the page's count is UTC, and comparing Beijing time with
    // the local clock would call every correct clock outside UTC+8 wrong.
    return SecondsBetween(clock_.NowUtc(), web->Utc());
}

bool ClockCheck::ClockIsOff() const {
    // A clock that is behind shows on the first reading; only then is a second one taken for
    // a clock that is ahead.
    if (ReadDifference() >= kTolerance) return true;
    return ReadDifference() <= -kTolerance;
}

void ClockCheck::SetFromWeb(bool refreshCalendar) {
    // A fresh reading: the question may have been open for a long time.
    const std::optional<WebTime> web = FetchWebTime(readPage_);
    if (!web || !setClock_(web->Utc())) {
        boxes_.Show(kFailureText, kFailureCaption, box::kOk | box::kIconError | box::kTaskModal);
        return;
    }
    boxes_.Show(kSuccessText, kSuccessCaption, box::kOk | box::kIconInformation | box::kTaskModal);
    if (refreshCalendar && refreshCalendar_) refreshCalendar_();
}

}  // namespace yf
