// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pixelbild.h"

#include <climits>
#include <cstdint>

// The one-pixel pen of the desktop's painter, aliased: segments in 26.6
// fixed point (64ths of a pixel), stepped one pixel at a time along their
// longer axis with the other coordinate in 16.16. A pixel belongs to a
// segment when its centre row (or column) lies in [start, end) of the
// segment rounded to the nearest pixel centre. Consecutive segments of a
// path drop a pixel that the previous one already drew and add one where a
// change of direction would leave a gap, so a curve split into segments
// stays closed and never draws a pixel twice.
class Haarlinie
{
public:
    enum Kappe { keineKappe = 0, kappeAnfang = 1, kappeEnde = 2 };

    // Draws into the picture, clipped to it; segments are trimmed in floating
    // point to one pixel beyond each side first, so that the fixed point
    // cannot overflow.
    Haarlinie(Pixelbild& bild, Farbe farbe);

    // One segment; with kappeAnfang / kappeEnde it reaches half a pixel
    // beyond its end points (the square cap).
    void strecke(double x1, double y1, double x2, double y2, int kappen);

    // A single pixel.
    void punkt(int x, int y) { setzen(x, y); }

    // For a closed path: takes direction and last pixel of its closing
    // segment, so that the first segment joins it as it would any other.
    void schlussVorwegnehmen(double x1, double y1, double x2, double y2);

    // A cubic Bézier curve, split in half until flat (at most 6 times),
    // each piece a segment.
    void kubisch(const double (&x)[4], const double (&y)[4], int kappen);

    Pixelrechteck beruehrt() const { return m_beruehrt; }

private:
    enum Richtung { obenNachUnten = 1, untenNachOben = 2, linksNachRechts = 4, rechtsNachLinks = 8 };
    static constexpr int senkrechtMaske = 3;
    static constexpr int waagrechtMaske = 12;

    struct Pixel
    {
        int x = INT_MIN, y = INT_MIN;
    };
    struct Schritte;

    bool abschneiden(double& x1, double& y1, double& x2, double& y2);
    bool schritteFinden(double x1, double y1, double x2, double y2, Schritte& s);
    void setzen(int x, int y);
    void teilen(double (&x)[4], double (&y)[4], int stufe, int kappen);

    Pixelbild& m_bild;
    Farbe m_farbe; // as held in the picture's memory
    double m_xmin, m_xmax, m_ymin, m_ymax;
    Pixel m_letztes;
    Richtung m_letzteRichtung = linksNachRechts;
    bool m_letzteAchsnah = false;
    Pixelrechteck m_beruehrt;
};
