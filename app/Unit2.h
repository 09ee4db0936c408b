// The Encrypt dialog.
#pragma once

#include "toolkit/Form.h"

class TForm2 : public TForm {
public:
    explicit TForm2(TComponent* owner);
    const char* ClassName() const override { return "TForm2"; }
};

extern TForm2* Form2;
