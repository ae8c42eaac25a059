// The value types shared by every section of a skin definition file, with one reader and one writer
// each. Readers never fail except the skin rectangle and skin point readers, whose empty fields stop
// the whole load (SkinConvertError); every other unreadable value gives its default.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "skin/IniFile.h"

namespace vireltan {

// Left, top, right, bottom in pixels of a skin picture; right and bottom are exclusive. A rectangle
// without width or height means the element it describes is absent.
struct SkinRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool isEmpty() const { return width() <= 0 || height() <= 0; }
    bool operator==(const SkinRect&) const = default;
};

struct SkinPoint {
    int x = 0;
    int y = 0;
    bool operator==(const SkinPoint&) const = default;
};

// A colour as the skin file writes it: red in the lowest byte, then green, then blue. A top byte of
// 0xFF marks a system colour whose number is in the lowest byte; only the Windows side can resolve it.
using SkinColor = std::int32_t;
constexpr SkinColor kSystemColorFlag = static_cast<SkinColor>(0xFF000000u);
constexpr SkinColor systemColor(int index) {
    return kSystemColorFlag | (index & 0xFF);
}
constexpr bool isSystemColor(SkinColor color) {
    return (static_cast<std::uint32_t>(color) >> 24) == 0xFFu;
}
constexpr int systemColorIndex(SkinColor color) {
    return color & 0xFF;
}
constexpr SkinColor rgbColor(int r, int g, int b) {
    return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16);
}

// The system colour numbers the skin's default colours use.
constexpr int kColorWindow = 5;
constexpr int kColorWindowText = 8;
constexpr int kColorHighlight = 13;
constexpr int kColorHighlightText = 14;
constexpr int kColorBtnFace = 15;
constexpr int kColorBtnShadow = 16;
constexpr int kColorBtnText = 18;
constexpr int kColorBtnHighlight = 20;

struct FontStyles {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    bool operator==(const FontStyles&) const = default;
};

// Numbered as the skin format counts them; the numbers are visible to the drawing code.
enum class Alignment : int { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };
enum class StretchType : int { stFull = 0, stHorz = 1, stVert = 2 };
enum class MorphKind : int {
    mkDefault = 0,
    mkGradient = 1,
    mkLeftGradient = 2,
    mkRightGradient = 3,
    mkLeftSlide = 4,
    mkRightSlide = 5,
    mkPush = 6
};
enum class InactiveEffect : int {
    ieBrightness = 0,
    ieDarkness = 1,
    ieGrayscale = 2,
    ieNoise = 3,
    ieSplitBlur = 4,
    ieInvert = 5
};
// The command of a caption button or animation.
enum class StdCommand : int {
    cmClose = 0,
    cmMaximize = 1,
    cmMinimize = 2,
    cmSysMenu = 3,
    cmDefault = 4,
    cmRollUp = 5,
    cmMinimizeToTray = 6
};

// A font as four keys: <prefix>name, <prefix>height, <prefix>style, <prefix>color.
struct SkinFont {
    std::string name = "Arial";
    int height = 14;
    FontStyles style;
    SkinColor color = 0;
    bool operator==(const SkinFont&) const = default;
};

// Parsing and formatting single values (the readers below apply them to keys).
SkinRect parseSkinRect(std::string_view text);    // throws SkinConvertError
SkinPoint parseSkinPoint(std::string_view text);  // throws SkinConvertError
FontStyles parseFontStyle(std::string_view text);
Alignment parseAlignment(std::string_view text);
StretchType parseStretchType(std::string_view text);
MorphKind parseMorphKind(std::string_view text);
InactiveEffect parseInactiveEffect(std::string_view text);
StdCommand parseStdCommand(std::string_view text);

std::string formatSkinRect(const SkinRect& rect);
std::string formatSkinPoint(const SkinPoint& point);
std::string formatFontStyle(const FontStyles& style);
std::string_view alignmentWord(Alignment alignment);
std::string_view stretchTypeWord(StretchType type);
std::string_view morphKindWord(MorphKind kind);
std::string_view inactiveEffectWord(InactiveEffect effect);
std::string_view stdCommandWord(StdCommand command);

