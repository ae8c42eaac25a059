// The label's plain look: which font it draws and measures with, auto-size, one line's height for an
// empty caption, ellipsis, the disabled emboss, transparency, alignment and multi-line captions.
#include "controls/StdLabel.h"
#include "gui/Utf.h"

#include "../skin/SkinTestSupport.h"
#include "ControlTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <vector>

namespace vireltan {
namespace {

using namespace vireltan::testing;

const FontDescription kFontL{"MS Sans Serif", -11, fsBold, clWindowText};
const FontDescription kFontR{"MS Sans Serif", -11, fsBold, clRed};
const FontDescription kFontS{"MS Sans Serif", -15, fsBold, clWindowText};
constexpr TColor kBlue = 0xFF0000;

struct LabelFixture : ::testing::Test {
    HostForm host;
    TbsSkinStdLabel* label = nullptr;
    TBitmap shot;
    void SetUp() override {
        label = new TbsSkinStdLabel(host.form);
        label->setParent(host.form);
        label->setBounds(10, 10, 5, 13);
    }
    void render() { renderClient(*host.form, shot); }
    RECT labelRect() const { return label->boundsRect(); }
};

using StdLabel = LabelFixture;

TEST_F(StdLabel, DrawsAndMeasuresInDefaultFontOrFontByUseSkinFont) {
    struct Case {
        bool useSkinFont;
        COLORREF inkColour;
        COLORREF absentColour;
        FontDescription measuredWith;
    };
    const Case cases[] = {
        {true, RGB(255, 0, 0), RGB(0, 0, 255), kFontR},
        {false, RGB(0, 0, 255), RGB(255, 0, 0), FontDescription{"Arial", 14, 0, kBlue}},
    };
    for (const Case& c : cases) {
        label->font().assign(FontDescription{"Arial", 14, 0, kBlue});
        label->setDefaultFont(kFontR);
        label->setUseSkinFont(c.useSkinFont);
        label->setCaption("GigaOhm :");
        TFont expectedFont(c.measuredWith);
        const SIZE expected = textSize(expectedFont.handle(), L"GigaOhm :");
        EXPECT_EQ(label->width(), expected.cx) << "useSkinFont " << c.useSkinFont;
        EXPECT_EQ(label->height(), expected.cy) << "useSkinFont " << c.useSkinFont;
        render();
        EXPECT_GT(countColour(shot, labelRect(), c.inkColour), 10) << "useSkinFont " << c.useSkinFont;
        EXPECT_EQ(countColour(shot, labelRect(), c.absentColour), 0) << "useSkinFont " << c.useSkinFont;
    }
}

TEST_F(StdLabel, AutoSizeKeepsOneLineForEmptyAndAmpersandCaptions) {
    struct Case {
        std::string caption;
        bool showAccelChar;
        int lines;
        bool emptyWidthIsSpace;
    };
    const Case cases[] = {
        {"", true, 1, true},
        {"&", true, 1, true},
        {"", false, 1, true},
        {"Kw", true, 1, false},
        {"K : Monofaze için 0,074\r     Trifaze için 0,0124", true, 2, false},
    };
    label->setDefaultFont(kFontL);
    TFont font(kFontL);
    const int line = lineHeight(font.handle());
    for (const Case& c : cases) {
        label->setShowAccelChar(c.showAccelChar);
        label->setCaption("x");
        label->setCaption(c.caption);
        EXPECT_EQ(label->height(), c.lines * line) << c.caption;
        if (c.emptyWidthIsSpace) {
            EXPECT_EQ(label->width(), textSize(font.handle(), L" ").cx) << c.caption;
        }
        EXPECT_GT(label->width(), 0) << c.caption;
    }
}

TEST_F(StdLabel, MultiLineCaptionShowsBothLines) {
    label->setDefaultFont(kFontL);
    label->setCaption("K : Monofaze için 0,074\r     Trifaze için 0,0124");
    TFont font(kFontL);
    const int line = lineHeight(font.handle());
    render();
    saveShot(shot, "label-multiline");
    const RECT r = labelRect();
    const COLORREF face = sys(COLOR_BTNFACE);
    const InkBox first = inkBox(shot, RECT{r.left, r.top, r.right, r.top + line}, face);
    const InkBox second = inkBox(shot, RECT{r.left, r.top + line, r.right, r.top + 2 * line}, face);
    ASSERT_FALSE(first.empty());
    ASSERT_FALSE(second.empty());
    // The second line starts with five blanks.
    EXPECT_GT(second.left, first.left + 5);
}

TEST_F(StdLabel, FixedSizeWhenNotAutoSized) {
    label->setAutoSize(false);
    label->setBounds(3, 185, 203, 13);
    for (const char* caption :
         {"", "x", "A credit line much longer than the two hundred pixels of the label"}) {
        label->setCaption(caption);
        EXPECT_EQ(label->width(), 203) << caption;
        EXPECT_EQ(label->height(), 13) << caption;
    }
}

TEST_F(StdLabel, RightAlignedAutoSizeKeepsTheRightEdge) {
    label->setDefaultFont(kFontL);
    label->setAlignment(TAlignment::taRightJustify);
    label->setCaption("m");
    const int right = label->left() + label->width();
    label->setCaption("mm² long");
    EXPECT_EQ(label->left() + label->width(), right);
}

TEST_F(StdLabel, EndEllipsisWhenTheCaptionDoesNotFit) {
    struct Case {
        TbsEllipsType type;
        bool fullHeightInkAtTheEnd;
    };
    const Case cases[] = {{TbsEllipsType::bsetNone, true}, {TbsEllipsType::bsetEndEllips, false}};
    label->setDefaultFont(kFontL);
    label->setAutoSize(false);
    label->setBounds(10, 10, 60, 13);
    label->setCaption("MMMMMMMMMMMMMMMMMMMM");
    TFont font(kFontL);
    const int line = lineHeight(font.handle());
    for (const Case& c : cases) {
        label->setEllipsType(c.type);
        render();
        saveShot(shot, "label-ellipsis-" + std::to_string(static_cast<int>(c.type)));
        const RECT r = labelRect();
        // The last few columns: a letter reaches up to the cap height there, the dots do not.
        const RECT endUpper{r.right - 6, r.top, r.right, r.top + line / 2};
        const InkBox ink = inkBox(shot, endUpper, sys(COLOR_BTNFACE));
        EXPECT_EQ(!ink.empty(), c.fullHeightInkAtTheEnd) << static_cast<int>(c.type);
        EXPECT_FALSE(inkBox(shot, r, sys(COLOR_BTNFACE)).empty());
    }
}

// Each ellipsis type draws what the system's text drawing makes of that type's flag: the label's
// pixels equal a reference drawn with the flag, and the three types differ from one another.
TEST_F(StdLabel, EllipsisTypesDrawThePlatformsEllipsis) {
    struct Case {
        TbsEllipsType type;
        UINT flag;
    };
    const Case cases[] = {
        {TbsEllipsType::bsetNone, 0},
        {TbsEllipsType::bsetEndEllips, DT_END_ELLIPSIS},
        {TbsEllipsType::bsetPathEllips, DT_PATH_ELLIPSIS},
    };
    const std::wstring caption = L"C:\\Malzeme\\Direnç\\Bakir\\sonuc.txt";
    label->setDefaultFont(kFontL);
    label->setAutoSize(false);
    label->setBounds(10, 10, 90, 13);
    label->setCaption(toUtf8(caption));
    TFont font(kFontL);
    std::vector<std::vector<COLORREF>> drawn;
    for (const Case& c : cases) {
        label->setEllipsType(c.type);
        render();
        saveShot(shot, "label-ellipsis-type-" + std::to_string(static_cast<int>(c.type)));
        TBitmap reference;
        reference.setSize(90, 13);
        HDC dc = reference.canvasHandle();
        HBRUSH face = CreateSolidBrush(sys(COLOR_BTNFACE));
        RECT all{0, 0, 90, 13};
        FillRect(dc, &all, face);
        DeleteObject(face);
        HGDIOBJ old = SelectObject(dc, font.handle());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, sys(COLOR_WINDOWTEXT));
        std::wstring text = caption;
        DrawTextW(dc, text.data(), static_cast<int>(text.size()), &all, DT_EXPANDTABS | DT_LEFT | c.flag);
        SelectObject(dc, old);
        std::vector<COLORREF> pixels;
        int differing = 0;
        for (int y = 0; y < 13; ++y) {
            for (int x = 0; x < 90; ++x) {
                pixels.push_back(pixelAt(shot, 10 + x, 10 + y));
                differing += pixels.back() != pixelAt(reference, x, y) ? 1 : 0;
            }
        }
        EXPECT_EQ(differing, 0) << static_cast<int>(c.type);
        drawn.push_back(pixels);
    }
    EXPECT_NE(drawn[0], drawn[1]);
    EXPECT_NE(drawn[0], drawn[2]);
    EXPECT_NE(drawn[1], drawn[2]);
}

// A new ellipsis type repaints the label; setting the same type again asks for nothing.
TEST_F(StdLabel, EllipsisTypeChangeRepaints) {
    struct Case {
        TbsEllipsType type;
        bool repaints;
    };
    const Case cases[] = {
        {TbsEllipsType::bsetEndEllips, true},
        {TbsEllipsType::bsetEndEllips, false},
        {TbsEllipsType::bsetPathEllips, true},
        {TbsEllipsType::bsetNone, true},
    };
    label->setDefaultFont(kFontL);
    label->setCaption("Ohm :");
    for (const Case& c : cases) {
        UpdateWindow(host.form->handle());
        label->setEllipsType(c.type);
        RECT pending{};
        const bool asked = GetUpdateRect(host.form->handle(), &pending, FALSE) != 0;
        EXPECT_EQ(asked, c.repaints) << static_cast<int>(c.type);
        if (asked) {
            RECT covered{};
            const RECT r = labelRect();
            IntersectRect(&covered, &pending, &r);
            EXPECT_TRUE(EqualRect(&covered, &r)) << static_cast<int>(c.type);
        }
    }
}

// The box of the pixels of `area` for which `pick` holds.
template <typename Pick>
InkBox boxWhere(TBitmap& bitmap, const RECT& area, Pick pick) {
    InkBox box;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (!pick(pixelAt(bitmap, x, y))) continue;
            box.left = std::min(box.left, x);
            box.right = std::max(box.right, x);
            box.top = std::min(box.top, y);
            box.bottom = std::max(box.bottom, y);
        }
    }
    return box;
}

