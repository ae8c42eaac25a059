// Skin object definitions: for every kind, the class it creates, the keys it reads in order with
// their types and defaults, the round trip through the writer and malformed rectangles; the user
// object's own reading, the animation's morphing rule, command words, and the [SKINOBJECTS] list.
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <typeinfo>
#include <vector>

#include "skin/SkinErrors.h"
#include "skin/SkinObjects.h"
#include "tests/skin/SkinDefinitionTestSupport.h"

namespace vireltan {
namespace {

using testing::expectedKeys;
using testing::KeyEntry;
using testing::listText;
using testing::parseKeys;
using testing::sampleLines;
using testing::savedKeys;
using testing::sectionText;

// The keys each class adds, in the order the class reads them.
constexpr std::string_view kObject =
    "hint:s activepictureindex:i=-1 skinrectinapicture:b skinrect:r activeskinrect:r "
    "inactiveskinrect:r morphing:b morphkind:m ";
constexpr std::string_view kUserObject = "skinrect:r ";
constexpr std::string_view kButton = "downrect:r disableskinrsect:r ";
constexpr std::string_view kStdButton =
    "command:w restorerect:r restoreactiverect:r restoredownrect:r restoreinactiverect:r ";
constexpr std::string_view kAnimate =
    "countframes:i=1 cycle:b buttonstyle:b timerinterval:i=50 command:w downskinrect:r restorerect:r "
    "restoreactiverect:r restoredownrect:r restoreinactiverect:r ";
constexpr std::string_view kMenuItem =
    "itemleftoffset:i itemrightoffset:i dividerrect:r dividerleftoffset:i dividerrightoffset:i "
    "textrect:r imagerect:r fontname:s=Arial fontheight:i=14 fontstyle:f fontcolor:c "
    "activefontcolor:c unenabledfontcolor:c stretcheffect:b inactivestretcheffect:b "
    "dividerstretcheffect:b animateskinrect:r framecount:i animateinterval:i=25 inactiveanimation:b "
    "useimagecolor:b imagecolor:c activeimagecolor:c ";
constexpr std::string_view kMainMenuItem =
    "itemleftoffset:i itemrightoffset:i downrect:r textrect:r fontname:s=Arial fontheight:i=14 "
    "fontstyle:f fontcolor:c activefontcolor:c downfontcolor:c unenabledfontColor:c stretcheffect:b "
    "animateskinrect:r framecount:i animateinterval:i=25 inactiveanimation:b ";
constexpr std::string_view kCaption =
    "textrect:r fontname:s=Arial fontheight:i=14 fontstyle:f fontcolor:c activefontcolor:c "
    "alignment:a light:b lightcolor:c activelightcolor:c shadow:b shadowcolor:c activeshadowcolor:c "
    "framerect:r activeframerect:r frametextrect:r frameleftoffset:i framerightoffset:i "
    "stretcheffect:b animateskinrect:r framecount:i animateinterval:i=25 inactiveanimation:b "
    "fullframe:b ";

template <class T>
bool isExactly(const TbsDataSkinObject& d) {
    return typeid(d) == typeid(T);
}

struct KindCase {
    std::string_view kind;
    bool (*isClass)(const TbsDataSkinObject&);
    std::vector<std::string_view> keyGroups;  // from the root class down
    std::vector<std::string> resetKeys;       // read back as defaults whatever the file says
};

void PrintTo(const KindCase& c, std::ostream* out) {
    *out << c.kind;
}

const KindCase kKindCases[] = {
    {"menuitem", isExactly<TbsDataSkinMenuItem>, {kObject, kMenuItem}, {}},
    {"mainmenubaritem", isExactly<TbsDataSkinMainMenuBarItem>, {kObject, kMainMenuItem}, {}},
    {"stdbutton", isExactly<TbsDataSkinStdButton>, {kObject, kButton, kStdButton}, {}},
    {"mainmenubarbutton", isExactly<TbsDataSkinMainMenuBarButton>, {kObject, kButton, kStdButton}, {}},
    {"button", isExactly<TbsDataSkinButton>, {kObject, kButton}, {}},
    {"caption", isExactly<TbsDataSkinCaption>, {kObject, kCaption}, {}},
    {"animate", isExactly<TbsDataSkinAnimate>, {kObject, kAnimate}, {"morphing"}},
    {"userobject", isExactly<TbsDataUserObject>, {kUserObject}, {}},
};

std::string oneDefinition(std::string_view kind, const std::vector<std::string>& lines) {
    return listText("SKINOBJECTS", {"def:" + std::string(kind)}) + sectionText("def", lines);
}

std::unique_ptr<TbsDataSkinObject> readOne(const std::string& text) {
    auto objects = ReadSkinObjects(IniFile(text));
    if (objects.size() != 1) return nullptr;
    return std::move(objects.front());
}

class ObjectKindTest : public ::testing::TestWithParam<KindCase> {
  protected:
    std::vector<KeyEntry> keys() const { return parseKeys(GetParam().keyGroups); }
};

TEST_P(ObjectKindTest, KindWordCreatesItsClass) {
    auto object = readOne(listText("SKINOBJECTS", {"def:" + std::string(GetParam().kind)}));
    ASSERT_NE(object, nullptr);
    EXPECT_TRUE(GetParam().isClass(*object)) << typeid(*object).name();
    EXPECT_EQ(object->kindWord(), GetParam().kind);
    EXPECT_EQ(object->name, "def");
}

TEST_P(ObjectKindTest, MissingSectionGivesEveryDefaultInKeyOrder) {
    auto object = readOne(listText("SKINOBJECTS", {"def:" + std::string(GetParam().kind)}));
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->activepictureindex, -1);
    EXPECT_TRUE(object->skinrect.isEmpty());
    EXPECT_TRUE(object->hint.empty());
    IniFile saved;
    object->SaveToIni(saved);
    EXPECT_EQ(savedKeys(saved, "def"), expectedKeys(keys(), false));
}

TEST_P(ObjectKindTest, EveryKeyIsReadWithItsType) {
    std::vector<std::string> lines = sampleLines(keys());
    lines.insert(lines.begin() + 1, "ver=2");  // keys no class reads are ignored
    auto object = readOne(oneDefinition(GetParam().kind, lines));
    ASSERT_NE(object, nullptr);
    IniFile saved;
    object->SaveToIni(saved);
    EXPECT_EQ(savedKeys(saved, "def"), expectedKeys(keys(), true, GetParam().resetKeys));
}

TEST_P(ObjectKindTest, SavedSectionReadsBackTheSameDefinition) {
    auto object = readOne(oneDefinition(GetParam().kind, sampleLines(keys())));
    ASSERT_NE(object, nullptr);
    IniFile first;
    object->SaveToIni(first);
    auto copy = makeSkinObject(GetParam().kind, "def");
    ASSERT_NE(copy, nullptr);
    copy->LoadFromIni(IniFile(first.toText()));
    IniFile second;
    copy->SaveToIni(second);
    EXPECT_EQ(second.toText(), first.toText());
}

TEST_P(ObjectKindTest, EmptyFieldInAnyRectangleStopsTheRead) {
    for (const KeyEntry& key : keys()) {
        if (key.type != 'r') continue;
        SCOPED_TRACE(key.key);
        const std::string text =
            listText("SKINOBJECTS", {"def:" + std::string(GetParam().kind), "next:caption"}) +
            sectionText("def", {key.key + "=4,,6,7"});
        try {
            ReadSkinObjects(IniFile(text));
            ADD_FAILURE() << "no error";
        } catch (const SkinConvertError& e) {
            EXPECT_STREQ(e.what(), "'' is not a valid integer value");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllKinds, ObjectKindTest, ::testing::ValuesIn(kKindCases),
                         [](const auto& p) { return std::string(p.param.kind); });

TEST(SkinObjectKinds, EveryKindWordHasACase) {
    std::vector<std::string_view> covered;
    for (const KindCase& c : kKindCases) covered.push_back(c.kind);
    EXPECT_EQ(skinObjectKinds(), covered);
}

// Base keys in a user object's section change nothing but its rectangle.
TEST(SkinObjectRules, UserObjectReadsOnlyItsRectangle) {
    auto object =
        readOne(oneDefinition("userobject", {"activepictureindex=2", "hint=Close", "skinrect=1,2,3,4",
                                             "activeskinrect=5,6,7,8", "morphing=1"}));
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->activepictureindex, -1);
    EXPECT_EQ(object->hint, "");
    EXPECT_EQ(object->skinrect, (SkinRect{1, 2, 3, 4}));
    EXPECT_EQ(object->activeskinrect, SkinRect{});
    EXPECT_FALSE(object->morphing);
}

TEST(SkinObjectRules, AnimationNeverMorphsWhateverTheFileSays) {
    for (const char* kind : {"animate", "button"}) {
        SCOPED_TRACE(kind);
        auto object = readOne(oneDefinition(kind, {"morphing=1", "morphkind=mkgradient"}));
        ASSERT_NE(object, nullptr);
        EXPECT_EQ(object->morphing, std::string_view(kind) != "animate");
        EXPECT_EQ(object->morphkind, MorphKind::mkGradient);
    }
}

struct CommandCase {
    const char* line;  // the command line of the section, empty for none
    StdCommand command;
};

const CommandCase kCommandCases[] = {
    {"command=cmclose", StdCommand::cmClose},
    {"command=cmmaximize", StdCommand::cmMaximize},
    {"command=cmminimize", StdCommand::cmMinimize},
    {"command=cmsysmenu", StdCommand::cmSysMenu},
    {"command=cmdefault", StdCommand::cmDefault},
    {"command=cmrollup", StdCommand::cmRollUp},
    {"command=cmminimizetotray", StdCommand::cmMinimizeToTray},
    {"command=cmclos", StdCommand::cmMinimizeToTray},  // any other word
    {"command=CMCLOSE", StdCommand::cmMinimizeToTray},
    {"command=", StdCommand::cmMinimizeToTray},
    {"Command=cmclose", StdCommand::cmClose},  // key names ignore case
    {"", StdCommand::cmDefault},
};

TEST(SkinObjectRules, CommandWordsOfButtonsAndAnimations) {
    for (const char* kind : {"stdbutton", "mainmenubarbutton", "animate"}) {
        for (const CommandCase& c : kCommandCases) {
            SCOPED_TRACE(std::string(kind) + " " + c.line);
            std::vector<std::string> lines;
            if (*c.line) lines.push_back(c.line);
            auto object = readOne(oneDefinition(kind, lines));
            ASSERT_NE(object, nullptr);
            if (auto* button = dynamic_cast<TbsDataSkinStdButton*>(object.get())) {
                EXPECT_EQ(button->command, c.command);
            } else {
                EXPECT_EQ(dynamic_cast<TbsDataSkinAnimate&>(*object).command, c.command);
            }
        }
    }
}

TEST(SkinObjectRules, MainMenuBarItemReadsItsDisabledColourInAnyCase) {
    for (const char* line : {"unenabledfontColor=255", "unenabledfontcolor=255", "UNENABLEDFONTCOLOR=255"}) {
        SCOPED_TRACE(line);
        auto object = readOne(oneDefinition("mainmenubaritem", {line}));
        ASSERT_NE(object, nullptr);
        EXPECT_EQ(dynamic_cast<TbsDataSkinMainMenuItem&>(*object).unenabledfontColor, 255);
    }
}

// Values of the calculator window's own skin, read member by member.
TEST(SkinObjectRules, CaptionButtonAndAnimationOfTheWindowSkin) {
    const std::string text = listText("SKINOBJECTS", {"closebutton:stdbutton", "minanimate:animate"}) +
                             sectionText("closebutton", {"activepictureindex=0", "skinrect=108,5,125,22",
                                                         "command=cmclose", "disableskinrsect=21,28,38,45"}) +
                             sectionText("minanimate", {"countframes=6", "buttonstyle=1",
                                                        "command=cmminimize", "timerinterval=25"});
    auto objects = ReadSkinObjects(IniFile(text));
    ASSERT_EQ(objects.size(), 2u);
    const auto& close = dynamic_cast<const TbsDataSkinStdButton&>(*objects[0]);
    EXPECT_EQ(close.name, "closebutton");
    EXPECT_EQ(close.activepictureindex, 0);
    EXPECT_EQ(close.skinrect, (SkinRect{108, 5, 125, 22}));
    EXPECT_EQ(close.command, StdCommand::cmClose);
    EXPECT_EQ(close.disableskinrsect, (SkinRect{21, 28, 38, 45}));
    const auto& animate = dynamic_cast<const TbsDataSkinAnimate&>(*objects[1]);
    EXPECT_EQ(animate.countframes, 6);
    EXPECT_TRUE(animate.buttonstyle);
    EXPECT_FALSE(animate.cycle);
    EXPECT_EQ(animate.command, StdCommand::cmMinimize);
    EXPECT_EQ(animate.timerinterval, 25);
}

TEST(SkinObjectRules, CaptionTextLooks) {
    auto object = readOne(oneDefinition(
        "caption", {"alignment=tarightjustify", "fontname=Tahoma", "fontstyle=fsbold", "shadow=1",
                    "activeshadowcolor=$FF0000", "textrect=2,2,100,18", "fullframe=1", "animateinterval=x"}));
    ASSERT_NE(object, nullptr);
    const auto& caption = dynamic_cast<const TbsDataSkinCaption&>(*object);
    EXPECT_EQ(caption.alignment, Alignment::taRightJustify);
    EXPECT_EQ(caption.fontname, "Tahoma");
    EXPECT_EQ(caption.fontheight, 14);
    EXPECT_EQ(caption.fontstyle, (FontStyles{true, false, false, false}));
    EXPECT_TRUE(caption.shadow);
    EXPECT_EQ(caption.activeshadowcolor, rgbColor(0, 0, 255));
    EXPECT_EQ(caption.textrect, (SkinRect{2, 2, 100, 18}));
    EXPECT_TRUE(caption.fullframe);
    EXPECT_EQ(caption.animateinterval, 25);
}

struct EntryCase {
    const char* entry;
    bool creates;
};

const EntryCase kEntryCases[] = {
    {"closebutton:stdbutton", true},
    {"closebutton:StdButton", false},
    {"closebutton:STDBUTTON", false},
    {"closebutton", false},
    {"closebutton:", false},
    {"closebutton:std button", false},
    {"closebutton:menubutton", false},  // a control kind, not an object kind
    {"a:b:caption", false},
};

TEST(SkinObjectList, EntryFormsAndKindWordCase) {
    for (const EntryCase& c : kEntryCases) {
        SCOPED_TRACE(c.entry);
        EXPECT_EQ(ReadSkinObjects(IniFile(listText("SKINOBJECTS", {c.entry}))).size(), c.creates ? 1u : 0u);
    }
}

// The window skin's list, with unknown entries mixed in: the known ones keep file order.
TEST(SkinObjectList, FileOrderWithUnknownEntriesSkipped) {
    const std::vector<std::string> entries{"menuitem:menuitem",
                                           "caption:caption",
                                           "bogus:Caption",
                                           "closebutton:stdbutton",
                                           "mainmenubaritem:mainmenubaritem",
                                           "sysmenubutton:stdbutton",
                                           "no colon",
                                           "menubarsysmenubutton:mainmenubarbutton",
                                           "menubarclosebutton:mainmenubarbutton",
                                           "menubarmaxbutton:mainmenubarbutton",
                                           "menubarminbutton:mainmenubarbutton",
                                           "minanimate:animate",
                                           "maxanimate:animate"};
    std::vector<std::string> names;
    std::vector<std::string_view> kinds;
    for (const auto& object : ReadSkinObjects(IniFile(listText("SKINOBJECTS", entries)))) {
        names.push_back(object->name);
        kinds.push_back(object->kindWord());
    }
    EXPECT_EQ(names,
              (std::vector<std::string>{"menuitem", "caption", "closebutton", "mainmenubaritem",
                                        "sysmenubutton", "menubarsysmenubutton", "menubarclosebutton",
                                        "menubarmaxbutton", "menubarminbutton", "minanimate", "maxanimate"}));
    EXPECT_EQ(kinds,
              (std::vector<std::string_view>{
                  "menuitem", "caption", "stdbutton", "mainmenubaritem", "stdbutton", "mainmenubarbutton",
                  "mainmenubarbutton", "mainmenubarbutton", "mainmenubarbutton", "animate", "animate"}));
}

TEST(SkinObjectList, CountRules) {
    struct Case {
        const char* description;
        const char* text;
        std::size_t expected;
    };
    const Case cases[] = {
        {"no section", "", 0},
        {"count 0", "[SKINOBJECTS]\ncount=0\n0=a:caption\n", 0},
        {"count -1", "[SKINOBJECTS]\ncount=-1\n0=a:caption\n", 0},
        {"count beyond the entries", "[SKINOBJECTS]\ncount=9\n0=a:caption\n3=b:caption\n", 2},
        {"huge count", "[SKINOBJECTS]\ncount=$7FFFFFFF\n0=a:caption\n", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.description);
        EXPECT_EQ(ReadSkinObjects(IniFile(c.text)).size(), c.expected);
    }
}

}  // namespace
}  // namespace vireltan
