#include "skin/IniFile.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

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
    if (a == b) return true;
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

constexpr std::uint64_t kMul = 0x9E3779B97F4A7C15ull;

std::uint64_t mix(std::uint64_t h) {
    h ^= h >> 32;
    h *= 0xD6E8FEB86659FD93ull;
    h ^= h >> 32;
    return h;
}

std::uint64_t load64(const char* p) {
    std::uint64_t word;
    std::memcpy(&word, p, 8);
    return word;
}
std::uint64_t load32(const char* p) {
    std::uint32_t word;
    std::memcpy(&word, p, 4);
    return word;
}

// Lower-cases the ASCII capitals among eight bytes at once and leaves every other byte as it is, so
// that only names the comparison calls equal are made to hash alike.
std::uint64_t foldCase(std::uint64_t word) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    constexpr std::uint64_t kHigh = 0x8080808080808080ull;
    const std::uint64_t low7 = word & ~kHigh;
    const std::uint64_t fromA = low7 + (0x80 - 'A') * kOnes;      // high bit: byte >= 'A'
    const std::uint64_t pastZ = low7 + (0x80 - 'Z' - 1) * kOnes;  // high bit: byte > 'Z'
    const std::uint64_t capital = fromA & ~pastZ & ~word & kHigh;
    return word | (capital >> 2);
}

// Eight case-folded bytes at a time. The last bytes are taken by loads that may overlap earlier
// ones: names of one length load the same positions, which is all a hash of equal names needs.
std::uint64_t nameHash(std::string_view s) {
    const char* p = s.data();
    const std::size_t n = s.size();
    std::uint64_t h = n * kMul;
    std::uint64_t last = 0;
    if (n >= 8) {
        for (std::size_t i = 0; i + 8 < n; i += 8) {
            h = (h ^ foldCase(load64(p + i))) * kMul;
            h ^= h >> 29;
        }
        last = load64(p + n - 8);
    } else if (n >= 4) {
        last = load32(p) | (load32(p + n - 4) << 32);
    } else if (n > 0) {
        last = static_cast<unsigned char>(p[0]) |
               (static_cast<std::uint64_t>(static_cast<unsigned char>(p[n / 2])) << 8) |
               (static_cast<std::uint64_t>(static_cast<unsigned char>(p[n - 1])) << 16);
    }
    return mix((h ^ foldCase(last)) * kMul);
}

std::uint64_t keyHash(std::uint32_t section, std::string_view key) {
    return mix(nameHash(key) + (static_cast<std::uint64_t>(section) + 1) * kMul);
}

// Where `c` next occurs from `from` on, or the text's size.
std::size_t nextOf(std::string_view text, char c, std::size_t from) {
    const void* found = std::memchr(text.data() + from, c, text.size() - from);
    return found != nullptr ? static_cast<std::size_t>(static_cast<const char*>(found) - text.data())
                            : text.size();
}

}  // namespace

void IniFile::NameTable::reset(std::size_t expected) {
    used_ = 0;
    if (expected == 0) {
        slots_.clear();
        return;
    }
    std::size_t size = 16;
    while (size < expected * 2) size *= 2;
    slots_.assign(size, Slot{});
}

void IniFile::NameTable::grow() {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(old.empty() ? 16 : old.size() * 2, Slot{});
    const std::size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
        if (slot.index == kEmpty) continue;
        // Only 32 bits of the hash are kept, enough for any table this class builds.
        std::size_t i = slot.hash & mask;
        while (slots_[i].index != kEmpty) i = (i + 1) & mask;
        slots_[i] = slot;
    }
}

template <class Same>
std::optional<std::uint32_t> IniFile::NameTable::find(std::uint64_t hash, Same same) const {
    if (slots_.empty()) return std::nullopt;
    const auto h = static_cast<std::uint32_t>(hash);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = h & mask; slots_[i].index != kEmpty; i = (i + 1) & mask) {
        if (slots_[i].hash == h && same(slots_[i].index)) return slots_[i].index;
    }
    return std::nullopt;
}

template <class Same>
bool IniFile::NameTable::tryAdd(std::uint64_t hash, std::uint32_t index, Same same) {
    if ((used_ + 1) * 2 > slots_.size()) grow();
    const auto h = static_cast<std::uint32_t>(hash);
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = h & mask;
    for (; slots_[i].index != kEmpty; i = (i + 1) & mask) {
        if (slots_[i].hash == h && same(slots_[i].index)) return false;
    }
    slots_[i] = Slot{h, index};
    ++used_;
    return true;
}

