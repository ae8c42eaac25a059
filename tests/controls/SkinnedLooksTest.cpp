// The edit, combo box, dropped list and scroll bar linked to the stored skin: their pixels, as their
// paint paths put them on the screen, against the composition of their definitions for their size,
// the hot looks, the edit's height and font rules, and the plain fallback for a definition that is
// missing or whose picture does not exist.
#include "controls/ComboBox.h"
#include "controls/Edit.h"
#include "controls/PopupListBox.h"
#include "controls/ScrollBar.h"
#include "gui/Messages.h"
#include "gui/SkinComponents.h"
#include "skin/Blit.h"
#include "skin/Compose.h"
#include "skin/ControlLooks.h"
#include "skin/SkinGeometry.h"
#include "skin/SplitPainting.h"

#include "ControlTestSupport.h"
#include "ControlsTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace vireltan {
namespace {

using namespace vireltan::testing;

// The window's stored skin on a shown form that owns the controls of a test.
struct SkinnedHost {
    TForm* form = shownForm(40, 40, 420, 320);
    SkinDataComponent* data = loadWindowSkin(*form);
    SkinnedHost() = default;
    ~SkinnedHost() { delete form; }
    SkinnedHost(const SkinnedHost&) = delete;
    SkinnedHost& operator=(const SkinnedHost&) = delete;

    TbsSkinData& skin() { return data->skinData(); }
    template <class Kind>
    Kind& definition(const std::string& name) {
        const int index = skin().FindControlDefinition(name);
        EXPECT_GE(index, 0) << name;
        auto* kind = dynamic_cast<Kind*>(skin().ControlDefinitions.at(static_cast<std::size_t>(index)).get());
        EXPECT_NE(kind, nullptr) << name;
        return *kind;
    }
    const Raster& picture(int index) {
        const Raster* raster = skin().activePictureRaster(index);
        EXPECT_NE(raster, nullptr);
        static const Raster none;
        return raster ? *raster : none;
    }
};

// Pixels of `shot` inside `area` (all of `expected` when empty) that differ from `expected`, leaving out
// `skip`.
int differingPixels(TBitmap& shot, const Raster& expected, RECT skip = {}, RECT area = {}) {
    if (IsRectEmpty(&area)) area = {0, 0, expected.width(), expected.height()};
    int differing = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (PtInRect(&skip, POINT{x, y})) continue;
            const Bgr c = expected.pixel(x, y);
            if (pixelAt(shot, x, y) != RGB(c.r, c.g, c.b)) ++differing;
        }
    }
    return differing;
}

// The box around the pixels of exactly `colour`.
InkBox inkBoxOf(TBitmap& shot, COLORREF colour) {
    InkBox box;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            if (pixelAt(shot, x, y) != colour) continue;
            box.left = std::min(box.left, x);
            box.top = std::min(box.top, y);
            box.right = std::max(box.right, x);
            box.bottom = std::max(box.bottom, y);
        }
    }
    return box;
}

// The horizontal three-piece strip of `rect` with the fixed widths a definition gives.
Raster strip(const Raster& picture, const SkinRect& rect, int fixedLeft, int fixedRight, bool stretch,
             int width) {
    Raster out;
    ComposeHorizontalStrip(picture, pixelRect(rect), fixedLeft, fixedRight, fillMode(stretch), width, out);
    return out;
}

void paste(const Raster& piece, Raster& into, int x, int y) {
    copyPiece(piece, piece.bounds(), into, x, y);
}

