// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "spielbericht.h"
#include "spielfeld.h"
#include "spielnummer.h"
#include "standardzufallsquelle.h"

#include <vector>

// A simulated pupil's game: the numbered game from its seed with A(0) = 10
// start players, played cycle by cycle as the page plays it, and written
// down as the page reports it.
struct Schuelerspiel
{
    Spielbericht bericht;
    StandardZufallsquelle zufall;
    Spielfeld feld;
    std::vector<int> anzahlen; // A(0), A(1), ... as the pupil saw them

    void beginnen(int spiel)
    {
        bericht = {spiel, {{10, {}}}};
        zufall = StandardZufallsquelle(*spielStartwert(spiel));
        feld.allesZuruecksetzen();
        (void)feld.startSpielerSetzen(10, zufall);
        anzahlen = {feld.spielerZaehlen()};
    }

    // `durchgaenge` passes at p, then the commit; the cycle as reported.
    Zyklusbericht zyklus(double p, int durchgaenge)
    {
        Zyklusbericht z;
        for (int d = 0; d < durchgaenge; ++d) {
            (void)feld.zielsuche(p, zufall);
            z.durchgaenge.push_back(p);
        }
        z.anzahl = feld.zyklusAbschliessen().anzahlSpieler;
        anzahlen.push_back(z.anzahl);
        return z;
    }
};
