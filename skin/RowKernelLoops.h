// The loops behind RowKernels, as templates over the move that carries one vector of bytes. All of it
// sits in an unnamed namespace: each translation unit compiles its own copy for its own instruction
// set, and the linker can never hand code built for wider vectors to a unit meant for every processor.
// Use only what is defined here and built-ins, no inline function of another header.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "skin/RowKernels.h"

namespace vireltan::rowkernels {
namespace {

// A move of one word of T through memcpy: for T of 16 bytes the compiler makes one 16-byte vector
// move where it has one, and the code stays portable where it has not.
template <class T>
struct WordMove {
    using Vector = T;
    static constexpr std::size_t kBytes = sizeof(T);
    static Vector load(const std::uint8_t* s) {
        Vector v;
        std::memcpy(&v, s, sizeof v);
        return v;
    }
    static void store(std::uint8_t* d, const Vector& v) { std::memcpy(d, &v, sizeof v); }
};

struct Bytes16 {
    std::uint64_t lo, hi;
};
using Move16 = WordMove<Bytes16>;

// Copies n bytes, Move::kBytes <= n <= 2 * Move::kBytes, with two moves covering both ends. Both
// loads come before either store, so the ranges may overlap like memmove's.
template <class Move>
inline void copyEnds(std::uint8_t* d, const std::uint8_t* s, std::size_t n) {
    const typename Move::Vector a = Move::load(s);
    const typename Move::Vector b = Move::load(s + n - Move::kBytes);
    Move::store(d, a);
    Move::store(d + n - Move::kBytes, b);
}

// Copies n bytes with Move's vector moves, the last one overlapping the one before; a run shorter
// than a vector takes the widest words that fit. Up to two vectors it is safe for overlapping ranges.
template <class Move>
inline void copyRun(std::uint8_t* d, const std::uint8_t* s, std::size_t n) {
    constexpr std::size_t w = Move::kBytes;
    if (n > 2 * w) {
        std::size_t i = 0;
        for (; i + w < n; i += w) Move::store(d + i, Move::load(s + i));
        Move::store(d + n - w, Move::load(s + n - w));
    } else if (n >= w) {
        copyEnds<Move>(d, s, n);
    } else if (w > 16 && n >= 16) {
        copyEnds<Move16>(d, s, n);
    } else if (n >= 8) {
        copyEnds<WordMove<std::uint64_t>>(d, s, n);
    } else if (n >= 4) {
        copyEnds<WordMove<std::uint32_t>>(d, s, n);
    } else if (n > 0) {
        const std::uint8_t a = s[0], b = s[n / 2], c = s[n - 1];
        d[0] = a;
        d[n / 2] = b;
        d[n - 1] = c;
    }
}

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
        in = nextSourceRow(b, in);
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
        in = nextSourceRow(b, in);
    }
}

}  // namespace
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
