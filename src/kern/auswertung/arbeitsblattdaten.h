// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "laufauswertung.h"

#include <string>

// The one-page A4 worksheet as both editions lay it out: the desktop paints
// it for the printer and the PDF file, the page prints it through the
// browser. Top down: the title with a line for the name, a line of the
// date and the game's parameters, the result sentences, the plot, as many
// rows of the table as fit (a note says which are left out), and empty
// lines headed "Meine Beobachtungen" at the bottom.
namespace arbeitsblattdaten {

inline constexpr const char* titel = "Kettenbrief – Arbeitsblatt";
inline constexpr const char* namenszeile = "Name: ____________________";
inline constexpr const char* beobachtungen = "Meine Beobachtungen";
inline constexpr int beobachtungsZeilen = 5;

// Sizes on paper in millimetres.
inline constexpr double randMm = 15;
inline constexpr double diagrammHoeheMm = 90;
inline constexpr double abstandMm = 4;
inline constexpr double zeilenabstandBeobachtungMm = 9;

// The plot is laid out this many CSS pixels per millimetre, so its text
// comes out at about 7.5 points and five legend entries fit.
inline constexpr double diagrammPixelProMm = 4.6;

// Type sizes in points.
inline constexpr double titelPunkte = 18;
inline constexpr double textPunkte = 10;
inline constexpr double beobachtungenPunkte = 11;
inline constexpr double tabellenPunkte = 8;

// The line under the title; `datum` as "9. Dezember 2026".
std::string kopfzeile(const LaufAuswertung& stand, const std::string& datum);
// Below the table when its rows from cycle `gezeigt` on did not fit.
std::string weggelassen(int gezeigt, int zyklen);

} // namespace arbeitsblattdaten
