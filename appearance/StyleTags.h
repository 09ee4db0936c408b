// Tag values the flat style reads on forms, menus, menu items and controls.
#pragma once

// The style leaves a form, main menu, menu item or control (and a parent's controls) with this Tag alone.
constexpr int kTagUnstyled = 999;

// A control with this Tag is painted with a face taken from its parent's colour. A bit-map button tests its
// Tag bitwise: all bits of kTagParentFace give that face, all bits of kTagPlainEdge an edge in the face's
// colour without edge lines, all bits of kTagSideCaption a caption at the reading side instead of centred.
constexpr int kTagParentFace = 1000;
constexpr int kTagPlainEdge = 1001;
constexpr int kTagSideCaption = 1002;

// Whether tag holds every bit of flags.
constexpr bool TagHas(int tag, int flags) { return (tag & flags) == flags; }
