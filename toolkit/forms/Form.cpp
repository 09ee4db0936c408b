// A top-level window built in code: border, position, key preview, modal showing and its events.
#include "toolkit/forms/Form.h"

#include <algorithm>
#include <vector>

#include "toolkit/forms/Application.h"
#include "toolkit/controls/Button.h"
#include "toolkit/core/Exception.h"
#include "toolkit/core/Scoped.h"
#include "toolkit/forms/Screen.h"
#include "toolkit/system/WinGuards.h"

namespace {

void Broadcast(TControl* control, UINT message, WPARAM wParam, LPARAM lParam) {
    control->Perform(message, wParam, lParam);
    if (auto* windowed = dynamic_cast<TWinControl*>(control))
        for (int i = 0; i < windowed->ControlCount(); ++i) Broadcast(windowed->Controls(i), message, wParam, lParam);
}

TButton* FindButton(TWinControl* container, bool (TButton::*flag)() const) {
    for (int i = 0; i < container->ControlCount(); ++i) {
        TControl* c = container->Controls(i);
        if (auto* button = dynamic_cast<TButton*>(c); button != nullptr && (button->*flag)() && button->CanFocus())
            return button;
        if (auto* windowed = dynamic_cast<TWinControl*>(c))
            if (TButton* found = FindButton(windowed, flag)) return found;
    }
    return nullptr;
}

}  // namespace

TForm::TForm(TComponent* owner) : TCustomForm(owner), canvas_(this) {
    visible_ = false;
    SetParentColor(false);
    SetColor(clBtnFace);
    width_ = 320;
    height_ = 240;
    if (Screen != nullptr) Screen->AddForm(this);
    BeginLoading();
    AnnounceInsertion();
}

TForm::~TForm() {
    // The owner's tree hears of the form going while it still is one.
    if (Owner() != nullptr) Owner()->RemoveComponent(this);
    canvas_.FreeHandle();
    DestroyComponents();
    DestroyHandle();
    if (Screen != nullptr) Screen->RemoveForm(this);
}

void TForm::FinishLayout() {
    EndLoading();
    OnCreate(this);
}

DWORD TForm::WindowStyle() const {
    DWORD style = WS_CLIPCHILDREN;
    switch (borderStyle_) {
    case bsNone: return style | WS_POPUP;
    case bsSingle:
    case bsToolWindow: style |= WS_CAPTION | WS_BORDER; break;
    case bsSizeable:
    case bsSizeToolWin: style |= WS_CAPTION | WS_THICKFRAME; break;
    case bsDialog: style |= WS_POPUP | WS_CAPTION | DS_MODALFRAME; break;
    }
    if (borderIcons_ & biSystemMenu) {
        style |= WS_SYSMENU;
        if (borderStyle_ != bsDialog && (borderIcons_ & biMinimize)) style |= WS_MINIMIZEBOX;
        if (borderStyle_ != bsDialog && (borderIcons_ & biMaximize)) style |= WS_MAXIMIZEBOX;
    }
    return style;
}

DWORD TForm::WindowExStyle() const {
    switch (borderStyle_) {
    case bsDialog: return WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
    case bsToolWindow:
    case bsSizeToolWin: return WS_EX_TOOLWINDOW;
    default: return 0;
    }
}

void TForm::CreateParams(TCreateParams& params) {
    params.WindowClass = kToolkitWindowClass;
    params.Caption = text_;
    params.Style = WindowStyle();
    params.ExStyle = WindowExStyle();
    params.X = left_;
    params.Y = top_;
    params.Width = width_;
    params.Height = height_;
    // Other forms stay above the main form and out of the task bar.
    TForm* mainForm = Application != nullptr ? Application->MainForm() : nullptr;
    if (mainForm != nullptr && mainForm != this) {
        params.Parent = mainForm->Handle();
    } else if (mainForm == nullptr && Application != nullptr) {
        params.Parent = Application->Handle();
    }
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
    if (style == borderStyle_) return;
    borderStyle_ = style;
    RecreateWnd();
}

