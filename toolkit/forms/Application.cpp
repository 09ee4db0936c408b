// The application: hidden application window with its hook list, the message loop and idle notification.
#include "toolkit/forms/Application.h"

#include <commctrl.h>

#include <algorithm>

#include "toolkit/forms/ApplicationEvents.h"
#include "toolkit/core/Exception.h"
#include "toolkit/forms/Form.h"
#include "toolkit/forms/Screen.h"
#include "toolkit/system/SystemServices.h"
#include "toolkit/controls/WinControl.h"

TApplication* Application = nullptr;

namespace {
const char kApplicationWindowClass[] = "QvlApplication";
}

TApplication::TApplication() : TComponent(nullptr), screen_(std::make_unique<TScreen>()) {
    Screen = screen_.get();
    Application = this;
    ApplicationLink = this;
}

TApplication::~TApplication() {
    DestroyComponents();
    if (handle_ != nullptr) DestroyWindow(handle_);
    Screen = nullptr;
    Application = nullptr;
    ApplicationLink = nullptr;
}

void TApplication::Initialize() {
    if (handle_ != nullptr) return;
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_COOL_CLASSES | ICC_BAR_CLASSES |
                                                        ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSA wc{};
    wc.lpfnWndProc = &TApplication::AppWndProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kApplicationWindowClass;
    if (RegisterClassA(&wc) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw Exception("Cannot register the application window class");
    handle_ = CreateWindowExA(WS_EX_TOOLWINDOW, kApplicationWindowClass, title_.c_str(), WS_POPUP, 0, 0, 0, 0, nullptr,
                              nullptr, wc.hInstance, nullptr);
    if (handle_ == nullptr) throw Exception("Cannot create the application window");
}

void TApplication::SetTitle(const std::string& title) {
    title_ = title;
    if (handle_ != nullptr) SetWindowTextA(handle_, title.c_str());
}

LRESULT CALLBACK TApplication::AppWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (Application == nullptr || Application->handle_ != window) return DefWindowProcA(window, message, wParam, lParam);
    TMessage m{message, wParam, lParam, 0};
    try {
        Application->WndProc(m);
    } catch (...) {
        Application->HandleException();
    }
    return m.Result;
}

void TApplication::WndProc(TMessage& message) {
    for (const TWindowHook& hook : std::vector<TWindowHook>(hooks_)) {
        if (std::find(hooks_.begin(), hooks_.end(), hook) == hooks_.end()) continue;  // unhooked meanwhile
        if (hook(message)) return;
    }
    message.Result = DefWindowProcA(handle_, message.Msg, message.WParam, message.LParam);
}

void TApplication::HookMainWindow(const TWindowHook& hook) { hooks_.push_back(hook); }

void TApplication::UnhookMainWindow(const TWindowHook& hook) {
    auto it = std::find(hooks_.begin(), hooks_.end(), hook);
    if (it != hooks_.end()) hooks_.erase(it);
}

void TApplication::Run() {
    if (mainForm_ != nullptr) mainForm_->Show();
    while (!terminated_) HandleMessage();
}

void TApplication::HandleMessage() {
    if (!ProcessMessage() && Idle()) WaitMessage();
}

void TApplication::ProcessMessages() {
    while (ProcessMessage()) {
    }
}

// Keys go to the focused control as CN_KEYDOWN first; a control or its form may take them (Tab, Enter, Esc).
bool TApplication::IsKeyMessage(const MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
    TWinControl* control = nullptr;
    // Up through parents only (a combo box's inner edit), never to the owner of a top-level window.
    for (HWND w = msg.hwnd; w != nullptr && control == nullptr;
         w = (GetWindowLongA(w, GWL_STYLE) & WS_CHILD) != 0 ? GetParent(w) : nullptr)
        control = TWinControl::FindControl(w);
    if (control == nullptr) return false;
    return control->Perform(CN_BASE + msg.message, msg.wParam, msg.lParam) != 0;
}

bool TApplication::ProcessMessage() {
    MSG msg{};
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        return true;
    }
    try {
        if (IsKeyMessage(msg)) return true;
    } catch (...) {
        HandleException();
        return true;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    return true;
}

bool TApplication::Idle() {
    bool done = true;
    for (TApplicationEvents* events : std::vector<TApplicationEvents*>(events_)) {
        if (std::find(events_.begin(), events_.end(), events) == events_.end()) continue;
        try {
            events->OnIdle(events, done);
        } catch (...) {
            HandleException();
        }
    }
    return done;
}

// Terminated at once, so that nothing started before the loop sees the quit (a showing) goes on.
void TApplication::Terminate() {
    terminated_ = true;
    PostQuitMessage(0);
}

void TApplication::Minimize() {
    if (mainForm_ != nullptr && mainForm_->HandleAllocated()) ShowWindow(mainForm_->Handle(), SW_MINIMIZE);
}

void TApplication::Restore() {
    if (mainForm_ != nullptr && mainForm_->HandleAllocated()) ShowWindow(mainForm_->Handle(), SW_RESTORE);
}

void TApplication::HandleException() {
    try {
        SystemServices().ShowMessageBox(GetActiveWindow(), CurrentExceptionText(), title_.c_str(),
                                        MB_OK | MB_ICONERROR);
    } catch (...) {
        // no memory left for the text: the handler is over all the same
    }
}

void TApplication::SetMouseControl(TControl* control) {
    if (control == mouseControl_) return;
    TControl* left = mouseControl_;
    mouseControl_ = control;
    if (left != nullptr) left->Perform(CM_MOUSELEAVE);
    if (control != nullptr && control == mouseControl_) control->Perform(CM_MOUSEENTER);
}

void TApplication::ControlDestroyed(TControl* control) {
    if (mouseControl_ == control) mouseControl_ = nullptr;
}

void TApplication::Notification(TComponent* component, TOperation operation) {
    if (operation == TOperation::opRemove && component == mainForm_) mainForm_ = nullptr;
    TComponent::Notification(component, operation);
}

void TApplication::AddEvents(TApplicationEvents* events) { events_.push_back(events); }

void TApplication::RemoveEvents(TApplicationEvents* events) {
    events_.erase(std::remove(events_.begin(), events_.end(), events), events_.end());
}
