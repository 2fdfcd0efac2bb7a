// SPDX-License-Identifier: GPL-3.0-or-later
#include "feldansicht.h"

#include "zeichenflaeche.h"

namespace {

constexpr Farbe spielerFarbe = farbeAus(255, 0, 0);
constexpr Farbe gitterFarbe = farbeAus(100, 100, 100);
constexpr Farbe linienFarbe = farbeAus(0, 255, 255);
constexpr Farbe kreisFarbe = farbeAus(255, 255, 0);
constexpr Farbe spieltSchonFarbe = farbeAus(255, 255, 0);
constexpr Farbe ersteWerbungFarbe = farbeAus(0, 0, 255);
constexpr Farbe doppelwerbungFarbe = farbeAus(250, 250, 250);
constexpr double kreisRadius = 0.9;
constexpr double startSpielerGroesse = 0.9;

} // namespace

Feldansicht::Feldansicht(Zeichenflaeche& flaeche)
    : m_flaeche(flaeche)
{
    m_flaeche.nutzerkoordinaten(0, 0, Spielfeld::groesse, Spielfeld::groesse);
}

std::string Feldansicht::beschreibung(const Spielfeld& spielfeld)
{
    return std::to_string(spielfeld.spielendeZellen()) + " von " + std::to_string(Spielfeld::zellenAnzahl)
        + " Individuen spielen mit";
}

void Feldansicht::gitter()
{
    // The outlines of all 2500 cells are exactly the 51 + 51 lines between
    // them: the same pixels, a fiftieth of the drawing.
    constexpr int n = Spielfeld::groesse;
    m_flaeche.stiftbreite(1);
    for (int i = 0; i <= n; ++i) {
        m_flaeche.linie(i, 0, i, n, gitterFarbe);
        m_flaeche.linie(0, i, n, i, gitterFarbe);
    }
}

void Feldansicht::feldgitterZeichnen()
{
    m_flaeche.loeschen();
    gitter();
}

void Feldansicht::startSpielerZeichnen(const std::vector<Zelle>& zellen)
{
    for (const Zelle& zelle : zellen)
        m_flaeche.gefuellt(zelle.x, zelle.y, zelle.x + startSpielerGroesse, zelle.y + startSpielerGroesse,
                            spielerFarbe);
}

void Feldansicht::zielVersuchZeichnen(const Werbeversuch& versuch)
{
    const double zielX = versuch.ziel.x, zielY = versuch.ziel.y;
    m_flaeche.stiftbreite(1);
    m_flaeche.linie(versuch.werber.x + 0.5, versuch.werber.y + 0.5, zielX + 0.5, zielY + 0.5, linienFarbe);
    m_flaeche.kreis(zielX + 0.5, zielY + 0.5, kreisRadius, kreisFarbe);
    // A single-precision size, as the attempt was made with it.
    const double s = versuch.quadratgroesse;
    switch (versuch.zustand) {
    case Zielzustand::spieltSchon:
        m_flaeche.gefuellt(zielX, zielY, zielX + 1, zielY + 1, spieltSchonFarbe);
        break;
    case Zielzustand::ersteWerbung:
        m_flaeche.gefuellt(zielX, zielY, zielX + s, zielY + s, ersteWerbungFarbe);
        break;
    case Zielzustand::doppelwerbung:
        m_flaeche.gefuellt(zielX, zielY, zielX + s, zielY + s, doppelwerbungFarbe);
        break;
    }
}

void Feldansicht::ergebnisZeichnen(const Spielfeld& spielfeld)
{
    // Each cell's outline follows its red square, and a later square's
    // edge is outlined again by its own cell, so in the end every grid
    // line shows over the red: the same picture as the grid drawn last.
    for (int i = 0; i < Spielfeld::groesse; ++i)
        for (int j = 0; j < Spielfeld::groesse; ++j)
            if (spielfeld.feldBesetzt(i, j) == 1)
                m_flaeche.gefuellt(i, j, i + 1, j + 1, spielerFarbe);
    gitter();
}
