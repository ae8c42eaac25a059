// Shared by the definition tests: the expected keys of a definition class written as compact text
// ("key:type" or "key:type=default"), and the skin file texts built from them.
//
// Types: i integer, c colour, b boolean, s string, r skin rectangle, p skin point, f font style,
// a alignment, t stretch type, m morph kind, w command word.
#pragma once

#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "skin/IniFile.h"

namespace vireltan::testing {

struct KeyEntry {
    std::string key;
    char type = 'i';
    std::string def;  // as written after "=", empty when the type's usual default applies
};

inline std::vector<KeyEntry> parseKeys(const std::vector<std::string_view>& groups) {
    std::vector<KeyEntry> keys;
    for (std::string_view group : groups) {
        std::istringstream words{std::string(group)};
        std::string word;
        while (words >> word) {
            KeyEntry key;
            const auto colon = word.find(':');
            key.key = word.substr(0, colon);
            key.type = word.at(colon + 1);
            if (word.size() > colon + 2) key.def = word.substr(colon + 3);
            keys.push_back(key);
        }
    }
    return keys;
}

// The text the writer gives for the key's default.
inline std::string defaultText(const KeyEntry& key) {
    if (!key.def.empty()) return key.def;
    switch (key.type) {
        case 'i':
        case 'c':
        case 'b':
            return "0";
        case 'r':
            return "0,0,0,0";
        case 'p':
            return "0,0";
        case 'a':
            return "tacenter";
        case 't':
            return "stfull";
        case 'm':
            return "mkdefault";
        case 'w':
            return "cmdefault";
        default:
            return "";  // strings and font styles
    }
}

// A value that differs from the default, as written into a skin file (in a form the reader has to
// convert) and as the writer gives it back. `n` makes the values of one section differ.
struct Sample {
    std::string input;
    std::string output;
};

inline Sample sampleValue(const KeyEntry& key, int n) {
    const std::string a = std::to_string(n);
    switch (key.type) {
        case 'i': {
            std::ostringstream hex;
            hex << "0x" << std::hex << (100 + n);
            return {hex.str(), std::to_string(100 + n)};
        }
        case 'c': {
            std::ostringstream hex;
            hex << "$" << std::hex << (0x10000 + n);
            return {hex.str(), std::to_string(0x10000 + n)};
        }
        case 'b':
            return {"1", "1"};
        case 's':
            return {"text " + a, "text " + a};
        case 'r':
            return {" " + a + " , " + std::to_string(n + 1) + "," + std::to_string(n + 12) + ",+" +
                        std::to_string(n + 13),
                    a + "," + std::to_string(n + 1) + "," + std::to_string(n + 12) + "," +
                        std::to_string(n + 13)};
        case 'p':
            return {a + " , -" + std::to_string(n + 2), a + "," + std::to_string(n + 2)};
        case 'f':
            return {"fsunderline,fsbold", "fsbold,fsunderline"};
        case 'a':
            return {"taleftjustify", "taleftjustify"};
        case 't':
            return {"stvert", "stvert"};
        case 'm':
            return {"mkpush", "mkpush"};
        case 'w':
            return {"cmrollup", "cmrollup"};
        default:
            return {};
    }
}

// A skin file with one list section holding `entries` (keys "0", "1", ...) and the given sections.
inline std::string listText(std::string_view listSection, const std::vector<std::string>& entries) {
    std::string text(1, '[');
    text.append(listSection).append("]\r\ncount=").append(std::to_string(entries.size())).append("\r\n");
    for (std::size_t i = 0; i < entries.size(); ++i) {
        text.append(std::to_string(i)).append("=").append(entries[i]).append("\r\n");
    }
    return text;
}

inline std::string sectionText(std::string_view name, const std::vector<std::string>& lines) {
    std::string text(1, '[');
    text.append(name).append("]\r\n");
    for (const std::string& line : lines) text.append(line).append("\r\n");
    return text;
}

// The lines of a section holding every key at its sample value, written last key first so that the
// reading order cannot depend on the writing order, with every second key name in capitals.
inline std::vector<std::string> sampleLines(const std::vector<KeyEntry>& keys) {
    std::vector<std::string> lines;
    for (std::size_t i = keys.size(); i-- > 0;) {
        std::string key = keys[i].key;
        if (i % 2 == 1) {
            for (char& c : key) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
        }
        lines.push_back(key + "=" + sampleValue(keys[i], static_cast<int>(i)).input);
    }
    return lines;
}

struct SavedKey {
    std::string key;
    std::string value;
    bool operator==(const SavedKey&) const = default;
};

inline std::vector<SavedKey> savedKeys(const IniFile& ini, std::string_view section) {
    std::vector<SavedKey> saved;
    for (const std::string& key : ini.sectionKeys(section))
        saved.push_back({key, ini.readString(section, key, "")});
    return saved;
}

inline std::ostream& operator<<(std::ostream& out, const SavedKey& k) {
    return out << k.key << "=" << k.value;
}

// What a saved section must hold: every key in order with either its default or its sample.
inline std::vector<SavedKey> expectedKeys(const std::vector<KeyEntry>& keys, bool samples,
                                          const std::vector<std::string>& resetKeys = {}) {
    std::vector<SavedKey> expected;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        bool reset = false;
        for (const std::string& k : resetKeys) reset = reset || k == keys[i].key;
        expected.push_back({keys[i].key, samples && !reset ? sampleValue(keys[i], static_cast<int>(i)).output
                                                           : defaultText(keys[i])});
    }
    return expected;
}

}  // namespace vireltan::testing
