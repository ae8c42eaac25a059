#include "controls/ComboBoxRules.h"

#include "gui/Utf.h"

#include <algorithm>

namespace vireltan {

namespace {

std::wstring upper(std::string_view text) {
    std::wstring wide = toWide(text);
    if (!wide.empty()) CharUpperBuffW(wide.data(), static_cast<DWORD>(wide.size()));
    return wide;
}

}  // namespace

ComboLayout plainComboLayout(int width, int height) {
    ComboLayout layout{};
    layout.button = {width - 19, 2, width - 2, height - 2};
    layout.itemArea = {2, 2, layout.button.left - 1, height - 2};
    return layout;
}

RECT comboEditBounds(const RECT& itemArea, int editHeight) {
    const int areaHeight = itemArea.bottom - itemArea.top;
    const int top = itemArea.top + areaHeight / 2 - editHeight / 2;
    return {itemArea.left, top, itemArea.right, top + editHeight};
}

int comboPageUpIndex(int itemIndex, int dropDownCount) {
    return std::max(0, itemIndex - dropDownCount - 1);
}

int comboPageDownIndex(int itemIndex, int dropDownCount, int count) {
    return std::min(count - 1, itemIndex + dropDownCount - 1);
}

int findItemPrefix(const std::vector<std::string>& items, std::string_view prefix, int after) {
    const int count = static_cast<int>(items.size());
    if (prefix.empty() || count == 0) return -1;
    const std::wstring wanted = upper(prefix);
    const int start = (after < 0 || after >= count) ? 0 : after + 1;
    for (int step = 0; step < count; ++step) {
        const int index = (start + step) % count;
        const std::wstring item = upper(items[static_cast<std::size_t>(index)]);
        if (item.compare(0, wanted.size(), wanted) == 0) return index;
    }
    return -1;
}

int findItemExact(const std::vector<std::string>& items, std::string_view text) {
    const std::wstring wanted = upper(text);
    for (std::size_t index = 0; index < items.size(); ++index) {
        if (upper(items[index]) == wanted) return static_cast<int>(index);
    }
    return -1;
}

std::wstring IncrementalSearch::feed(wchar_t key, TickCount now, bool autoComplete) {
    if (!autoComplete) {
        buffer_.clear();
    } else if (started_ && now - last_ > kResetAfterMs - 1) {
        buffer_.clear();
    }
    started_ = true;
    last_ = now;
    buffer_.push_back(key);
    return autoComplete ? buffer_ : std::wstring(1, key);
}

int searchItem(const std::vector<std::string>& items, std::string_view search, int itemIndex) {
    return toWide(search).size() == 1 ? findItemPrefix(items, search, itemIndex)
                                      : findItemPrefix(items, search, -1);
}

bool CompletionThrottle::tryRun(TickCount now) {
    if (ran_ && now - last_ < kPeriodMs) return false;
    ran_ = true;
    last_ = now;
    return true;
}

int plainListHeight(int rows, int itemHeight) {
    return rows * itemHeight + 4;
}

POINT dropDownPosition(const RECT& comboOnScreen, int listHeight, const RECT& workArea) {
    POINT position{comboOnScreen.left, comboOnScreen.bottom};
    if (position.y + listHeight > workArea.bottom) position.y = comboOnScreen.top - listHeight;
    return position;
}

}  // namespace vireltan
