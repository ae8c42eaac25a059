// The group boxes in their skinned look: the running window's five boxes drawn from the stored
// skin's `groupbox` definition, the look-up and resize edge cases of the skinned control base, and
// the skin change as it reaches a window and its controls.
#include "app/win/CalculatorWindow.h"
#include "controls/GroupBox.h"
#include "gui/SkinClient.h"
#include "gui/SkinComponents.h"
#include "skin/SplitPainting.h"

#include "../skin/SkinTestSupport.h"
#include "ControlTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace vireltan {
namespace {

using namespace vireltan::testing;

// Pixels of `shot` that differ from `expected`, outside the rectangles of `skip`.
int differingPixels(TBitmap& shot, const Raster& expected, const std::vector<RECT>& skip) {
    int differing = 0;
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            bool skipped = false;
            for (const RECT& r : skip)
                skipped = skipped || (x >= r.left && x < r.right && y >= r.top && y < r.bottom);
            if (skipped) continue;
            const Bgr c = expected.pixel(x, y);
            if (pixelAt(shot, x, y) != RGB(c.r, c.g, c.b)) ++differing;
        }
    }
    return differing;
}

// The window's stored skin, loaded as the window loads it.
struct StoredSkin {
    TForm* owner = shownForm(40, 40, 300, 200);
    SkinDataComponent* data = loadWindowSkin(*owner);
    ~StoredSkin() { delete owner; }
    TbsSkinData& skin() { return data->skinData(); }
};

TEST(GroupBoxSkin, RunningWindowDrawsItsFiveBoxesAsTheCompositionOfTheirDefinition) {
    auto window = std::make_unique<TiletkenRhesap>(nullptr, GetModuleHandleW(nullptr));
    window->show();
    struct Case {
        const char* name;
        int width, height;
    };
    const Case cases[] = {{"showw", 185, 201},
                          {"bsSkinGroupBox1", 305, 201},
                          {"bsSkinGroupBox2", 209, 202},
                          {"bsSkinGroupBox3", 713, 134},
                          {"bsSkinGroupBox4", 113, 90}};
    for (const Case& c : cases) {
        auto* box = window->component<TbsSkinGroupBox>(c.name);
        ASSERT_NE(box, nullptr) << c.name;
        ASSERT_NE(box->SkinData(), nullptr) << c.name;
        EXPECT_TRUE(box->hasSkinLook()) << c.name;
        EXPECT_EQ(box->geometry().resizeMode, ResizeMode::NinePiece) << c.name;
        EXPECT_EQ(box->width(), c.width) << c.name;
        EXPECT_EQ(box->height(), c.height) << c.name;
        TBitmap shot;
        renderClient(*box, shot);
        const Raster* picture = box->SkinData()->activePictureRaster(box->geometry().pictureindex);
        ASSERT_NE(picture, nullptr);
        const Raster expected =
            composeSplitImage(*picture, box->geometry().compose, c.width, c.height, ClientFill::ByDefinition);
        // The caption text and the graphic children (labels, pictures) lie on top of the composition.
        std::vector<RECT> skip{box->currentCaptionRect()};
        for (TControl* child : box->controls()) {
            if (!child->isWindowed()) skip.push_back(child->boundsRect());
        }
        EXPECT_EQ(differingPixels(shot, expected, skip), 0) << c.name;
        // The caption rectangle of the skin mapped to the width: (2, 1, W - 2, 15).
        EXPECT_EQ(box->currentCaptionRect().left, 2) << c.name;
        EXPECT_EQ(box->currentCaptionRect().top, 1) << c.name;
        EXPECT_EQ(box->currentCaptionRect().right, c.width - 2) << c.name;
        EXPECT_EQ(box->currentCaptionRect().bottom, 15) << c.name;
        // White caption text inside it, centred.
        const InkBox ink = inkBox(shot, box->currentCaptionRect(), pixelAt(shot, 3, 2));
        EXPECT_GT(countColour(shot, box->currentCaptionRect(), RGB(255, 255, 255)), 0) << c.name;
        EXPECT_NEAR((ink.left + ink.right) / 2, c.width / 2, 3) << c.name;
        saveShot(shot, std::string("groupbox-skinned-") + c.name);
    }
    // A child filling the nested box's client area fills the skin's client rectangle.
    auto* sonucu = window->component<TControl>("sonucu");
    ASSERT_NE(sonucu, nullptr);
    EXPECT_EQ(sonucu->left(), 2);
    EXPECT_EQ(sonucu->top(), 17);
    EXPECT_EQ(sonucu->width(), 113 - 4);
    EXPECT_EQ(sonucu->height(), 90 - 17 - 2);
}

