#include "skin/IniFile.h"

#include <cstdint>

namespace vireltan {
namespace {

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::vector<std::string_view> splitTextLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(text.substr(start, i - start));
            i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

std::string_view trimIniText(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= 0x20) ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 0x20) --end;
    return text.substr(begin, end - begin);
}

bool sameIniName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    }
    return true;
}

std::optional<int> parseIniInteger(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    bool hex = false;
    if (i < text.size() && text[i] == '$') {
        hex = true;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i == text.size()) return std::nullopt;
    std::uint64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const int digit = hex ? hexDigit(text[i]) : (text[i] >= '0' && text[i] <= '9' ? text[i] - '0' : -1);
        if (digit < 0) return std::nullopt;
        magnitude = magnitude * (hex ? 16 : 10) + static_cast<std::uint64_t>(digit);
        if (magnitude > 0xFFFFFFFFull) return std::nullopt;
    }
    if (hex) {
        // Hexadecimal gives the 32 bits themselves, so colours with the top byte set stay readable.
        const auto bits = static_cast<std::uint32_t>(magnitude);
        const auto value = static_cast<std::int32_t>(negative ? (0u - bits) : bits);
        return value;
    }
    if (negative) {
        if (magnitude > 0x80000000ull) return std::nullopt;
        return static_cast<int>(-static_cast<std::int64_t>(magnitude));
    }
    if (magnitude > 0x7FFFFFFFull) return std::nullopt;
    return static_cast<int>(magnitude);
}

namespace {

std::uint64_t nameHash(std::string_view s) {
    std::uint64_t h = 14695981039346656037ull;  // FNV-1a over the lower-cased bytes
    for (char c : s) {
        h ^= static_cast<unsigned char>(lowerAscii(c));
        h *= 1099511628211ull;
    }
    return h;
}

}  // namespace

void IniFile::NameIndex::grow() {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(old.empty() ? 16 : old.size() * 2, Slot{});
    const std::size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
        if (!slot.used) continue;
        std::size_t i = static_cast<std::size_t>(slot.hash) & mask;
        while (slots_[i].used) i = (i + 1) & mask;
        slots_[i] = slot;
    }
}

void IniFile::NameIndex::tryEmplace(std::string_view name, std::size_t index) {
    if ((used_ + 1) * 2 > slots_.size()) grow();
    const std::uint64_t hash = nameHash(name);
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = static_cast<std::size_t>(hash) & mask;
    while (slots_[i].used) {
        if (slots_[i].hash == hash && sameIniName(slots_[i].name, name)) return;  // the first one stays
        i = (i + 1) & mask;
    }
    slots_[i] = Slot{hash, name, index, true};
    ++used_;
}

std::optional<std::size_t> IniFile::NameIndex::find(std::string_view name) const {
    if (slots_.empty()) return std::nullopt;
    const std::uint64_t hash = nameHash(name);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = static_cast<std::size_t>(hash) & mask; slots_[i].used; i = (i + 1) & mask) {
        if (slots_[i].hash == hash && sameIniName(slots_[i].name, name)) return slots_[i].index;
    }
    return std::nullopt;
}

void IniFile::clear() {
    sections_.clear();
    sectionIndex_.clear();
    written_.clear();
    text_.reset();
}

std::string_view IniFile::store(std::string_view text) {
    return written_.emplace_back(text);
}

void IniFile::setText(std::string text) {
    clear();
    text_ = std::make_unique<const std::string>(std::move(text));
    Section* current = nullptr;
    for (std::string_view raw : splitTextLines(*text_)) {
        const std::string_view line = trimIniText(raw);
        if (line.empty() || line.front() == ';') continue;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            Section section;
            section.name = trimIniText(line.substr(1, line.size() - 2));
            sectionIndex_.tryEmplace(section.name, sections_.size());
            sections_.push_back(std::move(section));
            current = &sections_.back();
            continue;
        }
        if (current == nullptr) continue;  // lines before the first section belong to nothing
        Entry entry;
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) {
            entry.value = line;
        } else {
            entry.hasKey = true;
            entry.key = trimIniText(line.substr(0, eq));
            entry.value = trimIniText(line.substr(eq + 1));
        }
        addEntry(*current, std::move(entry));
    }
}

