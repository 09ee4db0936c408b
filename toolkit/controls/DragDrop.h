// Dragging between controls with the mouse: a source starts it, a target under the mouse accepts and takes the drop.
#pragma once

#include <windows.h>

#include "toolkit/core/Method.h"

class TComponent;
class TControl;
class TWinControl;

// Accept starts false; the handler sets it to take drops from this source.
using TDragOverEvent = TMethod<void(TComponent* sender, TComponent* source, int x, int y, bool& accept)>;
using TDragDropEvent = TMethod<void(TComponent* sender, TComponent* source, int x, int y)>;

// A control that can take a drop.
class TDragTarget {
public:
    // Whether a drop from the source at this client point would be taken.
    virtual bool DragOver(TComponent* source, int x, int y) = 0;
    virtual void DragDrop(TComponent* source, int x, int y) = 0;

protected:
    ~TDragTarget() = default;
};

// Follows the mouse from a drag start in `source` until the left button is released (or Esc), showing
// whether the control under it accepts; drops on it when it does. Returns whether a drop happened.
bool TrackDrag(TWinControl& source);
// The drop target under a screen point with the point in its client area, or nullptr.
TDragTarget* DragTargetAt(POINT screen, POINT& client);
