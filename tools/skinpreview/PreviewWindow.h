// The preview window: one column of controls linked to the skin, one of the same controls without
// it, side by side.
#pragma once

#include "gui/Form.h"
#include "gui/SkinComponents.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vireltan {

class TbsPopupListBox;
class TbsSkinForm;
class PreviewMenus;

class PreviewWindow : public TForm {
  public:
    // The skin of `skinFile` (a skin definition file, a compressed skin file or a stored skin), or
    // without one the stored skin the program carries.
    PreviewWindow(HINSTANCE instance, const std::optional<std::filesystem::path>& skinFile);
    ~PreviewWindow() override;

    // What was loaded, for the caption: the file name or "stored skin"; empty when nothing loaded.
    const std::string& skinSource() const { return source_; }

  protected:
    void WndProc(TMessage& message) override;

  private:
    void addColumn(int left, TbsSkinData* skin, const std::string& heading);
    // The dropped lists are popups of their own: placed below their columns as the window moves.
    void placeLists();

    TbsSkinForm* frame_ = nullptr;
    StoredSkinComponent* storedSkin_;
    SkinDataComponent* skinData_;
    std::string source_;
    std::vector<std::pair<TbsPopupListBox*, POINT>> lists_;
    std::unique_ptr<PreviewMenus> menus_;
};

// Loads the stored skin from `file` by its kind: a definition file (.ini) is packed with the
// pictures beside it; otherwise a compressed skin file, or failing that the file as a stored skin.
bool loadSkinFile(TbsCompressedStoredSkin& storedSkin, const std::filesystem::path& file);

}  // namespace vireltan
