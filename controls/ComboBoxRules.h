// The combo box's rules that need no window: where its parts lie, how far the paging keys step,
// which item a typed search finds, when a search starts afresh and when completion may run again,
// and where the dropped list goes on the screen.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace vireltan {

// Milliseconds as the system tick count gives them; an injectable source keeps tests off sleeps.
using TickCount = unsigned long;

struct ComboLayout {
    RECT button;
    RECT itemArea;
};

// The plain layout: a 17-pixel button inside the 2-pixel frame, the item area left of it.
ComboLayout plainComboLayout(int width, int height);

// The inner edit of the editable style, centred vertically in the item area.
RECT comboEditBounds(const RECT& itemArea, int editHeight);

// Page Up steps DropDownCount + 1 back, Page Down DropDownCount - 1 forward (both clamped).
int comboPageUpIndex(int itemIndex, int dropDownCount);
int comboPageDownIndex(int itemIndex, int dropDownCount, int count);

// The first item that begins with `prefix`, compared without regard to case. The search starts
// after `after` and wraps round (after -1: from the first item); -1 when none does. An empty
// prefix finds nothing.
int findItemPrefix(const std::vector<std::string>& items, std::string_view prefix, int after = -1);
// The first item equal to `text` without regard to case, or -1.
int findItemExact(const std::vector<std::string>& items, std::string_view text);

// Incremental search of the fixed style: with AutoComplete the keys of one burst add up (a pause
// of more than 499 ms starts a new word); without it every key is a search of its own.
class IncrementalSearch {
  public:
    static constexpr TickCount kResetAfterMs = 500;
    // Returns the string to search for after `key` arrived at `now`.
    std::wstring feed(wchar_t key, TickCount now, bool autoComplete);
    void clear() { buffer_.clear(); }

  private:
    std::wstring buffer_;
    TickCount last_ = 0;
    bool started_ = false;
};

// Which item a search string selects: one character searches after the current item and wraps
// (repeating a letter walks through the items that begin with it), a longer string from the start.
int searchItem(const std::vector<std::string>& items, std::string_view search, int itemIndex);

// Completion of the editable style runs at most once in every 200 ms.
class CompletionThrottle {
  public:
    static constexpr TickCount kPeriodMs = 200;
    // True (and the time noted) when completion may run now.
    bool tryRun(TickCount now);

  private:
    TickCount last_ = 0;
    bool ran_ = false;
};

// Height of a list showing `rows` rows of `itemHeight` pixels inside its plain frame.
int plainListHeight(int rows, int itemHeight);

// Top-left corner of the dropped list: below the combo, or above it when the list would end below
// the work area.
POINT dropDownPosition(const RECT& comboOnScreen, int listHeight, const RECT& workArea);

}  // namespace vireltan
