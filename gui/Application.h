// The application object: the form list, the message loop with its hook, the error report and the
// hint. There is exactly one, reached through Application().
#pragma once

#include <windows.h>

#include "gui/Handles.h"
#include "gui/HookChain.h"

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace vireltan {

class TForm;
class THintWindow;
class TimerWindow;
class PaintBuffer;
class TWinControl;

// The application's message hooks see every message its loops take from the queue, newest first; one
// that answers true consumes the message.
using MessageHook = std::function<bool(MSG&)>;
using MessageHookRegistration = HookRegistration<MessageHook>;

// While one exists, the messages a modal loop of the system takes from the queue (a message box's,
// a popup menu's) pass the application's message hooks too, as the application's own loop's do.
// Nested ones count as one.
class ModalMessageFilter {
  public:
    ModalMessageFilter();
    ModalMessageFilter(const ModalMessageFilter&) = delete;
    ModalMessageFilter& operator=(const ModalMessageFilter&) = delete;
    ~ModalMessageFilter();

  private:
    HHOOK hook_ = nullptr;
};

class TApplication {
  public:
    TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;
    ~TApplication();

    // Registers the common control classes the library uses (tooltips).
    void Initialize();

    const std::string& title() const { return title_; }
    void setTitle(const std::string& title) { title_ = title; }

    // With this set the main form itself carries the taskbar button and every other form is owned
    // by it (and so has none).
    bool mainFormOnTaskBar() const { return mainFormOnTaskBar_; }
    void setMainFormOnTaskBar(bool value) { mainFormOnTaskBar_ = value; }

    // The first form created unless set otherwise.
    TForm* mainForm() const { return mainForm_; }
    void setMainForm(TForm* form) { mainForm_ = form; }
    const std::vector<TForm*>& forms() const { return forms_; }
    TForm* activeForm() const { return activeForm_; }

    // The loop: until the quit message (posted by Terminate or by closing the main form).
    void Run();
    // Waits for one message and handles it.
    void HandleMessage();
    // Handles everything queued now, without waiting.
    void ProcessMessages();
    void Terminate();
    bool terminated() const { return terminated_; }
    // Hook, hint, keyboard navigation, then translation and dispatch: the way of one queued message.
    void processMessage(MSG& message);

    // Sees every message the loop (or a modal loop under a ModalMessageFilter) takes from the queue
    // before anything else does; returning true consumes it. The hook installed last sees a message
    // first; one that consumes it hides it from the hooks installed before it.
    using MessageHook = vireltan::MessageHook;
    [[nodiscard]] MessageHookRegistration installMessageHook(MessageHook hook);
    // Runs the installed hooks on `message`; true when one consumed it.
    bool runMessageHooks(MSG& message);

    // Call inside a catch block: reports the exception in flight.
    void handleException();
    // The modal report. While one is open, further failures are not reported (they would pile up
    // one box inside the other, a new one every timer tick).
    void ShowException(const std::string& message);
    bool errorReportOpen() const { return errorReportOpen_; }
    // The message with a full stop appended when it is not empty and its last character's code
    // is greater than that of the full stop.
    static std::string errorReportText(const std::string& message);

    // Sends a message synchronously to every form in list order; `first` gets it before the others.
    void broadcast(UINT msg, WPARAM wParam, LPARAM lParam, TForm* first = nullptr);

    THintWindow& hintWindow();
    // The hidden window the program's timers tick through, made at the first timer that runs.
    TimerWindow& timerWindow();
    // The memory of the bitmaps that live for one paint (gui/PaintBuffer.h), made at the first.
    PaintBuffer& paintBuffer();
    // A memory context of the screen, kept for measuring text as the screen would show it: cheaper
    // than a screen context fetched and given back for each measurement. Whoever selects into it
    // selects the previous object back before returning.
    HDC measuringContext();

    // Our control of each of our windows, null for any other window. Every message needs it; an
    // index kept here answers without asking the window system (under Wine a window property is a
    // request to the server).
    TWinControl* controlOf(HWND window) const;
    void bindWindow(HWND window, TWinControl* control);
    void unbindWindow(HWND window);

    // The GDI objects and memory contexts our handle owners (gui/Handles.h) hold now. Where the
    // system keeps no count of a process's GDI objects (Wine), this is what tells a leak.
    long liveGdiObjects() const { return liveGdiObjects_; }
    void countGdiObjects(int delta) { liveGdiObjects_ += delta; }
    // DIB sections made so far: the tally that tells a paint which makes a bitmap each time it runs.
    long dibSectionsMade() const { return dibSectionsMade_; }
    void countDibSection() { ++dibSectionsMade_; }

    // Kept by TForm.
    void addForm(TForm* form);
    void removeForm(TForm* form);
    void setActiveForm(TForm* form) { activeForm_ = form; }

  private:
    bool isHintMessage(const MSG& message);
    bool isTabNavigation(const MSG& message);

    std::string title_;
    bool mainFormOnTaskBar_ = true;
    TForm* mainForm_ = nullptr;
    TForm* activeForm_ = nullptr;
    std::vector<TForm*> forms_;
    bool terminated_ = false;
    HookChain<MessageHook> messageHooks_;
    bool errorReportOpen_ = false;
    std::unique_ptr<THintWindow> hintWindow_;
    std::unique_ptr<TimerWindow> timerWindow_;
    std::unique_ptr<PaintBuffer> paintBuffer_;
    DeviceContext measuringContext_;
    std::unordered_map<HWND, TWinControl*> controls_;
    long liveGdiObjects_ = 0;
    long dibSectionsMade_ = 0;
};

TApplication& Application();

}  // namespace vireltan
