// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "auswertungsfarbe.h"
#include "laufauswertung.h"

#include <string>
#include <vector>

// The run cycle by cycle, one row per cycle n = 0 .. the last stored one:
// n, A(n), the change ΔA, the Verhulst values for each distinct t (the
// current one and the best-fitting one, if found; one column when they are
// the same t, its header saying it fits best), and after many games their
// mean and 10 % and 90 % quantiles (up to the cycles they were played over). Numbers as a German
// reader writes them, every text UTF-8. A cycle committed without a pass is
// marked.
class Auswertungszeilen
{
public:
    Auswertungszeilen() = default;
    explicit Auswertungszeilen(LaufAuswertung auswertung);

    const LaufAuswertung& auswertung() const { return m_auswertung; }

    int zeilenAnzahl() const;
    int spaltenAnzahl() const;
    std::string kopf(int spalte) const;
    std::string zelle(int zeile, int spalte) const;
    // Whether cycle `zeile` was committed without a pass before it.
    bool ohneZielsuche(int zeile) const;

    // The header and then every row, each cell as the table shows it: what
    // the clipboard, the CSV file and the worksheet take.
    std::vector<std::vector<std::string>> alle() const;
    // The whole table as tab-separated lines with a header line, for the
    // clipboard and a German spreadsheet.
    std::string alsText() const;

    // What the mark of a cycle without a pass means, and its colour.
    static std::string ohneZielsucheHinweis();
    static Auswertungsfarbe markierungsfarbe();

private:
    enum class Spalte { zyklus, anzahl, zuwachs, aktuell, beste, mittel, quantil10, quantil90 };

    static std::vector<Spalte> spaltenVon(const LaufAuswertung& auswertung);
    Spalte art(int spalte) const { return m_spalten[static_cast<std::size_t>(spalte)]; }
    std::string mittelKopf() const;
    std::string zuwachs(int zeile) const;

    LaufAuswertung m_auswertung;
    std::vector<Spalte> m_spalten;
};
