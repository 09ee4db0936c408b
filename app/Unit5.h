// The Decrypt dialog.
#pragma once

#include "toolkit/Edit.h"
#include "toolkit/Form.h"

class TForm5 : public TForm {
public:
    explicit TForm5(TComponent* owner);
    const char* ClassName() const override { return "TForm5"; }

    // The container to decrypt.
    TEdit* Edit1 = nullptr;
};

extern TForm5* Form5;
