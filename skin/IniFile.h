// The skin definition file in memory: sections of "key=value" entries, read by name.
//
// The reading rules are those of the classic in-memory INI file the skin format was made for:
// lines are trimmed of blanks and control characters, ";" starts a comment line, section and key
// names compare without regard to ASCII letter case, and when a section or key occurs twice the first
// occurrence is the one found. A line of a section without "=" stays in the section (it is listed by
// `sectionLines`) but has no key and is never found by a reader.
//
// The same class is the writer used when definitions are saved: `writeString` adds a section or key
// at the end or replaces the first occurrence's value, so the order of writing is the order of the text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vireltan {

// Splits text into lines at CR, LF or CR LF. A final line break does not start another line.
std::vector<std::string_view> splitTextLines(std::string_view text);

// Removes leading and trailing bytes <= 0x20 (blanks and control characters).
std::string_view trimIniText(std::string_view text);

// ASCII case-insensitive equality, the rule for section and key names.
bool sameIniName(std::string_view a, std::string_view b);

// The integer conversion of the skin format: optionally signed decimal, or hexadecimal after "0x",
// "0X" or "$" (up to 8 digits; the 32 bits are taken as they are, so "$FF00000F" is negative). The
// whole text must convert and fit 32 bits; otherwise there is no value.
std::optional<int> parseIniInteger(std::string_view text);

// Names and values are views into the parsed text (kept unchanged by the object) or into strings the
// writer stores, so parsing copies the text once and nothing per entry. All entries live in one array
// in file order, each section owning a run of it, and one flat table finds the first entry of a key
// in a section: a skin load makes thousands of lookups in a file of a few thousand lines.
class IniFile {
  public:
    // The first section of a name, found once for the many keys a definition reads. Valid until the
    // file is changed; a section that does not exist gives every key's default. Keys are usually
    // asked for in the order the file lists them, so the entry after the last one found is tried
    // before the table; that shortcut takes only an entry the table would give for the key.
    class SectionView {
      public:
        SectionView() = default;
        bool exists() const { return file_ != nullptr; }
        std::optional<std::string_view> findValue(std::string_view key) const;
        std::string readString(std::string_view key, std::string_view def) const;
        int readInteger(std::string_view key, int def) const;

      private:
        friend class IniFile;
        SectionView(const IniFile* file, std::uint32_t index);
        const IniFile* file_ = nullptr;
        std::uint32_t index_ = 0;
        mutable std::uint32_t next_ = 0;  // the entry tried first by the next lookup
    };

    IniFile() = default;
    explicit IniFile(std::string_view text) { setText(std::string(text)); }
    explicit IniFile(std::string&& text) { setText(std::move(text)); }
    explicit IniFile(const char* text) { setText(std::string(text)); }
    // Moving keeps every view valid; copying would not, and nothing needs it.
    IniFile(IniFile&&) noexcept = default;
    IniFile& operator=(IniFile&&) noexcept = default;
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;

    // Replaces the whole content by the parsed text.
    void setText(std::string text);
    void clear();

    // Reading. A missing section or key gives the default; a present key with an empty value gives
    // the empty string to readString and the default to readInteger.
    SectionView section(std::string_view name) const;
    bool sectionExists(std::string_view section) const { return this->section(section).exists(); }
    bool valueExists(std::string_view section, std::string_view key) const;
    std::optional<std::string_view> findValue(std::string_view section, std::string_view key) const {
        return this->section(section).findValue(key);
    }
    std::string readString(std::string_view section, std::string_view key, std::string_view def) const {
        return this->section(section).readString(key, def);
    }
    int readInteger(std::string_view section, std::string_view key, int def) const {
        return this->section(section).readInteger(key, def);
    }

    // Section names in file order; a repeated section is listed again, although only its first
    // occurrence is ever read.
    std::vector<std::string> sectionNames() const;
    // The keys of a section in order (lines without "=" are not keys), repeated keys included.
    std::vector<std::string> sectionKeys(std::string_view section) const;
    // Every entry line of a section in order, trimmed, as "key=value" or as the bare line.
    std::vector<std::string> sectionLines(std::string_view section) const;
    std::size_t sectionCount() const { return sections_.size(); }

    // Writing: replaces the first occurrence's value or appends the key (and the section) at the end.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, int value);
    // Removes a section and all its entries (no effect when it does not exist).
    void eraseSection(std::string_view section);

    // The text: "[section]" lines, then "key=value" lines, each line ended by CR LF, sections
    // separated by an empty line.
    std::string toText() const;

  private:
    struct Entry {
        std::string_view key;  // empty for a line without "="
        std::string_view value;
        std::uint32_t section = 0;
        bool hasKey = false;
        bool firstOfKey = false;  // the first entry of its key in its section: the one lookups find
    };
    struct Section {
        std::string_view name;
        std::uint32_t begin = 0;  // entries_[begin, end)
        std::uint32_t end = 0;
    };

    // Open addressing from a hash of the name (ASCII case folded) to the first section of a name or
    // the first entry of a key in its section. A slot keeps 32 bits of the hash and the index;
    // the name itself is compared in the section or entry it points to.
    class NameTable {
      public:
        void reset(std::size_t expected);
        template <class Same>
        std::optional<std::uint32_t> find(std::uint64_t hash, Same same) const;
        // Adds the index unless an equal name is already there (the first one stays); true if added.
        template <class Same>
        bool tryAdd(std::uint64_t hash, std::uint32_t index, Same same);

      private:
        struct Slot {
            std::uint32_t hash = 0;
            std::uint32_t index = kEmpty;
        };
        static constexpr std::uint32_t kEmpty = 0xFFFFFFFFu;
        void grow();
        std::vector<Slot> slots_;
        std::size_t used_ = 0;
    };

    std::optional<std::uint32_t> findEntry(std::uint32_t section, std::string_view key) const;
    void indexEntry(std::uint32_t entry);
    void rebuildIndexes();
    void appendSection(std::string_view name);
    void appendEntry(Entry entry);
    std::string_view store(std::string_view text);

    std::unique_ptr<const std::string> text_;  // on the heap, so that moving keeps the views valid
    std::deque<std::string> written_;          // names and values given to the writer
    std::vector<Section> sections_;
    std::vector<Entry> entries_;
    NameTable sectionIndex_;  // first section of each name
    NameTable keyIndex_;      // first entry of each key of each section
};

}  // namespace vireltan
