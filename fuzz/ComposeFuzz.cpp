// Composition, border strips, mask regions and effects with arbitrary geometry: malformed skin values
// must never read or write outside a raster. The input also carries a BMP file for the raster reader.
#include <cstddef>
#include <cstdint>
#include <span>

#include "skin/Compose.h"
#include "skin/Effects.h"
#include "skin/RasterBmp.h"
#include "skin/Regions.h"

namespace {

struct Bytes {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t at = 0;
    int next(int lo, int hi) {  // a value in lo..hi
        const int b = at < size ? data[at] : 0;
        ++at;
        return lo + b % (hi - lo + 1);
    }
};

vireltan::Raster picture(int w, int h) {
    vireltan::Raster r(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            r.setPixel(x, y, {std::uint8_t(x), std::uint8_t(y), std::uint8_t((x * y) & 3 ? 0 : 255)});
    }
    return r;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vireltan;
    Bytes in{data, size};
    const Raster source = picture(in.next(0, 80), in.next(0, 80));

    SkinRectGeometry g;
    g.skinRect = {in.next(-20, 90), in.next(-20, 90), in.next(-20, 90), in.next(-20, 90)};
    g.points = {{in.next(-10, 90), in.next(-10, 90)},
                {in.next(-10, 90), in.next(-10, 90)},
                {in.next(-10, 90), in.next(-10, 90)},
                {in.next(-10, 90), in.next(-10, 90)},
                {in.next(-10, 90), in.next(-10, 90), in.next(-10, 90), in.next(-10, 90)}};
    const int modes = in.next(0, 31);
    g.edges = {FillMode(modes & 1), FillMode((modes >> 1) & 1), FillMode((modes >> 2) & 1),
               FillMode((modes >> 3) & 1)};
    g.stretchEffect = (modes >> 4) & 1;
    g.stretchType = StretchType(in.next(0, 2));
    const int w = in.next(-5, 200);
    const int h = in.next(-5, 200);

    Raster out;
    composeSkinRect(source, g, w, h, in.next(0, 1) == 1, out);
    const BorderStrips strips = ComposeBorderStrips(source, ninePieceParams(g, w, h, false));
    Raster stretched(in.next(0, 60), in.next(0, 60));
    StretchSkinRect(source, g.skinRect, g.points.client, true, stretched);

    MaskRegionParams m;
    m.maskRect = g.points.client;
    m.movedMaskRect = {m.maskRect.left, m.maskRect.top, m.maskRect.right + w - 80,
                       m.maskRect.bottom + h - 80};
    m.leftTop = m.movedLeftTop = g.points.leftTop;
    m.rightTop = g.points.rightTop;
    m.movedRightTop = {m.rightTop.x + w - 80, m.rightTop.y};
    m.leftBottom = g.points.leftBottom;
    m.movedLeftBottom = {m.leftBottom.x, m.leftBottom.y + h - 80};
    m.rightBottom = g.points.rightBottom;
    m.movedRightBottom = {m.rightBottom.x + w - 80, m.rightBottom.y + h - 80};
    m.width = w;
    m.height = h;
    (void)ComposeMaskRegion(source, m);

    if (!out.empty()) {
        Raster other = out;
        applyMorph(out, other, MorphKind(in.next(0, 6)), in.next(0, 100) / 100.0);
        SplitBlur(out, in.next(-1, 4));
    }

    if (in.at < size) (void)readRasterBmp(std::span<const std::uint8_t>(data + in.at, size - in.at));
    return 0;
}
