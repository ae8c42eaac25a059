#include "skin/SkinData.h"
#include "skin/SkinGeometry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SkinTestSupport.h"
#include "skin/ResourceStrData.h"
#include "skin/SkinControls.h"
#include "skin/SkinErrors.h"
#include "skin/SkinObjects.h"

namespace vireltan {
namespace {

using testing::appendBytes;
using testing::appendI32;
using testing::bytesOf;
using testing::patternPicture;
using testing::storedSkinOf;

struct Seen {
    unsigned message;
    bool empty;
    bool changing;
    std::size_t controls;  // definitions present when the message arrived
    const TbsSkinData* data;
    bool operator==(const Seen&) const = default;
};

class RecordingNotifier : public SkinChangeNotifier {
  public:
    void broadcast(unsigned message, TbsSkinData& data) override {
        seen.push_back(
            {message, data.SkinEmpty(), data.SkinChanging(), data.ControlDefinitions.size(), &data});
    }
    std::vector<unsigned> messages() const {
        std::vector<unsigned> m;
        for (const Seen& s : seen) m.push_back(s.message);
        return m;
    }
    std::vector<Seen> seen;
};

const std::string kSkinText =
    "[VERSION]\r\nskinname=Test skin\r\nskinauthor=Vireltan\r\nver=9\r\n"
    "[PICTURES]\r\npicture=main.bmp\r\nmask=mask.bmp\r\nactivepicturescount=3\r\n0=a.bmp\r\n1=b.bmp\r\n2=c."
    "bmp\r\n"
    "[FORMINFO]\r\nclientrect=5,27,145,142\r\nmaskrectarea=5,3,145,145\r\nlefttoppoint=30,28\r\n"
    "righttoppoint=81,28\r\nleftbottompoint=6,140\r\nrightbottompoint=127,134\r\n"
    "hittestlefttoppoint=4,4\r\nhittestrighttoppoint=146,4\r\nhittestleftbottompoint=4,146\r\n"
    "hittestrightbottompoint=146,146\r\nbgpictureindex=1\r\ncaptionrect=28,4,85,21\r\n"
    "[POPUPWINDOW]\r\nwindowpictureindex=2\r\nitemsrect=3,3,40,40\r\n"
    "[HINTWINDOW]\r\nwindowpictureindex=1\r\n"
    "[SKINCOLORS]\r\ncbtnface=12632256\r\n"
    "[SKINOBJECTS]\r\ncount=2\r\n0=caption:caption\r\n1=closebutton:stdbutton\r\n"
    "[closebutton]\r\nactivepictureindex=0\r\nskinrect=108,5,125,22\r\ncommand=cmclose\r\n"
    "[SKINCONTROLS]\r\ncount=4\r\n0=panel:panel\r\n1=groupbox:panel\r\n2=Edit:Edit\r\n3=groupbox:label\r\n"
    "[groupbox]\r\npictureindex=1\r\nskinrect=352,75,411,127\r\n";

std::vector<std::uint8_t> containerOf(const std::string& text, int version = 3, int pictureCount = 2) {
    SkinContainer c;
    c.version = version;
    c.mainPicture = patternPicture(150, 150, 24, 1);
    c.maskPicture = patternPicture(150, 150, 1, 2);
    for (int i = 0; i < pictureCount; ++i) c.pictures.push_back(patternPicture(20 + i, 10, 24, 3 + i));
    if (version == 2) c.legacyPictures = {patternPicture(5, 5, 24, 8), patternPicture(6, 6, 8, 9)};
    c.text = text;
    return writeSkinContainer(c);
}

// A container of the given version with no pictures, no skin pictures and no text.
std::vector<std::uint8_t> versionOnly(int version) {
    const auto v = static_cast<std::uint32_t>(version);
    return {static_cast<std::uint8_t>(v),
            static_cast<std::uint8_t>(v >> 8),
            static_cast<std::uint8_t>(v >> 16),
            static_cast<std::uint8_t>(v >> 24),
            1,
            1,
            1,
            0,
            0,
            0,
            0};
}

TEST(SkinDataTest, ConstructionValues) {
    const TbsSkinData data;
    EXPECT_TRUE(data.SkinnableForm());
    EXPECT_TRUE(data.EnableSkinEffects);
    EXPECT_TRUE(data.SkinEmpty());
    EXPECT_FALSE(data.SkinChanging());
    EXPECT_EQ(data.CompressedStoredSkin(), nullptr);
    EXPECT_EQ(data.ResourceStrData(), nullptr);
    EXPECT_TRUE(data.MainPicture.isEmpty());
    EXPECT_TRUE(data.ActivePictures.empty());
    EXPECT_TRUE(data.ObjectDefinitions.empty());
    EXPECT_TRUE(data.ControlDefinitions.empty());
    EXPECT_EQ(data.FormInfo.bgpictureindex, -1);
    EXPECT_EQ(data.FormInfo.mdibgpictureindex, -1);
    EXPECT_EQ(data.SkinColors, TbsSkinColors{});  // all eight colours 0
    EXPECT_EQ(data.PopupWindow.windowpictureindex, -1);
    EXPECT_EQ(data.PopupWindow.maskpictureindex, -1);
    EXPECT_EQ(data.PopupWindow.stretchtype, StretchType::stFull);
    EXPECT_EQ(data.HintWindow.windowpictureindex, -1);
    EXPECT_EQ(data.HintWindow.fontname, "Arial");
    EXPECT_EQ(data.HintWindow.fontheight, 12);
    EXPECT_EQ(data.HintWindow.fontstyle, FontStyles{});
}

TEST(SkinDataTest, LoadSendsTheThreeMessagesWithTheStatesBetweenThem) {
    TbsSkinData data;
    RecordingNotifier notifier;
    data.setNotifier(&notifier);
    TbsCompressedStoredSkin stored = storedSkinOf(containerOf(kSkinText));
    data.setCompressedStoredSkin(&stored);
    const std::vector<Seen> expected = {
        {BSM_BEFORECHANGE, true, true, 0, &data},
        {BSM_CHANGE, false, true, 3, &data},
        {BSM_AFTERCHANGE, false, false, 3, &data},
    };
    EXPECT_EQ(notifier.seen, expected);
    EXPECT_EQ(data.CompressedStoredSkin(), &stored);
    EXPECT_FALSE(data.SkinEmpty());
    EXPECT_FALSE(data.SkinChanging());
    EXPECT_EQ(data.ContainerVersion(), 3);
    EXPECT_EQ(BSM_BEFORECHANGE, 1225u);
    EXPECT_EQ(BSM_CHANGE, 1226u);
    EXPECT_EQ(BSM_AFTERCHANGE, 1227u);
    EXPECT_EQ(BSM_RESSTRINGS, 1274u);
    EXPECT_EQ(BSM_SKINNABLEFORM, 1294u);
}

TEST(SkinDataTest, LoadedContent) {
    TbsSkinData data;
    TbsCompressedStoredSkin stored = storedSkinOf(containerOf(kSkinText));
    data.LoadStoredSkin(stored);
    EXPECT_EQ(data.MainPicture, patternPicture(150, 150, 24, 1));
    EXPECT_TRUE(data.InactivePicture.isEmpty());
    EXPECT_EQ(data.MaskPicture, patternPicture(150, 150, 1, 2));
    ASSERT_EQ(data.ActivePictures.size(), 2u);
    EXPECT_EQ(data.ActivePictures[1], patternPicture(21, 10, 24, 4));
    // Names and pictures are tied by position only; three names for two pictures is accepted.
    EXPECT_EQ(data.ActivePictureNames, (std::vector<std::string>{"a.bmp", "b.bmp", "c.bmp"}));
    EXPECT_EQ(data.PictureName, "main.bmp");
    EXPECT_EQ(data.MaskPictureName, "mask.bmp");
    EXPECT_EQ(data.VersionInfo.skinname, "Test skin");
    EXPECT_EQ(data.VersionInfo.skinauthor, "Vireltan");
    EXPECT_EQ(data.FormInfo.bgpictureindex, 1);
    EXPECT_EQ(data.PopupWindow.windowpictureindex, 2);
    EXPECT_EQ(data.HintWindow.windowpictureindex, 1);
    EXPECT_EQ(data.HintWindow.fontheight, 14);  // the loaded default, not the construction value
    EXPECT_EQ(data.SkinColors.cbtnface, 12632256);
    EXPECT_EQ(data.SkinColors.cbtntext, systemColor(kColorBtnText));
    ASSERT_EQ(data.ObjectDefinitions.size(), 2u);
    ASSERT_EQ(data.ControlDefinitions.size(), 3u);  // "Edit:Edit" has no class
}

TEST(SkinDataTest, DefinitionLookupIsExactAndFindsTheFirst) {
    TbsSkinData data;
    data.LoadStoredSkin(storedSkinOf(containerOf(kSkinText)));
    struct Case {
        const char* name;
        int control;
        int object;
    } const cases[] = {
        {"panel", 0, -1},       {"groupbox", 1, -1},     {"GroupBox", -1, -1},
        {"groupbox ", -1, -1},  {"Edit", -1, -1},        {"caption", -1, 0},
        {"closebutton", -1, 1}, {"CloseButton", -1, -1}, {"", -1, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(data.FindControlDefinition(c.name), c.control);
        EXPECT_EQ(data.FindObjectDefinition(c.name), c.object);
    }
    // The entry found is the panel of [groupbox], read from its section.
    const auto* groupbox = dynamic_cast<const TbsDataSkinPanelControl*>(data.ControlDefinitions[1].get());
    ASSERT_NE(groupbox, nullptr);
    EXPECT_EQ(groupbox->pictureindex, 1);
    EXPECT_EQ(groupbox->skinrect, (SkinRect{352, 75, 411, 127}));
    const auto* close = dynamic_cast<const TbsDataSkinStdButton*>(data.ObjectDefinitions[1].get());
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->activepictureindex, 0);
    EXPECT_EQ(close->skinrect, (SkinRect{108, 5, 125, 22}));
}

TEST(SkinDataTest, SettingTheSameStoredSkinTwiceLoadsTwice) {
    TbsSkinData data;
    RecordingNotifier notifier;
    data.setNotifier(&notifier);
    TbsCompressedStoredSkin stored = storedSkinOf(containerOf(kSkinText));
    data.setCompressedStoredSkin(&stored);
    data.setCompressedStoredSkin(&stored);
    EXPECT_EQ(notifier.messages(), (std::vector<unsigned>{BSM_BEFORECHANGE, BSM_CHANGE, BSM_AFTERCHANGE,
                                                          BSM_BEFORECHANGE, BSM_CHANGE, BSM_AFTERCHANGE}));
    // The second before-change came while the first skin was still complete: nothing cleared yet.
    EXPECT_EQ(notifier.seen[3].controls, 3u);
    EXPECT_EQ(data.ControlDefinitions.size(), 3u);  // replaced, not merged
}

TEST(SkinDataTest, EmptyStoredSkinChangesNothing) {
    TbsSkinData data;
    RecordingNotifier notifier;
    data.setNotifier(&notifier);
    data.LoadStoredSkin(storedSkinOf(containerOf(kSkinText)));
    notifier.seen.clear();
    TbsCompressedStoredSkin empty;
    EXPECT_TRUE(empty.IsEmpty());
    data.setCompressedStoredSkin(&empty);
    EXPECT_TRUE(notifier.seen.empty());
    EXPECT_FALSE(data.SkinEmpty());
    EXPECT_EQ(data.ControlDefinitions.size(), 3u);
    data.setCompressedStoredSkin(nullptr);
    EXPECT_TRUE(notifier.seen.empty());
    EXPECT_EQ(data.CompressedStoredSkin(), nullptr);
}

// A skin text with its first sections and the given ones after them (the first occurrence of a section
// is the one read, so the given sections must not repeat these).
std::string minimalText(const std::string& extra) {
    return "[VERSION]\r\nskinname=minimal\r\n[PICTURES]\r\npicture=main.bmp\r\nmask=mask.bmp\r\n" + extra;
}

std::vector<std::uint8_t> compress(const std::vector<std::uint8_t>& b) {
    return deflateSkinStream(b, 9);
}

// A load that stops leaves the skin data cleared of the earlier skin, SkinEmpty and SkinChanging both
// true, and only the before-change message sent.
struct StopCase {
    const char* name;
    std::vector<std::uint8_t> compressed;
    const char* error;           // nullptr: no error (a later container version)
    std::size_t activePictures;  // pictures appended before the load stopped
};

TEST(SkinDataTest, StoppedLoadsLeaveTheSkinClearedAndLoading) {
    auto damaged = compress(containerOf(kSkinText));
    damaged[damaged.size() / 2] ^= 0x55;
    auto truncated = compress(containerOf(kSkinText));
    truncated.resize(truncated.size() - 10);
    std::vector<std::uint8_t> badBmp;
    appendI32(badBmp, 3);
    badBmp.push_back(0);
    appendBytes(badBmp, bytesOf("BXnot a bitmap at all"));
    std::vector<std::uint8_t> giantCount;
    appendI32(giantCount, 3);
    giantCount.resize(giantCount.size() + 3, 1);  // three "no picture" flags
    appendI32(giantCount, 0x7FFFFFFF);
    appendBytes(giantCount, writeBmp(patternPicture(3, 3, 24)));
    const char* const convert = "'' is not a valid integer value";

    const StopCase cases[] = {
        {"version 4", compress(versionOnly(4)), nullptr, 0},
        {"version 1000", compress(versionOnly(1000)), nullptr, 0},
        {"damaged zlib data", damaged, "compression error", 0},
        {"truncated zlib data", truncated, "compression error", 0},
        {"not zlib at all", bytesOf("plain text"), "compression error", 0},
        {"picture without BM", compress(badBmp), "Bitmap image is not valid", 0},
        // The picture being read was already appended, empty, when the data ran out.
        {"giant picture count", compress(giantCount), "Stream read error", 2},
        {"container cut in the version", compress({3, 0}), "Stream read error", 0},
        {"clientrect with three numbers",
         compress(containerOf(minimalText("[FORMINFO]\r\nclientrect=1,2,3\r\n"))), convert, 2},
        {"empty rectangle in a control definition",
         compress(
             containerOf(minimalText("[SKINCONTROLS]\r\ncount=1\r\n0=edit:edit\r\n[edit]\r\nskinrect=\r\n"))),
         convert, 2},
        {"point with one number", compress(containerOf(minimalText("[POPUPWINDOW]\r\nlefttoppoint=4\r\n"))),
         convert, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TbsSkinData data;
        RecordingNotifier notifier;
        data.setNotifier(&notifier);
        data.LoadStoredSkin(storedSkinOf(containerOf(kSkinText)));  // an earlier skin
        notifier.seen.clear();
        TbsCompressedStoredSkin stored;
        stored.setCompressedData(c.compressed);
        if (c.error) {
            try {
                data.setCompressedStoredSkin(&stored);
                ADD_FAILURE() << "the load did not stop";
            } catch (const SkinError& e) {
                EXPECT_STREQ(e.what(), c.error);
            }
        } else {
            data.setCompressedStoredSkin(&stored);
        }
        EXPECT_EQ(notifier.messages(), std::vector<unsigned>{BSM_BEFORECHANGE});
        EXPECT_TRUE(data.SkinEmpty());
        EXPECT_TRUE(data.SkinChanging());
        EXPECT_EQ(data.CompressedStoredSkin(), &stored);
        EXPECT_EQ(data.ActivePictures.size(), c.activePictures);
        EXPECT_TRUE(data.ObjectDefinitions.empty());
        EXPECT_TRUE(data.ControlDefinitions.empty());
        EXPECT_TRUE(data.ActivePictureNames.empty() || c.activePictures > 0);
        EXPECT_EQ(data.PopupWindow.windowpictureindex, -1);
        EXPECT_EQ(data.HintWindow.windowpictureindex, -1);
        EXPECT_EQ(data.SkinColors.cbtnface, systemColor(kColorBtnFace));
    }
}

TEST(SkinDataTest, ClearingKeepsThePopupAndHintMembersOtherThanThePictureIndex) {
    TbsSkinData data;
    data.LoadStoredSkin(storedSkinOf(containerOf(kSkinText)));
    data.LoadStoredSkin(storedSkinOf(versionOnly(4)));
    EXPECT_EQ(data.PopupWindow.windowpictureindex, -1);
    EXPECT_EQ(data.PopupWindow.itemsrect, (SkinRect{3, 3, 40, 40}));
    EXPECT_EQ(data.HintWindow.fontheight, 14);
    EXPECT_TRUE(data.MainPicture.isEmpty());
    EXPECT_TRUE(data.MaskPicture.isEmpty());
    EXPECT_TRUE(data.PictureName.empty());
    EXPECT_TRUE(data.MaskPictureName.empty());
    EXPECT_TRUE(data.ActivePictureNames.empty());
    EXPECT_EQ(data.ContainerVersion(), 4);
}

TEST(SkinDataTest, VersionTwoLoadsTheSameSkinAsVersionThree) {
    TbsSkinData v2;
    TbsSkinData v3;
    v2.LoadStoredSkin(storedSkinOf(containerOf(kSkinText, 2)));
    v3.LoadStoredSkin(storedSkinOf(containerOf(kSkinText, 3)));
    EXPECT_FALSE(v2.SkinEmpty());
    EXPECT_EQ(v2.MainPicture, v3.MainPicture);
    EXPECT_EQ(v2.MaskPicture, v3.MaskPicture);
    EXPECT_EQ(v2.ActivePictures, v3.ActivePictures);
    EXPECT_EQ(v2.ControlDefinitions.size(), v3.ControlDefinitions.size());
    EXPECT_EQ(v2.FormInfo.clientrect, v3.FormInfo.clientrect);
}

TEST(SkinDataTest, PictureCountZeroPutsTheTextRightAfterTheCount) {
    TbsSkinData data;
    data.LoadStoredSkin(storedSkinOf(containerOf(kSkinText, 3, 0)));
    EXPECT_FALSE(data.SkinEmpty());
    EXPECT_TRUE(data.ActivePictures.empty());
    EXPECT_EQ(data.VersionInfo.skinname, "Test skin");  // the first line of the text was read whole
}

TEST(SkinDataTest, TextLinesEndAtCrLfOrCrLf) {
    for (const char* br : {"\r\n", "\n", "\r"}) {
        SCOPED_TRACE(::testing::PrintToString(std::string(br)));
        std::string text = "[VERSION]" + std::string(br) + "skinname=x" + br + "[FORMINFO]" + br +
                           "clientrect=1,2,3,4" + br + "buttonsoffset=7";
        TbsSkinData data;
        data.LoadStoredSkin(storedSkinOf(containerOf(text)));
        EXPECT_EQ(data.VersionInfo.skinname, "x");
        EXPECT_EQ(data.FormInfo.clientrect, (SkinRect{1, 2, 3, 4}));
        EXPECT_EQ(data.FormInfo.buttonsoffset, 7);
    }
}

SkinFormInfo loadFormInfo(const std::string& formInfo, bool mask = true) {
    const std::string text =
        "[PICTURES]\r\n" + std::string(mask ? "mask=m.bmp\r\n" : "") + "[FORMINFO]\r\n" + formInfo;
    TbsSkinData data;
    data.LoadStoredSkin(storedSkinOf(containerOf(text)));
    return data.FormInfo;
}

TEST(SkinDataTest, FormInfoOfTheWindowSkinKeepsItsValues) {
    const SkinFormInfo f = loadFormInfo(
        "clientrect=5,27,145,142\r\nmaskrectarea=5,3,145,145\r\nlefttoppoint=30,28\r\nrighttoppoint=81,28\r\n"
        "leftbottompoint=6,140\r\nrightbottompoint=127,134\r\nhittestlefttoppoint=3,3\r\n"
        "hittestrighttoppoint=147,3\r\nhittestleftbottompoint=3,147\r\nhittestrightbottompoint=147,147\r\n");
    EXPECT_EQ(f.clientrect, (SkinRect{5, 27, 145, 142}));
    EXPECT_EQ(f.maskrectarea, (SkinRect{5, 3, 145, 145}));
    EXPECT_EQ(f.lefttoppoint, (SkinPoint{30, 28}));
    EXPECT_EQ(f.righttoppoint, (SkinPoint{81, 28}));
    EXPECT_EQ(f.leftbottompoint, (SkinPoint{6, 140}));
    EXPECT_EQ(f.rightbottompoint, (SkinPoint{127, 134}));
    EXPECT_EQ(f.hittestlefttoppoint, (SkinPoint{3, 3}));
    EXPECT_EQ(f.hittestrightbottompoint, (SkinPoint{147, 147}));
}

struct PostCase {
    const char* name;
    bool mask;
    std::string keys;
    SkinRect maskArea;
    SkinPoint leftTop;
    SkinPoint rightTop;
    SkinPoint leftBottom;
    SkinPoint rightBottom;
    SkinPoint hitLeftTop;
    SkinPoint hitRightBottom;
};

TEST(SkinDataTest, FormInfoPostProcessing) {
    const std::string corners =
        "clientrect=10,20,100,90\r\nlefttoppoint=5,5\r\nrighttoppoint=120,8\r\nleftbottompoint=4,95\r\n"
        "rightbottompoint=110,99\r\n";
    const PostCase cases[] = {
        {"empty mask area becomes the client rectangle",
         true,
         corners,
         {10, 20, 100, 90},
         {10, 20},
         {100, 20},
         {10, 90},
         {100, 90},
         {5, 5},
         {110, 99}},
        {"mask area widened to hold the client rectangle",
         true,
         corners + "maskrectarea=15,2,95,120\r\n",
         {10, 2, 100, 120},
         {10, 20},
         {100, 20},
         {10, 90},
         {100, 90},
         {5, 5},
         {110, 99}},
        {"hit-test points with a zero coordinate take the corner",
         true,
         corners + "hittestlefttoppoint=0,7\r\nhittestrightbottompoint=3,3\r\n",
         {10, 20, 100, 90},
         {10, 20},
         {100, 20},
         {10, 90},
         {100, 90},
         {5, 5},
         {3, 3}},
        {"without a mask nothing but the corner pull",
         false,
         corners + "hittestlefttoppoint=0,7\r\n",
         {0, 0, 0, 0},
         {10, 20},
         {100, 20},
         {10, 90},
         {100, 90},
         {0, 7},
         {0, 0}},
        {"corners that coincide in x are not pulled",
         false,
         "clientrect=10,20,100,90\r\nlefttoppoint=5,5\r\nrightbottompoint=5,99\r\n",
         {0, 0, 0, 0},
         {5, 5},
         {0, 0},
         {0, 0},
         {5, 99},
         {0, 0},
         {0, 0}},
        {"corners that coincide in y are not pulled",
         false,
         "clientrect=10,20,100,90\r\nlefttoppoint=5,5\r\nrightbottompoint=120,5\r\n",
         {0, 0, 0, 0},
         {5, 5},
         {0, 0},
         {0, 0},
         {120, 5},
         {0, 0},
         {0, 0}},
        {"corners inside the client rectangle stay",
         false,
         "clientrect=10,20,100,90\r\nlefttoppoint=30,28\r\nrighttoppoint=81,28\r\nleftbottompoint=16,80\r\n"
         "rightbottompoint=90,85\r\n",
         {0, 0, 0, 0},
         {30, 28},
         {81, 28},
         {16, 80},
         {90, 85},
         {0, 0},
         {0, 0}},
        {"mask named, nothing else given",
         true,
         "",
         {0, 0, 0, 0},
         {0, 0},
         {0, 0},
         {0, 0},
         {0, 0},
         {0, 0},
         {0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SkinFormInfo f = loadFormInfo(c.keys, c.mask);
        EXPECT_EQ(f.maskrectarea, c.maskArea);
        EXPECT_EQ(f.lefttoppoint, c.leftTop);
        EXPECT_EQ(f.righttoppoint, c.rightTop);
        EXPECT_EQ(f.leftbottompoint, c.leftBottom);
        EXPECT_EQ(f.rightbottompoint, c.rightBottom);
        EXPECT_EQ(f.hittestlefttoppoint, c.hitLeftTop);
        EXPECT_EQ(f.hittestrightbottompoint, c.hitRightBottom);
    }
}

TEST(SkinDataTest, FormInfoValueRules) {
    struct Case {
        const char* keys;
        int bgPictureIndex;
        StretchType stretchType;
        InactiveEffect effect;
        SkinRect clientRect;
    } const cases[] = {
        {"", -1, StretchType::stFull, InactiveEffect::ieBrightness, {}},
        {"bgpictureindex=abc\r\n", -1, StretchType::stFull, InactiveEffect::ieBrightness, {}},
        {"bgpictureindex=0x10\r\n", 16, StretchType::stFull, InactiveEffect::ieBrightness, {}},
        {"BGPICTUREINDEX=$10\r\n", 16, StretchType::stFull, InactiveEffect::ieBrightness, {}},
        {"stretchtype=STFULL\r\n", -1, StretchType::stHorz, InactiveEffect::ieBrightness, {}},
        {"stretchtype=stvert\r\ninactiveeffect=ieinvert\r\n",
         -1,
         StretchType::stVert,
         InactiveEffect::ieInvert,
         {}},
        {"inactiveeffect=blur\r\n", -1, StretchType::stFull, InactiveEffect::ieGrayscale, {}},
        {"ClientRect= 1 , 2 , 3 , 4 \r\n",
         -1,
         StretchType::stFull,
         InactiveEffect::ieBrightness,
         {1, 2, 3, 4}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        const SkinFormInfo f = loadFormInfo(c.keys, false);
        EXPECT_EQ(f.bgpictureindex, c.bgPictureIndex);
        EXPECT_EQ(f.stretchtype, c.stretchType);
        EXPECT_EQ(f.inactiveeffect, c.effect);
        EXPECT_EQ(f.clientrect, c.clientRect);
    }
    // Section names ignore letter case as well.
    TbsSkinData data;
    data.LoadStoredSkin(storedSkinOf(containerOf("[forminfo]\r\nbuttonsoffset=3\r\n")));
    EXPECT_EQ(data.FormInfo.buttonsoffset, 3);
}

TEST(SkinDataTest, SkinColoursAfterALoad) {
    struct Case {
        const char* section;
        SkinColor btnFace;
        SkinColor highlight;
    } const cases[] = {
        {"", systemColor(kColorBtnFace), systemColor(kColorHighlight)},
        {"[SKINCOLORS]\r\ncbtnface=255\r\n", 255, systemColor(kColorHighlight)},
        {"[SKINCOLORS]\r\ncbtnface=red\r\nchighlight=$FF000010\r\n", systemColor(kColorBtnFace),
         systemColor(16)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.section);
        TbsSkinData data;
        data.LoadStoredSkin(storedSkinOf(containerOf(c.section)));
        EXPECT_EQ(data.SkinColors.cbtnface, c.btnFace);
        EXPECT_EQ(data.SkinColors.chighlight, c.highlight);
        EXPECT_EQ(data.SkinColors.cwindow, systemColor(kColorWindow));
        EXPECT_EQ(data.SkinColors.cbtnshadow, systemColor(kColorBtnShadow));
    }
}

TEST(SkinDataTest, WindowSectionsWriteBackWhatWasRead) {
    TbsSkinData data;
    data.LoadStoredSkin(storedSkinOf(containerOf(kSkinText)));
    IniFile out;
    data.SaveWindowSectionsToIni(out);
    EXPECT_EQ(out.sectionNames(), (std::vector<std::string>{"VERSION", "PICTURES", "FORMINFO", "POPUPWINDOW",
                                                            "HINTWINDOW", "SKINCOLORS"}));
    TbsSkinData again;
    again.LoadStoredSkin(storedSkinOf(containerOf(out.toText() + "[SKINOBJECTS]\r\n[SKINCONTROLS]\r\n")));
    EXPECT_EQ(again.FormInfo.clientrect, data.FormInfo.clientrect);
    EXPECT_EQ(again.FormInfo.maskrectarea, data.FormInfo.maskrectarea);
    EXPECT_EQ(again.FormInfo.hittestrighttoppoint, data.FormInfo.hittestrighttoppoint);
    EXPECT_EQ(again.PopupWindow.itemsrect, data.PopupWindow.itemsrect);
    EXPECT_EQ(again.SkinColors, data.SkinColors);
    EXPECT_EQ(again.ActivePictureNames, data.ActivePictureNames);
    EXPECT_EQ(again.VersionInfo.skinname, data.VersionInfo.skinname);
}

TEST(SkinDataTest, PropertySettersAndRemovalNotification) {
    TbsSkinData data;
    RecordingNotifier notifier;
    data.setNotifier(&notifier);
    data.setSkinnableForm(true);  // unchanged: no message
    data.setSkinnableForm(false);
    data.setComponentLoading(true);
    data.setSkinnableForm(true);  // while the resource is built: stored only
    TbsResourceStrData strings;
    data.setResourceStrData(&strings);  // also while the resource is built
    data.setComponentLoading(false);
    EXPECT_EQ(notifier.messages(), (std::vector<unsigned>{BSM_SKINNABLEFORM, BSM_RESSTRINGS}));
    EXPECT_TRUE(data.SkinnableForm());

    TbsCompressedStoredSkin stored = storedSkinOf(containerOf(kSkinText));
    data.setCompressedStoredSkin(&stored);
    data.Notification(&stored);
    data.Notification(&strings);
    EXPECT_EQ(data.CompressedStoredSkin(), nullptr);
    EXPECT_EQ(data.ResourceStrData(), nullptr);
    EXPECT_FALSE(data.SkinEmpty());  // the loaded skin stays
    EXPECT_EQ(data.ControlDefinitions.size(), 3u);
}

}  // namespace
}  // namespace vireltan

namespace vireltan {
namespace {

TEST(SkinDataTest, PackedSkinFolderLoadsBack) {
    testing::TempDir dir;
    const SkinPicture main = patternPicture(150, 150, 24, 1);
    const SkinPicture mask = patternPicture(150, 150, 1, 2);
    const std::vector<SkinPicture> pictures = {
        patternPicture(185, 114, 24, 3), patternPicture(146, 257, 24, 4), patternPicture(65, 115, 24, 5),
        patternPicture(117, 100, 24, 6), patternPicture(537, 382, 24, 7)};
    dir.write("main.bmp", writeBmp(main));
    dir.write("mask.bmp", writeBmp(mask));
    std::string text = "[VERSION]\nskinname=Round trip\n[PICTURES]\npicture=main.bmp\nmask=mask.bmp\n";
    text += "activepicturescount=5\n";
    for (int i = 0; i < 5; ++i) {
        const char digit = static_cast<char>('0' + i);
        const std::string name = std::string("p") + digit + ".bmp";
        dir.write(name, writeBmp(pictures[static_cast<std::size_t>(i)]));
        text.append(1, digit).append("=").append(name).append("\n");
    }
    text +=
        "[FORMINFO]\nclientrect=5,27,145,142\n[SKINOBJECTS]\ncount=1\n0=caption:caption\n"
        "[caption]\nskinrect=28,4,85,21\n[SKINCONTROLS]\ncount=1\n0=groupbox:panel\n"
        "[groupbox]\npictureindex=4\nskinrect=352,75,411,127\n";
    dir.write("skin.ini", bytesOf(text));

    TbsCompressedStoredSkin stored;
    ASSERT_TRUE(stored.PackSkinFile(dir.path() / "skin.ini"));
    TbsSkinData data;
    data.setCompressedStoredSkin(&stored);
    EXPECT_FALSE(data.SkinEmpty());
    EXPECT_EQ(data.ContainerVersion(), 3);
    EXPECT_EQ(data.MainPicture, main);
    EXPECT_TRUE(data.InactivePicture.isEmpty());
    EXPECT_EQ(data.MaskPicture, mask);
    EXPECT_EQ(data.ActivePictures, pictures);
    EXPECT_EQ(data.VersionInfo.skinname, "Round trip");
    EXPECT_EQ(data.FormInfo.clientrect, (SkinRect{5, 27, 145, 142}));
    EXPECT_EQ(data.FindObjectDefinition("caption"), 0);
    EXPECT_EQ(data.FindControlDefinition("groupbox"), 0);
    EXPECT_EQ(data.ControlDefinitions[0]->skinrect, (SkinRect{352, 75, 411, 127}));
}

// The skin pictures as rasters for composing: the picture's pixels, made once and kept, gone with the
// skin; nothing for an index outside the list.
TEST(SkinDataTest, PictureRastersFollowThePicturesUntilTheSkinIsCleared) {
    SkinContainer container;
    container.pictures.push_back(testing::patternPicture(7, 5, 24, 3));
    container.pictures.push_back(testing::patternPicture(4, 9, 8, 4));
    container.text = testing::minimalSkinText();
    TbsSkinData data;
    data.LoadStoredSkin(testing::storedSkinOf(writeSkinContainer(container)));
    ASSERT_FALSE(data.SkinEmpty());
    struct Case {
        int index;
        bool present;
    };
    const Case cases[] = {{0, true}, {1, true}, {-1, false}, {2, false}, {1000, false}};
    for (const Case& c : cases) {
        const Raster* raster = data.activePictureRaster(c.index);
        EXPECT_EQ(raster != nullptr, c.present) << c.index;
        if (!raster) continue;
        const SkinPicture& picture = data.ActivePictures[std::size_t(c.index)];
        EXPECT_TRUE(raster->samePixels(rasterFromPicture(picture))) << c.index;
        EXPECT_EQ(data.activePictureRaster(c.index), raster) << "made once, " << c.index;
    }
    data.ClearSkin();
    EXPECT_EQ(data.activePictureRaster(0), nullptr);
}

}  // namespace
}  // namespace vireltan
