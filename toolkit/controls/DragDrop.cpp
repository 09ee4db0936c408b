// Dragging between controls with the mouse: a source starts it, a target under the mouse accepts and takes the drop.
#include "toolkit/controls/DragDrop.h"

#include "toolkit/controls/WinControl.h"

TDragTarget* DragTargetAt(POINT screen, POINT& client) {
    TWinControl* control = nullptr;
    for (HWND w = WindowFromPoint(screen); w != nullptr && control == nullptr; w = GetParent(w))
        control = TWinControl::FindControl(w);
    auto* target = dynamic_cast<TDragTarget*>(control);
    if (target != nullptr) {
        client = screen;
        ::ScreenToClient(control->Handle(), &client);
    }
    return target;
}

bool TrackDrag(TWinControl& source) {
    HWND window = source.Handle();
    SetCapture(window);
    HCURSOR drag = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    HCURSOR noDrop = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_NO));
    bool dropped = false;
    MSG msg{};
    while (GetCapture() == window && GetMessageA(&msg, nullptr, 0, 0)) {
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) break;
        if (msg.message != WM_MOUSEMOVE && msg.message != WM_LBUTTONUP) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
            continue;
        }
        POINT screen{};
        GetCursorPos(&screen);
        POINT client{};
        TDragTarget* target = DragTargetAt(screen, client);
        bool accept = target != nullptr && target != dynamic_cast<TDragTarget*>(&source) &&
                      target->DragOver(&source, client.x, client.y);
        if (msg.message == WM_MOUSEMOVE) {
            SetCursor(accept ? drag : noDrop);
            continue;
        }
        ReleaseCapture();
        if (accept) {
            target->DragDrop(&source, client.x, client.y);
            dropped = true;
        }
        break;
    }
    if (msg.message == WM_QUIT) PostQuitMessage(static_cast<int>(msg.wParam));
    if (GetCapture() == window) ReleaseCapture();
    return dropped;
}
