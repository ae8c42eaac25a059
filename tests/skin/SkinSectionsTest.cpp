#include "skin/SkinSections.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/SkinData.h"
#include "skin/SkinErrors.h"
#include "skin/StoredSkin.h"

namespace vireltan {
namespace {

std::string sectionText(const char* section, const std::vector<std::string>& lines) {
    std::string text = std::string("[") + section + "]\r\n";
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

// A popup frame with every member away from its default and no two alike.
TbsDataSkinPopupWindow samplePopup() {
    TbsDataSkinPopupWindow p;
    p.windowpictureindex = 1;
    p.maskpictureindex = 2;
    p.lefttoppoint = {3, 4};
    p.righttoppoint = {5, 6};
    p.leftbottompoint = {7, 8};
    p.rightbottompoint = {9, 10};
    p.itemsrect = {11, 12, 13, 14};
    p.scrollmarkercolor = 15;
    p.scrollmarkeractivecolor = systemColor(kColorHighlight);
    p.leftstretch = true;
    p.topstretch = true;
    p.stretcheffect = true;
    p.stretchtype = StretchType::stVert;
    return p;
}
const std::vector<std::string> kSamplePopupLines = {
    "windowpictureindex=1",  "maskpictureindex=2",   "lefttoppoint=3,4",
    "righttoppoint=5,6",     "leftbottompoint=7,8",  "rightbottompoint=9,10",
    "itemsrect=11,12,13,14", "scrollmarkercolor=15", "scrollmarkeractivecolor=-16777203",
    "leftstretch=1",         "rightstretch=0",       "topstretch=1",
    "bottomstretch=0",       "stretcheffect=1",      "stretchtype=stvert",
};

TbsDataSkinHintWindow sampleHint() {
    TbsDataSkinHintWindow h;
    h.windowpictureindex = 3;
    h.maskpictureindex = 0;
    h.lefttoppoint = {1, 2};
    h.righttoppoint = {30, 2};
    h.leftbottompoint = {1, 20};
    h.rightbottompoint = {30, 20};
    h.clientrect = {4, 4, 27, 18};
    h.fontname = "Tahoma";
    h.fontheight = 11;
    h.fontstyle.bold = true;
    h.fontstyle.italic = true;
    h.fontcolor = 0xE1FFFF;
    h.rightstretch = true;
    h.bottomstretch = true;
    h.stretchtype = StretchType::stHorz;
    return h;
}
const std::vector<std::string> kSampleHintLines = {
    "windowpictureindex=3", "maskpictureindex=0",
    "lefttoppoint=1,2",     "righttoppoint=30,2",
    "leftbottompoint=1,20", "rightbottompoint=30,20",
    "clientrect=4,4,27,18", "fontname=Tahoma",
    "fontheight=11",        "fontstyle=fsbold,fsitalic",
    "fontcolor=14811135",   "leftstretch=0",
    "rightstretch=1",       "topstretch=0",
    "bottomstretch=1",      "stretcheffect=0",
    "stretchtype=sthorz",
};

TbsSkinColors sampleColors() {
    TbsSkinColors c;
    c.cbtnface = 12632256;
    c.cbtntext = 1;
    c.cwindow = 16777215;
    c.cwindowtext = systemColor(kColorWindowText);
    c.chighlight = 2;
    c.chighlighttext = 3;
    c.cbtnhighlight = 4;
    c.cbtnshadow = 8421504;
    return c;
}
const std::vector<std::string> kSampleColorLines = {
    "cbtnface=12632256", "cbtntext=1",       "cwindow=16777215", "cwindowtext=-16777208",
    "chighlight=2",      "chighlighttext=3", "cbtnhighlight=4",  "cbtnshadow=8421504",
};

// What each section's reader gives for a section without keys.
TbsDataSkinHintWindow loadedHintDefaults() {
    TbsDataSkinHintWindow h;
    h.fontheight = 14;
    return h;
}
TbsSkinColors systemColors() {
    TbsSkinColors c;
    c.cbtnface = systemColor(kColorBtnFace);
    c.cbtntext = systemColor(kColorBtnText);
    c.cwindow = systemColor(kColorWindow);
    c.cwindowtext = systemColor(kColorWindowText);
    c.chighlight = systemColor(kColorHighlight);
    c.chighlighttext = systemColor(kColorHighlightText);
    c.cbtnhighlight = systemColor(kColorBtnHighlight);
    c.cbtnshadow = systemColor(kColorBtnShadow);
    return c;
}

template <class Section>
struct SaveCase {
    const char* name;
    Section value;
    std::vector<std::string> lines;
};

template <class Section>
void checkSaves(const char* section, const std::vector<SaveCase<Section>>& cases) {
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        IniFile ini;
        c.value.SaveToIni(ini);
        // Exactly the section's keys, in the order of its table, and nothing else.
        EXPECT_EQ(ini.sectionNames(), std::vector<std::string>{section});
        EXPECT_EQ(ini.sectionLines(section), c.lines);
        // What was saved reads back as the same value.
        Section again;
        again.LoadFromIni(IniFile(ini.toText()));
        EXPECT_EQ(again, c.value);
    }
}

TEST(SkinSectionsTest, PopupWindowSavesItsKeysInTableOrder) {
    const TbsDataSkinPopupWindow constructed;
    checkSaves<TbsDataSkinPopupWindow>(
        "POPUPWINDOW",
        {{"every member set", samplePopup(), kSamplePopupLines},
         {"construction values",
          constructed,
          {"windowpictureindex=-1", "maskpictureindex=-1", "lefttoppoint=0,0", "righttoppoint=0,0",
           "leftbottompoint=0,0", "rightbottompoint=0,0", "itemsrect=0,0,0,0", "scrollmarkercolor=0",
           "scrollmarkeractivecolor=0", "leftstretch=0", "rightstretch=0", "topstretch=0", "bottomstretch=0",
           "stretcheffect=0", "stretchtype=stfull"}}});
}

TEST(SkinSectionsTest, HintWindowSavesItsKeysInTableOrder) {
    checkSaves<TbsDataSkinHintWindow>(
        "HINTWINDOW",
        {{"every member set", sampleHint(), kSampleHintLines},
         {"construction values",
          TbsDataSkinHintWindow{},
          {"windowpictureindex=-1", "maskpictureindex=-1", "lefttoppoint=0,0", "righttoppoint=0,0",
           "leftbottompoint=0,0", "rightbottompoint=0,0", "clientrect=0,0,0,0", "fontname=Arial",
           "fontheight=12", "fontstyle=", "fontcolor=0", "leftstretch=0", "rightstretch=0", "topstretch=0",
           "bottomstretch=0", "stretcheffect=0", "stretchtype=stfull"}}});
}

TEST(SkinSectionsTest, SkinColorsSaveTheirKeysInTableOrder) {
    checkSaves<TbsSkinColors>("SKINCOLORS",
                              {{"every colour set", sampleColors(), kSampleColorLines},
                               {"construction values",
                                TbsSkinColors{},
                                {"cbtnface=0", "cbtntext=0", "cwindow=0", "cwindowtext=0", "chighlight=0",
                                 "chighlighttext=0", "cbtnhighlight=0", "cbtnshadow=0"}},
                               {"system colours",
                                systemColors(),
                                {"cbtnface=-16777201", "cbtntext=-16777198", "cwindow=-16777211",
                                 "cwindowtext=-16777208", "chighlight=-16777203", "chighlighttext=-16777202",
                                 "cbtnhighlight=-16777196", "cbtnshadow=-16777200"}}});
}

template <class Section>
struct LoadCase {
    const char* name;
    std::string text;
    Section expected;
};

// Every case loads into a constructed value and into `filled`, whose members all differ from their
// construction values: a key the reader forgets shows in one of the two.
template <class Section>
void checkLoads(const std::vector<LoadCase<Section>>& cases, const Section& filled) {
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const IniFile ini(c.text);
        Section constructed;
        constructed.LoadFromIni(ini);
        EXPECT_EQ(constructed, c.expected);
        Section overwritten = filled;
        overwritten.LoadFromIni(ini);
        EXPECT_EQ(overwritten, c.expected);
    }
}

TEST(SkinSectionsTest, PopupWindowLoadsFromText) {
    TbsDataSkinPopupWindow partly;
    partly.itemsrect = {2, 2, 144, 255};
    partly.windowpictureindex = 16;
    TbsDataSkinPopupWindow unreadable;
    unreadable.stretchtype = StretchType::stHorz;  // an unknown word is the horizontal stretch
    checkLoads<TbsDataSkinPopupWindow>(
        {
            {"every key", sectionText("POPUPWINDOW", kSamplePopupLines), samplePopup()},
            {"every key, names in capitals",
             sectionText("PopupWindow", {"WINDOWPICTUREINDEX=1", "MaskPictureIndex=2", "LeftTopPoint=3,4",
                                         "righttoppoint=5,6", "leftbottompoint=7,8", "rightbottompoint=9,10",
                                         "ItemsRect=11,12,13,14", "scrollmarkercolor=15",
                                         "scrollmarkeractivecolor=$FF00000D", "leftstretch=1", "TopStretch=1",
                                         "stretcheffect=1", "stretchtype=stvert"}),
             samplePopup()},
            {"no section", "[HINTWINDOW]\r\nwindowpictureindex=4\r\n", TbsDataSkinPopupWindow{}},
            {"empty section", "[POPUPWINDOW]\r\n", TbsDataSkinPopupWindow{}},
            {"some keys, first occurrence wins",
             sectionText("POPUPWINDOW", {"itemsrect=2,2,144,255", "windowpictureindex=0x10",
                                         "itemsrect=1,1,1,1", "windowpictureindex=3"}),
             partly},
            {"unreadable values take defaults",
             sectionText("POPUPWINDOW", {"windowpictureindex=two", "scrollmarkercolor=", "leftstretch=2",
                                         "stretchtype=STVERT"}),
             unreadable},
        },
        samplePopup());
}

TEST(SkinSectionsTest, HintWindowLoadsFromText) {
    TbsDataSkinHintWindow styled = loadedHintDefaults();
    styled.fontstyle.bold = true;
    styled.fontstyle.italic = true;
    styled.fontname = "";
    checkLoads<TbsDataSkinHintWindow>(
        {
            {"every key", sectionText("HINTWINDOW", kSampleHintLines), sampleHint()},
            // The construction height is 12; a loaded skin without the key gives 14.
            {"no section", "[POPUPWINDOW]\r\nfontheight=9\r\n", loadedHintDefaults()},
            {"empty section", "[HINTWINDOW]\r\n", loadedHintDefaults()},
            {"style words in any order, empty font name",
             sectionText("HINTWINDOW", {"fontstyle=fsitalic fsbold", "fontname="}), styled},
        },
        sampleHint());
}

TEST(SkinSectionsTest, SkinColorsLoadFromText) {
    TbsSkinColors partly = systemColors();
    partly.cbtnface = 12632256;
    partly.chighlight = 0xFF;
    checkLoads<TbsSkinColors>(
        {
            {"every key", sectionText("SKINCOLORS", kSampleColorLines), sampleColors()},
            {"no section", "[HINTWINDOW]\r\ncbtnface=1\r\n", systemColors()},
            {"some keys, unreadable ones default",
             sectionText("SKINCOLORS",
                         {"cbtnface=12632256", "chighlight=$FF", "cwindow=white", "cbtnshadow="}),
             partly},
        },
        sampleColors());
}

TEST(SkinSectionsTest, MalformedFramePointOrRectangleStopsTheLoad) {
    const std::string texts[] = {
        sectionText("POPUPWINDOW", {"itemsrect=1,2,3"}),
        sectionText("POPUPWINDOW", {"lefttoppoint=5"}),
        sectionText("HINTWINDOW", {"clientrect=,,,"}),
        sectionText("HINTWINDOW", {"rightbottompoint=a,b"}),
    };
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        const IniFile ini(text);
        TbsDataSkinPopupWindow popup;
        TbsDataSkinHintWindow hint;
        EXPECT_THROW(
            {
                popup.LoadFromIni(ini);
                hint.LoadFromIni(ini);
            },
            SkinConvertError);
    }
}

