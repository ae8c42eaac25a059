// One definition's keys, read from or written to its section through the shared value readers and
// writers. A definition lists its keys once, in file order, as calls on a "fields" object; the same
// list then serves loading (SkinFieldReader), saving (SkinFieldWriter) and, where a section needs it,
// resetting to the loaded defaults (SkinFieldDefaults), so these cannot drift apart.
#pragma once

#include <string>
#include <string_view>

#include "skin/IniFile.h"
#include "skin/SkinValues.h"

namespace vireltan {

// The section is looked up once; every key is then one lookup in it.
class SkinFieldReader {
  public:
    SkinFieldReader(const IniFile& ini, std::string_view section) : section_(ini.section(section)) {}

    void integer(std::string_view key, int& value, int def) { value = section_.readInteger(key, def); }
    void color(std::string_view key, SkinColor& value, SkinColor def) {
        value = readColor(section_, key, def);
    }
    void boolean(std::string_view key, bool& value) { value = readBoolean(section_, key); }
    void string(std::string_view key, std::string& value, std::string_view def) {
        const auto found = section_.findValue(key);
        value.assign(found ? *found : def);
    }
    void rect(std::string_view key, SkinRect& value) { value = readSkinRect(section_, key); }
    void point(std::string_view key, SkinPoint& value) { value = readSkinPoint(section_, key); }
    void fontStyle(std::string_view key, FontStyles& value) { value = readFontStyle(section_, key); }
    void alignment(std::string_view key, Alignment& value) { value = readAlignment(section_, key); }
    void stretchType(std::string_view key, StretchType& value) { value = readStretchType(section_, key); }
    void morphKind(std::string_view key, MorphKind& value) { value = readMorphKind(section_, key); }
    void command(std::string_view key, StdCommand& value) { value = readStdCommand(section_, key); }

  private:
    IniFile::SectionView section_;
};

// Defaults are taken only so that both classes accept the same calls; a writer always writes the value.
class SkinFieldWriter {
  public:
    SkinFieldWriter(IniFile& ini, std::string_view section) : ini_(ini), section_(section) {}

    void integer(std::string_view key, int value, int) { ini_.writeInteger(section_, key, value); }
    void color(std::string_view key, SkinColor value, SkinColor) { writeColor(ini_, section_, key, value); }
    void boolean(std::string_view key, bool value) { writeBoolean(ini_, section_, key, value); }
    void string(std::string_view key, const std::string& value, std::string_view) {
        ini_.writeString(section_, key, value);
    }
    void rect(std::string_view key, const SkinRect& value) { writeSkinRect(ini_, section_, key, value); }
    void point(std::string_view key, const SkinPoint& value) { writeSkinPoint(ini_, section_, key, value); }
    void fontStyle(std::string_view key, const FontStyles& value) {
        writeFontStyle(ini_, section_, key, value);
    }
    void alignment(std::string_view key, Alignment value) { writeAlignment(ini_, section_, key, value); }
    void stretchType(std::string_view key, StretchType value) {
        writeStretchType(ini_, section_, key, value);
    }
    void morphKind(std::string_view key, MorphKind value) { writeMorphKind(ini_, section_, key, value); }
    void command(std::string_view key, StdCommand value) { writeStdCommand(ini_, section_, key, value); }

  private:
    IniFile& ini_;
    std::string_view section_;
};

// Sets every field to the value a reader gives for a missing key.
class SkinFieldDefaults {
  public:
    void integer(std::string_view, int& value, int def) { value = def; }
    void color(std::string_view, SkinColor& value, SkinColor def) { value = def; }
    void boolean(std::string_view, bool& value) { value = false; }
    void string(std::string_view, std::string& value, std::string_view def) { value.assign(def); }
    void rect(std::string_view, SkinRect& value) { value = SkinRect{}; }
    void point(std::string_view, SkinPoint& value) { value = SkinPoint{}; }
    void fontStyle(std::string_view, FontStyles& value) { value = FontStyles{}; }
    void alignment(std::string_view, Alignment& value) { value = Alignment::taCenter; }
    void stretchType(std::string_view, StretchType& value) { value = StretchType::stFull; }
    void morphKind(std::string_view, MorphKind& value) { value = MorphKind::mkDefault; }
    void command(std::string_view, StdCommand& value) { value = StdCommand::cmDefault; }
};

}  // namespace vireltan
