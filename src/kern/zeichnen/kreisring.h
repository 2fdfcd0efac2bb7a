// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pixelbild.h"

// A circle as the painter's path: a start point and four cubic Béziers,
// 13 points, the last equal to the first.
struct Kreisbogen
{
    double x[13];
    double y[13];
};

// The circle (ellipse) inscribed in the box at (x, y) of size w x h.
Kreisbogen kreisbogen(double x, double y, double w, double h);

// The ring a pen `stift` pixels wide (more than one) draws along the circle,
// aliased: every pixel whose centre lies in it. Close to the painter's, not
// equal to it: pixels right at the ring's edges may differ (kreisring.cpp).
Pixelrechteck kreisringFuellen(Pixelbild& bild, Farbe farbe, const Kreisbogen& bogen, int stift);
