// Page scroller (pager): scrolls its only child control with arrow buttons when the child is wider than it.
#pragma once

#include "toolkit/controls/WinControl.h"

class TPageScroller : public TWinControl {
public:
    explicit TPageScroller(TComponent* owner);
    const char* ClassName() const override { return "TPageScroller"; }

protected:
    void CreateParams(TCreateParams& params) override;
    // Creates the window and its children, then hands an only child to the pager.
    void CreateWnd() override;
    void NotifyReflected(TMessage& message) override;

private:
    TWinControl* OnlyChild() const;
};
