// Composition to the sizes the calculator window uses, beside a memcpy of the destination's bytes.
#include <benchmark/benchmark.h>

#include "MemcpyBaseline.h"
#include "skin/Compose.h"
#include "skin/SplitPainting.h"

namespace vireltan {
namespace {

Raster skinPicture(int w, int h) {
    Raster r(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) r.setPixel(x, y, {std::uint8_t(x), std::uint8_t(y), std::uint8_t(x ^ y)});
    }
    return r;
}

SkinRectGeometry groupBox() {
    SkinRectGeometry g;
    g.skinRect = {352, 75, 411, 127};
    g.points = {{5, 17}, {52, 17}, {4, 47}, {55, 48}, {2, 17, 57, 50}};
    return g;
}

void BM_GroupBoxNinePiece_713x134(benchmark::State& state) {
    const Raster picture = skinPicture(537, 382);
    const SkinRectGeometry g = groupBox();
    Raster out(713, 134);
    bench::runAgainstMemcpy(state, out.byteSize(), [&] { composeSkinRect(picture, g, 713, 134, true, out); });
}
BENCHMARK(BM_GroupBoxNinePiece_713x134);

// The group box as its control paints it: the client area tiled and the four border strips at their
// places, into the control's off-screen picture (reused, as a repaint at one size does).
void BM_GroupBoxSplitPainting_713x134(benchmark::State& state) {
    const Raster picture = skinPicture(537, 382);
    const SkinRectGeometry g = groupBox();
    Raster out(713, 134);
    bench::runAgainstMemcpy(state, out.byteSize(),
                            [&] { composeSplitImage(picture, g, 713, 134, ClientFill::ByDefinition, out); });
}
BENCHMARK(BM_GroupBoxSplitPainting_713x134);

// The frame's four border pieces for an outer size of 746 x 411, repainted at that size (the strips'
// memory is reused); the baseline copies the same bytes.
void BM_FrameBorderStrips_746x411(benchmark::State& state) {
    const Raster picture = skinPicture(150, 150);
    NinePieceParams p;
    p.skinRect = {0, 0, 150, 150};
    p.points = {{30, 28}, {81, 28}, {6, 140}, {127, 134}, {5, 27, 145, 142}};
    p.width = 746;
    p.height = 411;
    p.moved = moveNinePoints(p.points, 596, 261);
    const BorderStrips probe = ComposeBorderStrips(picture, p);
    const std::size_t bytes =
        probe.top.byteSize() + probe.bottom.byteSize() + probe.left.byteSize() + probe.right.byteSize();
    BorderStrips strips;
    bench::runAgainstMemcpy(state, bytes, [&] { ComposeBorderStrips(picture, p, strips); });
}
BENCHMARK(BM_FrameBorderStrips_746x411);

void BM_StretchedNinePiece_713x134(benchmark::State& state) {
    const Raster picture = skinPicture(537, 382);
    SkinRectGeometry g = groupBox();
    g.edges = {FillMode::Stretch, FillMode::Stretch, FillMode::Stretch, FillMode::Stretch};
    g.stretchEffect = true;
    Raster out(713, 134);
    bench::runAgainstMemcpy(state, out.byteSize(), [&] { composeSkinRect(picture, g, 713, 134, true, out); });
}
BENCHMARK(BM_StretchedNinePiece_713x134);

}  // namespace
}  // namespace vireltan
