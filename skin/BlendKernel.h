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

namespace vireltan::effects {

inline constexpr int kFracBits = 23;
inline constexpr std::uint32_t kOne = std::uint32_t(1) << kFracBits;
inline constexpr std::uint32_t kHalf = kOne >> 1;
inline constexpr std::uint32_t kMask = kOne - 1;
inline constexpr std::uint32_t kWindow = 512;

// Rounds to nearest, halves to even (the default rounding mode), and clamps to a channel value.
inline std::uint8_t roundChannel(long double v) {
    const long double r = std::nearbyint(v);
    return r <= 0 ? 0 : r >= 255 ? 255 : std::uint8_t(int(r));
}

struct BlendWeights {
    long double wo = 1;  // weight of this picture's channel
    long double wn = 0;  // weight of the other picture's channel
    std::uint32_t fo = kOne;
    std::uint32_t fn = 0;
    bool exact = true;   // fo, fn are the weights exactly
    bool usable = true;  // both weights within 0..1, so the fixed point applies
};

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
    w.fo = std::uint32_t(std::llround(so));
    w.fn = std::uint32_t(std::llround(sn));
    w.exact = (long double)(w.fo) == so && (long double)(w.fn) == sn;
    return w;
}

inline std::uint8_t blendExact(const BlendWeights& w, unsigned o, unsigned n) {
    return roundChannel(w.wo * (long double)o + w.wn * (long double)n);
}

// The decided value of F, or -1 when F lies too close to a half to decide.
inline int decideFixed(std::uint32_t f, bool exact) {
    const std::uint32_t v = f >> kFracBits;
    const std::uint32_t frac = f & kMask;
    if (exact) return int(v + ((frac > kHalf) | ((frac == kHalf) & (v & 1))));
    if (frac - (kHalf - kWindow) <= 2 * kWindow) return -1;
    return int((f + kHalf) >> kFracBits);
}

// row[i] = blend(row[i], other[i]) for `count` bytes with one pair of weights; tmp holds count bytes.
void blendBytes(std::uint8_t* row, const std::uint8_t* other, int count, const BlendWeights& w,
                std::uint8_t* tmp);

// The same with weights per pixel (three bytes each): weights[x] for pixel x of `pixels`.
void blendPixels(std::uint8_t* row, const std::uint8_t* other, int pixels, const BlendWeights* weights);

}  // namespace vireltan::effects
