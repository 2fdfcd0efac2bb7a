// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pixelbild.h"

// The part of a surface's picture that its parent shows. The parent's
// rectangle is given from the surface's top left, in the window's unzoomed
// pixels (x0, y0 to x1, y1: a surface at left 440 in a parent 885 wide
// gives x0 = -440, x1 = 445), and geraeteProPixel is the picture's device
// pixels per such pixel (the zoom times the screen's device pixel ratio).
// Every pixel that is even partly shown belongs to it; it is empty when
// none is or when a figure is not a number.
Pixelrechteck sichtbarerTeil(const Pixelrechteck& bild, double x0, double y0, double x1, double y1,
                             double geraeteProPixel);
