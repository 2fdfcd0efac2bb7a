// SPDX-License-Identifier: GPL-3.0-or-later
#include "auswertungszeilen.h"

#include "deutschezahl.h"
#include "diagrammdaten.h"

#include <algorithm>
#include <cmath>

namespace {

// A value of a curve for cycle n, or nothing where the curve ends.
std::string wertOderLeer(const std::vector<double>& werte, int n, int nachkommastellen)
{
    if (n < 0 || n >= static_cast<int>(werte.size()))
        return {};
    return deutscheZahl(werte[static_cast<std::size_t>(n)], nachkommastellen);
}

// The current t is the best one when it was taken over from the fit: the
// box of t keeps 15 significant digits of it.
bool besteIstAktuell(const LaufAuswertung& auswertung)
{
    const double t = auswertung.beste.t;
    return std::abs(auswertung.t - t) <= 1e-12 * std::max(1.0, std::abs(t));
}

} // namespace

Auswertungszeilen::Auswertungszeilen(LaufAuswertung auswertung)
    : m_auswertung(std::move(auswertung))
    , m_spalten(spaltenVon(m_auswertung))
{
}

std::vector<Auswertungszeilen::Spalte> Auswertungszeilen::spaltenVon(const LaufAuswertung& auswertung)
{
    std::vector<Spalte> spalten{Spalte::zyklus, Spalte::anzahl, Spalte::zuwachs};
    if (!auswertung.beste.gefunden || !besteIstAktuell(auswertung))
        spalten.push_back(Spalte::aktuell);
    if (auswertung.beste.gefunden)
        spalten.push_back(Spalte::beste);
    if (auswertung.ensemble)
        spalten.insert(spalten.end(), {Spalte::mittel, Spalte::quantil10, Spalte::quantil90});
    return spalten;
}

int Auswertungszeilen::zeilenAnzahl() const
{
    return static_cast<int>(m_auswertung.anzahlen.size());
}

int Auswertungszeilen::spaltenAnzahl() const
{
    return static_cast<int>(m_spalten.size());
}

// Many games stop at their last cycle; the rows below stay empty.
std::string Auswertungszeilen::mittelKopf() const
{
    const EnsembleAuftrag& auftrag = m_auswertung.ensemble->auftrag;
    return "Mittel von " + std::to_string(auftrag.spiele) + " Spielen (bis Zyklus " + std::to_string(auftrag.zyklen)
           + ")";
}

std::string Auswertungszeilen::kopf(int spalte) const
{
    switch (art(spalte)) {
    case Spalte::zyklus:
        return "n";
    case Spalte::anzahl:
        return "A(n)";
    case Spalte::zuwachs:
        return "ΔA";
    case Spalte::aktuell:
        return aktuellName(m_auswertung);
    case Spalte::beste:
        return besteName(m_auswertung);
    case Spalte::mittel:
        return mittelKopf();
    case Spalte::quantil10:
        return "10-%-Quantil";
    case Spalte::quantil90:
        break;
    }
    return "90-%-Quantil";
}

std::string Auswertungszeilen::zuwachs(int zeile) const
{
    if (zeile == 0)
        return {};
    const auto& anzahlen = m_auswertung.anzahlen;
    return deutscheZahl(anzahlen[std::size_t(zeile)] - anzahlen[std::size_t(zeile - 1)], 0);
}

std::string Auswertungszeilen::zelle(int zeile, int spalte) const
{
    switch (art(spalte)) {
    case Spalte::zyklus:
        return std::to_string(zeile);
    case Spalte::anzahl:
        return deutscheZahl(m_auswertung.anzahlen[static_cast<std::size_t>(zeile)], 0);
    case Spalte::zuwachs:
        return zuwachs(zeile);
    case Spalte::aktuell:
        return wertOderLeer(m_auswertung.verhulstAktuell, zeile, 1);
    case Spalte::beste:
        return wertOderLeer(m_auswertung.verhulstBeste, zeile, 1);
    case Spalte::mittel:
        return wertOderLeer(m_auswertung.ensemble->mittel, zeile, 1);
    case Spalte::quantil10:
        return wertOderLeer(m_auswertung.ensemble->quantil10, zeile, 1);
    case Spalte::quantil90:
        break;
    }
    return wertOderLeer(m_auswertung.ensemble->quantil90, zeile, 1);
}

bool Auswertungszeilen::ohneZielsuche(int zeile) const
{
    return std::binary_search(m_auswertung.ohneZielsuche.begin(), m_auswertung.ohneZielsuche.end(), zeile);
}

std::vector<std::vector<std::string>> Auswertungszeilen::alle() const
{
    std::vector<std::vector<std::string>> zeilen(static_cast<std::size_t>(zeilenAnzahl()) + 1);
    for (int spalte = 0; spalte < spaltenAnzahl(); ++spalte)
        zeilen.front().push_back(kopf(spalte));
    for (int zeile = 0; zeile < zeilenAnzahl(); ++zeile)
        for (int spalte = 0; spalte < spaltenAnzahl(); ++spalte)
            zeilen[static_cast<std::size_t>(zeile) + 1].push_back(zelle(zeile, spalte));
    return zeilen;
}

std::string Auswertungszeilen::alsText() const
{
    std::string text;
    for (const std::vector<std::string>& zellen : alle()) {
        for (std::size_t i = 0; i < zellen.size(); ++i)
            text += (i > 0 ? "\t" : "") + zellen[i];
        text += '\n';
    }
    return text;
}

std::string Auswertungszeilen::ohneZielsucheHinweis()
{
    return "„Ergebnis“ ohne „Zielsuche“: In diesem Zyklus konnte niemand dazukommen.";
}

Auswertungsfarbe Auswertungszeilen::markierungsfarbe()
{
    return {255, 225, 120};
}
