// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bildflaeche.h"

#include <QColor>

#include <cstddef>

// What tests read off a picture box beyond its picture: the pen width set
// last, the operations it keeps, and the colour under a user point.
inline int penWidth(const Bildflaeche& surface)
{
    return surface.flaeche().stift();
}

inline std::size_t retainedOperations(const Bildflaeche& surface)
{
    return surface.flaeche().behalteneOperationen();
}

inline std::size_t retainedWork(const Bildflaeche& surface)
{
    return surface.flaeche().behaltenerAufwandJetzt();
}

// The colour of the picture's pixel under a user point (invalid outside).
inline QColor colourAt(Bildflaeche& surface, double x, double y)
{
    const Farbe farbe = surface.flaeche().farbeBei(x, y);
    return farbe == 0 ? QColor() : QColor::fromRgb(farbe);
}
