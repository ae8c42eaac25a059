// Bitmap effects on a raster (TbsEffectBmp): the morph transitions between two state pictures and the
// colour effects that make an inactive frame picture. Every operation works in place, row by row,
// without per-pixel allocation. Channel values follow one rounding rule: computed in extended
// precision (long double) from the double factor, rounded to nearest with halves to even, clamped to
// 0..255. The fast paths below use fixed-point arithmetic and fall back to that computation wherever
// the fixed-point value is too close to a half to decide, so they give the same bytes.
#pragma once

#include <cstdint>
#include <limits>
#include <vector>

#include "skin/Raster.h"
#include "skin/SkinValues.h"  // MorphKind, InactiveEffect

namespace vireltan {

// Morphs change `bmp` (the old picture) towards `other` (the new one) by k, 0 old and 1 new; they do
// nothing when the sizes differ. k outside 0..1 counts as the nearer end.
void Morph(Raster& bmp, const Raster& other, double k);
void MorphGradient(Raster& bmp, const Raster& other, double k);
void MorphLeftGradient(Raster& bmp, const Raster& other, double k);
void MorphRightGradient(Raster& bmp, const Raster& other, double k);
void MorphLeftSlide(Raster& bmp, const Raster& other, double k);
void MorphRightSlide(Raster& bmp, const Raster& other, double k);
void MorphPush(Raster& bmp, const Raster& other, double k);
void applyMorph(Raster& bmp, const Raster& other, MorphKind kind, double k);

void ChangeBrightness(Raster& bmp, double x);  // (1 - x) * o + 255 * x, x clamped to 0..1
void ChangeDarkness(Raster& bmp, double x);    // (1 - x) * o, x clamped to 0..1
void GrayScale(Raster& bmp);                   // 0.3 red + 0.59 green + 0.11 blue
void Invert(Raster& bmp);                      // 255 - o
// Each pixel becomes the truncated mean of the four pixels `amount` rows and columns away (mirrored
// at the far edges, kept at the near ones), processed in place from the top-left so that processed
// pixels feed later ones. Nothing for an amount of 0 or less; indices that would leave the picture
// (an amount not smaller than its sides) are held at the last row or column.
void SplitBlur(Raster& bmp, int amount);

// A small, fast, seedable generator of uniform 32-bit values for AddNoise (xoshiro128**).
class NoiseGenerator {
  public:
    using result_type = std::uint32_t;
    explicit NoiseGenerator(std::uint64_t seed = 0x9E3779B97F4A7C15ull);
    static constexpr result_type min() { return 0; }
    static constexpr result_type max() { return std::numeric_limits<std::uint32_t>::max(); }
    result_type operator()() {
        const std::uint32_t result = rotl(s_[1] * 5, 7) * 9;
        const std::uint32_t t = s_[1] << 9;
        s_[2] ^= s_[0];
        s_[3] ^= s_[1];
        s_[1] ^= s_[2];
        s_[0] ^= s_[3];
        s_[2] ^= t;
        s_[3] = rotl(s_[3], 11);
        return result;
    }

  private:
    static std::uint32_t rotl(std::uint32_t x, int k) { return (x << k) | (x >> (32 - k)); }
    std::uint32_t s_[4];
};

// A uniform integer in 0..range-1 (range > 0) from a generator of uniform 32-bit values, unbiased.
template <class Gen>
std::uint32_t uniformBelow(Gen& gen, std::uint32_t range) {
    static_assert(Gen::min() == 0 && Gen::max() == 0xFFFFFFFFu, "AddNoise needs a full 32-bit generator");
    std::uint64_t m = std::uint64_t(std::uint32_t(gen())) * range;
    std::uint32_t low = std::uint32_t(m);
    if (low < range) {
        const std::uint32_t threshold = std::uint32_t(-range) % range;
        while (low < threshold) {
            m = std::uint64_t(std::uint32_t(gen())) * range;
            low = std::uint32_t(m);
        }
    }
    return std::uint32_t(m >> 32);
}

// For every pixel one value v in 0..range-1 from `gen`; v - range div 2 is added to all three
// channels, each clamped. Nothing when range is 0 or less.
template <class Gen>
void AddNoise(Raster& bmp, int range, Gen& gen) {
    if (range <= 0 || bmp.empty()) return;
    const int half = range / 2;
    // The row's values are drawn first: stores into the pixels could otherwise alias the generator's
    // state and keep it out of registers.
    const int bytes = 3 * bmp.width();
    std::vector<int> deltas(static_cast<std::size_t>(bytes));  // one value per pixel, spread per byte
    for (int y = 0; y < bmp.height(); ++y) {
        int* __restrict d = deltas.data();
        for (int i = 0; i < bytes; i += 3)
            d[i] = d[i + 1] = d[i + 2] = int(uniformBelow(gen, std::uint32_t(range))) - half;
        std::uint8_t* __restrict p = bmp.row(y);
        for (int i = 0; i < bytes; ++i) {
            const int v = p[i] + d[i];
            p[i] = std::uint8_t(v < 0 ? 0 : v > 255 ? 255 : v);
        }
    }
}

// The inactive look with the frame's parameters: brightness 0.5, darkness 0.3, grayscale, noise 50,
// split blur 1, invert.
void applyInactiveEffect(Raster& bmp, InactiveEffect effect, NoiseGenerator& gen);

}  // namespace vireltan
