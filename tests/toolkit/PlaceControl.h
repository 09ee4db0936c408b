// Places a new control of the tests: owned by the owner, shown in the parent at the bounds (a size of 0 keeps its own).
#pragma once

#include "toolkit/controls/WinControl.h"

template <class T>
T* Place(TComponent* owner, TWinControl* parent, int left, int top, int width = 0, int height = 0) {
    T* control = new T(owner);
    control->SetBounds(left, top, width > 0 ? width : control->Width(), height > 0 ? height : control->Height());
    control->SetParent(parent);
    return control;
}
