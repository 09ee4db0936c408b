// List box of texts with one selected item; OnClick follows the user's selection.
#pragma once

#include "toolkit/controls/ItemsControl.h"
#include "toolkit/controls/ListBorder.h"

class TListBox : public TWithBorderStyle<TItemsControl> {
public:
    explicit TListBox(TComponent* owner);
    const char* ClassName() const override { return "TListBox"; }

protected:
    void CreateParams(TCreateParams& params) override;
    void CommandNotify(WORD code) override;
    void Ctl3DLookChanged() override { RecreateWnd(); }
};
