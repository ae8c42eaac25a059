#include "skin/SkinControlsCommon.h"

#include "skin/SkinFieldIo.h"

namespace vireltan {

template <class Self, class Fields>
void TbsDataSkinPanelControl::fields(Self& self, Fields&& io) {
    io.integer("bgpictureindex", self.bgpictureindex, -1);
    io.rect("captionrect", self.captionrect);
    io.alignment("alignment", self.alignment);
    io.string("fontname", self.fontname, "Arial");
    io.integer("fontheight", self.fontheight, 14);
    io.fontStyle("fontstyle", self.fontstyle);
    io.color("fontcolor", self.fontcolor, 0);
    io.rect("checkimagerect", self.checkimagerect);
    io.rect("uncheckimagerect", self.uncheckimagerect);
    io.rect("markframerect", self.markframerect);
    io.rect("framerect", self.framerect);
    io.rect("frametextrect", self.frametextrect);
    io.integer("frameleftoffset", self.frameleftoffset, 0);
    io.integer("framerightoffset", self.framerightoffset, 0);
    io.rect("gripperrect", self.gripperrect);
    io.boolean("grippertransparent", self.grippertransparent);
    io.color("grippertransparentcolor", self.grippertransparentcolor, 0);
}
void TbsDataSkinPanelControl::LoadFromIni(const IniFile& ini) {
    TbsDataSkinCustomControl::LoadFromIni(ini);
    fields(*this, SkinFieldReader(ini, name));
}
void TbsDataSkinPanelControl::SaveToIni(IniFile& ini) const {
    TbsDataSkinCustomControl::SaveToIni(ini);
    fields(*this, SkinFieldWriter(ini, name));
}

template <class Self, class Fields>
void TbsDataSkinLabelControl::fields(Self& self, Fields&& io) {
    io.string("fontname", self.fontname, "Arial");
    io.integer("fontheight", self.fontheight, 14);
    io.fontStyle("fontstyle", self.fontstyle);
    io.color("fontcolor", self.fontcolor, 0);
}
void TbsDataSkinLabelControl::LoadFromIni(const IniFile& ini) {
    TbsDataSkinCustomControl::LoadFromIni(ini);
    fields(*this, SkinFieldReader(ini, name));
}
void TbsDataSkinLabelControl::SaveToIni(IniFile& ini) const {
    TbsDataSkinCustomControl::SaveToIni(ini);
    fields(*this, SkinFieldWriter(ini, name));
}

template <class Self, class Fields>
void TbsDataSkinStdLabelControl::fields(Self& self, Fields&& io) {
    io.string("fontname", self.fontname, "Arial");
    io.integer("fontheight", self.fontheight, 14);
    io.fontStyle("fontstyle", self.fontstyle);
    io.color("fontcolor", self.fontcolor, 0);
    io.color("activefontcolor", self.activefontcolor, 16711680);
}
void TbsDataSkinStdLabelControl::LoadFromIni(const IniFile& ini) {
    TbsDataSkinControl::LoadFromIni(ini);
    fields(*this, SkinFieldReader(ini, name));
}
void TbsDataSkinStdLabelControl::SaveToIni(IniFile& ini) const {
    TbsDataSkinControl::SaveToIni(ini);
    fields(*this, SkinFieldWriter(ini, name));
}

template <class Self, class Fields>
void TbsDataSkinEditControl::fields(Self& self, Fields&& io) {
    io.rect("activeskinrect", self.activeskinrect);
    io.string("fontname", self.fontname, "Arial");
    io.integer("fontheight", self.fontheight, 14);
    io.fontStyle("fontstyle", self.fontstyle);
    io.color("fontcolor", self.fontcolor, 0);
    io.color("disabledfontcolor", self.disabledfontcolor, 0);
    io.color("activefontcolor", self.activefontcolor, 0);
    io.rect("buttonrect", self.buttonrect);
    io.rect("activebuttonrect", self.activebuttonrect);
    io.rect("downbuttonrect", self.downbuttonrect);
    io.rect("unenabledbuttonrect", self.unenabledbuttonrect);
}
void TbsDataSkinEditControl::LoadFromIni(const IniFile& ini) {
    TbsDataSkinCustomControl::LoadFromIni(ini);
    fields(*this, SkinFieldReader(ini, name));
}
void TbsDataSkinEditControl::SaveToIni(IniFile& ini) const {
    TbsDataSkinCustomControl::SaveToIni(ini);
    fields(*this, SkinFieldWriter(ini, name));
}

template <class Self, class Fields>
void TbsDataSkinMemoControl::fields(Self& self, Fields&& io) {
    io.color("bgcolor", self.bgcolor, 0);
    io.color("activebgcolor", self.activebgcolor, 0);
}
void TbsDataSkinMemoControl::LoadFromIni(const IniFile& ini) {
    TbsDataSkinEditControl::LoadFromIni(ini);
    fields(*this, SkinFieldReader(ini, name));
}
void TbsDataSkinMemoControl::SaveToIni(IniFile& ini) const {
    TbsDataSkinEditControl::SaveToIni(ini);
    fields(*this, SkinFieldWriter(ini, name));
}

template <class Self, class Fields>
void TbsDataSkinComboBox::fields(Self& self, Fields&& io) {
    io.rect("activeskinrect", self.activeskinrect);
    io.rect("itemrect", self.itemrect);
    io.rect("activeitemrect", self.activeitemrect);
    io.rect("focusitemrect", self.focusitemrect);
    io.integer("itemleftoffset", self.itemleftoffset, 0);
    io.integer("itemrightoffset", self.itemrightoffset, 0);
    io.rect("itemtextrect", self.itemtextrect);
    io.string("fontname", self.fontname, "Arial");
    io.integer("fontheight", self.fontheight, 14);
    io.fontStyle("fontstyle", self.fontstyle);
    io.color("fontcolor", self.fontcolor, 0);
    io.color("focusfontcolor", self.focusfontcolor, 0);
    io.color("activefontcolor", self.activefontcolor, 0);
    io.string("listboxname", self.listboxname, "");
    io.rect("buttonrect", self.buttonrect);
    io.rect("activebuttonrect", self.activebuttonrect);
    io.rect("downbuttonrect", self.downbuttonrect);
    io.rect("unenabledbuttonrect", self.unenabledbuttonrect);
    io.boolean("itemstretcheffect", self.itemstretcheffect);
    io.boolean("focusitemstretcheffect", self.focusitemstretcheffect);
    io.boolean("showfocus", self.showfocus);
}
void TbsDataSkinComboBox::LoadFromIni(const IniFile& ini) {
    TbsDataSkinCustomControl::LoadFromIni(ini);
    fields(*this, SkinFieldReader(ini, name));
}
void TbsDataSkinComboBox::SaveToIni(IniFile& ini) const {
    TbsDataSkinCustomControl::SaveToIni(ini);
    fields(*this, SkinFieldWriter(ini, name));
}

template <class Self, class Fields>
void TbsDataSkinListBox::fields(Self& self, Fields&& io) {
    io.rect("itemrect", self.itemrect);
    io.rect("activeitemrect", self.activeitemrect);
    io.rect("focusitemrect", self.focusitemrect);
    io.integer("itemleftoffset", self.itemleftoffset, 0);
    io.integer("itemrightoffset", self.itemrightoffset, 0);
    io.rect("itemtextrect", self.itemtextrect);
    io.string("fontname", self.fontname, "Arial");
    io.integer("fontheight", self.fontheight, 14);
    io.fontStyle("fontstyle", self.fontstyle);
    io.color("fontcolor", self.fontcolor, 0);
    io.color("activefontcolor", self.activefontcolor, 0);
    io.color("focusfontcolor", self.focusfontcolor, 0);
    io.rect("captionrect", self.captionrect);
    io.string("captionfontname", self.captionfontname, "Arial");
    io.integer("captionfontheight", self.captionfontheight, 14);
    io.fontStyle("captionfontstyle", self.captionfontstyle);
    io.color("captionfontcolor", self.captionfontcolor, 0);
    io.rect("upbuttonrect", self.upbuttonrect);
    io.rect("activeupbuttonrect", self.activeupbuttonrect);
    io.rect("downupbuttonrect", self.downupbuttonrect);
    io.rect("downbuttonrect", self.downbuttonrect);
    io.rect("activedownbuttonrect", self.activedownbuttonrect);
    io.rect("downdownbuttonrect", self.downdownbuttonrect);
    io.rect("checkbuttonrect", self.checkbuttonrect);
    io.rect("activecheckbuttonrect", self.activecheckbuttonrect);
    io.rect("downcheckbuttonrect", self.downcheckbuttonrect);
    io.string("vscrollbarname", self.vscrollbarname, "vscrollbar");
    io.string("hscrollbarname", self.hscrollbarname, "hscrollbar");
    io.string("bothhscrollbarname", self.bothhscrollbarname, "bothhscrollbar");
    io.boolean("showfocus", self.showfocus);
}
void TbsDataSkinListBox::LoadFromIni(const IniFile& ini) {
    TbsDataSkinCustomControl::LoadFromIni(ini);
    fields(*this, SkinFieldReader(ini, name));
}
void TbsDataSkinListBox::SaveToIni(IniFile& ini) const {
    TbsDataSkinCustomControl::SaveToIni(ini);
    fields(*this, SkinFieldWriter(ini, name));
}

template <class Self, class Fields>
void TbsDataSkinCheckListBox::fields(Self& self, Fields&& io) {
    io.rect("itemcheckrect", self.itemcheckrect);
    io.rect("checkimagerect", self.checkimagerect);
    io.rect("uncheckimagerect", self.uncheckimagerect);
}
void TbsDataSkinCheckListBox::LoadFromIni(const IniFile& ini) {
    TbsDataSkinListBox::LoadFromIni(ini);
    fields(*this, SkinFieldReader(ini, name));
}
void TbsDataSkinCheckListBox::SaveToIni(IniFile& ini) const {
    TbsDataSkinListBox::SaveToIni(ini);
    fields(*this, SkinFieldWriter(ini, name));
}

template <class Self, class Fields>
void TbsDataSkinScrollBarControl::fields(Self& self, Fields&& io) {
    io.rect("trackarea", self.trackarea);
    io.rect("upbuttonrect", self.upbuttonrect);
    io.rect("activeupbuttonrect", self.activeupbuttonrect);
    io.rect("downupbuttonrect", self.downupbuttonrect);
    io.rect("downbuttonrect", self.downbuttonrect);
    io.rect("activedownbuttonrect", self.activedownbuttonrect);
    io.rect("downdownbuttonrect", self.downdownbuttonrect);
    io.rect("thumbrect", self.thumbrect);
    io.rect("activethumbrect", self.activethumbrect);
    io.rect("downthumbrect", self.downthumbrect);
    io.integer("thumboffset1", self.thumboffset1, 0);
    io.integer("thumboffset2", self.thumboffset2, 0);
    io.boolean("thumbtransparent", self.thumbtransparent);
    io.color("thumbtransparentcolor", self.thumbtransparentcolor, 0);
    io.rect("glyphrect", self.glyphrect);
    io.rect("activeglyphrect", self.activeglyphrect);
    io.rect("downglyphrect", self.downglyphrect);
}
void TbsDataSkinScrollBarControl::LoadFromIni(const IniFile& ini) {
    TbsDataSkinCustomControl::LoadFromIni(ini);
    fields(*this, SkinFieldReader(ini, name));
}
void TbsDataSkinScrollBarControl::SaveToIni(IniFile& ini) const {
    TbsDataSkinCustomControl::SaveToIni(ini);
    fields(*this, SkinFieldWriter(ini, name));
}

template <class Self, class Fields>
void TbsDataSkinButtonControl::fields(Self& self, Fields&& io) {
    io.string("fontname", self.fontname, "Arial");
    io.integer("fontheight", self.fontheight, 14);
    io.fontStyle("fontstyle", self.fontstyle);
    io.color("fontcolor", self.fontcolor, 0);
    io.color("activefontcolor", self.activefontcolor, 0);
    io.color("downfontcolor", self.downfontcolor, 0);
    io.color("disabledfontcolor", self.disabledfontcolor, 0);
    io.rect("activeskinrect", self.activeskinrect);
    io.rect("downskinrect", self.downskinrect);
    io.rect("disabledskinrect", self.disabledskinrect);
    io.boolean("morphing", self.morphing);
    io.morphKind("morphkind", self.morphkind);
    io.rect("animateskinrect", self.animateskinrect);
    io.integer("framecount", self.framecount, 0);
    io.integer("animateinterval", self.animateinterval, 25);
    io.boolean("showfocus", self.showfocus);
    io.rect("menumarkerflatrect", self.menumarkerflatrect);
    io.rect("menumarkerrect", self.menumarkerrect);
    io.rect("menumarkeractiverect", self.menumarkeractiverect);
    io.rect("menumarkerdownrect", self.menumarkerdownrect);
    io.color("menumarkertransparentcolor", self.menumarkertransparentcolor, 0);
}
void TbsDataSkinButtonControl::LoadFromIni(const IniFile& ini) {
    TbsDataSkinCustomControl::LoadFromIni(ini);
    fields(*this, SkinFieldReader(ini, name));
}
void TbsDataSkinButtonControl::SaveToIni(IniFile& ini) const {
    TbsDataSkinCustomControl::SaveToIni(ini);
    fields(*this, SkinFieldWriter(ini, name));
}

template <class Self, class Fields>
void TbsDataSkinMenuButtonControl::fields(Self& self, Fields&& io) {
    io.rect("trackbuttonrect", self.trackbuttonrect);
}
void TbsDataSkinMenuButtonControl::LoadFromIni(const IniFile& ini) {
    TbsDataSkinButtonControl::LoadFromIni(ini);
    fields(*this, SkinFieldReader(ini, name));
}
void TbsDataSkinMenuButtonControl::SaveToIni(IniFile& ini) const {
    TbsDataSkinButtonControl::SaveToIni(ini);
    fields(*this, SkinFieldWriter(ini, name));
}

}  // namespace vireltan
