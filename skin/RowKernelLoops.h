// The loops behind RowKernels, as templates over the move that carries one vector of bytes. Each
// translation unit instantiates them with a move type of its own (in an unnamed namespace), so each
// instantiation has internal linkage and is compiled for that unit's instruction set only: the
// linker can never pick a wide-vector copy of a function for a processor without those vectors.
// Use only templates and built-ins here, no inline function of another header.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "skin/RowKernels.h"

namespace vireltan::rowkernels {

// Copies n bytes with Move's vector moves, the last one overlapping the one before. Shorter runs
// take a few overlapping word moves; every load happens before its store.
template <class Move>
inline void copyRun(std::uint8_t* d, const std::uint8_t* s, std::size_t n) {
    constexpr std::size_t w = Move::kBytes;
    if (n >= w) {
        std::size_t i = 0;
        for (; i + w < n; i += w) Move::move(d + i, s + i);
        Move::move(d + n - w, s + n - w);
    } else if (w > 16 && n >= 16) {
        std::uint64_t a[2], b[2];
        std::memcpy(a, s, 16);
        std::memcpy(b, s + n - 16, 16);
        std::memcpy(d, a, 16);
        std::memcpy(d + n - 16, b, 16);
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

template <class Move>
inline const std::uint8_t* nextSourceRow(const RowBlock& b, const std::uint8_t* in) {
    in += b.inStride;
    return in == b.inEnd ? b.inFirst : in;
}

template <class Move>
void copyRowsWith(const RowBlock& b) {
    std::uint8_t* out = b.out;
    const std::uint8_t* in = b.in;
    for (int row = 0; row < b.rows; ++row, out += b.outStride) {
        copyRun<Move>(out, in, b.rowBytes);
        in = nextSourceRow<Move>(b, in);
    }
}

// Each tile is copied from the source row itself, a source row of a few hundred bytes staying in the
// first-level cache however wide the destination is.
template <class Move>
void tileRowsWith(const RowBlock& b, std::size_t period, std::size_t phase) {
    const std::size_t n = b.rowBytes;
    const std::size_t first = period - phase < n ? period - phase : n;
    std::uint8_t* out = b.out;
    const std::uint8_t* in = b.in;
    for (int row = 0; row < b.rows; ++row, out += b.outStride) {
        copyRun<Move>(out, in + phase, first);
        std::size_t i = first;
        for (; i + period <= n; i += period) copyRun<Move>(out + i, in, period);
        copyRun<Move>(out + i, in, n - i);
        in = nextSourceRow<Move>(b, in);
    }
}

}  // namespace vireltan::rowkernels

#if defined(__i386__) || defined(__x86_64__)
#define VIRELTAN_ROW_KERNELS_AVX2 1
#else
#define VIRELTAN_ROW_KERNELS_AVX2 0
#endif

namespace vireltan::rowkernels {

// The loops with 32-byte moves, in a unit compiled for AVX2 (x86 only; call them only when the
// processor has it).
void copyRowsAvx2(const RowBlock& b);
void tileRowsAvx2(const RowBlock& b, std::size_t period, std::size_t phase);

}  // namespace vireltan::rowkernels
