// The skin definition file reader on arbitrary text: parsing, lookups, listing and writing back.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "skin/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(bytes), size);
    const vireltan::IniFile ini(text);
    const auto names = ini.sectionNames();
    for (const auto& section : names) {
        for (const auto& key : ini.sectionKeys(section)) {
            // The first occurrence of every listed key is found.
            if (!ini.findValue(section, key)) __builtin_trap();
            ini.readInteger(section, key, 0);
        }
        ini.sectionLines(section);
    }
    // What the writer produces reads back with the same sections and keys.
    const vireltan::IniFile again(ini.toText());
    if (again.sectionCount() != ini.sectionCount()) __builtin_trap();
    for (const auto& section : names) {
        for (const auto& key : ini.sectionKeys(section)) {
            if (again.findValue(section, key) != ini.findValue(section, key)) __builtin_trap();
        }
    }
    return 0;
}
