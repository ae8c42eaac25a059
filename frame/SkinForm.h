// The skinned window frame: a component dropped on a form that takes over the form's non-client
// area through the form's window-procedure hook. It answers the frame's messages itself (size, hit
// test, painting, activation, the mouse over its objects) and passes every other message on to the
// form's previous handling, unchanged and in order. The numbers come from the portable frame model
// in skin/ (geometry, layout, hit test, button states, window-state arithmetic, paint plan); this
// class only applies them to the window.
#pragma once

#include "frame/FrameModel.h"
#include "gui/Bitmap.h"
#include "gui/Form.h"
#include "gui/SkinComponents.h"
#include "gui/Timer.h"
#include "menus/MenuHost.h"
#include "menus/SkinMenu.h"
#include "skin/SystemMenuItems.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vireltan {

class TbsTrayIcon;
class TbsSkinPopupMenu;

class TbsSkinForm : public TComponent, public FormFrame, public MenuHost {
  public:
    // The owner must be a form (std::bad_cast otherwise); the frame hooks itself in front of it.
    explicit TbsSkinForm(TComponent* owner);
    ~TbsSkinForm() override;

    TForm& ownerWindow() const { return *form_; }

    // Published properties (the ones this program's windows use).
    SkinDataComponent* skinDataComponent() const { return skinDataComponent_; }
    TbsSkinData* SkinData() const { return skinData_; }
    // Setting the skin data applies it at once.
    void setSkinData(SkinDataComponent* data);
    const TbsBorderIcons& BorderIcons() const { return borderIcons_; }
    void setBorderIcons(const TbsBorderIcons& icons);
    bool ShowIcon() const { return showIcon_; }
    // The system-menu button (one whose image is a picture of its own) shows the window's small icon;
    // the frame is painted again.
    void setShowIcon(bool value);
    // The picture drawn centred on the client background, kept as a copy; an empty one is no logo.
    const TBitmap& LogoBitMap() const { return logo_; }
    void setLogoBitMap(const TBitmap& picture);
    // A bitmap not selected into any device context (a resource, say).
    void setLogoBitMap(HBITMAP picture);
    // The logo leaves out the pixels of its bottom-left pixel's colour.
    bool LogoBitMapTransparent() const { return logoTransparent_; }
    void setLogoBitMapTransparent(bool value);
    bool HideCaptionButtons = false;
    // Minimizing sends the application to the tray (with a TrayIcon).
    bool AlwaysMinimizeToTray = false;
    // The TrayIcon stays in the notification area while the application is not in the tray.
    bool AlwaysShowInTray = false;
    TbsTrayIcon* TrayIcon() const { return trayIcon_; }
    // Not owned. A new icon is hidden unless AlwaysShowInTray; one without a menu gets the frame's
    // tray menu, one without a double-click handler brings the application back from the tray.
    void setTrayIcon(TbsTrayIcon* icon);
    // Nothing without a TrayIcon: the application into the tray, and back.
    void SendToTray();
    void RestoreFromTray();
    // The tray menu's one entry point, at the pointer. Unset, the frame opens "&Restore" and "&Close"
    // in a plain popup menu; the skinned menu engine takes this place later.
    std::function<void(POINT at)> OnTrayMenu;
    bool UseFormCursorInNCArea = false;
    bool Magnetic = false;
    int MagneticSize = 5;
    bool AlphaBlend() const { return alphaBlend_; }
    // Layers the window (or ends its layering) at once; the value applies at once while layered.
    void setAlphaBlend(bool value);
    int AlphaBlendValue() const { return alphaBlendValue_; }
    void setAlphaBlendValue(int value);
    bool AlphaBlendAnimation = false;
    bool MaximizeOnFullScreen = false;
    TbsPositionInMonitor PositionInMonitor = TbsPositionInMonitor::bspDefault;
    int MinWidth = 0, MinHeight = 0, MaxWidth = 0, MaxHeight = 0;
    int ClientWidth = 0, ClientHeight = 0;

