#include "gui/HelperWindow.h"

namespace vireltan {

HWND createHelperWindow(const wchar_t* className, WNDPROC procedure, DWORD style, HWND parent, void* owner) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (!GetClassInfoExW(instance, className, &windowClass)) {
        windowClass = WNDCLASSEXW{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = instance;
        windowClass.lpszClassName = className;
        RegisterClassExW(&windowClass);
    }
    HWND window = CreateWindowExW(0, className, L"", style, 0, 0, 0, 0, parent, nullptr, instance, nullptr);
    if (window) SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
    return window;
}

}  // namespace vireltan