// With UseSkinFont the frame is the definition's strip and the button the state's piece of it; without,
// the definition stretched around its client rectangle and the button composed from the skin's
// editbutton, or its resizebutton when it has none (as the window's skin).
TEST(SkinnedEdit, FrameEqualsTheStripOfItsDefinitionAndTheButtonOfItsState) {
    struct Case {
        const char* name;
        bool buttonMode;
        int width;
        bool hot;
        bool buttonHot;
        bool useSkinFont = true;
    };
    const Case cases[] = {
        {"edit", false, 80, false, false},           {"edit", false, 150, true, false},
        {"buttonedit", true, 140, false, false},     {"buttonedit", true, 140, true, false},
        {"buttonedit", true, 90, false, true},       {"buttonedit", true, 140, false, false, false},
        {"buttonedit", true, 110, true, true, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.name << " " << c.width << " skin font " << c.useSkinFont);
        SkinnedHost host;
        auto* edit = new TbsSkinEdit(host.form);
        edit->setParent(host.form);
        edit->setSkinDataName(c.name);
        edit->setButtonMode(c.buttonMode);
        edit->setUseSkinFont(c.useSkinFont);
        edit->setBounds(10, 10, c.width, 30);
        edit->setSkinData(&host.skin());
        ASSERT_TRUE(edit->hasSkinLook());
        const auto& d = host.definition<TbsDataSkinEditControl>(c.name);
        if (c.useSkinFont) EXPECT_EQ(edit->height(), d.skinrect.height());
        if (c.hot) edit->MouseEnter();
        if (c.buttonHot) SendMessageW(edit->handle(), WM_NCMOUSEMOVE, kHitEditButton, 0);

        TBitmap shot(c.width, edit->height());
        SendMessageW(edit->handle(), WM_PAINTFRAME_REQUEST, reinterpret_cast<WPARAM>(shot.canvasHandle()),
                     kPaintRequestTag);
        const Raster& picture = host.picture(d.pictureindex);
        const SkinRect& back = c.hot ? d.activeskinrect : d.skinrect;
        Raster expected = strip(picture, back, d.lefttoppoint.x, d.skinrect.width() - d.righttoppoint.x,
                                d.stretcheffect, c.width);
        const int dw = c.width - d.skinrect.width();
        const RECT client = edit->clientArea(), button = edit->buttonRect();
        if (!c.useSkinFont) {
            expected = Raster(c.width, edit->height());
            StretchSkinRect(picture, pixelRect(back), pixelRect(d.clientrect), true, expected);
            const Raster bare = expected;
            ASSERT_LT(host.skin().FindControlDefinition("editbutton"), 0);
            const auto& face = host.definition<TbsDataSkinButtonControl>("resizebutton");
            paste(composeButtonFace(host.picture(face.pictureindex), face, button.right - button.left,
                                    button.bottom - button.top, PartState{c.buttonHot, false, true}),
                  expected, button.left, button.top);
            EXPECT_GT(differingPixels(shot, bare, client, button), 0) << "the button is not the frame's own";
        } else if (c.buttonHot) {
            paste(cropRaster(picture, pixelRect(d.activebuttonrect)), expected, d.buttonrect.left + dw,
                  d.buttonrect.top);
        }
        EXPECT_EQ(differingPixels(shot, expected, client), 0);
        EXPECT_EQ(client.right, d.clientrect.right + dw);
        if (c.hot && c.useSkinFont) {
            // The definition's hot look differs from its normal one, and so does the frame.
            const Raster normal = strip(picture, d.skinrect, d.lefttoppoint.x,
                                        d.skinrect.width() - d.righttoppoint.x, d.stretcheffect, c.width);
            EXPECT_GT(differingPixels(shot, normal, client), 0);
        }
    }
}

TEST(SkinnedEdit, BackgroundIsThePartOfTheImageUnderTheClientArea) {
    SkinnedHost host;
    auto* edit = new TbsSkinEdit(host.form);
    edit->setParent(host.form);
    edit->setBounds(10, 10, 120, 20);
    edit->setSkinData(&host.skin());
    const auto& d = host.definition<TbsDataSkinEditControl>("edit");
    const RECT client = edit->clientArea();
    TBitmap shot(client.right - client.left, client.bottom - client.top);
    SendMessageW(edit->handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(shot.canvasHandle()), 0);
    const SkinRect& s = d.skinrect;
    const SkinRect under{s.left + d.clientrect.left, s.top + d.clientrect.top, s.left + d.clientrect.right,
                         s.top + d.clientrect.bottom};
    const Raster expected = strip(host.picture(d.pictureindex), under, d.lefttoppoint.x - d.clientrect.left,
                                  d.clientrect.right - d.righttoppoint.x, d.stretcheffect, shot.width());
    EXPECT_EQ(differingPixels(shot, expected), 0);
}

