// Multi-line edit with a vertical scroll bar.
#pragma once

#include "toolkit/controls/Edit.h"

class TMemo : public TEdit {
public:
    explicit TMemo(TComponent* owner);
    const char* ClassName() const override { return "TMemo"; }

protected:
    void CreateParams(TCreateParams& params) override;
};
