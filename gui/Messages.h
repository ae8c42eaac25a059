// Window messages as the library passes them around, and every message number of the program's own,
// in one registry: the numbers below are checked at compile time never to collide, and no other
// file spells one out.
#pragma once

#include "skin/SkinData.h"

#include <windows.h>

#include <array>

namespace vireltan {

struct TMessage {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT result = 0;
};

// The skin change (BSM_BEFORECHANGE, BSM_CHANGE, BSM_AFTERCHANGE: WM_USER + 201..203), the string
// table and the skinnable-form messages come from the portable skin model, which sends them.

// The skinned menu was closed as a whole; sent to the window it belongs to.
constexpr UINT BSM_MENUCLOSED = WM_USER + 204;
// Sent to a control after a command of its context menu has run.
constexpr UINT CM_EDITMENUDONE = WM_USER + 205;
// A control's background was repainted or moved: controls that draw parts of it anew hear of it.
constexpr UINT CM_PARENTBACKGROUNDCHANGED = WM_USER + 260;
// Paint requests answered only with kPaintRequestTag in lParam, into the context in wParam: a list's
// empty background, and a control's frame without its text.
constexpr UINT WM_PAINTBACKGROUND_REQUEST = 0xBC4A;  // 48202
constexpr UINT WM_PAINTFRAME_REQUEST = 0xBC4B;       // 48203
constexpr LPARAM kPaintRequestTag = 16802;
// A key a control does not use itself (Enter, Escape), handed to its form for the form's default
// and cancel actions; wParam is the key's character. A form without such actions ignores it.
constexpr UINT CM_DIALOGKEY = WM_APP + 0x0B00;

inline constexpr std::array<UINT, 11> kOwnMessages{BSM_BEFORECHANGE,
                                                   BSM_CHANGE,
                                                   BSM_AFTERCHANGE,
                                                   BSM_RESSTRINGS,
                                                   BSM_SKINNABLEFORM,
                                                   BSM_MENUCLOSED,
                                                   CM_EDITMENUDONE,
                                                   CM_PARENTBACKGROUNDCHANGED,
                                                   WM_PAINTBACKGROUND_REQUEST,
                                                   WM_PAINTFRAME_REQUEST,
                                                   CM_DIALOGKEY};

constexpr bool allDistinct(const auto& values) {
    for (std::size_t i = 0; i < values.size(); ++i) {
        for (std::size_t j = i + 1; j < values.size(); ++j) {
            if (values[i] == values[j]) return false;
        }
    }
    return true;
}

constexpr bool allPrivate(const auto& values) {
    // Below WM_USER the system's own; from 0xC000 on, numbers RegisterWindowMessage hands out.
    for (UINT value : values) {
        if (value < WM_USER || value >= 0xC000) return false;
    }
    return true;
}

static_assert(allDistinct(kOwnMessages), "two of the program's messages share a number");
static_assert(allPrivate(kOwnMessages), "a message of the program's lies outside the private ranges");
static_assert(BSM_BEFORECHANGE == WM_USER + 201 && BSM_CHANGE == WM_USER + 202 &&
                  BSM_AFTERCHANGE == WM_USER + 203,
              "the skin model's numbers are the window messages other programs' skins send");

// Hit-test answers of our own for parts of a control the system does not know (a control's button,
// its drawn frame). They lie above every HT* code and fit the signed 16 bits WM_SETCURSOR carries
// them in, so a press that reaches the default handling never starts a system action (with the
// scroll-bar codes it would start tracking a scroll bar).
constexpr LRESULT kFirstControlHit = 0x4000;
constexpr LRESULT kHitEditButton = kFirstControlHit + 1;
constexpr LRESULT kHitEditFrame = kFirstControlHit + 2;

inline constexpr std::array<LRESULT, 2> kControlHits{kHitEditButton, kHitEditFrame};

constexpr bool outsideSystemHits(const auto& values) {
    for (LRESULT value : values) {
        if (value <= HTHELP || value > 0x7FFF) return false;
    }
    return true;
}

static_assert(allDistinct(kControlHits), "two control hit codes share a number");
static_assert(outsideSystemHits(kControlHits), "a control hit code lies in the system's HT* range");

}  // namespace vireltan