TEST(SkinnedEdit, HeightAndFontFollowUseSkinFont) {
    struct Case {
        bool skinned;
        bool useSkinFont;
        int requested;
        int frame;  // the height is the text height plus this; -1: the skin's own height
    };
    const Case cases[] = {
        {true, true, 40, -1}, {true, false, 40, 4}, {false, true, 40, -2}, {false, false, 40, 4}};
    for (const Case& c : cases) {
        SkinnedHost host;
        auto* edit = new TbsSkinEdit(host.form);
        edit->setParent(host.form);
        edit->setDefaultFont(FontDescription{"Tahoma", 18, 0, clBlack});
        edit->setUseSkinFont(c.useSkinFont);
        if (c.skinned) edit->setSkinData(&host.skin());
        edit->setBounds(10, 10, 120, c.requested);
        const auto& d = host.definition<TbsDataSkinEditControl>("edit");
        const int textHeight = lineHeight(edit->font().handle());
        if (c.frame == -1) {
            EXPECT_EQ(edit->height(), d.skinrect.height());
            EXPECT_EQ(edit->font().description().face, d.fontname);
            EXPECT_EQ(edit->font().description().height, d.fontheight);
        } else if (c.frame == -2) {
            EXPECT_EQ(edit->height(), c.requested);  // no skin, UseSkinFont: as requested
        } else {
            // With the skin the frame is skinrect height - clientrect height (20 - 16); plain, 2 + 2.
            EXPECT_EQ(edit->height(), textHeight + c.frame) << c.skinned;
            if (c.skinned) {
                EXPECT_EQ(edit->font().description().face, "Tahoma");
            }
        }
    }
}

