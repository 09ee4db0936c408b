// The About window.
#pragma once

#include "toolkit/forms/Form.h"

class TForm3 : public TForm {
public:
    explicit TForm3(TComponent* owner);
    const char* ClassName() const override { return "TForm3"; }
};

extern TForm3* Form3;
