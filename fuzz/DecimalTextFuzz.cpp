// Decimal text rules under arbitrary input. Any text either parses to a finite value or is rejected
// with the conversion error, never anything else; eight bytes are also read as a double whose general
// text must parse back to within fifteen digits; ten or more bytes also drive the number format with
// any precision and count of decimals, and exactly ten bytes are read as an extended value for the
// extended general format. The trim must only ever shorten its text.
#include "app/DecimalText.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

void parseAnyText(const std::string& text) {
    try {
        const long double value = vireltan::ParseDecimalText(text);
        check(std::isfinite(value));
    } catch (const vireltan::EConvertError& error) {
        check(std::string(error.what()).rfind("'", 0) == 0);
    }
}

void roundTrip(double value) {
    const std::string text = vireltan::FormatGeneral(value);
    check(vireltan::FormatGeneralExtended(value) == text);
    if (!std::isfinite(value)) return;
    const long double back = vireltan::ParseDecimalText(text);
    const long double exact = value;
    check(std::fabs(back - exact) <= 1e-14L * std::fabs(exact));
}

void formatWithParameters(double value, int precision, int decimals) {
    const std::string text = vireltan::FormatNumber(value, precision, decimals);
    check(!text.empty());
    const std::string trimmed = vireltan::TrimTrailingZeros(text);
    check(text.compare(0, trimmed.size(), trimmed) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    parseAnyText(text);
    const std::string trimmed = vireltan::TrimTrailingZeros(text);
    check(text.compare(0, trimmed.size(), trimmed) == 0);
    (void)vireltan::IsEmptyLike(text);

    if (size >= 8) {
        double value = 0;
        std::memcpy(&value, data, sizeof value);
        if (size == 8) roundTrip(value);
        if (size >= 10) {
            formatWithParameters(value, static_cast<std::int8_t>(data[8]), static_cast<std::int8_t>(data[9]));
        }
    }
    if (size == 10) {  // an x87 extended value: its longest expansions are costly, so only this size
        long double extended = 0;
        std::memcpy(&extended, data, 10);
        (void)vireltan::FormatGeneralExtended(extended);
    }
    return 0;
}
