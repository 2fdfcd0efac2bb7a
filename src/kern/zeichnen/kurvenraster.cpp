// SPDX-License-Identifier: GPL-3.0-or-later
#include "linienraster.h"

#include "haarlinie.h"
#include "kreisring.h"

#include <algorithm>
#include <cmath>

// The painter draws a circle in one of three ways, and so does this file:
// a one-pixel pen on a box of whole pixels by the integer midpoint
// algorithm; any other one-pixel circle as four cubic Béziers (the usual
// quarter-circle constant) followed by the hairline; wider pens as the
// outline of the ring those curves bound, filled (kreisring.cpp).

namespace {

// Both equal to about twelve digits, as the painter compares its boxes.
bool fastGleich(double a, double b)
{
    if (a == 0 || b == 0)
        return std::abs(a - b) <= 1e-12;
    return std::abs(a - b) * 1e12 <= std::min(std::abs(a), std::abs(b));
}

// A box of whole pixels: corner and size.
struct Kasten
{
    int x, y, breite, hoehe;
};

// The four spans of one step of the midpoint algorithm, mirrored into the
// four quadrants; (x, y) is relative to the box's middle.
void viertelPunkte(Pixelbild& bild, Farbe farbe, int x, int y, int laenge, const Kasten& kasten,
                   Pixelrechteck& beruehrt)
{
    if (laenge == 0)
        return;
    const int breite = kasten.breite, hoehe = kasten.hoehe;
    const int mitteX = kasten.x + (breite + 1) / 2;
    const int mitteY = kasten.y + (hoehe + 1) / 2;
    x += mitteX;
    y = mitteY - y;
    const int linksX = mitteX + (mitteX - x) - (laenge - 1) - (breite & 1);
    const int linksLaenge = std::min(laenge, x - linksX);
    const int untenY = mitteY + (mitteY - y) - (hoehe & 1);
    auto spanne = [&](int x0, int l, int zeile) {
        if (l > 0)
            beruehrt = beruehrt.vereint(bild.fuellen({x0, zeile, x0 + l - 1, zeile}, farbe));
    };
    spanne(linksX, linksLaenge, y);
    spanne(x, laenge, y);
    if (y < untenY) {
        spanne(linksX, linksLaenge, untenY);
        spanne(x, laenge, untenY);
    }
}

// The midpoint ellipse inscribed in the box.
Pixelrechteck mittelpunktEllipse(Pixelbild& bild, Farbe farbe, const Kasten& kasten)
{
    Pixelrechteck beruehrt;
    const int breite = kasten.breite, hoehe = kasten.hoehe;
    const double a = double(breite) / 2;
    const double b = double(hoehe) / 2;
    double d = b * b - (a * a * b) + 0.25 * a * a;
    int x = 0;
    int y = (hoehe + 1) / 2;
    int startX = x;
    while (a * a * (2 * y - 1) > 2 * b * b * (x + 1)) {
        if (d < 0) {
            d += b * b * (2 * x + 3);
            ++x;
        } else {
            d += b * b * (2 * x + 3) + a * a * (-2 * y + 2);
            viertelPunkte(bild, farbe, startX, y, x - startX + 1, kasten, beruehrt);
            startX = ++x;
            --y;
        }
    }
    viertelPunkte(bild, farbe, startX, y, x - startX + 1, kasten, beruehrt);
    d = b * b * (x + 0.5) * (x + 0.5) + a * a * ((y - 1) * (y - 1) - b * b);
    const int unterstes = hoehe & 1;
    while (y > unterstes) {
        if (d < 0) {
            d += b * b * (2 * x + 2) + a * a * (-2 * y + 3);
            ++x;
        } else {
            d += a * a * (-2 * y + 3);
        }
        --y;
        viertelPunkte(bild, farbe, x, y, 1, kasten, beruehrt);
    }
    return beruehrt;
}

Pixelrechteck haarkreis(Pixelbild& bild, Farbe farbe, const Kreisbogen& bogen)
{
    Haarlinie linie(bild, farbe);
    // Closed: the first segment joins the last as any two do.
    linie.schlussVorwegnehmen(bogen.x[11], bogen.y[11], bogen.x[12], bogen.y[12]);
    for (int i = 0; i < 12; i += 3) {
        const double x[4] = {bogen.x[i], bogen.x[i + 1], bogen.x[i + 2], bogen.x[i + 3]};
        const double y[4] = {bogen.y[i], bogen.y[i + 1], bogen.y[i + 2], bogen.y[i + 3]};
        linie.kubisch(x, y, Haarlinie::keineKappe);
    }
    return linie.beruehrt();
}

} // namespace

Kreisbogen kreisbogen(double x, double y, double w, double h)
{
    // The quarter circle's control points lie this fraction of the radius
    // along the tangents.
    constexpr double kappa = 0.5522847498;
    const double w2 = w / 2, w2k = w2 * kappa;
    const double h2 = h / 2, h2k = h2 * kappa;
    // Clockwise on the screen from 3 o'clock: down, left, up, right.
    return {{x + w, x + w, x + w2 + w2k, x + w2, x + w2 - w2k, x, x, x, x + w2 - w2k, x + w2, x + w2 + w2k, x + w,
             x + w},
            {y + h2, y + h2 + h2k, y + h, y + h, y + h, y + h2 + h2k, y + h2, y + h2 - h2k, y, y, y, y + h2 - h2k,
             y + h2}};
}

Pixelrechteck kreisRastern(Pixelbild& bild, double mitteX, double mitteY, double radius, int stift, Farbe farbe)
{
    if (!(radius >= 0 && radius < 1e6) || bild.istLeer())
        return {};
    // The painter's box: corner and size, computed as it computes them.
    const double x = mitteX - radius, y = mitteY - radius, w = 2 * radius, h = 2 * radius;
    if (stift <= 1 && w > 0 && w < 32767) {
        const int ix = static_cast<int>(x), iy = static_cast<int>(y);
        const int iw = static_cast<int>(x + w) - ix, ih = static_cast<int>(y + h) - iy;
        if (fastGleich(ix, x) && fastGleich(iy, y) && fastGleich(iw, w) && fastGleich(ih, h))
            return mittelpunktEllipse(bild, farbe, {ix, iy, iw, ih});
    }
    if (w == 0)
        return {};
    const Kreisbogen bogen = kreisbogen(x, y, w, h);
    if (stift <= 1)
        return haarkreis(bild, farbe, bogen);
    return kreisringFuellen(bild, farbe, bogen, stift);
}
