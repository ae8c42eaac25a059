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
    skinname = ini.readString(kVersion, "skinname", "");
    skinauthor = ini.readString(kVersion, "skinauthor", "");
    authoremail = ini.readString(kVersion, "authoremail", "");
    authorurl = ini.readString(kVersion, "authorurl", "");
    skincomments = ini.readString(kVersion, "skincomments", "");
}

void SkinVersionInfo::SaveToIni(IniFile& ini) const {
    ini.writeString(kVersion, "skinname", skinname);
    ini.writeString(kVersion, "skinauthor", skinauthor);
    ini.writeString(kVersion, "authoremail", authoremail);
    ini.writeString(kVersion, "authorurl", authorurl);
    ini.writeString(kVersion, "skincomments", skincomments);
}

void SkinFormInfo::LoadFromIni(const IniFile& ini, bool maskPictureNamed) {
    const auto s = kFormInfo;
    lefttoppoint = readSkinPoint(ini, s, "lefttoppoint");
    righttoppoint = readSkinPoint(ini, s, "righttoppoint");
    leftbottompoint = readSkinPoint(ini, s, "leftbottompoint");
    rightbottompoint = readSkinPoint(ini, s, "rightbottompoint");
    clientrect = readSkinRect(ini, s, "clientrect");
    bgpictureindex = ini.readInteger(s, "bgpictureindex", -1);
    mdibgpictureindex = ini.readInteger(s, "mdibgpictureindex", -1);
    leftstretch = readBoolean(ini, s, "leftstretch");
    rightstretch = readBoolean(ini, s, "rightstretch");
    topstretch = readBoolean(ini, s, "topstretch");
    bottomstretch = readBoolean(ini, s, "bottomstretch");
    stretcheffect = readBoolean(ini, s, "stretcheffect");
    stretchtype = readStretchType(ini, s, "stretchtype");
    mdibgstretcheffect = readBoolean(ini, s, "mdibgstretcheffect");
    mdibgstretchtype = readStretchType(ini, s, "mdibgstretchtype");
    maskrectarea = readSkinRect(ini, s, "maskrectarea");
    hittestlefttoppoint = readSkinPoint(ini, s, "hittestlefttoppoint");
    hittestrighttoppoint = readSkinPoint(ini, s, "hittestrighttoppoint");
    hittestleftbottompoint = readSkinPoint(ini, s, "hittestleftbottompoint");
    hittestrightbottompoint = readSkinPoint(ini, s, "hittestrightbottompoint");
    if (maskPictureNamed) {
        if (maskrectarea.isEmpty()) {
            maskrectarea = clientrect;
        } else {
            maskrectarea.left = std::min(maskrectarea.left, clientrect.left);
            maskrectarea.top = std::min(maskrectarea.top, clientrect.top);
            maskrectarea.right = std::max(maskrectarea.right, clientrect.right);
            maskrectarea.bottom = std::max(maskrectarea.bottom, clientrect.bottom);
        }
        fillHitTestPoint(hittestlefttoppoint, lefttoppoint);
        fillHitTestPoint(hittestrighttoppoint, righttoppoint);
        fillHitTestPoint(hittestleftbottompoint, leftbottompoint);
        fillHitTestPoint(hittestrightbottompoint, rightbottompoint);
    }
    buttonsrect = readSkinRect(ini, s, "buttonsrect");
    captionrect = readSkinRect(ini, s, "captionrect");
    buttonsoffset = ini.readInteger(s, "buttonsoffset", 0);
    buttonsinleft = readBoolean(ini, s, "buttonsinleft");
    mainmenupopupup = readBoolean(ini, s, "mainmenupopupup");
    borderwidth = ini.readInteger(s, "borderwidth", 0);
    formminwidth = ini.readInteger(s, "formminwidth", 0);
    mditabstransparent = readBoolean(ini, s, "mditabstransparent");
    mainmenubartransparent = readBoolean(ini, s, "mainmenubartransparent");
    autorenderinginactiveimage = readBoolean(ini, s, "autorenderinginactiveimage");
    inactiveeffect = readInactiveEffect(ini, s, "inactiveeffect");

    // A frame whose corners coincide has no corner pieces to keep off the client area.
    if (rightbottompoint.x != lefttoppoint.x && rightbottompoint.y != lefttoppoint.y) {
        lefttoppoint.x = std::max(lefttoppoint.x, clientrect.left);
        lefttoppoint.y = std::max(lefttoppoint.y, clientrect.top);
        righttoppoint.x = std::min(righttoppoint.x, clientrect.right);
        righttoppoint.y = std::max(righttoppoint.y, clientrect.top);
        leftbottompoint.x = std::max(leftbottompoint.x, clientrect.left);
        leftbottompoint.y = std::min(leftbottompoint.y, clientrect.bottom);
        rightbottompoint.x = std::min(rightbottompoint.x, clientrect.right);
        rightbottompoint.y = std::min(rightbottompoint.y, clientrect.bottom);
    }
}

