// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>

// The design measures the window in twips: 1/1440 inch, 15 to a logical
// pixel at 96 dots per inch.
constexpr int twipsProPixel = 15;

// A position or length in twips as whole logical pixels at a zoom factor.
inline int twipsZuPixeln(double twips, double zoom)
{
    return static_cast<int>(std::lround(twips * zoom / twipsProPixel));
}
