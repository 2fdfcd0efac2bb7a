// SPDX-License-Identifier: GPL-3.0-or-later
#include "rasterung.h"

#include "linienraster.h"
#include "linienschnitt.h"

#include <algorithm>
#include <cmath>

namespace {

// A band `stift` pixels wide centred on pixel `mitte` begins here.
int bandAnfang(int mitte, int stift)
{
    return mitte - (stift - 1) / 2;
}

Pixelrechteck senkrecht(Pixelbild& bild, const Abbildung& a, double x, double y1, double y2, int stift,
                        Farbe farbe)
{
    const int spalte = bandAnfang(a.spalte(x), stift);
    return bild.fuellen({spalte, a.zeile(std::min(y1, y2)), spalte + stift - 1, a.zeile(std::max(y1, y2))},
                        farbe);
}

Pixelrechteck waagrecht(Pixelbild& bild, const Abbildung& a, double y, double x1, double x2, int stift,
                        Farbe farbe)
{
    const int zeile = bandAnfang(a.zeile(y), stift);
    return bild.fuellen({a.spalte(std::min(x1, x2)), zeile, a.spalte(std::max(x1, x2)), zeile + stift - 1},
                        farbe);
}

Pixelrechteck schraeg(Pixelbild& bild, const Abbildung& a, Punkt p, Punkt q, int stift, Farbe farbe)
{
    const double rand = stift + 2.0;
    const std::optional<Strecke> sichtbar
        = linieSchneiden({p, q}, {-rand, -rand, a.breite() + rand, a.hoehe() + rand});
    if (!sichtbar)
        return {};
    return schraegeLinieRastern(bild, a.spalte(sichtbar->a.x), a.zeile(sichtbar->a.y), a.spalte(sichtbar->b.x),
                                a.zeile(sichtbar->b.y), stift, farbe);
}

Pixelrechteck linie(Pixelbild& bild, const Abbildung& a, const Zeichenop& op)
{
    const Punkt p = a.zuGeraet({op.x1, op.y1});
    const Punkt q = a.zuGeraet({op.x2, op.y2});
    const int stift = a.stiftPixel(op.stift);
    if (op.x1 == op.x2)
        return senkrecht(bild, a, p.x, p.y, q.y, stift, op.farbe);
    if (op.y1 == op.y2)
        return waagrecht(bild, a, p.y, p.x, q.x, stift, op.farbe);
    return schraeg(bild, a, p, q, stift, op.farbe);
}

Pixelrechteck rahmen(Pixelbild& bild, const Abbildung& a, const Zeichenop& op)
{
    const Punkt p = a.zuGeraet({op.x1, op.y1});
    const Punkt q = a.zuGeraet({op.x2, op.y2});
    const int stift = a.stiftPixel(op.stift);
    Pixelrechteck beruehrt = waagrecht(bild, a, p.y, p.x, q.x, stift, op.farbe);
    beruehrt = beruehrt.vereint(waagrecht(bild, a, q.y, p.x, q.x, stift, op.farbe));
    beruehrt = beruehrt.vereint(senkrecht(bild, a, p.x, p.y, q.y, stift, op.farbe));
    return beruehrt.vereint(senkrecht(bild, a, q.x, p.y, q.y, stift, op.farbe));
}

Pixelrechteck gefuellt(Pixelbild& bild, const Abbildung& a, const Zeichenop& op)
{
    const Punkt p = a.zuGeraet({op.x1, op.y1});
    const Punkt q = a.zuGeraet({op.x2, op.y2});
    // Every pixel the box reaches into from its top-left edges, and at its
    // bottom-right edges those it covers at least half (at least one pixel).
    const int x0 = a.spalte(std::min(p.x, q.x));
    const int y0 = a.zeile(std::min(p.y, q.y));
    return bild.fuellen({x0, y0, std::max(x0, a.letzteSpalteVor(std::max(p.x, q.x))),
                         std::max(y0, a.letzteZeileVor(std::max(p.y, q.y)))},
                        op.farbe);
}

Pixelrechteck kreis(Pixelbild& bild, const Abbildung& a, const Zeichenop& op)
{
    const Punkt mitte = a.zuGeraet({op.x1, op.y1});
    const double radius = a.waagrechtePixel(op.x2);
    const int stift = a.stiftPixel(op.stift);
    // Also rejects NaN and circles too large or too far away to matter.
    if (!(radius >= 0 && radius < 1e6))
        return {};
    const double aussen = radius + stift;
    if (mitte.x + aussen <= 0 || mitte.x - aussen >= bild.breite() || mitte.y + aussen <= 0
        || mitte.y - aussen >= bild.hoehe())
        return {};
    // Around the centre of the pixel the centre falls in.
    return kreisRastern(bild, std::floor(mitte.x) + 0.5, std::floor(mitte.y) + 0.5, radius, stift, op.farbe);
}

} // namespace

bool bleibtAussen(const Abbildung& a, const Zeichenop& op)
{
    Punkt p, q;
    if (op.art == Zeichenop::Art::kreis) {
        const Punkt mitte = a.zuGeraet({op.x1, op.y1});
        const double r = a.waagrechtePixel(op.x2);
        p = {mitte.x - r, mitte.y - r};
        q = {mitte.x + r, mitte.y + r};
    } else {
        p = a.zuGeraet({op.x1, op.y1});
        q = a.zuGeraet({op.x2, op.y2});
    }
    const double rand = a.stiftPixel(op.stift) + 2 * a.stiftFaktor();
    return std::max(p.x, q.x) < -rand || std::min(p.x, q.x) > a.breite() + rand || std::max(p.y, q.y) < -rand
        || std::min(p.y, q.y) > a.hoehe() + rand;
}

Pixelrechteck rastern(Pixelbild& bild, const Abbildung& a, const Zeichenop& op)
{
    if (!op.hatZahlen())
        return {};
    switch (op.art) {
    case Zeichenop::Art::linie:
        return linie(bild, a, op);
    case Zeichenop::Art::rahmen:
        return rahmen(bild, a, op);
    case Zeichenop::Art::gefuellt:
        return gefuellt(bild, a, op);
    case Zeichenop::Art::kreis:
        return kreis(bild, a, op);
    }
    return {};
}
