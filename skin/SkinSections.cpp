#include "skin/SkinSections.h"

#include <algorithm>

namespace vireltan {
namespace {

constexpr std::string_view kVersion = "VERSION";
constexpr std::string_view kFormInfo = "FORMINFO";
constexpr std::string_view kPopupWindow = "POPUPWINDOW";
constexpr std::string_view kHintWindow = "HINTWINDOW";
constexpr std::string_view kSkinColors = "SKINCOLORS";

// A zero coordinate means "not given": such a hit-test point takes the frame's corner point.
void fillHitTestPoint(SkinPoint& hitTest, const SkinPoint& corner) {
    if (hitTest.x == 0 || hitTest.y == 0) hitTest = corner;
}

}  // namespace

void SkinVersionInfo::LoadFromIni(const IniFile& ini) {
    skinName = ini.readString(kVersion, "skinname", "");
    skinAuthor = ini.readString(kVersion, "skinauthor", "");
    authorEmail = ini.readString(kVersion, "authoremail", "");
    authorUrl = ini.readString(kVersion, "authorurl", "");
    skinComments = ini.readString(kVersion, "skincomments", "");
}

void SkinVersionInfo::SaveToIni(IniFile& ini) const {
    ini.writeString(kVersion, "skinname", skinName);
    ini.writeString(kVersion, "skinauthor", skinAuthor);
    ini.writeString(kVersion, "authoremail", authorEmail);
    ini.writeString(kVersion, "authorurl", authorUrl);
    ini.writeString(kVersion, "skincomments", skinComments);
}

void SkinFormInfo::LoadFromIni(const IniFile& ini, bool maskPictureNamed) {
    const auto s = kFormInfo;
    leftTopPoint = readSkinPoint(ini, s, "lefttoppoint");
    rightTopPoint = readSkinPoint(ini, s, "righttoppoint");
    leftBottomPoint = readSkinPoint(ini, s, "leftbottompoint");
    rightBottomPoint = readSkinPoint(ini, s, "rightbottompoint");
    clientRect = readSkinRect(ini, s, "clientrect");
    bgPictureIndex = ini.readInteger(s, "bgpictureindex", -1);
    mdiBgPictureIndex = ini.readInteger(s, "mdibgpictureindex", -1);
    leftStretch = readBoolean(ini, s, "leftstretch");
    rightStretch = readBoolean(ini, s, "rightstretch");
    topStretch = readBoolean(ini, s, "topstretch");
    bottomStretch = readBoolean(ini, s, "bottomstretch");
    stretchEffect = readBoolean(ini, s, "stretcheffect");
    stretchType = readStretchType(ini, s, "stretchtype");
    mdiBgStretchEffect = readBoolean(ini, s, "mdibgstretcheffect");
    mdiBgStretchType = readStretchType(ini, s, "mdibgstretchtype");
    maskRectArea = readSkinRect(ini, s, "maskrectarea");
    hitTestLeftTopPoint = readSkinPoint(ini, s, "hittestlefttoppoint");
    hitTestRightTopPoint = readSkinPoint(ini, s, "hittestrighttoppoint");
    hitTestLeftBottomPoint = readSkinPoint(ini, s, "hittestleftbottompoint");
    hitTestRightBottomPoint = readSkinPoint(ini, s, "hittestrightbottompoint");
    if (maskPictureNamed) {
        if (maskRectArea.isEmpty()) {
            maskRectArea = clientRect;
        } else {
            maskRectArea.left = std::min(maskRectArea.left, clientRect.left);
            maskRectArea.top = std::min(maskRectArea.top, clientRect.top);
            maskRectArea.right = std::max(maskRectArea.right, clientRect.right);
            maskRectArea.bottom = std::max(maskRectArea.bottom, clientRect.bottom);
        }
        fillHitTestPoint(hitTestLeftTopPoint, leftTopPoint);
        fillHitTestPoint(hitTestRightTopPoint, rightTopPoint);
        fillHitTestPoint(hitTestLeftBottomPoint, leftBottomPoint);
        fillHitTestPoint(hitTestRightBottomPoint, rightBottomPoint);
    }
    buttonsRect = readSkinRect(ini, s, "buttonsrect");
    captionRect = readSkinRect(ini, s, "captionrect");
    buttonsOffset = ini.readInteger(s, "buttonsoffset", 0);
    buttonsInLeft = readBoolean(ini, s, "buttonsinleft");
    mainMenuPopupUp = readBoolean(ini, s, "mainmenupopupup");
    borderWidth = ini.readInteger(s, "borderwidth", 0);
    formMinWidth = ini.readInteger(s, "formminwidth", 0);
    mdiTabsTransparent = readBoolean(ini, s, "mditabstransparent");
    mainMenuBarTransparent = readBoolean(ini, s, "mainmenubartransparent");
    autoRenderingInactiveImage = readBoolean(ini, s, "autorenderinginactiveimage");
    inactiveEffect = readInactiveEffect(ini, s, "inactiveeffect");

    // A frame whose corners coincide has no corner pieces to keep off the client area.
    if (rightBottomPoint.x != leftTopPoint.x && rightBottomPoint.y != leftTopPoint.y) {
        leftTopPoint.x = std::max(leftTopPoint.x, clientRect.left);
        leftTopPoint.y = std::max(leftTopPoint.y, clientRect.top);
        rightTopPoint.x = std::min(rightTopPoint.x, clientRect.right);
        rightTopPoint.y = std::max(rightTopPoint.y, clientRect.top);
        leftBottomPoint.x = std::max(leftBottomPoint.x, clientRect.left);
        leftBottomPoint.y = std::min(leftBottomPoint.y, clientRect.bottom);
        rightBottomPoint.x = std::min(rightBottomPoint.x, clientRect.right);
        rightBottomPoint.y = std::min(rightBottomPoint.y, clientRect.bottom);
    }
}

void SkinFormInfo::SaveToIni(IniFile& ini) const {
    const auto s = kFormInfo;
    writeSkinPoint(ini, s, "lefttoppoint", leftTopPoint);
    writeSkinPoint(ini, s, "righttoppoint", rightTopPoint);
    writeSkinPoint(ini, s, "leftbottompoint", leftBottomPoint);
    writeSkinPoint(ini, s, "rightbottompoint", rightBottomPoint);
    writeSkinRect(ini, s, "clientrect", clientRect);
    ini.writeInteger(s, "bgpictureindex", bgPictureIndex);
    ini.writeInteger(s, "mdibgpictureindex", mdiBgPictureIndex);
    writeBoolean(ini, s, "leftstretch", leftStretch);
    writeBoolean(ini, s, "rightstretch", rightStretch);
    writeBoolean(ini, s, "topstretch", topStretch);
    writeBoolean(ini, s, "bottomstretch", bottomStretch);
    writeBoolean(ini, s, "stretcheffect", stretchEffect);
    writeStretchType(ini, s, "stretchtype", stretchType);
    writeBoolean(ini, s, "mdibgstretcheffect", mdiBgStretchEffect);
    writeStretchType(ini, s, "mdibgstretchtype", mdiBgStretchType);
    writeSkinRect(ini, s, "maskrectarea", maskRectArea);
    writeSkinPoint(ini, s, "hittestlefttoppoint", hitTestLeftTopPoint);
    writeSkinPoint(ini, s, "hittestrighttoppoint", hitTestRightTopPoint);
    writeSkinPoint(ini, s, "hittestleftbottompoint", hitTestLeftBottomPoint);
    writeSkinPoint(ini, s, "hittestrightbottompoint", hitTestRightBottomPoint);
    writeSkinRect(ini, s, "buttonsrect", buttonsRect);
    writeSkinRect(ini, s, "captionrect", captionRect);
    ini.writeInteger(s, "buttonsoffset", buttonsOffset);
    writeBoolean(ini, s, "buttonsinleft", buttonsInLeft);
    writeBoolean(ini, s, "mainmenupopupup", mainMenuPopupUp);
    ini.writeInteger(s, "borderwidth", borderWidth);
    ini.writeInteger(s, "formminwidth", formMinWidth);
    writeBoolean(ini, s, "mditabstransparent", mdiTabsTransparent);
    writeBoolean(ini, s, "mainmenubartransparent", mainMenuBarTransparent);
    writeBoolean(ini, s, "autorenderinginactiveimage", autoRenderingInactiveImage);
    writeInactiveEffect(ini, s, "inactiveeffect", inactiveEffect);
}

void TbsDataSkinPopupWindow::LoadFromIni(const IniFile& ini) {
    const auto s = kPopupWindow;
    windowPictureIndex = ini.readInteger(s, "windowpictureindex", -1);
    maskPictureIndex = ini.readInteger(s, "maskpictureindex", -1);
    leftTopPoint = readSkinPoint(ini, s, "lefttoppoint");
    rightTopPoint = readSkinPoint(ini, s, "righttoppoint");
    leftBottomPoint = readSkinPoint(ini, s, "leftbottompoint");
    rightBottomPoint = readSkinPoint(ini, s, "rightbottompoint");
    itemsRect = readSkinRect(ini, s, "itemsrect");
    scrollMarkerColor = readColor(ini, s, "scrollmarkercolor", 0);
    scrollMarkerActiveColor = readColor(ini, s, "scrollmarkeractivecolor", 0);
    leftStretch = readBoolean(ini, s, "leftstretch");
    rightStretch = readBoolean(ini, s, "rightstretch");
    topStretch = readBoolean(ini, s, "topstretch");
    bottomStretch = readBoolean(ini, s, "bottomstretch");
    stretchEffect = readBoolean(ini, s, "stretcheffect");
    stretchType = readStretchType(ini, s, "stretchtype");
}

void TbsDataSkinPopupWindow::SaveToIni(IniFile& ini) const {
    const auto s = kPopupWindow;
    ini.writeInteger(s, "windowpictureindex", windowPictureIndex);
    ini.writeInteger(s, "maskpictureindex", maskPictureIndex);
    writeSkinPoint(ini, s, "lefttoppoint", leftTopPoint);
    writeSkinPoint(ini, s, "righttoppoint", rightTopPoint);
    writeSkinPoint(ini, s, "leftbottompoint", leftBottomPoint);
    writeSkinPoint(ini, s, "rightbottompoint", rightBottomPoint);
    writeSkinRect(ini, s, "itemsrect", itemsRect);
    writeColor(ini, s, "scrollmarkercolor", scrollMarkerColor);
    writeColor(ini, s, "scrollmarkeractivecolor", scrollMarkerActiveColor);
    writeBoolean(ini, s, "leftstretch", leftStretch);
    writeBoolean(ini, s, "rightstretch", rightStretch);
    writeBoolean(ini, s, "topstretch", topStretch);
    writeBoolean(ini, s, "bottomstretch", bottomStretch);
    writeBoolean(ini, s, "stretcheffect", stretchEffect);
    writeStretchType(ini, s, "stretchtype", stretchType);
}

void TbsDataSkinHintWindow::LoadFromIni(const IniFile& ini) {
    const auto s = kHintWindow;
    windowPictureIndex = ini.readInteger(s, "windowpictureindex", -1);
    maskPictureIndex = ini.readInteger(s, "maskpictureindex", -1);
    leftTopPoint = readSkinPoint(ini, s, "lefttoppoint");
    rightTopPoint = readSkinPoint(ini, s, "righttoppoint");
    leftBottomPoint = readSkinPoint(ini, s, "leftbottompoint");
    rightBottomPoint = readSkinPoint(ini, s, "rightbottompoint");
    clientRect = readSkinRect(ini, s, "clientrect");
    fontName = ini.readString(s, "fontname", "Arial");
    fontHeight = ini.readInteger(s, "fontheight", 14);
    fontStyle = readFontStyle(ini, s, "fontstyle");
    fontColor = readColor(ini, s, "fontcolor", 0);
    leftStretch = readBoolean(ini, s, "leftstretch");
    rightStretch = readBoolean(ini, s, "rightstretch");
    topStretch = readBoolean(ini, s, "topstretch");
    bottomStretch = readBoolean(ini, s, "bottomstretch");
    stretchEffect = readBoolean(ini, s, "stretcheffect");
    stretchType = readStretchType(ini, s, "stretchtype");
}

void TbsDataSkinHintWindow::SaveToIni(IniFile& ini) const {
    const auto s = kHintWindow;
    ini.writeInteger(s, "windowpictureindex", windowPictureIndex);
    ini.writeInteger(s, "maskpictureindex", maskPictureIndex);
    writeSkinPoint(ini, s, "lefttoppoint", leftTopPoint);
    writeSkinPoint(ini, s, "righttoppoint", rightTopPoint);
    writeSkinPoint(ini, s, "leftbottompoint", leftBottomPoint);
    writeSkinPoint(ini, s, "rightbottompoint", rightBottomPoint);
    writeSkinRect(ini, s, "clientrect", clientRect);
    ini.writeString(s, "fontname", fontName);
    ini.writeInteger(s, "fontheight", fontHeight);
    writeFontStyle(ini, s, "fontstyle", fontStyle);
    writeColor(ini, s, "fontcolor", fontColor);
    writeBoolean(ini, s, "leftstretch", leftStretch);
    writeBoolean(ini, s, "rightstretch", rightStretch);
    writeBoolean(ini, s, "topstretch", topStretch);
    writeBoolean(ini, s, "bottomstretch", bottomStretch);
    writeBoolean(ini, s, "stretcheffect", stretchEffect);
    writeStretchType(ini, s, "stretchtype", stretchType);
}

void TbsSkinColors::SetDefault() {
    cBtnFace = systemColor(kColorBtnFace);
    cBtnText = systemColor(kColorBtnText);
    cWindow = systemColor(kColorWindow);
    cWindowText = systemColor(kColorWindowText);
    cHighlight = systemColor(kColorHighlight);
    cHighlightText = systemColor(kColorHighlightText);
    cBtnHighlight = systemColor(kColorBtnHighlight);
    cBtnShadow = systemColor(kColorBtnShadow);
}

void TbsSkinColors::LoadFromIni(const IniFile& ini) {
    const auto s = kSkinColors;
    cBtnFace = readColor(ini, s, "cbtnface", systemColor(kColorBtnFace));
    cBtnText = readColor(ini, s, "cbtntext", systemColor(kColorBtnText));
    cWindow = readColor(ini, s, "cwindow", systemColor(kColorWindow));
    cWindowText = readColor(ini, s, "cwindowtext", systemColor(kColorWindowText));
    cHighlight = readColor(ini, s, "chighlight", systemColor(kColorHighlight));
    cHighlightText = readColor(ini, s, "chighlighttext", systemColor(kColorHighlightText));
    cBtnHighlight = readColor(ini, s, "cbtnhighlight", systemColor(kColorBtnHighlight));
    cBtnShadow = readColor(ini, s, "cbtnshadow", systemColor(kColorBtnShadow));
}

void TbsSkinColors::SaveToIni(IniFile& ini) const {
    const auto s = kSkinColors;
    writeColor(ini, s, "cbtnface", cBtnFace);
    writeColor(ini, s, "cbtntext", cBtnText);
    writeColor(ini, s, "cwindow", cWindow);
    writeColor(ini, s, "cwindowtext", cWindowText);
    writeColor(ini, s, "chighlight", cHighlight);
    writeColor(ini, s, "chighlighttext", cHighlightText);
    writeColor(ini, s, "cbtnhighlight", cBtnHighlight);
    writeColor(ini, s, "cbtnshadow", cBtnShadow);
}

}  // namespace vireltan
