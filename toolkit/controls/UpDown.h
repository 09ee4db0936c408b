// Up-down (spin) control with a position between Min and Max.
#pragma once

#include "toolkit/controls/WinControl.h"

class TUpDown : public TWinControl {
public:
    explicit TUpDown(TComponent* owner);
    const char* ClassName() const override { return "TUpDown"; }

    int Position() const;
    void SetPosition(int position);
    void SetRange(int min, int max);

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;
    void SavingWindowState() override { position_ = Position(); }

private:
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
};
