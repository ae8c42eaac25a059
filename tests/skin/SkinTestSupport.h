// Builders for skin tests: pictures with known pixels, containers and stored skins made with the
// project's own writer and real zlib.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "skin/Bmp.h"
#include "skin/StoredSkin.h"

namespace vireltan::testing {

// A picture whose pixels follow a fixed pattern, so that any misplaced byte shows.
inline SkinPicture patternPicture(int width, int height, int bitCount, int seed = 1) {
    SkinPicture p;
    p.width = width;
    p.height = height;
    p.bitCount = bitCount;
    if (bitCount <= 8) {
        for (int i = 0; i < (1 << bitCount); ++i) {
            p.palette.push_back(static_cast<std::uint32_t>((i * 37 + seed) & 0xFF) |
                                (static_cast<std::uint32_t>((i * 91 + seed) & 0xFF) << 8) |
                                (static_cast<std::uint32_t>((i * 13 + seed) & 0xFF) << 16));
        }
    }
    p.masks = bitCount == 16 ? std::array<std::uint32_t, 3>{0x7C00u, 0x03E0u, 0x001Fu}
                             : std::array<std::uint32_t, 3>{0xFF0000u, 0xFF00u, 0xFFu};
    p.pixels.resize(p.stride() * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        // Only the bytes that hold pixels vary; row padding stays zero as a writer leaves it.
        const std::size_t used = (static_cast<std::size_t>(width) * bitCount + 7) / 8;
        for (std::size_t x = 0; x < used; ++x) {
            p.pixels[y * p.stride() + x] = static_cast<std::uint8_t>((x * 7 + y * 31 + seed * 11) & 0xFF);
        }
        if (bitCount < 8 && (width * bitCount) % 8 != 0) {
            // Bits past the last pixel of a row are padding as well.
            const int spare = 8 - (width * bitCount) % 8;
            p.pixels[y * p.stride() + used - 1] &= static_cast<std::uint8_t>(0xFF << spare);
        }
    }
    return p;
}

inline std::vector<std::uint8_t> bytesOf(const std::string& text) {
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

inline void appendI32(std::vector<std::uint8_t>& out, std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

inline void appendBytes(std::vector<std::uint8_t>& out, const std::vector<std::uint8_t>& more) {
    out.insert(out.end(), more.begin(), more.end());
}

inline TbsCompressedStoredSkin storedSkinOf(const std::vector<std::uint8_t>& container) {
    TbsCompressedStoredSkin stored;
    stored.setCompressedData(deflateSkinStream(container, 9));
    return stored;
}

// A skin definition text with the sections a packer insists on and the given extra lines.
inline std::string minimalSkinText(const std::string& extra = "") {
    return "[VERSION]\r\nskinname=Test\r\n[PICTURES]\r\npicture=main.bmp\r\nmask=mask.bmp\r\n"
           "[FORMINFO]\r\n[SKINOBJECTS]\r\ncount=0\r\n[SKINCONTROLS]\r\ncount=0\r\n" +
           extra;
}

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
  public:
    TempDir() {
        path_ = std::filesystem::temp_directory_path() /
                ("vireltan-skin-" + std::to_string(std::random_device{}()) + "-" +
                 std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& path() const { return path_; }
    void write(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
        std::ofstream out(path_ / name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

  private:
    std::filesystem::path path_;
};

}  // namespace vireltan::testing
