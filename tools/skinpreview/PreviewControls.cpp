#include "tools/skinpreview/PreviewControls.h"

#include "controls/ComboBox.h"
#include "controls/Edit.h"
#include "controls/PopupListBox.h"
#include "controls/ScrollBar.h"

#include <string>
#include <vector>

namespace vireltan {

namespace {

const std::vector<std::string> kMaterials{"Bakır", "Alüminyum", "Gümüş", "Altın", "Demir", "Krom-Nikel"};

std::vector<std::string> crossSections() {
    const char* values[] = {"0,08", "0,14", "0,25", "0,34", "0,5", "0,75", "1",   "1,5", "2,5", "4",
                            "6",    "10",   "16",   "25",   "35",  "50",   "70",  "95",  "120", "150",
                            "185",  "240",  "300",  "400",  "500", "630",  "800", "1000"};
    return {std::begin(values), std::end(values)};
}

}  // namespace

TbsPopupListBox* addBoxControls(TWinControl& parent, int left, int top, TbsSkinData* skin) {
    auto* edit = new TbsSkinEdit(&parent);
    edit->setParent(&parent);
    edit->setBounds(left, top, 140, 20);
    edit->setText("edit: 0,0178");
    edit->setSkinData(skin);

    auto* buttonEdit = new TbsSkinEdit(&parent);
    buttonEdit->setParent(&parent);
    buttonEdit->setSkinDataName("buttonedit");
    buttonEdit->setButtonMode(true);
    buttonEdit->setBounds(left + 150, top, 140, 20);
    buttonEdit->setText("buttonedit");
    buttonEdit->setSkinData(skin);

    auto* fixed = new TbsSkinComboBox(&parent);
    fixed->setParent(&parent);
    fixed->setBounds(left, top + 30, 140, 20);
    fixed->setItems(kMaterials);
    fixed->setItemIndex(0);
    fixed->setSkinData(skin);

    auto* editable = new TbsSkinComboBox(&parent);
    editable->setParent(&parent);
    editable->setStyle(bscbEditStyle);
    editable->setBounds(left + 150, top + 30, 140, 20);
    editable->setItems(crossSections());
    editable->setItemIndex(6);
    editable->setSkinData(skin);

    auto* vertical = new TbsSkinScrollBar(&parent);
    vertical->setParent(&parent);
    vertical->setKind(TScrollBarKind::sbVertical);
    vertical->setSkinDataName("vscrollbar");
    vertical->setBounds(left, top + 62, 19, 160);
    vertical->setRange(0, 99, 20, 30);
    vertical->setSkinData(skin);

    auto* horizontal = new TbsSkinScrollBar(&parent);
    horizontal->setParent(&parent);
    horizontal->setBounds(left + 30, top + 62, 260, 19);
    horizontal->setRange(0, 100, 0, 60);
    horizontal->setSkinData(skin);

    // The horizontal bar that shares its corner with a vertical one.
    auto* corner = new TbsSkinScrollBar(&parent);
    corner->setParent(&parent);
    corner->setBoth(true);
    corner->setBounds(left + 30, top + 92, 260, 19);
    corner->setRange(0, 100, 25, 10);
    corner->setSkinData(skin);

    // The skin's pictures at a size of the control's own: stretched around their client rectangles.
    auto* tall = new TbsSkinComboBox(&parent);
    tall->setParent(&parent);
    tall->setUseSkinSize(false);
    tall->setBounds(left + 30, top + 122, 160, 28);
    tall->setItems(kMaterials);
    tall->setItemIndex(5);
    tall->setSkinData(skin);

    auto* fitted = new TbsSkinEdit(&parent);
    fitted->setParent(&parent);
    fitted->setSkinDataName("buttonedit");
    fitted->setButtonMode(true);
    fitted->setDefaultFont(FontDescription{"Arial", 22, 0, clWindowText});
    fitted->setUseSkinFont(false);
    fitted->setBounds(left + 30, top + 160, 160, 20);
    fitted->setText("UseSkinFont off");
    fitted->setSkinData(skin);

    auto* list = new TbsPopupListBox(&parent);
    list->setBounds(0, 0, 200, 120);
    list->setItems(crossSections());
    list->setSkinDataName("listbox");
    list->setSkinData(skin);
    list->setRowCount(6);
    list->setItemIndex(2);
    return list;
}

}  // namespace vireltan
