// The base classes of every skin control definition: the picture a control is cut from, and the
// nine-piece layout most controls add to it.
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "skin/IniFile.h"
#include "skin/SkinValues.h"

namespace vireltan {

// A definition reads its section once, right after construction; from then on its members hold
// exactly the values of its keys or their defaults. Members carry the key names of the skin file and
// start at the keys' defaults.
class TbsDataSkinControl {
  public:
    explicit TbsDataSkinControl(std::string sectionName) : name(std::move(sectionName)) {}
    virtual ~TbsDataSkinControl() = default;

    std::string name;           // the section name, by which controls find their definition
    int pictureindex = -1;      // -1: no picture to cut from
    int maskpictureindex = -1;  // -1: no shape mask
    SkinRect skinrect;

    // Each override reads (writes) the inherited keys first, then its own in file order.
    virtual void LoadFromIni(const IniFile& ini);
    virtual void SaveToIni(IniFile& ini) const;
    // The word after ":" that selects this class in [SKINCONTROLS]; empty for the two base classes.
    virtual std::string_view kindWord() const { return {}; }

  private:
    template <class Self, class Fields>
    static void fields(Self& self, Fields&& io);
};

// The nine-piece layout: corner points and client rectangle relative to the top-left of skinrect,
// and whether edges and middle are stretched or tiled.
class TbsDataSkinCustomControl : public TbsDataSkinControl {
  public:
    using TbsDataSkinControl::TbsDataSkinControl;
    SkinPoint lefttoppoint;
    SkinPoint righttoppoint;
    SkinPoint leftbottompoint;
    SkinPoint rightbottompoint;
    SkinRect clientrect;
    bool leftstretch = false;
    bool topstretch = false;
    bool rightstretch = false;
    bool bottomstretch = false;
    bool stretcheffect = false;
    StretchType stretchtype = StretchType::stFull;

    void LoadFromIni(const IniFile& ini) override;
    void SaveToIni(IniFile& ini) const override;

  private:
    template <class Self, class Fields>
    static void fields(Self& self, Fields&& io);
};

}  // namespace vireltan