void IniFile::clear() {
    sections_.clear();
    entries_.clear();
    sectionIndex_.reset(0);
    keyIndex_.reset(0);
    written_.clear();
    text_.reset();
}

std::string_view IniFile::store(std::string_view text) {
    return written_.emplace_back(text);
}

void IniFile::appendSection(std::string_view name) {
    const auto index = static_cast<std::uint32_t>(sections_.size());
    const auto at = static_cast<std::uint32_t>(entries_.size());
    sections_.push_back(Section{name, at, at});
    sectionIndex_.tryAdd(nameHash(name), index,
                         [&](std::uint32_t other) { return sameIniName(sections_[other].name, name); });
}

void IniFile::indexEntry(std::uint32_t entry) {
    Entry& e = entries_[entry];
    e.firstOfKey = e.hasKey && keyIndex_.tryAdd(keyHash(e.section, e.key), entry, [&](std::uint32_t other) {
        return entries_[other].section == e.section && sameIniName(entries_[other].key, e.key);
    });
}

// Entries of the last section only: parsing and the writer's usual case.
void IniFile::appendEntry(Entry entry) {
    entry.section = static_cast<std::uint32_t>(sections_.size() - 1);
    const auto index = static_cast<std::uint32_t>(entries_.size());
    entries_.push_back(entry);
    sections_.back().end = index + 1;
    indexEntry(index);
}

void IniFile::rebuildIndexes() {
    const std::vector<Section> sections = std::move(sections_);
    sections_.clear();
    sectionIndex_.reset(sections.size());
    keyIndex_.reset(entries_.size());
    for (const Section& s : sections) appendSection(s.name);
    for (std::size_t i = 0; i < sections.size(); ++i) {
        sections_[i].begin = sections[i].begin;
        sections_[i].end = sections[i].end;
        for (std::uint32_t e = sections[i].begin; e < sections[i].end; ++e) {
            entries_[e].section = static_cast<std::uint32_t>(i);
            indexEntry(e);
        }
    }
}

void IniFile::setText(std::string text) {
    clear();
    text_ = std::make_unique<const std::string>(std::move(text));
    const std::string_view all = *text_;
    // Room for the entries of a skin file (lines of a few dozen bytes) at once; other text grows.
    const std::size_t expected = all.size() / 16 + 16;
    entries_.reserve(expected);
    keyIndex_.reset(expected);
    sectionIndex_.reset(64);

    bool inSection = false;
    std::size_t start = 0;
    // The next CR and the next LF, each searched for again only once passed: one scan of the text
    // whatever its line breaks.
    std::size_t nextCr = nextOf(all, '\r', 0);
    std::size_t nextLf = nextOf(all, '\n', 0);
    while (start < all.size()) {
        if (nextCr < start) nextCr = nextOf(all, '\r', start);
        if (nextLf < start) nextLf = nextOf(all, '\n', start);
        const std::size_t stop = std::min(nextCr, nextLf);
        const std::string_view line = trimIniText(std::string_view(all.data() + start, stop - start));
        // CR LF is one break; a lone CR or LF is one too.
        start = stop + ((stop + 1 < all.size() && all[stop] == '\r' && all[stop + 1] == '\n') ? 2 : 1);

        if (line.empty() || line.front() == ';') continue;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            appendSection(trimIniText(std::string_view(line.data() + 1, line.size() - 2)));
            inSection = true;
            continue;
        }
        if (!inSection) continue;  // lines before the first section belong to nothing
        Entry entry;
        const void* eq = std::memchr(line.data(), '=', line.size());
        if (eq == nullptr) {
            entry.value = line;
        } else {
            const auto keyLength = static_cast<std::size_t>(static_cast<const char*>(eq) - line.data());
            entry.hasKey = true;
            entry.key = trimIniText(std::string_view(line.data(), keyLength));
            entry.value =
                trimIniText(std::string_view(line.data() + keyLength + 1, line.size() - keyLength - 1));
        }
        appendEntry(entry);
    }
}

IniFile::SectionView IniFile::section(std::string_view name) const {
    const auto index = sectionIndex_.find(
        nameHash(name), [&](std::uint32_t other) { return sameIniName(sections_[other].name, name); });
    return index ? SectionView(this, *index) : SectionView();
}

std::optional<std::uint32_t> IniFile::findEntry(std::uint32_t section, std::string_view key) const {
    return keyIndex_.find(keyHash(section, key), [&](std::uint32_t other) {
        return entries_[other].section == section && sameIniName(entries_[other].key, key);
    });
}

