// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pixelbild.h"

#include <string>
#include <vector>

class Zeichenflaeche;
class Spielfeld;

// Draws the bar chart on its surface: x is the cycle number, y the number of
// players (0 at the bottom edge, 2500 at the top edge). The view sets that
// coordinate system and places the chart where the panning puts it.
class Histoansicht
{
public:
    // The cycles across the chart, also its last vertical grid line.
    static constexpr int zyklenImBild = 120;

    // The bars of the game and the Verhulst curve drawn for comparison; the
    // evaluation's plot shows them in the same colours.
    static constexpr Farbe balkenFarbe = farbeAus(200, 20, 20);
    static constexpr Farbe vergleichsFarbe = farbeAus(15, 15, 200);

    explicit Histoansicht(Zeichenflaeche& flaeche);

    // Panning: the chart's left edge lies linkerRandUngeschwenkt twips into
    // its frame minus the value of the chart's scroll bar
    // (0..groessteVerschiebung).
    static constexpr int linkerRandUngeschwenkt = 6600;
    static constexpr int groessteVerschiebung = 24600;
    static int linkerRandTwips(int schieberwert);
    // The scroll bar's value after cycle n is committed: 240 more per cycle
    // after cycle 36, while it is below 18000.
    static int schieberwertNachZyklus(int zyklus, int schieberwert);
    // The chart's left edge in logical pixels of its frame where a value of
    // the scroll bar puts it, at a zoom.
    static int linkerRandPixel(int schieberwert, double zoom);
    // What screen readers are told: the last cycle and its count as shown.
    static std::string beschreibung(int zyklus, const std::string& anzahl);

    // Erases the columns of cycles 0..120 and draws the last run's bars in
    // pale red from the history.
    void spaltenMitGeisterbalken(const Spielfeld& spielfeld);
    // The grid: horizontal lines every 100 players up to x = xEnde, then the
    // vertical lines of cycles 1..120 over them.
    void histoGitterZeichnen(int xEnde);
    // The vertical grid lines alone.
    void senkrechteGitterlinien();
    // The bar of cycle 0 after erasing its column up to the largest start number.
    void startbalkenZeichnen(double a0);
    // The bar of cycle n.
    void balkenZeichnen(int n, int anzahl);
    // The Verhulst curve as drawn for comparison, or faded before a new t.
    enum class Kurve { vergleich, verblasst };
    // The model's values A(0), A(1), ... as 2-pixel lines 0.3 cycles right
    // of their bars.
    void verhulstLinienZeichnen(const std::vector<double>& werte, Kurve art);
    // Wipes the chart to white.
    void loeschen();

private:
    Zeichenflaeche& m_flaeche;
};
