#include "histoansicht.h"

#include "drawingsurface.h"
#include "spielfeld.h"

namespace {

constexpr double kapazitaet = 2500.0;
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

} // namespace

void Histoansicht::spaltenMitGeisterbalken(const Spielfeld& spielfeld)
{
    m_surface.setPenWidth(balkenBreite);
    for (int i = 0; i <= letzteGitterlinie; ++i) {
        m_surface.line(i, 0, i, kapazitaet, weiss);
        m_surface.line(i, 0, i, spielfeld.anzahlVerlauf(i), geisterFarbe);
    }
}

void Histoansicht::histoGitterZeichnen(int xEnde)
{
    m_surface.setPenWidth(1);
    for (int y = 0; y <= 2500; y += 100)
        m_surface.line(0, y, xEnde, y, y % 1000 == 0 ? tausenderFarbe : hunderterFarbe);
    senkrechteGitterlinien();
}

void Histoansicht::senkrechteGitterlinien()
{
    m_surface.setPenWidth(1);
    for (int x = 1; x <= letzteGitterlinie; ++x)
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

void Histoansicht::verhulstLinienZeichnen(const std::vector<double>& werte, QColor farbe)
{
    for (std::size_t i = 0; i < werte.size(); ++i) {
        m_surface.setPenWidth(verhulstBreite);
        m_surface.line(i + verhulstVersatz, 0, i + verhulstVersatz, werte[i], farbe);
    }
}

void Histoansicht::loeschen()
{
    m_surface.clear();
}
