// Message record handed to window procedures, and the toolkit's own control notification numbers.
#pragma once

#include <windows.h>

#include "toolkit/core/Method.h"

struct TMessage {
    UINT Msg;
    WPARAM WParam;
    LPARAM LParam;
    LRESULT Result;
};

// A control's replaceable window procedure.
using TWndMethod = TMethod<void(TMessage&)>;

// Control notifications, sent straight to a control (never through the system queue).
constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 7;         // to every control of a form; LParam = the focused control
constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 9;   // to each child when its parent's colour changed
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12;      // WParam = 1 when now enabled, 0 when disabled
constexpr UINT CM_CTL3DCHANGED = CM_BASE + 16;        // the control's 3-D look changed
constexpr UINT CM_PARENTCTL3DCHANGED = CM_BASE + 17;  // to each child when its parent's 3-D look changed
constexpr UINT CM_TEXTCHANGED = CM_BASE + 18;
constexpr UINT CM_MOUSEENTER = CM_BASE + 19;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;
constexpr UINT CM_EXIT = CM_BASE + 27;                // the focus left the control
constexpr UINT CM_INVALIDATE = CM_BASE + 52;          // the control is about to be invalidated

// Notifications a parent window receives about a child, reflected to the child at CN_BASE + the message.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
constexpr UINT CN_DELETEITEM = CN_BASE + WM_DELETEITEM;
constexpr UINT CN_COMPAREITEM = CN_BASE + WM_COMPAREITEM;
constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
constexpr UINT CN_KEYDOWN = CN_BASE + WM_KEYDOWN;        // from the message loop before a key is dispatched
constexpr UINT CN_SYSKEYDOWN = CN_BASE + WM_SYSKEYDOWN;
constexpr UINT CN_PARENTNOTIFY = CN_BASE + WM_PARENTNOTIFY;  // the child is being created or destroyed
