// The calculator window's own stored skin (resources/skin/vireltan.skin), loaded through the engine's
// loader: the values the window's frame, menus and controls rely on, group by group.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "skin/IniFile.h"
#include "skin/SkinControls.h"
#include "skin/SkinData.h"
#include "skin/SkinObjects.h"
#include "skin/StoredSkin.h"
#include "tests/skin/WindowSkinLayout.h"

namespace vireltan {
namespace {

// The test data folder is <repo>/tests/data; the packed skin lives in <repo>/resources/skin (taken
// lexically, since the data folder need not exist).
const std::filesystem::path kSkinFile =
    std::filesystem::path(VIRELTAN_TEST_DATA).parent_path().parent_path() / "resources" / "skin" /
    "vireltan.skin";

class WindowSkinTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        stored_ = new TbsCompressedStoredSkin;
        stored_->setCompressedData(readWholeFile(kSkinFile));
        skin_ = new TbsSkinData;
        skin_->LoadStoredSkin(*stored_);
    }
    static void TearDownTestSuite() {
        delete skin_;
        delete stored_;
    }

    template <class Definition>
    static const Definition& control(const char* name) {
        const int index = skin_->FindControlDefinition(name);
        EXPECT_GE(index, 0) << name;
        const auto* definition = dynamic_cast<const Definition*>(skin_->ControlDefinitions.at(index).get());
        EXPECT_NE(definition, nullptr) << name;
        return *definition;
    }
    template <class Definition>
    static const Definition& object(const char* name) {
        const int index = skin_->FindObjectDefinition(name);
        EXPECT_GE(index, 0) << name;
        const auto* definition = dynamic_cast<const Definition*>(skin_->ObjectDefinitions.at(index).get());
        EXPECT_NE(definition, nullptr) << name;
        return *definition;
    }

    static TbsCompressedStoredSkin* stored_;
    static TbsSkinData* skin_;
};

TbsCompressedStoredSkin* WindowSkinTest::stored_ = nullptr;
TbsSkinData* WindowSkinTest::skin_ = nullptr;

SkinRect rect(int l, int t, int r, int b) {
    return {l, t, r, b};
}
SkinPoint point(int x, int y) {
    return {x, y};
}

TEST_F(WindowSkinTest, LoadsCompletely) {
    EXPECT_FALSE(skin_->SkinEmpty());
    EXPECT_FALSE(skin_->SkinChanging());
    EXPECT_EQ(skin_->ContainerVersion(), 3);
}

TEST_F(WindowSkinTest, ContainerPicturesHaveTheirSizes) {
    struct Case {
        const char* what;
        const SkinPicture* picture;
        int width, height, bits;
    };
    ASSERT_EQ(skin_->ActivePictures.size(), 5u);
    const Case cases[] = {
        {"main", &skin_->MainPicture, 150, 150, 24},
        {"mask", &skin_->MaskPicture, 150, 150, 1},
        {"picture 0", &skin_->ActivePictures[0], 185, 114, 24},
        {"picture 1", &skin_->ActivePictures[1], 146, 257, 24},
        {"picture 2", &skin_->ActivePictures[2], 65, 115, 24},
        {"picture 3", &skin_->ActivePictures[3], 117, 100, 24},
        {"picture 4", &skin_->ActivePictures[4], 537, 382, 24},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.picture->width, c.width) << c.what;
        EXPECT_EQ(c.picture->height, c.height) << c.what;
        EXPECT_EQ(c.picture->bitCount, c.bits) << c.what;
    }
    EXPECT_TRUE(skin_->InactivePicture.isEmpty());
    EXPECT_TRUE(skin_->InactivePictureName.empty());
    EXPECT_FALSE(skin_->MaskPictureName.empty());
}

TEST_F(WindowSkinTest, DefinitionFileHasEightySectionsWithCrLfLines) {
    const SkinBytes container = stored_->DecompressToStream();
    SkinContainerReader reader(container);
    reader.readVersion();
    for (int i = 0; i < 3; ++i) reader.readFlaggedPicture();
    for (int i = reader.readCount(); i > 0; --i) reader.readPicture();
    const std::string text = reader.readText();
    EXPECT_EQ(IniFile(text).sectionNames().size(), 80u);
    // Every line break is CR LF: no bare LF and no bare CR.
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << "bare LF at " << i;
        }
        if (text[i] == '\r') {
            ASSERT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "bare CR at " << i;
        }
    }
    EXPECT_GT(text.size(), 40000u);
    EXPECT_LT(text.size(), 60000u);
}

