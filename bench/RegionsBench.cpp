// Window regions from masks: the 150 x 150 mask as it is, and a mask of the full 746 x 411 window,
// beside a memcpy of the mask's bytes; also the whole frame region composed for 746 x 411.
#include <benchmark/benchmark.h>

#include "MemcpyBaseline.h"
#include "skin/Regions.h"

namespace vireltan {
namespace {

// Black except the rounded top corners, with a few notches so rows hold more than one run.
Raster frameMask(int w, int h) {
    Raster r(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const bool outside = x + y < 4 || (w - 1 - x) + y < 4 || (y % 37 == 5 && x % 50 == 7);
            if (outside) r.setPixel(x, y, {255, 255, 255});
        }
    }
    return r;
}

void BM_RegionFromMask(benchmark::State& state) {
    const Raster mask = frameMask(int(state.range(0)), int(state.range(1)));
    bench::runAgainstMemcpy(state, mask.byteSize(),
                            [&] { benchmark::DoNotOptimize(RegionFromMask(mask, 0, 0)); });
}
BENCHMARK(BM_RegionFromMask)->Args({150, 150})->Args({746, 411});

void BM_ComposeMaskRegion_746x411(benchmark::State& state) {
    const Raster mask = frameMask(150, 150);
    MaskRegionParams p;
    p.maskRect = {5, 3, 145, 145};
    p.movedMaskRect = {5, 3, 741, 406};
    p.leftTop = p.movedLeftTop = {30, 28};
    p.rightTop = {81, 28};
    p.movedRightTop = {677, 28};
    p.leftBottom = {6, 140};
    p.movedLeftBottom = {6, 401};
    p.rightBottom = {127, 134};
    p.movedRightBottom = {723, 395};
    p.width = 746;
    p.height = 411;
    bench::runAgainstMemcpy(state, Raster(746, 411).byteSize(),
                            [&] { benchmark::DoNotOptimize(ComposeMaskRegion(mask, p)); });
}
BENCHMARK(BM_ComposeMaskRegion_746x411);

}  // namespace
}  // namespace vireltan
