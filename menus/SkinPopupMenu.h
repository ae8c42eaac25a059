// TbsSkinPopupMenu: a popup menu component shown through the skinned engine: the engine of its form's
// frame when the form has one (so the frame's key hook and close handling serve it), else an engine
// of its own bound to the form.
#pragma once

#include "gui/Application.h"
#include "gui/Component.h"
#include "menus/SkinMenu.h"

#include <functional>
#include <vector>

namespace vireltan {

class TForm;
class TWinControl;
class MenuHost;

class TbsSkinPopupMenu : public TComponent {
  public:
    explicit TbsSkinPopupMenu(TComponent* owner);
    ~TbsSkinPopupMenu() override;

    std::vector<MenuItemData> Items;
    // The skin to draw with; null takes the frame's.
    TbsSkinData* SkinData = nullptr;
    // The form the menu belongs to; unset, its owner or its owner's owner when that is a form.
    void setForm(TForm* form) { form_ = form; }
    TForm* form() const;
    // Hears BSM_MENUCLOSED when the menu closes and CM_EDITMENUDONE after a chosen command has run.
    TWinControl* PopupComponent = nullptr;

    std::function<void()> OnPopup;
    // Runs the chosen item.
    std::function<void(const MenuItemData& item)> OnItemClick;

    // Opens the items with their top-left corner at the screen point (x, y) where they fit.
    void Popup(int x, int y);
    // The engine the last Popup went through, or null.
    TbsSkinMenu* engine() const { return engine_; }

    void Notification(TComponent* component, TOperation operation) override;

  private:
    void runItem(const MenuItemData& item);

    TForm* form_ = nullptr;
    TbsSkinMenu* ownEngine_ = nullptr;  // owned (a component of ours) once needed
    TbsSkinMenu* engine_ = nullptr;
    MessageHookRegistration ownHook_;
};

}  // namespace vireltan
