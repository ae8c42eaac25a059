#include "skin/SkinValues.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "skin/SkinErrors.h"

namespace vireltan {
namespace {

// One [s] section holding `key=value` (or nothing when the value is absent).
IniFile iniWith(std::optional<std::string> value) {
    return IniFile(value ? "[s]\r\nkey=" + *value + "\r\n" : std::string("[s]\r\nother=1\r\n"));
}

struct RectCase {
    std::optional<std::string> value;
    SkinRect expected;
    std::optional<std::string> error;  // the conversion error's message when the load must stop
};

TEST(SkinValuesTest, SkinRectangleDigitWalk) {
    const std::string emptyField = "'' is not a valid integer value";
    const RectCase cases[] = {
        {"1,2,3,4", {1, 2, 3, 4}, std::nullopt},
        {"5,27,145,142", {5, 27, 145, 142}, std::nullopt},
        {" 1 , 2 , 3 , 4 ", {1, 2, 3, 4}, std::nullopt},
        {"-5,2,3,4", {5, 2, 3, 4}, std::nullopt},
        {"+1,a2,3b,4 px", {1, 2, 3, 4}, std::nullopt},
        {"1,2,3,4,5", {1, 2, 3, 4}, std::nullopt},
        {"1,2,3,4,", {1, 2, 3, 4}, std::nullopt},
        {"007,0,0,0", {7, 0, 0, 0}, std::nullopt},
        {"0,0,0,0", {0, 0, 0, 0}, std::nullopt},
        {std::nullopt, {0, 0, 0, 0}, std::nullopt},
        {"1,2,3", {}, emptyField},
        {"", {}, emptyField},
        {",1,2,3", {}, emptyField},
        {"1,,3,4", {}, emptyField},
        {"a,b,c,d", {}, emptyField},
        {"-,1,2,3", {}, emptyField},
        {"99999999999,0,0,0", {}, "'99999999999' is not a valid integer value"},
        {"2147483647,0,0,0", {2147483647, 0, 0, 0}, std::nullopt},
        {"1,2147483648,3,4", {}, "'2147483648' is not a valid integer value"},
        {"1,2,3,4x9999999999", {}, "'49999999999' is not a valid integer value"},
        {"1,-2 147 483 6480,3,4", {}, "'21474836480' is not a valid integer value"},
        {"1,2,3,4,99999999999", {1, 2, 3, 4}, std::nullopt},
        {"00000000000000000012,0,0,0", {12, 0, 0, 0}, std::nullopt},
        {"1,2,,99999999999", {}, emptyField},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value.value_or("<missing>"));
        const IniFile ini = iniWith(c.value);
        if (c.error) {
            try {
                readSkinRect(ini, "s", "key");
                ADD_FAILURE() << "the load did not stop";
            } catch (const SkinConvertError& e) {
                EXPECT_EQ(e.what(), *c.error);
            }
        } else {
            EXPECT_EQ(readSkinRect(ini, "s", "key"), c.expected);
        }
    }
}

struct PointCase {
    std::optional<std::string> value;
    std::optional<SkinPoint> expected;  // nullopt: the load stops
};

TEST(SkinValuesTest, SkinPointDigitWalk) {
    const PointCase cases[] = {
        {"3,4", SkinPoint{3, 4}},
        {" 3 , 4 ", SkinPoint{3, 4}},
        {"-3,-4", SkinPoint{3, 4}},
        {"30,28,99", SkinPoint{30, 28}},
        {std::nullopt, SkinPoint{0, 0}},
        {"3", std::nullopt},
        {"3,", std::nullopt},
        {"", std::nullopt},
        {",", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value.value_or("<missing>"));
        const IniFile ini = iniWith(c.value);
        if (c.expected) {
            EXPECT_EQ(readSkinPoint(ini, "s", "key"), *c.expected);
        } else {
            EXPECT_THROW(readSkinPoint(ini, "s", "key"), SkinConvertError);
        }
    }
}

TEST(SkinValuesTest, RectangleEmptiness) {
    struct Case {
        SkinRect rect;
        bool empty;
    } const cases[] = {
        {{0, 0, 0, 0}, true}, {{1, 1, 2, 2}, false}, {{5, 5, 5, 9}, true},
        {{5, 5, 9, 5}, true}, {{9, 0, 5, 4}, true},  {{0, 0, 1, 1}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(formatSkinRect(c.rect));
        EXPECT_EQ(c.rect.isEmpty(), c.empty);
    }
}

struct BoolCase {
    std::optional<std::string> value;
    bool expected;
};

TEST(SkinValuesTest, BooleanIsExactlyOne) {
    const BoolCase cases[] = {
        {"1", true},   {"0", false}, {"2", false}, {"-1", false},         {"true", false}, {"", false},
        {"0x1", true}, {"$1", true}, {"01", true}, {std::nullopt, false}, {"1.0", false},  {" 1 ", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value.value_or("<missing>"));
        EXPECT_EQ(readBoolean(iniWith(c.value), "s", "key"), c.expected);
    }
    EXPECT_TRUE(readBoolean(iniWith(std::nullopt), "s", "key", true));
    EXPECT_TRUE(readBoolean(iniWith("junk"), "s", "key", true));
}

TEST(SkinValuesTest, Colours) {
    struct Case {
        std::optional<std::string> value;
        SkinColor expected;
        bool system;
    } const cases[] = {
        {"255", rgbColor(255, 0, 0), false},
        {"16711680", rgbColor(0, 0, 255), false},
        {"$00FF00", rgbColor(0, 255, 0), false},
        {"0xFF00000F", systemColor(15), true},
        {"-16777201", systemColor(15), true},
        {"letters", 77, false},
        {"", 77, false},
        {std::nullopt, 77, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value.value_or("<missing>"));
        const SkinColor color = readColor(iniWith(c.value), "s", "key", 77);
        EXPECT_EQ(color, c.expected);
        EXPECT_EQ(isSystemColor(color), c.system);
    }
    EXPECT_EQ(systemColorIndex(systemColor(kColorBtnFace)), 15);
}

TEST(SkinValuesTest, FontStyleSubstrings) {
    struct Case {
        std::optional<std::string> value;
        FontStyles expected;
    } const cases[] = {
        {"fsbold,fsitalic", {true, true, false, false}},
        {"fsitalic,fsbold", {true, true, false, false}},
        {"fsitalic;fsbold", {true, true, false, false}},
        {"fsitalicfsbold", {true, true, false, false}},
        {"[fsBold]", {false, false, false, false}},
        {"FSBOLD", {false, false, false, false}},
        {"fsunderline fsstrikeout", {false, false, true, true}},
        {"fsbold,fsitalic,fsunderline,fsstrikeout", {true, true, true, true}},
        {"", {}},
        {std::nullopt, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value.value_or("<missing>"));
        EXPECT_EQ(readFontStyle(iniWith(c.value), "s", "key"), c.expected);
    }
}

TEST(SkinValuesTest, WordsCompareCaseSensitivelyWithFallbacks) {
    struct Case {
        std::optional<std::string> value;
        Alignment alignment;
        StretchType stretch;
        MorphKind morph;
        InactiveEffect effect;
        StdCommand command;
    } const cases[] = {
        {std::nullopt, Alignment::taCenter, StretchType::stFull, MorphKind::mkDefault,
         InactiveEffect::ieBrightness, StdCommand::cmDefault},
        {"", Alignment::taRightJustify, StretchType::stHorz, MorphKind::mkDefault,
         InactiveEffect::ieGrayscale, StdCommand::cmMinimizeToTray},
        {"junk", Alignment::taRightJustify, StretchType::stHorz, MorphKind::mkDefault,
         InactiveEffect::ieGrayscale, StdCommand::cmMinimizeToTray},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value.value_or("<missing>"));
        const IniFile ini = iniWith(c.value);
        EXPECT_EQ(readAlignment(ini, "s", "key"), c.alignment);
        EXPECT_EQ(readStretchType(ini, "s", "key"), c.stretch);
        EXPECT_EQ(readMorphKind(ini, "s", "key"), c.morph);
        EXPECT_EQ(readInactiveEffect(ini, "s", "key"), c.effect);
        EXPECT_EQ(readStdCommand(ini, "s", "key"), c.command);
    }
}

struct WordCase {
    const char* word;
    int expected;
};

template <typename Enum>
void checkWords(const std::vector<WordCase>& cases,
                Enum (*reader)(const IniFile&, std::string_view, std::string_view)) {
    for (const auto& c : cases) {
        SCOPED_TRACE(c.word);
        EXPECT_EQ(static_cast<int>(reader(iniWith(std::string(c.word)), "s", "key")), c.expected);
    }
}

TEST(SkinValuesTest, WordTables) {
    checkWords<Alignment>(
        {{"taleftjustify", 0}, {"tarightjustify", 1}, {"tacenter", 2}, {"TACENTER", 1}, {"taLeftJustify", 1}},
        readAlignment);
    checkWords<StretchType>({{"stfull", 0}, {"sthorz", 1}, {"stvert", 2}, {"STFULL", 1}, {"stVert", 1}},
                            readStretchType);
    checkWords<MorphKind>({{"mkdefault", 0},
                           {"mkgradient", 1},
                           {"mkleftgradient", 2},
                           {"mkrightgradient", 3},
                           {"mkleftslide", 4},
                           {"mkrightslide", 5},
                           {"mkpush", 6},
                           {"mkPush", 0}},
                          readMorphKind);
    checkWords<InactiveEffect>({{"iebrightness", 0},
                                {"iedarkness", 1},
                                {"iegrayscale", 2},
                                {"ienoise", 3},
                                {"iesplitblur", 4},
                                {"ieinvert", 5},
                                {"ieInvert", 2}},
                               readInactiveEffect);
    checkWords<StdCommand>({{"cmclose", 0},
                            {"cmmaximize", 1},
                            {"cmminimize", 2},
                            {"cmsysmenu", 3},
                            {"cmdefault", 4},
                            {"cmrollup", 5},
                            {"cmminimizetotray", 6},
                            {"cmclsoe", 6},
                            {"CMCLOSE", 6}},
                           readStdCommand);
}

TEST(SkinValuesTest, WritersProduceWhatReadersRead) {
    IniFile ini;
    const SkinRect rect{5, 27, 145, 142};
    const SkinPoint point{30, 28};
    const FontStyles style{true, false, true, false};
    writeSkinRect(ini, "s", "rect", rect);
    writeSkinPoint(ini, "s", "point", point);
    writeBoolean(ini, "s", "yes", true);
    writeBoolean(ini, "s", "no", false);
    writeColor(ini, "s", "color", systemColor(kColorHighlight));
    writeFontStyle(ini, "s", "style", style);
    writeAlignment(ini, "s", "align", Alignment::taRightJustify);
    writeStretchType(ini, "s", "stretch", StretchType::stVert);
    writeMorphKind(ini, "s", "morph", MorphKind::mkRightSlide);
    writeInactiveEffect(ini, "s", "effect", InactiveEffect::ieNoise);
    writeStdCommand(ini, "s", "command", StdCommand::cmMinimizeToTray);

    const IniFile back(ini.toText());
    EXPECT_EQ(readSkinRect(back, "s", "rect"), rect);
    EXPECT_EQ(readSkinPoint(back, "s", "point"), point);
    EXPECT_TRUE(readBoolean(back, "s", "yes"));
    EXPECT_FALSE(readBoolean(back, "s", "no", true));
    EXPECT_EQ(readColor(back, "s", "color"), systemColor(kColorHighlight));
    EXPECT_EQ(readFontStyle(back, "s", "style"), style);
    EXPECT_EQ(readAlignment(back, "s", "align"), Alignment::taRightJustify);
    EXPECT_EQ(readStretchType(back, "s", "stretch"), StretchType::stVert);
    EXPECT_EQ(readMorphKind(back, "s", "morph"), MorphKind::mkRightSlide);
    EXPECT_EQ(readInactiveEffect(back, "s", "effect"), InactiveEffect::ieNoise);
    EXPECT_EQ(readStdCommand(back, "s", "command"), StdCommand::cmMinimizeToTray);

    // The written words are the format's own.
    EXPECT_EQ(back.readString("s", "rect", ""), "5,27,145,142");
    EXPECT_EQ(back.readString("s", "style", ""), "fsbold,fsunderline");
    EXPECT_EQ(back.readString("s", "align", ""), "tarightjustify");
    EXPECT_EQ(back.readString("s", "stretch", ""), "stvert");
    EXPECT_EQ(back.readString("s", "command", ""), "cmminimizetotray");
    EXPECT_EQ(back.readString("s", "yes", ""), "1");
}

TEST(SkinValuesTest, FontStyleWordsInFixedOrder) {
    struct Case {
        FontStyles style;
        const char* text;
    } const cases[] = {
        {{}, ""},
        {{false, false, false, true}, "fsstrikeout"},
        {{true, true, true, true}, "fsbold,fsitalic,fsunderline,fsstrikeout"},
        {{false, true, true, false}, "fsitalic,fsunderline"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(formatFontStyle(c.style), c.text);
        EXPECT_EQ(parseFontStyle(c.text), c.style);
    }
}

TEST(SkinValuesTest, Lists) {
    struct Case {
        const char* name;
        std::string section;
        std::vector<std::string> expected;
    } const cases[] = {
        {"in order",
         "activepicturescount=3\r\n0=a.bmp\r\n1=b.bmp\r\n2=c.bmp\r\n",
         {"a.bmp", "b.bmp", "c.bmp"}},
        {"missing entry gives empty string", "activepicturescount=3\r\n0=a\r\n2=c\r\n", {"a", "", "c"}},
        {"count smaller than entries", "activepicturescount=1\r\n0=a\r\n1=b\r\n", {"a"}},
        {"no count", "0=a\r\n", {}},
        {"zero count", "activepicturescount=0\r\n0=a\r\n", {}},
        {"negative count", "activepicturescount=-4\r\n0=a\r\n", {}},
        {"count not a number", "activepicturescount=x\r\n0=a\r\n", {}},
        {"count key case", "ACTIVEPICTURESCOUNT=1\r\n0=a\r\n", {"a"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const IniFile ini("[PICTURES]\r\n" + c.section);
        std::vector<std::string> list{"kept"};
        readList(ini, "pictures", "activepictures", list);
        std::vector<std::string> expected{"kept"};
        expected.insert(expected.end(), c.expected.begin(), c.expected.end());
        EXPECT_EQ(list, expected);
    }
}

TEST(SkinValuesTest, HugeListCountIsBounded) {
    const IniFile ini("[p]\r\nlistcount=2147483647\r\n0=a\r\n");
    std::vector<std::string> list;
    readList(ini, "p", "list", list);
    ASSERT_EQ(list.size(), static_cast<std::size_t>(kMaxListEntries));
    EXPECT_EQ(list[0], "a");
    EXPECT_EQ(list[1], "");
}

TEST(SkinValuesTest, ListWriterRoundTrip) {
    IniFile ini;
    const std::vector<std::string> names{"x.bmp", "", "z.bmp"};
    writeList(ini, "PICTURES", "activepictures", names);
    EXPECT_EQ(ini.toText(), "[PICTURES]\r\nactivepicturescount=3\r\n0=x.bmp\r\n1=\r\n2=z.bmp\r\n");
    std::vector<std::string> back;
    readList(IniFile(ini.toText()), "PICTURES", "activepictures", back);
    EXPECT_EQ(back, names);
}

TEST(SkinValuesTest, Fonts) {
    const IniFile ini(
        "[s]\r\nfontname=Tahoma\r\nfontheight=11\r\nfontstyle=fsbold\r\nfontcolor=255\r\n"
        "captionfontheight=abc\r\n");
    const SkinFont plain = readSkinFont(ini, "s");
    EXPECT_EQ(plain, (SkinFont{"Tahoma", 11, FontStyles{true, false, false, false}, 255}));
    const SkinFont caption = readSkinFont(ini, "s", "captionfont");
    EXPECT_EQ(caption, SkinFont{});  // Arial, 14, no style, black
    IniFile out;
    writeSkinFont(out, "t", plain, "captionfont");
    EXPECT_EQ(readSkinFont(IniFile(out.toText()), "t", "captionfont"), plain);
    EXPECT_EQ(out.sectionKeys("t"), (std::vector<std::string>{"captionfontname", "captionfontheight",
                                                              "captionfontstyle", "captionfontcolor"}));
}

}  // namespace
}  // namespace vireltan
