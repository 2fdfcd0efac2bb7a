// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "verhulst.h"

#include <string>

// The main window's caption: the program's version name.
inline constexpr const char* fenstertitel = "Nivra1.0";
// The caption while game `nummer` is played: the version name alone for
// the program's own game 0, with "– Spiel 7" for game 7.
std::string fenstertitelFuer(int nummer);
// What the editions ask when a game is chosen by its number.
inline constexpr const char* spielwahlTitel = "Spiel wählen";
inline constexpr const char* spielwahlFrage =
    "Nummer des Spiels: 0 ist das Spiel des Programms,\n1 bis 99 sind eigene Spiele, etwa eines für jede Schülerin "
    "und jeden Schüler.";

// "Überlauf" or "Ungültiges Argument", and where the Verhulst curve stopped.
std::string verhulstFehlertext(VerhulstFehler fehler, int zyklus);

// What the program is and what it is for, for the "Information" box (HTML).
std::string informationstext();
