#include "skin/SkinControlsFurther.h"

#include "skin/SkinFieldIo.h"

namespace vireltan {

template <class Self, class Fields>
void TbsDataSkinExPanelControl::fields(Self& self, Fields&& io) {
    io.rect("rollhskinrect", self.rollhskinrect);
    io.rect("rollvskinrect", self.rollvskinrect);
    io.integer("rollleftoffset", self.rollleftoffset, 0);
    io.integer("rollrightoffset", self.rollrightoffset, 0);
    io.integer("rolltopoffset", self.rolltopoffset, 0);
    io.integer("rollbottomoffset", self.rollbottomoffset, 0);
    io.rect("rollvcaptionrect", self.rollvcaptionrect);
    io.rect("rollhcaptionrect", self.rollhcaptionrect);
    io.rect("closebuttonrect", self.closebuttonrect);
    io.rect("closebuttonactiverect", self.closebuttonactiverect);
    io.rect("closebuttondownrect", self.closebuttondownrect);
    io.rect("hrollbuttonrect", self.hrollbuttonrect);
    io.rect("hrollbuttonactiverect", self.hrollbuttonactiverect);
    io.rect("hrollbuttondownrect", self.hrollbuttondownrect);
    io.rect("hrestorebuttonrect", self.hrestorebuttonrect);
    io.rect("hrestorebuttonactiverect", self.hrestorebuttonactiverect);
    io.rect("hrestorebuttondownrect", self.hrestorebuttondownrect);
    io.rect("vrollbuttonrect", self.vrollbuttonrect);
    io.rect("vrollbuttonactiverect", self.vrollbuttonactiverect);
    io.rect("vrollbuttondownrect", self.vrollbuttondownrect);
    io.rect("vrestorebuttonrect", self.vrestorebuttonrect);
    io.rect("vrestorebuttonactiverect", self.vrestorebuttonactiverect);
    io.rect("vrestorebuttondownrect", self.vrestorebuttondownrect);
    io.rect("captionrect", self.captionrect);
    io.string("fontname", self.fontname, "Arial");
    io.integer("fontheight", self.fontheight, 14);
    io.fontStyle("fontstyle", self.fontstyle);
    io.color("fontcolor", self.fontcolor, 0);
    io.boolean("buttonstransparent", self.buttonstransparent);
    io.color("buttonstransparentcolor", self.buttonstransparentcolor, 0);
}
void TbsDataSkinExPanelControl::LoadFromIni(const IniFile& ini) {
    TbsDataSkinCustomControl::LoadFromIni(ini);
    fields(*this, SkinFieldReader(ini, name));
}
void TbsDataSkinExPanelControl::SaveToIni(IniFile& ini) const {
    TbsDataSkinCustomControl::SaveToIni(ini);
    fields(*this, SkinFieldWriter(ini, name));
}

template <class Self, class Fields>
void TbsDataSkinCheckRadioControl::fields(Self& self, Fields&& io) {
    io.string("fontname", self.fontname, "Arial");
    io.integer("fontheight", self.fontheight, 14);
    io.fontStyle("fontstyle", self.fontstyle);
    io.color("fontcolor", self.fontcolor, 0);
    io.color("activefontcolor", self.activefontcolor, 0);
    io.color("unenabledfontcolor", self.unenabledfontcolor, 0);
    io.color("framefontcolor", self.framefontcolor, 0);
    io.rect("activeskinrect", self.activeskinrect);
    io.rect("checkimagearea", self.checkimagearea);
    io.rect("textarea", self.textarea);
    io.rect("checkimagerect", self.checkimagerect);
    io.rect("uncheckimagerect", self.uncheckimagerect);
    io.rect("activecheckimagerect", self.activecheckimagerect);
    io.rect("activeuncheckimagerect", self.activeuncheckimagerect);
    io.rect("unenabledcheckimagerect", self.unenabledcheckimagerect);
    io.rect("unenableduncheckimagerect", self.unenableduncheckimagerect);
    io.boolean("morphing", self.morphing);
    io.morphKind("morphkind", self.morphkind);
}
void TbsDataSkinCheckRadioControl::LoadFromIni(const IniFile& ini) {
    TbsDataSkinCustomControl::LoadFromIni(ini);
    fields(*this, SkinFieldReader(ini, name));
}
void TbsDataSkinCheckRadioControl::SaveToIni(IniFile& ini) const {
    TbsDataSkinCustomControl::SaveToIni(ini);
    fields(*this, SkinFieldWriter(ini, name));
}

template <class Self, class Fields>
void TbsDataSkinGaugeControl::fields(Self& self, Fields&& io) {
    io.rect("progressarea", self.progressarea);
    io.rect("progressrect", self.progressrect);
    io.integer("beginoffset", self.beginoffset, 0);
    io.integer("endoffset", self.endoffset, 0);
    io.boolean("vertical", self.vertical);
    io.string("fontname", self.fontname, "Arial");
    io.integer("fontheight", self.fontheight, 14);
    io.fontStyle("fontstyle", self.fontstyle);
    io.color("fontcolor", self.fontcolor, 0);
    io.boolean("progresstransparent", self.progresstransparent);
    io.color("progresstransparentcolor", self.progresstransparentcolor, 0);
    io.boolean("progressstretch", self.progressstretch);
}
void TbsDataSkinGaugeControl::LoadFromIni(const IniFile& ini) {
    TbsDataSkinCustomControl::LoadFromIni(ini);
    fields(*this, SkinFieldReader(ini, name));
}
void TbsDataSkinGaugeControl::SaveToIni(IniFile& ini) const {
    TbsDataSkinCustomControl::SaveToIni(ini);
    fields(*this, SkinFieldWriter(ini, name));
}

template <class Self, class Fields>
void TbsDataSkinSplitterControl::fields(Self& self, Fields&& io) {
    io.rect("gripperrect", self.gripperrect);
    io.boolean("grippertransparent", self.grippertransparent);
    io.color("grippertransparentcolor", self.grippertransparentcolor, 0);
}
void TbsDataSkinSplitterControl::LoadFromIni(const IniFile& ini) {
    TbsDataSkinCustomControl::LoadFromIni(ini);
    fields(*this, SkinFieldReader(ini, name));
}
void TbsDataSkinSplitterControl::SaveToIni(IniFile& ini) const {
    TbsDataSkinCustomControl::SaveToIni(ini);
    fields(*this, SkinFieldWriter(ini, name));
}

template <class Self, class Fields>
void TbsDataSkinTrackBarControl::fields(Self& self, Fields&& io) {
    io.rect("activeskinrect", self.activeskinrect);
    io.rect("trackarea", self.trackarea);
    io.rect("buttonrect", self.buttonrect);
    io.rect("activebuttonrect", self.activebuttonrect);
    io.boolean("vertical", self.vertical);
    io.boolean("buttontransparent", self.buttontransparent);
    io.color("buttontransparentcolor", self.buttontransparentcolor, 0);
}
void TbsDataSkinTrackBarControl::LoadFromIni(const IniFile& ini) {
    TbsDataSkinCustomControl::LoadFromIni(ini);
    fields(*this, SkinFieldReader(ini, name));
}
void TbsDataSkinTrackBarControl::SaveToIni(IniFile& ini) const {
    TbsDataSkinCustomControl::SaveToIni(ini);
    fields(*this, SkinFieldWriter(ini, name));
}

template <class Self, class Fields>
void TbsDataSkinUpDownControl::fields(Self& self, Fields&& io) {
    io.rect("upbuttonrect", self.upbuttonrect);
    io.rect("activeupbuttonrect", self.activeupbuttonrect);
    io.rect("downupbuttonrect", self.downupbuttonrect);
    io.rect("downbuttonrect", self.downbuttonrect);
    io.rect("activedownbuttonrect", self.activedownbuttonrect);
    io.rect("downdownbuttonrect", self.downdownbuttonrect);
}
void TbsDataSkinUpDownControl::LoadFromIni(const IniFile& ini) {
    TbsDataSkinCustomControl::LoadFromIni(ini);
    fields(*this, SkinFieldReader(ini, name));
    // The buttons are the whole picture: no frame pieces and no client area.
    lefttoppoint = {};
    righttoppoint = {};
    leftbottompoint = {};
    rightbottompoint = {};
    clientrect = {};
}
void TbsDataSkinUpDownControl::SaveToIni(IniFile& ini) const {
    TbsDataSkinCustomControl::SaveToIni(ini);
    fields(*this, SkinFieldWriter(ini, name));
}

template <class Self, class Fields>
void TbsDataSkinGridControl::fields(Self& self, Fields&& io) {
    io.rect("fixedcellrect", self.fixedcellrect);
    io.rect("selectcellrect", self.selectcellrect);
    io.rect("focuscellrect", self.focuscellrect);
    io.integer("fixedcellleftoffset", self.fixedcellleftoffset, 0);
    io.integer("fixedcellrightoffset", self.fixedcellrightoffset, 0);
    io.rect("fixedcelltextrect", self.fixedcelltextrect);
    io.integer("cellleftoffset", self.cellleftoffset, 0);
    io.integer("cellrightoffset", self.cellrightoffset, 0);
    io.rect("celltextrect", self.celltextrect);
    io.color("linescolor", self.linescolor, 0);
    io.color("bgcolor", self.bgcolor, 0);
    io.string("fontname", self.fontname, "Arial");
    io.integer("fontheight", self.fontheight, 14);
    io.fontStyle("fontstyle", self.fontstyle);
    io.color("fontcolor", self.fontcolor, 0);
    io.color("selectfontcolor", self.selectfontcolor, 0);
    io.color("focusfontcolor", self.focusfontcolor, 0);
    io.string("fixedfontname", self.fixedfontname, "Arial");
    io.integer("fixedfontheight", self.fixedfontheight, 14);
    io.fontStyle("fixedfontstyle", self.fixedfontstyle);
    io.color("fixedfontcolor", self.fixedfontcolor, 0);
    io.boolean("cellstretcheffect", self.cellstretcheffect);
    io.boolean("fixedcellstretcheffect", self.fixedcellstretcheffect);
    io.boolean("showfocus", self.showfocus);
}
void TbsDataSkinGridControl::LoadFromIni(const IniFile& ini) {
    TbsDataSkinControl::LoadFromIni(ini);
    fields(*this, SkinFieldReader(ini, name));
}
void TbsDataSkinGridControl::SaveToIni(IniFile& ini) const {
    TbsDataSkinControl::SaveToIni(ini);
    fields(*this, SkinFieldWriter(ini, name));
}

template <class Self, class Fields>
void TbsDataSkinTabControl::fields(Self& self, Fields&& io) {
    io.rect("tabrect", self.tabrect);
    io.rect("activetabrect", self.activetabrect);
    io.rect("focustabrect", self.focustabrect);
    io.rect("mouseintabrect", self.mouseintabrect);
    io.rect("clientrect", self.clientrect);
    io.integer("bgpictureindex", self.bgpictureindex, -1);
    io.point("lefttoppoint", self.lefttoppoint);
    io.point("righttoppoint", self.righttoppoint);
    io.point("leftbottompoint", self.leftbottompoint);
    io.point("rightbottompoint", self.rightbottompoint);
    io.integer("tableftoffset", self.tableftoffset, 0);
    io.integer("tabrightoffset", self.tabrightoffset, 0);
    io.rect("tabsbgrect", self.tabsbgrect);
    io.boolean("tabstretcheffect", self.tabstretcheffect);
    io.boolean("leftstretch", self.leftstretch);
    io.boolean("topstretch", self.topstretch);
    io.boolean("rightstretch", self.rightstretch);
    io.boolean("bottomstretch", self.bottomstretch);
    io.boolean("stretcheffect", self.stretcheffect);
    io.stretchType("stretchtype", self.stretchtype);
    io.string("fontname", self.fontname, "Arial");
    io.integer("fontheight", self.fontheight, 14);
    io.fontStyle("fontstyle", self.fontstyle);
    io.color("fontcolor", self.fontcolor, 0);
    io.color("activefontcolor", self.activefontcolor, 0);
    io.color("focusfontcolor", self.focusfontcolor, 0);
    io.color("mouseinfontcolor", self.mouseinfontcolor, 0);
    io.string("updown", self.updown, "");
    io.boolean("showfocus", self.showfocus);
    io.integer("focusoffsetx", self.focusoffsetx, 0);
    io.integer("focusoffsety", self.focusoffsety, 0);
}
void TbsDataSkinTabControl::LoadFromIni(const IniFile& ini) {
    TbsDataSkinControl::LoadFromIni(ini);
    fields(*this, SkinFieldReader(ini, name));
}
void TbsDataSkinTabControl::SaveToIni(IniFile& ini) const {
    TbsDataSkinControl::SaveToIni(ini);
    fields(*this, SkinFieldWriter(ini, name));
}

template <class Self, class Fields>
void TbsDataSkinMainMenuBar::fields(Self& self, Fields&& io) {
    io.rect("itemsrect", self.itemsrect);
    io.string("menubaritem", self.menubaritem, "");
    io.string("closebutton", self.closebutton, "");
    io.string("minbutton", self.minbutton, "");
    io.string("maxbutton", self.maxbutton, "");
    io.string("sysmenubutton", self.sysmenubutton, "");
    io.color("trackmarkcolor", self.trackmarkcolor, 0);
    io.color("trackmarkactivecolor", self.trackmarkactivecolor, 0);
    io.boolean("stretcheffect", self.stretcheffect);
    io.boolean("itemtransparent", self.itemtransparent);
}
void TbsDataSkinMainMenuBar::LoadFromIni(const IniFile& ini) {
    TbsDataSkinControl::LoadFromIni(ini);
    fields(*this, SkinFieldReader(ini, name));
}
void TbsDataSkinMainMenuBar::SaveToIni(IniFile& ini) const {
    TbsDataSkinControl::SaveToIni(ini);
    fields(*this, SkinFieldWriter(ini, name));
}

template <class Self, class Fields>
void TbsDataSkinControlBar::fields(Self& self, Fields&& io) {
    io.rect("itemrect", self.itemrect);
    io.integer("bgpictureindex", self.bgpictureindex, -1);
    io.rect("hgriprect", self.hgriprect);
    io.rect("vgriprect", self.vgriprect);
    io.integer("gripoffset1", self.gripoffset1, 0);
    io.integer("gripoffset2", self.gripoffset2, 0);
    io.boolean("itemstretcheffect", self.itemstretcheffect);
    io.integer("itemoffset1", self.itemoffset1, 3);
    io.integer("itemoffset2", self.itemoffset2, 3);
    io.boolean("itemtransparent", self.itemtransparent);
    io.color("itemtransparentcolor", self.itemtransparentcolor, 0);
    io.boolean("griptransparent", self.griptransparent);
    io.color("griptransparentcolor", self.griptransparentcolor, 0);
}
void TbsDataSkinControlBar::LoadFromIni(const IniFile& ini) {
    TbsDataSkinCustomControl::LoadFromIni(ini);
    fields(*this, SkinFieldReader(ini, name));
}
void TbsDataSkinControlBar::SaveToIni(IniFile& ini) const {
    TbsDataSkinCustomControl::SaveToIni(ini);
    fields(*this, SkinFieldWriter(ini, name));
}

template <class Self, class Fields>
void TbsDataSkinSpinEditControl::fields(Self& self, Fields&& io) {
    io.rect("activeskinrect", self.activeskinrect);
    io.string("fontname", self.fontname, "Arial");
    io.integer("fontheight", self.fontheight, 14);
    io.fontStyle("fontstyle", self.fontstyle);
    io.color("fontcolor", self.fontcolor, 0);
    io.color("activefontcolor", self.activefontcolor, 0);
    io.color("disabledfontcolor", self.disabledfontcolor, 0);
    io.rect("upbuttonrect", self.upbuttonrect);
    io.rect("activeupbuttonrect", self.activeupbuttonrect);
    io.rect("downupbuttonrect", self.downupbuttonrect);
    io.rect("downbuttonrect", self.downbuttonrect);
    io.rect("activedownbuttonrect", self.activedownbuttonrect);
    io.rect("downdownbuttonrect", self.downdownbuttonrect);
}
void TbsDataSkinSpinEditControl::LoadFromIni(const IniFile& ini) {
    TbsDataSkinCustomControl::LoadFromIni(ini);
    fields(*this, SkinFieldReader(ini, name));
}
void TbsDataSkinSpinEditControl::SaveToIni(IniFile& ini) const {
    TbsDataSkinCustomControl::SaveToIni(ini);
    fields(*this, SkinFieldWriter(ini, name));
}

template <class Self, class Fields>
void TbsDataSkinScrollBoxControl::fields(Self& self, Fields&& io) {
    io.integer("bgpictureindex", self.bgpictureindex, -1);
}
void TbsDataSkinScrollBoxControl::LoadFromIni(const IniFile& ini) {
    TbsDataSkinCustomControl::LoadFromIni(ini);
    fields(*this, SkinFieldReader(ini, name));
}
void TbsDataSkinScrollBoxControl::SaveToIni(IniFile& ini) const {
    TbsDataSkinCustomControl::SaveToIni(ini);
    fields(*this, SkinFieldWriter(ini, name));
}

template <class Self, class Fields>
void TbsDataSkinTreeView::fields(Self& self, Fields&& io) {
    io.string("fontname", self.fontname, "Arial");
    io.integer("fontheight", self.fontheight, 14);
    io.fontStyle("fontstyle", self.fontstyle);
    io.color("fontcolor", self.fontcolor, 0);
    io.color("bgcolor", self.bgcolor, 0);
}
void TbsDataSkinTreeView::LoadFromIni(const IniFile& ini) {
    TbsDataSkinControl::LoadFromIni(ini);
    fields(*this, SkinFieldReader(ini, name));
}
void TbsDataSkinTreeView::SaveToIni(IniFile& ini) const {
    TbsDataSkinControl::SaveToIni(ini);
    fields(*this, SkinFieldWriter(ini, name));
}

template <class Self, class Fields>
void TbsDataSkinBevel::fields(Self& self, Fields&& io) {
    io.color("lightcolor", self.lightcolor, 0);
    io.color("darkcolor", self.darkcolor, 0);
}
void TbsDataSkinBevel::LoadFromIni(const IniFile& ini) {
    TbsDataSkinControl::LoadFromIni(ini);
    fields(*this, SkinFieldReader(ini, name));
}
void TbsDataSkinBevel::SaveToIni(IniFile& ini) const {
    TbsDataSkinControl::SaveToIni(ini);
    fields(*this, SkinFieldWriter(ini, name));
}

template <class Self, class Fields>
void TbsDataSkinSlider::fields(Self& self, Fields&& io) {
    io.color("bgcolor", self.bgcolor, 0);
    io.rect("hrulerrect", self.hrulerrect);
    io.rect("hthumbrect", self.hthumbrect);
    io.rect("vrulerrect", self.vrulerrect);
    io.rect("vthumbrect", self.vthumbrect);
    io.integer("edgesize", self.edgesize, 0);
    io.color("pointscolor", self.pointscolor, 0);
}
void TbsDataSkinSlider::LoadFromIni(const IniFile& ini) {
    TbsDataSkinControl::LoadFromIni(ini);
    fields(*this, SkinFieldReader(ini, name));
}
void TbsDataSkinSlider::SaveToIni(IniFile& ini) const {
    TbsDataSkinControl::SaveToIni(ini);
    fields(*this, SkinFieldWriter(ini, name));
}

template <class Self, class Fields>
void TbsDataSkinListView::fields(Self& self, Fields&& io) {
    io.string("fontname", self.fontname, "Arial");
    io.integer("fontheight", self.fontheight, 14);
    io.fontStyle("fontstyle", self.fontstyle);
    io.color("fontcolor", self.fontcolor, 0);
    io.color("bgcolor", self.bgcolor, 0);
}
void TbsDataSkinListView::LoadFromIni(const IniFile& ini) {
    TbsDataSkinControl::LoadFromIni(ini);
    fields(*this, SkinFieldReader(ini, name));
}
void TbsDataSkinListView::SaveToIni(IniFile& ini) const {
    TbsDataSkinControl::SaveToIni(ini);
    fields(*this, SkinFieldWriter(ini, name));
}

template <class Self, class Fields>
void TbsDataSkinRichEdit::fields(Self& self, Fields&& io) {
    io.string("fontname", self.fontname, "Arial");
    io.integer("fontheight", self.fontheight, 14);
    io.fontStyle("fontstyle", self.fontstyle);
    io.color("fontcolor", self.fontcolor, 0);
    io.color("bgcolor", self.bgcolor, 0);
}
void TbsDataSkinRichEdit::LoadFromIni(const IniFile& ini) {
    TbsDataSkinControl::LoadFromIni(ini);
    fields(*this, SkinFieldReader(ini, name));
}
void TbsDataSkinRichEdit::SaveToIni(IniFile& ini) const {
    TbsDataSkinControl::SaveToIni(ini);
    fields(*this, SkinFieldWriter(ini, name));
}

}  // namespace vireltan
