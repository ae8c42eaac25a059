#include "skin/IniFile.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vireltan {
namespace {

struct LookupCase {
    const char* name;
    std::string text;
    const char* section;
    const char* key;
    std::optional<std::string> expected;  // nullopt: not found
};

TEST(IniFileTest, LookupRules) {
    const LookupCase cases[] = {
        {"plain", "[a]\r\nk=v\r\n", "a", "k", "v"},
        {"blanks around everything", "  [ Sec ]  \r\n   key  =  some value \t\r\n", "Sec", "key",
         "some value"},
        {"control characters trimmed", "\x01[s]\x02\r\n\x03k=\x04v\x05\r\n", "s", "k", "v"},
        {"section name case", "[FormInfo]\r\nk=1\r\n", "FORMINFO", "k", "1"},
        {"key name case", "[s]\r\nUnenabledFontColor=5\r\n", "s", "unenabledfontcolor", "5"},
        {"first key wins", "[s]\r\nk=first\r\nk=second\r\n", "s", "k", "first"},
        {"first key wins across case", "[s]\r\nKEY=first\r\nkey=second\r\n", "s", "key", "first"},
        {"first section wins", "[s]\r\nk=first\r\n[S]\r\nk=second\r\nother=x\r\n", "s", "k", "first"},
        {"repeated section not merged", "[s]\r\nk=first\r\n[S]\r\nother=x\r\n", "s", "other", std::nullopt},
        {"comment line", "[s]\r\n;k=hidden\r\n", "s", ";k", std::nullopt},
        {"comment after blanks", "[s]\r\n   ;k=hidden\r\n", "s", "k", std::nullopt},
        {"line without equals", "[s]\r\nnovalue\r\n", "s", "novalue", std::nullopt},
        {"lines before first section", "k=orphan\r\n[s]\r\n", "s", "k", std::nullopt},
        {"empty value", "[s]\r\nk=\r\n", "s", "k", ""},
        {"value keeps further equals", "[s]\r\nk=a=b\r\n", "s", "k", "a=b"},
        {"empty key", "[s]\r\n=v\r\n", "s", "", "v"},
        {"LF only", "[s]\nk=v\nj=w\n", "s", "j", "w"},
        {"CR only", "[s]\rk=v\rj=w", "s", "j", "w"},
        {"mixed breaks", "[s]\r\n\r\n\nk=v\r\rj=w", "s", "j", "w"},
        {"no final line break", "[s]\r\nk=v", "s", "k", "v"},
        {"missing section", "[s]\r\nk=v\r\n", "t", "k", std::nullopt},
        {"bracket inside name", "[a]b]\r\nk=v\r\n", "a]b", "k", "v"},
        {"unclosed bracket is an entry", "[s]\r\n[t\r\nk=v\r\n", "s", "k", "v"},
        {"empty section name", "[]\r\nk=v\r\n", "", "k", "v"},
        {"bit-5 twin of a key is another key", "[s]\r\nk{1}=brace\r\n", "s", "k[1]", std::nullopt},
        {"bit-5 twins both found", "[s]\r\nk{1}=brace\r\nk[1]=bracket\r\n", "s", "k[1]", "bracket"},
        {"bit-5 twin of a section", "[s{1}]\r\nk=v\r\n", "s[1]", "k", std::nullopt},
        {"long names fold case", "[SkinControlsSection]\r\nActiveButtonRectangleKey=v\r\n",
         "skincontrolssection", "activebuttonrectanglekey", "v"},
        {"names differing past eight bytes", "[s]\r\nactivebuttonrect1=a\r\nactivebuttonrect2=b\r\n", "s",
         "activebuttonrect2", "b"},
        {"utf8 value untouched", "[s]\r\nk=K\xC3\xBC\xC3\xA7\xC3\xBCk\r\n", "s", "k",
         "K\xC3\xBC\xC3\xA7\xC3\xBCk"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const IniFile ini(c.text);
        const auto value = ini.findValue(c.section, c.key);
        ASSERT_EQ(value.has_value(), c.expected.has_value());
        if (c.expected) {
            EXPECT_EQ(*value, *c.expected);
        }
        EXPECT_EQ(ini.valueExists(c.section, c.key), c.expected.has_value());
    }
}

struct IntegerCase {
    const char* text;
    std::optional<int> expected;
};

TEST(IniFileTest, IntegerConversion) {
    const IntegerCase cases[] = {
        {"0", 0},
        {"42", 42},
        {"-5", -5},
        {"+5", 5},
        {"007", 7},
        {"0x10", 16},
        {"0X10", 16},
        {"$10", 16},
        {"$ff", 255},
        {"-$10", -16},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"$FFFFFFFF", -1},
        {"0xFF00000F", static_cast<int>(0xFF00000Fu)},
        {"$100000000", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"0x", std::nullopt},
        {"$", std::nullopt},
        {"abc", std::nullopt},
        {"12a", std::nullopt},
        {"1 2", std::nullopt},
        {"1.5", std::nullopt},
        {"0x1g", std::nullopt},
        {"99999999999999999999999", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parseIniInteger(c.text), c.expected);
    }
}

TEST(IniFileTest, ReadIntegerFallsBackToDefault) {
    const IniFile ini("[s]\r\nempty=\r\nletters=abc\r\nhex=0x10\r\n");
    struct Case {
        const char* key;
        int expected;
    } const cases[] = {{"empty", -1}, {"letters", -1}, {"missing", -1}, {"hex", 16}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(ini.readInteger("s", c.key, -1), c.expected);
    }
    EXPECT_EQ(ini.readString("s", "empty", "default"), "");
    EXPECT_EQ(ini.readString("s", "missing", "default"), "default");
}

TEST(IniFileTest, ListsSectionsKeysAndLinesInFileOrder) {
    const IniFile ini(
        "junk\r\n[one]\r\nb=2\r\n a = 1 \r\nbare line\r\n;comment\r\nb=3\r\n[two]\r\n[One]\r\nc=4\r\n");
    EXPECT_EQ(ini.sectionNames(), (std::vector<std::string>{"one", "two", "One"}));
    EXPECT_EQ(ini.sectionCount(), 3u);
    EXPECT_EQ(ini.sectionKeys("ONE"), (std::vector<std::string>{"b", "a", "b"}));
    EXPECT_EQ(ini.sectionLines("one"), (std::vector<std::string>{"b=2", "a=1", "bare line", "b=3"}));
    EXPECT_TRUE(ini.sectionKeys("two").empty());
    EXPECT_TRUE(ini.sectionExists("TWO"));
    EXPECT_FALSE(ini.sectionExists("three"));
}

TEST(IniFileTest, WriterKeepsOrderAndReplacesFirstOccurrence) {
    IniFile ini;
    ini.writeString("b", "x", "1");
    ini.writeString("a", "y", "2");
    ini.writeInteger("B", "X", -7);  // same section and key, other letter case
    ini.writeString("b", "z", "");
    EXPECT_EQ(ini.toText(), "[b]\r\nx=-7\r\nz=\r\n\r\n[a]\r\ny=2\r\n");
    const IniFile again(ini.toText());
    EXPECT_EQ(again.readInteger("b", "x", 0), -7);
    EXPECT_EQ(again.readString("a", "y", ""), "2");
    EXPECT_EQ(again.sectionKeys("b"), (std::vector<std::string>{"x", "z"}));
}

TEST(IniFileTest, ParsedTextWritesBackEquivalent) {
    const std::string text =
        "[VERSION]\r\nskinname=Demo\r\nbare\r\n\r\n[FORMINFO]\r\nclientrect=5,27,145,142\r\n";
    const IniFile ini(text);
    EXPECT_EQ(ini.toText(), text);
}

TEST(IniFileTest, EraseSectionRemovesEveryOccurrence) {
    IniFile ini("[a]\r\nk=1\r\n[b]\r\nk=2\r\n[A]\r\nk=3\r\n");
    ini.eraseSection("a");
    EXPECT_EQ(ini.sectionNames(), (std::vector<std::string>{"b"}));
    EXPECT_EQ(ini.readInteger("b", "k", 0), 2);
    EXPECT_FALSE(ini.sectionExists("A"));
}

// A section found once answers any order of lookups as single lookups would: the first occurrence of
// each key, whatever was asked before.
TEST(IniFileTest, SectionLookupsInAnyOrder) {
    const IniFile ini("[s]\r\nk=1\r\nj=2\r\nK=3\r\nbare\r\nm=4\r\nj=5\r\n[t]\r\nk=6\r\n");
    const std::map<std::string, std::optional<std::string>> expected = {
        {"k", "1"}, {"K", "1"}, {"j", "2"}, {"m", "4"}, {"bare", std::nullopt}, {"missing", std::nullopt}};
    const std::vector<std::vector<std::string>> orders = {
        {"k", "j", "K", "m"},                // file order
        {"j", "k", "m", "j"},                // after j the next entry is a later k
        {"m", "j", "k", "K", "missing"},     // after m the next entry is a later j
        {"bare", "m", "k", "missing", "j"},  // a bare line is no key
        {"K", "K", "j", "j"},                // the same key twice
    };
    for (const auto& order : orders) {
        const IniFile::SectionView section = ini.section("S");
        ASSERT_TRUE(section.exists());
        for (const std::string& key : order) {
            SCOPED_TRACE(key);
            EXPECT_EQ(section.findValue(key), expected.at(key));
        }
    }
    EXPECT_FALSE(ini.section("u").exists());
    EXPECT_EQ(ini.section("u").findValue("k"), std::nullopt);
    EXPECT_EQ(ini.section("u").readInteger("k", -3), -3);
    EXPECT_EQ(ini.section("t").readInteger("k", 0), 6);
}

// Writing a key into an earlier section moves the entries behind it; every key stays found.
TEST(IniFileTest, WritesIntoEarlierSectionsKeepLookups) {
    struct Write {
        const char* section;
        const char* key;
        const char* value;
    };
    const Write writes[] = {{"a", "x", "1"}, {"b", "y", "2"}, {"c", "z", "3"}, {"A", "w", "4"},
                            {"b", "v", "5"}, {"a", "X", "6"}, {"c", "u", "7"}, {"a", "t", "8"}};
    IniFile ini("[a]\r\nold=0\r\n");
    for (const Write& w : writes) ini.writeString(w.section, w.key, w.value);
    EXPECT_EQ(ini.toText(),
              "[a]\r\nold=0\r\nx=6\r\nw=4\r\nt=8\r\n\r\n[b]\r\ny=2\r\nv=5\r\n\r\n[c]\r\nz=3\r\nu=7\r\n");
    const struct {
        const char* section;
        const char* key;
        const char* value;
    } reads[] = {{"a", "old", "0"}, {"a", "x", "6"}, {"a", "w", "4"}, {"a", "t", "8"},
                 {"b", "y", "2"},   {"b", "v", "5"}, {"c", "z", "3"}, {"c", "u", "7"}};
    for (const auto& r : reads) {
        SCOPED_TRACE(std::string(r.section) + "/" + r.key);
        EXPECT_EQ(ini.readString(r.section, r.key, "missing"), r.value);
    }
    ini.eraseSection("B");
    EXPECT_EQ(ini.readString("c", "u", "missing"), "7");
    EXPECT_EQ(ini.readString("a", "t", "missing"), "8");
    EXPECT_EQ(ini.readString("b", "y", "missing"), "missing");
}

TEST(IniFileTest, SplitTextLinesBreaks) {
    struct Case {
        std::string text;
        std::vector<std::string> lines;
    } const cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\r\rb", {"a", "", "b"}},
        {"\r\n", {""}},
        {"a\r", {"a"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::vector<std::string> got;
        for (auto line : splitTextLines(c.text)) got.emplace_back(line);
        EXPECT_EQ(got, c.lines);
    }
}

}  // namespace
}  // namespace vireltan
