// Control definitions: for every kind, the class it creates, the keys it reads in order with their
// types and defaults, the round trip through the writer, and how malformed values stop the read;
// then the [SKINCONTROLS] list itself.
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <typeinfo>
#include <vector>

#include "skin/SkinControls.h"
#include "skin/SkinErrors.h"
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
constexpr std::string_view kControl = "pictureindex:i=-1 maskpictureindex:i=-1 skinrect:r ";
constexpr std::string_view kCustomControl =
    "lefttoppoint:p righttoppoint:p leftbottompoint:p rightbottompoint:p clientrect:r leftstretch:b "
    "topstretch:b rightstretch:b bottomstretch:b stretcheffect:b stretchtype:t ";
constexpr std::string_view kPanelControl =
    "bgpictureindex:i=-1 captionrect:r alignment:a fontname:s=Arial fontheight:i=14 fontstyle:f "
    "fontcolor:c checkimagerect:r uncheckimagerect:r markframerect:r framerect:r frametextrect:r "
    "frameleftoffset:i framerightoffset:i gripperrect:r grippertransparent:b "
    "grippertransparentcolor:c ";
constexpr std::string_view kStdLabelControl =
    "fontname:s=Arial fontheight:i=14 fontstyle:f fontcolor:c activefontcolor:c=16711680 ";
constexpr std::string_view kEditControl =
    "activeskinrect:r fontname:s=Arial fontheight:i=14 fontstyle:f fontcolor:c disabledfontcolor:c "
    "activefontcolor:c buttonrect:r activebuttonrect:r downbuttonrect:r unenabledbuttonrect:r ";
constexpr std::string_view kComboBox =
    "activeskinrect:r itemrect:r activeitemrect:r focusitemrect:r itemleftoffset:i itemrightoffset:i "
    "itemtextrect:r fontname:s=Arial fontheight:i=14 fontstyle:f fontcolor:c focusfontcolor:c "
    "activefontcolor:c listboxname:s buttonrect:r activebuttonrect:r downbuttonrect:r "
    "unenabledbuttonrect:r itemstretcheffect:b focusitemstretcheffect:b showfocus:b ";
constexpr std::string_view kListBox =
    "itemrect:r activeitemrect:r focusitemrect:r itemleftoffset:i itemrightoffset:i itemtextrect:r "
    "fontname:s=Arial fontheight:i=14 fontstyle:f fontcolor:c activefontcolor:c focusfontcolor:c "
    "captionrect:r captionfontname:s=Arial captionfontheight:i=14 captionfontstyle:f "
    "captionfontcolor:c upbuttonrect:r activeupbuttonrect:r downupbuttonrect:r downbuttonrect:r "
    "activedownbuttonrect:r downdownbuttonrect:r checkbuttonrect:r activecheckbuttonrect:r "
    "downcheckbuttonrect:r vscrollbarname:s=vscrollbar hscrollbarname:s=hscrollbar "
    "bothhscrollbarname:s=bothhscrollbar showfocus:b ";
constexpr std::string_view kScrollBarControl =
    "trackarea:r upbuttonrect:r activeupbuttonrect:r downupbuttonrect:r downbuttonrect:r "
    "activedownbuttonrect:r downdownbuttonrect:r thumbrect:r activethumbrect:r downthumbrect:r "
    "thumboffset1:i thumboffset2:i thumbtransparent:b thumbtransparentcolor:c glyphrect:r "
    "activeglyphrect:r downglyphrect:r ";
constexpr std::string_view kButtonControl =
    "fontname:s=Arial fontheight:i=14 fontstyle:f fontcolor:c activefontcolor:c downfontcolor:c "
    "disabledfontcolor:c activeskinrect:r downskinrect:r disabledskinrect:r morphing:b morphkind:m "
    "animateskinrect:r framecount:i animateinterval:i=25 showfocus:b menumarkerflatrect:r "
    "menumarkerrect:r menumarkeractiverect:r menumarkerdownrect:r menumarkertransparentcolor:c ";
