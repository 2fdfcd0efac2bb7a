// SPDX-License-Identifier: GPL-3.0-or-later
#include "haarlinie.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <utility>

namespace {

using Fest = std::int64_t;

// 26.6: truncated towards zero, as the painter converts its coordinates.
int sechsundzwanzigSechs(double wert)
{
    return static_cast<int>(wert * 64.0);
}

// The quotient of two 26.6 lengths in 16.16, truncated towards zero.
Fest quotient(Fest zaehler, Fest nenner)
{
    return zaehler * 65536 / nenner;
}

int kappenTauschen(int kappen)
{
    return ((kappen & Haarlinie::kappeAnfang) << 1) | ((kappen & Haarlinie::kappeEnde) >> 1);
}

} // namespace

// A segment as it is stepped: from a1 to a2 (26.6) along the major axis, the
// minor coordinate b (16.16) at a1 and its change per pixel.
struct Haarlinie::Schritte
{
    bool senkrecht = false;
    bool vertauscht = false;
    Richtung richtung = linksNachRechts;
    Fest a1 = 0, a2 = 0;
    Fest b = 0;
    Fest schritt = 0;
};

Haarlinie::Haarlinie(Pixelbild& bild, Farbe farbe)
    : m_bild(bild)
    , m_farbe(imSpeicher(farbe))
    , m_xmin(-1.0)
    , m_xmax(bild.breite() + 1.0)
    , m_ymin(-1.0)
    , m_ymax(bild.hoehe() + 1.0)
{
}

// Called for every pixel of every line: the touched rectangle grows here,
// without a call, as the page's WebAssembly pays dearly for one per pixel.
void Haarlinie::setzen(int x, int y)
{
    if (x < 0 || y < 0 || x >= m_bild.breite() || y >= m_bild.hoehe())
        return;
    m_bild.daten()[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_bild.breite()) + static_cast<std::size_t>(x)] =
        m_farbe;
    if (m_beruehrt.leer()) {
        m_beruehrt = {x, y, x, y};
        return;
    }
    m_beruehrt.x0 = std::min(m_beruehrt.x0, x);
    m_beruehrt.y0 = std::min(m_beruehrt.y0, y);
    m_beruehrt.x1 = std::max(m_beruehrt.x1, x);
    m_beruehrt.y1 = std::max(m_beruehrt.y1, y);
}

// Trims the segment to the clip bounds, each end against x first, then y.
// A trimmed end forgets the last pixel: the next segment starts afresh.
bool Haarlinie::abschneiden(double& x1, double& y1, double& x2, double& y2)
{
    auto weg = [this] {
        m_letztes.x = INT_MIN;
        return false;
    };
    if (x1 < m_xmin) {
        if (x2 <= m_xmin)
            return weg();
        y1 += (y2 - y1) / (x2 - x1) * (m_xmin - x1);
        x1 = m_xmin;
    } else if (x1 > m_xmax) {
        if (x2 >= m_xmax)
            return weg();
        y1 += (y2 - y1) / (x2 - x1) * (m_xmax - x1);
        x1 = m_xmax;
    }
    if (x2 < m_xmin) {
        m_letztes.x = INT_MIN;
        y2 += (y2 - y1) / (x2 - x1) * (m_xmin - x2);
        x2 = m_xmin;
    } else if (x2 > m_xmax) {
        m_letztes.x = INT_MIN;
        y2 += (y2 - y1) / (x2 - x1) * (m_xmax - x2);
        x2 = m_xmax;
    }
    if (y1 < m_ymin) {
        if (y2 <= m_ymin)
            return weg();
        x1 += (x2 - x1) / (y2 - y1) * (m_ymin - y1);
        y1 = m_ymin;
    } else if (y1 > m_ymax) {
        if (y2 >= m_ymax)
            return weg();
        x1 += (x2 - x1) / (y2 - y1) * (m_ymax - y1);
        y1 = m_ymax;
    }
    if (y2 < m_ymin) {
        m_letztes.x = INT_MIN;
        x2 += (x2 - x1) / (y2 - y1) * (m_ymin - y2);
        y2 = m_ymin;
    } else if (y2 > m_ymax) {
        m_letztes.x = INT_MIN;
        x2 += (x2 - x1) / (y2 - y1) * (m_ymax - y2);
        y2 = m_ymax;
    }
    return true;
}

