// The two definition lists of a skin file, [SKINOBJECTS] and [SKINCONTROLS]: a "count" key and the
// entries "0", "1", ... each of the form "name:kind".
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "skin/IniFile.h"

namespace vireltan {

struct SkinDefinitionEntry {
    std::string name;  // the section that holds the definition's keys
    std::string kind;  // the word that selects the definition class
};

// Splits an entry at its first ":"; an entry without one has an empty name and an empty kind.
SkinDefinitionEntry splitDefinitionEntry(std::string_view entry);

// The entries under the keys "0" to count-1, in index order. Entries whose key is missing are left
// out, since they name no definition. Only the keys present in the section are visited, so a huge
// count costs nothing more than the entries actually written.
std::vector<SkinDefinitionEntry> readDefinitionEntries(const IniFile& ini, std::string_view section);

}  // namespace vireltan
