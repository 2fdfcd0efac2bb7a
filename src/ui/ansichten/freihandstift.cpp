// SPDX-License-Identifier: GPL-3.0-or-later
#include "freihandstift.h"

#include "drawingsurface.h"

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

void Freihandstift::merken(QPointF punkt)
{
    m_letztesX = static_cast<float>(punkt.x());
    m_letztesY = m_letztesYArt == LetztesY::gerundet ? ganzzahligGerundet(punkt.y())
                                                     : static_cast<float>(punkt.y());
}

void Freihandstift::druecken(QPointF punkt)
{
    m_gedrueckt = true;
    merken(punkt);
}

void Freihandstift::bewegen(QPointF punkt)
{
    if (!m_gedrueckt)
        return;
    m_surface.setPenWidth(m_breite);
    m_surface.line(m_letztesX, m_letztesY, static_cast<float>(punkt.x()), static_cast<float>(punkt.y()), m_farbe);
    merken(punkt);
}