void TForm::SetBorderIcons(TBorderIcons icons) {
    if (icons == borderIcons_) return;
    borderIcons_ = icons;
    RecreateWnd();
}

RECT TForm::ClientRect() {
    if (HandleAllocated()) return TWinControl::ClientRect();
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, WindowStyle(), FALSE, WindowExStyle());
    return RECT{0, 0, width_ - (frame.right - frame.left), height_ - (frame.bottom - frame.top)};
}

void TForm::SetClientWidth(int width) { SetWidth(width + (Width() - ClientWidth())); }

void TForm::SetClientHeight(int height) { SetHeight(height + (Height() - ClientHeight())); }

void TForm::SetMinimumSize(int width, int height) {
    minWidth_ = width;
    minHeight_ = height;
}

void TForm::SetIcon(HICON icon) {
    icon_ = icon;
    if (HandleAllocated()) SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
}

bool TForm::Active() const { return HandleAllocated() && GetActiveWindow() == const_cast<TForm*>(this)->Handle(); }

void TForm::SetActiveControl(TWinControl* control) {
    activeControl_ = control;
    if (control != nullptr && Active()) control->SetFocus();
}

void TForm::PlaceOnShow() {
    TControl* around = nullptr;
    if (position_ == poMainFormCenter && Application != nullptr && Application->MainForm() != this)
        around = Application->MainForm();
    if (position_ == poDesigned) return;
    RECT area = Screen != nullptr ? Screen->WorkArea() : RECT{0, 0, 1024, 768};
    if (around != nullptr && around->Visible()) area = around->BoundsRect();
    int left = area.left + (area.right - area.left - width_) / 2;
    int top = area.top + (area.bottom - area.top - height_) / 2;
    SetBounds(left, top, width_, height_);
}

void TForm::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    if (!visible) {
        if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
        // A hidden form is no longer the active one: its next showing activates it again.
        if (Screen != nullptr && Screen->ActiveForm() == this) Screen->SetActiveForm(nullptr);
        return;
    }
    HandleNeeded();
    if (icon_ != nullptr) SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    OnShow(this);
    // The show handler may have closed the form, or ended the application by closing the main form.
    if (!visible_ || (Application != nullptr && Application->Terminated())) return;
    PlaceOnShow();
    ShowWindow(Handle(), SW_SHOWNORMAL);
}

void TForm::FocusChanged(TWinControl* control) {
    if (control != this) activeControl_ = control;
    Broadcast(this, CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
}

void TForm::ControlLeaving(TControl* control) {
    if (activeControl_ == nullptr) return;
    auto* windowed = dynamic_cast<TWinControl*>(control);
    if (control == activeControl_ || (windowed != nullptr && windowed->ContainsControl(activeControl_)))
        activeControl_ = nullptr;
}

void TForm::FocusActiveControl() {
    TWinControl* target = activeControl_ != nullptr && activeControl_->CanFocus() ? activeControl_ : nullptr;
    if (target == nullptr) {
        std::vector<TWinControl*> list;
        GetTabOrderList(list);
        for (TWinControl* c : list)
            if (c->TabStop() && c->CanFocus()) {
                target = c;
                break;
            }
    }
    ::SetFocus(target != nullptr ? target->Handle() : Handle());
}

bool TForm::DialogKey(std::uint16_t key) {
    TShiftState shift = KeyboardShiftState();
    switch (key) {
    case VK_TAB: {
        if (shift & (ssCtrl | ssAlt)) return false;
        TWinControl* current = FindControl(GetFocus());
        SelectNext(current != nullptr ? current : activeControl_, (shift & ssShift) == 0);
        return true;
    }
    case VK_RETURN: {
        TButton* button = dynamic_cast<TButton*>(FindControl(GetFocus()));
        if (button == nullptr) button = FindButton(this, &TButton::Default);
        if (button == nullptr) return false;
        button->Click();
        return true;
    }
    case VK_ESCAPE: {
        TButton* button = FindButton(this, &TButton::Cancel);
        if (button == nullptr) return false;
        button->Click();
        return true;
    }
    default:
        return false;
    }
}

void TForm::SelectNext(TWinControl* current, bool forward) {
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty()) return;
    auto size = static_cast<int>(list.size());
    int start = static_cast<int>(std::find(list.begin(), list.end(), current) - list.begin());
    if (start == size) start = forward ? size - 1 : 0;
    for (int step = 1; step <= size; ++step) {
        int i = ((forward ? start + step : start - step) % size + size) % size;
        if (list[static_cast<size_t>(i)] != current && list[static_cast<size_t>(i)]->TabStop() &&
            list[static_cast<size_t>(i)]->CanFocus()) {
            list[static_cast<size_t>(i)]->SetFocus();
            return;
        }
    }
}

