// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "anpassung.h"
#include "ensemblespiele.h"
#include "spielfeld.h"
#include "standardzufallsquelle.h"

#include <optional>
#include <string>

// The one game the page plays: the field and its random source, as the
// window holds them, the running fit and the last many games. Every part of
// the bridge reaches it here.
struct Spiel
{
    Spielfeld feld;
    StandardZufallsquelle zufall;
    LaufendeAnpassung suche;
    std::optional<EnsembleKurven> ensemble;
};

Spiel& spiel();

// Hands a text to the page as UTF-8; valid until the next text is handed over.
const char* textAusgeben(std::string text);