void IniFile::addEntry(Section& section, Entry entry) {
    if (entry.hasKey) section.keys.tryEmplace(entry.key, section.entries.size());
    section.entries.push_back(std::move(entry));
}

const IniFile::Section* IniFile::findSection(std::string_view section) const {
    const auto index = sectionIndex_.find(section);
    return index ? &sections_[*index] : nullptr;
}

bool IniFile::sectionExists(std::string_view section) const {
    return findSection(section) != nullptr;
}

bool IniFile::valueExists(std::string_view section, std::string_view key) const {
    return findValue(section, key).has_value();
}

std::optional<std::string_view> IniFile::findValue(std::string_view section, std::string_view key) const {
    const Section* s = findSection(section);
    if (s == nullptr) return std::nullopt;
    const auto index = s->keys.find(key);
    if (!index) return std::nullopt;
    return s->entries[*index].value;
}

std::string IniFile::readString(std::string_view section, std::string_view key, std::string_view def) const {
    const auto value = findValue(section, key);
    return std::string(value ? *value : def);
}

int IniFile::readInteger(std::string_view section, std::string_view key, int def) const {
    const auto value = findValue(section, key);
    if (!value) return def;
    return parseIniInteger(*value).value_or(def);
}

std::vector<std::string> IniFile::sectionNames() const {
    std::vector<std::string> names;
    names.reserve(sections_.size());
    for (const Section& s : sections_) names.emplace_back(s.name);
    return names;
}

std::vector<std::string> IniFile::sectionKeys(std::string_view section) const {
    std::vector<std::string> keys;
    if (const Section* s = findSection(section)) {
        for (const Entry& e : s->entries) {
            if (e.hasKey) keys.emplace_back(e.key);
        }
    }
    return keys;
}

std::vector<std::string> IniFile::sectionLines(std::string_view section) const {
    std::vector<std::string> lines;
    if (const Section* s = findSection(section)) {
        for (const Entry& e : s->entries) {
            std::string line(e.hasKey ? e.key : e.value);
            if (e.hasKey) line.append("=").append(e.value);
            lines.push_back(std::move(line));
        }
    }
    return lines;
}

IniFile::Section& IniFile::sectionForWriting(std::string_view section) {
    if (const auto index = sectionIndex_.find(section)) return sections_[*index];
    Section s;
    s.name = store(section);
    sectionIndex_.tryEmplace(s.name, sections_.size());
    sections_.push_back(std::move(s));
    return sections_.back();
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    Section& s = sectionForWriting(section);
    if (const auto index = s.keys.find(key)) {
        s.entries[*index].value = store(value);
        return;
    }
    addEntry(s, Entry{store(key), store(value), true});
}

void IniFile::writeInteger(std::string_view section, std::string_view key, int value) {
    writeString(section, key, std::to_string(value));
}

void IniFile::eraseSection(std::string_view section) {
    std::vector<Section> kept;
    kept.reserve(sections_.size());
    for (Section& s : sections_) {
        if (!sameIniName(s.name, section)) kept.push_back(std::move(s));
    }
    sections_ = std::move(kept);
    sectionIndex_.clear();
    for (std::size_t i = 0; i < sections_.size(); ++i) sectionIndex_.tryEmplace(sections_[i].name, i);
}

std::string IniFile::toText() const {
    std::string text;
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        if (i > 0) text += "\r\n";
        text.append("[").append(sections_[i].name).append("]\r\n");
        for (const Entry& e : sections_[i].entries) {
            if (e.hasKey) text.append(e.key).append("=");
            text.append(e.value).append("\r\n");
        }
    }
    return text;
}

}  // namespace vireltan
