#include "imagebutton/PngPicture.h"

#include <png.h>

#include <memory>

namespace vireltan {
namespace {

// Frees what libpng's simplified reader holds even when we leave early.
struct ImageReader {
    png_image image{};
    ImageReader() { image.version = PNG_IMAGE_VERSION; }
    ImageReader(const ImageReader&) = delete;
    ImageReader& operator=(const ImageReader&) = delete;
    ~ImageReader() { png_image_free(&image); }
};

// The colour type as the header stores it: the simplified reader folds a transparency table into
// its alpha flag, but a colour picture with one still has no alpha channel of its own. The reader
// has checked that the header comes first, so the byte is there.
PngColorKind kindOf(std::span<const std::uint8_t> file) {
    constexpr std::size_t kColorTypeOffset = 8 + 4 + 4 + 4 + 4 + 1;  // signature, length, type, w, h, depth
    switch (file[kColorTypeOffset]) {
        case PNG_COLOR_TYPE_GRAY:
            return PngColorKind::gray;
        case PNG_COLOR_TYPE_GRAY_ALPHA:
            return PngColorKind::grayAlpha;
        case PNG_COLOR_TYPE_RGB:
            return PngColorKind::rgb;
        case PNG_COLOR_TYPE_PALETTE:
            return PngColorKind::palette;
        default:
            return PngColorKind::rgbAlpha;
    }
}

}  // namespace

void PngPicture::clear() {
    width_ = height_ = 0;
    kind_ = PngColorKind::rgbAlpha;
    transparency_ = false;
    pixels_.clear();
    pixels_.shrink_to_fit();
}

bool PngPicture::loadFromMemory(std::span<const std::uint8_t> bytes) {
    clear();
    if (bytes.empty()) return false;
    ImageReader reader;
    if (!png_image_begin_read_from_memory(&reader.image, bytes.data(), bytes.size())) return false;
    const png_uint_32 w = reader.image.width;
    const png_uint_32 h = reader.image.height;
    if (w == 0 || h == 0 || w > kMaxSide || h > kMaxSide || std::size_t{w} * h > kMaxPixels) return false;

    const png_uint_32 sourceFormat = reader.image.format;
    reader.image.format = PNG_FORMAT_RGBA;
    std::vector<RgbaPixel> pixels(std::size_t{w} * h);
    static_assert(sizeof(RgbaPixel) == 4);
    if (!png_image_finish_read(&reader.image, nullptr, pixels.data(), static_cast<png_int_32>(4 * w),
                               nullptr)) {
        return false;
    }

    width_ = static_cast<int>(w);
    height_ = static_cast<int>(h);
    kind_ = kindOf(bytes);
    transparency_ = (sourceFormat & PNG_FORMAT_FLAG_ALPHA) != 0;
    pixels_ = std::move(pixels);
    return true;
}

PngPicture disabledPicture(const PngPicture& normal) {
    PngPicture result = normal;
    if (result.empty() || result.colorKind() == PngColorKind::palette) return result;
    // A picture without alpha counts as fully opaque, so it ends at 255 / 3 = 85 like the rest.
    for (int y = 0; y < result.height(); ++y) {
        for (RgbaPixel& p : result.row(y)) p.a = static_cast<std::uint8_t>(p.a / 3);
    }
    return result;
}

}  // namespace vireltan