// Clips, converts to 26.6 and orders the ends along the major axis (the
// longer one; x when both are equal). False when nothing is left.
bool Haarlinie::schritteFinden(double x1, double y1, double x2, double y2, Schritte& s)
{
    if (!abschneiden(x1, y1, x2, y2))
        return false;
    Fest ax = sechsundzwanzigSechs(x1), ay = sechsundzwanzigSechs(y1);
    Fest bx = sechsundzwanzigSechs(x2), by = sechsundzwanzigSechs(y2);
    s.senkrecht = std::llabs(bx - ax) < std::llabs(by - ay);
    if (!s.senkrecht) {
        std::swap(ax, ay);
        std::swap(bx, by);
    }
    // Now a is the major axis, stored in the y members.
    if (ay == by)
        return false;
    s.vertauscht = ay > by;
    if (s.vertauscht) {
        std::swap(ax, bx);
        std::swap(ay, by);
    }
    if (s.senkrecht)
        s.richtung = s.vertauscht ? untenNachOben : obenNachUnten;
    else
        s.richtung = s.vertauscht ? rechtsNachLinks : linksNachRechts;
    s.a1 = ay;
    s.a2 = by;
    s.schritt = quotient(bx - ax, by - ay);
    s.b = ax * 1024;
    return true;
}

void Haarlinie::strecke(double x1, double y1, double x2, double y2, int kappen)
{
    Schritte s;
    if (!schritteFinden(x1, y1, x2, y2, s))
        return;
    if (s.vertauscht)
        kappen = kappenTauschen(kappen);
    // Turning back along the same axis: the cap keeps the turning pixel.
    const int maske = s.senkrecht ? senkrechtMaske : waagrechtMaske;
    if ((m_letzteRichtung ^ maske) == s.richtung)
        kappen |= s.vertauscht ? kappeEnde : kappeAnfang;
    if (kappen & kappeAnfang) {
        s.a1 -= 32;
        s.b -= s.schritt >> 1;
    }
    if (kappen & kappeEnde)
        s.a2 += 32;

    // The pixel centres from round(a1) up to, not including, round(a2); b at
    // the first of them, rounded up half a 64th when it grows.
    Fest a = (s.a1 + 32) >> 6;
    Fest ende = (s.a2 + 32) >> 6;
    // A cap that rounded the start back past the previous segment's last
    // pixel starts on that pixel's neighbour again.
    if ((kappen & kappeAnfang) && (s.senkrecht ? m_letztes.y : m_letztes.x) == a + 1)
        ++a;
    if (a == ende)
        return;
    const Fest aufrunden = s.schritt > 0 ? 32 : 0;
    Fest b = s.b + ((((a * 64) + aufrunden - s.a1) * s.schritt) >> 6);

    auto pixel = [&s](Fest haupt, Fest neben) {
        const int h = static_cast<int>(haupt), n = static_cast<int>(neben >> 16);
        return s.senkrecht ? Pixel{n, h} : Pixel{h, n};
    };
    Pixel erstes = pixel(a, b);
    Pixel letztes = pixel(ende - 1, b + (ende - a - 1) * s.schritt);
    if (s.vertauscht)
        std::swap(erstes, letztes);

    const bool achsnah = std::llabs(s.schritt) < (1 << 14);
    if (m_letztes.x > INT_MIN) {
        if (erstes.x == m_letztes.x && erstes.y == m_letztes.y) {
            // The previous segment drew this pixel already.
            if (s.vertauscht) {
                --ende;
            } else {
                ++a;
                b += s.schritt;
            }
        } else if (m_letzteRichtung != s.richtung
                   && ((achsnah && m_letzteAchsnah && m_letztes.x != erstes.x && m_letztes.y != erstes.y)
                       || std::abs(m_letztes.x - erstes.x) > 1 || std::abs(m_letztes.y - erstes.y) > 1)) {
            // The turn would leave a gap: one pixel more.
            if (s.vertauscht) {
                ++ende;
            } else {
                --a;
                b -= s.schritt;
            }
        }
    }
    m_letzteRichtung = s.richtung;
    m_letzteAchsnah = achsnah;

    do {
        const Pixel p = pixel(a, b);
        setzen(p.x, p.y);
        b += s.schritt;
    } while (++a < ende);
    m_letztes = letztes;
}

