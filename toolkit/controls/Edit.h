// Single-line edit: text, password character, selection, border and OnChange.
#pragma once

#include "toolkit/controls/BorderStyle.h"
#include "toolkit/controls/WinControl.h"

class TEdit : public TWinControl {
public:
    explicit TEdit(TComponent* owner);
    const char* ClassName() const override { return "TEdit"; }

    // The character shown for each typed one; 0 shows the text itself.
    char PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char passwordChar);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);
    bool Modified() const;

    void SelectAll();
    int SelStart() const;
    int SelLength() const;

    // Runs when the text changed, by typing or by code.
    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;
    void SavingWindowState() override;
    void CommandNotify(WORD code) override;
    void Ctl3DLookChanged() override { RecreateWnd(); }

private:
    char passwordChar_ = 0;
    TBorderStyle borderStyle_ = bsSingle;
    bool modified_ = false;
};
