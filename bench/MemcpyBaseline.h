// Each painting benchmark reports its time beside a memcpy of the same destination bytes: the counters
// `memcpy_ns` (one memcpy of those bytes) and `x_memcpy` (the operation's time over that). Both are
// thread CPU time. The machine these run on is shared and its speed drifts by a third for seconds at
// a time, so the two are measured turn about: a batch of the operation, then as many memcpy calls, and
// the ratio is the median of the batches' ratios. A slow spell then slows both sides of a ratio, and an
// interruption spoils one batch out of thousands. Each batch starts with an untimed call, so that
// both sides run on caches holding their own data, as a repeated call finds them.
#pragma once

#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace vireltan::bench {

inline double cpuNanoseconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e9 + double(t.tv_nsec);
}

inline double median(std::vector<double> values) {
    if (values.empty()) return 0;
    const auto middle = values.begin() + std::ptrdiff_t(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

// Calls per batch: about a millisecond's worth. Short enough to alternate many times within one of
// the machine's slow or fast spells, long enough that each side runs in its steady state (memcpy on
// caches holding its own buffers, as a baseline should) rather than on what the other side left.
template <class F>
int batchLength(F& operation) {
    operation();  // warm the caches, as the loop will find them
    const double start = cpuNanoseconds();
    constexpr int kTrials = 4;
    for (int i = 0; i < kTrials; ++i) operation();
    const double perCall = (cpuNanoseconds() - start) / kTrials;
    return int(std::clamp(1e6 / std::max(perCall, 1.0), 2.0, 1e5));
}

template <class F>
void runAgainstMemcpy(benchmark::State& state, std::size_t destBytes, F&& operation) {
    std::vector<std::uint8_t> from(destBytes, 1), to(destBytes, 2);
    const auto copy = [&] {
        std::memcpy(to.data(), from.data(), destBytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    };
    const int batch = batchLength(operation);
    std::vector<double> ratios, copies;
    int calls = -1;  // the first call of a batch runs untimed: it brings the operation's data back
    double batchStart = 0;
    for (auto _ : state) {
        operation();
        benchmark::ClobberMemory();
        if (++calls == 0) batchStart = cpuNanoseconds();
        if (calls < batch) continue;
        const double operationNs = cpuNanoseconds() - batchStart;
        state.PauseTiming();
        copy();  // likewise untimed
        const double copyStart = cpuNanoseconds();
        for (int i = 0; i < batch; ++i) copy();
        const double copyNs = cpuNanoseconds() - copyStart;
        ratios.push_back(operationNs / copyNs);
        copies.push_back(copyNs / batch);
        state.ResumeTiming();
        calls = -1;
    }
    if (ratios.empty()) return;  // the library's first, one-call probe run
    state.counters["memcpy_ns"] = median(copies);
    state.counters["x_memcpy"] = median(ratios);
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(destBytes));
}

}  // namespace vireltan::bench
