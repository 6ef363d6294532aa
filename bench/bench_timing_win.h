// Timing helpers shared by the benchmarks: a high-resolution clock, a message pump, and the
// median of repeated runs (robust against the odd slow round under Wine).
#pragma once

#include <windows.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace yf::bench {

inline double Seconds() {
    static const LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

inline void Pump() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

// Median of `rounds` timings of `work` in seconds; `prepare` runs untimed before each round.
inline double Median(int rounds, const std::function<void()>& work,
                     const std::function<void()>& prepare = {}) {
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        if (prepare) prepare();
        const double start = Seconds();
        work();
        times.push_back(Seconds() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace yf::bench
