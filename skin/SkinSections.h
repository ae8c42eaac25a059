// The window-level sections of a skin definition file: [VERSION], [FORMINFO], [POPUPWINDOW],
// [HINTWINDOW] and [SKINCOLORS]. Each reader reads every key of its section in the order of the
// format's tables; each writer writes them back in the same order.
#pragma once

#include <string>

#include "skin/IniFile.h"
#include "skin/SkinValues.h"

namespace vireltan {

// [VERSION]: shown by tools only; the `ver` key is not read.
struct SkinVersionInfo {
    std::string skinName;
    std::string skinAuthor;
    std::string authorEmail;
    std::string authorUrl;
    std::string skinComments;

    void LoadFromIni(const IniFile& ini);
    void SaveToIni(IniFile& ini) const;
};

// [FORMINFO]: the window frame, in main-picture coordinates.
struct SkinFormInfo {
    SkinPoint leftTopPoint;
    SkinPoint rightTopPoint;
    SkinPoint leftBottomPoint;
    SkinPoint rightBottomPoint;
    SkinRect clientRect;
    int bgPictureIndex = -1;
    int mdiBgPictureIndex = -1;
    bool leftStretch = false;
    bool rightStretch = false;
    bool topStretch = false;
    bool bottomStretch = false;
    bool stretchEffect = false;
    StretchType stretchType = StretchType::stFull;
    bool mdiBgStretchEffect = false;
    StretchType mdiBgStretchType = StretchType::stFull;
    SkinRect maskRectArea;
    SkinPoint hitTestLeftTopPoint;
    SkinPoint hitTestRightTopPoint;
    SkinPoint hitTestLeftBottomPoint;
    SkinPoint hitTestRightBottomPoint;
    SkinRect buttonsRect;
    SkinRect captionRect;
    int buttonsOffset = 0;
    bool buttonsInLeft = false;
    bool mainMenuPopupUp = false;
    int borderWidth = 0;
    int formMinWidth = 0;
    bool mdiTabsTransparent = false;
    bool mainMenuBarTransparent = false;
    bool autoRenderingInactiveImage = false;
    InactiveEffect inactiveEffect = InactiveEffect::ieBrightness;

    // Reads every key and applies the post-processing: with a mask picture named, the mask area
    // grows to hold the client rectangle and zero hit-test points take their corner point; then the
    // corner points are pulled onto the client rectangle when the frame has corners at all.
    void LoadFromIni(const IniFile& ini, bool maskPictureNamed);
    void SaveToIni(IniFile& ini) const;
};

// [POPUPWINDOW]: the frame of skinned pop-up menus and drop-down lists.
struct TbsDataSkinPopupWindow {
    int windowPictureIndex = -1;
    int maskPictureIndex = -1;
    SkinPoint leftTopPoint;
    SkinPoint rightTopPoint;
    SkinPoint leftBottomPoint;
    SkinPoint rightBottomPoint;
    SkinRect itemsRect;
    SkinColor scrollMarkerColor = 0;
    SkinColor scrollMarkerActiveColor = 0;
    bool leftStretch = false;
    bool rightStretch = false;
    bool topStretch = false;
    bool bottomStretch = false;
    bool stretchEffect = false;
    StretchType stretchType = StretchType::stFull;

    void LoadFromIni(const IniFile& ini);
    void SaveToIni(IniFile& ini) const;
};

// [HINTWINDOW]: the frame of skinned hint windows. The font height starts at 12; a loaded skin
// without the key gives 14.
struct TbsDataSkinHintWindow {
    int windowPictureIndex = -1;
    int maskPictureIndex = -1;
    SkinPoint leftTopPoint;
    SkinPoint rightTopPoint;
    SkinPoint leftBottomPoint;
    SkinPoint rightBottomPoint;
    SkinRect clientRect;
    std::string fontName = "Arial";
    int fontHeight = 12;
    FontStyles fontStyle;
    SkinColor fontColor = 0;
    bool leftStretch = false;
    bool rightStretch = false;
    bool topStretch = false;
    bool bottomStretch = false;
    bool stretchEffect = false;
    StretchType stretchType = StretchType::stFull;

    void LoadFromIni(const IniFile& ini);
    void SaveToIni(IniFile& ini) const;
};

// [SKINCOLORS]: colours for the parts of controls that have no picture. All 0 at construction; the
// system colours below after every clearing of the skin.
struct TbsSkinColors {
    SkinColor cBtnFace = 0;
    SkinColor cBtnText = 0;
    SkinColor cWindow = 0;
    SkinColor cWindowText = 0;
    SkinColor cHighlight = 0;
    SkinColor cHighlightText = 0;
    SkinColor cBtnHighlight = 0;
    SkinColor cBtnShadow = 0;

    void SetDefault();
    void LoadFromIni(const IniFile& ini);
    void SaveToIni(IniFile& ini) const;
    bool operator==(const TbsSkinColors&) const = default;
};

}  // namespace vireltan
