#include "skin/SkinObjects.h"

#include <array>
#include <utility>

#include "skin/SkinDefinitionList.h"
#include "skin/SkinFieldIo.h"

namespace vireltan {

template <class Self, class Fields>
void TbsDataSkinObject::fields(Self& self, Fields&& io) {
    io.string("hint", self.hint, "");
    io.integer("activepictureindex", self.activepictureindex, -1);
    io.boolean("skinrectinapicture", self.skinrectinapicture);
    io.rect("skinrect", self.skinrect);
    io.rect("activeskinrect", self.activeskinrect);
    io.rect("inactiveskinrect", self.inactiveskinrect);
    io.boolean("morphing", self.morphing);
    io.morphKind("morphkind", self.morphkind);
}
void TbsDataSkinObject::LoadFromIni(const IniFile& ini) {
    fields(*this, SkinFieldReader(ini, name));
}
void TbsDataSkinObject::SaveToIni(IniFile& ini) const {
    fields(*this, SkinFieldWriter(ini, name));
}

// A user object marks a place only, so it takes nothing of the base but its rectangle.
void TbsDataUserObject::LoadFromIni(const IniFile& ini) {
    skinrect = readSkinRect(ini, name, "skinrect");
}
void TbsDataUserObject::SaveToIni(IniFile& ini) const {
    writeSkinRect(ini, name, "skinrect", skinrect);
}

template <class Self, class Fields>
void TbsDataSkinButton::fields(Self& self, Fields&& io) {
    io.rect("downrect", self.downrect);
    io.rect("disableskinrsect", self.disableskinrsect);
}
void TbsDataSkinButton::LoadFromIni(const IniFile& ini) {
    TbsDataSkinObject::LoadFromIni(ini);
    fields(*this, SkinFieldReader(ini, name));
}
void TbsDataSkinButton::SaveToIni(IniFile& ini) const {
    TbsDataSkinObject::SaveToIni(ini);
    fields(*this, SkinFieldWriter(ini, name));
}

template <class Self, class Fields>
void TbsDataSkinStdButton::fields(Self& self, Fields&& io) {
    io.command("command", self.command);
    io.rect("restorerect", self.restorerect);
    io.rect("restoreactiverect", self.restoreactiverect);
    io.rect("restoredownrect", self.restoredownrect);
    io.rect("restoreinactiverect", self.restoreinactiverect);
}
void TbsDataSkinStdButton::LoadFromIni(const IniFile& ini) {
    TbsDataSkinButton::LoadFromIni(ini);
    fields(*this, SkinFieldReader(ini, name));
}
void TbsDataSkinStdButton::SaveToIni(IniFile& ini) const {
    TbsDataSkinButton::SaveToIni(ini);
    fields(*this, SkinFieldWriter(ini, name));
}

template <class Self, class Fields>
void TbsDataSkinAnimate::fields(Self& self, Fields&& io) {
    io.integer("countframes", self.countframes, 1);
    io.boolean("cycle", self.cycle);
    io.boolean("buttonstyle", self.buttonstyle);
    io.integer("timerinterval", self.timerinterval, 50);
    io.command("command", self.command);
    io.rect("downskinrect", self.downskinrect);
    io.rect("restorerect", self.restorerect);
    io.rect("restoreactiverect", self.restoreactiverect);
    io.rect("restoredownrect", self.restoredownrect);
    io.rect("restoreinactiverect", self.restoreinactiverect);
}
void TbsDataSkinAnimate::LoadFromIni(const IniFile& ini) {
    TbsDataSkinObject::LoadFromIni(ini);
    // An animation shows its frames in turn and never blends between states.
    morphing = false;
    fields(*this, SkinFieldReader(ini, name));
}
void TbsDataSkinAnimate::SaveToIni(IniFile& ini) const {
    TbsDataSkinObject::SaveToIni(ini);
    fields(*this, SkinFieldWriter(ini, name));
}

template <class Self, class Fields>
void TbsDataSkinMenuItem::fields(Self& self, Fields&& io) {
    io.integer("itemleftoffset", self.itemleftoffset, 0);
    io.integer("itemrightoffset", self.itemrightoffset, 0);
    io.rect("dividerrect", self.dividerrect);
    io.integer("dividerleftoffset", self.dividerleftoffset, 0);
    io.integer("dividerrightoffset", self.dividerrightoffset, 0);
    io.rect("textrect", self.textrect);
    io.rect("imagerect", self.imagerect);
    io.string("fontname", self.fontname, "Arial");
    io.integer("fontheight", self.fontheight, 14);
    io.fontStyle("fontstyle", self.fontstyle);
    io.color("fontcolor", self.fontcolor, 0);
    io.color("activefontcolor", self.activefontcolor, 0);
    io.color("unenabledfontcolor", self.unenabledfontcolor, 0);
    io.boolean("stretcheffect", self.stretcheffect);
    io.boolean("inactivestretcheffect", self.inactivestretcheffect);
    io.boolean("dividerstretcheffect", self.dividerstretcheffect);
    io.rect("animateskinrect", self.animateskinrect);
    io.integer("framecount", self.framecount, 0);
    io.integer("animateinterval", self.animateinterval, 25);
    io.boolean("inactiveanimation", self.inactiveanimation);
    io.boolean("useimagecolor", self.useimagecolor);
    io.color("imagecolor", self.imagecolor, 0);
    io.color("activeimagecolor", self.activeimagecolor, 0);
}
void TbsDataSkinMenuItem::LoadFromIni(const IniFile& ini) {
    TbsDataSkinObject::LoadFromIni(ini);
    fields(*this, SkinFieldReader(ini, name));
}
void TbsDataSkinMenuItem::SaveToIni(IniFile& ini) const {
    TbsDataSkinObject::SaveToIni(ini);
    fields(*this, SkinFieldWriter(ini, name));
}

template <class Self, class Fields>
void TbsDataSkinMainMenuItem::fields(Self& self, Fields&& io) {
    io.integer("itemleftoffset", self.itemleftoffset, 0);
    io.integer("itemrightoffset", self.itemrightoffset, 0);
    io.rect("downrect", self.downrect);
    io.rect("textrect", self.textrect);
    io.string("fontname", self.fontname, "Arial");
    io.integer("fontheight", self.fontheight, 14);
    io.fontStyle("fontstyle", self.fontstyle);
    io.color("fontcolor", self.fontcolor, 0);
    io.color("activefontcolor", self.activefontcolor, 0);
    io.color("downfontcolor", self.downfontcolor, 0);
    io.color("unenabledfontColor", self.unenabledfontColor, 0);
    io.boolean("stretcheffect", self.stretcheffect);
    io.rect("animateskinrect", self.animateskinrect);
    io.integer("framecount", self.framecount, 0);
    io.integer("animateinterval", self.animateinterval, 25);
    io.boolean("inactiveanimation", self.inactiveanimation);
}
void TbsDataSkinMainMenuItem::LoadFromIni(const IniFile& ini) {
    TbsDataSkinObject::LoadFromIni(ini);
    fields(*this, SkinFieldReader(ini, name));
}
void TbsDataSkinMainMenuItem::SaveToIni(IniFile& ini) const {
    TbsDataSkinObject::SaveToIni(ini);
    fields(*this, SkinFieldWriter(ini, name));
}

template <class Self, class Fields>
void TbsDataSkinCaption::fields(Self& self, Fields&& io) {
    io.rect("textrect", self.textrect);
    io.string("fontname", self.fontname, "Arial");
    io.integer("fontheight", self.fontheight, 14);
    io.fontStyle("fontstyle", self.fontstyle);
    io.color("fontcolor", self.fontcolor, 0);
    io.color("activefontcolor", self.activefontcolor, 0);
    io.alignment("alignment", self.alignment);
    io.boolean("light", self.light);
    io.color("lightcolor", self.lightcolor, 0);
    io.color("activelightcolor", self.activelightcolor, 0);
    io.boolean("shadow", self.shadow);
    io.color("shadowcolor", self.shadowcolor, 0);
    io.color("activeshadowcolor", self.activeshadowcolor, 0);
    io.rect("framerect", self.framerect);
    io.rect("activeframerect", self.activeframerect);
    io.rect("frametextrect", self.frametextrect);
    io.integer("frameleftoffset", self.frameleftoffset, 0);
    io.integer("framerightoffset", self.framerightoffset, 0);
    io.boolean("stretcheffect", self.stretcheffect);
    io.rect("animateskinrect", self.animateskinrect);
    io.integer("framecount", self.framecount, 0);
    io.integer("animateinterval", self.animateinterval, 25);
    io.boolean("inactiveanimation", self.inactiveanimation);
    io.boolean("fullframe", self.fullframe);
}
void TbsDataSkinCaption::LoadFromIni(const IniFile& ini) {
    TbsDataSkinObject::LoadFromIni(ini);
    fields(*this, SkinFieldReader(ini, name));
}
void TbsDataSkinCaption::SaveToIni(IniFile& ini) const {
    TbsDataSkinObject::SaveToIni(ini);
    fields(*this, SkinFieldWriter(ini, name));
}

namespace {

template <class T>
std::unique_ptr<TbsDataSkinObject> make(std::string name) {
    return std::make_unique<T>(std::move(name));
}

struct ObjectKind {
    std::string_view word;
    std::unique_ptr<TbsDataSkinObject> (*create)(std::string name);
};

constexpr std::array<ObjectKind, 8> kObjectKinds{{
    {"menuitem", make<TbsDataSkinMenuItem>},
    {"mainmenubaritem", make<TbsDataSkinMainMenuBarItem>},
    {"stdbutton", make<TbsDataSkinStdButton>},
    {"mainmenubarbutton", make<TbsDataSkinMainMenuBarButton>},
    {"button", make<TbsDataSkinButton>},
    {"caption", make<TbsDataSkinCaption>},
    {"animate", make<TbsDataSkinAnimate>},
    {"userobject", make<TbsDataUserObject>},
}};

}  // namespace

std::unique_ptr<TbsDataSkinObject> makeSkinObject(std::string_view kind, std::string name) {
    for (const ObjectKind& entry : kObjectKinds) {
        if (entry.word == kind) return entry.create(std::move(name));
    }
    return nullptr;
}

std::vector<std::string_view> skinObjectKinds() {
    std::vector<std::string_view> words;
    for (const ObjectKind& entry : kObjectKinds) words.push_back(entry.word);
    return words;
}

std::vector<std::unique_ptr<TbsDataSkinObject>> ReadSkinObjects(const IniFile& ini) {
    std::vector<std::unique_ptr<TbsDataSkinObject>> objects;
    for (SkinDefinitionEntry& entry : readDefinitionEntries(ini, "SKINOBJECTS")) {
        auto object = makeSkinObject(entry.kind, std::move(entry.name));
        if (!object) continue;
        objects.push_back(std::move(object));
        objects.back()->LoadFromIni(ini);
    }
    return objects;
}

}  // namespace vireltan