constexpr std::string_view kExPanelControl =
    "rollhskinrect:r rollvskinrect:r rollleftoffset:i rollrightoffset:i rolltopoffset:i "
    "rollbottomoffset:i rollvcaptionrect:r rollhcaptionrect:r closebuttonrect:r "
    "closebuttonactiverect:r closebuttondownrect:r hrollbuttonrect:r hrollbuttonactiverect:r "
    "hrollbuttondownrect:r hrestorebuttonrect:r hrestorebuttonactiverect:r hrestorebuttondownrect:r "
    "vrollbuttonrect:r vrollbuttonactiverect:r vrollbuttondownrect:r vrestorebuttonrect:r "
    "vrestorebuttonactiverect:r vrestorebuttondownrect:r captionrect:r fontname:s=Arial "
    "fontheight:i=14 fontstyle:f fontcolor:c buttonstransparent:b buttonstransparentcolor:c ";
constexpr std::string_view kCheckRadioControl =
    "fontname:s=Arial fontheight:i=14 fontstyle:f fontcolor:c activefontcolor:c unenabledfontcolor:c "
    "framefontcolor:c activeskinrect:r checkimagearea:r textarea:r checkimagerect:r "
    "uncheckimagerect:r activecheckimagerect:r activeuncheckimagerect:r unenabledcheckimagerect:r "
    "unenableduncheckimagerect:r morphing:b morphkind:m ";
constexpr std::string_view kGaugeControl =
    "progressarea:r progressrect:r beginoffset:i endoffset:i vertical:b fontname:s=Arial "
    "fontheight:i=14 fontstyle:f fontcolor:c progresstransparent:b progresstransparentcolor:c "
    "progressstretch:b ";
constexpr std::string_view kSplitterControl = "gripperrect:r grippertransparent:b grippertransparentcolor:c ";
constexpr std::string_view kTrackBarControl =
    "activeskinrect:r trackarea:r buttonrect:r activebuttonrect:r vertical:b buttontransparent:b "
    "buttontransparentcolor:c ";
constexpr std::string_view kUpDownControl =
    "upbuttonrect:r activeupbuttonrect:r downupbuttonrect:r downbuttonrect:r activedownbuttonrect:r "
    "downdownbuttonrect:r ";
constexpr std::string_view kGridControl =
    "fixedcellrect:r selectcellrect:r focuscellrect:r fixedcellleftoffset:i fixedcellrightoffset:i "
    "fixedcelltextrect:r cellleftoffset:i cellrightoffset:i celltextrect:r linescolor:c bgcolor:c "
    "fontname:s=Arial fontheight:i=14 fontstyle:f fontcolor:c selectfontcolor:c focusfontcolor:c "
    "fixedfontname:s=Arial fixedfontheight:i=14 fixedfontstyle:f fixedfontcolor:c cellstretcheffect:b "
    "fixedcellstretcheffect:b showfocus:b ";
constexpr std::string_view kTabControl =
    "tabrect:r activetabrect:r focustabrect:r mouseintabrect:r clientrect:r bgpictureindex:i=-1 "
    "lefttoppoint:p righttoppoint:p leftbottompoint:p rightbottompoint:p tableftoffset:i "
    "tabrightoffset:i tabsbgrect:r tabstretcheffect:b leftstretch:b topstretch:b rightstretch:b "
    "bottomstretch:b stretcheffect:b stretchtype:t fontname:s=Arial fontheight:i=14 fontstyle:f "
    "fontcolor:c activefontcolor:c focusfontcolor:c mouseinfontcolor:c updown:s showfocus:b "
    "focusoffsetx:i focusoffsety:i ";
constexpr std::string_view kMainMenuBar =
    "itemsrect:r menubaritem:s closebutton:s minbutton:s maxbutton:s sysmenubutton:s trackmarkcolor:c "
    "trackmarkactivecolor:c stretcheffect:b itemtransparent:b ";
constexpr std::string_view kControlBar =
    "itemrect:r bgpictureindex:i=-1 hgriprect:r vgriprect:r gripoffset1:i gripoffset2:i "
    "itemstretcheffect:b itemoffset1:i=3 itemoffset2:i=3 itemtransparent:b itemtransparentcolor:c "
    "griptransparent:b griptransparentcolor:c ";
constexpr std::string_view kSpinEditControl =
    "activeskinrect:r fontname:s=Arial fontheight:i=14 fontstyle:f fontcolor:c activefontcolor:c "
    "disabledfontcolor:c upbuttonrect:r activeupbuttonrect:r downupbuttonrect:r downbuttonrect:r "
    "activedownbuttonrect:r downdownbuttonrect:r ";
