// The BMP reader on arbitrary bytes: it consumes no more than it is given, and whatever it decodes can
// be written and read back to the same picture.
#include <cstddef>
#include <cstdint>
#include <span>

#include "skin/Bmp.h"
#include "skin/SkinErrors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    vireltan::ByteReader in(std::span<const std::uint8_t>(bytes, size));
    vireltan::SkinPicture picture;
    try {
        picture = vireltan::readBmp(in);
    } catch (const vireltan::SkinError&) {
        return 0;
    }
    if (in.position() > size) __builtin_trap();
    for (int y = 0; y < picture.height && y < 4; ++y) {
        for (int x = 0; x < picture.width && x < 4; ++x) picture.colorAt(x, y);
    }
    // Large pictures are legal but slow to copy twice; the round trip is checked on small ones.
    if (static_cast<long long>(picture.width) * picture.height > 65536) return 0;
    const auto file = vireltan::writeBmp(picture);
    vireltan::ByteReader again(file);
    const vireltan::SkinPicture back = vireltan::readBmp(again);
    if (!again.atEnd()) __builtin_trap();
    if (!picture.isEmpty() && picture.palette.size() <= 256 && !(back == picture)) __builtin_trap();
    return 0;
}
