// SPDX-License-Identifier: GPL-3.0-or-later
#include "vielespieletexte.h"

#include "spielfeld.h"

EnsembleAuftrag vieleSpieleAuftrag(const Spielfeld& feld, int spiele, double p)
{
    EnsembleAuftrag auftrag;
    auftrag.spiele = spiele;
    auftrag.startSpieler = feld.startAnzahl();
    auftrag.p = p;
    auftrag.zyklen = feld.zyklus();
    return ensembleBegrenzt(auftrag);
}

std::string vieleSpieleHinweis()
{
    return "Spielt so viele Spiele mit demselben A(0) und p, über so viele Zyklen wie das Spiel, mindestens "
           + std::to_string(ensembleMindestZyklen) + " und höchstens " + std::to_string(ensembleHoechstZyklen) + ".";
}

std::string vieleSpieleAbbruchtext(int fertig, int spiele)
{
    return "Abgebrochen nach " + std::to_string(fertig) + " von " + std::to_string(spiele) + " Spielen";
}