TEST_F(WindowSkinTest, MaskIsBlackExceptTheRoundedTopCorners) {
    const SkinPicture& mask = skin_->MaskPicture;
    int outside = 0;
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width; ++x) {
            if (mask.colorAt(x, y) == 0) continue;
            ++outside;
            const bool inCorner = y < 7 && (x < 7 || x >= mask.width - 7);
            EXPECT_TRUE(inCorner) << "non-black mask pixel at " << x << "," << y;
        }
    }
    EXPECT_GT(outside, 0);
    EXPECT_NE(mask.colorAt(0, 0), 0);
    EXPECT_NE(mask.colorAt(149, 0), 0);
    EXPECT_EQ(mask.colorAt(0, 149), 0);
    EXPECT_EQ(mask.colorAt(149, 149), 0);
}

TEST_F(WindowSkinTest, FormInfoKeepsItsValuesAfterPostProcessing) {
    struct Case {
        const char* key;
        SkinPoint actual, expected;
    };
    const SkinFormInfo& f = skin_->FormInfo;
    const Case points[] = {
        {"lefttoppoint", f.lefttoppoint, point(30, 28)},
        {"righttoppoint", f.righttoppoint, point(81, 28)},
        {"leftbottompoint", f.leftbottompoint, point(6, 140)},
        {"rightbottompoint", f.rightbottompoint, point(127, 134)},
    };
    for (const Case& c : points) EXPECT_EQ(c.actual, c.expected) << c.key;
    EXPECT_EQ(f.clientrect, rect(5, 27, 145, 142));
    EXPECT_EQ(f.maskrectarea, rect(5, 3, 145, 145));
    EXPECT_EQ(f.bgpictureindex, -1);
    EXPECT_FALSE(f.autorenderinginactiveimage);
    for (const SkinPoint p : {f.hittestlefttoppoint, f.hittestrighttoppoint, f.hittestleftbottompoint,
                              f.hittestrightbottompoint}) {
        EXPECT_NE(p.x, 0);
        EXPECT_NE(p.y, 0);
    }
}

TEST_F(WindowSkinTest, ClientAreaOfTheMainPictureIsOneLightColour) {
    const SkinRect c = skin_->FormInfo.clientrect;
    const SkinColor first = skin_->MainPicture.colorAt(c.left, c.top);
    for (int y = c.top; y < c.bottom; ++y)
        for (int x = c.left; x < c.right; ++x)
            ASSERT_EQ(skin_->MainPicture.colorAt(x, y), first) << x << "," << y;
    for (int shift : {0, 8, 16}) EXPECT_GT((first >> shift) & 0xFF, 200);
}

TEST_F(WindowSkinTest, ObjectsInOrderWithTheirKinds) {
    const auto& expected = skinfixtures::kWindowSkinObjects;
    ASSERT_EQ(skin_->ObjectDefinitions.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(skin_->ObjectDefinitions[i]->name, expected[i].first) << i;
        EXPECT_EQ(skin_->ObjectDefinitions[i]->kindWord(), expected[i].second) << i;
    }
}

TEST_F(WindowSkinTest, ControlsInOrderWithTheirKinds) {
    const auto& expected = skinfixtures::kWindowSkinControls;
    ASSERT_EQ(skin_->ControlDefinitions.size(), 61u);
    ASSERT_EQ(std::size(expected), 61u);
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(skin_->ControlDefinitions[i]->name, expected[i].first) << i;
        EXPECT_EQ(skin_->ControlDefinitions[i]->kindWord(), expected[i].second) << i;
    }
    EXPECT_EQ(skin_->FindControlDefinition("groupbox"), 21);
    EXPECT_EQ(skin_->FindControlDefinition("stdlabel"), 22);
    EXPECT_EQ(skin_->FindControlDefinition("GroupBox"), -1);
}

