// SPDX-License-Identifier: GPL-3.0-or-later
#include "ensemblespiele.h"

#include "spielfeld.h"
#include "standardzufallsquelle.h"
#include "zufallsmischung.h"

#include <algorithm>
#include <cstddef>

Zaehltabelle::Zaehltabelle(int spiele, int zyklen)
    : m_breite(static_cast<std::size_t>(zyklen) + 1), m_werte(static_cast<std::size_t>(spiele) * m_breite)
{
}

std::span<int> Zaehltabelle::zeile(int spiel)
{
    return {m_werte.data() + static_cast<std::size_t>(spiel) * m_breite, m_breite};
}

int Zaehltabelle::wert(int spiel, int zyklus) const
{
    return m_werte[static_cast<std::size_t>(spiel) * m_breite + static_cast<std::size_t>(zyklus)];
}

bool ensembleSpielSpielen(Spielfeld& feld, const EnsembleAuftrag& auftrag, int index, std::span<int> verlauf,
                          const std::function<bool()>& abbrechen)
{
    StandardZufallsquelle zufall(ensembleSpielStartwert(index));
    feld.allesZuruecksetzen();
    feld.startSpielerSetzen(auftrag.startSpieler, zufall);
    verlauf[0] = feld.startAnzahl();
    for (int n = 1; n <= auftrag.zyklen; ++n) {
        if (abbrechen && abbrechen())
            return false;
        feld.zielsuche(auftrag.p, zufall);
        verlauf[static_cast<std::size_t>(n)] = feld.zyklusAbschliessen().anzahlSpieler;
    }
    return true;
}

EnsembleKurven ensembleKurvenBerechnen(const EnsembleAuftrag& auftrag, const Zaehltabelle& tabelle)
{
    EnsembleKurven kurven;
    kurven.auftrag = auftrag;
    std::vector<int> spalte(static_cast<std::size_t>(auftrag.spiele));
    for (int n = 0; n <= auftrag.zyklen; ++n) {
        long long summe = 0;
        for (int i = 0; i < auftrag.spiele; ++i) {
            spalte[static_cast<std::size_t>(i)] = tabelle.wert(i, n);
            summe += tabelle.wert(i, n);
        }
        std::sort(spalte.begin(), spalte.end());
        kurven.mittel.push_back(static_cast<double>(summe) / auftrag.spiele);
        kurven.quantil10.push_back(quantil(spalte, 10));
        kurven.quantil90.push_back(quantil(spalte, 90));
    }
    kurven.anpassung = besteAnpassung(kurven.mittel, auftrag.p);
    return kurven;
}

EnsembleAuftrag ensembleBegrenzt(EnsembleAuftrag auftrag)
{
    auftrag.spiele = std::clamp(auftrag.spiele, ensembleMindestSpiele, ensembleHoechstSpiele);
    auftrag.startSpieler = std::clamp(auftrag.startSpieler, 0, Spielfeld::zellenAnzahl);
    auftrag.zyklen = std::clamp(auftrag.zyklen, ensembleMindestZyklen, ensembleHoechstZyklen);
    auftrag.faeden = std::clamp(auftrag.faeden, 1, auftrag.spiele);
    return auftrag;
}

std::uint32_t ensembleSpielStartwert(int index)
{
    return zufallsmischung(ensembleStartwert + static_cast<std::uint32_t>(index));
}

double quantil(std::span<const int> sortiert, int prozent)
{
    const std::size_t produkt = (sortiert.size() - 1) * static_cast<std::size_t>(prozent);
    const std::size_t unten = produkt / 100;
    const double anteil = static_cast<double>(produkt % 100) / 100.0;
    const double wertUnten = sortiert[unten];
    if (anteil == 0.0)
        return wertUnten;
    return wertUnten + anteil * (sortiert[unten + 1] - wertUnten);
}