void Haarlinie::schlussVorwegnehmen(double x1, double y1, double x2, double y2)
{
    m_letztes = Pixel{};
    Schritte s;
    if (!schritteFinden(x1, y1, x2, y2, s))
        return;
    const Fest a = (s.a1 + 32) >> 6;
    const Fest ende = (s.a2 + 32) >> 6;
    if (a == ende)
        return;
    const Fest aufrunden = s.schritt > 0 ? 32 : 0;
    const Fest b = s.b + ((((a * 64) + aufrunden - s.a1) * s.schritt) >> 6);
    // The pixel drawn last: the first in stepping order when drawn backwards.
    const Fest haupt = s.vertauscht ? a : ende - 1;
    const Fest neben = (s.vertauscht ? b : b + (ende - a - 1) * s.schritt) >> 16;
    m_letztes = s.senkrecht ? Pixel{static_cast<int>(neben), static_cast<int>(haupt)}
                            : Pixel{static_cast<int>(haupt), static_cast<int>(neben)};
    m_letzteRichtung = s.richtung;
    m_letzteAchsnah = std::llabs(s.schritt) < (1 << 14);
}

void Haarlinie::kubisch(const double (&x)[4], const double (&y)[4], int kappen)
{
    double px[4] = {x[0], x[1], x[2], x[3]};
    double py[4] = {y[0], y[1], y[2], y[3]};
    teilen(px, py, 6, kappen);
}

// Flat enough when both control points lie closer to the chord than a
// quarter of its taxicab length (the cross product against the chord,
// compared with that length).
void Haarlinie::teilen(double (&x)[4], double (&y)[4], int stufe, int kappen)
{
    if (stufe > 0) {
        const double dx = x[0] - x[3];
        const double dy = y[0] - y[3];
        const double laenge = 0.25 * (std::abs(dx) + std::abs(dy));
        if (std::abs(dx * (y[3] - y[1]) - dy * (x[3] - x[1])) >= laenge
            || std::abs(dx * (y[3] - y[2]) - dy * (x[3] - x[2])) >= laenge) {
            // de Casteljau at t = 1/2.
            double lx[4], ly[4], rx[4], ry[4];
            auto halbieren = [](const double (&p)[4], double (&l)[4], double (&r)[4]) {
                const double m = (p[1] + p[2]) * 0.5;
                l[0] = p[0];
                l[1] = (p[0] + p[1]) * 0.5;
                r[3] = p[3];
                r[2] = (p[3] + p[2]) * 0.5;
                l[2] = (l[1] + m) * 0.5;
                r[1] = (r[2] + m) * 0.5;
                l[3] = r[0] = (l[2] + r[1]) * 0.5;
            };
            halbieren(x, lx, rx);
            halbieren(y, ly, ry);
            teilen(lx, ly, stufe - 1, kappen & kappeAnfang);
            teilen(rx, ry, stufe - 1, kappen & kappeEnde);
            return;
        }
    }
    strecke(x[0], y[0], x[3], y[3], kappen);
}
