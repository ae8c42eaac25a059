// skinpreview [SKINFILE]: the skinned controls beside their plain look, with the skin of SKINFILE or
// the stored skin the program carries.
#include "gui/Application.h"
#include "tools/skinpreview/PreviewWindow.h"

#include <windows.h>

#include <shellapi.h>

#include <memory>
#include <optional>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::optional<std::filesystem::path> skinFile;
    if (arguments && count > 1) skinFile = std::filesystem::path(arguments[1]);
    if (arguments) LocalFree(arguments);

    vireltan::TApplication& application = vireltan::Application();
    application.Initialize();
    auto window = std::make_unique<vireltan::PreviewWindow>(instance, skinFile);
    application.setMainForm(window.get());
    window->show();
    application.Run();
    return 0;
}
