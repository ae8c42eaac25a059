// A one-line edit over the system EDIT control: text, selection, clipboard, undo, read-only,
// auto-select on entry, a key-press event that sees (and may change or drop) each character before
// the control inserts it, and a change event on every change of the text.
#pragma once

#include "gui/Graphics.h"
#include "gui/WinControl.h"

namespace vireltan {

class TMaskEdit : public TWinControl {
  public:
    explicit TMaskEdit(TComponent* owner);

    std::string text() const override;
    void setText(const std::string& text) override;
    void Clear() { setText(""); }

    // Selection in characters (UTF-16 code units, as the control counts them).
    int selStart() const;
    int selLength() const;
    void setSelStart(int start);
    void setSelLength(int length);
    void select(int start, int length);
    void SelectAll();
    std::string selText() const;
    // The text that stays when a typed character replaces the selection.
    std::string textOutsideSelection() const;
    // Replaces the selection as typing would (undoable).
    void setSelText(const std::string& text);

    void CutToClipboard();
    void CopyToClipboard();
    void PasteFromClipboard();
    void ClearSelection();
    void Undo();
    bool canUndo() const;
    void ClearUndo();
    bool modified() const;

    bool readOnly() const { return readOnly_; }
    void setReadOnly(bool readOnly);
    bool autoSelect() const { return autoSelect_; }
    void setAutoSelect(bool autoSelect) { autoSelect_ = autoSelect; }
    int maxLength() const { return maxLength_; }
    void setMaxLength(int length);
    bool border() const { return border_; }
    void setBorder(bool border) { border_ = border; }

    TNotifyEvent OnChange;

  protected:
    void createParams(CreateParams& params) override;
    void handleCreated() override;
    void commandNotification(WORD code) override;
    HBRUSH controlColor(HDC dc) override;
    void WndProc(TMessage& message) override;
    // The event: after every assignment of the text, and after every change typed or pasted.
    virtual void Change();
    // The text now differs from what the control showed before (the event may follow a write that
    // changed nothing); what a control redraws for its text belongs here.
    void textChanged() override {}

    void wmSetFocus(TMessage& message);

  private:
    LRESULT send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;

    bool readOnly_ = false;
    bool autoSelect_ = true;
    bool border_ = true;
    int maxLength_ = 0;
    bool changeSeen_ = false;
    TBrush brush_;
};

}  // namespace vireltan
