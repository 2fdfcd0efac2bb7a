// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pixelbild.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

// A point in a surface's user coordinates or in its device pixels.
struct Punkt
{
    double x = 0, y = 0;

    // False for a point with a coordinate that is no number (NaN): such a
    // point has no place on any surface. Infinite coordinates are numbers.
    bool istZahl() const { return !std::isnan(x) && !std::isnan(y); }
    bool operator==(const Punkt&) const = default;
};

// One drawing operation of a surface, in the surface's user coordinates.
// Coordinates are doubles so that values far outside the surface (model
// curves up to the double range) reach the clipper unchanged.
struct Zeichenop
{
    enum class Art : std::uint8_t { linie, rahmen, gefuellt, kreis };

    Art art = Art::linie;
    std::uint8_t stift = 1; // pen width in logical pixels
    Farbe farbe = 0;
    // Line and boxes: (x1, y1) and (x2, y2). Circle: centre (x1, y1), radius x2.
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;

    // An operation with a NaN coordinate draws nothing and is not kept.
    bool hatZahlen() const { return Punkt{x1, y1}.istZahl() && Punkt{x2, y2}.istZahl(); }

    // The work of drawing it again, in twentieths of a slanted line: a
    // slanted line is stepped pixel by pixel after clipping, everything else
    // is a filled rectangle or a small ring (measured: about 20 : 3).
    int aufwand() const { return art == Art::linie && x1 != x2 && y1 != y2 ? 20 : 3; }

    bool operator==(const Zeichenop& anderer) const
    {
        return art == anderer.art && stift == anderer.stift && farbe == anderer.farbe && x1 == anderer.x1
            && y1 == anderer.y1 && x2 == anderer.x2 && y2 == anderer.y2;
    }
};

// A hash that agrees with ==: 0.0 and -0.0 hash alike.
std::size_t hashVon(const Zeichenop& op);
