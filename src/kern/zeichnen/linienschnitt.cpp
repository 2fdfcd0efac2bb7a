// SPDX-License-Identifier: GPL-3.0-or-later
#include "linienschnitt.h"

#include <cmath>

namespace {

constexpr double weitWeg = 1e300;

double gezaehmt(double v)
{
    return std::isinf(v) ? std::copysign(weitWeg, v) : v;
}

// Which sides of the rectangle a point lies beyond.
enum Aussen : unsigned { innen = 0, links = 1, rechts = 2, oben = 4, unten = 8 };

unsigned aussen(Punkt p, const Bereich& b)
{
    unsigned code = innen;
    if (p.x < b.links)
        code |= links;
    else if (p.x > b.rechts)
        code |= rechts;
    if (p.y < b.oben)
        code |= oben;
    else if (p.y > b.unten)
        code |= unten;
    return code;
}

// Moves `wandernd` along the line onto one edge it lies beyond. The new
// point is interpolated from the other endpoint, which is the nearer one
// once it has been clipped, so a far-away endpoint costs no precision.
Punkt aufKante(Punkt wandernd, Punkt anderer, unsigned code, const Bereich& b)
{
    const double dx = wandernd.x - anderer.x;
    const double dy = wandernd.y - anderer.y;
    if (code & (links | rechts)) {
        const double kante = (code & links) ? b.links : b.rechts;
        return {kante, anderer.y + dy * ((kante - anderer.x) / dx)};
    }
    const double kante = (code & oben) ? b.oben : b.unten;
    return {anderer.x + dx * ((kante - anderer.y) / dy), kante};
}

} // namespace

std::optional<Strecke> linieSchneiden(Strecke linie, const Bereich& bereich)
{
    Punkt a{gezaehmt(linie.a.x), gezaehmt(linie.a.y)};
    Punkt b{gezaehmt(linie.b.x), gezaehmt(linie.b.y)};
    if (!a.istZahl() || !b.istZahl())
        return std::nullopt;
    // Each step puts one endpoint onto one edge; a handful always suffices.
    for (int schritt = 0; schritt < 8; ++schritt) {
        const unsigned codeA = aussen(a, bereich);
        const unsigned codeB = aussen(b, bereich);
        if ((codeA | codeB) == innen)
            return Strecke{a, b};
        if (codeA & codeB)
            return std::nullopt;
        if (codeA != innen)
            a = aufKante(a, b, codeA, bereich);
        else
            b = aufKante(b, a, codeB, bereich);
        if (!a.istZahl() || !b.istZahl())
            return std::nullopt;
    }
    return std::nullopt;
}
