// The one crossing between our UTF-8 texts and the UTF-16 the wide-character Win32 functions take.
#pragma once

#include <string>
#include <string_view>

namespace vireltan {

// Invalid sequences become U+FFFD rather than failing: texts come from controls and resources,
// and a bad byte must not turn a repaint into an error report.
std::wstring toWide(std::string_view utf8);
std::string toUtf8(std::wstring_view wide);

}  // namespace vireltan