struct SkinnedBox : ::testing::Test {
    StoredSkin stored;
    HostForm host{800, 500};
    TbsSkinGroupBox* box = nullptr;
    WindowProcHook relay = relaySkinChangesToControls(*host.form);
    void SetUp() override {
        box = new TbsSkinGroupBox(host.form);
        box->setParent(host.form);
        box->setBounds(8, 8, 185, 201);
        box->setCaption("Önizleme");
    }
    COLORREF cornerAfterPaint() {
        TBitmap shot;
        renderClient(*box, shot);
        return pixelAt(shot, 0, 0);
    }
};

TEST_F(SkinnedBox, LooksOfTheEdgeCases) {
    const COLORREF plainCorner = sys(COLOR_BTNSHADOW);
    box->setSkinData(&stored.skin());
    const COLORREF skinnedCorner = cornerAfterPaint();
    ASSERT_NE(skinnedCorner, plainCorner);
    struct Case {
        const char* name;
        bool skinned;
    };
    const Case cases[] = {
        {"groupbox", true}, {"GroupBox", false}, {"groupBox", false},
        {"panel", true},    {"stdlabel", false},  // a definition of another kind has nothing to paint from
        {"", false}};
    for (const Case& c : cases) {
        box->setSkinDataName(c.name);
        box->ApplySkin();
        EXPECT_EQ(box->hasSkinLook(), c.skinned) << c.name;
        if (!c.skinned) {
            EXPECT_EQ(cornerAfterPaint(), plainCorner) << c.name;
        }
    }
}

TEST_F(SkinnedBox, SetWhileEmptyStaysPlainUntilTheChangeMessages) {
    TbsSkinData empty;
    box->setSkinData(&empty);
    EXPECT_EQ(box->definitionIndex(), -1);
    EXPECT_EQ(cornerAfterPaint(), sys(COLOR_BTNSHADOW));
    // The stored skin loaded into it: the change messages reach the form, whose relay applies it.
    FormSkinNotifier notifier(host.form);
    empty.setNotifier(&notifier);
    empty.LoadStoredSkin(stored.data->compressedStoredSkin()->storedSkin());
    EXPECT_TRUE(box->hasSkinLook());
    EXPECT_NE(cornerAfterPaint(), sys(COLOR_BTNSHADOW));
    box->setSkinData(nullptr);
}

TEST_F(SkinnedBox, DestroyingTheSkinDataLeavesThePlainLook) {
    auto* data = new SkinDataComponent(host.form);
    data->setCompressedStoredSkin(stored.data->compressedStoredSkin());
    box->setSkinData(&data->skinData());
    EXPECT_TRUE(box->hasSkinLook());
    delete data;
    EXPECT_EQ(box->SkinData(), nullptr);
    EXPECT_EQ(cornerAfterPaint(), sys(COLOR_BTNSHADOW));
}

