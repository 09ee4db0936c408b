// The one window procedure of all toolkit windows: maps a window to its control and calls its WindowProc.
#include <exception>
#include <utility>
#include <unordered_map>

#include "toolkit/system/Application.h"
#include "toolkit/core/Exception.h"
#include "toolkit/controls/WinControl.h"
#include "toolkit/system/WinGuards.h"

const char* const kToolkitWindowClass = "QvlWindow";

namespace {

// The control of each attached window. Kept here rather than in a window property: Wine asks its server
// for every property read, and this lookup runs for every message of every window.
std::unordered_map<HWND, TWinControl*>& AttachedControls() {
    static std::unordered_map<HWND, TWinControl*> controls;
    return controls;
}

TWinControl* g_creatingControl = nullptr;
std::exception_ptr g_creationFailure;  // what stopped the creation hook, raised again by CreateWnd
int g_nextChildId = 100;

void RegisterToolkitClass() {
    static bool registered = false;
    if (registered) return;
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.lpszClassName = kToolkitWindowClass;
    if (RegisterClassA(&wc) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw Exception("Cannot register the window class");
    registered = true;
}

}  // namespace

TWinControl* TWinControl::FindControl(HWND window) {
    if (window == nullptr) return nullptr;
    const auto found = AttachedControls().find(window);
    return found != AttachedControls().end() ? found->second : nullptr;
}

// Hooks the window as soon as it exists, so the control sees its creation messages too.
LRESULT CALLBACK TWinControl::CreationHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && g_creatingControl != nullptr) {
        TWinControl* control = g_creatingControl;
        g_creatingControl = nullptr;
        try {
            control->Attach(reinterpret_cast<HWND>(wParam));
        } catch (...) {
            g_creationFailure = std::current_exception();
            return 1;  // the window is not created
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void TWinControl::Attach(HWND window) {
    handle_ = window;
    AttachedControls()[window] = this;
    defaultProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWinControl::StdWndProc)));
}

void TWinControl::Detach() {
    if (handle_ == nullptr) return;
    AttachedControls().erase(handle_);
    if (defaultProc_ != nullptr) SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(defaultProc_));
    handle_ = nullptr;
    defaultProc_ = nullptr;
    trackingMouse_ = false;
}

LRESULT CALLBACK TWinControl::StdWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    TWinControl* control = FindControl(window);
    if (control == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    TMessage m{message, wParam, lParam, 0};
    try {
        if (control->WindowProc) {
            control->WindowProc(m);
        } else {
            control->WndProc(m);
        }
    } catch (...) {
        if (Application != nullptr) Application->HandleException();
    }
    // The window is gone after this message, whoever handled it.
    if (message == WM_NCDESTROY && FindControl(window) == control) control->Detach();
    return m.Result;
}

void TWinControl::CreateWnd() {
    TCreateParams params;
    CreateParams(params);
    if (params.WindowClass == kToolkitWindowClass) RegisterToolkitClass();
    if ((params.Style & WS_CHILD) != 0) {
        if (params.Parent == nullptr) throw Exception(std::string("Control has no parent window: ") + Name());
        params.Id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(g_nextChildId++));
    }
    TWindowsHook hook(SetWindowsHookExA(WH_CBT, &TWinControl::CreationHook, nullptr, GetCurrentThreadId()));
    g_creatingControl = this;
    HWND window = CreateWindowExA(params.ExStyle, params.WindowClass.c_str(), params.Caption.c_str(), params.Style,
                                  params.X, params.Y, params.Width, params.Height, params.Parent, params.Id,
                                  GetModuleHandleA(nullptr), nullptr);
    g_creatingControl = nullptr;
    hook.Reset();
    if (g_creationFailure) {
        Detach();
        std::rethrow_exception(std::exchange(g_creationFailure, nullptr));
    }
    if (window == nullptr) throw Exception(std::string("Cannot create the window of ") + ClassName());
    if (handle_ != window) Attach(window);  // no hook ran (should not happen)
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
    InitializeWindow();
    UpdateBoundsFromWindow();
    for (TControl* child : std::vector<TControl*>(controls_)) {
        auto* windowed = dynamic_cast<TWinControl*>(child);
        if (windowed != nullptr && !windowed->HandleAllocated()) windowed->CreateWnd();
    }
}
