// Control definitions of kinds the calculator window does not show. A skin may list them all the
// same, and they must be read and kept at their place in the list, because definition indexes are
// visible to every lookup.
#pragma once

#include <string>
#include <string_view>

#include "skin/SkinControlBase.h"

namespace vireltan {

// Panels with a caption bar that rolls them up horizontally or vertically, with close, roll and
// restore buttons in three states each.
class TbsDataSkinExPanelControl : public TbsDataSkinCustomControl {
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    SkinRect rollhskinrect;
    SkinRect rollvskinrect;
    int rollleftoffset = 0;
    int rollrightoffset = 0;
    int rolltopoffset = 0;
    int rollbottomoffset = 0;
    SkinRect rollvcaptionrect;
    SkinRect rollhcaptionrect;
    SkinRect closebuttonrect;
    SkinRect closebuttonactiverect;
    SkinRect closebuttondownrect;
    SkinRect hrollbuttonrect;
    SkinRect hrollbuttonactiverect;
    SkinRect hrollbuttondownrect;
    SkinRect hrestorebuttonrect;
    SkinRect hrestorebuttonactiverect;
    SkinRect hrestorebuttondownrect;
    SkinRect vrollbuttonrect;
    SkinRect vrollbuttonactiverect;
    SkinRect vrollbuttondownrect;
    SkinRect vrestorebuttonrect;
    SkinRect vrestorebuttonactiverect;
    SkinRect vrestorebuttondownrect;
    SkinRect captionrect;
    std::string fontname = "Arial";
    int fontheight = 14;
    FontStyles fontstyle;
    SkinColor fontcolor = 0;
    bool buttonstransparent = false;
    SkinColor buttonstransparentcolor = 0;

    void LoadFromIni(const IniFile& ini) override;
    void SaveToIni(IniFile& ini) const override;
    std::string_view kindWord() const override { return "expanel"; }

  private:
    template <class Self, class Fields>
    static void fields(Self& self, Fields&& io);
};

// Check boxes and radio buttons: marks for on, off, active and disabled, mark and text areas.
class TbsDataSkinCheckRadioControl : public TbsDataSkinCustomControl {
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    std::string fontname = "Arial";
    int fontheight = 14;
    FontStyles fontstyle;
    SkinColor fontcolor = 0;
    SkinColor activefontcolor = 0;
    SkinColor unenabledfontcolor = 0;
    SkinColor framefontcolor = 0;
    SkinRect activeskinrect;
    SkinRect checkimagearea;
    SkinRect textarea;
    SkinRect checkimagerect;
    SkinRect uncheckimagerect;
    SkinRect activecheckimagerect;
    SkinRect activeuncheckimagerect;
    SkinRect unenabledcheckimagerect;
    SkinRect unenableduncheckimagerect;
    bool morphing = false;
    MorphKind morphkind = MorphKind::mkDefault;

    void LoadFromIni(const IniFile& ini) override;
    void SaveToIni(IniFile& ini) const override;
    std::string_view kindWord() const override { return "checkradio"; }

  private:
    template <class Self, class Fields>
    static void fields(Self& self, Fields&& io);
};

// Progress bars: progress area and picture, fixed ends, orientation, percentage font.
class TbsDataSkinGaugeControl : public TbsDataSkinCustomControl {
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    SkinRect progressarea;
    SkinRect progressrect;
    int beginoffset = 0;
    int endoffset = 0;
    bool vertical = false;
    std::string fontname = "Arial";
    int fontheight = 14;
    FontStyles fontstyle;
    SkinColor fontcolor = 0;
    bool progresstransparent = false;
    SkinColor progresstransparentcolor = 0;
    bool progressstretch = false;

    void LoadFromIni(const IniFile& ini) override;
    void SaveToIni(IniFile& ini) const override;
    std::string_view kindWord() const override { return "gauge"; }

  private:
    template <class Self, class Fields>
    static void fields(Self& self, Fields&& io);
};

// Splitters: a gripper picture.
class TbsDataSkinSplitterControl : public TbsDataSkinCustomControl {
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    SkinRect gripperrect;
    bool grippertransparent = false;
    SkinColor grippertransparentcolor = 0;

    void LoadFromIni(const IniFile& ini) override;
    void SaveToIni(IniFile& ini) const override;
    std::string_view kindWord() const override { return "splitter"; }

  private:
    template <class Self, class Fields>
    static void fields(Self& self, Fields&& io);
};

// Track bars: track area, thumb pictures, orientation, thumb transparency.
class TbsDataSkinTrackBarControl : public TbsDataSkinCustomControl {
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    SkinRect activeskinrect;
    SkinRect trackarea;
    SkinRect buttonrect;
    SkinRect activebuttonrect;
    bool vertical = false;
    bool buttontransparent = false;
    SkinColor buttontransparentcolor = 0;

    void LoadFromIni(const IniFile& ini) override;
    void SaveToIni(IniFile& ini) const override;
    std::string_view kindWord() const override { return "trackbar"; }

