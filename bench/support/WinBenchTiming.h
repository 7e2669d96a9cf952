#pragma once
// Timing for the Win32 benchmarks that run under Wine (no Google Benchmark
// there): the best of a few rounds of many calls, and the message pump that
// lets a window settle between set-up steps.
#include <windows.h>

#include <algorithm>
#include <functional>

namespace pakmole::bench {

inline void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// Microseconds per call: the best of five rounds of calls calls.
inline double BestMicroseconds(const std::function<void()>& once, int calls) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    double best = 1e300;
    for (int round = 0; round < 5; ++round) {
        QueryPerformanceCounter(&start);
        for (int i = 0; i < calls; ++i) once();
        QueryPerformanceCounter(&end);
        best = std::min(best, double(end.QuadPart - start.QuadPart) * 1e6 / double(frequency.QuadPart) / calls);
    }
    return best;
}

}  // namespace pakmole::bench
