// SPDX-License-Identifier: GPL-3.0-or-later
#include "fensterplatz.h"

#include <algorithm>
#include <array>
#include <limits>

namespace {

double verdeckt(const Rechteck& a, const Rechteck& b)
{
    const double breite = std::min(a.x + a.breite, b.x + b.breite) - std::max(a.x, b.x);
    const double hoehe = std::min(a.y + a.hoehe, b.y + b.hoehe) - std::max(a.y, b.y);
    return std::max(0.0, breite) * std::max(0.0, hoehe);
}

} // namespace

Ecke imBereich(Ecke ecke, Groesse groesse, const Rechteck& verfuegbar)
{
    const double rechts = std::max(verfuegbar.x, verfuegbar.x + verfuegbar.breite - groesse.breite);
    const double unten = std::max(verfuegbar.y, verfuegbar.y + verfuegbar.hoehe - groesse.hoehe);
    return {std::clamp(ecke.x, verfuegbar.x, rechts), std::clamp(ecke.y, verfuegbar.y, unten)};
}

Ecke platzNeben(const Rechteck& hauptfenster, Groesse groesse, const Rechteck& verfuegbar)
{
    const std::array<Ecke, 4> ecken{
        Ecke{hauptfenster.x + hauptfenster.breite, hauptfenster.y},
        Ecke{hauptfenster.x - groesse.breite, hauptfenster.y},
        Ecke{hauptfenster.x, hauptfenster.y + hauptfenster.hoehe},
        Ecke{hauptfenster.x, hauptfenster.y - groesse.hoehe},
    };
    Ecke beste;
    double wenigste = std::numeric_limits<double>::infinity();
    for (Ecke ecke : ecken) {
        const Ecke lage = imBereich(ecke, groesse, verfuegbar);
        const double flaeche = verdeckt({lage.x, lage.y, groesse.breite, groesse.hoehe}, hauptfenster);
        if (flaeche < wenigste) {
            wenigste = flaeche;
            beste = lage;
        }
    }
    return beste;
}
