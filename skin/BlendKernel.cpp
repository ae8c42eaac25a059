#include "skin/BlendKernel.h"

#include <cstring>
#include <utility>

// Where the loader can pick a function by the processor (ELF ifunc), the blend loops are also built for
// AVX2, whose 32-bit multiplies work on eight lanes; elsewhere the SSE2 build serves.
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__) && defined(__linux__)
#define VIRELTAN_BLEND_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define VIRELTAN_BLEND_CLONES
#endif

namespace vireltan::effects {
namespace {

constexpr std::uint16_t kUnknown = 0xFFFF;

std::uint8_t undecided(std::uint32_t f) {
    return std::uint8_t((f & kMask) - (kHalf - kWindow) <= 2 * kWindow);
}

// Calls fix(i) for every i with flags[i] set, skipping clear flags eight at a time.
template <class Fix>
void forEachFlagged(const std::uint8_t* flags, int count, Fix fix) {
    int i = 0;
    for (; i + 8 <= count; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, flags + i, 8);
        if (word == 0) continue;
        for (int j = i; j < i + 8; ++j) {
            if (flags[j] != 0) fix(j);
        }
    }
    for (; i < count; ++i) {
        if (flags[i] != 0) fix(i);
    }
}

}  // namespace

VIRELTAN_BLEND_CLONES
void blendBytes(std::uint8_t* row, const std::uint8_t* other, int count, const BlendWeights& w,
                std::uint8_t* tmp, std::vector<std::uint16_t>* memo) {
    if (!w.usable) {
        for (int i = 0; i < count; ++i) row[i] = blendExact(w, row[i], other[i]);
        return;
    }
    const std::uint32_t fo = w.fo;
    const std::uint32_t fn = w.fn;
    const std::uint8_t* __restrict o = row;
    const std::uint8_t* __restrict n = other;
    std::uint8_t* __restrict out = tmp;
    if (w.exact) {
        // F is the exact value: round half to even by adding half - 1 plus the integer part's lowest bit.
        for (int i = 0; i < count; ++i) {
            const std::uint32_t f = fo * o[i] + fn * n[i];
            out[i] = std::uint8_t((f + (kHalf - 1) + ((f >> kFracBits) & 1)) >> kFracBits);
        }
        std::memcpy(row, tmp, std::size_t(count));
        return;
    }
    std::uint8_t* __restrict flags = tmp + count;
    for (int i = 0; i < count; ++i) {
        const std::uint32_t f = fo * o[i] + fn * n[i];
        out[i] = std::uint8_t((f + kHalf) >> kFracBits);
        flags[i] = undecided(f);
    }
    if (memo == nullptr) {
        forEachFlagged(flags, count, [&](int i) { tmp[i] = blendExact(w, row[i], other[i]); });
    } else {
        // With the same weights for the whole picture the undecided pairs repeat: compute each once.
        forEachFlagged(flags, count, [&](int i) {
            if (memo->empty()) memo->assign(65536, kUnknown);
            std::uint16_t& known = (*memo)[std::size_t(row[i]) << 8 | other[i]];
            if (known == kUnknown) known = blendExact(w, row[i], other[i]);
            tmp[i] = std::uint8_t(known);
        });
    }
    std::memcpy(row, tmp, std::size_t(count));
}

PixelWeights::PixelWeights(std::vector<double> oldWeights)
    : h_(std::move(oldWeights)), fo_(3 * h_.size()), fn_(3 * h_.size()), tmp_(6 * h_.size()) {
    for (std::size_t x = 0; x < h_.size(); ++x) {
        const double h = h_[x];
        allUsable_ = allUsable_ && h >= 0 && h <= 1;
        // h * 2^23 is exact in double, and 1 - h exact in extended precision, so 2^23 - fo is within
        // half a unit of the new picture's weight whenever fo is within half a unit of h's.
        const std::uint32_t fo = std::uint32_t(h * kOne + 0.5);
        for (std::size_t c = 0; c < 3; ++c) {
            fo_[3 * x + c] = fo;
            fn_[3 * x + c] = kOne - fo;
        }
    }
}

VIRELTAN_BLEND_CLONES
void PixelWeights::blendRow(std::uint8_t* row, const std::uint8_t* other) {
    const int count = int(fo_.size());
    auto exact = [this](int i, unsigned o, unsigned n) {
        const long double h = h_[std::size_t(i / 3)];
        return roundChannel(h * (long double)o + (1.0L - h) * (long double)n);
    };
    if (!allUsable_) {
        for (int i = 0; i < count; ++i) row[i] = exact(i, row[i], other[i]);
        return;
    }
    const std::uint8_t* __restrict o = row;
    const std::uint8_t* __restrict n = other;
    const std::uint32_t* __restrict fo = fo_.data();
    const std::uint32_t* __restrict fn = fn_.data();
    std::uint8_t* __restrict out = tmp_.data();
    std::uint8_t* __restrict flags = tmp_.data() + count;
    for (int i = 0; i < count; ++i) {
        const std::uint32_t f = fo[i] * o[i] + fn[i] * n[i];
        out[i] = std::uint8_t((f + kHalf) >> kFracBits);
        flags[i] = undecided(f);
    }
    // Exact weights land here too on a half, which the long double computation rounds to even.
    forEachFlagged(flags, count, [&](int i) { tmp_[std::size_t(i)] = exact(i, row[i], other[i]); });
    std::memcpy(row, tmp_.data(), std::size_t(count));
}

}  // namespace vireltan::effects
