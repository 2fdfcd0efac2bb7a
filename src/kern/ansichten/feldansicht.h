// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "spielfeld.h"

#include <string>
#include <vector>

class Zeichenflaeche;

// Draws the 50 x 50 field on its surface: cell (c, r) is the unit square
// from (c, r) to (c + 1, r + 1) of the surface's user coordinates, which the
// view sets (0 to 50 across and down).
class Feldansicht
{
public:
    explicit Feldansicht(Zeichenflaeche& flaeche);

    // Clears the field and outlines every cell in grey.
    void feldgitterZeichnen();
    // Start players as red boxes of 0.9 cells, leaving the right and lower
    // grid lines visible.
    void startSpielerZeichnen(const std::vector<Zelle>& zellen);
    // One recruitment attempt: line, circle and the target's square.
    void zielVersuchZeichnen(const Werbeversuch& versuch);
    // The field after a commit: every player a red cell, all grid lines again.
    void ergebnisZeichnen(const Spielfeld& spielfeld);
    // What screen readers are told: how many individuals play.
    static std::string beschreibung(const Spielfeld& spielfeld);

private:
    // The grey lines around every cell.
    void gitter();

    Zeichenflaeche& m_flaeche;
};
