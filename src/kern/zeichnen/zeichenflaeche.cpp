// SPDX-License-Identifier: GPL-3.0-or-later
#include "zeichenflaeche.h"

#include "rasterung.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// More than any picture: "show everything again".
constexpr Pixelrechteck allePixel{0, 0, INT_MAX / 4, INT_MAX / 4};

} // namespace

void Zeichenflaeche::anzeigeQuelle(std::function<Anzeige()> quelle)
{
    m_anzeigeQuelle = std::move(quelle);
    spaeterRastern();
}

void Zeichenflaeche::anzeigeSetzen(Anzeige anzeige)
{
    m_anzeige = anzeige;
}

void Zeichenflaeche::beiAenderung(std::function<void(const Pixelrechteck&)> melden)
{
    m_melden = std::move(melden);
}

void Zeichenflaeche::nutzerkoordinaten(double links, double oben, double rechts, double unten)
{
    m_links = links;
    m_oben = oben;
    m_rechts = rechts;
    m_unten = unten;
    spaeterRastern();
}

void Zeichenflaeche::hintergrundSetzen(Farbe farbe)
{
    m_hintergrund = farbe;
    spaeterRastern();
}

void Zeichenflaeche::loeschen()
{
    m_protokoll.leeren();
    m_grund = Pixelbild();
    spaeterRastern();
}

void Zeichenflaeche::zoomSetzen(double zoom)
{
    m_zoom = zoom;
    spaeterRastern();
}

void Zeichenflaeche::spaeterRastern()
{
    m_bild = Pixelbild();
    m_geaendert = allePixel;
    melden();
}

void Zeichenflaeche::melden()
{
    if (m_melden)
        m_melden(m_geaendert);
}

void Zeichenflaeche::stiftbreite(int pixel)
{
    m_stift = std::clamp(pixel, 1, 255);
}

void Zeichenflaeche::linie(double x1, double y1, double x2, double y2, Farbe farbe)
{
    aufnehmen({Zeichenop::Art::linie, 0, farbe, x1, y1, x2, y2});
}

void Zeichenflaeche::rahmen(double x1, double y1, double x2, double y2, Farbe farbe)
{
    aufnehmen({Zeichenop::Art::rahmen, 0, farbe, x1, y1, x2, y2});
}

void Zeichenflaeche::gefuellt(double x1, double y1, double x2, double y2, Farbe farbe)
{
    aufnehmen({Zeichenop::Art::gefuellt, 0, farbe, x1, y1, x2, y2});
}

void Zeichenflaeche::kreis(double mitteX, double mitteY, double radius, Farbe farbe)
{
    aufnehmen({Zeichenop::Art::kreis, 0, farbe, mitteX, mitteY, radius, 0.0});
}

void Zeichenflaeche::aufnehmen(Zeichenop op)
{
    if (!op.hatZahlen())
        return;
    op.stift = static_cast<std::uint8_t>(m_stift);
    // -0.0 and 0.0 draw alike; one spelling keeps repeats recognisable.
    op.x1 += 0.0;
    op.y1 += 0.0;
    op.x2 += 0.0;
    op.y2 += 0.0;
    bildSichern();
    // Bars beyond the chart's last cycle and the like are never seen:
    // keeping them would only let memory grow over a long lesson.
    if (bleibtAussen(m_abbildung, op))
        return;
    if (m_protokoll.aufwand() + static_cast<std::size_t>(op.aufwand()) > behaltenerAufwand) {
        m_grund = m_bild; // the picture as it is becomes the ground
        m_protokoll.leeren();
    }
    m_protokoll.anhaengen(op);
    const Pixelrechteck beruehrt = rastern(m_bild, m_abbildung, op);
    if (beruehrt.leer())
        return;
    m_geaendert = m_geaendert.vereint(beruehrt);
    melden();
}

int Zeichenflaeche::geraetePixel(int logisch, double verhaeltnis)
{
    return std::max(1, static_cast<int>(std::lround(logisch * verhaeltnis)));
}

Abbildung Zeichenflaeche::abbildungFuer(int breite, int hoehe, double verhaeltnis) const
{
    return Abbildung(m_links, m_oben, m_rechts, m_unten, breite, hoehe, m_zoom * verhaeltnis);
}

void Zeichenflaeche::bildSichern()
{
    const Anzeige a = anzeige();
    const int breite = geraetePixel(a.breite, a.verhaeltnis);
    const int hoehe = geraetePixel(a.hoehe, a.verhaeltnis);
    if (!m_bild.istLeer() && m_bild.breite() == breite && m_bild.hoehe() == hoehe
        && m_bildVerhaeltnis == a.verhaeltnis)
        return;
    // The picture's pixels are device pixels; the editions show them 1:1.
    m_bild = Pixelbild(breite, hoehe, m_hintergrund);
    m_bildVerhaeltnis = a.verhaeltnis;
    m_abbildung = abbildungFuer(breite, hoehe, a.verhaeltnis);
    allesRastern();
}

void Zeichenflaeche::allesRastern()
{
    m_bild.skaliertUebernehmen(m_grund);
    m_protokoll.fuerJede([this](const Zeichenop& op) { rastern(m_bild, m_abbildung, op); });
    m_geaendert = m_bild.rechteck();
}

const Pixelbild& Zeichenflaeche::bild()
{
    bildSichern();
    return m_bild;
}

Punkt Zeichenflaeche::zuNutzer(Punkt logisch) const
{
    const Anzeige a = anzeige();
    const double v = a.verhaeltnis;
    return abbildungFuer(geraetePixel(a.breite, v), geraetePixel(a.hoehe, v), v)
        .zuNutzer({logisch.x * v, logisch.y * v});
}

Punkt Zeichenflaeche::geraetZuNutzer(Punkt geraet)
{
    bildSichern();
    return m_abbildung.zuNutzer(geraet);
}

Farbe Zeichenflaeche::farbeBei(double x, double y)
{
    bildSichern();
    const Punkt geraet = m_abbildung.zuGeraet({x, y});
    const int spalte = m_abbildung.spalte(geraet.x);
    const int zeile = m_abbildung.zeile(geraet.y);
    if (spalte < 0 || zeile < 0 || spalte >= m_bild.breite() || zeile >= m_bild.hoehe())
        return 0;
    return m_bild.pixel(spalte, zeile);
}
