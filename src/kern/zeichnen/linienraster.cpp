// SPDX-License-Identifier: GPL-3.0-or-later
#include "linienraster.h"

#include "haarlinie.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <utility>

// Pens wider than a pixel fill the line's rectangle (a parallelogram in
// general): its corners snapped down to 64ths of a pixel, each row from the
// first pixel centre right of the left edges to the last one left of the
// right edges, the edges stepped in 16.16 fixed point. The arithmetic, down
// to where it rounds and in which order, follows the painter's so that every
// pixel comes out the same.

namespace {

using Fest = std::int64_t;

struct Punkt
{
    double x, y;
};

Punkt operator+(Punkt a, Punkt b) { return {a.x + b.x, a.y + b.y}; }
Punkt operator-(Punkt a, Punkt b) { return {a.x - b.x, a.y - b.y}; }
Punkt operator*(Punkt a, double f) { return {a.x * f, a.y * f}; }

// 16.16, truncated towards zero, kept within the 32-bit range of pixels.
Fest zuFest(double wert)
{
    const double skaliert = wert * 65536.0;
    if (skaliert > double(INT_MAX) * 65536.0)
        return Fest(INT_MAX) * 65536;
    if (skaliert < double(INT_MIN) * 65536.0)
        return Fest(INT_MIN) * 65536;
    return static_cast<Fest>(skaliert);
}

// An edge without height has an "infinite" slope, kept finite (and clamped
// by zuFest, so that stepping it over the picture's rows cannot overflow).
double teilen(double z, double n)
{
    if (n == 0)
        return z > 0 ? 1e20 : -1e20;
    return z / n;
}

// Equal to within a 64th of a pixel, as the fixed point sees it.
bool fastGleich(double a, double b)
{
    return static_cast<int>((b - a) * 64.0) == 0;
}

Punkt einrasten(Punkt p)
{
    return {std::floor(p.x * 64) * (1 / 64.0), std::floor(p.y * 64) * (1 / 64.0)};
}

class Band
{
public:
    Band(Pixelbild& bild, Farbe farbe) : m_bild(bild), m_farbe(farbe) {}

