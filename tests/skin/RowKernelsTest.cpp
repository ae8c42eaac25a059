// Both sets of row loops (the portable one and the widest this processor runs) against a byte-by-byte
// reference: run lengths around every move width, tile periods and phases that put the tile's end at
// every offset of a move, source rows wrapping, and guard bytes around every row that must survive.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "skin/RowKernels.h"

namespace vireltan::rowkernels {
namespace {

constexpr std::uint8_t kGuard = 0xC3;

// Destination rows of rowBytes with guard bytes on both sides; source rows of distinct bytes.
struct Rows {
    std::ptrdiff_t outStride, inStride;
    std::vector<std::uint8_t> out, in;
    Rows(int rows, std::size_t rowBytes, int sourceRows, std::size_t sourceBytes)
        : outStride(std::ptrdiff_t(rowBytes) + 64),
          inStride(std::ptrdiff_t(sourceBytes) + 5),
          out(std::size_t(outStride) * std::size_t(rows) + 64, kGuard),
          in(std::size_t(inStride) * std::size_t(sourceRows)) {
        for (std::size_t i = 0; i < in.size(); ++i) in[i] = std::uint8_t(i * 7 + i / 251);
    }
    std::uint8_t* outRow(int row) { return out.data() + 32 + outStride * row; }
    const std::uint8_t* inRow(int row) const { return in.data() + inStride * row; }
};

std::vector<MoveWidth> widths() {
    std::vector<MoveWidth> all{MoveWidth::Portable};
    if (widestAvailable() == MoveWidth::Widest) all.push_back(MoveWidth::Widest);
    return all;
}

std::string label(MoveWidth w) {
    return w == MoveWidth::Widest ? " (widest moves)" : " (portable moves)";
}

// Everything outside the rows' bytes still holds the guard value.
bool guardsIntact(Rows& r, int rows, std::size_t rowBytes) {
    std::vector<bool> inside(r.out.size(), false);
    for (int row = 0; row < rows; ++row) {
        const std::size_t start = std::size_t(r.outRow(row) - r.out.data());
        for (std::size_t i = 0; i < rowBytes; ++i) inside[start + i] = true;
    }
    for (std::size_t i = 0; i < r.out.size(); ++i) {
        if (!inside[i] && r.out[i] != kGuard) return false;
    }
    return true;
}

TEST(RowKernelsTest, CopiesEveryRunLengthExactly) {
    const std::size_t lengths[] = {0,  1,  2,  3,  4,  7,  8,  15, 16,  17,
                                   31, 32, 33, 47, 63, 64, 65, 90, 207, 2238};
    for (const MoveWidth w : widths()) {
        for (const std::size_t n : lengths) {
            const int rows = 5;
            Rows r(rows, n, 2, n + 3);
            // Two source rows repeated: the wrap from the end back to the first.
            RowBlock b{r.outRow(0),    r.outStride,    r.inRow(0) + 3, r.inStride,
                       r.inRow(0) + 3, r.inRow(2) + 3, rows,           n};
            copyRows(b, w);
            for (int row = 0; row < rows; ++row) {
                const std::uint8_t* expected = r.inRow(row % 2) + 3;
                EXPECT_TRUE(std::equal(expected, expected + n, r.outRow(row)))
                    << "length " << n << ", row " << row << label(w);
            }
            EXPECT_TRUE(guardsIntact(r, rows, n)) << "length " << n << label(w);
        }
    }
}

TEST(RowKernelsTest, TiledRowsRepeatTheSourceFromItsPhase) {
    struct Case {
        std::size_t period, phase, rowBytes;
    };
    const Case cases[] = {
        {64, 0, 64},
        {64, 0, 65},
        {64, 63, 64},
        {64, 1, 300},
        {65, 0, 1000},
        {96, 95, 97},
        {141, 0, 2109},
        {153, 90, 1941},
        {153, 0, 2238},
        {153, 152, 31},
        {153, 10, 15},
        {200, 199, 1},
        {255, 17, 255},
        {512, 0, 2048},
        {1000, 500, 2238},
        {1000, 999, 400},
        {3 * 55, 3 * 54, 3 * 711},
    };
    for (const MoveWidth w : widths()) {
        for (const Case& c : cases) {
            const int rows = 4, sourceRows = 3;
            Rows r(rows, c.rowBytes, sourceRows, c.period);
            // Starts at the second source row and wraps after the third.
            RowBlock b{r.outRow(0), r.outStride,         r.inRow(1), r.inStride,
                       r.inRow(0),  r.inRow(sourceRows), rows,       c.rowBytes};
            tileRows(b, c.period, c.phase, w);
            const std::string what = "period " + std::to_string(c.period) + ", phase " +
                                     std::to_string(c.phase) + ", " + std::to_string(c.rowBytes) + " bytes" +
                                     label(w);
            for (int row = 0; row < rows; ++row) {
                const std::uint8_t* tile = r.inRow((row + 1) % sourceRows);
                const std::uint8_t* out = r.outRow(row);
                std::size_t wrong = c.rowBytes;
                for (std::size_t i = 0; i < c.rowBytes && wrong == c.rowBytes; ++i) {
                    if (out[i] != tile[(c.phase + i) % c.period]) wrong = i;
                }
                EXPECT_EQ(wrong, c.rowBytes) << what << ": row " << row << " differs at byte " << wrong;
            }
            EXPECT_TRUE(guardsIntact(r, rows, c.rowBytes)) << what;
        }
    }
}

}  // namespace
}  // namespace vireltan::rowkernels
