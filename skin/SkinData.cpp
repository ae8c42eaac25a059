#include "skin/SkinData.h"

#include "skin/ResourceStrData.h"
#include "skin/SkinControls.h"
#include "skin/SkinGeometry.h"
#include "skin/SkinObjects.h"
#include "skin/SkinValues.h"
#include "skin/StoredSkin.h"

namespace vireltan {
namespace {

constexpr std::string_view kPictures = "PICTURES";

template <typename Definitions>
int findByName(const Definitions& definitions, std::string_view name) {
    for (std::size_t i = 0; i < definitions.size(); ++i) {
        if (definitions[i]->name == name) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

// Construction values come from the members themselves: the hint window's font height 12, colours
// 0, the [FORMINFO] picture indexes -1.
TbsSkinData::TbsSkinData() = default;

TbsSkinData::~TbsSkinData() {
    skinEmpty_ = true;
}

void TbsSkinData::setCompressedStoredSkin(TbsCompressedStoredSkin* storedSkin) {
    compressedStoredSkin_ = storedSkin;
    if (storedSkin != nullptr) LoadStoredSkin(*storedSkin);
}

void TbsSkinData::setResourceStrData(TbsResourceStrData* strings) {
    resourceStrData_ = strings;
    BroadcastSkinMessage(BSM_RESSTRINGS);
}

void TbsSkinData::setSkinnableForm(bool value) {
    if (value == skinnableForm_) return;
    skinnableForm_ = value;
    if (!componentLoading_) BroadcastSkinMessage(BSM_SKINNABLEFORM);
}

void TbsSkinData::Notification(const void* removedComponent) {
    if (removedComponent == nullptr) return;
    if (removedComponent == compressedStoredSkin_) compressedStoredSkin_ = nullptr;
    if (removedComponent == resourceStrData_) resourceStrData_ = nullptr;
}

void TbsSkinData::BroadcastSkinMessage(unsigned message) {
    if (notifier_ != nullptr) notifier_->broadcast(message, *this);
}

const Raster* TbsSkinData::activePictureRaster(int index) const {
    if (index < 0 || index >= static_cast<int>(ActivePictures.size())) return nullptr;
    const auto i = static_cast<std::size_t>(index);
    if (pictureRasters_.size() != ActivePictures.size()) pictureRasters_.resize(ActivePictures.size());
    if (!pictureRasters_[i])
        pictureRasters_[i] = std::make_unique<Raster>(rasterFromPicture(ActivePictures[i]));
    return pictureRasters_[i]->empty() ? nullptr : pictureRasters_[i].get();
}

void TbsSkinData::ClearSkin() {
    pictureRasters_.clear();
    ObjectDefinitions.clear();
    ControlDefinitions.clear();
    ActivePictures.clear();
    PopupWindow.windowpictureindex = -1;
    HintWindow.windowpictureindex = -1;
    ActivePictureNames.clear();
    SkinColors.SetDefault();
    MainPicture = SkinPicture{};
    InactivePicture = SkinPicture{};
    MaskPicture = SkinPicture{};
    PictureName.clear();
    MaskPictureName.clear();
    skinEmpty_ = true;
}

void TbsSkinData::LoadStoredSkin(const TbsCompressedStoredSkin& storedSkin) {
    if (storedSkin.IsEmpty()) return;

    skinEmpty_ = true;
    skinChanging_ = true;
    BroadcastSkinMessage(BSM_BEFORECHANGE);
    ClearSkin();

    const SkinBytes container = storedSkin.DecompressToStream();
    SkinContainerReader reader(container);
    containerVersion_ = reader.readVersion();
    // A later format is left alone: the skin stays cleared and the load never finishes.
    if (containerVersion_ > kSkinContainerVersion) return;

    MainPicture = reader.readFlaggedPicture();
    InactivePicture = reader.readFlaggedPicture();
    MaskPicture = reader.readFlaggedPicture();
    if (containerVersion_ == 2) {
        reader.readFlaggedPicture();  // two pictures of the old format that nothing uses
        reader.readFlaggedPicture();
    }
    const int count = reader.readCount();
    // Each picture is appended before it is read, and nothing is reserved from the count: a count
    // larger than the data ends with a read error after the last real picture.
    for (int i = 0; i < count; ++i) {
        ActivePictures.emplace_back();
        ActivePictures.back() = reader.readPicture();
    }

    {
        const IniFile ini(reader.readText());
        readSkinFile(ini);
    }

    skinEmpty_ = false;
    BroadcastSkinMessage(BSM_CHANGE);
    skinChanging_ = false;
    BroadcastSkinMessage(BSM_AFTERCHANGE);
}

void TbsSkinData::readSkinFile(const IniFile& ini) {
    VersionInfo.LoadFromIni(ini);
    PictureName = ini.readString(kPictures, "picture", "");
    InactivePictureName = ini.readString(kPictures, "inactivepicture", "");
    MaskPictureName = ini.readString(kPictures, "mask", "");
    readList(ini, kPictures, "activepictures", ActivePictureNames);
    FormInfo.LoadFromIni(ini, !MaskPictureName.empty());
    PopupWindow.LoadFromIni(ini);
    HintWindow.LoadFromIni(ini);
    SkinColors.LoadFromIni(ini);
    ObjectDefinitions = ReadSkinObjects(ini);
    ControlDefinitions = ReadSkinControls(ini);
}

int TbsSkinData::FindObjectDefinition(std::string_view name) const {
    return findByName(ObjectDefinitions, name);
}

int TbsSkinData::FindControlDefinition(std::string_view name) const {
    return findByName(ControlDefinitions, name);
}

void TbsSkinData::SaveWindowSectionsToIni(IniFile& ini) const {
    VersionInfo.SaveToIni(ini);
    ini.writeString(kPictures, "picture", PictureName);
    ini.writeString(kPictures, "inactivepicture", InactivePictureName);
    ini.writeString(kPictures, "mask", MaskPictureName);
    writeList(ini, kPictures, "activepictures", ActivePictureNames);
    FormInfo.SaveToIni(ini);
    PopupWindow.SaveToIni(ini);
    HintWindow.SaveToIni(ini);
    SkinColors.SaveToIni(ini);
}

}  // namespace vireltan
