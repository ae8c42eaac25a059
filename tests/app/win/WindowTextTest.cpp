// What a program outside ours sees of the calculator window through the window texts of its child
// windows: the group captions, the fields and the combo boxes' current items, in Turkish.
#include "app/win/CalculatorWindow.h"
#include "gui/Application.h"
#include "gui/Utf.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

namespace vireltan {
namespace {

std::string windowText(HWND window) {
    wchar_t buffer[256] = {};
    SendMessageW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(buffer));
    return toUtf8(buffer);
}

TEST(WindowText, ChildWindowsCarryTheirCaptionsAndTexts) {
    const std::string savedTitle = Application().title();
    auto window = std::make_unique<TiletkenRhesap>(nullptr, GetModuleHandleW(nullptr));
    window->component<TControl>("Iuzun")->setText("100");

    const std::map<std::string, std::string> expected = {
        {"showw", "Önizleme"},
        {"bsSkinGroupBox1", "Gerekli Bilgiler..."},
        {"bsSkinGroupBox2", "Direnç Değerleri"},
        {"bsSkinGroupBox3", "Gerilim Düşümü (%e)"},
        {"bsSkinGroupBox4", "Gerilim Düşümü (%e)"},
        {"iletkenc", "Bakır"},
        {"Iozdirenc", "0,0178"},
        {"Iuzun", "100"},
        {"faztip", "Monofaze (Tek Faz)"},
    };
    for (const auto& [name, text] : expected) {
        auto* control = window->component<TWinControl>(name);
        ASSERT_NE(control, nullptr) << name;
        EXPECT_EQ(windowText(control->handle()), text) << name;
    }
    window.reset();
    Application().setTitle(savedTitle);
}

}  // namespace
}  // namespace vireltan
