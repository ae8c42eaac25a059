// Skin objects: the elements a skin places on the window frame and in menus rather than on controls
// (the caption, caption buttons and their animations, menu items, main-menu-bar items and buttons,
// free user objects). Each definition reads its own section of the skin file; the frame and the menus
// turn the definitions into what they draw and hit-test.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "skin/IniFile.h"
#include "skin/SkinValues.h"

namespace vireltan {

// The keys every object kind except the user object reads. Members carry the key names of the skin
// file; the initial values are those an object keeps for the keys its class does not read.
class TbsDataSkinObject {
  public:
    explicit TbsDataSkinObject(std::string sectionName) : name(std::move(sectionName)) {}
    virtual ~TbsDataSkinObject() = default;

    std::string name;  // the section name, by which the frame finds the object
    std::string hint;
    int activepictureindex = -1;
    bool skinrectinapicture = false;
    SkinRect skinrect;
    SkinRect activeskinrect;
    SkinRect inactiveskinrect;
    bool morphing = false;
    MorphKind morphkind = MorphKind::mkDefault;

    // Each override reads (writes) the inherited keys first, then its own in file order.
    virtual void LoadFromIni(const IniFile& ini);
    virtual void SaveToIni(IniFile& ini) const;
    // The word after ":" that selects this class in [SKINOBJECTS]; empty for classes no word selects.
    virtual std::string_view kindWord() const { return {}; }

  private:
    template <class Self, class Fields>
    static void fields(Self& self, Fields&& io);
};

// A free object: only its place. The other base keys are not read and keep their initial values.
class TbsDataUserObject : public TbsDataSkinObject {
  public:
    using TbsDataSkinObject::TbsDataSkinObject;

    void LoadFromIni(const IniFile& ini) override;
    void SaveToIni(IniFile& ini) const override;
    std::string_view kindWord() const override { return "userobject"; }
};

// The base of caption buttons: pressed and disabled looks.
class TbsDataSkinButton : public TbsDataSkinObject {
  public:
    using TbsDataSkinObject::TbsDataSkinObject;
    SkinRect downrect;
    SkinRect disableskinrsect;  // spelled so in skin files

    void LoadFromIni(const IniFile& ini) override;
    void SaveToIni(IniFile& ini) const override;
    std::string_view kindWord() const override { return "button"; }

  private:
    template <class Self, class Fields>
    static void fields(Self& self, Fields&& io);
};

// A caption button that carries out a window command.
class TbsDataSkinStdButton : public TbsDataSkinButton {
  public:
    using TbsDataSkinButton::TbsDataSkinButton;
    StdCommand command = StdCommand::cmDefault;
    SkinRect restorerect;
    SkinRect restoreactiverect;
    SkinRect restoredownrect;
    SkinRect restoreinactiverect;

    void LoadFromIni(const IniFile& ini) override;
    void SaveToIni(IniFile& ini) const override;
    std::string_view kindWord() const override { return "stdbutton"; }

  private:
    template <class Self, class Fields>
    static void fields(Self& self, Fields&& io);
};

// The same buttons on the main menu bar; they read exactly the keys of a standard button.
class TbsDataSkinMainMenuBarButton : public TbsDataSkinStdButton {
  public:
    using TbsDataSkinStdButton::TbsDataSkinStdButton;
    std::string_view kindWord() const override { return "mainmenubarbutton"; }
};

// The animations played when the window is minimized or maximized, and animated buttons. An
// animation never morphs, whatever its section says.
class TbsDataSkinAnimate : public TbsDataSkinObject {
  public:
    using TbsDataSkinObject::TbsDataSkinObject;
    int countframes = 1;
    bool cycle = false;
    bool buttonstyle = false;
    int timerinterval = 50;
    StdCommand command = StdCommand::cmDefault;
    SkinRect downskinrect;
    SkinRect restorerect;
    SkinRect restoreactiverect;
    SkinRect restoredownrect;
    SkinRect restoreinactiverect;

    void LoadFromIni(const IniFile& ini) override;
    void SaveToIni(IniFile& ini) const override;
    std::string_view kindWord() const override { return "animate"; }