void TForm::DoClose(TCloseAction& action) { OnClose(this, action); }

TModalResult TForm::ShowModal() {
    if (visible_ || modal_ || !enabled_) throw Exception("Cannot make a visible window modal");
    HWND previousActive = GetActiveWindow();
    TDisabledWindows others;
    if (Screen != nullptr) {
        for (int i = 0; i < Screen->FormCount(); ++i) {
            TForm* other = Screen->Forms(i);
            if (other != this && other->HandleAllocated()) others.Disable(other->Handle());
        }
    }
    modalResult_ = mrNone;
    {
        // On any way out; the other windows are enabled again when `others` goes.
        const TFlagScope modal(modal_);
        Show();
        SetActiveWindow(Handle());
        RunModalLoop();
    }
    // Enabled before this one hides, so that the activation goes back to one of them.
    others.Restore();
    if (previousActive != nullptr && IsWindow(previousActive)) SetActiveWindow(previousActive);
    Hide();
    return modalResult_;
}

void TForm::RunModalLoop() {
    while (modalResult_ == mrNone) {
        Application->HandleMessage();
        if (Application->Terminated()) {
            modalResult_ = mrCancel;
        } else if (modalResult_ != mrNone) {
            TCloseAction action = caHide;
            DoClose(action);
            if (action == caNone) modalResult_ = mrNone;
        }
    }
}

void TForm::Close() {
    if (modal_) {
        modalResult_ = mrCancel;
        return;
    }
    bool isMain = Application != nullptr && Application->MainForm() == this;
    TCloseAction action = isMain ? caFree : caHide;
    DoClose(action);
    if (action == caNone) return;
    if (isMain) {
        Application->Terminate();
    } else if (action == caMinimize) {
        if (HandleAllocated()) ShowWindow(Handle(), SW_MINIMIZE);
    } else {
        Hide();
    }
}

void TForm::PaintWindow(HDC dc) {
    canvas_.SetHandle(dc);
    Paint();
    canvas_.SetHandle(nullptr);
}

void TForm::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_CLOSE:
        Close();
        message.Result = 0;
        return;
    case WM_ACTIVATE:
        if (LOWORD(message.WParam) != WA_INACTIVE) {
            if (HIWORD(message.WParam) == 0) FocusActiveControl();
            if (Screen != nullptr && Screen->ActiveForm() != this) {
                Screen->SetActiveForm(this);
                OnActivate(this);
            }
            message.Result = 0;
            return;
        }
        break;
    case WM_SHOWWINDOW:
        if (message.WParam != 0 && message.LParam == SW_PARENTOPENING) OnShow(this);
        break;
    case WM_GETMINMAXINFO: {
        DefaultHandler(message);
        auto* info = reinterpret_cast<MINMAXINFO*>(message.LParam);
        if (minWidth_ > 0) info->ptMinTrackSize.x = minWidth_;
        if (minHeight_ > 0) info->ptMinTrackSize.y = minHeight_;
        return;
    }
    default:
        break;
    }
    TWinControl::WndProc(message);
}
