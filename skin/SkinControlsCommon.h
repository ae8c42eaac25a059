// The control definitions the calculator window's own controls use (panels and group boxes, labels,
// edits, combo boxes, list boxes, scroll bars, buttons) and their close relatives.
#pragma once

#include <string>
#include <string_view>

#include "skin/SkinControlBase.h"

namespace vireltan {

// Group boxes, panels and status bars: background, caption, caption check box and gripper.
class TbsDataSkinPanelControl : public TbsDataSkinCustomControl {
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    int bgpictureindex = -1;
    SkinRect captionrect;
    Alignment alignment = Alignment::taCenter;
    std::string fontname = "Arial";
    int fontheight = 14;
    FontStyles fontstyle;
    SkinColor fontcolor = 0;
    SkinRect checkimagerect;
    SkinRect uncheckimagerect;
    SkinRect markframerect;
    SkinRect framerect;
    SkinRect frametextrect;
    int frameleftoffset = 0;
    int framerightoffset = 0;
    SkinRect gripperrect;
    bool grippertransparent = false;
    SkinColor grippertransparentcolor = 0;

    void LoadFromIni(const IniFile& ini) override;
    void SaveToIni(IniFile& ini) const override;
    std::string_view kindWord() const override { return "panel"; }

  private:
    template <class Self, class Fields>
    static void fields(Self& self, Fields&& io);
};

// Labels drawn on a skinned nine-piece background.
class TbsDataSkinLabelControl : public TbsDataSkinCustomControl {
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    std::string fontname = "Arial";
    int fontheight = 14;
    FontStyles fontstyle;
    SkinColor fontcolor = 0;

    void LoadFromIni(const IniFile& ini) override;
    void SaveToIni(IniFile& ini) const override;
    std::string_view kindWord() const override { return "label"; }

  private:
    template <class Self, class Fields>
    static void fields(Self& self, Fields&& io);
};

// Plain labels: a font only, with a colour for the active (mouse-over) state.
class TbsDataSkinStdLabelControl : public TbsDataSkinControl {
  public:
    using TbsDataSkinControl::TbsDataSkinControl;
    std::string fontname = "Arial";
    int fontheight = 14;
    FontStyles fontstyle;
    SkinColor fontcolor = 0;
    SkinColor activefontcolor = 16711680;

    void LoadFromIni(const IniFile& ini) override;
    void SaveToIni(IniFile& ini) const override;
    std::string_view kindWord() const override { return "stdlabel"; }

  private:
    template <class Self, class Fields>
    static void fields(Self& self, Fields&& io);
};

// Edits, with an optional embedded button in four states.
class TbsDataSkinEditControl : public TbsDataSkinCustomControl {
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    SkinRect activeskinrect;
    std::string fontname = "Arial";
    int fontheight = 14;
    FontStyles fontstyle;
    SkinColor fontcolor = 0;
    SkinColor disabledfontcolor = 0;
    SkinColor activefontcolor = 0;
    SkinRect buttonrect;
    SkinRect activebuttonrect;
    SkinRect downbuttonrect;
    SkinRect unenabledbuttonrect;

    void LoadFromIni(const IniFile& ini) override;
    void SaveToIni(IniFile& ini) const override;
    std::string_view kindWord() const override { return "edit"; }

  private:
    template <class Self, class Fields>
    static void fields(Self& self, Fields&& io);
};

// Multi-line edits: an edit with background colours.
class TbsDataSkinMemoControl : public TbsDataSkinEditControl {
  public:
    using TbsDataSkinEditControl::TbsDataSkinEditControl;
    SkinColor bgcolor = 0;
    SkinColor activebgcolor = 0;

    void LoadFromIni(const IniFile& ini) override;
    void SaveToIni(IniFile& ini) const override;
    std::string_view kindWord() const override { return "memo"; }

  private:
    template <class Self, class Fields>
    static void fields(Self& self, Fields&& io);
};

// Combo boxes: the shown item, its fonts, the drop-down button and the name of the list box
// definition used for the drop-down list.
class TbsDataSkinComboBox : public TbsDataSkinCustomControl {
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    SkinRect activeskinrect;
    SkinRect itemrect;
    SkinRect activeitemrect;
    SkinRect focusitemrect;
    int itemleftoffset = 0;
    int itemrightoffset = 0;
    SkinRect itemtextrect;
    std::string fontname = "Arial";
    int fontheight = 14;
    FontStyles fontstyle;
    SkinColor fontcolor = 0;
    SkinColor focusfontcolor = 0;
    SkinColor activefontcolor = 0;
    std::string listboxname;
    SkinRect buttonrect;
    SkinRect activebuttonrect;
    SkinRect downbuttonrect;
    SkinRect unenabledbuttonrect;
    bool itemstretcheffect = false;
    bool focusitemstretcheffect = false;
    bool showfocus = false;

    void LoadFromIni(const IniFile& ini) override;
    void SaveToIni(IniFile& ini) const override;
    std::string_view kindWord() const override { return "combobox"; }