constexpr std::string_view kScrollBoxControl = "bgpictureindex:i=-1 ";
constexpr std::string_view kTreeView = "fontname:s=Arial fontheight:i=14 fontstyle:f fontcolor:c bgcolor:c ";
constexpr std::string_view kBevel = "lightcolor:c darkcolor:c ";
constexpr std::string_view kSlider =
    "bgcolor:c hrulerrect:r hthumbrect:r vrulerrect:r vthumbrect:r edgesize:i pointscolor:c ";
constexpr std::string_view kListView = "fontname:s=Arial fontheight:i=14 fontstyle:f fontcolor:c bgcolor:c ";
constexpr std::string_view kRichEdit = "fontname:s=Arial fontheight:i=14 fontstyle:f fontcolor:c bgcolor:c ";
constexpr std::string_view kLabelControl = "fontname:s=Arial fontheight:i=14 fontstyle:f fontcolor:c ";
constexpr std::string_view kMemoControl = "bgcolor:c activebgcolor:c ";
constexpr std::string_view kCheckListBox = "itemcheckrect:r checkimagerect:r uncheckimagerect:r ";
constexpr std::string_view kMenuButtonControl = "trackbuttonrect:r ";

template <class T>
bool isExactly(const TbsDataSkinControl& d) {
    return typeid(d) == typeid(T);
}

struct KindCase {
    std::string_view kind;
    bool (*isClass)(const TbsDataSkinControl&);
    std::vector<std::string_view> keyGroups;  // from the root class down
    std::vector<std::string> resetKeys;       // read back as defaults whatever the file says
};

void PrintTo(const KindCase& c, std::ostream* out) {
    *out << c.kind;
}

const std::vector<std::string> kUpDownResets{"lefttoppoint", "righttoppoint", "leftbottompoint",
                                             "rightbottompoint", "clientrect"};

const KindCase kKindCases[] = {
    {"panel", isExactly<TbsDataSkinPanelControl>, {kControl, kCustomControl, kPanelControl}, {}},
    {"label", isExactly<TbsDataSkinLabelControl>, {kControl, kCustomControl, kLabelControl}, {}},
    {"stdlabel", isExactly<TbsDataSkinStdLabelControl>, {kControl, kStdLabelControl}, {}},
    {"edit", isExactly<TbsDataSkinEditControl>, {kControl, kCustomControl, kEditControl}, {}},
    {"memo", isExactly<TbsDataSkinMemoControl>, {kControl, kCustomControl, kEditControl, kMemoControl}, {}},
    {"combobox", isExactly<TbsDataSkinComboBox>, {kControl, kCustomControl, kComboBox}, {}},
    {"listbox", isExactly<TbsDataSkinListBox>, {kControl, kCustomControl, kListBox}, {}},
    {"checklistbox",
     isExactly<TbsDataSkinCheckListBox>,
     {kControl, kCustomControl, kListBox, kCheckListBox},
     {}},
    {"scrollbar", isExactly<TbsDataSkinScrollBarControl>, {kControl, kCustomControl, kScrollBarControl}, {}},
    {"button", isExactly<TbsDataSkinButtonControl>, {kControl, kCustomControl, kButtonControl}, {}},
    {"menubutton",
     isExactly<TbsDataSkinMenuButtonControl>,
     {kControl, kCustomControl, kButtonControl, kMenuButtonControl},
     {}},
    {"expanel", isExactly<TbsDataSkinExPanelControl>, {kControl, kCustomControl, kExPanelControl}, {}},
    {"checkradio",
     isExactly<TbsDataSkinCheckRadioControl>,
     {kControl, kCustomControl, kCheckRadioControl},
     {}},
    {"gauge", isExactly<TbsDataSkinGaugeControl>, {kControl, kCustomControl, kGaugeControl}, {}},
    {"splitter", isExactly<TbsDataSkinSplitterControl>, {kControl, kCustomControl, kSplitterControl}, {}},
    {"trackbar", isExactly<TbsDataSkinTrackBarControl>, {kControl, kCustomControl, kTrackBarControl}, {}},
    {"updown",
     isExactly<TbsDataSkinUpDownControl>,
     {kControl, kCustomControl, kUpDownControl},
     kUpDownResets},
    {"grid", isExactly<TbsDataSkinGridControl>, {kControl, kGridControl}, {}},
    {"tab", isExactly<TbsDataSkinTabControl>, {kControl, kTabControl}, {}},
    {"mainmenubar", isExactly<TbsDataSkinMainMenuBar>, {kControl, kMainMenuBar}, {}},
    {"controlbar", isExactly<TbsDataSkinControlBar>, {kControl, kCustomControl, kControlBar}, {}},
    {"spinedit", isExactly<TbsDataSkinSpinEditControl>, {kControl, kCustomControl, kSpinEditControl}, {}},
    {"scrollbox", isExactly<TbsDataSkinScrollBoxControl>, {kControl, kCustomControl, kScrollBoxControl}, {}},
    {"treeview", isExactly<TbsDataSkinTreeView>, {kControl, kTreeView}, {}},
    {"bevel", isExactly<TbsDataSkinBevel>, {kControl, kBevel}, {}},
    {"slider", isExactly<TbsDataSkinSlider>, {kControl, kSlider}, {}},
    {"listview", isExactly<TbsDataSkinListView>, {kControl, kListView}, {}},
    {"richedit", isExactly<TbsDataSkinRichEdit>, {kControl, kRichEdit}, {}},
};

