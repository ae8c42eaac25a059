// Each painting benchmark reports its time beside a memcpy of the same destination bytes: the counters
// `memcpy_ns` (one memcpy of those bytes) and `x_memcpy` (the operation's time over that).
#pragma once

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <cstring>
#include <vector>

namespace vireltan::bench {

inline double memcpyNanoseconds(std::size_t bytes) {
    std::vector<std::uint8_t> a(bytes, 1), b(bytes, 2);
    int rounds = 1;
    for (;;) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < rounds; ++i) {
            std::memcpy(b.data(), a.data(), bytes);
            benchmark::DoNotOptimize(b.data());
            benchmark::ClobberMemory();
        }
        const double ns =
            std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count();
        if (ns > 2e7 || rounds > (1 << 24)) return ns / rounds;
        rounds *= 4;
    }
}

// Times the loop itself so that the ratio uses the same clock as the baseline.
template <class F>
void runAgainstMemcpy(benchmark::State& state, std::size_t destBytes, F&& operation) {
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        operation();
        benchmark::ClobberMemory();
    }
    const double ns =
        std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count();
    const double perOp = ns / double(state.iterations());
    const double base = memcpyNanoseconds(destBytes);
    state.counters["memcpy_ns"] = base;
    state.counters["x_memcpy"] = perOp / base;
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(destBytes));
}

}  // namespace vireltan::bench
