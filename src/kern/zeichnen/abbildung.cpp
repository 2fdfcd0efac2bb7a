// SPDX-License-Identifier: GPL-3.0-or-later
#include "abbildung.h"

#include <algorithm>
#include <cmath>

Abbildung::Abbildung(double links, double oben, double rechts, double unten, int breite, int hoehe,
                     double stiftFaktor)
    : m_breite(breite)
    , m_hoehe(hoehe)
    , m_stiftFaktor(stiftFaktor)
{
    m_sx = breite / (rechts - links);
    m_sy = hoehe / (unten - oben);
    m_dx = -links * m_sx;
    m_dy = -oben * m_sy;
    // The inverse of a scale and shift, computed as the desktop's transform
    // inverts one, so that a pointer maps to the same user point there.
    m_ux = 1.0 / m_sx;
    m_uy = 1.0 / m_sy;
    m_udx = -m_dx * m_ux;
    m_udy = -m_dy * m_uy;
}

int Abbildung::pixelIndex(double geraet, int groesse)
{
    // Clamp first: far-away values must never reach an int conversion. The
    // small nudge lets a pixel's own corner, passed through single precision
    // (a pointer position kept as a float), land in that pixel again.
    constexpr double schubs = 1e-4;
    const double begrenzt = std::clamp(geraet, -8.0, groesse + 8.0);
    const int index = static_cast<int>(std::floor(begrenzt + schubs));
    const double kantenToleranz = 1e-9 * std::max(1, groesse);
    if (index == groesse && begrenzt <= groesse + kantenToleranz)
        return groesse - 1;
    return index;
}

int Abbildung::stiftPixel(int logischeBreite) const
{
    return std::max(1, static_cast<int>(std::lround(logischeBreite * m_stiftFaktor)));
}

double Abbildung::waagrechtePixel(double nutzerLaenge) const
{
    return std::fabs(m_sx) * nutzerLaenge;
}
