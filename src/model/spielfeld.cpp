// SPDX-License-Identifier: GPL-3.0-or-later
#include "spielfeld.h"

#include "zufallsquelle.h"

#include <cmath>

void Spielfeld::allesZuruecksetzen()
{
    m_zyklus = 0;
    m_startAnzahl = 0;
    m_faktorAnzahl = 0;
    m_faktorenUebergelaufen = false;
    m_zielsucheSeitAbschluss = false;
    m_ohneZielsuche.reset();
    for (int i = 0; i < groesse; ++i) {
        for (int j = 0; j < groesse; ++j) {
            m_feldBesetzt[idx(i)][idx(j)] = 0;
            m_feldStatus[idx(i)][idx(j)] = 0;
        }
    }
}

int Spielfeld::zufallskoordinate(Zufallsquelle& zufall)
{
    // 0 <= u < 1 keeps this in 0..49. The bounds only guard against a faulty
    // source, before the conversion to int (a NaN counts as 0).
    const float stelle = std::floor(50.0f * zufall.naechsteZahl());
    if (!(stelle >= 0.0f))
        return 0;
    if (stelle > groesse - 1)
        return groesse - 1;
    return static_cast<int>(stelle);
}

std::vector<Zelle> Spielfeld::startSpielerSetzen(int anzahl, Zufallsquelle& zufall)
{
    std::vector<Zelle> gesetzt;
    // More players than cells could never all be placed.
    if (anzahl > zellenAnzahl)
        anzahl = zellenAnzahl;
    for (int spieler = 0; spieler < anzahl; ++spieler) {
        Zelle zelle;
        do {
            zelle.x = zufallskoordinate(zufall);
            zelle.y = zufallskoordinate(zufall);
        } while (m_feldBesetzt[idx(zelle.x)][idx(zelle.y)] != 0);
        m_feldBesetzt[idx(zelle.x)][idx(zelle.y)] = 1;
        gesetzt.push_back(zelle);
    }
    m_startAnzahl = spielendeZellen();
    return gesetzt;
}

int Spielfeld::spielendeZellen() const
{
    int anzahl = 0;
    for (int i = 0; i < groesse; ++i)
        for (int j = 0; j < groesse; ++j)
            if (m_feldBesetzt[idx(i)][idx(j)] == 1)
                ++anzahl;
    return anzahl;
}

int Spielfeld::spielerZaehlen()
{
    m_anzahlSpieler = spielendeZellen();
    return m_anzahlSpieler;
}

Werbeversuch Spielfeld::zielVersuch(Zelle werber, float quadratgroesse, Zufallsquelle& zufall)
{
    Werbeversuch versuch;
    versuch.werber = werber;
    versuch.quadratgroesse = quadratgroesse;
    versuch.ziel.x = zufallskoordinate(zufall);
    versuch.ziel.y = zufallskoordinate(zufall);
    std::int32_t& status = m_feldStatus[idx(versuch.ziel.x)][idx(versuch.ziel.y)];
    if (m_feldBesetzt[idx(versuch.ziel.x)][idx(versuch.ziel.y)] == 1)
        versuch.zustand = Zielzustand::spieltSchon;
    else
        versuch.zustand = status == 0 ? Zielzustand::ersteWerbung : Zielzustand::doppelwerbung;
    status = 1;
    return versuch;
}

Zielsuchergebnis Spielfeld::zielsuche(double p, Zufallsquelle& zufall)
{
    faktorMerken(p);
    m_zielsucheSeitAbschluss = true;
    const double rate = p / 10.0;
    const double sichereVersuche = std::floor(rate);
    const float zusatzchance = static_cast<float>(rate - sichereVersuche);

    Zielsuchergebnis ergebnis;
    for (int i = 0; i < groesse; ++i) {
        for (int j = 0; j < groesse; ++j) {
            if (m_feldBesetzt[idx(i)][idx(j)] != 1)
                continue;
            const Zelle werber{i, j};
            for (int k = 1; k <= sichereVersuche; ++k)
                ergebnis.versuche.push_back(zielVersuch(werber, 0.9f, zufall));
            const float u = zufall.naechsteZahl();
            if (u < zusatzchance)
                ergebnis.versuche.push_back(zielVersuch(werber, 1.0f, zufall));
        }
    }
    for (int i = 0; i < groesse; ++i)
        for (int j = 0; j < groesse; ++j)
            if (m_feldBesetzt[idx(i)][idx(j)] != 1 && m_feldStatus[idx(i)][idx(j)] == 1)
                ergebnis.neuGeworbene.push_back(Zelle{i, j});
    return ergebnis;
}

Zyklusergebnis Spielfeld::zyklusAbschliessen()
{
    for (int i = 0; i < groesse; ++i) {
        for (int j = 0; j < groesse; ++j) {
            if (m_feldBesetzt[idx(i)][idx(j)] == 1 || m_feldStatus[idx(i)][idx(j)] == 1) {
                m_feldBesetzt[idx(i)][idx(j)] = 1;
                m_feldStatus[idx(i)][idx(j)] = 0;
            }
        }
    }
    Zyklusergebnis ergebnis;
    ergebnis.anzahlSpieler = spielerZaehlen();
    ergebnis.zyklus = ++m_zyklus;
    ergebnis.gespeichert = m_zyklus <= verlaufGrenze;
    if (ergebnis.gespeichert) {
        m_anzahlVerlauf[idx(m_zyklus)] = m_anzahlSpieler;
        m_ohneZielsuche[idx(m_zyklus)] = !m_zielsucheSeitAbschluss;
    }
    m_zielsucheSeitAbschluss = false;
    return ergebnis;
}

std::vector<int> Spielfeld::zyklenOhneZielsuche() const
{
    std::vector<int> zyklen;
    const int letzter = m_zyklus < verlaufGrenze ? m_zyklus : verlaufGrenze;
    for (int n = 1; n <= letzter; ++n)
        if (m_ohneZielsuche[idx(n)])
            zyklen.push_back(n);
    return zyklen;
}

std::vector<double> Spielfeld::laufAnzahlen() const
{
    const int letzter = m_zyklus < verlaufGrenze ? m_zyklus : verlaufGrenze;
    std::vector<double> anzahlen;
    anzahlen.reserve(idx(letzter) + 1);
    anzahlen.push_back(m_startAnzahl);
    for (int n = 1; n <= letzter; ++n)
        anzahlen.push_back(m_anzahlVerlauf[idx(n)]);
    return anzahlen;
}

namespace {

bool gleicherFaktor(double a, double b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

} // namespace

void Spielfeld::faktorMerken(double p)
{
    for (int i = 0; i < m_faktorAnzahl; ++i)
        if (gleicherFaktor(m_faktoren[idx(i)], p))
            return;
    if (m_faktorAnzahl < faktorGrenze)
        m_faktoren[idx(m_faktorAnzahl++)] = p;
    else
        m_faktorenUebergelaufen = true;
}

std::vector<double> Spielfeld::benutzteFaktoren() const
{
    return {m_faktoren.begin(), m_faktoren.begin() + m_faktorAnzahl};
}

bool Spielfeld::andererFaktorBenutzt(double p) const
{
    if (m_faktorenUebergelaufen)
        return true;
    for (int i = 0; i < m_faktorAnzahl; ++i)
        if (!gleicherFaktor(m_faktoren[idx(i)], p))
            return true;
    return false;
}
