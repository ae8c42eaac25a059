// The container loader on arbitrary input: the bytes are tried both as the compressed data of a stored
// skin (mostly damaged zlib) and, packed first, as the inflated container itself, so that the picture,
// text and definition readers see arbitrary data too. Any SkinError is an acceptable end of a load.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "skin/SkinData.h"
#include "skin/SkinErrors.h"
#include "skin/StoredSkin.h"

namespace {

void load(std::vector<std::uint8_t> compressed) {
    vireltan::TbsCompressedStoredSkin stored;
    const bool nothing = compressed.empty();
    stored.setCompressedData(std::move(compressed));
    vireltan::TbsSkinData data;
    try {
        data.LoadStoredSkin(stored);
    } catch (const vireltan::SkinError&) {
        // A stopped load: the skin data must still be consistent and destructible.
        if (!data.SkinEmpty() || !data.SkinChanging()) __builtin_trap();
        return;
    }
    // Loaded, stopped at a later version, or (empty stored skin) untouched.
    if (nothing ? (!data.SkinEmpty() || data.SkinChanging()) : data.SkinEmpty() != data.SkinChanging()) {
        __builtin_trap();
    }
    data.FindControlDefinition("groupbox");
    data.FindObjectDefinition("caption");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::vector<std::uint8_t> input(bytes, bytes + size);
    load(input);
    load(vireltan::deflateSkinStream(input, 1));
    return 0;
}