    std::function<void()> OnActivate, OnDeActivate, OnMinimize, OnMaximize, OnRestore, OnChangeRollUpState;
    std::function<void()> OnMinimizeToTray, OnRestoreFromTray;
    std::function<void()> OnChangeSkinData, OnBeforeChangeSkinData, OnAfterChangeSkinData;
    // The skin objects' events: x and y are window coordinates, (-1, -1) for a release over the client
    // area while the object held the mouse.
    using ObjectMouseEvent = std::function<void(const std::string& idName, int x, int y,
                                                const PixelRect& objectRect, MouseButton button)>;
    ObjectMouseEvent OnMouseDownEvent, OnMouseUpEvent;
    std::function<void(const std::string& idName, int x, int y, const PixelRect& objectRect)>
        OnMouseMoveEvent;
    std::function<void(const std::string&idName)> OnMouseEnterEvent, OnMouseLeaveEvent;
    // Draws the caption text instead of the frame: the context drawn on (the top piece, or the plain
    // caption bar), the caption's rectangle on it and whether the window is active.
    std::function<void(HDC canvas, const RECT& rect, bool active)> OnCaptionPaint;
    // Replaces the system menu (tests of its triggers): called with the anchor in screen coordinates
    // instead of opening the skinned menu, which then counts as closed at once.
    std::function<void(const RECT& anchor)> OnSystemMenu;
    // A menu of the user's own as the system menu's root; with UseDefaultSysMenu the standard items
    // are put into it (first, and close last) each time it opens.
    std::optional<std::vector<MenuItemData>> SystemMenu;
    bool UseDefaultSysMenu = true;
    // Runs an item of the user's SystemMenu (the standard items run the window commands).
    std::function<void(const MenuItemData& item)> OnSystemMenuItem;
    std::function<void()> OnSkinMenuOpen, OnSkinMenuClose;
    // The skin the menus are drawn with instead of SkinData (not owned; null: SkinData's).
    SkinDataComponent* MenusSkinData() const { return menusSkinData_; }
    void setMenusSkinData(SkinDataComponent* data);
    // The menus' translucency, handed to the menu engine whenever a menu opens.
    bool MenusAlphaBlend = false;
    bool MenusAlphaBlendAnimation = false;
    int MenusAlphaBlendValue = 200;

    // Operations named as the frame's other parts call them.
    void ApplyFrameSkin();
    void UpdateFrame(bool rebuild);
    void UpdateWindowRegion(bool rebuild);
    int MinFrameWidth() const;
    int MinFrameHeight() const;
    int MaxFrameWidth() const;
    int MaxFrameHeight() const;
    bool IsFrameActive() const { return active_; }
    void SetFrameWindowState(TbsFrameWindowState state);
    void SetRollUpState(bool on);
    void PopupSystemMenu(const RECT& anchor);
    void DoCommand(int object);

    bool FrameSkinned() const { return frameSkinned_; }
    bool SkinReady() const { return skinReady_; }
    TbsFrameWindowState FrameWindowState() const { return model_.state; }
    bool RolledUp() const { return model_.rolledUp; }
    // The layout both painting and hit testing read, for the window's current size.
    const FrameLayout& layout() const { return layout_; }
    int activeObject() const { return pointer_.active; }
    int findObject(std::string_view idName) const;
    // Whether a window region (the skin's outline) has been handed to the system.
    bool hasWindowRegion() const { return regionSet_; }

    FrameBorders frameBorders() const override;

    // The menu engine of the window (the system menu, and every skinned popup menu of the form).
    TbsSkinMenu& SkinMenu() override { return *skinMenu_; }
    const TbsSkinData* menusSkin() const override;
    MenuStringLookup menuStrings() const override;
    void markMenuOpen() override;
    bool menuOpen() const { return menuOpen_; }
    // The system menu's items for the window as it is now.
    std::vector<MenuItemData> systemMenuItems();

    // What the frame has painted, for tests and measurements.
    struct PaintCounts {
        int framePaints = 0;   // whole frames (four pieces composed)
        int objectDraws = 0;   // single objects redrawn on the window
        int captionTexts = 0;  // caption texts drawn
        int clientBackgrounds = 0;
    };
    const PaintCounts& paintCounts() const { return paintCounts_; }
    // The four pieces of the last frame paint, as composed (top, bottom, left, right).
    const TBitmap& piece(FramePiece which) const { return pieces_[std::size_t(which)]; }

    void Notification(TComponent* component, TOperation operation) override;

  private:
    // The message table, and one member per row.
    void FrameWndProc(TMessage& message, const WindowProcNext& next);
    void onDestroy();
    void onSize();
    void onSizing(RECT& proposed);
    void onActivate();
    void onSetText();
    void onShowWindow(bool show);
    void onSetCursor(TMessage& message);
    void onGetMinMaxInfo(MINMAXINFO& info);
    void onNcCalcSize(TMessage& message);
    LRESULT onNcHitTest(LPARAM position);
    void onNcPaint();
    void onNcActivate(bool active);
    void onKeyMenu(LPARAM key);
    bool onShortCut(const MSG& message);
    void onAlphaTimer();
    void onMoving(RECT& proposed);
    void onEnterSizeMove();
    void onExitSizeMove();
    void onBeforeChange(const TbsSkinData* sender);
    void onChange(const TbsSkinData* sender);
    void onSkinnableForm(const TbsSkinData* sender);
    void onMenuClosed();
    void closeSkinMenu();
    bool pressClosesSystemMenu(const TMessage& m) const;
    void runSystemMenuItem(const MenuItemData& item);
    SystemMenuState systemMenuState() const;
    void onPrintRequest(HDC dc);
    void onNcMouse(UINT msg, WPARAM hit, LPARAM position);
    void onClientButtonUp(MouseButton button);

