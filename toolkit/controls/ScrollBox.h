// Scroll box: a framed container for other controls.
#pragma once

#include "toolkit/controls/OwnContainer.h"

class TScrollBox : public TOwnContainer {
public:
    explicit TScrollBox(TComponent* owner);
    const char* ClassName() const override { return "TScrollBox"; }

protected:
    void CreateParams(TCreateParams& params) override;
};
