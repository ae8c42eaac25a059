#include "gui/Application.h"

#include "gui/Form.h"
#include "gui/HintWindow.h"
#include "gui/PaintBuffer.h"
#include "gui/Timer.h"
#include "gui/Utf.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <exception>

namespace vireltan {

namespace {

std::string programName() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name(path);
    name = name.substr(name.find_last_of(L"\\/") + 1);
    return toUtf8(name.substr(0, name.find_last_of(L'.')));
}

// The windowed control of ours a message is for: the window itself, or the nearest ancestor that is
// ours (inner windows of system controls).
TWinControl* controlOfWindow(HWND window) {
    for (; window; window = GetParent(window)) {
        if (TWinControl* control = TWinControl::fromHandle(window)) return control;
    }
    return nullptr;
}

}  // namespace

namespace {

int modalFilterDepth = 0;

LRESULT CALLBACK modalMessageFilter(int code, WPARAM wParam, LPARAM lParam) {
    if (code >= 0 && lParam) {
        try {
            if (Application().runMessageHooks(*reinterpret_cast<MSG*>(lParam))) return 1;
        } catch (...) {
            Application().handleException();
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

ModalMessageFilter::ModalMessageFilter() {
    if (modalFilterDepth++ == 0) {
        hook_ = SetWindowsHookExW(WH_MSGFILTER, &modalMessageFilter, nullptr, GetCurrentThreadId());
    }
}

ModalMessageFilter::~ModalMessageFilter() {
    --modalFilterDepth;
    if (hook_) UnhookWindowsHookEx(hook_);
}

TApplication& Application() {
    static TApplication application;
    return application;
}

TApplication::TApplication() : title_(programName()) {}

TApplication::~TApplication() = default;

void TApplication::Initialize() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
}

void TApplication::addForm(TForm* form) {
    forms_.push_back(form);
    if (!mainForm_) mainForm_ = form;
}

void TApplication::removeForm(TForm* form) {
    std::erase(forms_, form);
    if (mainForm_ == form) mainForm_ = nullptr;
    if (activeForm_ == form) activeForm_ = nullptr;
}

void TApplication::Run() {
    terminated_ = false;
    while (!terminated_) HandleMessage();
}

void TApplication::HandleMessage() {
    MSG message;
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
        terminated_ = true;
        return;
    }
    processMessage(message);
}

void TApplication::ProcessMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            terminated_ = true;
            return;
        }
        processMessage(message);
    }
}

void TApplication::Terminate() {
    terminated_ = true;
    PostQuitMessage(0);
}

void TApplication::processMessage(MSG& message) {
    try {
        if (runMessageHooks(message)) return;
        if (isHintMessage(message)) return;
        if (isTabNavigation(message)) return;
    } catch (...) {
        handleException();
        return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

MessageHookRegistration TApplication::installMessageHook(MessageHook hook) {
    return messageHooks_.install(std::move(hook));
}

bool TApplication::runMessageHooks(MSG& message) {
    if (messageHooks_.empty()) return false;
    const HookEntries<MessageHook> entries = messageHooks_.snapshot();
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
        if (!(*it)->removed && (*it)->hook(message)) return true;
    }
    return false;
}

bool TApplication::isHintMessage(const MSG& message) {
    switch (message.message) {
        case WM_MOUSEMOVE: {
            TWinControl* windowed = controlOfWindow(message.hwnd);
            TControl* control = windowed;
            if (windowed && windowed->handle() == message.hwnd) {
                const POINT point{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
                if (TControl* graphic = windowed->controlAtPos(point, true)) control = graphic;
            }
            POINT cursor{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
            ClientToScreen(message.hwnd, &cursor);
            hintWindow().mouseOver(control, cursor);
            break;
        }
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_MOUSELEAVE:
            if (hintWindow_) hintWindow_->cancel();
            break;
        default:
            break;
    }
    return false;  // the message still goes on
}

bool TApplication::isTabNavigation(const MSG& message) {
    if (message.message != WM_KEYDOWN || message.wParam != VK_TAB) return false;
    if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
    TWinControl* current = controlOfWindow(message.hwnd);
    if (!current) return false;
    TWinControl* root = current;
    while (root->parent()) root = root->parent();
    TWinControl* next = root->findNextControl(current, GetKeyState(VK_SHIFT) >= 0);
    if (!next) return false;
    next->setFocus();
    return true;
}

void TApplication::handleException() {
    try {
        throw;
    } catch (const std::exception& error) {
        ShowException(error.what());
    } catch (...) {
        ShowException("Unknown error");
    }
}

std::string TApplication::errorReportText(const std::string& message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > static_cast<unsigned char>('.')) {
        return message + '.';
    }
    return message;
}

void TApplication::ShowException(const std::string& message) {
    if (errorReportOpen_) return;
    errorReportOpen_ = true;
    struct Closed {
        bool& open;
        ~Closed() { open = false; }
    } closed{errorReportOpen_};
    if (hintWindow_) hintWindow_->cancel();
    const ModalMessageFilter hooksSeeTheReportsLoop;
    MessageBoxW(GetActiveWindow(), toWide(errorReportText(message)).c_str(), toWide(title_).c_str(),
                MB_ICONERROR | MB_OK);
}

void TApplication::broadcast(UINT msg, WPARAM wParam, LPARAM lParam, TForm* first) {
    auto stillThere = [this](TForm* form) {
        return std::find(forms_.begin(), forms_.end(), form) != forms_.end();
    };
    if (first && stillThere(first) && first->handleAllocated())
        SendMessageW(first->handle(), msg, wParam, lParam);
    // A copy: a form may close, or open another, while it handles the message.
    const std::vector<TForm*> forms = forms_;
    for (TForm* form : forms) {
        if (form == first || !stillThere(form) || !form->handleAllocated()) continue;
        SendMessageW(form->handle(), msg, wParam, lParam);
    }
}

TWinControl* TApplication::controlOf(HWND window) const {
    const auto found = controls_.find(window);
    return found != controls_.end() ? found->second : nullptr;
}

void TApplication::bindWindow(HWND window, TWinControl* control) {
    controls_[window] = control;
}

void TApplication::unbindWindow(HWND window) {
    controls_.erase(window);
}

PaintBuffer& TApplication::paintBuffer() {
    if (!paintBuffer_) paintBuffer_ = std::make_unique<PaintBuffer>();
    return *paintBuffer_;
}

HDC TApplication::measuringContext() {
    if (!measuringContext_) measuringContext_ = DeviceContext::memory();
    return measuringContext_.get();
}

TimerWindow& TApplication::timerWindow() {
    if (!timerWindow_) timerWindow_ = std::make_unique<TimerWindow>();
    return *timerWindow_;
}

THintWindow& TApplication::hintWindow() {
    if (!hintWindow_) {
        Initialize();
        hintWindow_ = std::make_unique<THintWindow>(nullptr);
    }
    return *hintWindow_;
}

}  // namespace vireltan
