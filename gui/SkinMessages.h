// The skin change messages and their Win32 delivery: every form of the application hears them,
// synchronously, the skin data's own form first.
#pragma once

#include <windows.h>

#if __has_include("skin/SkinData.h")
#include "skin/SkinData.h"
#define VIRELTAN_HAS_SKIN_NOTIFIER 1
#else
#define VIRELTAN_HAS_SKIN_NOTIFIER 0
#endif

namespace vireltan {

class TForm;

#if !VIRELTAN_HAS_SKIN_NOTIFIER
// Until the portable skin model declares them, the numbers live here.
constexpr UINT BSM_BEFORECHANGE = WM_USER + 201;
constexpr UINT BSM_CHANGE = WM_USER + 202;
constexpr UINT BSM_AFTERCHANGE = WM_USER + 203;
constexpr UINT BSM_RESSTRINGS = WM_USER + 250;
constexpr UINT BSM_SKINNABLEFORM = WM_USER + 270;
constexpr long kSkinMessageParam = 1000;
#endif

// Sends `message` (first parameter the skin data's address, second kSkinMessageParam) to
// `ownerForm` when there is one, then to every other form in the application's list order.
void broadcastSkinMessage(UINT message, const void* skinData, TForm* ownerForm);

#if VIRELTAN_HAS_SKIN_NOTIFIER
// The skin data's notifier on Windows. The skin data does not know its form; whoever places it
// on a form hands the form over here.
class FormSkinNotifier : public SkinChangeNotifier {
  public:
    explicit FormSkinNotifier(TForm* ownerForm) : ownerForm_(ownerForm) {}
    void setOwnerForm(TForm* ownerForm) { ownerForm_ = ownerForm; }
    void broadcast(unsigned message, TbsSkinData& data) override {
        broadcastSkinMessage(message, &data, ownerForm_);
    }

  private:
    TForm* ownerForm_;
};
#endif

}  // namespace vireltan
