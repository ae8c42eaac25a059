#include "skin/RasterBmp.h"

#include <fstream>
#include <iterator>

namespace vireltan {
namespace {

std::uint32_t le32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}
std::uint16_t le16(const std::uint8_t* p) {
    return std::uint16_t(p[0] | p[1] << 8);
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(std::uint8_t(v >> (8 * i)));
}
void put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}

std::optional<Raster> fail(std::string* error, const char* message) {
    if (error != nullptr) *error = message;
    return std::nullopt;
}

}  // namespace

std::optional<Raster> readRasterBmp(std::span<const std::uint8_t> d, std::string* error) {
    if (d.size() < 26 || d[0] != 'B' || d[1] != 'M') return fail(error, "not a BMP file");
    const std::uint32_t offBits = le32(&d[10]);
    const std::uint32_t headerSize = le32(&d[14]);
    if (headerSize < 40 || 14 + std::uint64_t(headerSize) > d.size())
        return fail(error, "unsupported BMP header");
    const std::int32_t width = std::int32_t(le32(&d[18]));
    const std::int32_t rawHeight = std::int32_t(le32(&d[22]));
    const int bpp = le16(&d[28]);
    const std::uint32_t compression = le32(&d[30]);
    std::uint32_t colours = le32(&d[46]);
    // 32-bit pictures may carry BI_BITFIELDS with the usual masks; the bytes are read as B, G, R, x.
    if (compression != 0 && !(compression == 3 && bpp == 32))
        return fail(error, "compressed BMP not supported");
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32)
        return fail(error, "unsupported bit depth");
    if (width <= 0 || rawHeight == 0 || rawHeight == INT32_MIN || width > 1 << 20) {
        return fail(error, "bad BMP size");
    }
    const bool topDown = rawHeight < 0;
    const std::int64_t height = topDown ? -std::int64_t(rawHeight) : rawHeight;
    const std::uint64_t srcStride = ((std::uint64_t(width) * bpp + 31) / 32) * 4;
    if (offBits > d.size() || srcStride * std::uint64_t(height) > d.size() - offBits) {
        return fail(error, "BMP pixel data truncated");
    }
    std::vector<Bgr> palette;
    if (bpp <= 8) {
        if (colours == 0 || colours > (1u << bpp)) colours = 1u << bpp;
        const std::uint64_t palStart = 14 + std::uint64_t(headerSize);
        if (palStart + 4 * std::uint64_t(colours) > offBits) return fail(error, "BMP palette truncated");
        for (std::uint32_t i = 0; i < colours; ++i) {
            const std::uint8_t* p = &d[std::size_t(palStart + 4 * i)];
            palette.push_back({p[0], p[1], p[2]});
        }
    }
    Raster r(width, int(height));
    for (std::int64_t y = 0; y < height; ++y) {
        const std::uint8_t* src = &d[std::size_t(offBits + srcStride * std::uint64_t(y))];
        const int ty = int(topDown ? y : height - 1 - y);
        std::uint8_t* out = r.row(ty);
        for (int x = 0; x < width; ++x, out += 3) {
            Bgr c;
            if (bpp == 24 || bpp == 32) {
                const std::uint8_t* p = src + x * (bpp / 8);
                c = {p[0], p[1], p[2]};
            } else {
                const int bitPos = x * bpp;
                const int byte = src[bitPos / 8];
                const int index = (byte >> (8 - bpp - bitPos % 8)) & ((1 << bpp) - 1);
                c = std::size_t(index) < palette.size() ? palette[std::size_t(index)] : Bgr{};
            }
            out[0] = c.b;
            out[1] = c.g;
            out[2] = c.r;
        }
    }
    return r;
}

std::vector<std::uint8_t> writeRasterBmp(const Raster& raster) {
    const std::uint32_t stride = std::uint32_t(raster.stride());
    const std::uint32_t imageSize = stride * std::uint32_t(raster.height());
    std::vector<std::uint8_t> out;
    out.reserve(54 + imageSize);
    out.push_back('B');
    out.push_back('M');
    put32(out, 54 + imageSize);
    put32(out, 0);
    put32(out, 54);
    put32(out, 40);
    put32(out, std::uint32_t(raster.width()));
    put32(out, std::uint32_t(raster.height()));
    put16(out, 1);
    put16(out, 24);
    put32(out, 0);
    put32(out, imageSize);
    put32(out, 2835);
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);
    for (int y = raster.height() - 1; y >= 0; --y) {
        const std::uint8_t* row = raster.row(y);
        out.insert(out.end(), row, row + 3 * raster.width());
        for (int i = 3 * raster.width(); i < int(stride); ++i) out.push_back(0);
    }
    return out;
}

std::optional<Raster> loadRasterBmpFile(const std::string& path, std::string* error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return fail(error, "cannot open file");
    const std::vector<std::uint8_t> data((std::istreambuf_iterator<char>(in)),
                                         std::istreambuf_iterator<char>());
    return readRasterBmp(data, error);
}

bool saveRasterBmpFile(const Raster& raster, const std::string& path, std::string* error) {
    const std::vector<std::uint8_t> data = writeRasterBmp(raster);
    std::ofstream out(path, std::ios::binary);
    if (out) out.write(reinterpret_cast<const char*>(data.data()), std::streamsize(data.size()));
    if (!out) {
        if (error != nullptr) *error = "cannot write file";
        return false;
    }
    return true;
}

}  // namespace vireltan
