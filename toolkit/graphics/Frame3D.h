// A three-dimensional frame: top and left edges in one colour, bottom and right in another.
#pragma once

#include "toolkit/graphics/Canvas.h"

// Draws width one-pixel rings inside rect (its right and bottom edges one pixel in) and moves rect inward
// past them.
void Frame3D(TCanvas& canvas, RECT& rect, TColor topLeft, TColor bottomRight, int width);
