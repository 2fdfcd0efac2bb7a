// SPDX-License-Identifier: GPL-3.0-or-later
#include "verhulst.h"

#include "spielfeld.h"

#include <cmath>

namespace {

// The capacity G of the model: the individuals of the field.
constexpr double kapazitaet = Spielfeld::zellenAnzahl;
constexpr double teilerVonP = 10.0;

bool ganzzahlig(double t)
{
    return std::isfinite(t) && std::trunc(t) == t;
}

} // namespace

VerhulstSchritt verhulstSchritt(double a, double p, double t)
{
    const double q = p / teilerVonP;
    const double s = (kapazitaet - a) / kapazitaet;
    const double b = q * s + 1.0;
    if (!std::isfinite(b))
        return {0.0, VerhulstFehler::ueberlauf};
    if (b < 0.0 && !ganzzahlig(t))
        return {0.0, VerhulstFehler::ungueltigesArgument};
    if (b == 0.0 && t < 0.0)
        return {0.0, VerhulstFehler::ungueltigesArgument};
    const double potenz = std::pow(b, t);
    if (!std::isfinite(potenz))
        return {0.0, VerhulstFehler::ueberlauf};
    const double naechster = potenz * a;
    if (!std::isfinite(naechster))
        return {0.0, VerhulstFehler::ueberlauf};
    return {naechster, VerhulstFehler::keiner};
}

VerhulstFolge verhulstFolge(double a0, double p, double t, int letzterZyklus)
{
    VerhulstFolge folge;
    double a = a0;
    for (int i = 0; i <= letzterZyklus; ++i) {
        folge.werte.push_back(a);
        const VerhulstSchritt schritt = verhulstSchritt(a, p, t);
        if (schritt.fehler != VerhulstFehler::keiner) {
            folge.fehler = schritt.fehler;
            folge.fehlerZyklus = i;
            return folge;
        }
        a = schritt.wert;
    }
    return folge;
}
