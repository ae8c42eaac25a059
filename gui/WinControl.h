// TWinControl: a control with its own window, its children, tab order and focus; every message
// goes through a chain of installable hooks to the class's message table (WndProc) and from there,
// explicitly, to the default handling. TCustomControl adds a canvas and a virtual Paint.
#pragma once

#include "gui/Control.h"
#include "gui/Graphics.h"
#include "gui/HookChain.h"
#include "gui/Messages.h"

#include <memory>
#include <string>
#include <vector>

namespace vireltan {

struct CreateParams {
    std::wstring className;
    DWORD style = 0;
    DWORD exStyle = 0;
    int x = 0, y = 0, width = 0, height = 0;
    HWND parent = nullptr;
    // A system class (EDIT, tooltips) is created as it is and then subclassed; our own classes are
    // registered on first use with these values.
    bool systemClass = false;
    UINT classStyle = CS_DBLCLKS;
    HBRUSH background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
};

using WindowProcNext = std::function<void(TMessage&)>;
using WindowProcHookFn = std::function<void(TMessage& message, const WindowProcNext& next)>;

class TWinControl;

// One installed window-procedure hook; uninstalls itself when it goes (or stays inert when the
// control went first).
using WindowProcHook = HookRegistration<WindowProcHookFn>;

using TKeyEvent = std::function<void(WORD& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(wchar_t& key)>;

class TWinControl : public TControl {
  public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    static TWinControl* fromHandle(HWND window);

    bool isWindowed() const override { return true; }
    HWND handle();
    HWND allocatedHandle() const { return handle_; }  // null until the window exists; never creates it
    bool handleAllocated() const { return handle_ != nullptr; }
    void handleNeeded() { (void)handle(); }

    void setParent(TWinControl* parent) override;
    void setBounds(int left, int top, int width, int height) override;
    void setVisible(bool visible) override;
    void setEnabled(bool enabled) override;
    RECT clientRect() const override;
    std::string text() const override;
    void setText(const std::string& text) override;
    void invalidate() override;
    void invalidateRect(const RECT& rect);

    // Children in z-order, bottom first.
    const std::vector<TControl*>& controls() const { return controls_; }
    int controlCount() const { return static_cast<int>(controls_.size()); }
    // The topmost visible graphic child under a point in our client coordinates.
    TControl* controlAtPos(POINT point, bool allowDisabled = false) const;

    int tabOrder() const;
    void setTabOrder(int order);
    bool tabStop() const { return tabStop_; }
    void setTabStop(bool stop);
    bool canFocus() const;
    bool focused() const;
    void setFocus();
    // The next (or previous) control in tab order at any depth below us after `current`, wrapping.
    TWinControl* findNextControl(TWinControl* current, bool forward) const;

    // Sends the message through the hook chain and the table, as a window message would arrive.
    LRESULT perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    // Installs `hook` in front of everything installed before; it sees each message first and calls
    // `next` for what it does not consume.
    [[nodiscard]] WindowProcHook installWindowProcHook(WindowProcHookFn hook);

    // Tells the children their background changed: a message to windowed ones, a call to graphic ones.
    void notifyParentBackgroundChanged();

    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

  protected:
    friend class TControl;
    friend class TApplication;

    virtual void createParams(CreateParams& params);
    void createHandle();
    void destroyHandle();
    virtual void handleCreated();

    // The message table. Derived tables end in their base's table.
    virtual void WndProc(TMessage& message);
    // The system's handling of what the table leaves: the class's own procedure for a subclassed
    // system control, DefWindowProc for ours.
    virtual void DefaultHandler(TMessage& message);

    // Paints what is ours in the update region; graphic children follow it.
    virtual void paintWindow(HDC) {}
    void paintControls(HDC dc, const RECT& update);

    virtual void KeyDown(WORD& key, TShiftState shift);
    virtual void KeyUp(WORD& key, TShiftState shift);
    virtual void KeyPress(wchar_t& key);
    // Notification codes a child window sends its parent (WM_COMMAND), handed back to the child.
    virtual void commandNotification(WORD) {}
    // Colours of a system child control (WM_CTLCOLOR*); null leaves the default.
    virtual HBRUSH controlColor(HDC) { return nullptr; }
    // A windowed control somewhere below got the focus; the form remembers it.
    virtual void descendantFocused(TWinControl*) {}

    void fontChanged() override;
    void textChanged() override {}

    // Named members the table calls.
    void wmPaint(TMessage& message);
    void wmPrintClient(TMessage& message);
    void wmEraseBackground(TMessage& message);
    void wmWindowPosChanged(TMessage& message);
    void wmMouse(TMessage& message);
    void wmMouseLeave(TMessage& message);
    void wmCaptureChanged(TMessage& message);
    void wmCommand(TMessage& message);
    void wmControlColor(TMessage& message);
    void wmSetFocus(TMessage& message);
    void wmKillFocus(TMessage& message);
    void wmKeyDown(TMessage& message);
    void wmKeyUp(TMessage& message);
    void wmChar(TMessage& message);
    void wmNcDestroy(TMessage& message);

  private:
    friend LRESULT CALLBACK controlWindowProc(HWND, UINT, WPARAM, LPARAM);
    void insertControl(TControl* control);
    void removeControl(TControl* control);
    void dispatch(TMessage& message);
    void attach(HWND window);
    void detach();
    void setHover(TControl* control);
    void collectTabOrder(std::vector<TWinControl*>& list) const;

    TBrush background_;
    HWND handle_ = nullptr;
    WNDPROC defaultProc_ = nullptr;  // the system class's own procedure when subclassed
    std::vector<TControl*> controls_;
    std::vector<TWinControl*> tabList_;
    bool tabStop_ = false;
    TControl* captureControl_ = nullptr;  // graphic child holding the mouse between down and up
    TControl* hover_ = nullptr;           // control under the mouse (a graphic child or this)
    bool trackingLeave_ = false;
    HookChain<WindowProcHookFn> hooks_;
};

class TCustomControl : public TWinControl {
  public:
    explicit TCustomControl(TComponent* owner) : TWinControl(owner) {}
    TCanvas& canvas() { return canvas_; }

  protected:
    virtual void Paint() {}
    void paintWindow(HDC dc) override;

  private:
    TCanvas canvas_;
};

}  // namespace vireltan
