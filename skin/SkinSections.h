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
    std::string skinname;
    std::string skinauthor;
    std::string authoremail;
    std::string authorurl;
    std::string skincomments;

    void LoadFromIni(const IniFile& ini);
    void SaveToIni(IniFile& ini) const;

  private:
    template <class Self, class Fields>
    static void fields(Self& self, Fields&& io);
};

// [FORMINFO]: the window frame, in main-picture coordinates. Members here and below carry the key
// names of the skin file, as the definition classes do.
struct SkinFormInfo {
    SkinPoint lefttoppoint;
    SkinPoint righttoppoint;
    SkinPoint leftbottompoint;
    SkinPoint rightbottompoint;
    SkinRect clientrect;
    int bgpictureindex = -1;
    int mdibgpictureindex = -1;
    bool leftstretch = false;
    bool rightstretch = false;
    bool topstretch = false;
    bool bottomstretch = false;
    bool stretcheffect = false;
    StretchType stretchtype = StretchType::stFull;
    bool mdibgstretcheffect = false;
    StretchType mdibgstretchtype = StretchType::stFull;
    SkinRect maskrectarea;
    SkinPoint hittestlefttoppoint;
    SkinPoint hittestrighttoppoint;
    SkinPoint hittestleftbottompoint;
    SkinPoint hittestrightbottompoint;
    SkinRect buttonsrect;
    SkinRect captionrect;
    int buttonsoffset = 0;
    bool buttonsinleft = false;
    bool mainmenupopupup = false;
    int borderwidth = 0;
    int formminwidth = 0;
    bool mditabstransparent = false;
    bool mainmenubartransparent = false;
    bool autorenderinginactiveimage = false;
    InactiveEffect inactiveeffect = InactiveEffect::ieBrightness;

    // Reads every key and applies the post-processing: with a mask picture named, the mask area
    // grows to hold the client rectangle and zero hit-test points take their corner point; then the
    // corner points are pulled onto the client rectangle when the frame has corners at all.
    void LoadFromIni(const IniFile& ini, bool maskPictureNamed);
    void SaveToIni(IniFile& ini) const;
};

// The frame of a small skinned window drawn from one skin picture: the keys [POPUPWINDOW] and
// [HINTWINDOW] share. Both sections list the picture indexes and corner points first and the
// stretch flags last, with their own keys between.
struct SkinWindowFrame {
    int windowpictureindex = -1;
    int maskpictureindex = -1;
    SkinPoint lefttoppoint;
    SkinPoint righttoppoint;
    SkinPoint leftbottompoint;
    SkinPoint rightbottompoint;
    bool leftstretch = false;
    bool rightstretch = false;
    bool topstretch = false;
    bool bottomstretch = false;
    bool stretcheffect = false;
    StretchType stretchtype = StretchType::stFull;

    bool operator==(const SkinWindowFrame&) const = default;

  protected:
    template <class Self, class Fields>
    static void pictureFields(Self& self, Fields& io);
    template <class Self, class Fields>
    static void stretchFields(Self& self, Fields& io);
};

// [POPUPWINDOW]: the frame of skinned pop-up menus and drop-down lists.
struct TbsDataSkinPopupWindow : SkinWindowFrame {
    SkinRect itemsrect;
    SkinColor scrollmarkercolor = 0;
    SkinColor scrollmarkeractivecolor = 0;

    void LoadFromIni(const IniFile& ini);
    void SaveToIni(IniFile& ini) const;
    bool operator==(const TbsDataSkinPopupWindow&) const = default;

  private:
    template <class Self, class Fields>
    static void fields(Self& self, Fields&& io);
};

// [HINTWINDOW]: the frame of skinned hint windows. The font height starts at 12; a loaded skin
// without the key gives 14.
struct TbsDataSkinHintWindow : SkinWindowFrame {
    SkinRect clientrect;
    std::string fontname = "Arial";
    int fontheight = 12;
    FontStyles fontstyle;
    SkinColor fontcolor = 0;

    void LoadFromIni(const IniFile& ini);
    void SaveToIni(IniFile& ini) const;
    bool operator==(const TbsDataSkinHintWindow&) const = default;

  private:
    template <class Self, class Fields>
    static void fields(Self& self, Fields&& io);
};

// [SKINCOLORS]: colours for the parts of controls that have no picture. All 0 at construction; the
// system colours that a skin without the keys gives after every clearing of the skin.
struct TbsSkinColors {
    SkinColor cbtnface = 0;
    SkinColor cbtntext = 0;
    SkinColor cwindow = 0;
    SkinColor cwindowtext = 0;
    SkinColor chighlight = 0;
    SkinColor chighlighttext = 0;
    SkinColor cbtnhighlight = 0;
    SkinColor cbtnshadow = 0;

    void SetDefault();
    void LoadFromIni(const IniFile& ini);
    void SaveToIni(IniFile& ini) const;
    bool operator==(const TbsSkinColors&) const = default;

  private:
    template <class Self, class Fields>
    static void fields(Self& self, Fields&& io);
};

}  // namespace vireltan