  private:
    template <class Self, class Fields>
    static void fields(Self& self, Fields&& io);
};

// Items of skinned pop-up menus, the system menu among them.
class TbsDataSkinMenuItem : public TbsDataSkinObject {
  public:
    using TbsDataSkinObject::TbsDataSkinObject;
    int itemleftoffset = 0;
    int itemrightoffset = 0;
    SkinRect dividerrect;
    int dividerleftoffset = 0;
    int dividerrightoffset = 0;
    SkinRect textrect;
    SkinRect imagerect;
    std::string fontname = "Arial";
    int fontheight = 14;
    FontStyles fontstyle;
    SkinColor fontcolor = 0;
    SkinColor activefontcolor = 0;
    SkinColor unenabledfontcolor = 0;
    bool stretcheffect = false;
    bool inactivestretcheffect = false;
    bool dividerstretcheffect = false;
    SkinRect animateskinrect;
    int framecount = 0;
    int animateinterval = 25;
    bool inactiveanimation = false;
    bool useimagecolor = false;
    SkinColor imagecolor = 0;
    SkinColor activeimagecolor = 0;

    void LoadFromIni(const IniFile& ini) override;
    void SaveToIni(IniFile& ini) const override;
    std::string_view kindWord() const override { return "menuitem"; }

  private:
    template <class Self, class Fields>
    static void fields(Self& self, Fields&& io);
};

// Items of the main menu bar (selected through TbsDataSkinMainMenuBarItem).
class TbsDataSkinMainMenuItem : public TbsDataSkinObject {
  public:
    using TbsDataSkinObject::TbsDataSkinObject;
    int itemleftoffset = 0;
    int itemrightoffset = 0;
    SkinRect downrect;
    SkinRect textrect;
    std::string fontname = "Arial";
    int fontheight = 14;
    FontStyles fontstyle;
    SkinColor fontcolor = 0;
    SkinColor activefontcolor = 0;
    SkinColor downfontcolor = 0;
    SkinColor unenabledfontColor = 0;  // the key is written so; key names ignore case
    bool stretcheffect = false;
    SkinRect animateskinrect;
    int framecount = 0;
    int animateinterval = 25;
    bool inactiveanimation = false;

    void LoadFromIni(const IniFile& ini) override;
    void SaveToIni(IniFile& ini) const override;

  private:
    template <class Self, class Fields>
    static void fields(Self& self, Fields&& io);
};

class TbsDataSkinMainMenuBarItem : public TbsDataSkinMainMenuItem {
  public:
    using TbsDataSkinMainMenuItem::TbsDataSkinMainMenuItem;
    std::string_view kindWord() const override { return "mainmenubaritem"; }
};

// The window caption.
class TbsDataSkinCaption : public TbsDataSkinObject {
  public:
    using TbsDataSkinObject::TbsDataSkinObject;
    SkinRect textrect;
    std::string fontname = "Arial";
    int fontheight = 14;
    FontStyles fontstyle;
    SkinColor fontcolor = 0;
    SkinColor activefontcolor = 0;
    Alignment alignment = Alignment::taCenter;
    bool light = false;
    SkinColor lightcolor = 0;
    SkinColor activelightcolor = 0;
    bool shadow = false;
    SkinColor shadowcolor = 0;
    SkinColor activeshadowcolor = 0;
    SkinRect framerect;
    SkinRect activeframerect;
    SkinRect frametextrect;
    int frameleftoffset = 0;
    int framerightoffset = 0;
    bool stretcheffect = false;
    SkinRect animateskinrect;
    int framecount = 0;
    int animateinterval = 25;
    bool inactiveanimation = false;
    bool fullframe = false;

    void LoadFromIni(const IniFile& ini) override;
    void SaveToIni(IniFile& ini) const override;
    std::string_view kindWord() const override { return "caption"; }

  private:
    template <class Self, class Fields>
    static void fields(Self& self, Fields&& io);
};

// A new, unread definition of the class a kind word selects; null for a word no class answers to
// (words compare exactly, so "Button" selects nothing).
std::unique_ptr<TbsDataSkinObject> makeSkinObject(std::string_view kind, std::string name);

// The kind words in the order the skin format lists them.
std::vector<std::string_view> skinObjectKinds();

// Reads [SKINOBJECTS]: one definition per entry of a known kind, each constructed with its name and
// read from its section at once, in file order. Entries of unknown kinds create nothing. A malformed
// skin rectangle or point anywhere stops the read with SkinConvertError.
std::vector<std::unique_ptr<TbsDataSkinObject>> ReadSkinObjects(const IniFile& ini);

}  // namespace vireltan
