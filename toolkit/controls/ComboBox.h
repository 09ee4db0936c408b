// Combo box in the drop-down, simple or drop-down list style (the last without free text); OnChange follows the user.
#pragma once

#include "toolkit/controls/ItemsControl.h"

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList };

class TComboBox : public TItemsControl {
public:
    explicit TComboBox(TComponent* owner);
    const char* ClassName() const override { return "TComboBox"; }

    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle style);
    bool DroppedDown() const;
    // A drop-down list shows the selected item's text.
    std::string Text() const override;
    void SetBounds(int left, int top, int width, int height) override;
    // The focus may sit on the inner edit of a drop-down combo box.
    bool Focused() const override;

    // Runs when the user picks another item (not when code sets ItemIndex).
    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void CommandNotify(WORD code) override;

private:
    int WindowHeight() const;

    TComboBoxStyle style_ = csDropDown;
};
