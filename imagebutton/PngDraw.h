// PNG pictures on GDI: loading one from the program's resources and drawing it over whatever the
// context already shows, blended by its alpha.
#pragma once

#include "imagebutton/PngPicture.h"

#include <windows.h>

#include <cstdint>

namespace vireltan {

// One channel of `source` over `destination` at `alpha` (0 transparent … 255 opaque), rounded to
// nearest.
constexpr std::uint8_t blendChannel(std::uint8_t source, std::uint8_t destination, std::uint8_t alpha) {
    return static_cast<std::uint8_t>((source * alpha + destination * (255 - alpha) + 127) / 255);
}

// The picture in the RCDATA resource `name` of `instance`; empty when there is none or it is not
// a readable PNG.
PngPicture loadPngResource(HINSTANCE instance, const wchar_t* name);

// Draws `picture` with its top-left corner at (x, y) in the context's logical coordinates,
// respecting the context's clipping.
void drawPng(HDC dc, int x, int y, const PngPicture& picture);

}  // namespace vireltan
