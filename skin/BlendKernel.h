// Internal to the effects: wo * o + wn * n per channel with the effects' rounding, fast.
//
// Fixed point: fo = round(wo * 2^23), fn = round(wn * 2^23), F = fo * o + fn * n. F differs from
// 2^23 times the exact value by at most 0.5 * (o + n) <= 255, and the long double computation differs
// from the exact value by far less than one such unit, so whenever F's fraction is further than 512
// units from one half both round to the same integer; inside that window the channel is computed in
// long double. When both weights are multiples of 2^-23 (0, 1, 0.5, 0.25, ...) F is the exact value
// and the long double computation is exact too, so a half is decided by F alone (to even).
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

namespace vireltan::effects {

inline constexpr int kFracBits = 23;
inline constexpr std::uint32_t kOne = std::uint32_t(1) << kFracBits;
inline constexpr std::uint32_t kHalf = kOne >> 1;
inline constexpr std::uint32_t kMask = kOne - 1;
inline constexpr std::uint32_t kWindow = 512;

// The integer part of a non-negative value below 2^52. Not a direct conversion of the long double:
// x87 code switches the rounding mode for it and back, which costs far more than the arithmetic that
// produced the value. The conversion through double may round up across an integer; step back then.
inline std::int64_t integerPart(long double v) {
    std::int64_t i = static_cast<std::int64_t>(static_cast<double>(v));
    if (static_cast<long double>(i) > v) --i;
    return i;
}

// Rounds to nearest, halves to even, and clamps to a channel value. Written out rather than through
// nearbyint, which saves and restores the floating-point environment on every call.
inline std::uint8_t roundChannel(long double v) {
    if (!(v > 0)) return 0;
    if (v >= 255) return 255;
    const int i = static_cast<int>(integerPart(v));
    const long double frac = v - i;  // exact: v and i share v's grid of representable values
    return std::uint8_t(i + ((frac > 0.5L) | ((frac == 0.5L) & (i & 1))));
}

struct BlendWeights {
    long double wo = 1;  // weight of this picture's channel
    long double wn = 0;  // weight of the other picture's channel
    std::uint32_t fo = kOne;
    std::uint32_t fn = 0;
    bool exact = true;   // fo, fn are the weights exactly
    bool usable = true;  // both weights within 0..1, so the fixed point applies
};

// Nearest integer of a non-negative value below 2^52 (halves up); cheaper than llround, a library call.
inline std::uint64_t roundNonNegative(long double v) {
    return std::uint64_t(integerPart(v + 0.5L));
}

inline BlendWeights makeWeights(long double wo, long double wn) {
    BlendWeights w;
    w.wo = wo;
    w.wn = wn;
    w.usable = wo >= 0 && wo <= 1 && wn >= 0 && wn <= 1;
    if (!w.usable) {
        w.exact = false;
        return w;
    }
    const long double so = wo * kOne;
    const long double sn = wn * kOne;
    w.fo = std::uint32_t(roundNonNegative(so));
    w.fn = std::uint32_t(roundNonNegative(sn));
    w.exact = (long double)(w.fo) == so && (long double)(w.fn) == sn;
    return w;
}

inline std::uint8_t blendExact(const BlendWeights& w, unsigned o, unsigned n) {
    return roundChannel(w.wo * (long double)o + w.wn * (long double)n);
}

// row[i] = blend(row[i], other[i]) for `count` bytes with one pair of weights; tmp holds 2 * count bytes.
// `memo`, when given, keeps the exactly computed values of these weights across calls (filled lazily).
void blendBytes(std::uint8_t* row, const std::uint8_t* other, int count, const BlendWeights& w,
                std::uint8_t* tmp, std::vector<std::uint16_t>* memo = nullptr);

// h * o + (1 - h) * n with a weight h per pixel (three bytes each), for rows of h.size() pixels,
// spread per byte once so that every row is one straight loop.
class PixelWeights {
  public:
    explicit PixelWeights(std::vector<double> oldWeights);
    void blendRow(std::uint8_t* row, const std::uint8_t* other);

  private:
    std::vector<double> h_;
    std::vector<std::uint32_t> fo_, fn_;
    std::vector<std::uint8_t> tmp_;
    bool allUsable_ = true;
};

}  // namespace vireltan::effects
