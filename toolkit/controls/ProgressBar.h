// Progress bar between Min and Max.
#pragma once

#include "toolkit/controls/WinControl.h"

class TProgressBar : public TWinControl {
public:
    explicit TProgressBar(TComponent* owner);
    const char* ClassName() const override { return "TProgressBar"; }

    int Min() const { return min_; }
    int Max() const { return max_; }
    void SetRange(int min, int max);
    int Position() const { return position_; }
    // Clamped to Min .. Max.
    void SetPosition(int position);

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;

private:
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
};