// Definitions of every resize mode: the sizes a request becomes, and the region (none: no mask).
TEST(GroupBoxSkin, ResizeModesTakeOrRefuseTheRequestedSize) {
    struct Case {
        const char* section;
        ResizeMode mode;
        int fittedWidth, fittedHeight;  // for a request of 200 x 100
    };
    const Case cases[] = {
        {"skinrect=0,0,59,52\r\nlefttoppoint=5,17\r\nrighttoppoint=52,17\r\nleftbottompoint=5,47\r\n"
         "rightbottompoint=52,47\r\nclientrect=2,17,57,50\r\n",
         ResizeMode::NinePiece, 200, 100},
        {"skinrect=0,0,59,52\r\nclientrect=2,17,57,50\r\n", ResizeMode::Copy, 59, 52},
        {"skinrect=0,0,59,52\r\nlefttoppoint=5,0\r\nrighttoppoint=52,0\r\nclientrect=2,17,57,50\r\n",
         ResizeMode::HorizontalStrip, 200, 52},
        {"skinrect=0,0,59,52\r\nlefttoppoint=0,17\r\nleftbottompoint=0,47\r\nclientrect=2,17,57,50\r\n",
         ResizeMode::VerticalStrip, 59, 100},
        {"skinrect=0,0,0,0\r\nlefttoppoint=5,17\r\nrightbottompoint=52,47\r\n", ResizeMode::None, 200, 100},
    };
    for (const Case& c : cases) {
        HostForm host{400, 300};
        TbsSkinData skin;
        skin.LoadStoredSkin(storedSkinOf(writeSkinContainer([&] {
            SkinContainer container;
            container.pictures.push_back(patternPicture(80, 60, 24));
            container.text = minimalSkinText();
            container.text.replace(container.text.find("[SKINCONTROLS]\r\ncount=0"), 23,
                                   "[SKINCONTROLS]\r\ncount=1\r\n0=groupbox:panel");
            container.text += std::string("[groupbox]\r\npictureindex=0\r\n") + c.section;
            return container;
        }())));
        ASSERT_FALSE(skin.SkinEmpty());
        auto* box = new TbsSkinGroupBox(host.form);
        box->setParent(host.form);
        box->setBounds(0, 0, 120, 80);
        box->setSkinData(&skin);
        box->setBounds(0, 0, 200, 100);
        EXPECT_EQ(box->geometry().resizeMode, c.mode) << c.section;
        EXPECT_EQ(box->width(), c.fittedWidth) << c.section;
        EXPECT_EQ(box->height(), c.fittedHeight) << c.section;
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        EXPECT_EQ(GetWindowRgn(box->handle(), region), ERROR) << c.section;  // no region
        DeleteObject(region);
        TBitmap shot;
        renderClient(*box, shot);  // paints without failing in every mode
        EXPECT_EQ(shot.width(), c.fittedWidth);
    }
}

