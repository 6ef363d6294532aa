// Work that must not freeze the window (a network reading, an elevated run of the program) runs
// on a thread of its own while the interface thread waits for it with a bound, still painting
// and ticking. Work that outlives the wait is left to finish by itself: it owns all it touches,
// and its result is dropped.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

#include "core/painting_wait_win.h"
#include "core/unique_handle_win.h"

namespace yf {

template <typename Result>
class BackgroundJob {
  public:
    // Starts `work` at once. A thread that cannot be had leaves the job finished, with nothing.
    explicit BackgroundJob(std::function<Result()> work) : state_(std::make_shared<State>()) {
        state_->done.reset(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
        if (!state_->done) {
            state_->finished = true;
            return;
        }
        try {
            std::thread([state = state_, work = std::move(work)]() mutable {
                try {
                    state->result = work();
                } catch (...) {
                    state->result.reset();
                }
                state->finished = true;
                ::SetEvent(state->done.get());
            }).detach();
        } catch (...) {
            state_->finished = true;
        }
    }

    // True once the work has returned (or never could start).
    bool Finished() const { return state_->finished; }

    // Waits up to timeoutMs, painting; the work's result, or nothing when it is still running.
    std::optional<Result> WaitPainting(DWORD timeoutMs) {
        if (!state_->finished && !yf::WaitPainting(state_->done.get(), timeoutMs)) return {};
        // The event orders the worker's write of the result before this read.
        return state_->finished ? state_->result : std::nullopt;
    }

  private:
    struct State {
        UniqueKernelHandle done;
        std::optional<Result> result;
        std::atomic<bool> finished{false};
    };
    std::shared_ptr<State> state_;
};

}  // namespace yf
