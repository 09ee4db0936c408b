// Base of every visual control: parent, bounds, visibility, colour, font, text and the replaceable window procedure.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "toolkit/graphics/Color.h"
#include "toolkit/core/Component.h"
#include "toolkit/core/Events.h"
#include "toolkit/graphics/Font.h"
#include "toolkit/system/Messages.h"

class TWinControl;
class TForm;
class TPopupMenu;
class TWindowProcHook;

using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crArrow = -2;
constexpr TCursor crIBeam = -4;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crHandPoint = -21;

enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;
    const char* ClassName() const override { return "TControl"; }

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);
    // The form that holds this control (a form itself), or nullptr.
    TForm* ParentForm();

    // Position in the parent's client area (a form: on the screen) and outer size.
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int left) { SetBounds(left, top_, width_, height_); }
    void SetTop(int top) { SetBounds(left_, top, width_, height_); }
    void SetWidth(int width) { SetBounds(left_, top_, width, height_); }
    void SetHeight(int height) { SetBounds(left_, top_, width_, height); }
    virtual void SetBounds(int left, int top, int width, int height);
    RECT BoundsRect() const { return RECT{left_, top_, left_ + width_, top_ + height_}; }
    virtual RECT ClientRect();
    int ClientWidth() { return ClientRect().right; }
    int ClientHeight() { return ClientRect().bottom; }
    POINT ClientToScreen(POINT point);
    POINT ScreenToClient(POINT point);

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and so is every parent.
    virtual bool Showing() const;
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);

    TColor Color() const { return color_; }
    void SetColor(TColor color);
    // A control with ParentColor takes its parent's colour and follows its changes.
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool parentColor);
    TFont& Font() { return font_; }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool parentFont);

    virtual std::string Text() const { return text_; }
    virtual void SetText(const std::string& text);
    std::string Caption() const { return Text(); }
    void SetCaption(const std::string& caption) { SetText(caption); }

    TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* menu) { popupMenu_ = menu; }
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint) { hint_ = hint; }
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor) { cursor_ = cursor; }
    TBiDiMode BiDiMode() const { return biDiMode_; }
    void SetBiDiMode(TBiDiMode mode) { biDiMode_ = mode; }

    // Receives every message sent or dispatched to the control. Holds the control's own WndProc until
    // someone replaces it; a replacement passes what it does not handle on to the procedure it saved.
    TWndMethod WindowProc;
    // Sends a message straight to WindowProc and returns its result.
    LRESULT Perform(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    virtual void Invalidate();
    // Paints pending regions now.
    virtual void Update();
    void Repaint() {
        Invalidate();
        Update();
    }

    TNotifyEvent OnClick;
    // Runs OnClick; nothing while the control is disabled.
    virtual void Click();
    TMouseMoveEvent OnMouseMove;
    // The mouse came over the control, or left it (graphic controls included).
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

protected:
    // The control's own message handling; unhandled messages go to DefaultHandler.
    virtual void WndProc(TMessage& message);
    virtual void DefaultHandler(TMessage& message);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseEnter();
    virtual void MouseLeave();
    // Called when a font attribute changed (own change or taken from the parent).
    virtual void FontAttributesChanged();
    virtual void ColorAttributesChanged();
    void TakeParentFont();
    void TakeParentColor();
    void RemoveFromParent();

    std::string text_;
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;

private:
    void FontChanged();

    friend class TWinControl;
    friend class TWindowProcHook;
    std::vector<TWindowProcHook*> procHooks_;  // links of WindowProc's chain, in hooking order
    TWinControl* parent_ = nullptr;
    TColor color_ = clBtnFace;
    bool parentColor_ = true;
    bool parentFont_ = true;
    bool takingFromParent_ = false;
    TFont font_;
    TPopupMenu* popupMenu_ = nullptr;
    std::string hint_;
    TCursor cursor_ = crDefault;
    TBiDiMode biDiMode_ = bdLeftToRight;
};

// The keys and buttons of a mouse message's WParam (Alt read from the keyboard).
TShiftState MouseShiftState(WPARAM keys);
