// Keeping the computer from sleeping while a timed action waits for its moment: with the usual
// power plans a PC left alone sleeps after 15 to 30 minutes, and a shutdown set two hours ahead
// would turn into a sleep instead. The request covers the system only; the display may still
// turn off. The program asks Windows; tests count the requests.
#pragma once

namespace yf {

struct ExecutionState {
    virtual ~ExecutionState() = default;
    // true: the system must not sleep for idleness from now on; false: back to normal.
    virtual void RequireSystem(bool required) = 0;
};

// One request at a time, ended exactly once: holding twice asks once, releasing what is not
// held asks nothing, and whatever is held when the owner goes is released.
class StayAwake {
  public:
    explicit StayAwake(ExecutionState& state) : state_(state) {}
    ~StayAwake() { Release(); }
    StayAwake(const StayAwake&) = delete;
    StayAwake& operator=(const StayAwake&) = delete;

    void Hold() {
        if (held_) return;
        held_ = true;
        state_.RequireSystem(true);
    }
    void Release() {
        if (!held_) return;
        held_ = false;
        state_.RequireSystem(false);
    }
    bool Held() const { return held_; }

  private:
    ExecutionState& state_;
    bool held_ = false;
};

}  // namespace yf
