// SPDX-License-Identifier: GPL-3.0-or-later
#include "freihandstift.h"

#include "zeichenflaeche.h"

#include <algorithm>
#include <cstdint>
#include <cmath>
#include <limits>

namespace {

// Rounds half to even into the range of a 32-bit integer.
float ganzzahligGerundet(double y)
{
    constexpr double grenze = std::numeric_limits<std::int32_t>::max();
    return static_cast<float>(std::nearbyint(std::clamp(y, -grenze, grenze)));
}

} // namespace

void Freihandstift::merken(Punkt punkt)
{
    m_letztesX = static_cast<float>(punkt.x);
    m_letztesY = m_letztesYArt == LetztesY::gerundet ? ganzzahligGerundet(punkt.y)
                                                     : static_cast<float>(punkt.y);
}

void Freihandstift::druecken(Punkt punkt)
{
    m_gedrueckt = true;
    merken(punkt);
}

void Freihandstift::bewegen(Punkt punkt)
{
    if (!m_gedrueckt)
        return;
    m_flaeche.stiftbreite(m_breite);
    m_flaeche.linie(m_letztesX, m_letztesY, static_cast<float>(punkt.x), static_cast<float>(punkt.y), m_farbe);
    merken(punkt);
}
