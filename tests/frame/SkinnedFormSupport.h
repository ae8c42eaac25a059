// A test window in the skinned frame, as the calculator wears it: made in two steps, so that a test
// can install its own hooks on the window before the frame installs its.
#pragma once

#include "GuiTestSupport.h"
#include "frame/SkinForm.h"
#include "gui/Bitmap.h"
#include "gui/Messages.h"

#include <memory>
#include <string>

namespace vireltan::testing {

// A single-border window at the given place, not shown.
inline std::unique_ptr<TForm> singleBorderForm(const std::string& caption, int left, int top, int width,
                                               int height) {
    auto form = std::make_unique<TForm>(nullptr);
    form->setBorderStyle(TFormBorderStyle::bsSingle);
    form->setCaption(caption);
    form->setBounds(left, top, width, height);
    return form;
}

// The frame on `form` with the window's stored skin (`data`, null when it did not load) and the
// given caption buttons.
inline TbsSkinForm* skinnedFrame(TForm& form, SkinDataComponent*& data, const TbsBorderIcons& icons) {
    data = loadWindowSkin(form);
    auto* frame = new TbsSkinForm(&form);
    frame->setBorderIcons(icons);
    if (data) frame->setSkinData(data);
    return frame;
}

// The whole window's pixels as its frame paints them on request, the client area left black; false
// when the window did not answer the request.
inline bool printFrame(TForm& form, TBitmap& out) {
    out.setSize(form.width(), form.height());
    out.raster().fill({0, 0, 0});
    const LRESULT answer =
        SendMessageW(form.handle(), WM_PAINTFRAME_REQUEST, WPARAM(out.canvasHandle()), kPaintRequestTag);
    GdiFlush();
    return answer == kPaintRequestTag;
}

}  // namespace vireltan::testing
