#include "skin/SkinSections.h"

#include <algorithm>

#include "skin/SkinFieldIo.h"

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

template <class Self, class Fields>
void SkinVersionInfo::fields(Self& self, Fields&& io) {
    io.string("skinname", self.skinname, "");
    io.string("skinauthor", self.skinauthor, "");
    io.string("authoremail", self.authoremail, "");
    io.string("authorurl", self.authorurl, "");
    io.string("skincomments", self.skincomments, "");
}
void SkinVersionInfo::LoadFromIni(const IniFile& ini) {
    fields(*this, SkinFieldReader(ini, kVersion));
}
void SkinVersionInfo::SaveToIni(IniFile& ini) const {
    fields(*this, SkinFieldWriter(ini, kVersion));
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

template <class Self, class Fields>
void SkinWindowFrame::pictureFields(Self& self, Fields& io) {
    io.integer("windowpictureindex", self.windowpictureindex, -1);
    io.integer("maskpictureindex", self.maskpictureindex, -1);
    io.point("lefttoppoint", self.lefttoppoint);
    io.point("righttoppoint", self.righttoppoint);
    io.point("leftbottompoint", self.leftbottompoint);
    io.point("rightbottompoint", self.rightbottompoint);
}

template <class Self, class Fields>
void SkinWindowFrame::stretchFields(Self& self, Fields& io) {
    io.boolean("leftstretch", self.leftstretch);
    io.boolean("rightstretch", self.rightstretch);
    io.boolean("topstretch", self.topstretch);
    io.boolean("bottomstretch", self.bottomstretch);
    io.boolean("stretcheffect", self.stretcheffect);
    io.stretchType("stretchtype", self.stretchtype);
}

template <class Self, class Fields>
void TbsDataSkinPopupWindow::fields(Self& self, Fields&& io) {
    pictureFields(self, io);
    io.rect("itemsrect", self.itemsrect);
    io.color("scrollmarkercolor", self.scrollmarkercolor, 0);
    io.color("scrollmarkeractivecolor", self.scrollmarkeractivecolor, 0);
    stretchFields(self, io);
}
void TbsDataSkinPopupWindow::LoadFromIni(const IniFile& ini) {
    fields(*this, SkinFieldReader(ini, kPopupWindow));
}
void TbsDataSkinPopupWindow::SaveToIni(IniFile& ini) const {
    fields(*this, SkinFieldWriter(ini, kPopupWindow));
}

template <class Self, class Fields>
void TbsDataSkinHintWindow::fields(Self& self, Fields&& io) {
    pictureFields(self, io);
    io.rect("clientrect", self.clientrect);
    io.string("fontname", self.fontname, "Arial");
    io.integer("fontheight", self.fontheight, 14);
    io.fontStyle("fontstyle", self.fontstyle);
    io.color("fontcolor", self.fontcolor, 0);
    stretchFields(self, io);
}
void TbsDataSkinHintWindow::LoadFromIni(const IniFile& ini) {
    fields(*this, SkinFieldReader(ini, kHintWindow));
}
void TbsDataSkinHintWindow::SaveToIni(IniFile& ini) const {
    fields(*this, SkinFieldWriter(ini, kHintWindow));
}

template <class Self, class Fields>
void TbsSkinColors::fields(Self& self, Fields&& io) {
    io.color("cbtnface", self.cbtnface, systemColor(kColorBtnFace));
    io.color("cbtntext", self.cbtntext, systemColor(kColorBtnText));
    io.color("cwindow", self.cwindow, systemColor(kColorWindow));
    io.color("cwindowtext", self.cwindowtext, systemColor(kColorWindowText));
    io.color("chighlight", self.chighlight, systemColor(kColorHighlight));
    io.color("chighlighttext", self.chighlighttext, systemColor(kColorHighlightText));
    io.color("cbtnhighlight", self.cbtnhighlight, systemColor(kColorBtnHighlight));
    io.color("cbtnshadow", self.cbtnshadow, systemColor(kColorBtnShadow));
}
// Clearing gives what a skin without the section would: each key's default.
void TbsSkinColors::SetDefault() {
    fields(*this, SkinFieldDefaults());
}
void TbsSkinColors::LoadFromIni(const IniFile& ini) {
    fields(*this, SkinFieldReader(ini, kSkinColors));
}
void TbsSkinColors::SaveToIni(IniFile& ini) const {
    fields(*this, SkinFieldWriter(ini, kSkinColors));
}

}  // namespace vireltan