  private:
    template <class Self, class Fields>
    static void fields(Self& self, Fields&& io);
};

// Up-down (spin) buttons. An up-down is never drawn as a nine-piece frame: after reading, its corner
// points and client rectangle are cleared whatever the section says.
class TbsDataSkinUpDownControl : public TbsDataSkinCustomControl {
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    SkinRect upbuttonrect;
    SkinRect activeupbuttonrect;
    SkinRect downupbuttonrect;
    SkinRect downbuttonrect;
    SkinRect activedownbuttonrect;
    SkinRect downdownbuttonrect;

    void LoadFromIni(const IniFile& ini) override;
    void SaveToIni(IniFile& ini) const override;
    std::string_view kindWord() const override { return "updown"; }

  private:
    template <class Self, class Fields>
    static void fields(Self& self, Fields&& io);
};

// Grids: fixed, selected and focused cells, line and background colours, cell fonts.
class TbsDataSkinGridControl : public TbsDataSkinControl {
  public:
    using TbsDataSkinControl::TbsDataSkinControl;
    SkinRect fixedcellrect;
    SkinRect selectcellrect;
    SkinRect focuscellrect;
    int fixedcellleftoffset = 0;
    int fixedcellrightoffset = 0;
    SkinRect fixedcelltextrect;
    int cellleftoffset = 0;
    int cellrightoffset = 0;
    SkinRect celltextrect;
    SkinColor linescolor = 0;
    SkinColor bgcolor = 0;
    std::string fontname = "Arial";
    int fontheight = 14;
    FontStyles fontstyle;
    SkinColor fontcolor = 0;
    SkinColor selectfontcolor = 0;
    SkinColor focusfontcolor = 0;
    std::string fixedfontname = "Arial";
    int fixedfontheight = 14;
    FontStyles fixedfontstyle;
    SkinColor fixedfontcolor = 0;
    bool cellstretcheffect = false;
    bool fixedcellstretcheffect = false;
    bool showfocus = false;

    void LoadFromIni(const IniFile& ini) override;
    void SaveToIni(IniFile& ini) const override;
    std::string_view kindWord() const override { return "grid"; }

  private:
    template <class Self, class Fields>
    static void fields(Self& self, Fields&& io);
};

// Tab controls: tab pictures, the page's nine-piece frame, fonts, and the name of the up-down
// definition used for scrolling the tabs.
class TbsDataSkinTabControl : public TbsDataSkinControl {
  public:
    using TbsDataSkinControl::TbsDataSkinControl;
    SkinRect tabrect;
    SkinRect activetabrect;
    SkinRect focustabrect;
    SkinRect mouseintabrect;
    SkinRect clientrect;
    int bgpictureindex = -1;
    SkinPoint lefttoppoint;
    SkinPoint righttoppoint;
    SkinPoint leftbottompoint;
    SkinPoint rightbottompoint;
    int tableftoffset = 0;
    int tabrightoffset = 0;
    SkinRect tabsbgrect;
    bool tabstretcheffect = false;
    bool leftstretch = false;
    bool topstretch = false;
    bool rightstretch = false;
    bool bottomstretch = false;
    bool stretcheffect = false;
    StretchType stretchtype = StretchType::stFull;
    std::string fontname = "Arial";
    int fontheight = 14;
    FontStyles fontstyle;
    SkinColor fontcolor = 0;
    SkinColor activefontcolor = 0;
    SkinColor focusfontcolor = 0;
    SkinColor mouseinfontcolor = 0;
    std::string updown;
    bool showfocus = false;
    int focusoffsetx = 0;
    int focusoffsety = 0;

    void LoadFromIni(const IniFile& ini) override;
    void SaveToIni(IniFile& ini) const override;
    std::string_view kindWord() const override { return "tab"; }

  private:
    template <class Self, class Fields>
    static void fields(Self& self, Fields&& io);
};

// The main menu bar: item area and the names of the skin objects for its items and buttons
// (resolved by the menu bar, not here).
class TbsDataSkinMainMenuBar : public TbsDataSkinControl {
  public:
    using TbsDataSkinControl::TbsDataSkinControl;
    SkinRect itemsrect;
    std::string menubaritem;
    std::string closebutton;
    std::string minbutton;
    std::string maxbutton;
    std::string sysmenubutton;
    SkinColor trackmarkcolor = 0;
    SkinColor trackmarkactivecolor = 0;
    bool stretcheffect = false;
    bool itemtransparent = false;

    void LoadFromIni(const IniFile& ini) override;
    void SaveToIni(IniFile& ini) const override;
    std::string_view kindWord() const override { return "mainmenubar"; }

  private:
    template <class Self, class Fields>
    static void fields(Self& self, Fields&& io);
};

// Control bars: item and background pictures, grips, item offsets and transparency.
class TbsDataSkinControlBar : public TbsDataSkinCustomControl {
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    SkinRect itemrect;
    int bgpictureindex = -1;
    SkinRect hgriprect;
    SkinRect vgriprect;
    int gripoffset1 = 0;
    int gripoffset2 = 0;
    bool itemstretcheffect = false;
    int itemoffset1 = 3;
    int itemoffset2 = 3;
    bool itemtransparent = false;
    SkinColor itemtransparentcolor = 0;
    bool griptransparent = false;
    SkinColor griptransparentcolor = 0;

