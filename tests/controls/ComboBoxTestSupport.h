// The combo box tests' common ground: the calculator's item lists, its numeric key filter, and a
// form holding one combo box that counts the events and reads time from an injected clock.
#pragma once

#include "controls/ComboBox.h"
#include "gui/Form.h"

#include "ControlsTestSupport.h"
#include "GuiTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vireltan::testing {

inline const std::vector<std::string> kCrossSections = {"0,08", "0,14", "0,25", "0,34", "0,5", "0,75", "1",
                                                        "1,5",  "2,5",  "4",    "6",    "10",  "16",   "25",
                                                        "35",   "50",   "70",   "95",   "120"};
inline const std::vector<std::string> kMaterials = {"Altın",     "Gümüş",     "Bakır",      "Çinko",
                                                    "Alüminyum", "Magnezyum", "Krom-Nikel", "Tungsten"};

// The calculator's filter for numeric fields: digits, backspace, and a comma while the text that
// the insertion leaves standing (outside the edit's selection) has none.
inline void numericFilter(TbsSkinComboBox& combo, wchar_t& key) {
    if ((key >= L'0' && key <= L'9') || key == L'\b') return;
    const std::string standing = combo.edit() ? combo.edit()->textOutsideSelection() : combo.text();
    if (key == L',' && standing.find(',') == std::string::npos) return;
    key = 0;
}

struct ComboFixture : ::testing::Test {
    TForm* form = nullptr;
    TbsSkinComboBox* combo = nullptr;
    TickCount now = 100000;
    int changes = 0, clicks = 0, closeUps = 0, dropDowns = 0;

    void SetUp() override {
        form = shownForm(100, 100, 400, 300);
        SetForegroundWindow(form->handle());
    }
    void TearDown() override { delete form; }

    TbsSkinComboBox* make(TbsSkinCustomComboBoxStyle style, const std::vector<std::string>& items, int index,
                          int width = 185) {
        combo = new TbsSkinComboBox(form);
        combo->setParent(form);
        combo->setBounds(20, 20, width, 20);
        combo->setStyle(style);
        combo->setItems(items);
        combo->setItemIndex(index);
        combo->clock = [this] { return now; };
        combo->OnChange = [this] { ++changes; };
        combo->OnClick = [this] { ++clicks; };
        combo->OnCloseUp = [this] { ++closeUps; };
        combo->OnDropDown = [this] { ++dropDowns; };
        combo->setFocus();
        changes = clicks = closeUps = dropDowns = 0;
        return combo;
    }
    HWND h() { return combo->handle(); }
    HWND editWindow() { return combo->edit()->handle(); }
    // A point inside row `row` of the dropped list, in the combo box's client coordinates.
    POINT rowPoint(int row) {
        const RECT area = combo->listBox().listArea();
        return mapPoint(combo->listBox().handle(), h(), {area.left + 10, area.top + row * 20 + 10});
    }
};

}  // namespace vireltan::testing