// A skin file whose [SKINCONTROLS] lists one definition "def:<kind>" with the given section lines.
std::string oneDefinition(std::string_view kind, const std::vector<std::string>& lines) {
    return listText("SKINCONTROLS", {"def:" + std::string(kind)}) + sectionText("def", lines);
}

std::unique_ptr<TbsDataSkinControl> readOne(const std::string& text) {
    auto controls = ReadSkinControls(IniFile(text));
    if (controls.size() != 1) return nullptr;
    return std::move(controls.front());
}

class ControlKindTest : public ::testing::TestWithParam<KindCase> {
  protected:
    std::vector<KeyEntry> keys() const { return parseKeys(GetParam().keyGroups); }
};

TEST_P(ControlKindTest, KindWordCreatesItsClass) {
    auto control = readOne(listText("SKINCONTROLS", {"def:" + std::string(GetParam().kind)}));
    ASSERT_NE(control, nullptr);
    EXPECT_TRUE(GetParam().isClass(*control)) << typeid(*control).name();
    EXPECT_EQ(control->kindWord(), GetParam().kind);
    EXPECT_EQ(control->name, "def");
}

TEST_P(ControlKindTest, MissingSectionGivesEveryDefaultInKeyOrder) {
    auto control = readOne(listText("SKINCONTROLS", {"def:" + std::string(GetParam().kind)}));
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->pictureindex, -1);
    EXPECT_TRUE(control->skinrect.isEmpty());
    IniFile saved;
    control->SaveToIni(saved);
    EXPECT_EQ(savedKeys(saved, "def"), expectedKeys(keys(), false));
}

TEST_P(ControlKindTest, EveryKeyIsReadWithItsType) {
    std::vector<std::string> lines = sampleLines(keys());
    // Keys no class reads are ignored.
    lines.insert(lines.begin() + 1, "focusedskinrect=1,2,3");
    lines.push_back("glowlayerpictureindex=3");
    lines.push_back("a line without a key");
    auto control = readOne(oneDefinition(GetParam().kind, lines));
    ASSERT_NE(control, nullptr);
    IniFile saved;
    control->SaveToIni(saved);
    EXPECT_EQ(savedKeys(saved, "def"), expectedKeys(keys(), true, GetParam().resetKeys));
}

TEST_P(ControlKindTest, SavedSectionReadsBackTheSameDefinition) {
    auto control = readOne(oneDefinition(GetParam().kind, sampleLines(keys())));
    ASSERT_NE(control, nullptr);
    IniFile first;
    control->SaveToIni(first);
    // Through the text, as a skin-authoring tool would write and read it.
    auto copy = makeSkinControl(GetParam().kind, "def");
    ASSERT_NE(copy, nullptr);
    copy->LoadFromIni(IniFile(first.toText()));
    IniFile second;
    copy->SaveToIni(second);
    EXPECT_EQ(second.toText(), first.toText());
}

