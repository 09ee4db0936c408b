// Stand-ins for components of other libraries that the flat style knows by their class names alone.
#pragma once

#include <vector>

#include "toolkit/controls/ComboBox.h"
#include "toolkit/controls/Edit.h"
#include "toolkit/controls/Panel.h"
#include "toolkit/controls/SpeedButton.h"

class TMaskEdit : public TEdit {
public:
    using TEdit::TEdit;
    const char* ClassName() const override { return "TMaskEdit"; }
};

class TDBEdit : public TEdit {
public:
    using TEdit::TEdit;
    const char* ClassName() const override { return "TDBEdit"; }
};

// Counts the non-client paints that reach its own window procedure.
class TDBLookupComboBox : public TComboBox {
public:
    using TComboBox::TComboBox;
    const char* ClassName() const override { return "TDBLookupComboBox"; }
    int OwnNcPaints = 0;

protected:
    void WndProc(TMessage& message) override {
        if (message.Msg == WM_NCPAINT) ++OwnNcPaints;
        TComboBox::WndProc(message);
    }
};

class TNavButton : public TSpeedButton {
public:
    using TSpeedButton::TSpeedButton;
    const char* ClassName() const override { return "TNavButton"; }
};

// A row of buttons that the navigator itself owns, spread over its width.
class TDBNavigator : public TPanel {
public:
    explicit TDBNavigator(TComponent* owner) : TPanel(owner) {
        SetBevelOuter(bvNone);
        for (const char* caption : {"|<", "<", ">", ">|"}) {
            auto* button = new TNavButton(this);
            button->SetCaption(caption);
            button->SetFlat(false);
            button->SetParent(this);
            Buttons.push_back(button);
        }
    }
    const char* ClassName() const override { return "TDBNavigator"; }
    void SetBounds(int left, int top, int width, int height) override {
        TPanel::SetBounds(left, top, width, height);
        const int n = static_cast<int>(Buttons.size());
        for (int i = 0; i < n; ++i) Buttons[static_cast<size_t>(i)]->SetBounds(i * width / n, 0, width / n, height);
    }
    std::vector<TNavButton*> Buttons;
};

// Containers of other libraries: neither is a tab sheet or a frame of the toolkit.
class TdxTabSheet : public TPanel {
public:
    using TPanel::TPanel;
    const char* ClassName() const override { return "TdxTabSheet"; }
};

class TDBCtrlPanel : public TPanel {
public:
    using TPanel::TPanel;
    const char* ClassName() const override { return "TDBCtrlPanel"; }
};
