// Each painting benchmark reports its time beside a memcpy of the same destination bytes: the counters
// `memcpy_ns` (one memcpy of those bytes) and `x_memcpy` (the operation's time over that). Both are
// thread CPU time: the machine these run on is shared, and wall time there measures the neighbours.
#pragma once

#include <benchmark/benchmark.h>
#include <time.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace vireltan::bench {

inline double cpuNanoseconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e9 + double(t.tv_nsec);
}

inline double memcpyNanoseconds(std::size_t bytes) {
    std::vector<std::uint8_t> a(bytes, 1), b(bytes, 2);
    for (int rounds = 1;; rounds *= 4) {
        const double start = cpuNanoseconds();
        for (int i = 0; i < rounds; ++i) {
            std::memcpy(b.data(), a.data(), bytes);
            benchmark::DoNotOptimize(b.data());
            benchmark::ClobberMemory();
        }
        const double ns = cpuNanoseconds() - start;
        if (ns > 5e7 || rounds > (1 << 24)) return ns / rounds;
    }
}

template <class F>
void runAgainstMemcpy(benchmark::State& state, std::size_t destBytes, F&& operation) {
    const double start = cpuNanoseconds();
    for (auto _ : state) {
        operation();
        benchmark::ClobberMemory();
    }
    const double perOp = (cpuNanoseconds() - start) / double(state.iterations());
    const double base = memcpyNanoseconds(destBytes);
    state.counters["memcpy_ns"] = base;
    state.counters["x_memcpy"] = perOp / base;
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(destBytes));
}

}  // namespace vireltan::bench