IniFile::SectionView::SectionView(const IniFile* file, std::uint32_t index)
    : file_(file), index_(index), next_(file->sections_[index].begin) {}

std::optional<std::string_view> IniFile::SectionView::findValue(std::string_view key) const {
    if (file_ == nullptr) return std::nullopt;
    if (next_ < file_->sections_[index_].end) {
        const Entry& e = file_->entries_[next_];
        if (e.firstOfKey && sameIniName(e.key, key)) {
            ++next_;
            return e.value;
        }
    }
    const auto entry = file_->findEntry(index_, key);
    if (!entry) return std::nullopt;
    next_ = *entry + 1;
    return file_->entries_[*entry].value;
}

std::string IniFile::SectionView::readString(std::string_view key, std::string_view def) const {
    const auto value = findValue(key);
    return std::string(value ? *value : def);
}

int IniFile::SectionView::readInteger(std::string_view key, int def) const {
    const auto value = findValue(key);
    if (!value) return def;
    return parseIniInteger(*value).value_or(def);
}

bool IniFile::valueExists(std::string_view section, std::string_view key) const {
    return findValue(section, key).has_value();
}

std::vector<std::string> IniFile::sectionNames() const {
    std::vector<std::string> names;
    names.reserve(sections_.size());
    for (const Section& s : sections_) names.emplace_back(s.name);
    return names;
}

std::vector<std::string> IniFile::sectionKeys(std::string_view section) const {
    std::vector<std::string> keys;
    if (const SectionView s = this->section(section); s.exists()) {
        const Section& range = sections_[s.index_];
        for (std::uint32_t i = range.begin; i < range.end; ++i) {
            if (entries_[i].hasKey) keys.emplace_back(entries_[i].key);
        }
    }
    return keys;
}

std::vector<std::string> IniFile::sectionLines(std::string_view section) const {
    std::vector<std::string> lines;
    if (const SectionView s = this->section(section); s.exists()) {
        const Section& range = sections_[s.index_];
        for (std::uint32_t i = range.begin; i < range.end; ++i) {
            const Entry& e = entries_[i];
            std::string line(e.hasKey ? e.key : e.value);
            if (e.hasKey) line.append("=").append(e.value);
            lines.push_back(std::move(line));
        }
    }
    return lines;
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    SectionView s = this->section(section);
    if (!s.exists()) {
        appendSection(store(section));
        s = SectionView(this, static_cast<std::uint32_t>(sections_.size() - 1));
    }
    if (const auto entry = findEntry(s.index_, key)) {
        entries_[*entry].value = store(value);
        return;
    }
    const Entry entry{store(key), store(value), s.index_, true};
    if (s.index_ + 1 == sections_.size()) {
        appendEntry(entry);
        return;
    }
    // A key for an earlier section goes to that section's end; the entries behind it move up.
    const std::uint32_t at = sections_[s.index_].end;
    entries_.insert(entries_.begin() + at, entry);
    ++sections_[s.index_].end;
    for (std::size_t i = s.index_ + 1; i < sections_.size(); ++i) {
        ++sections_[i].begin;
        ++sections_[i].end;
    }
    rebuildIndexes();
}

void IniFile::writeInteger(std::string_view section, std::string_view key, int value) {
    writeString(section, key, std::to_string(value));
}

void IniFile::eraseSection(std::string_view section) {
    std::vector<Section> keptSections;
    std::vector<Entry> keptEntries;
    keptEntries.reserve(entries_.size());
    for (const Section& s : sections_) {
        if (sameIniName(s.name, section)) continue;
        const auto at = static_cast<std::uint32_t>(keptEntries.size());
        keptEntries.insert(keptEntries.end(), entries_.begin() + s.begin, entries_.begin() + s.end);
        keptSections.push_back(Section{s.name, at, static_cast<std::uint32_t>(keptEntries.size())});
    }
    sections_ = std::move(keptSections);
    entries_ = std::move(keptEntries);
    rebuildIndexes();
}

std::string IniFile::toText() const {
    std::string text;
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        if (i > 0) text += "\r\n";
        text.append("[").append(sections_[i].name).append("]\r\n");
        for (std::uint32_t e = sections_[i].begin; e < sections_[i].end; ++e) {
            if (entries_[e].hasKey) text.append(entries_[e].key).append("=");
            text.append(entries_[e].value).append("\r\n");
        }
    }
    return text;
}

}  // namespace vireltan