// Every rectangle a definition writes must lie on its picture, and its own picture must not be empty:
// a later preview draws every kind.
TEST_F(WindowSkinTest, EveryControlIsCutFromARealPicture) {
    for (const auto& definition : skin_->ControlDefinitions) {
        SCOPED_TRACE(definition->name);
        ASSERT_GE(definition->pictureindex, 0);
        ASSERT_LT(definition->pictureindex, static_cast<int>(skin_->ActivePictures.size()));
        const SkinPicture& picture = skin_->ActivePictures[definition->pictureindex];
        EXPECT_FALSE(definition->skinrect.isEmpty());
        IniFile saved;
        definition->SaveToIni(saved);
        for (const std::string& line : saved.sectionLines(definition->name)) {
            const std::string key = line.substr(0, line.find('='));
            if (key.size() < 4 || key.compare(key.size() - 4, 4, "rect") != 0) continue;
            std::istringstream fields(line.substr(line.find('=') + 1));
            int v[4] = {};
            char comma = 0;
            fields >> v[0] >> comma >> v[1] >> comma >> v[2] >> comma >> v[3];
            EXPECT_LE(v[2], picture.width) << line;
            EXPECT_LE(v[3], picture.height) << line;
            EXPECT_LE(v[0], v[2]) << line;
            EXPECT_LE(v[1], v[3]) << line;
        }
    }
}

TEST_F(WindowSkinTest, CaptionButtonsAndAnimations) {
    const auto& close = object<TbsDataSkinStdButton>("closebutton");
    EXPECT_EQ(close.activepictureindex, 0);
    EXPECT_EQ(close.skinrect, rect(108, 5, 125, 22));
    EXPECT_EQ(close.command, StdCommand::cmClose);
    EXPECT_EQ(close.disableskinrsect, rect(21, 28, 38, 45));
    EXPECT_EQ(object<TbsDataSkinStdButton>("sysmenubutton").skinrect, rect(10, 10, 23, 23));
    EXPECT_EQ(object<TbsDataSkinStdButton>("sysmenubutton").command, StdCommand::cmSysMenu);

    struct Case {
        const char* name;
        SkinRect skinrect;
        StdCommand command;
    };
    const Case animations[] = {
        {"minanimate", rect(129, 5, 148, 26), StdCommand::cmMinimize},
        {"maxanimate", rect(85, 5, 104, 26), StdCommand::cmMaximize},
    };
    for (const Case& c : animations) {
        const auto& a = object<TbsDataSkinAnimate>(c.name);
        EXPECT_EQ(a.skinrect, c.skinrect) << c.name;
        EXPECT_EQ(a.command, c.command) << c.name;
        EXPECT_EQ(a.countframes, 6) << c.name;
        EXPECT_TRUE(a.buttonstyle) << c.name;
        EXPECT_EQ(a.timerinterval, 25) << c.name;
        // The strip holds the frames side by side, each of the object's size, in picture 0.
        EXPECT_EQ(a.activeskinrect.width(), 6 * c.skinrect.width()) << c.name;
        EXPECT_EQ(a.activeskinrect.height(), c.skinrect.height()) << c.name;
        EXPECT_LE(a.activeskinrect.right, skin_->ActivePictures[0].width) << c.name;
    }
}

TEST_F(WindowSkinTest, AnimationFrameOneIsTheRestingLookOfTheFrame) {
    for (const char* name : {"minanimate", "maxanimate"}) {
        const auto& a = object<TbsDataSkinAnimate>(name);
        const SkinPicture& strip = skin_->ActivePictures[0];
        for (int y = 0; y < a.skinrect.height(); ++y)
            for (int x = 0; x < a.skinrect.width(); ++x)
                ASSERT_EQ(strip.colorAt(a.activeskinrect.left + x, a.activeskinrect.top + y),
                          skin_->MainPicture.colorAt(a.skinrect.left + x, a.skinrect.top + y))
                    << name << " at " << x << "," << y;
    }
}

TEST_F(WindowSkinTest, CaptionLooks) {
    const auto& caption = object<TbsDataSkinCaption>("caption");
    EXPECT_EQ(caption.skinrect, rect(28, 4, 85, 21));
    EXPECT_TRUE(caption.activeskinrect.isEmpty());
    EXPECT_EQ(caption.fontname, "Arial");
    EXPECT_EQ(caption.fontheight, 16);
    EXPECT_TRUE(caption.fontstyle.bold);
    EXPECT_EQ(caption.alignment, Alignment::taLeftJustify);
    EXPECT_TRUE(caption.shadow);
    EXPECT_EQ(caption.activefontcolor, rgbColor(255, 255, 255));
    EXPECT_EQ(caption.activeshadowcolor, rgbColor(74, 89, 119));
    EXPECT_EQ(caption.fontcolor, rgbColor(185, 190, 194));
    EXPECT_EQ(caption.shadowcolor, rgbColor(0, 0, 0));
    // The caption picture's fixed widths come from the frame's corner points.
    EXPECT_EQ(skin_->FormInfo.lefttoppoint.x - caption.skinrect.left, 2);
    EXPECT_EQ(caption.skinrect.right - skin_->FormInfo.righttoppoint.x, 4);
}

