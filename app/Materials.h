// The conductor materials the selector offers: the item text, the resistivity written into the
// resistivity field, and the bitmap resource shown in the preview.
#pragma once

#include <span>
#include <string_view>

namespace vireltan {

struct Material {
    std::string_view item;         // the selector's item text
    std::string_view resistivity;  // decimal text, Ω·mm²/m
    std::string_view resource;     // bitmap resource name (UTF-8)
    int bitmapWidth;
    int bitmapHeight;
};

// The eight rows in the selector's item order.
std::span<const Material> materials();

// The same rows in the order the selector's text is compared with them; the most common conductors
// come first.
std::span<const Material* const> materialsInMatchOrder();

}  // namespace vireltan
