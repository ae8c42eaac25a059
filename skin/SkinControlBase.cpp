#include "skin/SkinControlBase.h"

#include "skin/SkinFieldIo.h"

namespace vireltan {

template <class Self, class Fields>
void TbsDataSkinControl::fields(Self& self, Fields&& io) {
    io.integer("pictureindex", self.pictureindex, -1);
    io.integer("maskpictureindex", self.maskpictureindex, -1);
    io.rect("skinrect", self.skinrect);
}
void TbsDataSkinControl::LoadFromIni(const IniFile& ini) {
    fields(*this, SkinFieldReader(ini, name));
}
void TbsDataSkinControl::SaveToIni(IniFile& ini) const {
    fields(*this, SkinFieldWriter(ini, name));
}

template <class Self, class Fields>
void TbsDataSkinCustomControl::fields(Self& self, Fields&& io) {
    io.point("lefttoppoint", self.lefttoppoint);
    io.point("righttoppoint", self.righttoppoint);
    io.point("leftbottompoint", self.leftbottompoint);
    io.point("rightbottompoint", self.rightbottompoint);
    io.rect("clientrect", self.clientrect);
    io.boolean("leftstretch", self.leftstretch);
    io.boolean("topstretch", self.topstretch);
    io.boolean("rightstretch", self.rightstretch);
    io.boolean("bottomstretch", self.bottomstretch);
    io.boolean("stretcheffect", self.stretcheffect);
    io.stretchType("stretchtype", self.stretchtype);
}
void TbsDataSkinCustomControl::LoadFromIni(const IniFile& ini) {
    TbsDataSkinControl::LoadFromIni(ini);
    fields(*this, SkinFieldReader(ini, name));
}
void TbsDataSkinCustomControl::SaveToIni(IniFile& ini) const {
    TbsDataSkinControl::SaveToIni(ini);
    fields(*this, SkinFieldWriter(ini, name));
}

}  // namespace vireltan