// Construction, clearing and loading give the three sections different values.
TEST(SkinSectionsTest, ConstructionClearedAndLoadedValues) {
    TbsSkinColors colors = sampleColors();
    colors.SetDefault();
    EXPECT_EQ(colors, systemColors());
    EXPECT_EQ(TbsSkinColors{}, TbsSkinColors{});
    EXPECT_NE(TbsSkinColors{}, systemColors());

    SkinContainer container;
    container.text = sectionText("POPUPWINDOW", kSamplePopupLines) +
                     sectionText("HINTWINDOW", kSampleHintLines) +
                     sectionText("SKINCOLORS", kSampleColorLines) + "[SKINOBJECTS]\r\n[SKINCONTROLS]\r\n";
    TbsCompressedStoredSkin stored;
    stored.setCompressedData(deflateSkinStream(writeSkinContainer(container)));
    TbsSkinData data;
    EXPECT_EQ(data.SkinColors, TbsSkinColors{});
    EXPECT_EQ(data.PopupWindow, TbsDataSkinPopupWindow{});
    EXPECT_EQ(data.HintWindow, TbsDataSkinHintWindow{});
    data.LoadStoredSkin(stored);
    EXPECT_EQ(data.PopupWindow, samplePopup());
    EXPECT_EQ(data.HintWindow, sampleHint());
    EXPECT_EQ(data.SkinColors, sampleColors());

    // Clearing resets the colours to the system ones and only the picture index of the frames.
    data.ClearSkin();
    TbsDataSkinPopupWindow clearedPopup = samplePopup();
    clearedPopup.windowpictureindex = -1;
    TbsDataSkinHintWindow clearedHint = sampleHint();
    clearedHint.windowpictureindex = -1;
    EXPECT_EQ(data.PopupWindow, clearedPopup);
    EXPECT_EQ(data.HintWindow, clearedHint);
    EXPECT_EQ(data.SkinColors, systemColors());
}

}  // namespace
}  // namespace vireltan