    // Pixels x0..x1 of row y, in the picture.
    void zeile(int x0, int x1, int y)
    {
        if (x1 >= x0)
            m_beruehrt = m_beruehrt.vereint(m_bild.fuellen({x0, y, x1, y}, m_farbe));
    }
    int rechts() const { return m_bild.breite() - 1; }
    int unten() const { return m_bild.hoehe() - 1; }
    Pixelrechteck beruehrt() const { return m_beruehrt; }

private:
    Pixelbild& m_bild;
    Farbe m_farbe;
    Pixelrechteck m_beruehrt;
};

// Rows up to `bis` between two edges, from row y on; rows above the picture
// only move the edges.
void abschnitt(Band& band, int& y, int bis, Fest& links, Fest& rechts, Fest linksSchritt, Fest rechtsSchritt)
{
    const int oben = std::min(bis + 1, 0);
    if (y < oben) {
        links += linksSchritt * (oben - y);
        rechts += rechtsSchritt * (oben - y);
        y = oben;
    }
    bis = std::min(bis, band.unten());
    for (; y <= bis; ++y) {
        band.zeile(std::max(static_cast<int>(links >> 16), 0), std::min(static_cast<int>(rechts >> 16), band.rechts()),
                   y);
        links += linksSchritt;
        rechts += rechtsSchritt;
    }
}

// An axis-parallel band from pa to pb (same x), `breite` relative to its length.
void senkrechtesBand(Band& band, Punkt pa, Punkt pb, double breite)
{
    if (pa.y > pb.y)
        std::swap(pa, pb);
    const double halb = 0.5f * breite * (pb.y - pa.y);
    const double rechtsAussen = band.rechts() + 1.0, untenAussen = band.unten() + 1.0;
    const double links = std::clamp(pa.x - halb, 0.0, rechtsAussen);
    const double rechts = std::clamp(pa.x + halb, 0.0, rechtsAussen);
    pa.y = std::clamp(pa.y, 0.0, untenAussen);
    pb.y = std::clamp(pb.y, 0.0, untenAussen);
    if (fastGleich(links, rechts) || fastGleich(pa.y, pb.y))
        return;
    const int iOben = static_cast<int>(pa.y + 0.5f);
    const int iUnten = pb.y < 0.5f ? -1 : static_cast<int>(pb.y - 0.5f);
    const int iLinks = static_cast<int>(links + 0.5f);
    const int iRechts = rechts < 0.5f ? -1 : static_cast<int>(rechts - 0.5f);
    for (int y = iOben; y <= iUnten; ++y)
        band.zeile(iLinks, iRechts, y);
}

// The general case: four corners, the top one first, then down the left and
// the right edges to the bottom corner.
void schraegesBand(Band& band, Punkt pa, Punkt pb, double breite)
{
    if (pa.y > pb.y)
        std::swap(pa, pb);
    const Punkt delta = (pb - pa) * (0.5f * breite);
    const Punkt senk{delta.y, -delta.x};
    Punkt oben, links, rechts, unten;
    if (pa.x < pb.x) {
        oben = pa + senk, links = pa - senk, rechts = pb + senk, unten = pb - senk;
    } else {
        oben = pa - senk, links = pb - senk, rechts = pa + senk, unten = pb + senk;
    }
    oben = einrasten(oben), unten = einrasten(unten), links = einrasten(links), rechts = einrasten(rechts);

    const Punkt obenLinks = links - oben, obenRechts = rechts - oben;
    const Punkt untenLinks = unten - links, untenRechts = unten - rechts;
    const double sObenLinks = teilen(obenLinks.x, obenLinks.y);
    const double sUntenLinks = teilen(untenLinks.x, untenLinks.y);
    const double sObenRechts = teilen(obenRechts.x, obenRechts.y);
    const double sUntenRechts = teilen(untenRechts.x, untenRechts.y);

    // The rows whose centres lie below each corner, the edges at the first
    // of them, shifted half a pixel so that a pixel counts when its centre
    // lies inside.
    const int iOben = static_cast<int>(oben.y + 0.5f);
    const int iLinks = links.y < 0.5f ? -1 : static_cast<int>(links.y - 0.5f);
    int iRechts = rechts.y < 0.5f ? -1 : static_cast<int>(rechts.y - 0.5f);
    int iUnten = unten.y < 0.5f ? -1 : static_cast<int>(unten.y - 0.5f);
    int iMitte = std::min(iLinks, iRechts);
    int iLinksEnde = iLinks;
    Fest linksA = zuFest(oben.x + 0.5f + (static_cast<float>(iOben) + 0.5f - oben.y) * sObenLinks);
    Fest linksB = zuFest(links.x + 0.5f + (static_cast<float>(iLinks) + 1.5f - links.y) * sUntenLinks);
    Fest rechtsA = zuFest(oben.x - 0.5f + (static_cast<float>(iOben) + 0.5f - oben.y) * sObenRechts);
    Fest rechtsB = zuFest(rechts.x - 0.5f + (static_cast<float>(iRechts) + 1.5f - rechts.y) * sUntenRechts);
    const Fest fObenLinks = zuFest(sObenLinks), fUntenLinks = zuFest(sUntenLinks);
    const Fest fObenRechts = zuFest(sObenRechts), fUntenRechts = zuFest(sUntenRechts);

    int y = iOben;
    abschnitt(band, y, iMitte, linksA, rechtsA, fObenLinks, fObenRechts);
    abschnitt(band, y, iRechts, linksB, rechtsA, fUntenLinks, fObenRechts);
    abschnitt(band, y, iLinksEnde, linksA, rechtsB, fObenLinks, fUntenRechts);
    abschnitt(band, y, iUnten, linksB, rechtsB, fUntenLinks, fUntenRechts);
}

// Cuts the line (square caps already added) to the picture widened by the
// pen's reach, so that the fixed point stays in range: each end against x
// first, then against y.
bool zuschneiden(Band& band, Punkt a, Punkt b, double breite, Punkt& pa, Punkt& pb)
{
    if (!std::isfinite(pa.x) || !std::isfinite(pa.y) || !std::isfinite(pb.x) || !std::isfinite(pb.y))
        return false;
    const Punkt reichweite = Punkt{std::abs(b.y - a.y), std::abs(b.x - a.x)} * breite * 0.5;
    const double links = -reichweite.x, oben = -reichweite.y;
    const double rechts = links + ((band.rechts() + 1 + reichweite.x) - links);
    const double unten = oben + ((band.unten() + 1 + reichweite.y) - oben);
    // Moves the end (u, v) along the line onto u = grenze.
    auto kappen = [](double& u, double& v, double u2, double v2, double grenze) {
        v += (v2 - v) / (u2 - u) * (grenze - u);
        u = grenze;
    };
    if (pa.x < links) {
        if (pb.x <= links)
            return false;
        kappen(pa.x, pa.y, pb.x, pb.y, links);
    } else if (pa.x > rechts) {
        if (pb.x >= rechts)
            return false;
        kappen(pa.x, pa.y, pb.x, pb.y, rechts);
    }
    if (pb.x < links)
        kappen(pb.x, pb.y, pa.x, pa.y, links);
    else if (pb.x > rechts)
        kappen(pb.x, pb.y, pa.x, pa.y, rechts);
    if (pa.y < oben) {
        if (pb.y <= oben)
            return false;
        kappen(pa.y, pa.x, pb.y, pb.x, oben);
    } else if (pa.y > unten) {
        if (pb.y >= unten)
            return false;
        kappen(pa.y, pa.x, pb.y, pb.x, unten);
    }
    if (pb.y < oben)
        kappen(pb.y, pb.x, pa.y, pa.x, oben);
    else if (pb.y > unten)
        kappen(pb.y, pb.x, pa.y, pa.x, unten);
    return true;
}

// `breite` is the pen relative to the line's length.
void breiteLinie(Band& band, Punkt a, Punkt b, double breite, bool eckig)
{
    if ((a.x == b.x && a.y == b.y) || !(breite > 0.0) || band.rechts() < 0 || band.unten() < 0)
        return;
    Punkt pa = a, pb = b;
    if (eckig) {
        const Punkt delta = pb - pa;
        pa = pa - delta * (0.5f * breite);
        pb = pb + delta * (0.5f * breite);
    }
    if (!zuschneiden(band, a, b, breite, pa, pb))
        return;
    const Punkt d0 = a - b, d = pa - pb;
    const double w0 = d0.x * d0.x + d0.y * d0.y, w = d.x * d.x + d.y * d.y;
    if (w == 0)
        return;
    breite *= std::sqrt(w0 / w);

    if (fastGleich(pa.y, pb.y)) {
        // Level: the same band turned upright about its middle.
        const double x = (pa.x + pb.x) * 0.5f, dx = std::abs(pb.x - pa.x) * 0.5f;
        const double y = pa.y, dy = breite * dx;
        pa = {x, y - dy};
        pb = {x, y + dy};
        breite = 1 / breite;
    }
    if (fastGleich(pa.x, pb.x))
        senkrechtesBand(band, pa, pb, breite);
    else
        schraegesBand(band, pa, pb, breite);
}

} // namespace

Pixelrechteck schraegeLinieRastern(Pixelbild& bild, int x1, int y1, int x2, int y2, int stift, Farbe farbe)
{
    if (stift <= 1) {
        Haarlinie linie(bild, farbe);
        if (x1 == x2 && y1 == y2) {
            linie.punkt(x1, y1);
            return linie.beruehrt();
        }
        linie.strecke(x1, y1, x2, y2, Haarlinie::kappeAnfang | Haarlinie::kappeEnde);
        return linie.beruehrt();
    }
    Band band(bild, farbe);
    if (x1 == x2 && y1 == y2) {
        // A point: a square of the pen's size, drawn as a level line.
        breiteLinie(band, {x1 - stift * 0.5, double(y1)}, {x1 + stift * 0.5, double(y1)}, 1, false);
        return band.beruehrt();
    }
    const double dx = x2 - x1, dy = y2 - y1;
    const double laenge = std::sqrt(dx * dx + dy * dy);
    breiteLinie(band, {double(x1), double(y1)}, {double(x2), double(y2)}, stift / laenge, true);
    return band.beruehrt();
}
