// SPDX-License-Identifier: GPL-3.0-or-later
#include "auswertungszeilen.h"

#include "deutschezahl.h"

#include <algorithm>

namespace {

// A value of a curve for cycle n, or nothing where the curve ends.
std::string wertOderLeer(const std::vector<double>& werte, int n, int nachkommastellen)
{
    if (n < 0 || n >= static_cast<int>(werte.size()))
        return {};
    return deutscheZahl(werte[static_cast<std::size_t>(n)], nachkommastellen);
}

std::string verhulstKopf(const std::string& t)
{
    return "Verhulst, t = " + t;
}

} // namespace

Auswertungszeilen::Auswertungszeilen(LaufAuswertung auswertung)
    : m_auswertung(std::move(auswertung))
{
}

int Auswertungszeilen::zeilenAnzahl() const
{
    return static_cast<int>(m_auswertung.anzahlen.size());
}

int Auswertungszeilen::spaltenAnzahl() const
{
    return m_auswertung.ensemble ? quantil90Spalte + 1 : besteSpalte + 1;
}

std::string Auswertungszeilen::besteKopf() const
{
    if (!m_auswertung.beste.gefunden)
        return "Verhulst, bestes t";
    return verhulstKopf(deutscheZahlKurz(m_auswertung.beste.t, 3));
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
    switch (spalte) {
    case zyklusSpalte:
        return "n";
    case anzahlSpalte:
        return "A(n)";
    case zuwachsSpalte:
        return "ΔA";
    case aktuellSpalte:
        return verhulstKopf(deutscheZahlKurz(m_auswertung.t, 6));
    case besteSpalte:
        return besteKopf();
    case mittelSpalte:
        return mittelKopf();
    case quantil10Spalte:
        return "10-%-Quantil";
    default:
        return "90-%-Quantil";
    }
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
    switch (spalte) {
    case zyklusSpalte:
        return std::to_string(zeile);
    case anzahlSpalte:
        return deutscheZahl(m_auswertung.anzahlen[static_cast<std::size_t>(zeile)], 0);
    case zuwachsSpalte:
        return zuwachs(zeile);
    case aktuellSpalte:
        return wertOderLeer(m_auswertung.verhulstAktuell, zeile, 1);
    case besteSpalte:
        return wertOderLeer(m_auswertung.verhulstBeste, zeile, 1);
    case mittelSpalte:
        return wertOderLeer(m_auswertung.ensemble->mittel, zeile, 1);
    case quantil10Spalte:
        return wertOderLeer(m_auswertung.ensemble->quantil10, zeile, 1);
    default:
        return wertOderLeer(m_auswertung.ensemble->quantil90, zeile, 1);
    }
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
