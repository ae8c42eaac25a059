#include "skin/SkinDefinitionList.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace vireltan {
namespace {

// The index an entry key stands for: only the plain decimal form (no sign, no leading zeros) matches
// the key a reader would ask for.
std::optional<int> entryIndex(std::string_view key, int count) {
    if (key.empty() || key.size() > 10) return std::nullopt;
    if (key.size() > 1 && key.front() == '0') return std::nullopt;
    std::int64_t value = 0;
    for (char c : key) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value >= count) return std::nullopt;
    return static_cast<int>(value);
}

}  // namespace

SkinDefinitionEntry splitDefinitionEntry(std::string_view entry) {
    const auto colon = entry.find(':');
    if (colon == std::string_view::npos) return {};
    return {std::string(entry.substr(0, colon)), std::string(entry.substr(colon + 1))};
}

std::vector<SkinDefinitionEntry> readDefinitionEntries(const IniFile& ini, std::string_view section) {
    const IniFile::SectionView list = ini.section(section);
    const int count = list.readInteger("count", 0);
    if (count <= 0) return {};

    std::vector<int> indexes;
    for (const std::string& key : ini.sectionKeys(section)) {
        if (auto index = entryIndex(key, count)) indexes.push_back(*index);
    }
    std::sort(indexes.begin(), indexes.end());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());

    std::vector<SkinDefinitionEntry> entries;
    entries.reserve(indexes.size());
    for (int index : indexes) {
        // The first occurrence of a repeated key is the one a lookup finds.
        entries.push_back(splitDefinitionEntry(list.findValue(std::to_string(index)).value_or("")));
    }
    return entries;
}

}  // namespace vireltan