void SkinFormInfo::SaveToIni(IniFile& ini) const {
    const auto s = kFormInfo;
    writeSkinPoint(ini, s, "lefttoppoint", lefttoppoint);
    writeSkinPoint(ini, s, "righttoppoint", righttoppoint);
    writeSkinPoint(ini, s, "leftbottompoint", leftbottompoint);
    writeSkinPoint(ini, s, "rightbottompoint", rightbottompoint);
    writeSkinRect(ini, s, "clientrect", clientrect);
    ini.writeInteger(s, "bgpictureindex", bgpictureindex);
    ini.writeInteger(s, "mdibgpictureindex", mdibgpictureindex);
    writeBoolean(ini, s, "leftstretch", leftstretch);
    writeBoolean(ini, s, "rightstretch", rightstretch);
    writeBoolean(ini, s, "topstretch", topstretch);
    writeBoolean(ini, s, "bottomstretch", bottomstretch);
    writeBoolean(ini, s, "stretcheffect", stretcheffect);
    writeStretchType(ini, s, "stretchtype", stretchtype);
    writeBoolean(ini, s, "mdibgstretcheffect", mdibgstretcheffect);
    writeStretchType(ini, s, "mdibgstretchtype", mdibgstretchtype);
    writeSkinRect(ini, s, "maskrectarea", maskrectarea);
    writeSkinPoint(ini, s, "hittestlefttoppoint", hittestlefttoppoint);
    writeSkinPoint(ini, s, "hittestrighttoppoint", hittestrighttoppoint);
    writeSkinPoint(ini, s, "hittestleftbottompoint", hittestleftbottompoint);
    writeSkinPoint(ini, s, "hittestrightbottompoint", hittestrightbottompoint);
    writeSkinRect(ini, s, "buttonsrect", buttonsrect);
    writeSkinRect(ini, s, "captionrect", captionrect);
    ini.writeInteger(s, "buttonsoffset", buttonsoffset);
    writeBoolean(ini, s, "buttonsinleft", buttonsinleft);
    writeBoolean(ini, s, "mainmenupopupup", mainmenupopupup);
    ini.writeInteger(s, "borderwidth", borderwidth);
    ini.writeInteger(s, "formminwidth", formminwidth);
    writeBoolean(ini, s, "mditabstransparent", mditabstransparent);
    writeBoolean(ini, s, "mainmenubartransparent", mainmenubartransparent);
    writeBoolean(ini, s, "autorenderinginactiveimage", autorenderinginactiveimage);
    writeInactiveEffect(ini, s, "inactiveeffect", inactiveeffect);
}

void TbsDataSkinPopupWindow::LoadFromIni(const IniFile& ini) {
    const auto s = kPopupWindow;
    windowpictureindex = ini.readInteger(s, "windowpictureindex", -1);
    maskpictureindex = ini.readInteger(s, "maskpictureindex", -1);
    lefttoppoint = readSkinPoint(ini, s, "lefttoppoint");
    righttoppoint = readSkinPoint(ini, s, "righttoppoint");
    leftbottompoint = readSkinPoint(ini, s, "leftbottompoint");
    rightbottompoint = readSkinPoint(ini, s, "rightbottompoint");
    itemsrect = readSkinRect(ini, s, "itemsrect");
    scrollmarkercolor = readColor(ini, s, "scrollmarkercolor", 0);
    scrollmarkeractivecolor = readColor(ini, s, "scrollmarkeractivecolor", 0);
    leftstretch = readBoolean(ini, s, "leftstretch");
    rightstretch = readBoolean(ini, s, "rightstretch");
    topstretch = readBoolean(ini, s, "topstretch");
    bottomstretch = readBoolean(ini, s, "bottomstretch");
    stretcheffect = readBoolean(ini, s, "stretcheffect");
    stretchtype = readStretchType(ini, s, "stretchtype");
}

void TbsDataSkinPopupWindow::SaveToIni(IniFile& ini) const {
    const auto s = kPopupWindow;
    ini.writeInteger(s, "windowpictureindex", windowpictureindex);
    ini.writeInteger(s, "maskpictureindex", maskpictureindex);
    writeSkinPoint(ini, s, "lefttoppoint", lefttoppoint);
    writeSkinPoint(ini, s, "righttoppoint", righttoppoint);
    writeSkinPoint(ini, s, "leftbottompoint", leftbottompoint);
    writeSkinPoint(ini, s, "rightbottompoint", rightbottompoint);
    writeSkinRect(ini, s, "itemsrect", itemsrect);
    writeColor(ini, s, "scrollmarkercolor", scrollmarkercolor);
    writeColor(ini, s, "scrollmarkeractivecolor", scrollmarkeractivecolor);
    writeBoolean(ini, s, "leftstretch", leftstretch);
    writeBoolean(ini, s, "rightstretch", rightstretch);
    writeBoolean(ini, s, "topstretch", topstretch);
    writeBoolean(ini, s, "bottomstretch", bottomstretch);
    writeBoolean(ini, s, "stretcheffect", stretcheffect);
    writeStretchType(ini, s, "stretchtype", stretchtype);
}

