// The Win32 side of the skin change messages: every form of the application hears them,
// synchronously, the skin data's own form first. The numbers and the notifier interface belong to
// the portable skin model.
#pragma once

#include "skin/SkinData.h"

#include <windows.h>

namespace vireltan {

class TForm;

// Sends `message` (first parameter the skin data's address, second kSkinMessageParam) to
// `ownerForm` when there is one, then to every other form in the application's list order.
void broadcastSkinMessage(UINT message, const void* skinData, TForm* ownerForm);

// The skin data's notifier on Windows. The skin data does not know its form; whoever places it on a
// form hands the form over here.
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

}  // namespace vireltan
