// Every effect and morph on the sizes of a caption strip (746 x 30) and a large skin picture
// (537 x 382), beside a memcpy of the picture's bytes; bytes_per_second is pixel bytes processed.
#include <benchmark/benchmark.h>

#include "MemcpyBaseline.h"
#include "skin/Effects.h"

namespace vireltan {
namespace {

Raster noisePicture(int w, int h, std::uint32_t seed) {
    Raster r(w, h);
    NoiseGenerator gen(seed);
    for (int y = 0; y < h; ++y) {
        for (int i = 0; i < 3 * w; ++i) r.row(y)[i] = std::uint8_t(gen() >> 24);
    }
    return r;
}

// Effects run on a copy of the picture made each iteration, as the frame does; the copy is part
// of the figure.
template <class F>
void effectBench(benchmark::State& state, F apply) {
    const int w = int(state.range(0));
    const int h = int(state.range(1));
    const Raster source = noisePicture(w, h, 1);
    Raster work(w, h);
    bench::runAgainstMemcpy(state, source.byteSize(), [&] {
        std::memcpy(work.bits(), source.bits(), source.byteSize());
        apply(work);
    });
}

template <class F>
void morphBench(benchmark::State& state, F morph) {
    const int w = int(state.range(0));
    const int h = int(state.range(1));
    const double k = double(state.range(2)) / 100;
    const Raster old = noisePicture(w, h, 1);
    const Raster fresh = noisePicture(w, h, 2);
    Raster work(w, h);
    bench::runAgainstMemcpy(state, old.byteSize(), [&] {
        std::memcpy(work.bits(), old.bits(), old.byteSize());
        morph(work, fresh, k);
    });
}

void sizes(benchmark::internal::Benchmark* b) {
    b->Args({746, 30})->Args({537, 382});
}
void morphSizes(benchmark::internal::Benchmark* b) {
    for (int k : {37, 50}) b->Args({746, 30, k})->Args({537, 382, k});
}

void BM_ChangeBrightness(benchmark::State& s) {
    effectBench(s, [](Raster& r) { ChangeBrightness(r, 0.5); });
}
void BM_ChangeDarkness(benchmark::State& s) {
    effectBench(s, [](Raster& r) { ChangeDarkness(r, 0.3); });
}
void BM_GrayScale(benchmark::State& s) {
    effectBench(s, [](Raster& r) { GrayScale(r); });
}
void BM_AddNoise(benchmark::State& s) {
    NoiseGenerator gen(5);
    effectBench(s, [&gen](Raster& r) { AddNoise(r, 50, gen); });
}
void BM_SplitBlur(benchmark::State& s) {
    effectBench(s, [](Raster& r) { SplitBlur(r, 1); });
}
void BM_Invert(benchmark::State& s) {
    effectBench(s, [](Raster& r) { Invert(r); });
}
BENCHMARK(BM_ChangeBrightness)->Apply(sizes);
BENCHMARK(BM_ChangeDarkness)->Apply(sizes);
BENCHMARK(BM_GrayScale)->Apply(sizes);
BENCHMARK(BM_AddNoise)->Apply(sizes);
BENCHMARK(BM_SplitBlur)->Apply(sizes);
BENCHMARK(BM_Invert)->Apply(sizes);

void BM_Morph(benchmark::State& s) {
    morphBench(s, Morph);
}
void BM_MorphGradient(benchmark::State& s) {
    morphBench(s, MorphGradient);
}
void BM_MorphLeftGradient(benchmark::State& s) {
    morphBench(s, MorphLeftGradient);
}
void BM_MorphRightGradient(benchmark::State& s) {
    morphBench(s, MorphRightGradient);
}
void BM_MorphLeftSlide(benchmark::State& s) {
    morphBench(s, MorphLeftSlide);
}
void BM_MorphRightSlide(benchmark::State& s) {
    morphBench(s, MorphRightSlide);
}
void BM_MorphPush(benchmark::State& s) {
    morphBench(s, MorphPush);
}
BENCHMARK(BM_Morph)->Apply(morphSizes);
BENCHMARK(BM_MorphGradient)->Apply(morphSizes);
BENCHMARK(BM_MorphLeftGradient)->Apply(morphSizes);
BENCHMARK(BM_MorphRightGradient)->Apply(morphSizes);
BENCHMARK(BM_MorphLeftSlide)->Apply(morphSizes);
BENCHMARK(BM_MorphRightSlide)->Apply(morphSizes);
BENCHMARK(BM_MorphPush)->Apply(morphSizes);

}  // namespace
}  // namespace vireltan
