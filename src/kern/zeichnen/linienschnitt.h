// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "zeichenop.h"

#include <optional>

// A line from a to b.
struct Strecke
{
    Punkt a, b;
    bool operator==(const Strecke&) const = default;
};

// An axis-parallel rectangle by its edges, links <= rechts, oben <= unten.
struct Bereich
{
    double links = 0, oben = 0, rechts = 0, unten = 0;
};

// The part of the line that lies inside `bereich` (edges included), or
// nothing. Works for any finite coordinates; infinite ones are taken as
// +-1e300 so that a line towards infinity keeps its direction. A line with a
// NaN coordinate has no visible part.
std::optional<Strecke> linieSchneiden(Strecke linie, const Bereich& bereich);
