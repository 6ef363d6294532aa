// In-memory stand-in for MainWindow's controls, so handler logic runs without a window.
#pragma once

#include <array>
#include <string>

#include "app/control_ids.h"
#include "app/controls.h"
#include "app/interval_timers.h"

namespace yf::testing {

class FakeControls : public Controls {
public:
    std::string Text(ControlId id) const override { return texts_[Index(id)]; }
    void SetText(ControlId id, std::string_view text) override {
        texts_[Index(id)] = std::string(text);
        ++writes_[Index(id)];
    }
    bool IsVisible(ControlId id) const override { return visible_[Index(id)]; }
    void SetVisible(ControlId id, bool visible) override { visible_[Index(id)] = visible; }
    int SelectedIndex(ControlId) const override { return selected_; }
    int TimerInterval(TimerId id) const override { return timers_.Interval(id); }
    void SetTimerInterval(TimerId id, int milliseconds) override {
        if (timers_.Set(id, milliseconds) == IntervalTimers::Change::Start) ++timerStarts_;
    }

    void Select(int index) { selected_ = index; }
    int Writes(ControlId id) const { return writes_[Index(id)]; }
    int TimerStarts() const { return timerStarts_; }

private:
    static int Index(ControlId id) { return static_cast<int>(id); }

    std::array<std::string, kControlCount> texts_{};
    std::array<bool, kControlCount> visible_{};
    std::array<int, kControlCount> writes_{};
    IntervalTimers timers_;
    int selected_ = 0;
    int timerStarts_ = 0;
};

}  // namespace yf::testing
