// The combo box's drop-down: opening the list under (or above) the box, closing it with or without a
// choice, following the pointer over the list while the button is held (with the timed scroll past its
// ends), and the application hook that closes the list on a press anywhere else.
#include "controls/ComboBox.h"

#include "gui/Platform.h"

#include <algorithm>

namespace vireltan {

bool TbsSkinComboBox::ownsWindow(HWND window) {
    if (!window) return false;
    if (handleAllocated() && (window == handle() || IsChild(handle(), window))) return true;
    return list_->handleAllocated() && (window == list_->handle() || IsChild(list_->handle(), window));
}

void TbsSkinComboBox::OpenList() {
    if (list_->count() == 0) return;
    enteredList_ = false;
    stopAutoScroll();
    if (OnDropDown) OnDropDown();
    if (list_->count() == 0) return;  // the event may have emptied the list
    const int listWidth = listBoxWidth_ > 0 ? listBoxWidth_ : width();
    list_->setOwnerWindow(GetAncestor(handle(), GA_ROOT));
    list_->setBounds(list_->left(), list_->top(), listWidth, list_->height());
    list_->setRowCount(std::min(list_->count(), dropDownCount_));

    RECT onScreen{};
    GetWindowRect(handle(), &onScreen);
    const RECT workArea = monitorRect(handle(), MonitorArea::WorkArea);
    const POINT position = dropDownPosition(onScreen, list_->height(), workArea);

    if (edit_) edit_->setFocus();
    rememberedIndex_ = list_->itemIndex();
    list_->setTopIndex(std::max(0, rememberedIndex_));
    list_->showAt(position);
    installCancelMode();
    invalidate();
}

void TbsSkinComboBox::CloseUp(bool choose) {
    stopAutoScroll();
    if (listTracking_) {
        listTracking_ = false;
        if (handleAllocated() && GetCapture() == handle()) ReleaseCapture();
    }
    if (!list_->isShown()) return;
    removeCancelMode();
    list_->hideList();
    const int index = list_->itemIndex();
    if (index < 0) {
        list_->setItemIndex(rememberedIndex_);
    } else if (choose) {
        const std::string item = list_->items()[static_cast<std::size_t>(index)];
        if (edit_) {
            edit_->setText(item);
            edit_->SelectAll();
        } else {
            setText(item);
        }
        rememberedIndex_ = index;
        fireClick();
    } else {
        list_->setItemIndex(rememberedIndex_);
    }
    invalidate();
    if (choose && OnCloseUp) OnCloseUp();
}

void TbsSkinComboBox::installCancelMode() {
    if (cancelMode_.installed()) return;
    // While the list is dropped a press anywhere else in the program closes it, as a click outside a
    // menu does; every message passes on unchanged.
    cancelMode_ = Application().installMessageHook([this](MSG& message) {
        switch (message.message) {
            case WM_LBUTTONDOWN:
            case WM_RBUTTONDOWN:
            case WM_MBUTTONDOWN:
            case WM_NCLBUTTONDOWN:
            case WM_NCRBUTTONDOWN:
            case WM_NCMBUTTONDOWN:
                // Posted, not called: closing removes this very hook.
                if (!ownsWindow(message.hwnd)) PostMessageW(handle(), WM_CANCELMODE, 0, 0);
                break;
            default:
                break;
        }
        return false;
    });
}

void TbsSkinComboBox::removeCancelMode() {
    cancelMode_.remove();
}

void TbsSkinComboBox::startAutoScroll(int mode) {
    if (mode == autoScrollMode_) return;
    autoScrollMode_ = mode;
    if (handleAllocated()) SetTimer(handle(), kAutoScrollTimer, kAutoScrollMs, nullptr);
}

void TbsSkinComboBox::stopAutoScroll() {
    if (autoScrollMode_ == 0) return;
    autoScrollMode_ = 0;
    if (handleAllocated()) KillTimer(handle(), kAutoScrollTimer);
}

void TbsSkinComboBox::autoScrollTick() {
    const int index = list_->itemIndex();
    if (autoScrollMode_ == 1 && index > 0) {
        list_->setItemIndex(index - 1);
        list_->makeVisible(index - 1);
    } else if (autoScrollMode_ == 2 && index < list_->count() - 1) {
        list_->setItemIndex(index + 1);
        list_->makeVisible(index + 1);
    }
}

bool TbsSkinComboBox::overListArea(POINT screen) {
    if (!list_->isShown()) return false;
    POINT local = screen;
    ScreenToClient(list_->handle(), &local);
    const RECT area = list_->listArea();
    return PtInRect(&area, local) != 0;
}

void TbsSkinComboBox::trackListMove(TShiftState shift, POINT screen) {
    RECT listRect{};
    GetWindowRect(list_->handle(), &listRect);
    if (PtInRect(&listRect, screen)) {
        stopAutoScroll();
        POINT local = screen;
        ScreenToClient(list_->handle(), &local);
        list_->MouseMove(shift, local.x, local.y);
        enteredList_ = true;
        return;
    }
    // Dragging past the list's edge scrolls it, once the pointer has been inside and there is
    // more to see.
    const bool canScroll = enteredList_ && list_->verticalScrollBar() != nullptr;
    if (screen.y < listRect.top && canScroll) {
        startAutoScroll(1);
    } else if (screen.y >= listRect.bottom && canScroll) {
        startAutoScroll(2);
    } else {
        stopAutoScroll();
    }
}

void TbsSkinComboBox::listMouseDown(int, int) {
    listTracking_ = true;
    enteredList_ = true;
    SetCapture(handle());
}

// ---- mouse ----------------------------------------------------------------------------------

}  // namespace vireltan