TEST_F(StdLabel, DisabledCaptionIsEmbossed) {
    label->setDefaultFont(kFontL);
    label->setCaption("Ohm :");
    const RECT r = labelRect();
    const RECT wide{r.left - 1, r.top - 1, r.right + 3, r.bottom + 3};
    const COLORREF face = sys(COLOR_BTNFACE);
    render();
    const InkBox enabledInk = inkBox(shot, wide, face);
    label->setEnabled(false);
    render();
    saveShot(shot, "label-disabled");
    // Text may be smoothed: compare where clearly darker (the shadow copy) and clearly lighter (the
    // highlight copy) pixels lie, not single pixels.
    const auto channels = [](COLORREF c) {
        return std::array<int, 3>{GetRValue(c), GetGValue(c), GetBValue(c)};
    };
    const auto faceChannels = channels(face);
    const InkBox dark = boxWhere(shot, wide, [&](COLORREF c) {
        const auto v = channels(c);
        return v[0] < faceChannels[0] - 40 || v[1] < faceChannels[1] - 40 || v[2] < faceChannels[2] - 40;
    });
    const InkBox light = boxWhere(shot, wide, [&](COLORREF c) {
        const auto v = channels(c);
        return v[0] > faceChannels[0] && v[1] > faceChannels[1] && v[2] > faceChannels[2];
    });
    ASSERT_FALSE(enabledInk.empty());
    ASSERT_FALSE(dark.empty());
    ASSERT_FALSE(light.empty());
    // The shadow copy where the text was; the highlight copy one pixel right and down.
    EXPECT_NEAR(dark.left, enabledInk.left, 1);
    EXPECT_NEAR(dark.right, enabledInk.right, 1);
    // Smoothed edges of the shadow copy may fall under the darkness threshold: allow a pixel.
    EXPECT_GT(light.right, dark.right);
    EXPECT_LE(light.right, dark.right + 2);
    EXPECT_GT(light.bottom, dark.bottom);
    EXPECT_LE(light.bottom, dark.bottom + 2);
    EXPECT_GE(light.top, dark.top + 1);
    EXPECT_EQ(countColour(shot, wide, GetSysColor(COLOR_WINDOWTEXT)), 0);
    EXPECT_GT(countColour(shot, wide, sys(COLOR_BTNSHADOW)), 10);
}

