// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "zeichenop.h"

// The one mapping between a surface's user coordinates and the pixels of its
// retained picture, and the rules that turn a user point into a pixel.
//
// A pixel index is floor() of the device coordinate; a point exactly on the
// right or bottom edge belongs to the last pixel, so a line along that edge
// (the chart's y = 0) stays visible.
class Abbildung
{
public:
    Abbildung() = default;
    // links/oben/rechts/unten: the user coordinates of the surface's edges.
    // breite x hoehe: the picture's device pixels; stiftFaktor: device pixels
    // per pixel of pen width (the zoom times the screen's device pixel ratio).
    Abbildung(double links, double oben, double rechts, double unten, int breite, int hoehe,
              double stiftFaktor);

    Punkt zuGeraet(Punkt nutzer) const { return {m_sx * nutzer.x + m_dx, m_sy * nutzer.y + m_dy}; }
    Punkt zuNutzer(Punkt geraet) const { return {m_ux * geraet.x + m_udx, m_uy * geraet.y + m_udy}; }

    int breite() const { return m_breite; }
    int hoehe() const { return m_hoehe; }
    double stiftFaktor() const { return m_stiftFaktor; }

    int spalte(double geraetX) const { return pixelIndex(geraetX, m_breite); }
    int zeile(double geraetY) const { return pixelIndex(geraetY, m_hoehe); }
    // The last column (row) that an area ending at geraetX (geraetY) covers
    // at least half: a box of 0.9 cells stops short of the grid line after
    // it, however the cell falls on the pixels.
    int letzteSpalteVor(double geraetX) const { return pixelIndex(geraetX - 0.5, m_breite); }
    int letzteZeileVor(double geraetY) const { return pixelIndex(geraetY - 0.5, m_hoehe); }

    // A pen width of logical pixels in whole device pixels, at least 1.
    int stiftPixel(int logischeBreite) const;
    // A length along x in user units as device pixels.
    double waagrechtePixel(double nutzerLaenge) const;

private:
    static int pixelIndex(double geraet, int groesse);

    // user -> device: x' = sx x + dx; device -> user, its inverse.
    double m_sx = 1, m_sy = 1, m_dx = 0, m_dy = 0;
    double m_ux = 1, m_uy = 1, m_udx = 0, m_udy = 0;
    int m_breite = 0, m_hoehe = 0;
    double m_stiftFaktor = 1.0;
};
