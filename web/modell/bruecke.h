// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "anpassung.h"
#include "laufauswertung.h"
#include "ensemblespiele.h"
#include "seitenbedienung.h"
#include "spielsitzung.h"
#include "zeichenflaeche.h"
#include "zoomwahl.h"

#include <optional>
#include <string>

// The one game the page plays: the window's session on its two pictures
// (the field, surface 0, and the chart, surface 1), the running fit and the
// last many games. Every part of the bridge reaches it here. The surfaces
// stay where they are for its life, so it is neither copied nor moved.
struct Spiel
{
    Spiel() = default;
    Spiel(const Spiel&) = delete;
    Spiel& operator=(const Spiel&) = delete;

    Zeichenflaeche feldflaeche;
    Zeichenflaeche histoflaeche;
    Seitenbedienung bedienung;
    Spielsitzung sitzung{bedienung, feldflaeche, histoflaeche};
    LaufendeAnpassung suche;
    std::optional<EnsembleKurven> ensemble;
    // The run evaluated last: its plot drawn at whatever size the page asks,
    // its table as a file.
    LaufAuswertung auswertung;
    // The projector zoom of the page's window.
    Zoomwahl zoom;
};

Spiel& spiel();

// Hands a text to the page as UTF-8; valid until the next text is handed over.
const char* textAusgeben(std::string text);
