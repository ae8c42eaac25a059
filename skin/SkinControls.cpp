#include "skin/SkinControls.h"

#include <array>
#include <utility>

#include "skin/SkinDefinitionList.h"

namespace vireltan {
namespace {

template <class T>
std::unique_ptr<TbsDataSkinControl> make(std::string name) {
    return std::make_unique<T>(std::move(name));
}

struct ControlKind {
    std::string_view word;
    std::unique_ptr<TbsDataSkinControl> (*create)(std::string name);
};

constexpr std::array<ControlKind, 28> kControlKinds{{
    {"panel", make<TbsDataSkinPanelControl>},
    {"label", make<TbsDataSkinLabelControl>},
    {"stdlabel", make<TbsDataSkinStdLabelControl>},
    {"edit", make<TbsDataSkinEditControl>},
    {"memo", make<TbsDataSkinMemoControl>},
    {"combobox", make<TbsDataSkinComboBox>},
    {"listbox", make<TbsDataSkinListBox>},
    {"checklistbox", make<TbsDataSkinCheckListBox>},
    {"scrollbar", make<TbsDataSkinScrollBarControl>},
    {"button", make<TbsDataSkinButtonControl>},
    {"menubutton", make<TbsDataSkinMenuButtonControl>},
    {"expanel", make<TbsDataSkinExPanelControl>},
    {"checkradio", make<TbsDataSkinCheckRadioControl>},
    {"gauge", make<TbsDataSkinGaugeControl>},
    {"splitter", make<TbsDataSkinSplitterControl>},
    {"trackbar", make<TbsDataSkinTrackBarControl>},
    {"updown", make<TbsDataSkinUpDownControl>},
    {"grid", make<TbsDataSkinGridControl>},
    {"tab", make<TbsDataSkinTabControl>},
    {"mainmenubar", make<TbsDataSkinMainMenuBar>},
    {"controlbar", make<TbsDataSkinControlBar>},
    {"spinedit", make<TbsDataSkinSpinEditControl>},
    {"scrollbox", make<TbsDataSkinScrollBoxControl>},
    {"treeview", make<TbsDataSkinTreeView>},
    {"bevel", make<TbsDataSkinBevel>},
    {"slider", make<TbsDataSkinSlider>},
    {"listview", make<TbsDataSkinListView>},
    {"richedit", make<TbsDataSkinRichEdit>},
}};

}  // namespace

std::unique_ptr<TbsDataSkinControl> makeSkinControl(std::string_view kind, std::string name) {
    for (const ControlKind& entry : kControlKinds) {
        if (entry.word == kind) return entry.create(std::move(name));
    }
    return nullptr;
}

std::vector<std::string_view> skinControlKinds() {
    std::vector<std::string_view> words;
    for (const ControlKind& entry : kControlKinds) words.push_back(entry.word);
    return words;
}

std::vector<std::unique_ptr<TbsDataSkinControl>> ReadSkinControls(const IniFile& ini) {
    std::vector<std::unique_ptr<TbsDataSkinControl>> controls;
    for (SkinDefinitionEntry& entry : readDefinitionEntries(ini, "SKINCONTROLS")) {
        auto control = makeSkinControl(entry.kind, std::move(entry.name));
        if (!control) continue;
        controls.push_back(std::move(control));
        controls.back()->LoadFromIni(ini);
    }
    return controls;
}

}  // namespace vireltan
