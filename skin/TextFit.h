// Shortening a text with "..." to a width, measured by the caller (the Win32 layer passes GDI's
// measurement in the canvas font).
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace vireltan {

using MeasureUtf8 = std::function<int(std::string_view)>;
using MeasureUtf16 = std::function<int(std::u16string_view)>;

// The text when it fits in maxWidth; otherwise the longest prefix (whole characters) that fits with
// "..." after it, or "..." alone when none does.
std::string FitTextWithEllipsis(std::string_view text, int maxWidth, const MeasureUtf8& measure);
std::u16string FitTextWithEllipsis(std::u16string_view text, int maxWidth, const MeasureUtf16& measure);

}  // namespace vireltan