    // Geometry.
    HWND windowHandle() const;
    RECT windowRect() const;
    int windowWidth() const;
    int windowHeight() const;
    void frameSize(int& width, int& height) const;
    bool toolWindow() const { return false; }
    bool borderNone() const;
    bool sizeable() const;
    void refreshLayout(int width, int height);
    void recomputeFrame();
    RECT workArea(bool wholeMonitor) const;

    // Painting (SkinFormPaint.cpp).
    void PaintSkinFrame(HDC dc);
    void PaintPlainFrame(HDC dc);
    void PaintClientBackground(HDC dc);
    void drawLogo(HDC dc, const RECT& client);
    void repaintClient();
    // The window's small icon (its own, its class's, or the system's application icon).
    HICON windowSmallIcon() const;
    // The icon into a piece or bar whose window origin is at `origin`, for each object that shows it.
    void drawWindowIcons(HDC dc, PixelPoint origin, bool bottomPiece, int clientTop);
    // The brush that repeats a tile from (0, 0) of the client area, made once per skin and tile.
    HBRUSH tileBrush(const Raster& picture, const PixelRect& tile);
    void RedrawObject(int object);
    void drawCaptionText(HDC dc, const FrameObject& caption);
    PlainColours plainColours() const;
    PlainButtonState plainButtonState() const;
    void paintFrame(HDC dc);
    void sendNcPaint();

    // The tray (SkinFormTray.cpp).
    void popupTrayMenu(POINT at);
    void releaseTrayIcon();

    // Objects and the pointer (SkinFormObjects.cpp).
    void createObjects();
    void freeObjects();
    ObjectContext objectContext() const;
    void TrackActiveObject(PixelPoint p, bool inside);
    // Carries out what the pointer model asks for: capture, each object's reaction, the caption's
    // command and the system menu at the cursor.
    void carry(const PointerResult& result, MouseButton button);
    void applyReaction(int object, const ObjectReaction& reaction, PixelPoint p, MouseButton button);
    void runCommand(FrameCommand command, int object);
    PixelPoint windowOrigin() const;
    void setCaptionActive(bool repaint);
    void trackTimer();
    void morphTimer();
    void animateTimer();
    void setBounds(const PixelRect& bounds);
    WindowStateInput windowStateInput() const;

    TForm* form_ = nullptr;
    WindowProcHook hook_;
    SkinDataComponent* skinDataComponent_ = nullptr;
    TbsSkinData* skinData_ = nullptr;
    TbsBorderIcons borderIcons_{};
    bool showIcon_ = false;
    TBitmap logo_;
    bool logoTransparent_ = false;
    bool alphaBlend_ = false;
    int alphaBlendValue_ = 200;

    bool frameSkinned_ = true;
    bool skinReady_ = false;
    bool skinChanging_ = false;
    bool active_ = false;
    bool fullDrag_ = true;
    bool regionSet_ = false;
    PixelPoint regionSize_{-1, -1};  // the size the region was made for; -1 after a skin change
    FrameRegionAction regionAction_ = FrameRegionAction::Remove;  // and the rule that made it
    int frameWidth_ = 0, frameHeight_ = 0;
    FrameWindowModel model_;
    SnapState snap_;

    FramePictures pictures_;  // the skin's pictures as rasters, converted once per skin
    FrameLayout layout_;
    std::optional<FrameShape> shape_;
    FramePointer pointer_;

    TbsSkinMenu* skinMenu_ = nullptr;  // owned (a component of ours)
    SkinDataComponent* menusSkinData_ = nullptr;
    bool menuOpen_ = false;
    bool systemMenuShown_ = false;  // the open menu is the system menu (not a popup menu of the form)
    MessageHookRegistration menuHook_;
    MessageHookRegistration shortCutHook_;  // the window's keyboard handler (Alt+Space)
    TbsTrayIcon* trayIcon_ = nullptr;
    TbsSkinPopupMenu* trayMenu_ = nullptr;  // owned (a component of ours) once the icon asked for it
    bool trayMenuInstalled_ = false, trayDblClickInstalled_ = false;

    TTimer* trackTimer_ = nullptr;
    TTimer* morphTimer_ = nullptr;
    TTimer* animateTimer_ = nullptr;

    std::array<TBitmap, 4> pieces_;
    TBitmap objectBitmap_;
    TBitmap clientBitmap_;
    BrushHandle tileBrush_;
    PixelRect tileBrushSource_;
    const Raster* tileBrushPicture_ = nullptr;
    NoiseGenerator noise_;
    TFont captionFont_;
    PaintCounts paintCounts_;
};

}  // namespace vireltan