TEST_F(StdLabel, TransparentLeavesTheParentVisible) {
    struct Case {
        bool transparent;
        COLORREF background;
    };
    host.form->setColor(RGB(0, 128, 0));
    label->setColor(RGB(255, 255, 0));
    label->setDefaultFont(kFontL);
    label->setCaption("m");
    const Case cases[] = {{true, RGB(0, 128, 0)}, {false, RGB(255, 255, 0)}};
    for (const Case& c : cases) {
        label->setTransparent(c.transparent);
        render();
        const RECT r = labelRect();
        EXPECT_EQ(pixelAt(shot, r.left, r.top), c.background) << c.transparent;
        EXPECT_EQ(pixelAt(shot, r.right - 1, r.bottom - 1), c.background) << c.transparent;
    }
}

TEST_F(StdLabel, AlignmentPlacesTheText) {
    struct Case {
        TAlignment alignment;
        TTextLayout layout;
        const char* name;
    };
    const Case cases[] = {
        {TAlignment::taLeftJustify, TTextLayout::tlTop, "left-top"},
        {TAlignment::taCenter, TTextLayout::tlCenter, "centre-centre"},
        {TAlignment::taRightJustify, TTextLayout::tlBottom, "right-bottom"},
    };
    label->setAutoSize(false);
    label->setBounds(20, 20, 111, 66);
    label->setDefaultFont(kFontS);
    label->setCaption("2,58");
    TFont font(kFontS);
    const SIZE text = textSize(font.handle(), L"2,58");
    for (const Case& c : cases) {
        label->setAlignment(c.alignment);
        label->setLayout(c.layout);
        render();
        saveShot(shot, std::string("label-") + c.name);
        const RECT r = labelRect();
        const InkBox ink = inkBox(shot, r, sys(COLOR_BTNFACE));
        ASSERT_FALSE(ink.empty()) << c.name;
        // Where the text cell lies, by the rule; the ink lies inside that cell.
        int cellLeft = r.left, cellTop = r.top;
        if (c.alignment == TAlignment::taCenter) cellLeft = r.left + (111 - text.cx) / 2;
        if (c.alignment == TAlignment::taRightJustify) cellLeft = r.right - text.cx;
        if (c.layout == TTextLayout::tlCenter) cellTop = r.top + (66 - text.cy) / 2;
        if (c.layout == TTextLayout::tlBottom) cellTop = r.bottom - text.cy;
        EXPECT_GE(ink.left, cellLeft) << c.name;
        EXPECT_LE(ink.right, cellLeft + text.cx) << c.name;
        EXPECT_GE(ink.top, cellTop) << c.name;
        EXPECT_LE(ink.bottom, cellTop + text.cy) << c.name;
        EXPECT_LE(ink.left - cellLeft, 3) << c.name;
    }
}

