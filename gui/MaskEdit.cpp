#include "gui/MaskEdit.h"

#include "gui/Utf.h"

namespace vireltan {

TMaskEdit::TMaskEdit(TComponent* owner) : TWinControl(owner) {
    setTabStop(true);
    setColor(clWindow);
    font().setColor(clWindowText);
    setBounds(0, 0, 121, 21);
}

LRESULT TMaskEdit::send(UINT msg, WPARAM wParam, LPARAM lParam) const {
    // The handle exists once the edit has a parent; before that there is nothing to ask.
    auto* self = const_cast<TMaskEdit*>(this);
    return self->handleAllocated() ? SendMessageW(self->handle(), msg, wParam, lParam) : 0;
}

void TMaskEdit::createParams(CreateParams& params) {
    TWinControl::createParams(params);
    params.className = L"EDIT";
    params.systemClass = true;
    params.style |= ES_AUTOHSCROLL | ES_LEFT;
    params.style &= ~static_cast<DWORD>(WS_CLIPCHILDREN);
    if (readOnly_) params.style |= ES_READONLY;
    if (border_) params.exStyle |= WS_EX_CLIENTEDGE;
}

void TMaskEdit::handleCreated() {
    TWinControl::handleCreated();
    if (maxLength_ > 0) send(EM_LIMITTEXT, static_cast<WPARAM>(maxLength_));
}

std::string TMaskEdit::text() const {
    return TWinControl::text();
}

void TMaskEdit::setText(const std::string& text) {
    if (!handleAllocated()) {
        TWinControl::setText(text);
        Change();
        return;
    }
    // The change event follows every assignment, the same text and the empty one included. The
    // same text is not sent to the control, which would redraw what it already shows.
    if (text == this->text()) {
        Change();
        return;
    }
    // The control's own notification is used when it comes, so the event never fires twice.
    changeSeen_ = false;
    SetWindowTextW(handle(), toWide(text).c_str());
    if (!changeSeen_) {
        textChanged();
        Change();
    }
}

void TMaskEdit::commandNotification(WORD code) {
    if (code == EN_CHANGE) {
        changeSeen_ = true;
        textChanged();
        Change();
    }
}

void TMaskEdit::Change() {
    if (OnChange) OnChange();
}

HBRUSH TMaskEdit::controlColor(HDC dc) {
    SetTextColor(dc, colorToRgb(font().color()));
    SetBkColor(dc, colorToRgb(color()));
    brush_.setColor(color());
    return brush_.handle();
}

int TMaskEdit::selStart() const {
    DWORD start = 0, end = 0;
    send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(start);
}

int TMaskEdit::selLength() const {
    DWORD start = 0, end = 0;
    send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(end - start);
}

void TMaskEdit::setSelStart(int start) {
    select(start, 0);
}

void TMaskEdit::setSelLength(int length) {
    select(selStart(), length);
}

void TMaskEdit::select(int start, int length) {
    send(EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(start + length));
}

void TMaskEdit::SelectAll() {
    send(EM_SETSEL, 0, -1);
}

std::string TMaskEdit::selText() const {
    const std::wstring all = toWide(text());
    const auto start = static_cast<std::size_t>(selStart());
    const auto length = static_cast<std::size_t>(selLength());
    return start <= all.size() ? toUtf8(all.substr(start, length)) : std::string();
}

std::string TMaskEdit::textOutsideSelection() const {
    std::wstring all = toWide(text());
    const auto start = std::min(static_cast<std::size_t>(selStart()), all.size());
    all.erase(start, static_cast<std::size_t>(selLength()));
    return toUtf8(all);
}

void TMaskEdit::setSelText(const std::string& text) {
    send(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(toWide(text).c_str()));
}

void TMaskEdit::CutToClipboard() {
    send(WM_CUT);
}
void TMaskEdit::CopyToClipboard() {
    send(WM_COPY);
}
void TMaskEdit::PasteFromClipboard() {
    send(WM_PASTE);
}
void TMaskEdit::ClearSelection() {
    send(WM_CLEAR);
}
void TMaskEdit::Undo() {
    send(EM_UNDO);
}
bool TMaskEdit::canUndo() const {
    return send(EM_CANUNDO) != 0;
}
void TMaskEdit::ClearUndo() {
    send(EM_EMPTYUNDOBUFFER);
}
bool TMaskEdit::modified() const {
    return send(EM_GETMODIFY) != 0;
}

void TMaskEdit::setReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    send(EM_SETREADONLY, readOnly ? TRUE : FALSE);
}

void TMaskEdit::setMaxLength(int length) {
    maxLength_ = length;
    send(EM_LIMITTEXT, static_cast<WPARAM>(length > 0 ? length : 0));
}

void TMaskEdit::WndProc(TMessage& message) {
    // clang-format off
    switch (message.msg) {
        case WM_SETFOCUS: wmSetFocus(message); break;
        default:          TWinControl::WndProc(message); break;
    }
    // clang-format on
}

void TMaskEdit::wmSetFocus(TMessage& message) {
    TWinControl::wmSetFocus(message);
    // Entering by keyboard selects everything; a click places the caret where it lands.
    if (autoSelect_ && GetKeyState(VK_LBUTTON) >= 0) SelectAll();
}

}  // namespace vireltan
