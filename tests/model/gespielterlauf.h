// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "spielfeld.h"
#include "standardzufallsquelle.h"

// A game as the window plays it with the program's generator: A(0) start
// players, then `zyklen` passes at p, each followed by its commit.
inline Spielfeld gespielterLauf(int a0, double p, int zyklen)
{
    Spielfeld feld;
    StandardZufallsquelle zufall;
    feld.allesZuruecksetzen();
    feld.startSpielerSetzen(a0, zufall);
    for (int n = 1; n <= zyklen; ++n) {
        feld.zielsuche(p, zufall);
        feld.zyklusAbschliessen();
    }
    return feld;
}
