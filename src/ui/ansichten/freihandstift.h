// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPointF>

class DrawingSurface;

// A freehand pen on a surface: down while a mouse button is held, drawing one
// segment from the last point to the pointer at every move, up after release.
class Freihandstift
{
public:
    enum class LetztesY { genau, gerundet };

    // gerundet: the last point's y is kept as a whole number, rounded half to
    // even (the chart's pen).
    Freihandstift(DrawingSurface& surface, QColor farbe, int breite, LetztesY letztesY)
        : m_surface(surface), m_farbe(farbe), m_breite(breite), m_letztesYArt(letztesY)
    {
    }

    void druecken(QPointF punkt);
    void bewegen(QPointF punkt);
    void loslassen() { m_gedrueckt = false; }

private:
    void merken(QPointF punkt);

    DrawingSurface& m_surface;
    QColor m_farbe;
    int m_breite;
    LetztesY m_letztesYArt;
    bool m_gedrueckt = false;
    float m_letztesX = 0;
    float m_letztesY = 0;
};
