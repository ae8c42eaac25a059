#include "skin/SkinValues.h"

#include <algorithm>
#include <array>
#include <utility>

#include "skin/SkinErrors.h"

namespace vireltan {
namespace {

// The digits of one comma-separated field, as the conversion error reports them.
std::string fieldDigits(std::string_view text, std::size_t wanted) {
    std::string digits;
    std::size_t field = 0;
    for (char c : text) {
        if (c == ',') {
            if (++field > wanted) break;
        } else if (field == wanted && c >= '0' && c <= '9') {
            digits += c;
        }
    }
    return digits;
}

// Skin coordinates keep only their digits: a comma closes a field, a digit extends it, and every other
// character (blank, sign, letter) is dropped, so "-5" reads as 5. Fields past the last one expected
// are ignored. An empty field, or one too large for 32 bits, is an integer conversion error that
// names the field's digits.
template <std::size_t N>
std::array<int, N> parseCoordinates(std::string_view text) {
    std::array<std::uint64_t, N> values{};
    std::array<std::size_t, N> digits{};
    std::size_t field = 0;
    for (char c : text) {
        if (c == ',') {
            if (++field == N) break;
        } else if (c >= '0' && c <= '9') {
            // Past 32 bits the field is an error whatever follows; the value stops growing there.
            if (values[field] <= 0x7FFFFFFFull)
                values[field] = values[field] * 10 + static_cast<unsigned>(c - '0');
            ++digits[field];
        }
    }
    std::array<int, N> result{};
    for (std::size_t i = 0; i < N; ++i) {
        if (digits[i] == 0 || values[i] > 0x7FFFFFFFull) throw SkinConvertError(fieldDigits(text, i));
        result[i] = static_cast<int>(values[i]);
    }
    return result;
}

template <typename Enum, std::size_t N>
Enum wordToValue(std::string_view text, const std::array<std::pair<std::string_view, Enum>, N>& words,
                 Enum fallback) {
    for (const auto& [word, value] : words) {
        if (text == word) return value;
    }
    return fallback;
}

template <typename Enum, std::size_t N>
std::string_view valueToWord(Enum value, const std::array<std::pair<std::string_view, Enum>, N>& words) {
    for (const auto& [word, v] : words) {
        if (v == value) return word;
    }
    return words.front().first;
}

constexpr std::array<std::pair<std::string_view, Alignment>, 3> kAlignmentWords{{
    {"taleftjustify", Alignment::taLeftJustify},
    {"tarightjustify", Alignment::taRightJustify},
    {"tacenter", Alignment::taCenter},
}};
constexpr std::array<std::pair<std::string_view, StretchType>, 3> kStretchTypeWords{{
    {"stfull", StretchType::stFull},
    {"sthorz", StretchType::stHorz},
    {"stvert", StretchType::stVert},
}};
constexpr std::array<std::pair<std::string_view, MorphKind>, 7> kMorphKindWords{{
    {"mkdefault", MorphKind::mkDefault},
    {"mkgradient", MorphKind::mkGradient},
    {"mkleftgradient", MorphKind::mkLeftGradient},
    {"mkrightgradient", MorphKind::mkRightGradient},
    {"mkleftslide", MorphKind::mkLeftSlide},
    {"mkrightslide", MorphKind::mkRightSlide},
    {"mkpush", MorphKind::mkPush},
}};
constexpr std::array<std::pair<std::string_view, InactiveEffect>, 6> kInactiveEffectWords{{
    {"iebrightness", InactiveEffect::ieBrightness},
    {"iedarkness", InactiveEffect::ieDarkness},
    {"iegrayscale", InactiveEffect::ieGrayscale},
    {"ienoise", InactiveEffect::ieNoise},
    {"iesplitblur", InactiveEffect::ieSplitBlur},
    {"ieinvert", InactiveEffect::ieInvert},
}};
constexpr std::array<std::pair<std::string_view, StdCommand>, 7> kStdCommandWords{{
    {"cmclose", StdCommand::cmClose},
    {"cmmaximize", StdCommand::cmMaximize},
    {"cmminimize", StdCommand::cmMinimize},
    {"cmsysmenu", StdCommand::cmSysMenu},
    {"cmdefault", StdCommand::cmDefault},
    {"cmrollup", StdCommand::cmRollUp},
    {"cmminimizetotray", StdCommand::cmMinimizeToTray},
}};

std::string keyWith(std::string_view prefix, std::string_view suffix) {
    std::string key(prefix);
    key += suffix;
    return key;
}

}  // namespace

SkinRect parseSkinRect(std::string_view text) {
    const auto v = parseCoordinates<4>(text);
    return SkinRect{v[0], v[1], v[2], v[3]};
}

SkinPoint parseSkinPoint(std::string_view text) {
    const auto v = parseCoordinates<2>(text);
    return SkinPoint{v[0], v[1]};
}

FontStyles parseFontStyle(std::string_view text) {
    FontStyles style;
    style.bold = text.find("fsbold") != std::string_view::npos;
    style.italic = text.find("fsitalic") != std::string_view::npos;
    style.underline = text.find("fsunderline") != std::string_view::npos;
    style.strikeOut = text.find("fsstrikeout") != std::string_view::npos;
    return style;
}

// Unknown words fall back to the value the format names "anything else".
Alignment parseAlignment(std::string_view text) {
    return wordToValue(text, kAlignmentWords, Alignment::taRightJustify);
}
StretchType parseStretchType(std::string_view text) {
    return wordToValue(text, kStretchTypeWords, StretchType::stHorz);
}
MorphKind parseMorphKind(std::string_view text) {
    return wordToValue(text, kMorphKindWords, MorphKind::mkDefault);
}
InactiveEffect parseInactiveEffect(std::string_view text) {
    return wordToValue(text, kInactiveEffectWords, InactiveEffect::ieGrayscale);
}
StdCommand parseStdCommand(std::string_view text) {
    return wordToValue(text, kStdCommandWords, StdCommand::cmMinimizeToTray);
}

std::string formatSkinRect(const SkinRect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

std::string formatSkinPoint(const SkinPoint& p) {
    return std::to_string(p.x) + "," + std::to_string(p.y);
}

std::string formatFontStyle(const FontStyles& style) {
    std::string text;
    const auto add = [&text](bool on, std::string_view word) {
        if (!on) return;
        if (!text.empty()) text += ",";
        text += word;
    };
    add(style.bold, "fsbold");
    add(style.italic, "fsitalic");
    add(style.underline, "fsunderline");
    add(style.strikeOut, "fsstrikeout");
    return text;
}

std::string_view alignmentWord(Alignment alignment) {
    return valueToWord(alignment, kAlignmentWords);
}
std::string_view stretchTypeWord(StretchType type) {
    return valueToWord(type, kStretchTypeWords);
}
std::string_view morphKindWord(MorphKind kind) {
    return valueToWord(kind, kMorphKindWords);
}
std::string_view inactiveEffectWord(InactiveEffect effect) {
    return valueToWord(effect, kInactiveEffectWords);
}
std::string_view stdCommandWord(StdCommand command) {
    return valueToWord(command, kStdCommandWords);
}

SkinRect readSkinRect(const IniFile::SectionView& section, std::string_view key) {
    const auto value = section.findValue(key);
    return value ? parseSkinRect(*value) : SkinRect{};
}
SkinPoint readSkinPoint(const IniFile::SectionView& section, std::string_view key) {
    const auto value = section.findValue(key);
    return value ? parseSkinPoint(*value) : SkinPoint{};
}
bool readBoolean(const IniFile::SectionView& section, std::string_view key, bool def) {
    return section.readInteger(key, def ? 1 : 0) == 1;
}
SkinColor readColor(const IniFile::SectionView& section, std::string_view key, SkinColor def) {
    return section.readInteger(key, def);
}
namespace {
// A word-valued key: parsed when present, the reader's default otherwise.
template <typename T>
T readWord(const IniFile::SectionView& section, std::string_view key, T (*parse)(std::string_view),
           T absent) {
    const auto value = section.findValue(key);
    return value ? parse(*value) : absent;
}
}  // namespace

FontStyles readFontStyle(const IniFile::SectionView& section, std::string_view key) {
    return readWord(section, key, parseFontStyle, FontStyles{});
}
Alignment readAlignment(const IniFile::SectionView& section, std::string_view key) {
    return readWord(section, key, parseAlignment, Alignment::taCenter);
}
StretchType readStretchType(const IniFile::SectionView& section, std::string_view key) {
    return readWord(section, key, parseStretchType, StretchType::stFull);
}
MorphKind readMorphKind(const IniFile::SectionView& section, std::string_view key) {
    return readWord(section, key, parseMorphKind, MorphKind::mkDefault);
}
InactiveEffect readInactiveEffect(const IniFile::SectionView& section, std::string_view key) {
    return readWord(section, key, parseInactiveEffect, InactiveEffect::ieBrightness);
}
StdCommand readStdCommand(const IniFile::SectionView& section, std::string_view key) {
    return readWord(section, key, parseStdCommand, StdCommand::cmDefault);
}

SkinRect readSkinRect(const IniFile& ini, std::string_view section, std::string_view key) {
    return readSkinRect(ini.section(section), key);
}
SkinPoint readSkinPoint(const IniFile& ini, std::string_view section, std::string_view key) {
    return readSkinPoint(ini.section(section), key);
}
bool readBoolean(const IniFile& ini, std::string_view section, std::string_view key, bool def) {
    return readBoolean(ini.section(section), key, def);
}
SkinColor readColor(const IniFile& ini, std::string_view section, std::string_view key, SkinColor def) {
    return readColor(ini.section(section), key, def);
}
FontStyles readFontStyle(const IniFile& ini, std::string_view section, std::string_view key) {
    return readFontStyle(ini.section(section), key);
}
Alignment readAlignment(const IniFile& ini, std::string_view section, std::string_view key) {
    return readAlignment(ini.section(section), key);
}
StretchType readStretchType(const IniFile& ini, std::string_view section, std::string_view key) {
    return readStretchType(ini.section(section), key);
}
MorphKind readMorphKind(const IniFile& ini, std::string_view section, std::string_view key) {
    return readMorphKind(ini.section(section), key);
}
InactiveEffect readInactiveEffect(const IniFile& ini, std::string_view section, std::string_view key) {
    return readInactiveEffect(ini.section(section), key);
}
StdCommand readStdCommand(const IniFile& ini, std::string_view section, std::string_view key) {
    return readStdCommand(ini.section(section), key);
}

void readList(const IniFile& ini, std::string_view section, std::string_view name,
              std::vector<std::string>& list) {
    const IniFile::SectionView s = ini.section(section);
    // A count far beyond the entries would only append empty strings; the bound keeps a damaged count
    // from growing the list without limit.
    const int count = std::min(s.readInteger(keyWith(name, "count"), 0), kMaxListEntries);
    for (int i = 0; i < count; ++i) list.push_back(s.readString(std::to_string(i), ""));
}

SkinFont readSkinFont(const IniFile& ini, std::string_view section, std::string_view prefix) {
    const IniFile::SectionView s = ini.section(section);
    SkinFont font;
    font.name = s.readString(keyWith(prefix, "name"), "Arial");
    font.height = s.readInteger(keyWith(prefix, "height"), 14);
    font.style = readFontStyle(s, keyWith(prefix, "style"));
    font.color = readColor(s, keyWith(prefix, "color"), 0);
    return font;
}

void writeSkinRect(IniFile& ini, std::string_view section, std::string_view key, const SkinRect& rect) {
    ini.writeString(section, key, formatSkinRect(rect));
}
void writeSkinPoint(IniFile& ini, std::string_view section, std::string_view key, const SkinPoint& point) {
    ini.writeString(section, key, formatSkinPoint(point));
}
void writeBoolean(IniFile& ini, std::string_view section, std::string_view key, bool value) {
    ini.writeInteger(section, key, value ? 1 : 0);
}
void writeColor(IniFile& ini, std::string_view section, std::string_view key, SkinColor color) {
    ini.writeInteger(section, key, color);
}
void writeFontStyle(IniFile& ini, std::string_view section, std::string_view key, const FontStyles& style) {
    ini.writeString(section, key, formatFontStyle(style));
}
void writeAlignment(IniFile& ini, std::string_view section, std::string_view key, Alignment alignment) {
    ini.writeString(section, key, alignmentWord(alignment));
}
void writeStretchType(IniFile& ini, std::string_view section, std::string_view key, StretchType type) {
    ini.writeString(section, key, stretchTypeWord(type));
}
void writeMorphKind(IniFile& ini, std::string_view section, std::string_view key, MorphKind kind) {
    ini.writeString(section, key, morphKindWord(kind));
}
void writeInactiveEffect(IniFile& ini, std::string_view section, std::string_view key,
                         InactiveEffect effect) {
    ini.writeString(section, key, inactiveEffectWord(effect));
}
void writeStdCommand(IniFile& ini, std::string_view section, std::string_view key, StdCommand command) {
    ini.writeString(section, key, stdCommandWord(command));
}
void writeList(IniFile& ini, std::string_view section, std::string_view name,
               const std::vector<std::string>& list) {
    ini.writeInteger(section, keyWith(name, "count"), static_cast<int>(list.size()));
    for (std::size_t i = 0; i < list.size(); ++i) ini.writeString(section, std::to_string(i), list[i]);
}
void writeSkinFont(IniFile& ini, std::string_view section, const SkinFont& font, std::string_view prefix) {
    ini.writeString(section, keyWith(prefix, "name"), font.name);
    ini.writeInteger(section, keyWith(prefix, "height"), font.height);
    writeFontStyle(ini, section, keyWith(prefix, "style"), font.style);
    writeColor(ini, section, keyWith(prefix, "color"), font.color);
}

}  // namespace vireltan