void TbsDataSkinHintWindow::LoadFromIni(const IniFile& ini) {
    const auto s = kHintWindow;
    windowpictureindex = ini.readInteger(s, "windowpictureindex", -1);
    maskpictureindex = ini.readInteger(s, "maskpictureindex", -1);
    lefttoppoint = readSkinPoint(ini, s, "lefttoppoint");
    righttoppoint = readSkinPoint(ini, s, "righttoppoint");
    leftbottompoint = readSkinPoint(ini, s, "leftbottompoint");
    rightbottompoint = readSkinPoint(ini, s, "rightbottompoint");
    clientrect = readSkinRect(ini, s, "clientrect");
    fontname = ini.readString(s, "fontname", "Arial");
    fontheight = ini.readInteger(s, "fontheight", 14);
    fontstyle = readFontStyle(ini, s, "fontstyle");
    fontcolor = readColor(ini, s, "fontcolor", 0);
    leftstretch = readBoolean(ini, s, "leftstretch");
    rightstretch = readBoolean(ini, s, "rightstretch");
    topstretch = readBoolean(ini, s, "topstretch");
    bottomstretch = readBoolean(ini, s, "bottomstretch");
    stretcheffect = readBoolean(ini, s, "stretcheffect");
    stretchtype = readStretchType(ini, s, "stretchtype");
}

void TbsDataSkinHintWindow::SaveToIni(IniFile& ini) const {
    const auto s = kHintWindow;
    ini.writeInteger(s, "windowpictureindex", windowpictureindex);
    ini.writeInteger(s, "maskpictureindex", maskpictureindex);
    writeSkinPoint(ini, s, "lefttoppoint", lefttoppoint);
    writeSkinPoint(ini, s, "righttoppoint", righttoppoint);
    writeSkinPoint(ini, s, "leftbottompoint", leftbottompoint);
    writeSkinPoint(ini, s, "rightbottompoint", rightbottompoint);
    writeSkinRect(ini, s, "clientrect", clientrect);
    ini.writeString(s, "fontname", fontname);
    ini.writeInteger(s, "fontheight", fontheight);
    writeFontStyle(ini, s, "fontstyle", fontstyle);
    writeColor(ini, s, "fontcolor", fontcolor);
    writeBoolean(ini, s, "leftstretch", leftstretch);
    writeBoolean(ini, s, "rightstretch", rightstretch);
    writeBoolean(ini, s, "topstretch", topstretch);
    writeBoolean(ini, s, "bottomstretch", bottomstretch);
    writeBoolean(ini, s, "stretcheffect", stretcheffect);
    writeStretchType(ini, s, "stretchtype", stretchtype);
}

void TbsSkinColors::SetDefault() {
    cbtnface = systemColor(kColorBtnFace);
    cbtntext = systemColor(kColorBtnText);
    cwindow = systemColor(kColorWindow);
    cwindowtext = systemColor(kColorWindowText);
    chighlight = systemColor(kColorHighlight);
    chighlighttext = systemColor(kColorHighlightText);
    cbtnhighlight = systemColor(kColorBtnHighlight);
    cbtnshadow = systemColor(kColorBtnShadow);
}

void TbsSkinColors::LoadFromIni(const IniFile& ini) {
    const auto s = kSkinColors;
    cbtnface = readColor(ini, s, "cbtnface", systemColor(kColorBtnFace));
    cbtntext = readColor(ini, s, "cbtntext", systemColor(kColorBtnText));
    cwindow = readColor(ini, s, "cwindow", systemColor(kColorWindow));
    cwindowtext = readColor(ini, s, "cwindowtext", systemColor(kColorWindowText));
    chighlight = readColor(ini, s, "chighlight", systemColor(kColorHighlight));
    chighlighttext = readColor(ini, s, "chighlighttext", systemColor(kColorHighlightText));
    cbtnhighlight = readColor(ini, s, "cbtnhighlight", systemColor(kColorBtnHighlight));
    cbtnshadow = readColor(ini, s, "cbtnshadow", systemColor(kColorBtnShadow));
}

void TbsSkinColors::SaveToIni(IniFile& ini) const {
    const auto s = kSkinColors;
    writeColor(ini, s, "cbtnface", cbtnface);
    writeColor(ini, s, "cbtntext", cbtntext);
    writeColor(ini, s, "cwindow", cwindow);
    writeColor(ini, s, "cwindowtext", cwindowtext);
    writeColor(ini, s, "chighlight", chighlight);
    writeColor(ini, s, "chighlighttext", chighlighttext);
    writeColor(ini, s, "cbtnhighlight", cbtnhighlight);
    writeColor(ini, s, "cbtnshadow", cbtnshadow);
}

}  // namespace vireltan
