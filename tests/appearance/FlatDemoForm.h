// A form with one control of every painted kind inside every kind of container, for the flat style.
#pragma once

#include <vector>

#include "appearance/FlatStyle.h"
#include "toolkit/forms/Form.h"

class TFlatDemoForm : public TForm {
public:
    // With a style, the style has every control kind and container kind and is made active.
    TFlatDemoForm(TComponent* owner, bool styled);

    TFlatStyle* Style = nullptr;
    std::vector<TWinControl*> Containers;
    // Every control placed in a container, container by container in the order of Containers, each
    // navigator followed by its buttons.
    std::vector<TControl*> Styled;
};
