// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "auswertungsfarbe.h"
#include "laufauswertung.h"
#include "zeichenop.h"

#include <optional>
#include <string>
#include <vector>

// What the plot of the whole run shows, for an edition to draw: the game's
// counts as bars, the Verhulst curves of the current and of the best-fitting
// t as lines, and after many games their mean with the band from the 10 %
// to the 90 % quantile. x is the cycle, y the players.
// Each curve has a line style of its own, so that a black-and-white copy
// of the worksheet tells them apart: dash and gap lengths in line widths,
// drawn with flat ends; none is a solid line. Only a class's games, one
// by one, are thin faint solid lines behind everything but the bars.
struct Linienreihe
{
    std::string name;
    Auswertungsfarbe farbe;
    double linienbreite = 0.0; // in pixels
    std::vector<Punkt> punkte;
    std::vector<double> strichmuster;
};

struct Balkenreihe
{
    std::string name;
    Auswertungsfarbe farbe;
    double balkenbreite = 0.0; // of one cycle's width, centred on it
    std::vector<double> werte; // cycle n's bar is werte[n] high
};

// The area between two lines, filled and edged.
struct Bandreihe
{
    std::string name;
    Auswertungsfarbe farbe;
    Auswertungsfarbe rand;
    double randbreite = 0.0;
    std::vector<Punkt> oben;
    std::vector<Punkt> unten;
};

struct Achse
{
    std::string titel;
    double von = 0.0;
    double bis = 0.0;
};

struct Diagrammdaten
{
    // What the plot shows, in sentences for screen readers.
    std::string beschreibung;
    Achse x;
    double xSchritt = 1.0; // labelled cycles this far apart, from cycle 0 on
    Achse y;
    int yMarken = 0;       // labels from von to bis, evenly apart
    // Drawn in this order, the later in front, and so listed in the legend.
    Balkenreihe balken;
    std::vector<Linienreihe> einzelspiele; // the first named, for the legend
    std::optional<Bandreihe> band;
    std::optional<Linienreihe> mittel;
    Linienreihe aktuell;
    std::optional<Linienreihe> beste;
};

// The x axis runs over the run's cycles, and at least to `mindestensBis`
// (a class's games may be longer than the teacher's own).
Diagrammdaten diagrammdaten(const LaufAuswertung& auswertung, int mindestensBis = 0);

// What screen readers call the plot.
std::string diagrammName();
// The names of the two Verhulst curves, in the legend and in the table's header.
std::string aktuellName(const LaufAuswertung& auswertung);
std::string besteName(const LaufAuswertung& auswertung);
