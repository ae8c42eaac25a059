// A decoded PNG picture: 32-bit pixels with straight (not premultiplied) alpha, whatever the file's
// colour type. Decoding never throws: data that is not a readable PNG leaves the picture empty.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vireltan {

struct RgbaPixel {
    std::uint8_t r = 0, g = 0, b = 0, a = 0;
    friend bool operator==(const RgbaPixel&, const RgbaPixel&) = default;
};

// How the file stored its colours; the disabled picture treats palette pictures differently.
enum class PngColorKind { gray, grayAlpha, rgb, rgbAlpha, palette };

class PngPicture {
  public:
    // Pictures larger than this are refused rather than allocated: a button picture never needs
    // more, and a forged header must not make us reserve gigabytes.
    static constexpr int kMaxSide = 8192;
    static constexpr std::size_t kMaxPixels = std::size_t{4096} * 4096;

    // Replaces the picture with the PNG file in `bytes`; on failure the picture is empty and false
    // comes back.
    bool loadFromMemory(std::span<const std::uint8_t> bytes);
    void clear();

    bool empty() const { return pixels_.empty(); }
    int width() const { return width_; }
    int height() const { return height_; }
    PngColorKind colorKind() const { return kind_; }
    // The file carried transparency: an alpha channel or a transparency table.
    bool hasTransparency() const { return transparency_; }

    const RgbaPixel& pixel(int x, int y) const { return pixels_[index(x, y)]; }
    RgbaPixel& pixel(int x, int y) { return pixels_[index(x, y)]; }
    std::span<const RgbaPixel> row(int y) const { return {pixels_.data() + index(0, y), pixelCount(width_)}; }
    std::span<RgbaPixel> row(int y) { return {pixels_.data() + index(0, y), pixelCount(width_)}; }

  private:
    static std::size_t pixelCount(int n) { return static_cast<std::size_t>(n); }
    std::size_t index(int x, int y) const { return pixelCount(y) * pixelCount(width_) + pixelCount(x); }

    int width_ = 0;
    int height_ = 0;
    PngColorKind kind_ = PngColorKind::rgbAlpha;
    bool transparency_ = false;
    std::vector<RgbaPixel> pixels_;  // rows top first
};

// The picture a disabled button shows: a third of the normal opacity (alpha / 3, rounded down).
// Palette pictures are left as they are: the dimming works on an alpha channel, and a palette
// picture keeps its colour table instead of gaining one.
PngPicture disabledPicture(const PngPicture& normal);

}  // namespace vireltan
