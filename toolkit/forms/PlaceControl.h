// Creating a control of a form in one step: owned by the form, shown on a parent, at its bounds (a width or
// height of 0 keeps the control's own).
#pragma once

#include <string>

#include "toolkit/controls/WinControl.h"

template <class T>
T* PlaceControl(TComponent* owner, TWinControl* parent, int left, int top, int width = 0, int height = 0) {
    auto* control = new T(owner);
    control->SetParent(parent);
    control->SetBounds(left, top, width > 0 ? width : control->Width(), height > 0 ? height : control->Height());
    return control;
}

// The same with its caption set.
template <class T>
T* PlaceControl(TComponent* owner, TWinControl* parent, int left, int top, int width, int height,
                const std::string& caption) {
    T* control = PlaceControl<T>(owner, parent, left, top, width, height);
    control->SetCaption(caption);
    return control;
}
