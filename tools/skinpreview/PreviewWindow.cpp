#include "tools/skinpreview/PreviewWindow.h"

#include "controls/GroupBox.h"
#include "controls/PopupListBox.h"
#include "controls/StdLabel.h"
#include "frame/SkinForm.h"
#include "frame/TrayIcon.h"
#include "gui/Bitmap.h"
#include "tools/skinpreview/PreviewControls.h"
#include "tools/skinpreview/PreviewMenus.h"

#include <windowsx.h>

#include <cctype>
#include <exception>

namespace vireltan {

namespace {

constexpr int kColumnWidth = 300;
constexpr int kBoxControlsTop = 322;
constexpr int kListTop = kBoxControlsTop + 232;
constexpr int kMiddle = 190;  // between the columns, where the frame's logo can be seen
const FontDescription kPlainFont{"Arial", 14, 0, clWindowText};
const FontDescription kHeadingFont{"Arial", 14, fsBold, clWindowText};

}  // namespace

bool loadSkinFile(TbsCompressedStoredSkin& storedSkin, const std::filesystem::path& file) {
    std::string extension = file.extension().string();
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (extension == ".ini") return storedSkin.PackSkinFile(file);
    if (storedSkin.ImportCompressedFile(file)) return true;
    storedSkin.setCompressedData(readWholeFile(file));
    return !storedSkin.IsEmpty();
}

PreviewWindow::PreviewWindow(HINSTANCE instance, const std::optional<std::filesystem::path>& skinFile)
    : TForm(nullptr), storedSkin_(new StoredSkinComponent(this)), skinData_(new SkinDataComponent(this)) {
    setCaption("skinpreview");
    setBorderStyle(TFormBorderStyle::bsSizeable);
    setColor(clBtnFace);
    // Every frame feature on: every caption command, snapping to the work area's edges, the fade-in.
    // The client size is imposed again after each skin application, whatever the skin's borders.
    frame_ = new TbsSkinForm(this);
    frame_->setBorderIcons({true, true, true, true, true});
    frame_->Magnetic = true;
    frame_->AlphaBlendAnimation = true;
    frame_->ClientWidth = 2 * kColumnWidth + 30 + kMiddle;
    frame_->ClientHeight = kListTop + 190;
    setClientSize(frame_->ClientWidth, frame_->ClientHeight);
    handleNeeded();
    // The window's icon on the system-menu button (where the skin draws that button from a picture
    // of its own, and on the plain frame), and a logo in the middle of the client background.
    const auto icon = [&](int size) {
        return reinterpret_cast<LPARAM>(LoadImageW(instance, L"MAINICON", IMAGE_ICON, size, size, LR_SHARED));
    };
    SendMessageW(handle(), WM_SETICON, ICON_BIG, icon(GetSystemMetrics(SM_CXICON)));
    SendMessageW(handle(), WM_SETICON, ICON_SMALL, icon(GetSystemMetrics(SM_CXSMICON)));
    frame_->setShowIcon(true);
    TBitmap logo;
    if (logo.loadFromResource(instance, L"FORMULA_VOLTAGEDROP")) frame_->setLogoBitMap(logo);
    frame_->setLogoBitMapTransparent(true);
    // A tray icon, always shown: the minimize-to-tray commands go there, its double click and its
    // menu's "Restore" come back.
    auto* tray = new TbsTrayIcon(this);
    tray->setHint("skinpreview");
    frame_->AlwaysShowInTray = true;
    frame_->setTrayIcon(tray);

    bool loaded = false;
    try {
        if (skinFile) {
            loaded = loadSkinFile(storedSkin_->storedSkin(), *skinFile);
            source_ = skinFile->filename().string();
        } else {
            loaded = storedSkin_->loadFromResource(instance, L"VIRELTAN_SKIN");
            source_ = "stored skin";
        }
        // Loading announces the change; the skinned column is linked afterwards and applies it then.
        if (loaded) skinData_->setCompressedStoredSkin(storedSkin_);
    } catch (const std::exception& error) {
        loaded = false;
        source_ = std::string("not loaded: ") + error.what();
    }
    if (!loaded && source_.rfind("not loaded", 0) != 0) source_ = "not loaded: " + source_;
    setCaption("skinpreview - " + source_);
    // A skin that did not load, or loaded only in part (empty), gives the plain frame.
    frame_->setSkinData(skinData_);
    addColumn(10, &skinData_->skinData(), "Skinned");
    addColumn(20 + kColumnWidth + kMiddle, nullptr, "Plain");
    menus_ = std::make_unique<PreviewMenus>(*this);
}

PreviewWindow::~PreviewWindow() = default;

void PreviewWindow::placeLists() {
    if (!handleAllocated() || !IsWindowVisible(handle())) return;
    for (auto& [list, at] : lists_) {
        POINT screen = at;
        ClientToScreen(handle(), &screen);
        list->setOwnerWindow(handle());
        list->showAt(screen);
    }
}

void PreviewWindow::WndProc(TMessage& message) {
    if (message.msg == WM_CONTEXTMENU && menus_) {
        // The menu key gives no position: the menu opens at the window's client origin then. A click
        // on the frame (the caption's right click opens the system menu) is not the preview's.
        POINT at{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
        POINT client = at;
        ScreenToClient(handle(), &client);
        RECT area{};
        GetClientRect(handle(), &area);
        if (message.lParam == -1) {
            at = {0, 0};
            ClientToScreen(handle(), &at);
        } else if (!PtInRect(&area, client)) {
            TForm::WndProc(message);
            return;
        }
        menus_->popupAt(at.x, at.y);
        message.result = 0;
        return;
    }
    TForm::WndProc(message);
    if (message.msg == WM_WINDOWPOSCHANGED) placeLists();
}

void PreviewWindow::addColumn(int left, TbsSkinData* skin, const std::string& heading) {
    auto* title = new TbsSkinStdLabel(this);
    title->setParent(this);
    title->setBounds(left, 8, kColumnWidth, 16);
    title->setDefaultFont(kHeadingFont);
    title->setCaption(heading);

    auto* box = new TbsSkinGroupBox(this);
    box->setParent(this);
    box->setBounds(left, 30, kColumnWidth, 150);
    box->setDefaultFont(kPlainFont);
    box->setCaption("Gerekli Bilgiler...");
    auto* inside = new TbsSkinStdLabel(this);
    inside->setParent(box);
    inside->setBounds(10, 40, 200, 16);
    inside->setDefaultFont(kPlainFont);
    inside->setCaption("İletkenin Çeşidi : (groupbox)");
    box->setSkinData(skin);

    auto* panel = new TbsSkinPanel(this);
    panel->setParent(this);
    panel->setBounds(left, 190, kColumnWidth, 70);
    panel->setSkinData(skin);
    auto* onPanel = new TbsSkinStdLabel(this);
    onPanel->setParent(panel);
    onPanel->setBounds(10, 10, 200, 16);
    onPanel->setDefaultFont(kPlainFont);
    onPanel->setCaption("panel");

    const char* texts[] = {"stdlabel: Yapılan İşlemler", "stdlabel, disabled"};
    for (int i = 0; i < 2; ++i) {
        auto* label = new TbsSkinStdLabel(this);
        label->setParent(this);
        label->setBounds(left, 272 + 24 * i, kColumnWidth, 16);
        label->setDefaultFont(kPlainFont);
        label->setAutoSize(false);
        label->setCaption(texts[i]);
        label->setEnabled(i == 0);
        label->setSkinData(skin);
    }

    TbsPopupListBox* list = addBoxControls(*this, left, kBoxControlsTop, skin);
    lists_.emplace_back(list, POINT{left + 30, kListTop});
}

}  // namespace vireltan
