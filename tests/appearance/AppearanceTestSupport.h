// Helpers of the appearance tests: a form built like a stored layout, menus from short tables, pixel checks.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "appearance/ControlSubClass.h"
#include "appearance/FlatStyle.h"
#include "tests/toolkit/Harness.h"
#include "toolkit/forms/Form.h"
#include "toolkit/forms/Menus.h"

// A form whose components are made before its layout ends, as a stored layout makes them.
class TLayoutForm : public TForm {
public:
    template <class Build>
    TLayoutForm(TComponent* owner, const Build& build) : TForm(owner) {
        build(*this);
        FinishLayout();
    }
};

inline TMenuItem* AddItem(TComponent* owner, TMenuItem& parent, const std::string& caption) {
    auto* item = new TMenuItem(owner);
    item->SetCaption(caption);
    parent.Add(item);
    return item;
}

inline bool HoldsStyleOf(const TMenuItem& item, const TFlatStyle* style) {
    return TFlatStyle::HoldsDrawHandler(item) && item.OnDrawItem.Data() == style &&
           TFlatStyle::HoldsMeasureHandler(item) && item.OnMeasureItem.Data() == style;
}

inline bool HoldsNoStyle(const TMenuItem& item) {
    return !TFlatStyle::HoldsDrawHandler(item) && !TFlatStyle::HoldsMeasureHandler(item);
}

// The subclass object that a style keeps in front of a control, or nullptr.
inline TControlSubClass* SubClassOf(TFlatStyle& style, const TControl* control) {
    for (int i = 0; i < style.ComponentCount(); ++i)
        if (auto* object = dynamic_cast<TControlSubClass*>(style.Components(i)); object && object->Control() == control)
            return object;
    return nullptr;
}
