#include "skin/BlendKernel.h"

#include <cstring>

namespace vireltan::effects {

void blendBytes(std::uint8_t* row, const std::uint8_t* other, int count, const BlendWeights& w,
                std::uint8_t* tmp) {
    if (!w.usable) {
        for (int i = 0; i < count; ++i) row[i] = blendExact(w, row[i], other[i]);
        return;
    }
    const std::uint32_t fo = w.fo;
    const std::uint32_t fn = w.fn;
    if (w.exact) {
        for (int i = 0; i < count; ++i) {
            const std::uint32_t f = fo * row[i] + fn * other[i];
            const std::uint32_t v = f >> kFracBits;
            const std::uint32_t frac = f & kMask;
            tmp[i] = std::uint8_t(v + ((frac > kHalf) | ((frac == kHalf) & (v & 1))));
        }
        std::memcpy(row, tmp, std::size_t(count));
        return;
    }
    std::uint32_t undecided = 0;
    for (int i = 0; i < count; ++i) {
        const std::uint32_t f = fo * row[i] + fn * other[i];
        tmp[i] = std::uint8_t((f + kHalf) >> kFracBits);
        undecided |= std::uint32_t((f & kMask) - (kHalf - kWindow) <= 2 * kWindow);
    }
    if (undecided != 0) {
        for (int i = 0; i < count; ++i) {
            const std::uint32_t f = fo * row[i] + fn * other[i];
            if ((f & kMask) - (kHalf - kWindow) <= 2 * kWindow) tmp[i] = blendExact(w, row[i], other[i]);
        }
    }
    std::memcpy(row, tmp, std::size_t(count));
}

void blendPixels(std::uint8_t* row, const std::uint8_t* other, int pixels, const BlendWeights* weights) {
    for (int x = 0; x < pixels; ++x) {
        const BlendWeights& w = weights[x];
        std::uint8_t* p = row + 3 * x;
        const std::uint8_t* q = other + 3 * x;
        for (int c = 0; c < 3; ++c) {
            int v = w.usable ? decideFixed(w.fo * p[c] + w.fn * q[c], w.exact) : -1;
            if (v < 0) v = blendExact(w, p[c], q[c]);
            p[c] = std::uint8_t(v);
        }
    }
}

}  // namespace vireltan::effects