// Readers: a missing key gives the default shown. Each comes for a section found once (the
// definitions read many keys of one section) and for a section looked up by name.
SkinRect readSkinRect(const IniFile::SectionView& section, std::string_view key);
SkinPoint readSkinPoint(const IniFile::SectionView& section, std::string_view key);
bool readBoolean(const IniFile::SectionView& section, std::string_view key, bool def = false);
SkinColor readColor(const IniFile::SectionView& section, std::string_view key, SkinColor def = 0);
FontStyles readFontStyle(const IniFile::SectionView& section, std::string_view key);
Alignment readAlignment(const IniFile::SectionView& section, std::string_view key);
StretchType readStretchType(const IniFile::SectionView& section, std::string_view key);
MorphKind readMorphKind(const IniFile::SectionView& section, std::string_view key);
InactiveEffect readInactiveEffect(const IniFile::SectionView& section, std::string_view key);
StdCommand readStdCommand(const IniFile::SectionView& section, std::string_view key);

SkinRect readSkinRect(const IniFile& ini, std::string_view section, std::string_view key);    // 0,0,0,0
SkinPoint readSkinPoint(const IniFile& ini, std::string_view section, std::string_view key);  // 0,0
bool readBoolean(const IniFile& ini, std::string_view section, std::string_view key, bool def = false);
SkinColor readColor(const IniFile& ini, std::string_view section, std::string_view key, SkinColor def = 0);
FontStyles readFontStyle(const IniFile& ini, std::string_view section, std::string_view key);     // empty
Alignment readAlignment(const IniFile& ini, std::string_view section, std::string_view key);      // tacenter
StretchType readStretchType(const IniFile& ini, std::string_view section, std::string_view key);  // stfull
MorphKind readMorphKind(const IniFile& ini, std::string_view section, std::string_view key);      // mkdefault
InactiveEffect readInactiveEffect(const IniFile& ini, std::string_view section,
                                  std::string_view key);  // iebrightness
StdCommand readStdCommand(const IniFile& ini, std::string_view section, std::string_view key);  // cmdefault
// Appends the strings of the list <name>count, "0", "1", ... (missing entries give empty strings).
// At most kMaxListEntries strings are read, whatever the count says.
constexpr int kMaxListEntries = 4096;
void readList(const IniFile& ini, std::string_view section, std::string_view name,
              std::vector<std::string>& list);
SkinFont readSkinFont(const IniFile& ini, std::string_view section, std::string_view prefix = "font");

// Writers: the same syntax the readers accept.
void writeSkinRect(IniFile& ini, std::string_view section, std::string_view key, const SkinRect& rect);
void writeSkinPoint(IniFile& ini, std::string_view section, std::string_view key, const SkinPoint& point);
void writeBoolean(IniFile& ini, std::string_view section, std::string_view key, bool value);
void writeColor(IniFile& ini, std::string_view section, std::string_view key, SkinColor color);
void writeFontStyle(IniFile& ini, std::string_view section, std::string_view key, const FontStyles& style);
void writeAlignment(IniFile& ini, std::string_view section, std::string_view key, Alignment alignment);
void writeStretchType(IniFile& ini, std::string_view section, std::string_view key, StretchType type);
void writeMorphKind(IniFile& ini, std::string_view section, std::string_view key, MorphKind kind);
void writeInactiveEffect(IniFile& ini, std::string_view section, std::string_view key, InactiveEffect effect);
void writeStdCommand(IniFile& ini, std::string_view section, std::string_view key, StdCommand command);
void writeList(IniFile& ini, std::string_view section, std::string_view name,
               const std::vector<std::string>& list);
void writeSkinFont(IniFile& ini, std::string_view section, const SkinFont& font,
                   std::string_view prefix = "font");

}  // namespace vireltan
