// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pixelbild.h"
#include "zeichenop.h"

class Zeichenflaeche;

// A freehand pen on a surface: down while a mouse button is held, drawing one
// segment from the last point to the pointer at every move, up after release.
class Freihandstift
{
public:
    enum class LetztesY { genau, gerundet };

    // gerundet: the last point's y is kept as a whole number, rounded half to
    // even (the chart's pen).
    Freihandstift(Zeichenflaeche& flaeche, Farbe farbe, int breite, LetztesY letztesY)
        : m_flaeche(flaeche), m_farbe(farbe), m_breite(breite), m_letztesYArt(letztesY)
    {
    }

    // The field's pen: thin and white, it wipes what it crosses.
    static Freihandstift feldstift(Zeichenflaeche& flaeche)
    {
        return Freihandstift(flaeche, farbeAus(255, 255, 255), 1, LetztesY::genau);
    }
    // The chart's pen: 2 pixels, black, on whole numbers of players.
    static Freihandstift diagrammstift(Zeichenflaeche& flaeche)
    {
        return Freihandstift(flaeche, farbeAus(0, 0, 0), 2, LetztesY::gerundet);
    }

    void druecken(Punkt punkt);
    void bewegen(Punkt punkt);
    void loslassen() { m_gedrueckt = false; }

private:
    void merken(Punkt punkt);

    Zeichenflaeche& m_flaeche;
    Farbe m_farbe;
    int m_breite;
    LetztesY m_letztesYArt;
    bool m_gedrueckt = false;
    float m_letztesX = 0;
    float m_letztesY = 0;
};
