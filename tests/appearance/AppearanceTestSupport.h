// Helpers of the appearance tests: a form built like a stored layout, menus from short tables, pixel checks.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "appearance/ControlSubClass.h"
#include "appearance/FlatStyle.h"
#include "tests/support/Harness.h"
#include "tests/support/WindowPixels.h"
#include "toolkit/forms/Form.h"
#include "toolkit/menus/Menus.h"
#include "toolkit/forms/Screen.h"

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

// Moves the form so that the control's centre lies (dx, dy) from the mouse pointer, which stays where it is
// (Wine replays old positions after a move), until the pointer is seen at rest; false when it never rests.
inline bool CentreAtPointer(TForm& form, TControl& control, int dx = 0, int dy = 0) {
    for (int attempt = 0; attempt < 5; ++attempt) {
        const POINT pointer = Screen->CursorPos();
        const POINT centre = control.ClientToScreen(POINT{control.Width() / 2, control.Height() / 2});
        form.SetBounds(form.Left() + pointer.x + dx - centre.x, form.Top() + pointer.y + dy - centre.y, form.Width(),
                       form.Height());
        harness::PaintNow(form);
        const POINT now = Screen->CursorPos();
        if (now.x == pointer.x && now.y == pointer.y) return true;
    }
    return false;
}

// Brings the mouse pointer in from the screen's edge (where tests park it) and lets it settle; true when it
// rests at least `margin` from every edge.
inline bool PointerAwayFromEdges(int margin) {
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    auto away = [&] {
        const POINT p = Screen->CursorPos();
        return p.x >= margin && p.y >= margin && p.x < width - margin && p.y < height - margin;
    };
    if (away()) return true;
    SetCursorPos(width / 2, height / 2);
    int steady = 0;
    harness::ProcessUntil([&] { return (steady = away() ? steady + 1 : 0) >= 5; }, 1000);
    return away();
}
