// TbsSkinEdit: a one-line text field over the native edit. Without a skin it has a plain two-pixel
// frame (button-shadow outline, button-face line) around a DefaultColor area; it keeps Enter and
// Escape out of the text, guards a read-only field against every editing path, and offers the
// editing commands in a context menu whose commands all run through runEditCommand.
#pragma once

#include "controls/SkinLink.h"
#include "gui/MaskEdit.h"
#include "skin/EditContextMenu.h"
#include "skin/SkinControlsCommon.h"

#include <functional>
#include <string>
#include <vector>

namespace vireltan {

class TbsSkinPopupMenu;

enum class EditCommand { Undo, Cut, Copy, Paste, Delete, SelectAll };

// Shows the items at a screen position and returns the index of the chosen one, or -1, before it
// returns (a stand-in for the skinned menu, which shows them and comes back later).
using EditMenuPresenter =
    std::function<int(TWinControl& owner, const std::vector<MenuItemData>& items, POINT at)>;

class TbsSkinEdit : public TMaskEdit, public SkinClient {
  public:
    explicit TbsSkinEdit(TComponent* owner);

    TColor DefaultColor() const { return defaultColor_; }
    void setDefaultColor(TColor color);
    TFont& DefaultFont() { return defaultFont_; }
    void setDefaultFont(const FontDescription& font) { defaultFont_.assign(font); }
    bool UseSkinFont() const { return useSkinFont_; }
    void setUseSkinFont(bool value);
    int DefaultWidth() const { return defaultWidth_; }
    void setDefaultWidth(int width);
    int DefaultHeight() const { return defaultHeight_; }
    void setDefaultHeight(int height);
    bool ButtonMode() const { return buttonMode_; }
    void setButtonMode(bool value);
    TAlignment Alignment() const { return alignment_; }
    void setAlignment(TAlignment value);

    TbsSkinData* SkinData() const override { return link_.data; }
    void setSkinData(TbsSkinData* data) override;
    const std::string& SkinDataName() const { return link_.name; }
    void setSkinDataName(const std::string& name) { link_.name = name; }
    int definitionIndex() const { return link_.index; }
    void ApplySkin() override;
    void ForgetSkin() override { link_.index = -1; }

    void setBounds(int left, int top, int width, int height) override;
    void setEnabled(bool enabled) override;

    // Font height on the screen plus the frame: the height a field with UseSkinFont off keeps.
    int fittedHeight();
    // The client area in window coordinates.
    RECT clientArea() const;
    // The button's rectangle in window coordinates (ButtonMode).
    RECT buttonRect() const;
    // An `edit`-kind definition with its picture was found: the frame and background come from it.
    bool hasSkinLook() const;
    bool hot() const { return hot_; }

    void MouseEnter() override;
    void MouseLeave() override;

    // The context menu: its items with their enabled state as of now (captions from the form's skin
    // strings when it has them), and the one place that runs a chosen command.
    std::vector<MenuItemData> contextMenuItems() const;
    void runEditCommand(EditCommand command);
    // Opens the items in the skinned popup menu of the parent form; the chosen command runs when the
    // menu reports it, and CM_EDITMENUDONE follows it.
    void showContextMenu(POINT screen);
    // The skinned popup menu the context menu showed in last, or null.
    TbsSkinPopupMenu* contextMenu() const { return contextMenu_; }
    // Shows the items instead of the skinned menu when set.
    EditMenuPresenter MenuPresenter;

    TNotifyEvent OnButtonClick;

  protected:
    void createParams(CreateParams& params) override;
    void handleCreated() override;
    void fontChanged() override;
    void textChanged() override;
    HBRUSH controlColor(HDC dc) override;
    void WndProc(TMessage& message) override;
    void Loaded() override;

    void wmNcCalcSize(TMessage& message);
    void wmNcPaint(TMessage& message);
    void wmEraseBackground(TMessage& message);
    void wmKeyDownGuarded(TMessage& message);
    void wmCharGuarded(TMessage& message);
    void wmPaste(TMessage& message);
    void wmContextMenu(TMessage& message);
    void wmPaintFrameRequest(TMessage& message);
    void wmNcHitTest(TMessage& message);
    void wmNcMouse(TMessage& message);
    void wmPaintDisabled(TMessage& message);
    void paintDisabledText(HDC dc);

  private:
    const TbsDataSkinEditControl* skinDefinition() const;
    const Raster* skinPicture() const;
    // Hot or focused: the active skin rectangle and font colour.
    bool active() const { return hot_ || focused(); }
    void applyFontColor();
    void applySkinFont();
    void paintFrame(HDC dc);
    void paintPlainFrame(HDC dc, int w, int h);
    void repaintAll();
    void repaintFrame();
    void setMargins();
    void recreateWindow();

    SkinLink link_;
    TColor defaultColor_ = clWindow;
    TFont defaultFont_;
    bool useSkinFont_ = true;
    int defaultWidth_ = 0;
    int defaultHeight_ = 0;
    bool buttonMode_ = false;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    TBrush backgroundBrush_;
    bool hot_ = false;
    bool buttonHot_ = false;
    bool buttonPressed_ = false;
    TbsSkinPopupMenu* contextMenu_ = nullptr;  // owned (a component of ours) once used
};

}  // namespace vireltan
