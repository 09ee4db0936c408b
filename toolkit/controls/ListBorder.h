// The border of the list kinds (list box, list view, tree view): single or none, chosen before the window exists.
#pragma once

#include "toolkit/controls/BorderStyle.h"
#include "toolkit/controls/WinControl.h"

// A control whose border style can be read and written without knowing its class.
class TBorderStyled {
public:
    virtual ~TBorderStyled() = default;
    virtual TBorderStyle BorderStyle() const = 0;
    virtual void SetBorderStyle(TBorderStyle style) = 0;
};

template <class Base>
class TWithBorderStyle : public Base, public TBorderStyled {
public:
    using Base::Base;
    TBorderStyle BorderStyle() const override { return borderStyle_; }
    // A new style rebuilds the window.
    void SetBorderStyle(TBorderStyle style) override {
        if (style == borderStyle_) return;
        borderStyle_ = style;
        this->RecreateWnd();
    }

protected:
    // The single border: sunken, or a plain line when sunken is false; nothing for bsNone.
    void AddBorder(TCreateParams& params, bool sunken) const {
        if (borderStyle_ != bsSingle) return;
        if (sunken) {
            params.ExStyle |= WS_EX_CLIENTEDGE;
        } else {
            params.Style |= WS_BORDER;
        }
    }

    // The same border on the window as it is, without rebuilding it.
    void ChangeBorder(bool sunken) {
        if (!this->HandleAllocated()) return;
        TCreateParams params;
        AddBorder(params, sunken);
        HWND window = this->Handle();
        const LONG style = GetWindowLongA(window, GWL_STYLE) & ~WS_BORDER;
        const LONG exStyle = GetWindowLongA(window, GWL_EXSTYLE) & ~WS_EX_CLIENTEDGE;
        SetWindowLongA(window, GWL_STYLE, style | static_cast<LONG>(params.Style & WS_BORDER));
        SetWindowLongA(window, GWL_EXSTYLE, exStyle | static_cast<LONG>(params.ExStyle & WS_EX_CLIENTEDGE));
        SetWindowPos(window, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
    }

private:
    TBorderStyle borderStyle_ = bsSingle;
};