TEST(SkinnedEdit, DisabledFieldWritesItsTextInTheSkinsDisabledColourByAlignment) {
    struct Case {
        TAlignment alignment;
        int expectedLeft;  // of the text's ink in the client area; -1: at the right end; -2: centred
    };
    const Case cases[] = {
        {TAlignment::taLeftJustify, 2}, {TAlignment::taRightJustify, -1}, {TAlignment::taCenter, -2}};
    for (const Case& c : cases) {
        SkinnedHost host;
        auto* edit = new TbsSkinEdit(host.form);
        edit->setParent(host.form);
        edit->setAlignment(c.alignment);
        edit->setBounds(10, 10, 160, 20);
        edit->setText("MMMM");
        edit->setSkinData(&host.skin());
        edit->setEnabled(false);
        UpdateWindow(edit->handle());
        const auto& d = host.definition<TbsDataSkinEditControl>("edit");
        RECT client{};
        GetClientRect(edit->handle(), &client);
        TBitmap shot(client.right, client.bottom);
        HDC dc = GetDC(edit->handle());
        BitBlt(shot.canvasHandle(), 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
        ReleaseDC(edit->handle(), dc);
        const TColor disabled = colorFromSkin(d.disabledfontcolor);
        const InkBox ink = inkBoxOf(shot, RGB(GetRValue(disabled), GetGValue(disabled), GetBValue(disabled)));
        ASSERT_FALSE(ink.empty()) << static_cast<int>(c.alignment);
        // Where the text starts by its advance width in the skin's font; the ink lies within the glyphs'
        // side bearings of it.
        TFont skinFont;
        skinFont.assign(FontDescription{d.fontname, d.fontheight, fontStyleFromSkin(d.fontstyle), disabled});
        const int width = textSize(skinFont.handle(), L"MMMM").cx;
        const int expected = c.expectedLeft >= 0    ? c.expectedLeft
                             : c.expectedLeft == -1 ? client.right - 1 - width
                                                    : client.right / 2 - width / 2;
        EXPECT_NEAR(ink.left, expected, 2) << static_cast<int>(c.alignment);
    }
}

TEST(SkinnedComboBox, PixelsEqualTheCompositionOfItsDefinitionNormalAndHot) {
    struct Case {
        TbsSkinCustomComboBoxStyle style;
        int width;
        bool hot;
    };
    const Case cases[] = {
        {bscbFixedStyle, 140, false}, {bscbFixedStyle, 200, true}, {bscbEditStyle, 140, false}};
    for (const Case& c : cases) {
        SkinnedHost host;
        auto* combo = new TbsSkinComboBox(host.form);
        combo->setParent(host.form);
        combo->setStyle(c.style);
        combo->setBounds(10, 10, c.width, 20);
        combo->setItems({"a", "b"});
        combo->setSkinData(&host.skin());
        ASSERT_TRUE(combo->hasSkinLook());
        if (c.hot) combo->MouseEnter();
        TBitmap shot(combo->width(), combo->height());
        combo->paintTo(shot.canvas());

        const auto& d = host.definition<TbsDataSkinComboBox>("combobox");
        const Raster& picture = host.picture(d.pictureindex);
        const SkinRect& back = c.hot ? d.activeskinrect : d.skinrect;
        Raster expected = strip(picture, back, d.lefttoppoint.x, back.width() - d.righttoppoint.x,
                                d.stretcheffect, c.width);
        const RECT area = combo->itemAreaRect();
        if (c.style == bscbFixedStyle) {
            paste(strip(picture, c.hot ? d.activeitemrect : d.itemrect, d.itemleftoffset, d.itemrightoffset,
                        d.itemstretcheffect, area.right - area.left),
                  expected, area.left, area.top);
        }
        ASSERT_EQ(combo->height(), d.skinrect.height());
        // The inner edit of the editable style paints itself over the item area.
        const RECT skip = c.style == bscbEditStyle ? area : RECT{};
        EXPECT_EQ(differingPixels(shot, expected, skip), 0) << c.width << " hot " << c.hot;
        EXPECT_EQ(combo->buttonRect().right, d.buttonrect.right + c.width - d.skinrect.width());
    }
}

TEST(SkinnedScrollBar, TrackButtonsAndThumbEqualTheComposition) {
    struct Case {
        TScrollBarKind kind;
        const char* name;
        int length;
        int pageSize;
    };
    const Case cases[] = {{TScrollBarKind::sbVertical, "vscrollbar", 160, 0},
                          {TScrollBarKind::sbVertical, "vscrollbar", 200, 20},
                          {TScrollBarKind::sbHorizontal, "hscrollbar", 250, 0},
                          {TScrollBarKind::sbHorizontal, "hscrollbar", 250, 30},
                          {TScrollBarKind::sbHorizontal, "bothhscrollbar", 200, 25}};
    for (const Case& c : cases) {
        SkinnedHost host;
        auto* bar = new TbsSkinScrollBar(host.form);
        bar->setParent(host.form);
        bar->setKind(c.kind);
        bar->setSkinDataName(c.name);
        const bool vertical = c.kind == TScrollBarKind::sbVertical;
        bar->setBounds(10, 10, vertical ? 19 : c.length, vertical ? c.length : 19);
        bar->setRange(0, 99, c.pageSize, 40);
        bar->setSkinData(&host.skin());
        ASSERT_TRUE(bar->hasSkinLook()) << c.name;
        const auto& d = host.definition<TbsDataSkinScrollBarControl>(c.name);
        // The bar takes the skin's breadth.
        EXPECT_EQ(vertical ? bar->width() : bar->height(),
                  vertical ? d.skinrect.width() : d.skinrect.height());
        TBitmap shot(bar->width(), bar->height());
        bar->paintTo(shot.canvas());

        const Raster& picture = host.picture(d.pictureindex);
        Raster expected;
        if (vertical) {
            ComposeVerticalStrip(picture, pixelRect(d.skinrect), d.lefttoppoint.y,
                                 d.skinrect.height() - d.leftbottompoint.y, FillMode::Tile, c.length,
                                 expected);
        } else {
            ComposeHorizontalStrip(picture, pixelRect(d.skinrect), d.lefttoppoint.x,
                                   d.skinrect.width() - d.righttoppoint.x, FillMode::Tile, c.length,
                                   expected);
        }
        const RECT t = bar->geometry().thumb;
        Raster thumb;
        if (c.pageSize == 0) {
            thumb = cropRaster(picture, pixelRect(d.thumbrect));
        } else if (vertical) {
            ComposeVerticalStrip(picture, pixelRect(d.thumbrect), d.thumboffset1, d.thumboffset2,
                                 FillMode::Tile, t.bottom - t.top, thumb);
        } else {
            ComposeHorizontalStrip(picture, pixelRect(d.thumbrect), d.thumboffset1, d.thumboffset2,
                                   FillMode::Tile, t.right - t.left, thumb);
        }
        paste(thumb, expected, t.left, t.top);
        paste(cropRaster(picture, pixelRect(d.glyphrect)), expected,
              t.left + (t.right - t.left - d.glyphrect.width()) / 2,
              t.top + (t.bottom - t.top - d.glyphrect.height()) / 2);
        EXPECT_EQ(differingPixels(shot, expected), 0) << c.name << " " << c.length << " page " << c.pageSize;
        EXPECT_EQ(vertical ? t.right - t.left : t.bottom - t.top,
                  vertical ? d.thumbrect.width() : d.thumbrect.height());
    }
}

TEST(SkinnedScrollBar, HotButtonAndHotThumbShowTheirPictures) {
    SkinnedHost host;
    auto* bar = new TbsSkinScrollBar(host.form);
    bar->setParent(host.form);
    bar->setBounds(10, 10, 250, 17);
    bar->setRange(0, 100, 0, 50);
    bar->setSkinData(&host.skin());
    const auto& d = host.definition<TbsDataSkinScrollBarControl>("hscrollbar");
    const Raster& picture = host.picture(d.pictureindex);
    struct Case {
        int part;
        SkinRect shown;
    };
    const Case cases[] = {{1, d.activedownbuttonrect}, {2, d.activeupbuttonrect}, {0, d.activethumbrect}};
    for (const Case& c : cases) {
        const ScrollBarGeometry g = bar->geometry();
        const RECT part = c.part == 0 ? g.thumb : (c.part == 1 ? g.increaseButton : g.decreaseButton);
        mouseMove(bar->handle(), (part.left + part.right) / 2, (part.top + part.bottom) / 2, false);
        ASSERT_TRUE(bar->partHot(c.part)) << c.part;
        TBitmap shot(bar->width(), bar->height());
        bar->paintTo(shot.canvas());
        Raster expected(bar->width(), bar->height());
        paste(cropRaster(picture, pixelRect(c.shown)), expected, part.left, part.top);
        // The glyph lies over the thumb's middle: compare the part's first columns only.
        const RECT compared{part.left, part.top, part.left + 3, part.bottom};
        EXPECT_EQ(differingPixels(shot, expected, RECT{}, compared), 0) << c.part;
    }
}

TEST(SkinnedPopupList, FrameItemsAndScrollBarComeFromTheListDefinition) {
    SkinnedHost host;
    auto* list = new TbsPopupListBox(host.form);
    list->setBounds(0, 0, 160, 120);
    list->setItems(std::vector<std::string>(30, ""));
    list->setSkinData(&host.skin());
    list->setRowCount(6);
    list->setItemIndex(1);
    ASSERT_TRUE(list->hasSkinLook());
    const auto& d = host.definition<TbsDataSkinListBox>("listbox");
    EXPECT_EQ(list->itemHeight(), d.itemrect.height());
    EXPECT_EQ(list->height(), d.skinrect.height() + 6 * d.itemrect.height() - d.clientrect.height());
    TbsSkinScrollBar* bar = list->verticalScrollBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->SkinDataName(), d.vscrollbarname);
    EXPECT_TRUE(bar->hasSkinLook());

    TBitmap shot(list->width(), list->height());
    list->paintTo(shot.canvas());
    const Raster& picture = host.picture(d.pictureindex);
    Raster expected =
        composeSplitImage(picture, skinRectGeometry(d), list->width(), list->height(), ClientFill::Tiled);
    const RECT area = list->listArea();
    for (int row = 0; row < list->visibleRows(); ++row) {
        paste(strip(picture, row == 1 ? d.activeitemrect : d.itemrect, d.itemleftoffset, d.itemrightoffset,
                    row == 1 && d.stretcheffect, area.right - area.left),
              expected, area.left, area.top + row * list->itemHeight());
    }
    EXPECT_EQ(differingPixels(shot, expected), 0);
    EXPECT_EQ(area.right, bar->left());
}

