// Stand-ins for components of other libraries that the flat style knows by their class names alone.
#pragma once

#include <vector>

#include "toolkit/controls/ComboBox.h"
#include "toolkit/controls/Edit.h"
#include "toolkit/controls/Panel.h"
#include "toolkit/controls/SpeedButton.h"

// A toolkit kind under another class name.
template <class Base, const char* Name>
class TNamed : public Base {
public:
    using Base::Base;
    const char* ClassName() const override { return Name; }
};

inline constexpr char kMaskEdit[] = "TMaskEdit";
inline constexpr char kDBEdit[] = "TDBEdit";
inline constexpr char kLookupComboBox[] = "TDBLookupComboBox";
inline constexpr char kNavButton[] = "TNavButton";
inline constexpr char kNavigator[] = "TDBNavigator";
inline constexpr char kDxTabSheet[] = "TdxTabSheet";
inline constexpr char kCtrlPanel[] = "TDBCtrlPanel";

using TMaskEdit = TNamed<TEdit, kMaskEdit>;
using TDBEdit = TNamed<TEdit, kDBEdit>;
using TNavButton = TNamed<TSpeedButton, kNavButton>;
// Containers of other libraries: neither is a tab sheet or a frame of the toolkit.
using TdxTabSheet = TNamed<TPanel, kDxTabSheet>;
using TDBCtrlPanel = TNamed<TPanel, kCtrlPanel>;

// Counts the non-client paints that reach its own window procedure.
class TDBLookupComboBox : public TNamed<TComboBox, kLookupComboBox> {
public:
    using TNamed::TNamed;
    int OwnNcPaints = 0;

protected:
    void WndProc(TMessage& message) override {
        if (message.Msg == WM_NCPAINT) ++OwnNcPaints;
        TComboBox::WndProc(message);
    }
};

// A row of buttons that the navigator itself owns, spread over its width.
class TDBNavigator : public TNamed<TPanel, kNavigator> {
public:
    explicit TDBNavigator(TComponent* owner) : TNamed(owner) {
        SetBevelOuter(bvNone);
        for (const char* caption : {"|<", "<", ">", ">|"}) {
            auto* button = new TNavButton(this);
            button->SetCaption(caption);
            button->SetFlat(false);
            button->SetParent(this);
            Buttons.push_back(button);
        }
    }
    void SetBounds(int left, int top, int width, int height) override {
        TPanel::SetBounds(left, top, width, height);
        const int n = static_cast<int>(Buttons.size());
        for (int i = 0; i < n; ++i) Buttons[static_cast<size_t>(i)]->SetBounds(i * width / n, 0, width / n, height);
    }
    std::vector<TNavButton*> Buttons;
};
