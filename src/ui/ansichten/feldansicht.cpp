// SPDX-License-Identifier: GPL-3.0-or-later
#include "feldansicht.h"

#include "drawingsurface.h"

namespace {

const QColor spielerFarbe(255, 0, 0);
const QColor gitterFarbe(100, 100, 100);
const QColor linienFarbe(0, 255, 255);
const QColor kreisFarbe(255, 255, 0);
const QColor spieltSchonFarbe(255, 255, 0);
const QColor ersteWerbungFarbe(0, 0, 255);
const QColor doppelwerbungFarbe(250, 250, 250);
constexpr double kreisRadius = 0.9;
constexpr double startSpielerGroesse = 0.9;

} // namespace

Feldansicht::Feldansicht(DrawingSurface& surface)
    : m_surface(surface)
{
    m_surface.setUserCoordinates(0, 0, Spielfeld::groesse, Spielfeld::groesse);
}

void Feldansicht::beschreiben(const Spielfeld& spielfeld)
{
    m_surface.setAccessibleDescription(QStringLiteral("%1 von %2 Individuen spielen mit")
                                           .arg(spielfeld.spielendeZellen())
                                           .arg(Spielfeld::zellenAnzahl));
}

void Feldansicht::gitter()
{
    // The outlines of all 2500 cells are exactly the 51 + 51 lines between
    // them: the same pixels, a fiftieth of the drawing.
    constexpr int n = Spielfeld::groesse;
    m_surface.setPenWidth(1);
    for (int i = 0; i <= n; ++i) {
        m_surface.line(i, 0, i, n, gitterFarbe);
        m_surface.line(0, i, n, i, gitterFarbe);
    }
}

void Feldansicht::feldgitterZeichnen()
{
    m_surface.clear();
    gitter();
}

void Feldansicht::startSpielerZeichnen(const std::vector<Zelle>& zellen)
{
    for (const Zelle& zelle : zellen)
        m_surface.filledBox(zelle.x, zelle.y, zelle.x + startSpielerGroesse, zelle.y + startSpielerGroesse,
                            spielerFarbe);
}

void Feldansicht::zielVersuchZeichnen(const Werbeversuch& versuch)
{
    const double zielX = versuch.ziel.x, zielY = versuch.ziel.y;
    m_surface.setPenWidth(1);
    m_surface.line(versuch.werber.x + 0.5, versuch.werber.y + 0.5, zielX + 0.5, zielY + 0.5, linienFarbe);
    m_surface.circle(zielX + 0.5, zielY + 0.5, kreisRadius, kreisFarbe);
    // A single-precision size, as the attempt was made with it.
    const double s = versuch.quadratgroesse;
    switch (versuch.zustand) {
    case Zielzustand::spieltSchon:
        m_surface.filledBox(zielX, zielY, zielX + 1, zielY + 1, spieltSchonFarbe);
        break;
    case Zielzustand::ersteWerbung:
        m_surface.filledBox(zielX, zielY, zielX + s, zielY + s, ersteWerbungFarbe);
        break;
    case Zielzustand::doppelwerbung:
        m_surface.filledBox(zielX, zielY, zielX + s, zielY + s, doppelwerbungFarbe);
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
                m_surface.filledBox(i, j, i + 1, j + 1, spielerFarbe);
    gitter();
}
