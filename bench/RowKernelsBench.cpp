// The tiling loop on the frame's top strip (27 rows of 746 pixels, a 51-pixel tile), with the
// portable 16-byte moves and with the widest this processor runs: what a processor without AVX2 gets.
#include <benchmark/benchmark.h>

#include <vector>

#include "MemcpyBaseline.h"
#include "skin/RowKernels.h"

namespace vireltan::rowkernels {
namespace {

void tileFrameTopStrip(benchmark::State& state, MoveWidth width) {
    constexpr int kRows = 27;
    constexpr std::ptrdiff_t kStride = 2240;
    constexpr std::size_t kRowBytes = 3 * 746;
    constexpr std::size_t kPeriod = 3 * 51;
    std::vector<std::uint8_t> tile(kPeriod * kRows, 7);
    std::vector<std::uint8_t> strip(std::size_t(kStride) * kRows);
    const RowBlock block{strip.data(), kStride,  tile.data(), kPeriod, tile.data(), tile.data() + tile.size(),
                         kRows,        kRowBytes};
    bench::runAgainstMemcpy(state, strip.size(), [&] {
        tileRows(block, kPeriod, 3 * 30, width);
        benchmark::DoNotOptimize(strip.data());
    });
}

void BM_TiledRows_Portable_746x27(benchmark::State& state) {
    tileFrameTopStrip(state, MoveWidth::Portable);
}
BENCHMARK(BM_TiledRows_Portable_746x27);

void BM_TiledRows_Widest_746x27(benchmark::State& state) {
    if (widestAvailable() != MoveWidth::Widest) {
        state.SkipWithError("no wider moves on this processor");
        return;
    }
    tileFrameTopStrip(state, MoveWidth::Widest);
}
BENCHMARK(BM_TiledRows_Widest_746x27);

}  // namespace
}  // namespace vireltan::rowkernels