TEST_F(StdLabel, LoadingDefersSizingToTheEnd) {
    label->beginLoading();
    label->setCaption("İletkenin Çeşidi :");
    EXPECT_EQ(label->width(), 5);  // the design size until loading ends
    label->setDefaultFont(kFontL);
    label->endLoading();
    TFont font(kFontL);
    EXPECT_EQ(label->width(), textSize(font.handle(), L"\u0130letkenin \u00c7e\u015fidi :").cx);
}

TEST_F(StdLabel, SkinDefinitionGivesFontAndColour) {
    struct Case {
        bool useSkinFont;
        bool useSkinColor;
        int expectedHeightOf;  // 20: the skin's Arial 20; 0: the label's Font
        COLORREF ink;
    };
    const Case cases[] = {
        {true, true, 20, RGB(0, 0, 255)},
        {true, false, 20, RGB(0, 128, 0)},
        {false, true, 0, RGB(0, 0, 255)},
        {false, false, 0, RGB(0, 128, 0)},
    };
    TbsSkinData skin;
    SkinContainer container;
    container.text = minimalSkinText();
    container.text.replace(container.text.find("[SKINCONTROLS]\r\ncount=0"), 23,
                           "[SKINCONTROLS]\r\ncount=1\r\n0=stdlabel:stdlabel");
    container.text += "[stdlabel]\r\nfontname=Arial\r\nfontheight=20\r\nfontcolor=16711680\r\n";
    skin.LoadStoredSkin(storedSkinOf(writeSkinContainer(container)));
    ASSERT_FALSE(skin.SkinEmpty());
    const FontDescription own{"Arial", 12, 0, RGB(0, 128, 0)};
    label->font().assign(own);
    label->setDefaultFont(kFontR);
    label->setSkinData(&skin);
    EXPECT_NE(label->definitionIndex(), -1);
    for (const Case& c : cases) {
        label->setUseSkinFont(c.useSkinFont);
        label->setUseSkinColor(c.useSkinColor);
        label->setCaption("Hm");
        TFont expected(c.expectedHeightOf ? FontDescription{"Arial", 20, 0, clBlack} : own);
        EXPECT_EQ(label->height(), lineHeight(expected.handle())) << c.useSkinFont << c.useSkinColor;
        render();
        EXPECT_GT(countColour(shot, labelRect(), c.ink), 5) << c.useSkinFont << c.useSkinColor;
    }
    // A name of another letter case finds nothing: DefaultFont again.
    label->setSkinDataName("StdLabel");
    label->ApplySkin();
    EXPECT_EQ(label->definitionIndex(), -1);
    label->setUseSkinFont(true);
    render();
    EXPECT_GT(countColour(shot, labelRect(), RGB(255, 0, 0)), 5);
}

}  // namespace
}  // namespace vireltan
