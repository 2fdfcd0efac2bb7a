// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pixelbild.h"

// Lines and circle outlines drawn as the desktop's painter draws them into
// its 32-bit picture, aliased and without a transformation, so that the page
// shows what the window shows: pixel for pixel the same for every line and
// for circles of a one-pixel pen; circles of wider pens may differ in a few
// pixels on the ring's edges. Both return the pixels touched: a rectangle
// within the picture that holds every changed pixel (it may be larger),
// empty when nothing shows.

// A solid line between the pixel corners (x1, y1) and (x2, y2) of a pen
// `stift` pixels wide (1 to 8) with square caps, reaching half the pen beyond
// each end. The ends must lie within about the picture's size plus pen and
// two pixels of it; clip longer lines first.
Pixelrechteck schraegeLinieRastern(Pixelbild& bild, int x1, int y1, int x2, int y2, int stift, Farbe farbe);

// The outline of the circle around (mitteX, mitteY) with `radius` pixels
// (0 <= radius < 1e6; anything else draws nothing) and a pen `stift` pixels
// wide (1 to 8). The centre is the painter's, usually a pixel's centre (a
// whole number plus 0.5); the circle may reach beyond the picture.
Pixelrechteck kreisRastern(Pixelbild& bild, double mitteX, double mitteY, double radius, int stift, Farbe farbe);
