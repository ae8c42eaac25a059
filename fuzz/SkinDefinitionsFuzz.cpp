// Any skin file text: reading the definition lists either succeeds or stops with the conversion error,
// and whatever is read, once saved, reads back to the same saved text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "skin/IniFile.h"
#include "skin/SkinControls.h"
#include "skin/SkinErrors.h"
#include "skin/SkinObjects.h"

namespace {

template <class Definition, class Make>
void checkRoundTrip(const Definition& definition, Make make) {
    vireltan::IniFile first;
    definition.SaveToIni(first);
    auto copy = make(definition.kindWord(), definition.name);
    if (!copy) std::abort();
    copy->LoadFromIni(vireltan::IniFile(first.toText()));
    vireltan::IniFile second;
    copy->SaveToIni(second);
    if (second.toText() != first.toText()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const vireltan::IniFile ini(std::string_view(reinterpret_cast<const char*>(data), size));
    try {
        for (const auto& object : vireltan::ReadSkinObjects(ini))
            checkRoundTrip(*object, vireltan::makeSkinObject);
        for (const auto& control : vireltan::ReadSkinControls(ini)) {
            checkRoundTrip(*control, vireltan::makeSkinControl);
        }
    } catch (const vireltan::SkinConvertError&) {
        // A malformed rectangle or point stops the read; that is the one failure allowed.
    }
    return 0;
}
