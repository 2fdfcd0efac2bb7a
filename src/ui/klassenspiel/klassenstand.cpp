// SPDX-License-Identifier: GPL-3.0-or-later
#include "klassenstand.h"

#include "anpassung.h"
#include "ensemblespiele.h"
#include "spielnummer.h"

#include <algorithm>

int Schueler::zyklus() const
{
    return std::max(0, static_cast<int>(nachgespielt.anzahlen.size()) - 1);
}

int Schueler::anzahl() const
{
    return nachgespielt.anzahlen.empty() ? 0 : nachgespielt.anzahlen.back();
}

bool Klassenstand::spielFrei(int spiel) const
{
    return spiel >= 1 && spiel <= hoechsteSpielnummer &&
           std::none_of(m_schueler.begin(), m_schueler.end(), [spiel](const Schueler& s) { return s.spiel == spiel; });
}

int Klassenstand::naechstesFreiesSpiel() const
{
    for (int spiel = 1; spiel <= hoechsteSpielnummer; ++spiel)
        if (spielFrei(spiel))
            return spiel;
    return 0;
}

std::optional<int> Klassenstand::anmelden(const Anmeldung& anmeldung, QString& grund)
{
    for (std::size_t i = 0; i < m_schueler.size(); ++i) {
        if (m_schueler[i].kennung != anmeldung.kennung)
            continue;
        m_schueler[i].name = anmeldung.name;
        return static_cast<int>(i);
    }
    // A page that comes back to a restarted program keeps its game, if still free.
    const int spiel = spielFrei(anmeldung.spiel) ? anmeldung.spiel : naechstesFreiesSpiel();
    if (static_cast<int>(m_schueler.size()) >= m_hoechstens || spiel == 0) {
        grund = m_hoechstens == 1 ? QStringLiteral("Die Klasse ist voll (1 Platz).")
                                  : QStringLiteral("Die Klasse ist voll (%1 Plätze).").arg(m_hoechstens);
        return std::nullopt;
    }
    m_schueler.push_back({anmeldung.kennung, anmeldung.name, spiel, 0, {}, {}, false, {}});
    return static_cast<int>(m_schueler.size()) - 1;
}

std::optional<int> Klassenstand::ergebnisAnmelden(const Anmeldung& anmeldung, QString& grund)
{
    const auto eigene = std::find_if(m_schueler.begin(), m_schueler.end(),
                                     [&](const Schueler& s) { return s.kennung == anmeldung.kennung; });
    if (eigene != m_schueler.end() && eigene->spiel != anmeldung.spiel)
        grund = QStringLiteral("Die Datei hält Spiel %1, der Schüler spielt Spiel %2.")
                    .arg(anmeldung.spiel)
                    .arg(eigene->spiel);
    else if (eigene == m_schueler.end() && anmeldung.spiel < 1)
        grund = QStringLiteral("Das ist das feste Spiel des Programms; in die Klasse kommt nur ein nummeriertes "
                               "Spiel (1 bis %1).")
                    .arg(hoechsteSpielnummer);
    else if (eigene == m_schueler.end() && !spielFrei(anmeldung.spiel))
        grund = QStringLiteral("Spiel %1 spielt schon ein anderer Schüler der Klasse.").arg(anmeldung.spiel);
    else
        return anmelden(anmeldung, grund);
    return std::nullopt;
}

bool Klassenstand::melden(int zeile, const Berichtsnachricht& nachricht)
{
    Schueler& s = m_schueler.at(static_cast<std::size_t>(zeile));
    if (nachricht.seq <= s.seq || nachricht.bericht.nummer != s.spiel)
        return false;
    s.seq = nachricht.seq;
    s.bericht = nachricht.bericht;
    s.nachgespielt = s.nachspieler.nachspielen(nachricht.bericht);
    return true;
}

void Klassenstand::verbindungSetzen(int zeile, bool verbunden)
{
    m_schueler.at(static_cast<std::size_t>(zeile)).verbunden = verbunden;
}

Klassenkurven Klassenstand::kurven() const
{
    Klassenkurven k;
    for (const Schueler& s : m_schueler)
        if (s.nachgespielt.nachvollziehbar)
            k.spiele.push_back(s.nachgespielt.anzahlen);
    for (std::size_t n = 0;; ++n) {
        std::vector<int> werte;
        for (const Schueler& s : m_schueler)
            if (s.nachgespielt.nachvollziehbar && n < s.nachgespielt.anzahlen.size())
                werte.push_back(s.nachgespielt.anzahlen[n]);
        if (werte.empty())
            return k;
        std::sort(werte.begin(), werte.end());
        double summe = 0;
        for (int w : werte)
            summe += w;
        k.mittel.push_back(summe / static_cast<double>(werte.size()));
        k.quantil10.push_back(quantil(werte, 10));
        k.quantil90.push_back(quantil(werte, 90));
        k.anzahlSchueler.push_back(static_cast<int>(werte.size()));
    }
}

std::optional<EnsembleKurven> alsEnsemble(const Klassenkurven& kurven, double p)
{
    if (kurven.mittel.empty())
        return std::nullopt;
    EnsembleKurven ensemble;
    ensemble.auftrag = {kurven.anzahlSchueler.front(), static_cast<int>(kurven.mittel.front()), p,
                        static_cast<int>(kurven.mittel.size()) - 1, 1};
    ensemble.mittel = kurven.mittel;
    ensemble.quantil10 = kurven.quantil10;
    ensemble.quantil90 = kurven.quantil90;
    ensemble.anpassung = besteAnpassung(ensemble.mittel, p);
    ensemble.einzelspiele = kurven.spiele;
    return ensemble;
}

std::vector<std::vector<std::string>> klassentabelle(const Klassenstand& stand)
{
    std::size_t zyklen = 0;
    for (const Schueler& s : stand.schueler())
        zyklen = std::max(zyklen, s.nachgespielt.anzahlen.size());
    std::vector<std::string> kopf{"Spiel", "Name", "Zyklus", "A(n)", "Stand"};
    for (std::size_t n = 0; n < zyklen; ++n) {
        std::string zelle = "A(";
        zelle += std::to_string(n);
        zelle += ')';
        kopf.push_back(std::move(zelle));
    }
    std::vector<std::vector<std::string>> zeilen{kopf};
    for (const Schueler& s : stand.schueler()) {
        const bool gut = s.nachgespielt.nachvollziehbar;
        std::vector<std::string> zeile{std::to_string(s.spiel), s.name.toStdString(), std::to_string(s.zyklus()),
                                       std::to_string(s.anzahl()),
                                       s.seq == 0 ? "ohne Bericht" : gut ? "nachvollziehbar" : "nicht nachvollziehbar"};
        for (std::size_t n = 0; n < zyklen; ++n)
            zeile.push_back(gut && n < s.nachgespielt.anzahlen.size() ? std::to_string(s.nachgespielt.anzahlen[n]) : "");
        zeilen.push_back(std::move(zeile));
    }
    return zeilen;
}
