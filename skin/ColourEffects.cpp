// The inactive-frame colour effects of TbsEffectBmp, and AddNoise's generator.
#include <array>
#include <cmath>
#include <vector>

#include "skin/BlendKernel.h"
#include "skin/Effects.h"

namespace vireltan {
namespace {

using effects::roundChannel;

double clampFactor(double x) {
    return x < 0 ? 0 : x > 1 ? 1 : x;
}

// Effects of one channel value alone are a table of 256 bytes, computed with the exact rule.
template <class F>
void mapChannels(Raster& bmp, F channelRule) {
    std::array<std::uint8_t, 256> table;
    for (int o = 0; o < 256; ++o) table[std::size_t(o)] = channelRule(o);
    const int bytes = 3 * bmp.width();
    for (int y = 0; y < bmp.height(); ++y) {
        std::uint8_t* p = bmp.row(y);
        for (int i = 0; i < bytes; ++i) p[i] = table[p[i]];
    }
}

// 0.3 red + 0.59 green + 0.11 blue, the weights held in extended precision.
constexpr long double kRed = 0.3L;
constexpr long double kGreen = 0.59L;
constexpr long double kBlue = 0.11L;

std::uint8_t grayExact(unsigned b, unsigned g, unsigned r) {
    return roundChannel(kRed * (long double)r + kGreen * (long double)g + kBlue * (long double)b);
}

}  // namespace

void ChangeBrightness(Raster& bmp, double x) {
    const long double f = clampFactor(x);
    mapChannels(bmp, [f](int o) { return roundChannel((1.0L - f) * (long double)o + 255.0L * f); });
}

void ChangeDarkness(Raster& bmp, double x) {
    const long double f = clampFactor(x);
    mapChannels(bmp, [f](int o) { return roundChannel((1.0L - f) * (long double)o); });
}

void Invert(Raster& bmp) {
    const int bytes = 3 * bmp.width();
    for (int y = 0; y < bmp.height(); ++y) {
        std::uint8_t* p = bmp.row(y);
        for (int i = 0; i < bytes; ++i) p[i] = std::uint8_t(255 - p[i]);
    }
}

void GrayScale(Raster& bmp) {
    // Fixed point with 32 fraction bits: each table entry is within half a unit of its product, so the
    // sum is within 1.5 units of the exact value; sums within 16 units of a half are computed exactly.
    constexpr int kBits = 32;
    constexpr std::uint64_t kHalf = std::uint64_t(1) << (kBits - 1);
    constexpr std::uint64_t kMask = (std::uint64_t(1) << kBits) - 1;
    constexpr std::uint64_t kWindow = 16;
    std::array<std::uint64_t, 256> tr, tg, tb;
    for (int v = 0; v < 256; ++v) {
        const long double scale = std::ldexp(1.0L, kBits);
        tr[std::size_t(v)] = effects::roundNonNegative(kRed * v * scale);
        tg[std::size_t(v)] = effects::roundNonNegative(kGreen * v * scale);
        tb[std::size_t(v)] = effects::roundNonNegative(kBlue * v * scale);
    }
    for (int y = 0; y < bmp.height(); ++y) {
        std::uint8_t* p = bmp.row(y);
        for (int x = 0; x < bmp.width(); ++x, p += 3) {
            const std::uint64_t f = tb[p[0]] + tg[p[1]] + tr[p[2]];
            std::uint8_t v;
            if (((f & kMask) - (kHalf - kWindow)) <= 2 * kWindow) {
                v = grayExact(p[0], p[1], p[2]);
            } else {
                const std::uint64_t r = (f + kHalf) >> kBits;
                v = std::uint8_t(r > 255 ? 255 : r);
            }
            p[0] = p[1] = p[2] = v;
        }
    }
}

void SplitBlur(Raster& bmp, int amount) {
    const int w = bmp.width();
    const int h = bmp.height();
    if (amount <= 0 || bmp.empty()) return;
    const int a = amount;
    auto nearIndex = [a](int i) { return i - a < 0 ? i : i - a; };
    auto farIndex = [a](int i, int n) {
        const int j = i + a < n ? i + a : n - i;
        return j > n - 1 ? n - 1 : j;
    };
    std::vector<int> x1(static_cast<std::size_t>(w)), x2(static_cast<std::size_t>(w));
    for (int x = 0; x < w; ++x) {
        x1[std::size_t(x)] = 3 * nearIndex(x);
        x2[std::size_t(x)] = 3 * farIndex(x, w);
    }
    // Columns whose neighbours are exactly a to the left and right: the loop over them has no
    // dependence on the row being written when both neighbour rows are other rows.
    const int innerStart = std::min(a, w);
    const int innerEnd = std::max(innerStart, w - a);
    for (int y = 0; y < h; ++y) {
        const int y1 = nearIndex(y);
        const int y2 = farIndex(y, h);
        std::uint8_t* out = bmp.row(y);
        const std::uint8_t* r1 = bmp.row(y1);
        const std::uint8_t* r2 = bmp.row(y2);
        auto pixel = [&](int x) {
            const int i1 = x1[std::size_t(x)];
            const int i2 = x2[std::size_t(x)];
            for (int c = 0; c < 3; ++c) {
                out[3 * x + c] = std::uint8_t((r1[i1 + c] + r1[i2 + c] + r2[i1 + c] + r2[i2 + c]) >> 2);
            }
        };
        if (y1 == y || y2 == y) {
            // The row reads itself: processed pixels feed the later ones, strictly in order.
            for (int x = 0; x < w; ++x) pixel(x);
            continue;
        }
        for (int x = 0; x < innerStart; ++x) pixel(x);
        {
            std::uint8_t* __restrict o = out;
            const std::uint8_t* __restrict p1 = r1;
            const std::uint8_t* __restrict p2 = r2;
            const int d = 3 * a;
            for (int i = 3 * innerStart; i < 3 * innerEnd; ++i) {
                o[i] = std::uint8_t((p1[i - d] + p1[i + d] + p2[i - d] + p2[i + d]) >> 2);
            }
        }
        for (int x = innerEnd; x < w; ++x) pixel(x);
    }
}

NoiseGenerator::NoiseGenerator(std::uint64_t seed) {
    // splitmix64 spreads the seed over the state, which must not be all zero.
    for (int i = 0; i < 4; i += 2) {
        seed += 0x9E3779B97F4A7C15ull;
        std::uint64_t z = seed;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        z ^= z >> 31;
        s_[i] = std::uint32_t(z);
        s_[i + 1] = std::uint32_t(z >> 32) | 1u;
    }
}

void applyInactiveEffect(Raster& bmp, InactiveEffect effect, NoiseGenerator& gen) {
    switch (effect) {
        case InactiveEffect::ieBrightness:
            ChangeBrightness(bmp, 0.5);
            break;
        case InactiveEffect::ieDarkness:
            ChangeDarkness(bmp, 0.3);
            break;
        case InactiveEffect::ieGrayscale:
            GrayScale(bmp);
            break;
        case InactiveEffect::ieNoise:
            AddNoise(bmp, 50, gen);
            break;
        case InactiveEffect::ieSplitBlur:
            SplitBlur(bmp, 1);
            break;
        case InactiveEffect::ieInvert:
            Invert(bmp);
            break;
    }
}

}  // namespace vireltan
