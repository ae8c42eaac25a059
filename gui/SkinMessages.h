// The skin change messages and their Win32 delivery: every form of the application hears them,
// synchronously, the skin data's own form first.
#pragma once

#include <windows.h>

namespace vireltan {

class TForm;

constexpr UINT BSM_BEFORECHANGE = WM_USER + 201;
constexpr UINT BSM_CHANGE = WM_USER + 202;
constexpr UINT BSM_AFTERCHANGE = WM_USER + 203;
constexpr UINT BSM_RESSTRINGS = WM_USER + 250;
constexpr UINT BSM_SKINNABLEFORM = WM_USER + 270;

// The second parameter every skin message carries.
constexpr LPARAM kSkinMessageTag = 1000;

// Sends `message` with the skin data's address to `ownerForm` (when it is a form) and then to every
// other form in the application's list order.
void broadcastSkinMessage(UINT message, const void* skinData, TForm* ownerForm);

}  // namespace vireltan
