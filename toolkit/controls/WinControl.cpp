// A control with a window of its own: created on demand, holds child controls, takes the focus.
#include "toolkit/controls/WinControl.h"

#include <windowsx.h>

#include <algorithm>

#include "toolkit/controls/ApplicationLink.h"
#include "toolkit/controls/ControlCanvas.h"
#include "toolkit/core/Exception.h"
#include "toolkit/controls/CustomForm.h"
#include "toolkit/controls/GraphicControl.h"
#include "toolkit/system/WinGuards.h"

TShiftState KeyboardShiftState() {
    TShiftState shift = 0;
    if (GetKeyState(VK_SHIFT) < 0) shift |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
    return shift;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) { brush_.SetColor(Color()); }

TWinControl::~TWinControl() {
    RemoveFromParent();
    // Children that nobody else freed go with their parent.
    while (!controls_.empty()) delete controls_.back();
    DestroyHandle();
}

HWND TWinControl::Handle() {
    if (handle_ == nullptr) {
        TWinControl* parent = Parent();
        if (parent != nullptr && !parent->HandleAllocated()) parent->HandleNeeded();  // creates this one too
        if (handle_ == nullptr) CreateWnd();
    }
    return handle_;
}

void TWinControl::DestroyHandle() {
    if (handle_ == nullptr) return;
    // Children first, so each keeps what lives in its window.
    for (TControl* child : std::vector<TControl*>(controls_)) {
        auto* windowed = dynamic_cast<TWinControl*>(child);
        if (windowed != nullptr) windowed->DestroyHandle();
    }
    SavingWindowState();
    text_ = Text();
    HWND window = handle_;
    DestroyWindow(window);
    if (handle_ == window) Detach();
}

void TWinControl::RecreateWnd() {
    if (handle_ == nullptr) return;
    bool focused = Focused();
    DestroyHandle();
    HandleNeeded();
    if (focused) SetFocus();
}

void TWinControl::CreateParams(TCreateParams& params) {
    params.Caption = text_;
    params.Style = WS_CHILD | WS_CLIPSIBLINGS;
    if (visible_) params.Style |= WS_VISIBLE;
    if (!enabled_) params.Style |= WS_DISABLED;
    if (tabStop_) params.Style |= WS_TABSTOP;
    params.X = left_;
    params.Y = top_;
    params.Width = width_;
    params.Height = height_;
    if (Parent() != nullptr) params.Parent = Parent()->Handle();
}

void TWinControl::UpdateBoundsFromWindow() {
    if (handle_ == nullptr) return;
    RECT r{};
    GetWindowRect(handle_, &r);
    if ((GetWindowLongA(handle_, GWL_STYLE) & WS_CHILD) != 0 && GetParent(handle_) != nullptr)
        MapWindowPoints(nullptr, GetParent(handle_), reinterpret_cast<POINT*>(&r), 2);
    left_ = r.left;
    top_ = r.top;
    width_ = r.right - r.left;
    height_ = r.bottom - r.top;
}

void TWinControl::InsertControl(TControl* control) {
    controls_.push_back(control);
    control->parent_ = this;
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
        tabList_.push_back(windowed);
        if (handle_ != nullptr && !windowed->HandleAllocated()) windowed->CreateWnd();
    } else {
        control->Invalidate();
    }
}

void TWinControl::RemoveControl(TControl* control) {
    auto it = std::find(controls_.begin(), controls_.end(), control);
    if (it == controls_.end()) return;
    if (TCustomForm* form = ParentForm()) form->ControlLeaving(control);
    if (captureControl_ == control) captureControl_ = nullptr;
    control->Invalidate();
    // Out of the lists first: nothing sent while its window goes may reach it through this parent.
    controls_.erase(it);
    auto* windowed = dynamic_cast<TWinControl*>(control);
    if (windowed != nullptr) tabList_.erase(std::find(tabList_.begin(), tabList_.end(), windowed));
    control->parent_ = nullptr;
    if (windowed != nullptr) windowed->DestroyHandle();
}

bool TWinControl::ContainsControl(const TControl* control) const {
    for (const TControl* c = control; c != nullptr; c = c->Parent())
        if (c == this) return true;
    return false;
}

