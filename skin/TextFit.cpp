#include "skin/TextFit.h"

namespace vireltan {
namespace {

// Start of the last character: UTF-8 continuation bytes and the low half of a surrogate pair belong
// to the character before them.
std::size_t lastCharStart(std::string_view s) {
    std::size_t i = s.size() - 1;
    while (i > 0 && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) --i;
    return i;
}

std::size_t lastCharStart(std::u16string_view s) {
    std::size_t i = s.size() - 1;
    if (i > 0 && s[i] >= 0xDC00 && s[i] <= 0xDFFF && s[i - 1] >= 0xD800 && s[i - 1] <= 0xDBFF) --i;
    return i;
}

template <class Char, class Measure>
std::basic_string<Char> fit(std::basic_string_view<Char> text, int maxWidth, const Measure& measure) {
    const std::basic_string<Char> dots{Char('.'), Char('.'), Char('.')};
    if (measure(text) <= maxWidth) return std::basic_string<Char>(text);
    std::basic_string<Char> s(text);
    while (!s.empty()) {
        s.erase(lastCharStart(std::basic_string_view<Char>(s)));
        if (measure(std::basic_string_view<Char>(s + dots)) <= maxWidth) break;
    }
    return s + dots;
}

}  // namespace

std::string FitTextWithEllipsis(std::string_view text, int maxWidth, const MeasureUtf8& measure) {
    return fit<char>(text, maxWidth, measure);
}

std::u16string FitTextWithEllipsis(std::u16string_view text, int maxWidth, const MeasureUtf16& measure) {
    return fit<char16_t>(text, maxWidth, measure);
}

}  // namespace vireltan
