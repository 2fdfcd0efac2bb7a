// SPDX-License-Identifier: GPL-3.0-or-later
#include "kreisring.h"

#include <algorithm>
#include <cmath>
#include <vector>

// The painter strokes a wide circle by offsetting its four Béziers by half
// the pen to either side (splitting them where one offset curve would not
// follow closely enough), joining the pieces with bevels, flattening the two
// closed outlines into chords and filling between them by the winding rule:
// a pixel is ink when its centre lies inside, a left edge counting as inside.
//
// Here each outline is taken as the Bézier circle of radius r + pen/2 and
// r - pen/2 about the same centre, flattened by the same rule (halving a
// curve until both control points lie within a quarter pixel, summed, of its
// chord) and filled with the same sampling. What remains different is the
// painter's own offset curves: they stray from these circles by hundredths
// of a pixel and are split at other places, so their chords end elsewhere.
// Only pixels whose centres lie that close to either edge of the ring can
// come out otherwise; the test bounds how many.

namespace {

struct Punkt
{
    double x, y;
};

struct Bezier
{
    Punkt p[4];
};

Bezier haelfte(const Bezier& b, bool zweite)
{
    auto mitte = [](Punkt a, Punkt c) { return Punkt{(a.x + c.x) * 0.5, (a.y + c.y) * 0.5}; };
    const Punkt a = mitte(b.p[0], b.p[1]), m = mitte(b.p[1], b.p[2]), c = mitte(b.p[2], b.p[3]);
    const Punkt l = mitte(a, m), r = mitte(m, c), t = mitte(l, r);
    return zweite ? Bezier{{t, r, c, b.p[3]}} : Bezier{{b.p[0], a, l, t}};
}

// Appends the chord ends of one curve, its start point excluded: halved
// (at most nine times) until the control points' distances from the chord,
// times its taxicab length, sum to less than a quarter of that length.
void flachlegen(const Bezier& kurve, std::vector<Punkt>& zug)
{
    struct Eintrag
    {
        Bezier b;
        int stufe;
    };
    std::vector<Eintrag> stapel{{kurve, 9}};
    while (!stapel.empty()) {
        const Eintrag e = stapel.back();
        const Punkt* p = e.b.p;
        const double dx = p[3].x - p[0].x, dy = p[3].y - p[0].y;
        double laenge = std::abs(dx) + std::abs(dy);
        double abstand;
        if (laenge > 1.0) {
            abstand = std::abs(dx * (p[0].y - p[1].y) - dy * (p[0].x - p[1].x))
                + std::abs(dx * (p[0].y - p[2].y) - dy * (p[0].x - p[2].x));
        } else {
            abstand = std::abs(p[0].x - p[1].x) + std::abs(p[0].y - p[1].y) + std::abs(p[0].x - p[2].x)
                + std::abs(p[0].y - p[2].y);
            laenge = 1.0;
        }
        stapel.pop_back();
        if (abstand < 0.25 * laenge || e.stufe == 0) {
            zug.push_back(p[3]);
        } else {
            stapel.push_back({haelfte(e.b, true), e.stufe - 1});
            stapel.push_back({haelfte(e.b, false), e.stufe - 1});
        }
    }
}

// The closed chord polygon of the Bézier circle of this radius.
std::vector<Punkt> umriss(double mx, double my, double radius, bool rueckwaerts)
{
    const Kreisbogen b = kreisbogen(mx - radius, my - radius, 2 * radius, 2 * radius);
    std::vector<Punkt> zug{{b.x[0], b.y[0]}};
    for (int i = 0; i < 12; i += 3)
        flachlegen({{{b.x[i], b.y[i]}, {b.x[i + 1], b.y[i + 1]}, {b.x[i + 2], b.y[i + 2]}, {b.x[i + 3], b.y[i + 3]}}},
                   zug);
    if (rueckwaerts)
        std::reverse(zug.begin(), zug.end());
    return zug;
}

struct Kreuzung
{
    double x;
    int windung;
};

} // namespace

Pixelrechteck kreisringFuellen(Pixelbild& bild, Farbe farbe, const Kreisbogen& bogen, int stift)
{
    // Centre and radius as the box gave them: points 0 and 6 lie at 3 and 9
    // o'clock, points 3 and 9 at 6 and 12.
    const double mx = (bogen.x[0] + bogen.x[6]) / 2, my = (bogen.y[3] + bogen.y[9]) / 2;
    const double radius = (bogen.x[0] - bogen.x[6]) / 2;
    const double halb = stift / 2.0;
    std::vector<std::vector<Punkt>> umrisse{umriss(mx, my, radius + halb, false)};
    // The inner side runs the other way round, so the winding rule leaves it
    // empty; on a circle smaller than half the pen it turns inside out about
    // the centre and still leaves a hole, of radius pen/2 - r.
    if (radius != halb)
        umrisse.push_back(umriss(mx, my, std::abs(radius - halb), true));

    Pixelrechteck beruehrt;
    const int oben = std::max(0, int(std::floor(my - radius - halb)));
    const int unten = std::min(bild.hoehe() - 1, int(std::ceil(my + radius + halb)));
    std::vector<Kreuzung> kreuzungen;
    for (int y = oben; y <= unten; ++y) {
        // The edges crossing this row's centre line, the upper end counted,
        // the lower not.
        const double mittellinie = y + 0.5;
        kreuzungen.clear();
        for (const auto& zug : umrisse) {
            for (std::size_t i = 0; i + 1 < zug.size(); ++i) {
                Punkt a = zug[i], b = zug[i + 1];
                int windung = 1;
                if (a.y > b.y) {
                    std::swap(a, b);
                    windung = -1;
                }
                if (mittellinie < a.y || mittellinie >= b.y)
                    continue;
                kreuzungen.push_back({a.x + (b.x - a.x) * (mittellinie - a.y) / (b.y - a.y), windung});
            }
        }
        std::sort(kreuzungen.begin(), kreuzungen.end(),
                  [](const Kreuzung& a, const Kreuzung& b) { return a.x < b.x; });
        int windung = 0;
        for (std::size_t i = 0; i + 1 < kreuzungen.size(); ++i) {
            windung += kreuzungen[i].windung;
            if (windung == 0)
                continue;
            // Pixels whose centres lie in [links, rechts).
            const int x0 = std::max(0, int(std::ceil(kreuzungen[i].x - 0.5)));
            const int x1 = std::min(bild.breite() - 1, int(std::ceil(kreuzungen[i + 1].x - 0.5)) - 1);
            if (x1 >= x0)
                beruehrt = beruehrt.vereint(bild.fuellen({x0, y, x1, y}, farbe));
        }
    }
    return beruehrt;
}