// A definition that is missing, of another kind, or whose picture index lies beyond the pictures: the
// control paints exactly as its twin without a skin.
TEST(SkinnedLooks, MissingDefinitionOrPictureFallsBackToThePlainLook) {
    struct Case {
        const char* definition;  // the name the control looks for
        int pictureIndex;        // set on that definition when >= 0 ... or unchanged with -2
    };
    const Case cases[] = {
        {"nosuchdefinition", -2}, {"Edit", -2}, {"panel", -2}, {nullptr, 99}, {nullptr, -1}};
    for (const Case& c : cases) {
        SkinnedHost host;
        auto* skinnedCombo = new TbsSkinComboBox(host.form);
        auto* plainCombo = new TbsSkinComboBox(host.form);
        auto* skinnedBar = new TbsSkinScrollBar(host.form);
        auto* plainBar = new TbsSkinScrollBar(host.form);
        auto* skinnedEdit = new TbsSkinEdit(host.form);
        auto* plainEdit = new TbsSkinEdit(host.form);
        if (c.definition) {
            skinnedCombo->setSkinDataName(c.definition);
            skinnedBar->setSkinDataName(c.definition);
            skinnedEdit->setSkinDataName(c.definition);
        } else {
            for (const char* name : {"combobox", "hscrollbar", "edit"}) {
                host.skin()
                    .ControlDefinitions.at(static_cast<std::size_t>(host.skin().FindControlDefinition(name)))
                    ->pictureindex = c.pictureIndex;
            }
        }
        int y = 10;
        for (TWinControl* control : std::vector<TWinControl*>{skinnedCombo, plainCombo, skinnedBar, plainBar,
                                                              skinnedEdit, plainEdit}) {
            control->setParent(host.form);
            control->setBounds(10, y, 150, 19);  // the bars' default height
            y += 30;
        }
        skinnedCombo->setSkinData(&host.skin());
        skinnedBar->setSkinData(&host.skin());
        skinnedEdit->setSkinData(&host.skin());
        EXPECT_FALSE(skinnedCombo->hasSkinLook());
        EXPECT_FALSE(skinnedBar->hasSkinLook());
        EXPECT_FALSE(skinnedEdit->hasSkinLook());

        TBitmap a(150, 19), b(150, 19);
        skinnedCombo->paintTo(a.canvas());
        plainCombo->paintTo(b.canvas());
        EXPECT_EQ(std::memcmp(a.bits(), b.bits(), static_cast<std::size_t>(a.stride() * a.height())), 0);
        skinnedBar->paintTo(a.canvas());
        plainBar->paintTo(b.canvas());
        EXPECT_EQ(std::memcmp(a.bits(), b.bits(), static_cast<std::size_t>(a.stride() * a.height())), 0);
        EXPECT_EQ(skinnedEdit->height(), plainEdit->height());
        a.setSize(150, skinnedEdit->height());
        b.setSize(150, plainEdit->height());
        std::memset(a.bits(), 0, static_cast<std::size_t>(a.stride() * a.height()));
        std::memset(b.bits(), 0, static_cast<std::size_t>(b.stride() * b.height()));
        SendMessageW(skinnedEdit->handle(), WM_PAINTFRAME_REQUEST, reinterpret_cast<WPARAM>(a.canvasHandle()),
                     kPaintRequestTag);
        SendMessageW(plainEdit->handle(), WM_PAINTFRAME_REQUEST, reinterpret_cast<WPARAM>(b.canvasHandle()),
                     kPaintRequestTag);
        EXPECT_EQ(std::memcmp(a.bits(), b.bits(), static_cast<std::size_t>(a.stride() * a.height())), 0);
    }
}

}  // namespace
}  // namespace vireltan
