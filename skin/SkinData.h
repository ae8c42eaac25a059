// The loaded skin: pictures, window-level values and every object and control definition.
//
// A skin is loaded from a stored skin in one fixed order and announced to every window by three
// synchronous messages (before-change, change, after-change) sent through a notifier the Windows
// layer provides. Consumers keep only the skin data object and definition indexes, test SkinEmpty()
// before using anything, and look their definition up again after every change.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "skin/Bmp.h"
#include "skin/IniFile.h"
#include "skin/Raster.h"
#include "skin/SkinSections.h"

namespace vireltan {

class TbsCompressedStoredSkin;
class TbsResourceStrData;
class TbsDataSkinObject;
class TbsDataSkinControl;
class TbsSkinData;

// Window messages of a skin change (WM_USER + 201..203, + 250, + 270). The first parameter is the
// skin data object's address, the second kSkinMessageParam.
constexpr unsigned kWmUser = 0x0400;
constexpr unsigned BSM_BEFORECHANGE = kWmUser + 201;
constexpr unsigned BSM_CHANGE = kWmUser + 202;
constexpr unsigned BSM_AFTERCHANGE = kWmUser + 203;
constexpr unsigned BSM_RESSTRINGS = kWmUser + 250;
constexpr unsigned BSM_SKINNABLEFORM = kWmUser + 270;
constexpr long kSkinMessageParam = 1000;

// Carries skin messages to the windows: the owner form's window first, then every other form of the
// application in list order, each synchronously.
class SkinChangeNotifier {
  public:
    virtual ~SkinChangeNotifier() = default;
    virtual void broadcast(unsigned message, TbsSkinData& data) = 0;
};

class TbsSkinData {
  public:
    TbsSkinData();
    ~TbsSkinData();
    TbsSkinData(const TbsSkinData&) = delete;
    TbsSkinData& operator=(const TbsSkinData&) = delete;

    // The notifier is not owned; without one, messages go nowhere.
    void setNotifier(SkinChangeNotifier* notifier) { notifier_ = notifier; }
    // True while the window resource is being built: some setters then only store their value.
    void setComponentLoading(bool loading) { componentLoading_ = loading; }

    // Setting a non-null stored skin loads it at once (every time, also the same one again).
    // Errors of the load pass on to the caller; the reference stays set.
    void setCompressedStoredSkin(TbsCompressedStoredSkin* storedSkin);
    TbsCompressedStoredSkin* CompressedStoredSkin() const { return compressedStoredSkin_; }
    // Broadcasts BSM_RESSTRINGS (also while the resource is built).
    void setResourceStrData(TbsResourceStrData* strings);
    TbsResourceStrData* ResourceStrData() const { return resourceStrData_; }
    // Broadcasts BSM_SKINNABLEFORM when the value changes, except while the resource is built.
    void setSkinnableForm(bool value);
    bool SkinnableForm() const { return skinnableForm_; }
    bool EnableSkinEffects = true;

    // A referenced component is being destroyed: forget it; the loaded skin stays.
    void Notification(const void* removedComponent);

    // Inflates the stored skin and rebuilds everything from it. An empty stored skin changes nothing.
    // A container of a later version leaves the skin cleared and loading, with only BSM_BEFORECHANGE
    // sent. Damaged data throw (SkinError) and leave the skin loading: SkinEmpty() stays true.
    void LoadStoredSkin(const TbsCompressedStoredSkin& storedSkin);
    void ClearSkin();

    bool SkinEmpty() const { return skinEmpty_; }
    bool SkinChanging() const { return skinChanging_; }
    // The container version read by the last load (0 before any).
    int ContainerVersion() const { return containerVersion_; }

    // Index of the first definition whose name equals `name` byte for byte, or -1.
    int FindObjectDefinition(std::string_view name) const;
    int FindControlDefinition(std::string_view name) const;

    void BroadcastSkinMessage(unsigned message);

    // Pictures. A pictureindex-type key of the skin is an index into ActivePictures.
    SkinPicture MainPicture;
    SkinPicture InactivePicture;
    SkinPicture MaskPicture;
    std::vector<SkinPicture> ActivePictures;

    // [PICTURES] names: tied to the pictures by position only and never used to find one.
    std::string PictureName;
    std::string InactivePictureName;
    std::string MaskPictureName;
    std::vector<std::string> ActivePictureNames;

    SkinVersionInfo VersionInfo;  // [VERSION]
    SkinFormInfo FormInfo;        // [FORMINFO]
    TbsDataSkinPopupWindow PopupWindow;
    TbsDataSkinHintWindow HintWindow;
    TbsSkinColors SkinColors;

    // The skin picture at `index` as a raster for composing, made on first use and kept until the skin
    // is cleared; null for an index outside the list or an empty picture.
    const Raster* activePictureRaster(int index) const;

    std::vector<std::unique_ptr<TbsDataSkinObject>> ObjectDefinitions;
    std::vector<std::unique_ptr<TbsDataSkinControl>> ControlDefinitions;

    // Writes the window-level sections the loader reads ([VERSION], [PICTURES], [FORMINFO],
    // [POPUPWINDOW], [HINTWINDOW], [SKINCOLORS]) in reading order, for tools.
    void SaveWindowSectionsToIni(IniFile& ini) const;

  private:
    void readSkinFile(const IniFile& ini);

    mutable std::vector<std::unique_ptr<Raster>> pictureRasters_;
    SkinChangeNotifier* notifier_ = nullptr;
    TbsCompressedStoredSkin* compressedStoredSkin_ = nullptr;
    TbsResourceStrData* resourceStrData_ = nullptr;
    bool skinnableForm_ = true;
    bool componentLoading_ = false;
    bool skinEmpty_ = true;
    bool skinChanging_ = false;
    int containerVersion_ = 0;
};

}  // namespace vireltan
