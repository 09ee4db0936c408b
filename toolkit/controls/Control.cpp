// Base of every visual control: parent, bounds, visibility, colour, font, text and the replaceable window procedure.
#include "toolkit/controls/Control.h"

#include <windowsx.h>

#include "toolkit/controls/ApplicationLink.h"
#include "toolkit/core/Exception.h"
#include "toolkit/core/Scoped.h"
#include "toolkit/controls/CustomForm.h"
#include "toolkit/controls/WinControl.h"
#include "toolkit/controls/WindowProcHook.h"

TControl::TControl(TComponent* owner) : TComponent(owner) {
    WindowProc = MethodOf<&TControl::WndProc>(this);
    font_.OnChange = MethodOf<&TControl::FontChanged>(this);
}

TControl::~TControl() {
    for (TWindowProcHook* link : std::vector<TWindowProcHook*>(procHooks_)) link->ControlGone();
    RemoveFromParent();
    if (ApplicationLink != nullptr) ApplicationLink->ControlDestroyed(this);
}

void TControl::RemoveFromParent() {
    if (parent_ != nullptr) parent_->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    if (parent == this) throw Exception("A control cannot be its own parent");
    RemoveFromParent();
    if (parent != nullptr) {
        parent->InsertControl(this);
        if (parentFont_) TakeParentFont();
        if (parentColor_) TakeParentColor();
    }
}

TCustomForm* TControl::ParentForm() {
    TControl* top = this;
    while (top->parent_ != nullptr) top = top->parent_;
    return dynamic_cast<TCustomForm*>(top);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (parent_ != nullptr && visible_) Invalidate();
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    if (parent_ != nullptr && visible_) Invalidate();
}

RECT TControl::ClientRect() { return RECT{0, 0, width_, height_}; }

POINT TControl::ClientToScreen(POINT point) {
    // A window knows its client origin (caption, menu and borders included); a graphic control sits in its parent's.
    if (auto* windowed = dynamic_cast<TWinControl*>(this); windowed != nullptr && windowed->HandleAllocated()) {
        ::ClientToScreen(windowed->Handle(), &point);
        return point;
    }
    POINT origin{left_, top_};
    if (parent_ != nullptr) origin = parent_->ClientToScreen(origin);
    return POINT{point.x + origin.x, point.y + origin.y};
}

POINT TControl::ScreenToClient(POINT point) {
    POINT origin = ClientToScreen(POINT{0, 0});
    return POINT{point.x - origin.x, point.y - origin.y};
}

void TControl::SetVisible(bool visible) {
    if (visible == visible_) return;
    if (!visible) Invalidate();
    visible_ = visible;
    if (visible) Invalidate();
}

bool TControl::Showing() const { return visible_ && (parent_ == nullptr || parent_->Showing()); }

void TControl::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Invalidate();
    Perform(CM_ENABLEDCHANGED, enabled ? 1 : 0, 0);
}

void TControl::SetColor(TColor color) {
    if (!takingFromParent_) parentColor_ = false;
    if (color == color_) return;
    color_ = color;
    ColorAttributesChanged();
}

void TControl::SetParentColor(bool parentColor) {
    parentColor_ = parentColor;
    if (parentColor) TakeParentColor();
}

void TControl::TakeParentColor() {
    if (parent_ == nullptr) return;
    const TFlagScope taking(takingFromParent_);
    SetColor(parent_->Color());
}

void TControl::ColorAttributesChanged() { Invalidate(); }

void TControl::SetParentFont(bool parentFont) {
    parentFont_ = parentFont;
    if (parentFont) TakeParentFont();
}

void TControl::TakeParentFont() {
    if (parent_ == nullptr) return;
    const TFlagScope taking(takingFromParent_);
    font_.Assign(parent_->Font());
}

void TControl::FontChanged() {
    if (!takingFromParent_) parentFont_ = false;
    FontAttributesChanged();
}

void TControl::FontAttributesChanged() { Invalidate(); }

void TControl::SetText(const std::string& text) {
    if (text == Text()) return;
    text_ = text;
    Perform(CM_TEXTCHANGED);
}

LRESULT TControl::Perform(UINT message, WPARAM wParam, LPARAM lParam) {
    TMessage m{message, wParam, lParam, 0};
    if (WindowProc) {
        WindowProc(m);
    } else {
        WndProc(m);
    }
    return m.Result;
}

void TControl::Invalidate() {
    if (parent_ == nullptr || !parent_->HandleAllocated()) return;
    RECT r = BoundsRect();
    InvalidateRect(parent_->Handle(), &r, TRUE);
}

void TControl::Update() {
    if (parent_ != nullptr) parent_->Update();
}

void TControl::Click() {
    if (Enabled()) OnClick(this);
}

void TControl::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CM_PARENTCOLORCHANGED:
        if (parentColor_) TakeParentColor();
        message.Result = 0;
        return;
    case WM_MOUSEMOVE:
        MouseMove(MouseShiftState(message.WParam), GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam));
        DefaultHandler(message);
        return;
    case CM_MOUSEENTER:
        MouseEnter();
        message.Result = 0;
        return;
    case CM_MOUSELEAVE:
        MouseLeave();
        message.Result = 0;
        return;
    default:
        DefaultHandler(message);
    }
}

void TControl::DefaultHandler(TMessage& message) { message.Result = 0; }

// Called when the mouse moves over the control.
void TControl::MouseMove(TShiftState shift, int x, int y) { OnMouseMove(this, shift, x, y); }

// Called when the mouse comes over the control.
void TControl::MouseEnter() { OnMouseEnter(this); }

// Called when the mouse leaves the control.
void TControl::MouseLeave() { OnMouseLeave(this); }

TShiftState MouseShiftState(WPARAM keys) {
    TShiftState shift = 0;
    if (keys & MK_SHIFT) shift |= ssShift;
    if (keys & MK_CONTROL) shift |= ssCtrl;
    if (keys & MK_LBUTTON) shift |= ssLeft;
    if (keys & MK_RBUTTON) shift |= ssRight;
    if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
    return shift;
}
