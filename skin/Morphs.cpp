// The seven morph transitions of TbsEffectBmp.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>
#include <vector>

#include "skin/BlendKernel.h"
#include "skin/Effects.h"

namespace vireltan {
namespace {

using effects::BlendWeights;
using effects::makeWeights;

bool sameSize(const Raster& a, const Raster& b) {
    return a.width() == b.width() && a.height() == b.height() && !a.empty();
}

double clampFactor(double k) {
    return k < 0 ? 0 : k > 1 ? 1 : k;
}

// rnd(length * k): extended precision, halves to even.
int scaled(int length, double k) {
    return int(std::nearbyint((long double)length * (long double)k));
}

// h * o + (1 - h) * n: the gradients weight the old picture by h.
BlendWeights gradientWeights(double h) {
    return makeWeights((long double)h, 1.0L - (long double)h);
}

// The weights of a walk of `count` steps away from a band edge: h starts at 0 and grows by `step` per
// step (in double, as the factor is held), never above 1.
std::vector<double> ramp(int count, double step) {
    std::vector<double> w(std::size_t(std::max(count, 0)));
    double h = 0;
    for (double& weight : w) {
        weight = h;
        h = std::min(h + step, 1.0);
    }
    return w;
}

// Weights of the old picture per column: 1 keeps it, 0 takes the new one.
void blendColumns(Raster& bmp, const Raster& other, std::vector<double> perColumn) {
    effects::PixelWeights weights(std::move(perColumn));
    for (int y = 0; y < bmp.height(); ++y) weights.blendRow(bmp.row(y), other.row(y));
}

void horizontalGradient(Raster& bmp, const Raster& other, double k) {
    const int w = bmp.width();
    const int a = scaled(w, k);
    const int b = (w - a) / 2;
    const int c = a / 2;
    const double s = b == 0 ? 1.0 : 1.0 / b;
    const int g = std::max(0, w / 2 - c);
    const int f = std::min(w - 1, w / 2 + c);
    std::vector<double> perColumn(std::size_t(w), 0.0);  // the band: new
    // Each walk starts at the band's edge column with weight 0 and moves outwards.
    const std::vector<double> left = ramp(g + 1, s);
    for (int j = 0; j <= g; ++j) perColumn[std::size_t(g - j)] = left[std::size_t(j)];
    const std::vector<double> right = ramp(w - f, s);
    for (int j = 0; f + j < w; ++j) perColumn[std::size_t(f + j)] = right[std::size_t(j)];
    blendColumns(bmp, other, std::move(perColumn));
}

void verticalGradient(Raster& bmp, const Raster& other, double k) {
    const int h = bmp.height();
    const int b = scaled(h, k);
    const int c = b / 2;
    const int d = (h - 1 - b) / 2;
    const double s = d == 0 ? 0.0 : 1.0 / d;
    const int top = std::max(0, h / 2 - c);
    const int bottom = std::min(h - 1, h / 2 + c);
    std::vector<std::uint8_t> tmp(std::size_t(bmp.width()) * 6);
    const int bytes = 3 * bmp.width();
    for (int y = top; y <= bottom; ++y) std::memcpy(bmp.row(y), other.row(y), std::size_t(bytes));
    const std::vector<double> up = ramp(top + 1, s);
    for (int j = 1; j <= top; ++j) {
        effects::blendBytes(bmp.row(top - j), other.row(top - j), bytes, gradientWeights(up[std::size_t(j)]),
                            tmp.data());
    }
    const std::vector<double> down = ramp(h - bottom, s);
    for (int j = 1; bottom + j < h; ++j) {
        effects::blendBytes(bmp.row(bottom + j), other.row(bottom + j), bytes,
                            gradientWeights(down[std::size_t(j)]), tmp.data());
    }
}

}  // namespace

void Morph(Raster& bmp, const Raster& other, double k) {
    if (!sameSize(bmp, other)) return;
    k = clampFactor(k);
    const BlendWeights w = makeWeights(1.0L - (long double)k, (long double)k);
    const int bytes = 3 * bmp.width();
    std::vector<std::uint8_t> tmp(2 * static_cast<std::size_t>(bytes));
    for (int y = 0; y < bmp.height(); ++y)
        effects::blendBytes(bmp.row(y), other.row(y), bytes, w, tmp.data());
}

void MorphGradient(Raster& bmp, const Raster& other, double k) {
    if (!sameSize(bmp, other)) return;
    k = clampFactor(k);
    if (bmp.width() < bmp.height()) {
        verticalGradient(bmp, other, k);
    } else {
        horizontalGradient(bmp, other, k);
    }
}

void MorphLeftGradient(Raster& bmp, const Raster& other, double k) {
    if (!sameSize(bmp, other)) return;
    const int w = bmp.width();
    const int a = std::max(1, std::min(scaled(w, clampFactor(k)), w - 1));
    const int last = std::min(a, w - 1);                 // a single column: only column 0
    std::vector<double> perColumn(std::size_t(w), 1.0);  // after a: old
    const std::vector<double> walk = ramp(last + 1, 1.0 / a);
    std::copy(walk.begin(), walk.end(), perColumn.begin());
    blendColumns(bmp, other, std::move(perColumn));
}

void MorphRightGradient(Raster& bmp, const Raster& other, double k) {
    if (!sameSize(bmp, other)) return;
    const int w = bmp.width();
    const int a = std::max(0, std::min(w - scaled(w, clampFactor(k)), w - 1));
    std::vector<double> perColumn(std::size_t(w), 1.0);
    const std::vector<double> walk = ramp(w - a, 1.0 / (w - a));
    for (int j = 0; j < w - a; ++j) perColumn[std::size_t(w - 1 - j)] = walk[std::size_t(j)];
    blendColumns(bmp, other, std::move(perColumn));
}

void MorphLeftSlide(Raster& bmp, const Raster& other, double k) {
    if (!sameSize(bmp, other)) return;
    const int w = bmp.width();
    const int b = std::max(1, std::min(scaled(w, clampFactor(k)), w - 1));
    for (int y = 0; y < bmp.height(); ++y) {
        std::memcpy(bmp.row(y), other.row(y) + 3 * (w - b), std::size_t(3) * b);
    }
}

void MorphRightSlide(Raster& bmp, const Raster& other, double k) {
    if (!sameSize(bmp, other)) return;
    const int w = bmp.width();
    const int b = std::max(1, std::min(scaled(w, clampFactor(k)), w - 1));
    for (int y = 0; y < bmp.height(); ++y) {
        std::memcpy(bmp.row(y) + 3 * (w - b), other.row(y), std::size_t(3) * b);
    }
}

void MorphPush(Raster& bmp, const Raster& other, double k) {
    if (!sameSize(bmp, other)) return;
    const int w = bmp.width();
    const int a = std::max(0, std::min(scaled(w, clampFactor(k)), w - 1));
    for (int y = 0; y < bmp.height(); ++y) {
        std::uint8_t* row = bmp.row(y);
        // The old picture moves right by a + 1 columns, then the new one's last a + 1 columns enter.
        std::memmove(row + 3 * (a + 1), row, std::size_t(3) * (w - a - 1));
        std::memcpy(row, other.row(y) + 3 * (w - a - 1), std::size_t(3) * (a + 1));
    }
}

void applyMorph(Raster& bmp, const Raster& other, MorphKind kind, double k) {
    switch (kind) {
        case MorphKind::mkDefault:
            Morph(bmp, other, k);
            break;
        case MorphKind::mkGradient:
            MorphGradient(bmp, other, k);
            break;
        case MorphKind::mkLeftGradient:
            MorphLeftGradient(bmp, other, k);
            break;
        case MorphKind::mkRightGradient:
            MorphRightGradient(bmp, other, k);
            break;
        case MorphKind::mkLeftSlide:
            MorphLeftSlide(bmp, other, k);
            break;
        case MorphKind::mkRightSlide:
            MorphRightSlide(bmp, other, k);
            break;
        case MorphKind::mkPush:
            MorphPush(bmp, other, k);
            break;
    }
}

}  // namespace vireltan
