// A top-level window: caption, border, border icons, the create and show events, and the control
// that had the focus when it was last active.
#pragma once

#include "gui/WinControl.h"
#include "skin/SystemMenuItems.h"

namespace vireltan {

// A form answers this registered message with the number of GDI objects the program's handle
// owners hold (TApplication::liveGdiObjects): the soak's probe reads it where the system keeps no count.
inline constexpr wchar_t kGdiObjectCountQuery[] = L"Vireltan.GdiObjectCount";

// The form's own border icons are the first three of the skinned frame's set (biSystemMenu, biMinimize,
// biMaximize), with the same bits.
using TBorderIcon = TbsBorderIcon;
enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog };
enum class TPosition { poDesigned, poScreenCenter };

// How wide a form's frame is on each side, the caption included in the top.
struct FrameBorders {
    int left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const FrameBorders&, const FrameBorders&) = default;
};

// A component that draws a form's frame itself (the skinned frame) and so decides its size; the
// form asks it instead of the system when a client size is to become an outer size.
class FormFrame {
  public:
    virtual ~FormFrame() = default;
    virtual FrameBorders frameBorders() const = 0;
};

class TForm : public TWinControl {
  public:
    explicit TForm(TComponent* owner);
    ~TForm() override;

    std::string caption() const { return text(); }
    void setCaption(const std::string& caption) { setText(caption); }

    unsigned borderIcons() const { return borderIcons_; }
    void setBorderIcons(unsigned icons);
    TFormBorderStyle borderStyle() const { return borderStyle_; }
    void setBorderStyle(TFormBorderStyle style);
    TPosition position() const { return position_; }
    void setPosition(TPosition position) { position_ = position; }
    // The window class's name, for a program whose window is known by it.
    void setWindowClassName(const std::wstring& name) { windowClassName_ = name; }

    // Outer size from a wanted client size: around it the installed frame's borders, or without
    // one the system's border of the current style.
    void setClientSize(int width, int height);
    // The frame that draws this form's border, or null for the system's. Not owned: the frame
    // installs itself and takes itself out again before it goes.
    FormFrame* frame() const { return frame_; }
    void setFrame(FormFrame* frame) { frame_ = frame; }

    void show() { setVisible(true); }
    void hide() { setVisible(false); }
    void close();
    void setVisible(bool visible) override;

    TWinControl* activeControl() const { return activeControl_; }
    void setActiveControl(TWinControl* control);

    // Runs OnCreate; the builder calls it once every component exists.
    void DoCreate();

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnClose;

    void Notification(TComponent* component, TOperation operation) override;

  protected:
    void createParams(CreateParams& params) override;
    void WndProc(TMessage& message) override;
    void descendantFocused(TWinControl* control) override;

    void wmActivate(TMessage& message);
    void wmShowWindow(TMessage& message);
    void wmClose(TMessage& message);

  private:
    DWORD windowStyle() const;
    DWORD windowExStyle() const;
    void applyStyles();

    unsigned borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
    TPosition position_ = TPosition::poDesigned;
    std::wstring windowClassName_ = L"VireltanForm";
    TWinControl* activeControl_ = nullptr;
    FormFrame* frame_ = nullptr;
};

}  // namespace vireltan
