// The inner loops of copying and tiling rows of pixels, with the widest vector moves the processor
// offers (chosen once, at the first call). Every byte a loop stores comes straight from the source:
// no load reads bytes the loop has just stored, which would wait for them to leave the store buffer.
// Rows of a strip wider than the first-level cache keep that buffer full of stores waiting for their
// cache lines, so such a wait stops the whole stream.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vireltan::rowkernels {

// Rows of a destination and of a source. After each row the source moves on by inStride and, on
// reaching inEnd, starts again at inFirst (a tile's rows repeated down an area); inEnd null: no wrap.
struct RowBlock {
    std::uint8_t* out = nullptr;
    std::ptrdiff_t outStride = 0;
    const std::uint8_t* in = nullptr;
    std::ptrdiff_t inStride = 0;
    const std::uint8_t* inFirst = nullptr;
    const std::uint8_t* inEnd = nullptr;
    int rows = 0;
    std::size_t rowBytes = 0;
};

// Below this period a tiled row is better made by doubling what it already holds: a tile of a few
// bytes would take a move of its own for every repeat.
inline constexpr std::size_t kMinTilePeriod = 64;

// Copies rowBytes of each source row; source and destination do not overlap.
void copyRows(const RowBlock& block);

// Fills each row with the source row's bytes [phase, period), then its bytes [0, period) over and
// over, cut off at rowBytes. period >= kMinTilePeriod, phase < period.
void tileRows(const RowBlock& block, std::size_t period, std::size_t phase);

// The loops the processor would run and the ones every processor can: the tests run both.
enum class MoveWidth { Portable, Widest };
MoveWidth widestAvailable();  // Portable when the processor offers nothing wider
void copyRows(const RowBlock& block, MoveWidth width);
void tileRows(const RowBlock& block, std::size_t period, std::size_t phase, MoveWidth width);

}  // namespace vireltan::rowkernels
