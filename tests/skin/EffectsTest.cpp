#include "skin/Effects.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "PictureFixtures.h"
#include "skin/BlendKernel.h"

namespace vireltan {
namespace {

// The effects' rounding rule written out plainly: extended precision, halves to even, clamped.
std::uint8_t rnd(long double v) {
    const long double r = std::nearbyint(v);
    return std::uint8_t(r < 0 ? 0 : r > 255 ? 255 : r);
}

Raster grey(int w, int h, std::uint8_t v) {
    Raster r(w, h);
    r.fill({v, v, v});
    return r;
}

// One row per channel value of the old picture, one column per value of the new one.
struct AllPairs {
    Raster old = Raster(256, 256);
    Raster fresh = Raster(256, 256);
    AllPairs() {
        for (int y = 0; y < 256; ++y) {
            for (int x = 0; x < 256; ++x) {
                old.setPixel(x, y, {std::uint8_t(y), std::uint8_t(255 - y), std::uint8_t(y)});
                fresh.setPixel(x, y, {std::uint8_t(x), std::uint8_t(x), std::uint8_t(255 - x)});
            }
        }
    }
};

TEST(EffectsTest, BlendMatchesExtendedPrecisionForEveryPairOfValues) {
    const AllPairs pairs;
    const double factors[] = {0.0, 1.0, 0.5, 0.25, 0.3, 0.1, 0.7, 1.0 / 3, 0.9999, 1e-9, 0.123456789, 0.6};
    for (double k : factors) {
        Raster out = pairs.old;
        Morph(out, pairs.fresh, k);
        const long double kl = k;
        int mismatches = 0;
        for (int y = 0; y < 256; ++y) {
            for (int x = 0; x < 256; ++x) {
                const Bgr o = pairs.old.pixel(x, y);
                const Bgr n = pairs.fresh.pixel(x, y);
                const Bgr want{rnd((1.0L - kl) * o.b + kl * n.b), rnd((1.0L - kl) * o.g + kl * n.g),
                               rnd((1.0L - kl) * o.r + kl * n.r)};
                mismatches += !(out.pixel(x, y) == want);
            }
        }
        EXPECT_EQ(mismatches, 0) << "k = " << k;
    }
}

TEST(EffectsTest, GrayScaleMatchesExtendedPrecisionForEveryColour) {
#ifdef NDEBUG
    constexpr int kRedStep = 1;
#else
    constexpr int kRedStep = 15;  // unoptimised and sanitized builds check every fifteenth red value
#endif
    Raster all(256, 256);
    int mismatches = 0;
    for (int r = 0; r < 256; r += kRedStep) {
        for (int y = 0; y < 256; ++y) {
            for (int x = 0; x < 256; ++x)
                all.setPixel(x, y, {std::uint8_t(x), std::uint8_t(y), std::uint8_t(r)});
        }
        GrayScale(all);
        for (int y = 0; y < 256; ++y) {
            for (int x = 0; x < 256; ++x) {
                const std::uint8_t v = rnd(0.3L * r + 0.59L * y + 0.11L * x);
                mismatches += !(all.pixel(x, y) == Bgr{v, v, v});
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(EffectsTest, ChannelEffectsOnEdgeValues) {
    struct Case {
        std::string name;
        void (*apply)(Raster&);
        std::uint8_t in;
        std::uint8_t out;
    };
    const Case cases[] = {
        {"brightness 0.5 of 0 is 127.5 to even", [](Raster& r) { ChangeBrightness(r, 0.5); }, 0, 128},
        {"brightness 0.5 of 255", [](Raster& r) { ChangeBrightness(r, 0.5); }, 255, 255},
        {"brightness 0.5 of 1 is 128", [](Raster& r) { ChangeBrightness(r, 0.5); }, 1, 128},
        {"brightness above 1 counts as 1", [](Raster& r) { ChangeBrightness(r, 7); }, 3, 255},
        {"brightness below 0 counts as 0", [](Raster& r) { ChangeBrightness(r, -1); }, 3, 3},
        {"darkness 0.3 of 255: 0.3 lies below 0.3", [](Raster& r) { ChangeDarkness(r, 0.3); }, 255, 179},
        {"darkness 0.3 of 5 is 3.5 to even", [](Raster& r) { ChangeDarkness(r, 0.3); }, 5, 4},
        {"darkness 0.5 of 3 is 1.5 to even", [](Raster& r) { ChangeDarkness(r, 0.5); }, 3, 2},
        {"darkness 0.5 of 5 is 2.5 to even", [](Raster& r) { ChangeDarkness(r, 0.5); }, 5, 2},
        {"invert 0", [](Raster& r) { Invert(r); }, 0, 255},
        {"invert 200", [](Raster& r) { Invert(r); }, 200, 55},
    };
    for (const Case& c : cases) {
        Raster r = grey(5, 3, c.in);
        c.apply(r);
        EXPECT_TRUE(r.samePixels(grey(5, 3, c.out))) << c.name << ": got " << int(r.pixel(0, 0).b);
    }
}

// The channel rounding itself, at the values where taking the integer part through double could go
// wrong: just below an integer (double rounds up to it), just around a half, and at the clamps.
TEST(EffectsTest, ChannelRoundingAroundIntegersAndHalves) {
    const long double below179 = std::nextafter(179.0L, 0.0L);
    const long double aboveHalf = std::nextafter(178.5L, 179.0L);
    const long double belowHalf = std::nextafter(178.5L, 0.0L);
    const long double belowTop = std::nextafter(255.0L, 0.0L);
    const long double values[] = {-1.0L,    0.0L,   1e-30L,    0.5L,     std::nextafter(0.5L, 1.0L),
                                  1.5L,     2.5L,   belowHalf, 178.5L,   aboveHalf,
                                  below179, 179.0L, 254.5L,    belowTop, 255.0L,
                                  300.0L};
    for (const long double v : values) {
        EXPECT_EQ(int(effects::roundChannel(v)), int(rnd(v))) << double(v);
    }
    struct Case {
        long double value;
        std::int64_t integer;
    };
    const Case parts[] = {
        {below179, 178},
        {179.0L, 179},
        {std::nextafter(4503599627370496.0L, 0.0L), 4503599627370495},  // 2^52 just below
        {1099511627776.5L, 1099511627776},                              // 2^40 + 1/2
        {std::nextafter(1099511627777.0L, 0.0L), 1099511627776},
    };
    for (const Case& c : parts) EXPECT_EQ(effects::integerPart(c.value), c.integer) << double(c.value);
}

TEST(EffectsTest, GrayScaleOfPureRedIs76) {
    Raster r(3, 2);
    r.fill({0, 0, 255});
    GrayScale(r);
    EXPECT_TRUE(r.pixel(2, 1) == (Bgr{76, 76, 76}));
}

TEST(EffectsTest, BlendEdgeCases) {
    struct Case {
        double k;
        std::uint8_t want;
    };
    const Case cases[] = {{0, 0}, {1, 255}, {0.5, 128}, {-3, 0}, {4, 255}};
    for (const Case& c : cases) {
        Raster r = grey(4, 4, 0);
        Morph(r, grey(4, 4, 255), c.k);
        EXPECT_TRUE(r.samePixels(grey(4, 4, c.want))) << c.k;
    }
}

// One-row pictures: old all 0, new all 255, so each column shows the weight of the new picture.
std::vector<int> morphRow(void (*morph)(Raster&, const Raster&, double), int w, int h, double k) {
    Raster old = grey(w, h, 0);
    morph(old, grey(w, h, 255), k);
    std::vector<int> out;
    if (w >= h) {
        for (int x = 0; x < w; ++x) out.push_back(old.pixel(x, 0).g);
    } else {
        for (int y = 0; y < h; ++y) out.push_back(old.pixel(0, y).g);
    }
    return out;
}

TEST(EffectsTest, GradientsAgainstHandComputedColumns) {
    struct Case {
        std::string name;
        void (*morph)(Raster&, const Raster&, double);
        int w, h;
        double k;
        std::vector<int> expected;
    };
    const Case cases[] = {
        // a = 4, b = 3, c = 2, s = 1/3: band 3..7 new; walking out: 1/3, 2/3, 1 of the old picture.
        {"gradient, horizontal", MorphGradient, 10, 1, 0.4, {0, 85, 170, 255, 255, 255, 255, 255, 170, 85}},
        // b = 4, c = 2, d = 2, s = 1/2: rows 3..7 new, then 127.5 (to even 128), then old.
        {"gradient, vertical", MorphGradient, 1, 10, 0.4, {0, 0, 128, 255, 255, 255, 255, 255, 128, 0}},
        // k = 0: a = 0, b = 5: one new column in the middle; s = 1/5 (0.6000000000000001 gives 102).
        {"gradient at 0", MorphGradient, 10, 1, 0.0, {0, 51, 102, 153, 204, 255, 204, 153, 102, 51}},
        {"gradient at 1", MorphGradient, 10, 1, 1.0, {255, 255, 255, 255, 255, 255, 255, 255, 255, 255}},
        // a = 5: columns 0..5 weigh the old picture 0, 0.2, ... 1; the rest stays old.
        {"left gradient", MorphLeftGradient, 10, 1, 0.5, {255, 204, 153, 102, 51, 0, 0, 0, 0, 0}},
        {"left gradient at 0 (a at least 1)",
         MorphLeftGradient,
         10,
         1,
         0.0,
         {255, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        // a = 7, step 1/3 from column 9 down to 7.
        {"right gradient", MorphRightGradient, 10, 1, 0.3, {0, 0, 0, 0, 0, 0, 0, 85, 170, 255}},
        {"right gradient at 0 (a at most W - 1)",
         MorphRightGradient,
         10,
         1,
         0.0,
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 255}},
    };
    for (const Case& c : cases) EXPECT_EQ(morphRow(c.morph, c.w, c.h, c.k), c.expected) << c.name;
}

// Old picture: column x holds x; new picture: column x holds 100 + x.
std::vector<int> slideRow(void (*morph)(Raster&, const Raster&, double), int w, double k) {
    Raster old(w, 2), fresh(w, 2);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < w; ++x) {
            old.setPixel(x, y, {std::uint8_t(x), std::uint8_t(x), std::uint8_t(x)});
            fresh.setPixel(x, y, {std::uint8_t(100 + x), std::uint8_t(100 + x), std::uint8_t(100 + x)});
        }
    }
    morph(old, fresh, k);
    std::vector<int> out;
    for (int x = 0; x < w; ++x) out.push_back(old.pixel(x, 1).r);
    return out;
}

TEST(EffectsTest, SlidesAndPushAgainstHandComputedColumns) {
    struct Case {
        std::string name;
        void (*morph)(Raster&, const Raster&, double);
        double k;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {"left slide at 0 shows one column", MorphLeftSlide, 0.0, {109, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {"left slide 0.3", MorphLeftSlide, 0.3, {107, 108, 109, 3, 4, 5, 6, 7, 8, 9}},
        {"left slide at 1 keeps one old column",
         MorphLeftSlide,
         1.0,
         {101, 102, 103, 104, 105, 106, 107, 108, 109, 9}},
        {"right slide 0.3", MorphRightSlide, 0.3, {0, 1, 2, 3, 4, 5, 6, 100, 101, 102}},
        {"right slide at 0", MorphRightSlide, 0.0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 100}},
        {"push at 0 shifts by one", MorphPush, 0.0, {109, 0, 1, 2, 3, 4, 5, 6, 7, 8}},
        {"push 0.2", MorphPush, 0.2, {107, 108, 109, 0, 1, 2, 3, 4, 5, 6}},
        {"push at 1", MorphPush, 1.0, {100, 101, 102, 103, 104, 105, 106, 107, 108, 109}},
        {"push 0.25 rounds 2.5 to even", MorphPush, 0.25, {107, 108, 109, 0, 1, 2, 3, 4, 5, 6}},
    };
    for (const Case& c : cases) EXPECT_EQ(slideRow(c.morph, 10, c.k), c.expected) << c.name;
}

TEST(EffectsTest, MorphsBetweenDifferentSizesChangeNothing) {
    const MorphKind kinds[] = {MorphKind::mkDefault,       MorphKind::mkGradient,  MorphKind::mkLeftGradient,
                               MorphKind::mkRightGradient, MorphKind::mkLeftSlide, MorphKind::mkRightSlide,
                               MorphKind::mkPush};
    const Raster old = testing::randomPicture(12, 8, 1);
    for (MorphKind kind : kinds) {
        for (const Raster& other :
             {testing::randomPicture(13, 8, 2), testing::randomPicture(12, 7, 3), Raster()}) {
            Raster r = old;
            applyMorph(r, other, kind, 0.5);
            EXPECT_TRUE(r.samePixels(old)) << int(kind);
        }
    }
}

TEST(EffectsTest, MorphsOnOneColumnPicturesStayInside) {
    const MorphKind kinds[] = {MorphKind::mkGradient,  MorphKind::mkLeftGradient, MorphKind::mkRightGradient,
                               MorphKind::mkLeftSlide, MorphKind::mkRightSlide,   MorphKind::mkPush};
    for (MorphKind kind : kinds) {
        for (double k : {0.0, 0.5, 1.0}) {
            Raster r = grey(1, 3, 0);
            applyMorph(r, grey(1, 3, 255), kind, k);
            EXPECT_EQ(r.pixel(0, 1).g == 255 || r.pixel(0, 1).g == 0, true) << int(kind);
        }
    }
}

TEST(EffectsTest, SplitBlurAgainstHandComputedPixels) {
    // 2 x 2 of 0, 100 / 200, 40, amount 1: far neighbours mirror to W - x and H - y, processed pixels
    // feed later ones: 340/4 = 85, 425/4 = 106, 431/4 = 107, 338/4 = 84.
    Raster r(2, 2);
    r.setPixel(0, 0, {0, 0, 0});
    r.setPixel(1, 0, {100, 100, 100});
    r.setPixel(0, 1, {200, 200, 200});
    r.setPixel(1, 1, {40, 40, 40});
    SplitBlur(r, 1);
    EXPECT_EQ(r.pixel(0, 0).b, 85);
    EXPECT_EQ(r.pixel(1, 0).b, 106);
    EXPECT_EQ(r.pixel(0, 1).b, 107);
    EXPECT_EQ(r.pixel(1, 1).b, 84);
}

// The blur written pixel by pixel in processing order.
void referenceSplitBlur(Raster& r, int a) {
    const int w = r.width(), h = r.height();
    auto clampIndex = [](int v, int n) { return v > n - 1 ? n - 1 : v; };
    for (int y = 0; y < h; ++y) {
        const int y1 = y - a < 0 ? y : y - a;
        const int y2 = clampIndex(y + a < h ? y + a : h - y, h);
        for (int x = 0; x < w; ++x) {
            const int x1 = x - a < 0 ? x : x - a;
            const int x2 = clampIndex(x + a < w ? x + a : w - x, w);
            std::uint8_t* out = r.row(y) + 3 * x;
            for (int c = 0; c < 3; ++c) {
                const int sum = r.row(y1)[3 * x1 + c] + r.row(y1)[3 * x2 + c] + r.row(y2)[3 * x1 + c] +
                                r.row(y2)[3 * x2 + c];
                out[c] = std::uint8_t(sum / 4);
            }
        }
    }
}

TEST(EffectsTest, SplitBlurRowsMatchThePixelOrderDefinition) {
    struct Case {
        int w, h, amount;
    };
    const Case cases[] = {{37, 23, 1}, {8, 9, 2}, {5, 4, 3}, {3, 3, 5}, {1, 1, 1}, {64, 2, 1}};
    for (const Case& c : cases) {
        Raster fast = testing::randomPicture(c.w, c.h, std::uint32_t(c.w * 31 + c.amount));
        Raster slow = fast;
        SplitBlur(fast, c.amount);
        referenceSplitBlur(slow, c.amount);
        EXPECT_TRUE(fast.samePixels(slow)) << c.w << "x" << c.h << " a=" << c.amount;
    }
}

TEST(EffectsTest, SplitBlurOfOneColourAndOfAmountZero) {
    for (int a : {1, 2}) {
        Raster flat = grey(30, 20, 77);
        SplitBlur(flat, a);
        EXPECT_TRUE(flat.samePixels(grey(30, 20, 77))) << a;
    }
    const Raster pic = testing::randomPicture(9, 9, 5);
    for (int a : {0, -1}) {
        Raster r = pic;
        SplitBlur(r, a);
        EXPECT_TRUE(r.samePixels(pic)) << a;
    }
}

TEST(EffectsTest, NoiseAddsOneValuePerPixelWithinTheRange) {
    Raster r = grey(40, 30, 128);
    NoiseGenerator gen(42);
    AddNoise(r, 50, gen);
    int minD = 255, maxD = -255;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x) {
            const Bgr p = r.pixel(x, y);
            EXPECT_TRUE(p.b == p.g && p.g == p.r);
            minD = std::min(minD, p.b - 128);
            maxD = std::max(maxD, p.b - 128);
        }
    }
    EXPECT_EQ(minD, -25);  // v - 50 div 2 over 1,200 draws of 0..49 reaches both ends
    EXPECT_EQ(maxD, 24);

    Raster again = grey(40, 30, 128);
    NoiseGenerator same(42);
    AddNoise(again, 50, same);
    EXPECT_TRUE(again.samePixels(r));

    Raster clamped = grey(10, 10, 250);
    std::mt19937 mt(7);
    AddNoise(clamped, 50, mt);
    for (int y = 0; y < 10; ++y) EXPECT_LE(clamped.pixel(3, y).r, 255);

    Raster unchanged = grey(4, 4, 9);
    AddNoise(unchanged, 1, gen);  // v is always 0
    AddNoise(unchanged, 0, gen);
    EXPECT_TRUE(unchanged.samePixels(grey(4, 4, 9)));
}

TEST(EffectsTest, InactiveEffectNumbersPickTheirEffects) {
    const Raster pic = testing::randomPicture(16, 9, 11);
    struct Case {
        InactiveEffect effect;
        void (*expected)(Raster&);
    };
    const Case cases[] = {
        {InactiveEffect::ieBrightness, [](Raster& r) { ChangeBrightness(r, 0.5); }},
        {InactiveEffect::ieDarkness, [](Raster& r) { ChangeDarkness(r, 0.3); }},
        {InactiveEffect::ieGrayscale, [](Raster& r) { GrayScale(r); }},
        {InactiveEffect::ieSplitBlur, [](Raster& r) { SplitBlur(r, 1); }},
        {InactiveEffect::ieInvert, [](Raster& r) { Invert(r); }},
    };
    NoiseGenerator gen;
    for (const Case& c : cases) {
        Raster a = pic, b = pic;
        applyInactiveEffect(a, c.effect, gen);
        c.expected(b);
        EXPECT_TRUE(a.samePixels(b)) << int(c.effect);
    }
}

}  // namespace
}  // namespace vireltan