    void LoadFromIni(const IniFile& ini) override;
    void SaveToIni(IniFile& ini) const override;
    std::string_view kindWord() const override { return "controlbar"; }

  private:
    template <class Self, class Fields>
    static void fields(Self& self, Fields&& io);
};

// Spin edits: the edit picture, its font and two buttons in three states.
class TbsDataSkinSpinEditControl : public TbsDataSkinCustomControl {
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    SkinRect activeskinrect;
    std::string fontname = "Arial";
    int fontheight = 14;
    FontStyles fontstyle;
    SkinColor fontcolor = 0;
    SkinColor activefontcolor = 0;
    SkinColor disabledfontcolor = 0;
    SkinRect upbuttonrect;
    SkinRect activeupbuttonrect;
    SkinRect downupbuttonrect;
    SkinRect downbuttonrect;
    SkinRect activedownbuttonrect;
    SkinRect downdownbuttonrect;

    void LoadFromIni(const IniFile& ini) override;
    void SaveToIni(IniFile& ini) const override;
    std::string_view kindWord() const override { return "spinedit"; }

  private:
    template <class Self, class Fields>
    static void fields(Self& self, Fields&& io);
};

// Scroll boxes: a background picture.
class TbsDataSkinScrollBoxControl : public TbsDataSkinCustomControl {
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    int bgpictureindex = -1;

    void LoadFromIni(const IniFile& ini) override;
    void SaveToIni(IniFile& ini) const override;
    std::string_view kindWord() const override { return "scrollbox"; }

  private:
    template <class Self, class Fields>
    static void fields(Self& self, Fields&& io);
};

// Tree views: font and background colour.
class TbsDataSkinTreeView : public TbsDataSkinControl {
  public:
    using TbsDataSkinControl::TbsDataSkinControl;
    std::string fontname = "Arial";
    int fontheight = 14;
    FontStyles fontstyle;
    SkinColor fontcolor = 0;
    SkinColor bgcolor = 0;

    void LoadFromIni(const IniFile& ini) override;
    void SaveToIni(IniFile& ini) const override;
    std::string_view kindWord() const override { return "treeview"; }

  private:
    template <class Self, class Fields>
    static void fields(Self& self, Fields&& io);
};

// Bevels: light and dark colours.
class TbsDataSkinBevel : public TbsDataSkinControl {
  public:
    using TbsDataSkinControl::TbsDataSkinControl;
    SkinColor lightcolor = 0;
    SkinColor darkcolor = 0;

    void LoadFromIni(const IniFile& ini) override;
    void SaveToIni(IniFile& ini) const override;
    std::string_view kindWord() const override { return "bevel"; }

  private:
    template <class Self, class Fields>
    static void fields(Self& self, Fields&& io);
};

// Sliders: rulers, thumbs, edge size and points colour.
class TbsDataSkinSlider : public TbsDataSkinControl {
  public:
    using TbsDataSkinControl::TbsDataSkinControl;
    SkinColor bgcolor = 0;
    SkinRect hrulerrect;
    SkinRect hthumbrect;
    SkinRect vrulerrect;
    SkinRect vthumbrect;
    int edgesize = 0;
    SkinColor pointscolor = 0;

    void LoadFromIni(const IniFile& ini) override;
    void SaveToIni(IniFile& ini) const override;
    std::string_view kindWord() const override { return "slider"; }

  private:
    template <class Self, class Fields>
    static void fields(Self& self, Fields&& io);
};

// List views: font and background colour.
class TbsDataSkinListView : public TbsDataSkinControl {
  public:
    using TbsDataSkinControl::TbsDataSkinControl;
    std::string fontname = "Arial";
    int fontheight = 14;
    FontStyles fontstyle;
    SkinColor fontcolor = 0;
    SkinColor bgcolor = 0;

    void LoadFromIni(const IniFile& ini) override;
    void SaveToIni(IniFile& ini) const override;
    std::string_view kindWord() const override { return "listview"; }

  private:
    template <class Self, class Fields>
    static void fields(Self& self, Fields&& io);
};

// Rich edits: font and background colour.
class TbsDataSkinRichEdit : public TbsDataSkinControl {
  public:
    using TbsDataSkinControl::TbsDataSkinControl;
    std::string fontname = "Arial";
    int fontheight = 14;
    FontStyles fontstyle;
    SkinColor fontcolor = 0;
    SkinColor bgcolor = 0;

    void LoadFromIni(const IniFile& ini) override;
    void SaveToIni(IniFile& ini) const override;
    std::string_view kindWord() const override { return "richedit"; }

  private:
    template <class Self, class Fields>
    static void fields(Self& self, Fields&& io);
};

}  // namespace vireltan
