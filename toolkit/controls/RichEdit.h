// Rich edit: a memo of the system's rich text edit class.
#pragma once

#include "toolkit/controls/Memo.h"

class TRichEdit : public TMemo {
public:
    explicit TRichEdit(TComponent* owner);
    const char* ClassName() const override { return "TRichEdit"; }

protected:
    void CreateParams(TCreateParams& params) override;
};
