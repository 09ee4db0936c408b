// Push button of the bit-map button kind (a button that can be told apart from plain ones).
#pragma once

#include "toolkit/controls/Button.h"

class TBitBtn : public TButton {
public:
    explicit TBitBtn(TComponent* owner) : TButton(owner) {}
    const char* ClassName() const override { return "TBitBtn"; }
};
