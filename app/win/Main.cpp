// Program entry: the runtime settings the calculator relies on, the application, the calculator
// window and the message loop. Closing the window ends the program; nothing is saved.
#include "app/DecimalText.h"
#include "app/win/CalculatorWindow.h"
#include "gui/Application.h"

#include <windows.h>

#include <memory>

namespace {

// The x87 unit rounds to nearest with its full 64-bit significand. Its exceptions stay masked: the
// calculator's arithmetic reports invalid operations, division by zero and overflow itself, as the
// errors a trapping unit would have raised, without turning them into hardware faults.
void initialiseFloatingPoint() {
#if defined(__i386__) || defined(__x86_64__)
    unsigned short control = 0;
    __asm__ volatile("fnstcw %0" : "=m"(control));
    control = static_cast<unsigned short>((control & ~0x0F3Fu) | 0x0300u | 0x003Fu);
    __asm__ volatile("fldcw %0" : : "m"(control));
#endif
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    initialiseFloatingPoint();
    // The separators are fixed rather than read from the locale: the calculator's texts are written
    // with a decimal comma everywhere, and a locale with a decimal point would make them unreadable.
    vireltan::decimalSeparators() = vireltan::DecimalSeparators{',', '.'};

    vireltan::TApplication& application = vireltan::Application();
    application.Initialize();
    application.setMainFormOnTaskBar(true);

    auto window = std::make_unique<vireltan::TiletkenRhesap>(nullptr, instance);
    application.setMainForm(window.get());
    window->show();
    application.Run();
    return 0;
}
