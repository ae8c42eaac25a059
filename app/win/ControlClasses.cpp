#include "app/win/ControlClasses.h"

#include "app/win/Image.h"
#include "controls/ComboBox.h"
#include "controls/Edit.h"
#include "controls/GroupBox.h"
#include "controls/StdLabel.h"
#include "frame/SkinForm.h"
#include "gui/SkinComponents.h"
#include "gui/Timer.h"
#include "gui/Utf.h"
#include "imagebutton/PngButton.h"

namespace vireltan {

namespace {

template <typename T>
T& as(TComponent& component) {
    return dynamic_cast<T&>(component);
}

std::vector<std::string> itemsOf(const ComponentDesign& row) {
    return {row.items.begin(), row.items.end()};
}

void applyControl(TControl& control, const ComponentDesign& row) {
    control.font().assign(fontFor(row.font));
    if (!row.text.empty()) control.setText(std::string(row.text));
    if (!row.hint.empty()) control.setHint(std::string(row.hint));
    if (row.flags & dfShowHint) {
        control.setParentShowHint(false);
        control.setShowHint(true);
    }
}

void bindClick(TComponent& component, EventKind kind, std::function<void()> handler) {
    if (kind == EventKind::OnClick) as<TControl>(component).OnClick = std::move(handler);
}

void bindKeyPress(TComponent& component, std::function<void(wchar_t&)> handler) {
    as<TWinControl>(component).OnKeyPress = std::move(handler);
}

ClassBinding image() {
    ClassBinding b;
    b.create = [](TComponent* owner) -> TComponent* { return new TImage(owner); };
    b.apply = [](TComponent& component, const ComponentDesign& row, HINSTANCE instance) {
        auto& picture = as<TImage>(component);
        picture.setCenter(row.flags & dfCenter);
        picture.setStretch(row.flags & dfStretch);
        picture.setTransparent(row.flags & dfTransparent);
        picture.setAutoSize(row.flags & dfAutoSize);
        if (!row.picture.empty()) picture.loadFromResource(instance, std::string(row.picture));
    };
    b.bindNotify = bindClick;
    return b;
}

ClassBinding label() {
    ClassBinding b;
    b.create = [](TComponent* owner) -> TComponent* { return new TbsSkinStdLabel(owner); };
    b.apply = [](TComponent& component, const ComponentDesign& row, HINSTANCE) {
        auto& label = as<TbsSkinStdLabel>(component);
        label.setDefaultFont(fontFor(row.font));
        label.setAutoSize(!(row.flags & dfFixedSize));
        if (row.flags & dfCenter) label.setAlignment(TAlignment::taCenter);
        if (row.flags & dfCenterVertical) label.setLayout(TTextLayout::tlCenter);
        label.setCaption(std::string(row.text));
    };
    b.bindNotify = bindClick;
    return b;
}

ClassBinding groupBox() {
    ClassBinding b;
    b.create = [](TComponent* owner) -> TComponent* { return new TbsSkinGroupBox(owner); };
    b.apply = [](TComponent& component, const ComponentDesign& row, HINSTANCE) {
        auto& box = as<TbsSkinGroupBox>(component);
        box.setDefaultFont(fontFor(row.font));
        box.setDefaultCaptionHeight(22);
        box.setBorderStyle(TbsSkinBorderStyle::bvFrame);
        box.setDefaultAlignment(TAlignment::taLeftJustify);
        box.setCaptionMode(true);
        box.setRollUpMode(false);
        box.setCaption(std::string(row.text));
    };
    b.bindNotify = bindClick;
    b.bindReference = [](TComponent& component, TComponent& referenced) {
        as<TbsSkinGroupBox>(component).setSkinData(&as<SkinDataComponent>(referenced).skinData());
    };
    return b;
}

ClassBinding storedSkin() {
    ClassBinding b;
    b.create = [](TComponent* owner) -> TComponent* { return new StoredSkinComponent(owner); };
    b.apply = [](TComponent& component, const ComponentDesign& row, HINSTANCE instance) {
        as<StoredSkinComponent>(component).loadFromResource(instance, toWide(row.picture));
    };
    return b;
}

ClassBinding skinData() {
    ClassBinding b;
    b.create = [](TComponent* owner) -> TComponent* { return new SkinDataComponent(owner); };
    b.apply = [](TComponent&, const ComponentDesign&, HINSTANCE) {};
    b.bindReference = [](TComponent& component, TComponent& referenced) {
        as<SkinDataComponent>(component).setCompressedStoredSkin(&as<StoredSkinComponent>(referenced));
    };
    return b;
}

// The frame's BorderIcons as the design lists them; the ones not listed are off.
TbsBorderIcons borderIconsOf(const ComponentDesign& row) {
    TbsBorderIcons icons{false, false, false, false, false};
    for (std::string_view icon : row.items) {
        if (icon == "biSystemMenu") icons.biSystemMenu = true;
        if (icon == "biMinimize") icons.biMinimize = true;
        if (icon == "biMaximize") icons.biMaximize = true;
        if (icon == "biRollUp") icons.biRollUp = true;
        if (icon == "biMinimizeToTray") icons.biMinimizeToTray = true;
    }
    return icons;
}

ClassBinding skinForm() {
    ClassBinding b;
    b.create = [](TComponent* owner) -> TComponent* { return new TbsSkinForm(owner); };
    b.apply = [](TComponent& component, const ComponentDesign& row, HINSTANCE) {
        auto& frame = as<TbsSkinForm>(component);
        frame.setBorderIcons(borderIconsOf(row));
        frame.setShowIcon(false);
    };
    b.bindReference = [](TComponent& component, TComponent& referenced) {
        as<TbsSkinForm>(component).setSkinData(&as<SkinDataComponent>(referenced));
    };
    return b;
}

ClassBinding edit() {
    ClassBinding b;
    b.create = [](TComponent* owner) -> TComponent* { return new TbsSkinEdit(owner); };
    b.apply = [](TComponent& component, const ComponentDesign& row, HINSTANCE) {
        auto& edit = as<TbsSkinEdit>(component);
        edit.setDefaultFont(fontFor(row.font));
        if (row.flags & dfNoSkinFont) edit.setUseSkinFont(false);
        if (row.defaultColor != clNone) edit.setDefaultColor(row.defaultColor);
        edit.setReadOnly(row.flags & dfReadOnly);
        edit.setTabStop(!(row.flags & dfNoTabStop));
        edit.setText(std::string(row.text));
    };
    b.bindNotify = [](TComponent& component, EventKind kind, std::function<void()> handler) {
        if (kind == EventKind::OnChange) as<TbsSkinEdit>(component).OnChange = std::move(handler);
    };
    b.bindKeyPress = bindKeyPress;
    b.setDefaultColor = [](TComponent& component, TColor color) {
        as<TbsSkinEdit>(component).setDefaultColor(color);
    };
    b.textOutsideSelection = [](const TComponent& component) {
        return dynamic_cast<const TbsSkinEdit&>(component).textOutsideSelection();
    };
    return b;
}

ClassBinding comboBox() {
    ClassBinding b;
    b.create = [](TComponent* owner) -> TComponent* { return new TbsSkinComboBox(owner); };
    b.apply = [](TComponent& component, const ComponentDesign& row, HINSTANCE) {
        auto& combo = as<TbsSkinComboBox>(component);
        combo.setStyle(row.flags & dfEditable ? bscbEditStyle : bscbFixedStyle);
        combo.setUseSkinSize(row.flags & dfUseSkinSize);
        combo.setDropDownCount(8);
        combo.setDefaultFont(fontFor(row.font));
        combo.setItems(itemsOf(row));
        combo.setItemIndex(row.itemIndex);
        combo.setText(std::string(row.text));
    };
    b.bindNotify = [](TComponent& component, EventKind kind, std::function<void()> handler) {
        if (kind == EventKind::OnChange) as<TbsSkinComboBox>(component).OnChange = std::move(handler);
    };
    b.bindKeyPress = bindKeyPress;
    b.textOutsideSelection = [](const TComponent& component) {
        const auto& combo = dynamic_cast<const TbsSkinComboBox&>(component);
        return combo.edit() ? combo.edit()->textOutsideSelection() : combo.text();
    };
    return b;
}

// A PNG file stored among the program's resources as raw data; empty when there is none.
std::span<const std::uint8_t> pngResource(HINSTANCE instance, std::string_view name) {
    const std::wstring wide = toWide(name);
    HRSRC found = FindResourceW(instance, wide.c_str(), MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (!found) return {};
    HGLOBAL loaded = LoadResource(instance, found);  // resource memory: never freed by the program
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) return {};
    return {static_cast<const std::uint8_t*>(bytes), SizeofResource(instance, found)};
}

ClassBinding pngButton() {
    ClassBinding b;
    b.create = [](TComponent* owner) -> TComponent* { return new TPNGButton(owner); };
    b.apply = [](TComponent& component, const ComponentDesign& row, HINSTANCE instance) {
        auto& button = as<TPNGButton>(component);
        button.setButtonStyle(TPNGButtonStyle::pbsNoFrame);
        button.setButtonLayout(TPNGButtonLayout::pbsImageAbove);
        PngPicture picture;
        if (picture.loadFromMemory(pngResource(instance, row.picture))) {
            button.setImageNormal(picture);
            button.setImageDown(picture);
            button.setImageOver(picture);
        }
        applyControl(button, row);
    };
    b.bindNotify = bindClick;
    return b;
}

ClassBinding timer() {
    ClassBinding b;
    b.create = [](TComponent* owner) -> TComponent* { return new TTimer(owner); };
    b.apply = [](TComponent& component, const ComponentDesign& row, HINSTANCE) {
        as<TTimer>(component).setInterval(row.interval);
    };
    b.bindNotify = [](TComponent& component, EventKind kind, std::function<void()> handler) {
        if (kind == EventKind::OnTimer) as<TTimer>(component).OnTimer = std::move(handler);
    };
    return b;
}

}  // namespace

ClassRegistry calculatorControlClasses() {
    ClassRegistry classes;
    classes["TImage"] = image();
    classes["TTimer"] = timer();
    classes["TbsSkinComboBox"] = comboBox();
    classes["TPNGButton"] = pngButton();
    classes["TbsSkinStdLabel"] = label();
    classes["TbsSkinGroupBox"] = groupBox();
    classes["TbsSkinEdit"] = edit();
    classes["TbsCompressedStoredSkin"] = storedSkin();
    classes["TbsSkinData"] = skinData();
    classes["TbsSkinForm"] = skinForm();
    return classes;
}

}  // namespace vireltan
