// Reading and writing rasters as BMP files (for skintool and tests). The reader takes uncompressed
// 1-, 4-, 8-, 24- and 32-bit pictures, top-down or bottom-up; the writer writes 24-bit bottom-up.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "skin/Raster.h"

namespace vireltan {

// The picture, or nothing (and `error` set when given) for a malformed or unsupported file. Sizes are
// checked against the data before anything is allocated.
std::optional<Raster> readRasterBmp(std::span<const std::uint8_t> data, std::string* error = nullptr);
std::vector<std::uint8_t> writeRasterBmp(const Raster& raster);

std::optional<Raster> loadRasterBmpFile(const std::string& path, std::string* error = nullptr);
bool saveRasterBmpFile(const Raster& raster, const std::string& path, std::string* error = nullptr);

}  // namespace vireltan
