// Rich edit: a memo of the system's rich text edit class, with a margin of its own colour inside its border.
#pragma once

#include "toolkit/controls/Memo.h"

class TRichEdit : public TMemo {
public:
    explicit TRichEdit(TComponent* owner);
    const char* ClassName() const override { return "TRichEdit"; }

    // Pixels between the border and the text on every side, in the control's colour.
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int width);

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;

private:
    void PaintMargin();

    int borderWidth_ = 0;
};