TEST_F(WindowSkinTest, SystemMenuLooks) {
    const auto& item = object<TbsDataSkinMenuItem>("menuitem");
    EXPECT_EQ(item.activepictureindex, 2);
    EXPECT_EQ(item.skinrect, rect(1, 1, 64, 24));
    EXPECT_EQ(item.activeskinrect, rect(1, 1, 64, 24));
    EXPECT_EQ(item.dividerrect, rect(2, 44, 63, 46));
    EXPECT_EQ(item.fontcolor, rgbColor(255, 255, 255));
    EXPECT_EQ(item.activefontcolor, rgbColor(0, 0, 0));
    EXPECT_EQ(item.unenabledfontcolor, rgbColor(79, 95, 128));
    EXPECT_EQ(skin_->PopupWindow.windowpictureindex, 1);
    EXPECT_EQ(skin_->PopupWindow.itemsrect, rect(2, 2, 144, 255));
    // Widest text + 51: the frame and item margins of the popup width rule add up to 51.
    const int margins = 2 + 19 + 19 + skin_->ActivePictures[1].width + item.textrect.left +
                        item.skinrect.width() + skin_->PopupWindow.itemsrect.left -
                        skin_->PopupWindow.itemsrect.right - item.textrect.right;
    EXPECT_EQ(margins, 51);
}

TEST_F(WindowSkinTest, GroupBox) {
    const auto& gb = control<TbsDataSkinPanelControl>("groupbox");
    EXPECT_EQ(gb.pictureindex, 4);
    EXPECT_EQ(gb.skinrect, rect(352, 75, 411, 127));
    EXPECT_EQ(gb.lefttoppoint, point(5, 17));
    EXPECT_EQ(gb.righttoppoint, point(52, 17));
    EXPECT_EQ(gb.leftbottompoint, point(4, 47));
    EXPECT_EQ(gb.rightbottompoint, point(55, 48));
    EXPECT_EQ(gb.clientrect, rect(2, 17, 57, 50));
    EXPECT_EQ(gb.captionrect, rect(2, 1, 57, 15));
    EXPECT_FALSE(gb.leftstretch || gb.topstretch || gb.rightstretch || gb.bottomstretch || gb.stretcheffect);
    EXPECT_EQ(gb.fontname, "Arial");
    EXPECT_EQ(gb.fontheight, 14);
    EXPECT_EQ(gb.fontcolor, rgbColor(255, 255, 255));
    EXPECT_EQ(gb.alignment, Alignment::taCenter);
    EXPECT_EQ(gb.bgpictureindex, -1);
}

TEST_F(WindowSkinTest, ComboBox) {
    const auto& cb = control<TbsDataSkinComboBox>("combobox");
    EXPECT_EQ(cb.skinrect, rect(318, 3, 376, 23));
    EXPECT_EQ(cb.buttonrect, rect(40, 0, 57, 19));
    EXPECT_EQ(cb.activebuttonrect, rect(358, 24, 375, 43));
    EXPECT_EQ(cb.itemrect, rect(319, 4, 358, 21));
}

// Which composition a control gets follows from its points: the window's controls need these.
TEST_F(WindowSkinTest, CompositionModes) {
    enum Mode { kFixed, kNinePiece, kHorizontal, kVertical };
    auto modeOf = [](const TbsDataSkinCustomControl& d) {
        if (d.rightbottompoint.x != 0 && d.rightbottompoint.y != 0) return kNinePiece;
        if (d.righttoppoint.x != 0 || d.righttoppoint.y != 0) return kHorizontal;
        if (d.leftbottompoint.x != 0 || d.leftbottompoint.y != 0) return kVertical;
        return kFixed;
    };
    struct Case {
        const char* name;
        Mode mode;
    };
    const Case cases[] = {{"groupbox", kNinePiece},  {"listbox", kNinePiece},   {"edit", kHorizontal},
                          {"combobox", kHorizontal}, {"vscrollbar", kVertical}, {"hscrollbar", kHorizontal}};
    for (const Case& c : cases)
        EXPECT_EQ(modeOf(control<TbsDataSkinCustomControl>(c.name)), c.mode) << c.name;
}

}  // namespace
}  // namespace vireltan
