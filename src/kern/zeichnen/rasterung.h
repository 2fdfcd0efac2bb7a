// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "abbildung.h"
#include "pixelbild.h"
#include "zeichenop.h"

// Draws one operation, aliased and opaque, into a picture of the mapping's
// size. Axis-parallel lines and boxes are filled as whole-pixel rectangles so
// that a 3-pixel bar is exactly 3 pixels and a 1-pixel grid line exactly one;
// slanted lines are clipped in floating point before they are stepped.
// Returns the pixels touched (empty when nothing is visible).
Pixelrechteck rastern(Pixelbild& bild, const Abbildung& abbildung, const Zeichenop& op);

// True when the operation lies so far outside the picture that it shows at
// no zoom or device pixel ratio: more than its pen width and two pixels
// away, measured at the mapping's scale (both grow with the zoom alike).
bool bleibtAussen(const Abbildung& abbildung, const Zeichenop& op);
