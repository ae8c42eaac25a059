#include "skin/Blit.h"

#include <cstdint>
#include <cstring>

namespace vireltan {
namespace {

// Copies n bytes; the short copies of narrow pieces (a few pixels per row) are done inline, where a
// call into the library would cost more than the copy. Every load happens before any store, so the
// ranges may overlap like memmove's.
inline void copyBytes(std::uint8_t* d, const std::uint8_t* s, std::size_t n) {
    if (n > 32) {
        std::memmove(d, s, n);
    } else if (n >= 16) {
        std::uint64_t a, b, c, e;
        std::memcpy(&a, s, 8);
        std::memcpy(&b, s + 8, 8);
        std::memcpy(&c, s + n - 16, 8);
        std::memcpy(&e, s + n - 8, 8);
        std::memcpy(d, &a, 8);
        std::memcpy(d + 8, &b, 8);
        std::memcpy(d + n - 16, &c, 8);
        std::memcpy(d + n - 8, &e, 8);
    } else if (n >= 8) {
        std::uint64_t a, b;
        std::memcpy(&a, s, 8);
        std::memcpy(&b, s + n - 8, 8);
        std::memcpy(d, &a, 8);
        std::memcpy(d + n - 8, &b, 8);
    } else if (n >= 4) {
        std::uint32_t a, b;
        std::memcpy(&a, s, 4);
        std::memcpy(&b, s + n - 4, 4);
        std::memcpy(d, &a, 4);
        std::memcpy(d + n - 4, &b, 4);
    } else if (n > 0) {
        const std::uint8_t a = s[0], b = s[n / 2], c = s[n - 1];
        d[0] = a;
        d[n / 2] = b;
        d[n - 1] = c;
    }
}

bool insideRaster(const Raster& r, const PixelRect& piece) {
    return piece.left >= 0 && piece.top >= 0 && piece.right <= r.width() && piece.bottom <= r.height();
}

// Fills dst[x0, x1) of one row with the period-w source row starting at phase `phase`.
void fillRowPeriodic(std::uint8_t* dstRow, int x0, int x1, const std::uint8_t* pieceRow, int w, int phase) {
    std::uint8_t* out = dstRow + 3 * x0;
    int remaining = x1 - x0;
    int first = w - phase < remaining ? w - phase : remaining;
    copyBytes(out, pieceRow + 3 * phase, std::size_t(3) * first);
    out += 3 * first;
    remaining -= first;
    if (remaining <= 0) return;
    // One whole tile, then double the filled span: a span that is a whole number of periods long
    // copied right after itself keeps the pattern.
    const std::uint8_t* periodStart = out;
    int filled = w < remaining ? w : remaining;
    copyBytes(out, pieceRow, std::size_t(3) * filled);
    remaining -= filled;
    out += 3 * filled;
    while (remaining > 0) {
        const int n = filled < remaining ? filled : remaining;
        copyBytes(out, periodStart, std::size_t(3) * n);
        out += 3 * n;
        remaining -= n;
        filled += n;
    }
}

int floorMod(int a, int m) {
    const int r = a % m;
    return r < 0 ? r + m : r;
}

}  // namespace

void copyPiece(const Raster& src, const PixelRect& piece, Raster& dst, int x, int y) {
    if (piece.empty()) return;
    // Clip in source space, then in destination space, keeping the two aligned.
    PixelRect s = intersect(piece, src.bounds());
    if (s.empty()) return;
    PixelRect d = intersect(s.offset(x - piece.left, y - piece.top), dst.bounds());
    if (d.empty()) return;
    const int sx = d.left - (x - piece.left);
    const int sy = d.top - (y - piece.top);
    for (int row = 0; row < d.height(); ++row) {
        std::memmove(dst.row(d.top + row) + 3 * d.left, src.row(sy + row) + 3 * sx,
                     std::size_t(3) * d.width());
    }
}

void tilePiece(const Raster& src, const PixelRect& piece, Raster& dst, const PixelRect& area) {
    if (piece.empty() || area.empty()) return;
    const PixelRect d = intersect(area, dst.bounds());
    if (d.empty()) return;
    const int w = piece.width();
    const int h = piece.height();
    if (!insideRaster(src, piece)) {
        for (int y = d.top; y < d.bottom; ++y) {
            const int sy = piece.top + floorMod(y - area.top, h);
            for (int x = d.left; x < d.right; ++x) {
                const int sx = piece.left + floorMod(x - area.left, w);
                if (src.contains(sx, sy)) dst.setPixel(x, y, src.pixel(sx, sy));
            }
        }
        return;
    }
    const int phase = floorMod(d.left - area.left, w);
    const int firstPeriodEnd = d.top + h < d.bottom ? d.top + h : d.bottom;
    for (int y = d.top; y < firstPeriodEnd; ++y) {
        const int sy = piece.top + floorMod(y - area.top, h);
        fillRowPeriodic(dst.row(y), d.left, d.right, src.row(sy) + 3 * piece.left, w, phase);
    }
    // Rows repeat with the tile height: copy rows composed one period above.
    if (d.left == 0 && d.right == dst.width()) {
        // Whole rows: the composed rows are one block, doubled like the tiles of a row.
        const std::size_t stride = std::size_t(dst.stride());
        int filled = firstPeriodEnd - d.top;
        for (int y = firstPeriodEnd; y < d.bottom;) {
            int n = filled - (filled % h);  // a whole number of periods
            if (n > d.bottom - y) n = d.bottom - y;
            std::memcpy(dst.row(y), dst.row(d.top), stride * std::size_t(n));
            y += n;
            filled += n;
        }
        return;
    }
    for (int y = firstPeriodEnd; y < d.bottom; ++y) {
        copyBytes(dst.row(y) + 3 * d.left, dst.row(y - h) + 3 * d.left, std::size_t(3) * d.width());
    }
}

std::vector<int> stretchSourceIndices(int sourceLength, int destLength, StretchAxis axis) {
    std::vector<int> map;
    if (sourceLength <= 0 || destLength <= 0) return map;
    map.resize(std::size_t(destLength));
    const long long s = sourceLength;
    const long long dl = destLength;
    if (destLength >= sourceLength) {
        for (long long d = 0; d < dl; ++d) map[std::size_t(d)] = int(((2 * d + 1) * s - 1) / (2 * dl));
    } else if (axis == StretchAxis::Columns) {
        if (destLength == 1) {
            map[0] = sourceLength - 2;
        } else {
            for (long long d = 0; d < dl; ++d)
                map[std::size_t(d)] = int(((2 * d + 2) * s + dl) / (2 * dl) - 1);
        }
    } else {
        for (long long d = 0; d < dl; ++d) map[std::size_t(d)] = int((2 * d * s + dl) / (2 * dl));
    }
    return map;
}

void stretchPiece(const Raster& src, const PixelRect& piece, Raster& dst, const PixelRect& area) {
    if (piece.empty() || area.empty()) return;
    if (piece.width() == area.width() && piece.height() == area.height()) {
        copyPiece(src, piece, dst, area.left, area.top);
        return;
    }
    const PixelRect d = intersect(area, dst.bounds());
    if (d.empty()) return;
    const std::vector<int> cols = stretchSourceIndices(piece.width(), area.width(), StretchAxis::Columns);
    const std::vector<int> rows = stretchSourceIndices(piece.height(), area.height(), StretchAxis::Rows);
    // Source offsets of the visible columns, -1 where the source column lies outside the picture.
    std::vector<int> offsets(std::size_t(d.width()));
    bool allInside = true;
    for (int x = d.left; x < d.right; ++x) {
        const int sx = piece.left + cols[std::size_t(x - area.left)];
        const bool inside = sx >= 0 && sx < src.width();
        offsets[std::size_t(x - d.left)] = inside ? 3 * sx : -1;
        allInside = allInside && inside;
    }
    int previousSource = -1;
    for (int y = d.top; y < d.bottom; ++y) {
        const int sy = piece.top + rows[std::size_t(y - area.top)];
        if (sy < 0 || sy >= src.height()) continue;
        std::uint8_t* out = dst.row(y) + 3 * d.left;
        if (sy == previousSource) {
            // Enlarged rows repeat: copy the row just composed.
            std::memcpy(out, dst.row(y - 1) + 3 * d.left, std::size_t(3) * d.width());
            continue;
        }
        previousSource = allInside ? sy : -1;
        const std::uint8_t* in = src.row(sy);
        for (int i = 0; i < d.width(); ++i, out += 3) {
            const int o = offsets[std::size_t(i)];
            if (o < 0) continue;
            out[0] = in[o];
            out[1] = in[o + 1];
            out[2] = in[o + 2];
        }
    }
}

}  // namespace vireltan
