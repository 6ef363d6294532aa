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

ClockCheck::ClockCheck(ClockCheckSeams seams, const Clock& clock, MessageBoxes& boxes,
                       DateTime buildDay)
    : seams_(std::move(seams)), clock_(clock), boxes_(boxes), buildDay_(buildDay) {}

void ClockCheck::CheckClock(bool refreshCalendar, const std::function<void()>& beforeAsking) {
    if (running_) return;
    running_ = true;
    if (ClockIsOff()) Ask(refreshCalendar, beforeAsking);
    running_ = false;
}

void ClockCheck::Ask(bool refreshCalendar, const std::function<void()>& beforeAsking) {
    if (beforeAsking) beforeAsking();
    if (boxes_.Show(kQuestionText, kQuestionCaption,
                    box::kYesNo | box::kIconQuestion | box::kTaskModal) == box::kAnswerYes) {
        if (SetFromWeb()) {
            boxes_.Show(kSuccessText, kSuccessCaption,
                        box::kOk | box::kIconInformation | box::kTaskModal);
            if (refreshCalendar && seams_.refreshCalendar) seams_.refreshCalendar();
        } else {
            boxes_.Show(kFailureText, kFailureCaption,
                        box::kOk | box::kIconError | box::kTaskModal);
        }
    }
}

std::optional<WebTime> ClockCheck::Read() const {
    std::optional<WebTime> web = seams_.read ? seams_.read() : std::nullopt;
    // A page counting from 1970, or wrapped round to 2106, would offer to set the clock by decades.
    if (web && !IsPlausible(*web, buildDay_)) web.reset();
    return web;
}

std::int64_t ClockCheck::ReadDifference() const {
    const std::optional<WebTime> web = Read();
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

bool ClockCheck::SetFromWeb() {
    // A fresh reading: the question may have been open for a long time.
    const std::optional<WebTime> web = Read();
    if (!web || !seams_.setClock) return false;
    // Taken at once, so an elevated run that starts after the consent prompt still sets the
    // time this reading gave, moved on by the time that passed.
    const std::int64_t offsetMs = web->unixSeconds * 1000 - clock_.UtcMilliseconds();
    const std::uint32_t error = seams_.setClock(web->Utc());
    if (error == 0) return true;
    return error == kErrorPrivilegeNotHeld && seams_.setElevated && seams_.setElevated(offsetMs);
}

}  // namespace yf