// The panel looks that cover the whole control: its own background picture (tiled from (0, 0)), or,
// without border and caption, its client image; both leave the whole control to aligned children.
TEST(GroupBoxSkin, PanelBackgroundPictureAndClientImageCoverTheWholeControl) {
    struct Case {
        const char* keys;
        TbsSkinBorderStyle border;
        PixelRect tile;  // the picture piece repeated from (0, 0), in picture 1 or in picture 0
        int picture;
    };
    const Case cases[] = {
        {"bgpictureindex=1\r\n", TbsSkinBorderStyle::bvFrame, {0, 0, 7, 5}, 1},
        {"bgpictureindex=-1\r\n", TbsSkinBorderStyle::bvNone, {2, 17, 57, 50}, 0},
    };
    for (const Case& c : cases) {
        HostForm host{400, 300};
        TbsSkinData skin;
        skin.LoadStoredSkin(storedSkinOf(writeSkinContainer([&] {
            SkinContainer container;
            container.pictures.push_back(patternPicture(80, 60, 24, 1));
            container.pictures.push_back(patternPicture(7, 5, 24, 2));
            container.text = minimalSkinText();
            container.text.replace(container.text.find("[SKINCONTROLS]\r\ncount=0"), 23,
                                   "[SKINCONTROLS]\r\ncount=1\r\n0=panel:panel");
            container.text += std::string(
                                  "[panel]\r\npictureindex=0\r\nskinrect=0,0,59,52\r\n"
                                  "lefttoppoint=5,17\r\nrighttoppoint=52,17\r\nleftbottompoint=5,47\r\n"
                                  "rightbottompoint=52,47\r\nclientrect=2,17,57,50\r\n") +
                              c.keys;
            return container;
        }())));
        ASSERT_FALSE(skin.SkinEmpty());
        auto* panel = new TbsSkinPanel(host.form);
        panel->setParent(host.form);
        panel->setBorderStyle(c.border);
        panel->setBounds(0, 0, 130, 90);
        panel->setSkinData(&skin);
        ASSERT_TRUE(panel->hasSkinLook());
        RECT client{};
        panel->AdjustClientRect(client);
        EXPECT_EQ(client.left, 0);
        EXPECT_EQ(client.top, 0);
        EXPECT_EQ(client.right, 130);
        EXPECT_EQ(client.bottom, 90);
        TBitmap shot;
        renderClient(*panel, shot);
        const Raster* source = skin.activePictureRaster(c.picture);
        ASSERT_NE(source, nullptr);
        int differing = 0;
        for (int y = 0; y < 90; ++y) {
            for (int x = 0; x < 130; ++x) {
                const Bgr e =
                    source->pixel(c.tile.left + x % c.tile.width(), c.tile.top + y % c.tile.height());
                if (pixelAt(shot, x, y) != RGB(e.r, e.g, e.b)) ++differing;
            }
        }
        EXPECT_EQ(differing, 0) << c.keys;
    }
}

// The three change messages reach the window in order; every control linked to the changing skin
// forgets its definition on the first and looks it up again on the second; unlinked controls and
// controls of another skin are not touched.
TEST(GroupBoxSkin, ChangeMessagesReachTheWindowAndItsLinkedControls) {
    StoredSkin stored;
    HostForm host{600, 400};
    WindowProcHook relay = relaySkinChangesToControls(*host.form);
    TbsSkinData other;
    struct Logged : TbsSkinGroupBox {
        std::vector<std::string>* log = nullptr;
        using TbsSkinGroupBox::TbsSkinGroupBox;
        void ForgetSkin() override {
            log->push_back(name() + " forget");
            TbsSkinGroupBox::ForgetSkin();
        }
        void ApplySkin() override {
            if (log) log->push_back(name() + " apply");
            TbsSkinGroupBox::ApplySkin();
        }
    };
    std::vector<std::string> log;
    const auto make = [&](const char* name, TWinControl* parent, TbsSkinData* skin) {
        auto* box = new Logged(host.form);
        box->setName(name);
        box->setParent(parent);
        box->setBounds(4, 4, 150, 100);
        box->setSkinData(skin);
        box->log = &log;
        return box;
    };
    Logged* outer = make("outer", host.form, &stored.skin());
    make("nested", outer, &stored.skin());
    make("unlinked", host.form, nullptr);
    make("otherskin", host.form, &other);
    std::vector<std::string> messages;
    WindowProcHook spy = host.form->installWindowProcHook([&](TMessage& message, const WindowProcNext& next) {
        if (message.msg >= BSM_BEFORECHANGE && message.msg <= BSM_AFTERCHANGE) {
            messages.push_back(std::to_string(message.msg - WM_USER) + " " + std::to_string(message.lParam));
            EXPECT_EQ(message.wParam, reinterpret_cast<WPARAM>(&stored.skin()));
        }
        next(message);
    });
    stored.data->setCompressedStoredSkin(stored.data->compressedStoredSkin());  // loads again
    EXPECT_EQ(messages, (std::vector<std::string>{"201 1000", "202 1000", "203 1000"}));
    EXPECT_EQ(log,
              (std::vector<std::string>{"outer forget", "nested forget", "outer apply", "nested apply"}));
    EXPECT_TRUE(outer->hasSkinLook());
}

}  // namespace
}  // namespace vireltan
