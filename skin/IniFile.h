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
// writer stores, so parsing copies the text once and nothing per entry.
class IniFile {
  public:
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
    bool sectionExists(std::string_view section) const;
    bool valueExists(std::string_view section, std::string_view key) const;
    std::optional<std::string_view> findValue(std::string_view section, std::string_view key) const;
    std::string readString(std::string_view section, std::string_view key, std::string_view def) const;
    int readInteger(std::string_view section, std::string_view key, int def) const;

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
    // First index of each name, names compared without regard to ASCII case: open addressing in one
    // flat table, as a skin file holds tens of thousands of lookups of a few thousand names.
    class NameIndex {
      public:
        void tryEmplace(std::string_view name, std::size_t index);
        std::optional<std::size_t> find(std::string_view name) const;
        void clear() {
            slots_.clear();
            used_ = 0;
        }

      private:
        struct Slot {
            std::uint64_t hash = 0;
            std::string_view name;
            std::size_t index = 0;
            bool used = false;
        };
        void grow();
        std::vector<Slot> slots_;
        std::size_t used_ = 0;
    };

    struct Entry {
        std::string_view key;  // empty for a line without "="
        std::string_view value;
        bool hasKey = false;
    };
    struct Section {
        std::string_view name;
        std::vector<Entry> entries;
        NameIndex keys;  // first entry of each key
    };

    const Section* findSection(std::string_view section) const;
    Section& sectionForWriting(std::string_view section);
    static void addEntry(Section& section, Entry entry);
    std::string_view store(std::string_view text);

    std::unique_ptr<const std::string> text_;  // on the heap, so that moving keeps the views valid
    std::deque<std::string> written_;          // names and values given to the writer
    std::vector<Section> sections_;
    NameIndex sectionIndex_;  // first section of each name
};

}  // namespace vireltan