TControl* TWinControl::ControlAtPos(POINT point) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* c = *it;
        if (dynamic_cast<TGraphicControl*>(c) == nullptr || !c->Visible()) continue;
        RECT r = c->BoundsRect();
        if (PtInRect(&r, point)) return c;
    }
    return nullptr;
}

int TWinControl::TabOrder() const {
    if (Parent() == nullptr) return -1;
    const auto& list = Parent()->tabList_;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int order) {
    if (Parent() == nullptr) return;
    auto& list = Parent()->tabList_;
    list.erase(std::find(list.begin(), list.end(), this));
    order = std::clamp(order, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + order, this);
}

void TWinControl::SetTabStop(bool tabStop) {
    if (tabStop == tabStop_) return;
    tabStop_ = tabStop;
    if (handle_ == nullptr) return;
    LONG style = GetWindowLongA(handle_, GWL_STYLE);
    SetWindowLongA(handle_, GWL_STYLE, tabStop ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) {
    for (TWinControl* child : tabList_) {
        list.push_back(child);
        child->GetTabOrderList(list);
    }
}

bool TWinControl::CanFocus() const {
    for (const TControl* c = this; c != nullptr; c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return true;
}

void TWinControl::SetFocus() {
    TCustomForm* form = ParentForm();
    if (form != nullptr && form != this) form->RememberActiveControl(this);
    if (CanFocus() && (form == nullptr || form->Showing())) ::SetFocus(Handle());
}

void TWinControl::SetCtl3D(bool ctl3D) {
    if (ctl3D == ctl3D_) return;
    ctl3D_ = ctl3D;
    Perform(CM_CTL3DCHANGED);
    for (TControl* child : std::vector<TControl*>(controls_)) child->Perform(CM_PARENTCTL3DCHANGED);
}

std::string TWinControl::Text() const {
    if (handle_ == nullptr) return text_;
    int length = GetWindowTextLengthA(handle_);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int copied = GetWindowTextA(handle_, text.data(), length + 1);
    text.resize(static_cast<size_t>(std::max(copied, 0)));
    return text;
}

void TWinControl::SetText(const std::string& text) {
    if (handle_ == nullptr) {
        TControl::SetText(text);
        return;
    }
    if (text == Text()) return;
    SetWindowTextA(handle_, text.c_str());  // WM_SETTEXT announces the change
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
    if (handle_ == nullptr) {
        TControl::SetBounds(left, top, width, height);
        return;
    }
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    if (handle_ != nullptr) ShowWindow(handle_, visible ? SW_SHOWNA : SW_HIDE);
}

void TWinControl::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (handle_ != nullptr) EnableWindow(handle_, enabled ? TRUE : FALSE);
    Perform(CM_ENABLEDCHANGED, enabled ? 1 : 0, 0);
}

RECT TWinControl::ClientRect() {
    if (handle_ == nullptr) return TControl::ClientRect();
    RECT r{};
    GetClientRect(handle_, &r);
    return r;
}

void TWinControl::Invalidate() { Perform(CM_INVALIDATE); }

void TWinControl::Update() {
    if (handle_ != nullptr) UpdateWindow(handle_);
}

void TWinControl::FontAttributesChanged() {
    if (handle_ != nullptr) {
        SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
        Invalidate();
    }
    for (TControl* child : std::vector<TControl*>(controls_))
        if (child->ParentFont()) child->TakeParentFont();
}

void TWinControl::ColorAttributesChanged() {
    brush_.SetColor(Color());
    Invalidate();
    for (TControl* child : std::vector<TControl*>(controls_)) child->Perform(CM_PARENTCOLORCHANGED);
}

void TWinControl::KeyDown(std::uint16_t& key, TShiftState shift) { OnKeyDown(this, key, shift); }

void TWinControl::PaintControls(HDC dc) {
    RECT clip{};
    GetClipBox(dc, &clip);
    for (TControl* child : std::vector<TControl*>(controls_)) {
        auto* graphic = dynamic_cast<TGraphicControl*>(child);
        if (graphic == nullptr || !graphic->Visible()) continue;
        RECT bounds = graphic->BoundsRect();
        RECT overlap{};
        if (!IntersectRect(&overlap, &bounds, &clip)) continue;
        TSavedDCState saved(dc);
        OffsetViewportOrgEx(dc, bounds.left, bounds.top, nullptr);
        IntersectClipRect(dc, 0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top);
        graphic->PaintTo(dc);
    }
}

// Called when the window needs painting: the control's own drawing (or the system's), then its graphic children.
bool TWinControl::HandlePaint(TMessage& message) {
    bool hasGraphicChildren = std::any_of(controls_.begin(), controls_.end(), [](TControl* c) {
        return dynamic_cast<TGraphicControl*>(c) != nullptr;
    });
    if (!OwnWindowClass() && !hasGraphicChildren) {
        DefaultHandler(message);
        return true;
    }
    auto paintInto = [&](HDC dc) {
        if (OwnWindowClass()) {
            PaintWindow(dc);
        } else {
            TMessage own{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
            DefaultHandler(own);
        }
        PaintControls(dc);
    };
    if (message.WParam != 0) {
        paintInto(reinterpret_cast<HDC>(message.WParam));
    } else {
        TPaintDC dc(handle_);
        paintInto(dc.Get());
    }
    message.Result = 0;
    return true;
}

// Called when the mouse moves or a button goes up or down in the client area: the enabled graphic child under
// the mouse (or the one that holds it since a press) takes the message in its own coordinates.
bool TWinControl::RouteMouse(TMessage& message) {
    POINT p{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
    TControl* target = captureControl_ != nullptr ? captureControl_ : ControlAtPos(p);
    if (message.Msg == WM_MOUSEMOVE) {
        if (!trackingMouse_) {
            TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, handle_, 0};
            trackingMouse_ = TrackMouseEvent(&track) != FALSE;
        }
        if (ApplicationLink != nullptr) ApplicationLink->SetMouseControl(target != nullptr ? target : this);
    }
    if (target == nullptr || !target->Enabled()) return false;
    if (message.Msg == WM_LBUTTONDOWN) {
        captureControl_ = target;
        SetCapture(handle_);
    }
    LPARAM local = MAKELPARAM(p.x - target->Left(), p.y - target->Top());
    target->Perform(message.Msg, message.WParam, local);
    if (message.Msg == WM_LBUTTONUP && captureControl_ != nullptr) {
        captureControl_ = nullptr;
        ReleaseCapture();
    }
    message.Result = 0;
    return true;
}

// Called when the mouse moves in the client area: the cursor of the graphic child under it (the last mouse
// move placed it), else the control's own; the system's choice when neither sets one.
bool TWinControl::HandleSetCursor(TMessage& message) {
    if (reinterpret_cast<HWND>(message.WParam) != handle_ || LOWORD(message.LParam) != HTCLIENT) return false;
    TCursor cursor = Cursor();
    const TControl* over = ApplicationLink != nullptr ? ApplicationLink->MouseControl() : nullptr;
    if (over != nullptr && over->Parent() == this && over->Cursor() != crDefault) cursor = over->Cursor();
    if (cursor == crDefault) return false;
    static const struct { TCursor cursor; LPCSTR id; } kCursors[] = {
        {crArrow, IDC_ARROW}, {crIBeam, IDC_IBEAM}, {crHourGlass, IDC_WAIT}, {crHandPoint, IDC_HAND}};
    for (const auto& c : kCursors)
        if (c.cursor == cursor) ::SetCursor(LoadCursorA(nullptr, c.id));
    message.Result = TRUE;
    return true;
}

// Called when the message loop offers a key before dispatching it: Tab, Enter and Esc go to the form first
// unless the control wants them itself.
bool TWinControl::HandleDialogKey(TMessage& message) {
    message.Result = 0;
    auto key = static_cast<std::uint16_t>(message.WParam);
    LRESULT wanted = 0;
    if (key == VK_TAB) wanted = DLGC_WANTTAB;
    if (key == VK_RETURN || key == VK_ESCAPE) wanted = DLGC_WANTALLKEYS;
    if (wanted == 0 || (Perform(WM_GETDLGCODE) & (wanted | DLGC_WANTMESSAGE)) != 0) return true;
    TCustomForm* form = ParentForm();
    if (form != nullptr && form->DialogKey(key)) message.Result = 1;
    return true;
}

// Called when a key goes down in the window: the form's key preview first, then the control's own handler;
// either may swallow the key. A key left over reaches the system (changed, if a handler changed it).
bool TWinControl::HandleKeyDown(TMessage& message) {
    auto key = static_cast<std::uint16_t>(message.WParam);
    TShiftState shift = KeyboardShiftState();
    TCustomForm* form = ParentForm();
    if (form != nullptr && form != this && form->KeyPreview()) form->KeyDown(key, shift);
    if (key != 0) KeyDown(key, shift);
    if (key == 0) {
        message.Result = 0;
        return true;
    }
    message.WParam = key;
    return false;
}

void TWinControl::FocusArrived() {
    TCustomForm* form = ParentForm();
    if (form != nullptr) form->FocusChanged(this);
}

bool TWinControl::ReflectToChild(TMessage& message, HWND child) {
    TWinControl* control = FindControl(child);
    if (control == nullptr || control == this) return false;
    message.Result = control->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
    return true;
}

void TWinControl::WndProc(TMessage& message) {
    if (!RouteToHandler(message)) TControl::WndProc(message);
}

// One named handler per message; a handler that returns false passes the message on to TControl.
bool TWinControl::RouteToHandler(TMessage& message) {
    switch (message.Msg) {
    case WM_SETFOCUS: return WMSetFocus(message);
    case WM_KILLFOCUS: return WMKillFocus(message);
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC: return ReflectFromChild(message);
    case WM_NOTIFY: return WMNotify(message);
    case WM_DRAWITEM: return WMDrawItem(message);
    case WM_MEASUREITEM: return WMMeasureItem(message);
    case WM_DELETEITEM: return WMDeleteItem(message);
    case WM_COMPAREITEM: return WMCompareItem(message);
    case WM_PARENTNOTIFY: return WMParentNotify(message);
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORSTATIC: return CNCtlColor(message);
    case CN_COMMAND: return CNCommand(message);
    case CN_NOTIFY: return CNNotify(message);
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN: return HandleDialogKey(message);
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: return HandleKeyDown(message);
    case WM_PAINT: return HandlePaint(message);
    case WM_ERASEBKGND: return WMEraseBkgnd(message);
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP: return RouteMouse(message);
    case WM_MOUSELEAVE: return WMMouseLeave(message);
    case WM_SETTEXT: return WMSetText(message);
    case WM_WINDOWPOSCHANGED: return WMWindowPosChanged(message);
    case WM_SETCURSOR: return HandleSetCursor(message);
    case CM_INVALIDATE: return CMInvalidate(message);
    case CM_CTL3DCHANGED: return CMCtl3DChanged(message);
    default: return false;
    }
}

// Called when the window gets the keyboard focus: the form learns which control has it.
bool TWinControl::WMSetFocus(TMessage& message) {
    DefaultHandler(message);
    FocusArrived();
    return true;
}

// Called when the window loses the keyboard focus; focus that moves on to a window inside it (a combo box's
// edit) has not left the control.
bool TWinControl::WMKillFocus(TMessage& message) {
    DefaultHandler(message);
    const auto next = reinterpret_cast<HWND>(message.WParam);
    if (next == nullptr || !IsChild(handle_, next)) Perform(CM_EXIT);
    return true;
}

// Called when a child window reports to this one with its own handle in LParam (commands, scrolling, colours):
// the child's control answers.
bool TWinControl::ReflectFromChild(TMessage& message) {
    return message.LParam != 0 && ReflectToChild(message, reinterpret_cast<HWND>(message.LParam));
}

// Called when a common control child sends a notification.
bool TWinControl::WMNotify(TMessage& message) {
    return ReflectToChild(message, reinterpret_cast<NMHDR*>(message.LParam)->hwndFrom);
}

// Called when an owner-drawn child is to be drawn; menu items are the menu's business.
bool TWinControl::WMDrawItem(TMessage& message) {
    auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
    return item->CtlType != ODT_MENU && ReflectToChild(message, item->hwndItem);
}

// Called when an owner-drawn child is measured (the child is known by its id only).
bool TWinControl::WMMeasureItem(TMessage& message) {
    auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
    return item->CtlType != ODT_MENU &&
           ReflectToChild(message, GetDlgItem(handle_, static_cast<int>(item->CtlID)));
}

// Called when an item of an owner-drawn list child goes.
bool TWinControl::WMDeleteItem(TMessage& message) {
    return ReflectToChild(message, reinterpret_cast<DELETEITEMSTRUCT*>(message.LParam)->hwndItem);
}

// Called when a sorted owner-drawn list child compares two items.
bool TWinControl::WMCompareItem(TMessage& message) {
    return ReflectToChild(message, reinterpret_cast<COMPAREITEMSTRUCT*>(message.LParam)->hwndItem);
}

// Called when a child window is created or destroyed: the child hears of it too; the system sees it as well.
bool TWinControl::WMParentNotify(TMessage& message) {
    if (LOWORD(message.WParam) == WM_CREATE || LOWORD(message.WParam) == WM_DESTROY) {
        TMessage reflected = message;
        ReflectToChild(reflected, reinterpret_cast<HWND>(message.LParam));
    }
    return false;
}

// Called when the parent asks for this control's colours: its font colour on its own brush.
bool TWinControl::CNCtlColor(TMessage& message) {
    auto dc = reinterpret_cast<HDC>(message.WParam);
    SetTextColor(dc, ColorToRGB(Font().Color()));
    SetBkColor(dc, ColorToRGB(Color()));
    message.Result = reinterpret_cast<LRESULT>(brush_.Handle());
    return true;
}

// Called when the parent passes on a WM_COMMAND notification of this control.
bool TWinControl::CNCommand(TMessage& message) {
    CommandNotify(HIWORD(message.WParam));
    message.Result = 0;
    return true;
}

// Called when the parent passes on a WM_NOTIFY notification of this control.
bool TWinControl::CNNotify(TMessage& message) {
    message.Result = 0;
    NotifyReflected(message);
    return true;
}

// Called when the window needs its background: the control's brush, where the control paints it.
bool TWinControl::WMEraseBkgnd(TMessage& message) {
    if (!ErasesWithBrush()) return false;
    RECT r{};
    GetClientRect(handle_, &r);
    ::FillRect(reinterpret_cast<HDC>(message.WParam), &r, brush_.Handle());
    message.Result = 1;
    return true;
}

// Called when the mouse has left the window: a graphic child under it is left too; the system sees it as well.
bool TWinControl::WMMouseLeave(TMessage&) {
    trackingMouse_ = false;
    if (ApplicationLink != nullptr && ApplicationLink->MouseControl() != nullptr &&
        (ApplicationLink->MouseControl() == this || ApplicationLink->MouseControl()->Parent() == this))
        ApplicationLink->SetMouseControl(nullptr);
    return false;
}

// Called when the window's text changes, by code or by the system: the control keeps a copy and tells of it.
bool TWinControl::WMSetText(TMessage& message) {
    DefaultHandler(message);
    text_ = message.LParam != 0 ? reinterpret_cast<const char*>(message.LParam) : "";
    Perform(CM_TEXTCHANGED);
    return true;
}

// Called when the window was moved or sized: the bounds follow it.
bool TWinControl::WMWindowPosChanged(TMessage& message) {
    DefaultHandler(message);
    UpdateBoundsFromWindow();
    return true;
}

// Called when the control is about to be invalidated: the whole window is repainted.
bool TWinControl::CMInvalidate(TMessage& message) {
    if (handle_ != nullptr) InvalidateRect(handle_, nullptr, TRUE);
    message.Result = 0;
    return true;
}

// Called when the control's 3-D look changed.
bool TWinControl::CMCtl3DChanged(TMessage& message) {
    Ctl3DLookChanged();
    message.Result = 0;
    return true;
}

void TWinControl::DefaultHandler(TMessage& message) {
    // The toolkit's own notifications mean nothing to the system's window procedures.
    if (handle_ == nullptr || (message.Msg >= CM_BASE && message.Msg < 0xC000)) {
        message.Result = 0;
        return;
    }
    message.Result = CallWindowProcA(defaultProc_ != nullptr ? defaultProc_ : DefWindowProcA, handle_, message.Msg,
                                     message.WParam, message.LParam);
}
