// The skin rectangle and point readers on arbitrary values: they either stop with the conversion
// error or give non-negative coordinates that format back to a value reading the same.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "skin/SkinErrors.h"
#include "skin/SkinValues.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(bytes), size);
    try {
        const vireltan::SkinRect r = vireltan::parseSkinRect(text);
        if (r.left < 0 || r.top < 0 || r.right < 0 || r.bottom < 0) __builtin_trap();
        if (!(vireltan::parseSkinRect(vireltan::formatSkinRect(r)) == r)) __builtin_trap();
    } catch (const vireltan::SkinConvertError&) {
    }
    try {
        const vireltan::SkinPoint p = vireltan::parseSkinPoint(text);
        if (p.x < 0 || p.y < 0) __builtin_trap();
        if (!(vireltan::parseSkinPoint(vireltan::formatSkinPoint(p)) == p)) __builtin_trap();
    } catch (const vireltan::SkinConvertError&) {
    }
    vireltan::parseFontStyle(text);
    vireltan::parseIniInteger(text);
    return 0;
}
