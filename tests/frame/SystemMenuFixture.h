// A skinned window as the calculator has it (its size, border icons and skin) with an edit holding
// the focus, for the tests of its system menu and the other menus of the frame.
#pragma once

#include "MenuWinTestSupport.h"
#include "SkinnedFormSupport.h"
#include "frame/SkinForm.h"
#include "gui/MaskEdit.h"

#include <gtest/gtest.h>

#include <memory>

namespace vireltan::testing {

constexpr int kWidth = 746, kHeight = 411;

class SystemMenuFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        form = singleBorderForm("   Vireltan - 12/2009", 60, 40, kWidth, kHeight);
        frame = skinnedFrame(*form, data, {true, true, false, false, false});
        ASSERT_NE(data, nullptr);
        edit = new TMaskEdit(form.get());
        edit->setParent(form.get());
        edit->setBounds(100, 100, 120, 20);
        edit->setText("12345");
        form->show();
        SetForegroundWindow(form->handle());
        pumpUntil([&] { return frame->IsFrameActive(); }, 2000);
        edit->setFocus();
        SetCursorPos(5, 5);
        pumpFor(30);
    }
    void TearDown() override {
        if (frame->SkinMenu().Visible()) frame->SkinMenu().Close();
        form.reset();
    }

    int sysMenuButton() const { return frame->findObject("sysmenubutton"); }
    RECT window() const {
        RECT w{};
        GetWindowRect(form->handle(), &w);
        return w;
    }
    // A press on the system-menu button, as the system reports it.
    void pressSysMenuButton() {
        const PixelRect& r = frame->layout().objects[std::size_t(sysMenuButton())].rect;
        const RECT w = window();
        const int x = w.left + (r.left + r.right) / 2, y = w.top + (r.top + r.bottom) / 2;
        SetCursorPos(x, y);
        SendMessageW(form->handle(), WM_NCHITTEST, 0, MAKELPARAM(x, y));
        SendMessageW(form->handle(), WM_NCLBUTTONDOWN, HTOBJECT, MAKELPARAM(x, y));
        SendMessageW(form->handle(), WM_LBUTTONUP, 0, 0);
        SetCursorPos(5, 5);
    }
    TbsSkinMenu& menu() { return frame->SkinMenu(); }
    TbsSkinPopupWindow& root() { return *menu().popup(0); }

    CursorRestore cursor;
    std::unique_ptr<TForm> form;
    SkinDataComponent* data = nullptr;
    TbsSkinForm* frame = nullptr;
    TMaskEdit* edit = nullptr;
};

// A click of the real mouse at a screen point, as the user makes it.
inline void mouseClickAt(int x, int y, DWORD down = MOUSEEVENTF_LEFTDOWN, DWORD up = MOUSEEVENTF_LEFTUP) {
    SetCursorPos(x, y);
    pumpFor(60);
    INPUT inputs[2]{};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = down;
    inputs[1].mi.dwFlags = up;
    SendInput(2, inputs, sizeof(INPUT));
    pumpFor(120);
}

}  // namespace vireltan::testing
