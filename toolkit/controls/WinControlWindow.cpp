// How a windowed control gets its window: the toolkit's window class, creation, and attaching the control
// to its window and detaching it again.
#include <exception>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/controls/WinControl.h"
#include "toolkit/core/Exception.h"
#include "toolkit/system/WinGuards.h"

const char* const kToolkitWindowClass = "QvlWindow";

namespace {

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
    MapWindow(window, this);
    defaultProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWinControl::StdWndProc)));
}

void TWinControl::Detach() {
    if (handle_ == nullptr) return;
    UnmapWindow(handle_);
    if (defaultProc_ != nullptr) SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(defaultProc_));
    handle_ = nullptr;
    defaultProc_ = nullptr;
    trackingMouse_ = false;
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
