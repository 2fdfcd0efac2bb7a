// SPDX-License-Identifier: GPL-3.0-or-later
#include "histoansicht.h"

#include "drawingsurface.h"
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
const QColor weiss(255, 255, 255);
const QColor geisterFarbe(215, 150, 150);
const QColor startbalkenFarbe(255, 50, 50);
const QColor balkenFarbe(200, 20, 20);
const QColor tausenderFarbe(100, 100, 255);
const QColor hunderterFarbe(200, 200, 255);
const QColor zehnerFarbe(220, 220, 220);
const QColor zyklusFarbe(240, 240, 240);
const QColor vergleichsFarbe(15, 15, 200);
const QColor verblassenFarbe(200, 200, 255);

} // namespace

Histoansicht::Histoansicht(DrawingSurface& surface)
    : m_surface(surface)
{
    m_surface.setUserCoordinates(0, kapazitaet, zyklenImBild, 0);
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

void Histoansicht::verschieben(int schieberwert, double zoom)
{
    m_surface.move(twipsZuPixeln(linkerRandTwips(schieberwert), zoom), m_surface.y());
}

void Histoansicht::beschreiben(int zyklus, const QString& anzahl)
{
    m_surface.setAccessibleDescription(QStringLiteral("Letzter Zyklus %1 mit A(n) = %2").arg(zyklus).arg(anzahl));
}

void Histoansicht::spaltenMitGeisterbalken(const Spielfeld& spielfeld)
{
    m_surface.setPenWidth(balkenBreite);
    for (int i = 0; i <= zyklenImBild; ++i) {
        m_surface.line(i, 0, i, kapazitaet, weiss);
        m_surface.line(i, 0, i, spielfeld.anzahlVerlauf(i), geisterFarbe);
    }
}

void Histoansicht::histoGitterZeichnen(int xEnde)
{
    m_surface.setPenWidth(1);
    for (int y = 0; y <= kapazitaet; y += 100)
        m_surface.line(0, y, xEnde, y, y % 1000 == 0 ? tausenderFarbe : hunderterFarbe);
    senkrechteGitterlinien();
}

void Histoansicht::senkrechteGitterlinien()
{
    m_surface.setPenWidth(1);
    for (int x = 1; x <= zyklenImBild; ++x)
        m_surface.line(x, 0, x, kapazitaet, x % 10 == 0 ? zehnerFarbe : zyklusFarbe);
}

void Histoansicht::startbalkenZeichnen(double a0)
{
    m_surface.setPenWidth(balkenBreite);
    m_surface.line(startbalkenX, 0, startbalkenX, groessteStartzahl, weiss);
    m_surface.line(startbalkenX, 0, startbalkenX, a0, startbalkenFarbe);
}

void Histoansicht::balkenZeichnen(int n, int anzahl)
{
    m_surface.setPenWidth(balkenBreite);
    m_surface.line(n, 0, n, anzahl, balkenFarbe);
}

void Histoansicht::verhulstLinienZeichnen(const std::vector<double>& werte, Kurve art)
{
    const QColor farbe = art == Kurve::vergleich ? vergleichsFarbe : verblassenFarbe;
    for (std::size_t i = 0; i < werte.size(); ++i) {
        m_surface.setPenWidth(verhulstBreite);
        m_surface.line(i + verhulstVersatz, 0, i + verhulstVersatz, werte[i], farbe);
    }
}

void Histoansicht::loeschen()
{
    m_surface.clear();
}
