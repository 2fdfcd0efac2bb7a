// SPDX-License-Identifier: GPL-3.0-or-later
#include "histoansicht.h"

#include "zeichenflaeche.h"
#include "spielfeld.h"
#include "twips.h"

namespace {

constexpr double kapazitaet = Spielfeld::zellenAnzahl;
constexpr int schwenkSchwelle = 36;
constexpr int schwenkGrenze = 18000;
constexpr int schwenkSchritt = 240;
constexpr double groessteStartzahl = 50.0;
constexpr double startbalkenX = 0.1;
constexpr int balkenBreite = 3;
constexpr double verhulstVersatz = 0.3;
constexpr int verhulstBreite = 2;
constexpr Farbe weiss = farbeAus(255, 255, 255);
constexpr Farbe geisterFarbe = farbeAus(215, 150, 150);
constexpr Farbe startbalkenFarbe = farbeAus(255, 50, 50);
constexpr Farbe tausenderFarbe = farbeAus(100, 100, 255);
constexpr Farbe hunderterFarbe = farbeAus(200, 200, 255);
constexpr Farbe zehnerFarbe = farbeAus(220, 220, 220);
constexpr Farbe zyklusFarbe = farbeAus(240, 240, 240);
constexpr Farbe verblassenFarbe = farbeAus(200, 200, 255);

} // namespace

Histoansicht::Histoansicht(Zeichenflaeche& flaeche)
    : m_flaeche(flaeche)
{
    m_flaeche.nutzerkoordinaten(0, kapazitaet, zyklenImBild, 0);
}

int Histoansicht::linkerRandTwips(int schieberwert)
{
    return linkerRandUngeschwenkt - schieberwert;
}

int Histoansicht::schieberwertNachZyklus(int zyklus, int schieberwert)
{
    if (zyklus > schwenkSchwelle && schieberwert < schwenkGrenze)
        return schieberwert + schwenkSchritt;
    return schieberwert;
}

int Histoansicht::linkerRandPixel(int schieberwert, double zoom)
{
    return twipsZuPixeln(linkerRandTwips(schieberwert), zoom);
}

std::string Histoansicht::beschreibung(int zyklus, const std::string& anzahl)
{
    return "Letzter Zyklus " + std::to_string(zyklus) + " mit A(n) = " + anzahl;
}

void Histoansicht::spaltenMitGeisterbalken(const Spielfeld& spielfeld)
{
    m_flaeche.stiftbreite(balkenBreite);
    for (int i = 0; i <= zyklenImBild; ++i) {
        m_flaeche.linie(i, 0, i, kapazitaet, weiss);
        m_flaeche.linie(i, 0, i, spielfeld.anzahlVerlauf(i), geisterFarbe);
    }
}

void Histoansicht::histoGitterZeichnen(int xEnde)
{
    m_flaeche.stiftbreite(1);
    for (int y = 0; y <= kapazitaet; y += 100)
        m_flaeche.linie(0, y, xEnde, y, y % 1000 == 0 ? tausenderFarbe : hunderterFarbe);
    senkrechteGitterlinien();
}

void Histoansicht::senkrechteGitterlinien()
{
    m_flaeche.stiftbreite(1);
    for (int x = 1; x <= zyklenImBild; ++x)
        m_flaeche.linie(x, 0, x, kapazitaet, x % 10 == 0 ? zehnerFarbe : zyklusFarbe);
}

void Histoansicht::startbalkenZeichnen(double a0)
{
    m_flaeche.stiftbreite(balkenBreite);
    m_flaeche.linie(startbalkenX, 0, startbalkenX, groessteStartzahl, weiss);
    m_flaeche.linie(startbalkenX, 0, startbalkenX, a0, startbalkenFarbe);
}

void Histoansicht::balkenZeichnen(int n, int anzahl)
{
    m_flaeche.stiftbreite(balkenBreite);
    m_flaeche.linie(n, 0, n, anzahl, balkenFarbe);
}

void Histoansicht::verhulstLinienZeichnen(const std::vector<double>& werte, Kurve art)
{
    const Farbe farbe = art == Kurve::vergleich ? vergleichsFarbe : verblassenFarbe;
    for (std::size_t i = 0; i < werte.size(); ++i) {
        m_flaeche.stiftbreite(verhulstBreite);
        m_flaeche.linie(i + verhulstVersatz, 0, i + verhulstVersatz, werte[i], farbe);
    }
}

void Histoansicht::loeschen()
{
    m_flaeche.loeschen();
}
