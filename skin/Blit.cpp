#include "skin/Blit.h"

#include <cstdint>
#include <cstring>

#include "skin/RowKernelLoops.h"
#include "skin/RowKernels.h"

namespace vireltan {
namespace {

// Copies n <= 32 bytes with a few overlapping word moves. Every load happens before any store, so the
// ranges may overlap like memmove's.
inline void copyShort(std::uint8_t* d, const std::uint8_t* s, std::size_t n) {
    rowkernels::copyRun<rowkernels::Move16>(d, s, n);
}

// From this length on the library's copy (wide vector moves) beats the inline one despite its call.
constexpr std::size_t kLibraryCopyBytes = 768;
constexpr std::size_t kLibraryLongBytes = 256;

// The width of one vector move: a row this short is copied with a single one.
constexpr std::size_t kWordBytes = 16;
struct Word {
    std::uint64_t lo, hi;
};

// Rows repeated below a tile's height are copied in blocks of at least this many bytes.
constexpr std::size_t kMinBlockBytes = 1024;

// Copies n bytes between ranges that do not overlap. The rows of tiles and corner parts are a few
// dozen to a few hundred bytes: those are copied inline in 64-byte steps (the last step overlapping
// the one before), where a call into the library would cost as much as the copy itself.
inline void copyDisjoint(std::uint8_t* d, const std::uint8_t* s, std::size_t n) {
    if (n <= 32) {
        copyShort(d, s, n);
    } else if (n <= 64) {
        std::memcpy(d, s, 32);
        std::memcpy(d + n - 32, s + n - 32, 32);
    } else if (n < kLibraryCopyBytes) {
        std::size_t i = 0;
        for (; i + 64 < n; i += 64) std::memcpy(d + i, s + i, 64);
        std::memcpy(d + n - 64, s + n - 64, 64);
    } else {
        std::memcpy(d, s, n);
    }
}

// Copies n bytes between ranges that do not overlap, through the library's wide moves from a length
// where they pay for the call: the doubling steps of a tiled row are a few hundred bytes and up.
inline void copyLong(std::uint8_t* d, const std::uint8_t* s, std::size_t n) {
    if (n >= kLibraryLongBytes) {
        std::memcpy(d, s, n);
    } else {
        copyDisjoint(d, s, n);
    }
}

// Like copyDisjoint, for ranges that may overlap (a piece copied within one raster).
inline void copyBytes(std::uint8_t* d, const std::uint8_t* s, std::size_t n) {
    if (n <= 32) {
        copyShort(d, s, n);
    } else if (d + n <= s || s + n <= d) {
        copyDisjoint(d, s, n);
    } else {
        std::memmove(d, s, n);
    }
}

bool insideRaster(const Raster& r, const PixelRect& piece) {
    return piece.left >= 0 && piece.top >= 0 && piece.right <= r.width() && piece.bottom <= r.height();
}

int floorMod(int a, int m) {
    const int r = a % m;
    return r < 0 ? r + m : r;
}

}  // namespace

void copyPiece(const Raster& src, const PixelRect& piece, Raster& dst, int x, int y) {
    copyPiece(src, piece, dst, x, y, dst.bounds());
}

void copyPiece(const Raster& src, const PixelRect& piece, Raster& dst, int x, int y, const PixelRect& clip) {
    if (piece.empty()) return;
    // Clip in source space, then in destination space, keeping the two aligned.
    PixelRect s = intersect(piece, src.bounds());
    if (s.empty()) return;
    PixelRect d = intersect(intersect(s.offset(x - piece.left, y - piece.top), dst.bounds()), clip);
    if (d.empty()) return;
    const int sx = d.left - (x - piece.left);
    const int sy = d.top - (y - piece.top);
    const std::size_t n = std::size_t(3) * d.width();
    if (&src == &dst) {
        // Rows of one raster may overlap; copy in the direction that reads each row before it is
        // overwritten.
        if (d.top <= sy) {
            for (int row = 0; row < d.height(); ++row)
                copyBytes(dst.row(d.top + row) + 3 * d.left, src.row(sy + row) + 3 * sx, n);
        } else {
            for (int row = d.height() - 1; row >= 0; --row)
                copyBytes(dst.row(d.top + row) + 3 * d.left, src.row(sy + row) + 3 * sx, n);
        }
        return;
    }
    rowkernels::copyRows({.out = dst.row(d.top) + 3 * d.left,
                          .outStride = dst.stride(),
                          .in = src.row(sy) + 3 * sx,
                          .inStride = src.stride(),
                          .rows = d.height(),
                          .rowBytes = n});
}

void tilePiece(const Raster& src, const PixelRect& piece, Raster& dst, const PixelRect& area) {
    tilePiece(src, piece, dst, area, dst.bounds());
}

void tilePiece(const Raster& src, const PixelRect& piece, Raster& dst, const PixelRect& area,
               const PixelRect& clip) {
    if (piece.empty() || area.empty()) return;
    const PixelRect d = intersect(intersect(area, dst.bounds()), clip);
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
    const std::size_t rowBytes = std::size_t(3) * d.width();
    const std::size_t period = std::size_t(3) * w;
    const std::size_t phase = std::size_t(3) * floorMod(d.left - area.left, w);
    const int firstPeriodEnd = d.top + h < d.bottom ? d.top + h : d.bottom;
    // Walk the rows by pointer: source rows wrap around at the piece's bottom.
    const std::ptrdiff_t srcStride = src.stride();
    const std::ptrdiff_t dstStride = dst.stride();
    const std::uint8_t* const firstIn = src.row(piece.top) + 3 * piece.left;
    const std::uint8_t* const endIn = firstIn + srcStride * h;
    const std::uint8_t* in = firstIn + srcStride * floorMod(d.top - area.top, h);
    std::uint8_t* out = dst.row(d.top) + 3 * d.left;
    std::uint8_t* const endOut = out + dstStride * (firstPeriodEnd - d.top);
    // A row of a narrow strip ending at the raster's right edge (a side strip in a picture of its
    // own) is one 16-byte load from the source and one 16-byte store, the bytes past the row's
    // pixels (its padding) merged back from the destination: a store for each few bytes would cost
    // more than the row. The load must stay within the source's memory.
    const bool wordRows = rowBytes <= kWordBytes && d.right == dst.width() &&
                          3 * std::size_t(d.left) + kWordBytes <= std::size_t(dstStride) &&
                          endIn - srcStride + phase + kWordBytes <= src.bits() + src.byteSize();
    if (rowBytes <= period - phase && wordRows) {
        Word keep;  // all ones over the row's pixels, in memory order
        std::uint8_t keepBytes[kWordBytes] = {};
        std::memset(keepBytes, 0xFF, rowBytes);
        std::memcpy(&keep, keepBytes, kWordBytes);
        for (in += phase; out != endOut; out += dstStride) {
            Word pixels, old;
            std::memcpy(&pixels, in, kWordBytes);
            std::memcpy(&old, out, kWordBytes);
            pixels.lo = (pixels.lo & keep.lo) | (old.lo & ~keep.lo);
            pixels.hi = (pixels.hi & keep.hi) | (old.hi & ~keep.hi);
            std::memcpy(out, &pixels, kWordBytes);
            in += srcStride;
            if (in == endIn + phase) in = firstIn + phase;
        }
    } else if (rowBytes <= period - phase) {
        // No repeat within a row (narrow side strips): a plain copy of rows.
        rowkernels::copyRows({.out = out,
                              .outStride = dstStride,
                              .in = in + phase,
                              .inStride = srcStride,
                              .inFirst = firstIn + phase,
                              .inEnd = endIn + phase,
                              .rows = firstPeriodEnd - d.top,
                              .rowBytes = rowBytes});
    } else if (period >= rowkernels::kMinTilePeriod) {
        rowkernels::tileRows({.out = out,
                              .outStride = dstStride,
                              .in = in,
                              .inStride = srcStride,
                              .inFirst = firstIn,
                              .inEnd = endIn,
                              .rows = firstPeriodEnd - d.top,
                              .rowBytes = rowBytes},
                             period, phase);
    } else {
        // A short tile. Each row starts with the rest of its first tile and one whole tile from the
        // source; the rest of the row repeats that tile by doubling the composed span. Each doubling step
        // runs over all rows before the next one, so a copy never reads bytes the rows' previous step has
        // only just stored (a load of pending stores waits for them to reach the cache).
        const std::size_t first = period - phase < rowBytes ? period - phase : rowBytes;
        const std::size_t rest = rowBytes - first;
        const std::size_t second = period < rest ? period : rest;
        std::uint8_t* const firstOut = out;
        for (; out != endOut; out += dstStride) {
            copyDisjoint(out, in + phase, first);
            copyDisjoint(out + first, in, second);
            in += srcStride;
            if (in == endIn) in = firstIn;
        }
        for (std::size_t composed = second; composed < rest;) {
            const std::size_t n = composed < rest - composed ? composed : rest - composed;
            for (std::uint8_t* row = firstOut + first; row != endOut + first; row += dstStride) {
                copyLong(row + composed, row, n);
            }
            composed += n;
        }
    }
    // Rows repeat with the tile height: copy rows composed one period above.
    if (d.left == 0 && d.right == dst.width()) {
        // Whole rows: the composed rows are one block, doubled like the tiles of a row until it is
        // long enough for the library's wide moves, then repeated from its start: those bytes were
        // stored longest ago, where the doubling reads what it has only just stored.
        const std::size_t stride = std::size_t(dst.stride());
        int block = firstPeriodEnd - d.top;
        int y = firstPeriodEnd;
        while (y < d.bottom && stride * std::size_t(block) < kMinBlockBytes) {
            const int n = block < d.bottom - y ? block : d.bottom - y;
            copyDisjoint(dst.row(y), dst.row(d.top), stride * std::size_t(n));
            y += n;
            block += n;
        }
        block -= block % h;  // a whole number of periods
        for (; y < d.bottom; y += block) {
            const int n = block < d.bottom - y ? block : d.bottom - y;
            copyDisjoint(dst.row(y), dst.row(d.top), stride * std::size_t(n));
        }
        return;
    }
    for (int y = firstPeriodEnd; y < d.bottom; ++y) {
        copyDisjoint(dst.row(y) + 3 * d.left, dst.row(y - h) + 3 * d.left, rowBytes);
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
    stretchPiece(src, piece, dst, area, dst.bounds());
}

void stretchPiece(const Raster& src, const PixelRect& piece, Raster& dst, const PixelRect& area,
                  const PixelRect& clip) {
    if (piece.empty() || area.empty()) return;
    if (piece.width() == area.width() && piece.height() == area.height()) {
        copyPiece(src, piece, dst, area.left, area.top, clip);
        return;
    }
    const PixelRect d = intersect(intersect(area, dst.bounds()), clip);
    if (d.empty()) return;
    const std::vector<int> rows = stretchSourceIndices(piece.height(), area.height(), StretchAxis::Rows);
    // Source byte offsets of the visible columns, -1 where the source column lies outside the picture.
    std::vector<int> offsets = stretchSourceIndices(piece.width(), area.width(), StretchAxis::Columns);
    offsets.erase(offsets.begin(), offsets.begin() + (d.left - area.left));
    offsets.resize(std::size_t(d.width()));
    bool allInside = true;
    int maxOffset = 0;
    for (int& o : offsets) {
        const int sx = piece.left + o;
        const bool inside = sx >= 0 && sx < src.width();
        o = inside ? 3 * sx : -1;
        allInside = allInside && inside;
        maxOffset = o > maxOffset ? o : maxOffset;
    }
    const std::size_t rowBytes = std::size_t(3) * d.width();
    int previousSource = -1;
    for (int y = d.top; y < d.bottom; ++y) {
        const int sy = piece.top + rows[std::size_t(y - area.top)];
        if (sy < 0 || sy >= src.height()) continue;
        std::uint8_t* out = dst.row(y) + 3 * d.left;
        if (sy == previousSource) {
            // Enlarged rows repeat: copy the row just composed.
            copyDisjoint(out, dst.row(y - 1) + 3 * d.left, rowBytes);
            continue;
        }
        const std::uint8_t* in = src.row(sy);
        if (allInside) {
            previousSource = sy;
            // A pixel as one 4-byte move, its fourth byte overwritten by the next pixel; the last
            // pixel of the span, and a source pixel ending the picture's memory, as three bytes.
            const bool wideReads = sy + 1 < src.height() || maxOffset + 4 <= src.stride();
            const int* o = offsets.data();
            const int* const last = o + offsets.size() - 1;
            if (wideReads) {
                for (; o != last; ++o, out += 3) {
                    std::uint32_t v;
                    std::memcpy(&v, in + *o, 4);
                    std::memcpy(out, &v, 4);
                }
            }
            for (; o <= last; ++o, out += 3) {
                out[0] = in[*o];
                out[1] = in[*o + 1];
                out[2] = in[*o + 2];
            }
            continue;
        }
        previousSource = -1;
        for (const int o : offsets) {
            if (o >= 0) {
                out[0] = in[o];
                out[1] = in[o + 1];
                out[2] = in[o + 2];
            }
            out += 3;
        }
    }
}

}  // namespace vireltan
