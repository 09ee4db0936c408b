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

private:
    TBorderStyle borderStyle_ = bsSingle;
};