TEST_P(ControlKindTest, EmptyFieldInAnyRectangleOrPointStopsTheRead) {
    for (const KeyEntry& key : keys()) {
        if (key.type != 'r' && key.type != 'p') continue;
        SCOPED_TRACE(key.key);
        const std::string malformed = key.type == 'r' ? "1,2,3" : "7";
        // A later, well-formed definition is never reached.
        const std::string text =
            listText("SKINCONTROLS", {"def:" + std::string(GetParam().kind), "next:panel"}) +
            sectionText("def", {key.key + "=" + malformed});
        try {
            ReadSkinControls(IniFile(text));
            ADD_FAILURE() << "no error";
        } catch (const SkinConvertError& e) {
            EXPECT_STREQ(e.what(), "'' is not a valid integer value");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllKinds, ControlKindTest, ::testing::ValuesIn(kKindCases),
                         [](const auto& p) { return std::string(p.param.kind); });

TEST(SkinControlKinds, EveryKindWordHasACase) {
    std::vector<std::string_view> covered;
    for (const KindCase& c : kKindCases) covered.push_back(c.kind);
    EXPECT_EQ(skinControlKinds(), covered);
}

// Which list entries create a definition, and under which name.
struct EntryCase {
    const char* entry;
    bool creates;
    const char* name;
};

const EntryCase kEntryCases[] = {
    {"groupbox:panel", true, "groupbox"},
    {"groupbox:Panel", false, ""},  // kind words compare exactly
    {"groupbox:PANEL", false, ""},
    {"groupbox: panel", false, ""},  // the kind is everything after the colon
    {"groupbox:panel:x", false, ""},
    {"a:b:panel", false, ""},  // split at the first colon only
    {"groupbox", false, ""},   // no colon: no name and no kind
    {"groupbox:", false, ""},
    {":panel", true, ""},
    {"groupbox:unknownkind", false, ""},
    {"", false, ""},
    {"groupbox:panel  ", true, "groupbox"},  // the value is trimmed as a whole
};

TEST(SkinControlList, EntryFormsAndKindWordCase) {
    for (const EntryCase& c : kEntryCases) {
        SCOPED_TRACE(c.entry);
        auto controls = ReadSkinControls(IniFile(listText("SKINCONTROLS", {c.entry})));
        ASSERT_EQ(controls.size(), c.creates ? 1u : 0u);
        if (c.creates) {
            EXPECT_EQ(controls.front()->name, c.name);
        }
    }
}

// How count and the numbered keys select the entries.
struct CountCase {
    const char* description;
    std::string list;  // the [SKINCONTROLS] lines
    std::vector<std::string> names;
};

const CountCase kCountCases[] = {
    {"missing section", "", {}},
    {"missing count", "[SKINCONTROLS]\n0=a:panel\n", {}},
    {"count 0", "[SKINCONTROLS]\ncount=0\n0=a:panel\n", {}},
    {"negative count", "[SKINCONTROLS]\ncount=-3\n0=a:panel\n", {}},
    {"count not a number", "[SKINCONTROLS]\ncount=two\n0=a:panel\n", {}},
    {"hexadecimal count", "[SKINCONTROLS]\ncount=0x2\n0=a:panel\n1=b:label\n2=c:edit\n", {"a", "b"}},
    {"count beyond the entries", "[SKINCONTROLS]\ncount=5\n0=a:panel\n1=b:label\n", {"a", "b"}},
    {"count below the entries", "[SKINCONTROLS]\ncount=1\n0=a:panel\n1=b:label\n", {"a"}},
    {"gap in the numbering", "[SKINCONTROLS]\ncount=3\n0=a:panel\n2=c:edit\n", {"a", "c"}},
    {"keys out of order", "[SKINCONTROLS]\n1=b:label\ncount=2\n0=a:panel\n", {"a", "b"}},
    {"repeated key: the first counts", "[SKINCONTROLS]\ncount=1\n0=a:panel\n0=b:panel\n", {"a"}},
    {"leading zero is another key", "[SKINCONTROLS]\ncount=2\n00=a:panel\n01=b:panel\n1=c:panel\n", {"c"}},
    {"signed key is another key", "[SKINCONTROLS]\ncount=2\n+0=a:panel\n1=c:panel\n", {"c"}},
    {"blanks around the key", "[SKINCONTROLS]\ncount=1\n 0 = a:panel\n", {"a"}},
    {"section name in other case", "[SkinControls]\nCOUNT=1\n0=a:panel\n", {"a"}},
    {"huge count", "[SKINCONTROLS]\ncount=2147483647\n0=a:panel\n2147483646=z:panel\n", {"a", "z"}},
    {"unknown kind first", "[SKINCONTROLS]\ncount=3\n0=x:nothing\n1=a:panel\n2=b:label\n", {"a", "b"}},
    {"same name twice", "[SKINCONTROLS]\ncount=2\n0=a:panel\n1=a:edit\n", {"a", "a"}},
};

TEST(SkinControlList, CountAndNumberedEntries) {
    for (const CountCase& c : kCountCases) {
        SCOPED_TRACE(c.description);
        std::vector<std::string> names;
        for (const auto& control : ReadSkinControls(IniFile(c.list))) names.push_back(control->name);
        EXPECT_EQ(names, c.names);
    }
}

TEST(SkinControlList, DefinitionsOfOneNameBothReadTheSection) {
    const std::string text = listText("SKINCONTROLS", {"a:panel", "a:edit"}) +
                             sectionText("a", {"pictureindex=2", "fontname=Tahoma"});
    auto controls = ReadSkinControls(IniFile(text));
    ASSERT_EQ(controls.size(), 2u);
    EXPECT_EQ(controls[0]->pictureindex, 2);
    EXPECT_EQ(dynamic_cast<TbsDataSkinPanelControl&>(*controls[0]).fontname, "Tahoma");
    EXPECT_EQ(dynamic_cast<TbsDataSkinEditControl&>(*controls[1]).fontname, "Tahoma");
}

TEST(SkinControlList, SectionNameFoundInAnyCaseWhileTheNameStaysAsWritten) {
    const std::string text =
        listText("SKINCONTROLS", {"GroupBox:panel"}) + sectionText("groupbox", {"pictureindex=4"});
    auto controls = ReadSkinControls(IniFile(text));
    ASSERT_EQ(controls.size(), 1u);
    EXPECT_EQ(controls[0]->name, "GroupBox");
    EXPECT_EQ(controls[0]->pictureindex, 4);
}

// Typed members after reading a section: values a control draws with, checked member by member.
struct MemberCase {
    const char* description;
    const char* kind;
    std::vector<std::string> lines;
    void (*check)(const TbsDataSkinControl&);
};

template <class T>
const T& as(const TbsDataSkinControl& d) {
    return dynamic_cast<const T&>(d);
}

const MemberCase kMemberCases[] = {
    {"combo box rectangles of the calculator's skin",
     "combobox",
     {"pictureindex=4", "skinrect=318,3,376,23", "buttonrect=40,0,57,19", "activebuttonrect=358,24,375,43",
      "itemrect=319,4,358,21", "listboxname=listbox"},
     [](const TbsDataSkinControl& d) {
         const auto& c = as<TbsDataSkinComboBox>(d);
         EXPECT_EQ(c.pictureindex, 4);
         EXPECT_EQ(c.skinrect, (SkinRect{318, 3, 376, 23}));
         EXPECT_EQ(c.buttonrect, (SkinRect{40, 0, 57, 19}));
         EXPECT_EQ(c.activebuttonrect, (SkinRect{358, 24, 375, 43}));
         EXPECT_EQ(c.itemrect, (SkinRect{319, 4, 358, 21}));
         EXPECT_EQ(c.listboxname, "listbox");
         EXPECT_TRUE(c.downbuttonrect.isEmpty());
     }},
    {"panel caption and nine-piece layout",
     "panel",
     {"lefttoppoint=5,20", "clientrect=5,20,95,95", "alignment=taleftjustify", "fontstyle=fsitalic,fsbold",
      "fontcolor=0xFF0000", "topstretch=1", "leftstretch=2", "stretchtype=STVERT"},
     [](const TbsDataSkinControl& d) {
         const auto& c = as<TbsDataSkinPanelControl>(d);
         EXPECT_EQ(c.lefttoppoint, (SkinPoint{5, 20}));
         EXPECT_EQ(c.clientrect, (SkinRect{5, 20, 95, 95}));
         EXPECT_EQ(c.alignment, Alignment::taLeftJustify);
         EXPECT_EQ(c.fontstyle, (FontStyles{true, true, false, false}));
         EXPECT_EQ(c.fontcolor, rgbColor(0, 0, 255));
         EXPECT_TRUE(c.topstretch);
         EXPECT_FALSE(c.leftstretch);                    // only exactly 1 is true
         EXPECT_EQ(c.stretchtype, StretchType::stHorz);  // words compare exactly
         EXPECT_EQ(c.bgpictureindex, -1);
     }},
    {"standard label defaults",
     "stdlabel",
     {},
     [](const TbsDataSkinControl& d) {
         const auto& c = as<TbsDataSkinStdLabelControl>(d);
         EXPECT_EQ(c.fontname, "Arial");
         EXPECT_EQ(c.fontheight, 14);
         EXPECT_EQ(c.activefontcolor, 16711680);
     }},
    {"list box scroll bar names",
     "listbox",
     {"hscrollbarname=myh"},
     [](const TbsDataSkinControl& d) {
         const auto& c = as<TbsDataSkinListBox>(d);
         EXPECT_EQ(c.vscrollbarname, "vscrollbar");
         EXPECT_EQ(c.hscrollbarname, "myh");
         EXPECT_EQ(c.bothhscrollbarname, "bothhscrollbar");
     }},
    {"unconvertible integers and colours take their defaults",
     "controlbar",
     {"pictureindex=abc", "itemoffset1=", "itemoffset2=7x", "itemtransparentcolor=red",
      "bgpictureindex=0x10"},
     [](const TbsDataSkinControl& d) {
         const auto& c = as<TbsDataSkinControlBar>(d);
         EXPECT_EQ(c.pictureindex, -1);
         EXPECT_EQ(c.itemoffset1, 3);
         EXPECT_EQ(c.itemoffset2, 3);
         EXPECT_EQ(c.itemtransparentcolor, 0);
         EXPECT_EQ(c.bgpictureindex, 16);
     }},
    {"up-down keeps no frame pieces",
     "updown",
     {"lefttoppoint=3,3", "righttoppoint=9,3", "leftbottompoint=3,9", "rightbottompoint=9,9",
      "clientrect=3,3,9,9", "skinrect=1,2,30,40", "leftstretch=1", "stretchtype=stvert",
      "upbuttonrect=0,0,10,10"},
     [](const TbsDataSkinControl& d) {
         const auto& c = as<TbsDataSkinUpDownControl>(d);
         EXPECT_EQ(c.lefttoppoint, SkinPoint{});
         EXPECT_EQ(c.righttoppoint, SkinPoint{});
         EXPECT_EQ(c.leftbottompoint, SkinPoint{});
         EXPECT_EQ(c.rightbottompoint, SkinPoint{});
         EXPECT_EQ(c.clientrect, SkinRect{});
         EXPECT_EQ(c.skinrect, (SkinRect{1, 2, 30, 40}));
         EXPECT_TRUE(c.leftstretch);
         EXPECT_EQ(c.stretchtype, StretchType::stVert);
         EXPECT_EQ(c.upbuttonrect, (SkinRect{0, 0, 10, 10}));
     }},
    {"main menu bar naming a missing object",
     "mainmenubar",
     {"closebutton=nosuchobject", "itemsrect=1,1,50,20"},
     [](const TbsDataSkinControl& d) {
         const auto& c = as<TbsDataSkinMainMenuBar>(d);
         EXPECT_EQ(c.closebutton, "nosuchobject");
         EXPECT_EQ(c.itemsrect, (SkinRect{1, 1, 50, 20}));
     }},
    {"tab names its up-down definition",
     "tab",
     {"updown=hupdown", "bgpictureindex=2"},
     [](const TbsDataSkinControl& d) {
         const auto& c = as<TbsDataSkinTabControl>(d);
         EXPECT_EQ(c.updown, "hupdown");
         EXPECT_EQ(c.bgpictureindex, 2);
     }},
    {"button morphing is kept",
     "button",
     {"morphing=1", "morphkind=mkleftslide"},
     [](const TbsDataSkinControl& d) {
         const auto& c = as<TbsDataSkinButtonControl>(d);
         EXPECT_TRUE(c.morphing);
         EXPECT_EQ(c.morphkind, MorphKind::mkLeftSlide);
     }},
    {"memo adds colours to the edit keys",
     "memo",
     {"bgcolor=255", "fontheight=11"},
     [](const TbsDataSkinControl& d) {
         const auto& c = as<TbsDataSkinMemoControl>(d);
         EXPECT_EQ(c.bgcolor, 255);
         EXPECT_EQ(c.fontheight, 11);
     }},
};

TEST(SkinControlMembers, TypedValues) {
    for (const MemberCase& c : kMemberCases) {
        SCOPED_TRACE(c.description);
        auto control = readOne(oneDefinition(c.kind, c.lines));
        ASSERT_NE(control, nullptr);
        c.check(*control);
    }
}

}  // namespace
}  // namespace vireltan