  private:
    template <class Self, class Fields>
    static void fields(Self& self, Fields&& io);
};

// List boxes, also the drop-down list of combo boxes: item pictures, an optional caption bar with
// its buttons, and the names of the scroll bar definitions.
class TbsDataSkinListBox : public TbsDataSkinCustomControl {
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    SkinRect itemrect;
    SkinRect activeitemrect;
    SkinRect focusitemrect;
    int itemleftoffset = 0;
    int itemrightoffset = 0;
    SkinRect itemtextrect;
    std::string fontname = "Arial";
    int fontheight = 14;
    FontStyles fontstyle;
    SkinColor fontcolor = 0;
    SkinColor activefontcolor = 0;
    SkinColor focusfontcolor = 0;
    SkinRect captionrect;
    std::string captionfontname = "Arial";
    int captionfontheight = 14;
    FontStyles captionfontstyle;
    SkinColor captionfontcolor = 0;
    SkinRect upbuttonrect;
    SkinRect activeupbuttonrect;
    SkinRect downupbuttonrect;
    SkinRect downbuttonrect;
    SkinRect activedownbuttonrect;
    SkinRect downdownbuttonrect;
    SkinRect checkbuttonrect;
    SkinRect activecheckbuttonrect;
    SkinRect downcheckbuttonrect;
    std::string vscrollbarname = "vscrollbar";
    std::string hscrollbarname = "hscrollbar";
    std::string bothhscrollbarname = "bothhscrollbar";
    bool showfocus = false;

    void LoadFromIni(const IniFile& ini) override;
    void SaveToIni(IniFile& ini) const override;
    std::string_view kindWord() const override { return "listbox"; }

  private:
    template <class Self, class Fields>
    static void fields(Self& self, Fields&& io);
};

// List boxes whose items carry a check box.
class TbsDataSkinCheckListBox : public TbsDataSkinListBox {
  public:
    using TbsDataSkinListBox::TbsDataSkinListBox;
    SkinRect itemcheckrect;
    SkinRect checkimagerect;
    SkinRect uncheckimagerect;

    void LoadFromIni(const IniFile& ini) override;
    void SaveToIni(IniFile& ini) const override;
    std::string_view kindWord() const override { return "checklistbox"; }

  private:
    template <class Self, class Fields>
    static void fields(Self& self, Fields&& io);
};

// Scroll bars; one class serves vertical and horizontal bars, told apart by the definition name.
class TbsDataSkinScrollBarControl : public TbsDataSkinCustomControl {
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    SkinRect trackarea;
    SkinRect upbuttonrect;
    SkinRect activeupbuttonrect;
    SkinRect downupbuttonrect;
    SkinRect downbuttonrect;
    SkinRect activedownbuttonrect;
    SkinRect downdownbuttonrect;
    SkinRect thumbrect;
    SkinRect activethumbrect;
    SkinRect downthumbrect;
    int thumboffset1 = 0;
    int thumboffset2 = 0;
    bool thumbtransparent = false;
    SkinColor thumbtransparentcolor = 0;
    SkinRect glyphrect;
    SkinRect activeglyphrect;
    SkinRect downglyphrect;

    void LoadFromIni(const IniFile& ini) override;
    void SaveToIni(IniFile& ini) const override;
    std::string_view kindWord() const override { return "scrollbar"; }

  private:
    template <class Self, class Fields>
    static void fields(Self& self, Fields&& io);
};

// Push buttons, also the drop-down button of combo boxes (section "combobutton").
class TbsDataSkinButtonControl : public TbsDataSkinCustomControl {
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    std::string fontname = "Arial";
    int fontheight = 14;
    FontStyles fontstyle;
    SkinColor fontcolor = 0;
    SkinColor activefontcolor = 0;
    SkinColor downfontcolor = 0;
    SkinColor disabledfontcolor = 0;
    SkinRect activeskinrect;
    SkinRect downskinrect;
    SkinRect disabledskinrect;
    bool morphing = false;
    MorphKind morphkind = MorphKind::mkDefault;
    SkinRect animateskinrect;
    int framecount = 0;
    int animateinterval = 25;
    bool showfocus = false;
    SkinRect menumarkerflatrect;
    SkinRect menumarkerrect;
    SkinRect menumarkeractiverect;
    SkinRect menumarkerdownrect;
    SkinColor menumarkertransparentcolor = 0;

    void LoadFromIni(const IniFile& ini) override;
    void SaveToIni(IniFile& ini) const override;
    std::string_view kindWord() const override { return "button"; }

  private:
    template <class Self, class Fields>
    static void fields(Self& self, Fields&& io);
};

// Buttons with a separate drop-down part.
class TbsDataSkinMenuButtonControl : public TbsDataSkinButtonControl {
  public:
    using TbsDataSkinButtonControl::TbsDataSkinButtonControl;
    SkinRect trackbuttonrect;

    void LoadFromIni(const IniFile& ini) override;
    void SaveToIni(IniFile& ini) const override;
    std::string_view kindWord() const override { return "menubutton"; }

  private:
    template <class Self, class Fields>
    static void fields(Self& self, Fields&& io);
};

}  // namespace vireltan
