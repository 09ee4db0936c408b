// Static text painted by its parent; sizes itself to its caption unless AutoSize is off.
#pragma once

#include "toolkit/controls/GraphicControl.h"

class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* owner);
    const char* ClassName() const override { return "TLabel"; }

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);

protected:
    void Paint() override;
    void WndProc(TMessage& message) override;
    void FontAttributesChanged() override;

private:
    void AdjustSize();

    bool autoSize_ = true;
};
