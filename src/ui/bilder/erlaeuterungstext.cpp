// SPDX-License-Identifier: GPL-3.0-or-later
#include "erlaeuterungstext.h"

#include "schriften.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr QRgb schwarz = qRgb(0, 0, 0);
constexpr QRgb blau = qRgb(0, 0, 255);
constexpr QRgb rot = qRgb(255, 0, 0);
constexpr QRgb gruen = qRgb(0, 153, 0);

constexpr double titelPunkte = 12.0;
constexpr double textPunkte = 11.0;

// Fonts are sized in whole pixels. Text is drawn in sixths of a unit, in
// which 11 and 12 points (at 600 units to the inch) are whole: 550 and 600.
constexpr double teile = 6.0;

using L = ErlaeuterungsLauf;

const std::vector<ErlaeuterungsZeile> zeilenTabelle{
    {123, titelPunkte, {{.text = "Kettenbrief, Modellvergleich", .fett = true}}},
    {281, textPunkte, {{.text = "Stochastisches Modell", .fett = true, .farbe = blau}}},
    {436, textPunkte, {{.text = "Schaltfläche „Zielsuche“", .fett = true, .farbe = rot}}},
    {540, textPunkte,
     {L{.text = "Eine Wachstumsrate von z. B. p = 50% heißt hier, dass "},
      L{.text = "jeder", .unterstrichen = true}}},
    {645, textPunkte, {{.text = "Spielteilnehmer im Schnitt alle zwei Iterationen einen potentiellen"}}},
    {750, textPunkte, {{.text = "neuen Spielteilnehmer anwirbt."}}},
    {908, textPunkte,
     {L{.text = "Schaltfläche „Ergebnis“ ", .fett = true, .farbe = rot},
      L{.text = "nach der Zielsuche betätigen!", .fett = true, .kursiv = true, .farbe = rot}}},
    {1011, textPunkte, {{.text = "Trifft dieser Versuch einen schon Teilnehmenden,  dann führt das"}}},
    {1117, textPunkte,
     {L{.text = "also "}, L{.text = "nicht", .fett = true},
      L{.text = " zu einer Erhöhung der Teilnehmerzahl. Wenn zwei oder"}}},
    {1222, textPunkte, {{.text = "mehr Teilnehmer in einem Iterationsschritt den selben neuen"}}},
    {1327, textPunkte,
     {L{.text = "Teilnehmer anwerben, kommt damit natürlich auch nur "}, L{.text = "ein", .fett = true},
      L{.text = " neuer"}}},
    {1433, textPunkte, {{.text = "Teilnehmer hinzu."}}},
    {1588, textPunkte, {{.text = "Bei z. B. p = 100% würde in einer unbegrenzten Population also", .farbe = gruen}}},
    {1694, textPunkte, {{.text = "exponentielles Wachstum mit dem Faktor 2 entstehen.", .farbe = gruen}}},
    {1849, textPunkte, {{.text = "Man kann untersuchen, wie gut dieses komplexere Modell durch"}}},
    {1954, textPunkte,
     {L{.text = "das "}, L{.text = "Modell logistischen Wachstums nach Verhulst", .fett = true, .farbe = blau},
      L{.text = " approximiert"}}},
    {2060, textPunkte, {{.text = "wird."}}},
    {2217, textPunkte, {{.text = "Die Modelle sind mathematisch nicht gleichwertig!", .fett = true}}},
};

QFont schrift(const ErlaeuterungsZeile& zeile, const ErlaeuterungsLauf& lauf)
{
    QFont font = serifSchrift();
    font.setPixelSize(static_cast<int>(std::lround(zeile.punkte * erlaeuterung::einheitenProZoll / 72.0 * teile)));
    font.setBold(lauf.fett);
    font.setItalic(lauf.kursiv);
    font.setUnderline(lauf.unterstrichen);
    // Hinting would make the layout depend on the scale.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// Draws one line piece by piece; the painter works in sixths of a unit.
void zeileZeichnen(QPainter& painter, const ErlaeuterungsZeile& zeile)
{
    double x = erlaeuterung::linkerRand * teile;
    const double y = zeile.grundlinie * teile;
    for (const ErlaeuterungsLauf& lauf : zeile.laeufe) {
        const QFont font = schrift(zeile, lauf);
        const QString text = QString::fromUtf8(lauf.text);
        painter.setFont(font);
        painter.setPen(QColor(lauf.farbe));
        painter.drawText(QPointF(x, y), text);
        x += QFontMetricsF(font).horizontalAdvance(text);
    }
}

// The rectangle (in the painter's coordinates) whose edges lie on the device
// pixel borders nearest to those of `r`, at least one device pixel each way.
QRectF anPixelnAusgerichtet(const QPainter& painter, const QRectF& r)
{
    const QTransform zumGeraet = painter.deviceTransform();
    const QRectF geraet = zumGeraet.mapRect(r);
    const double links = std::round(geraet.left());
    const double oben = std::round(geraet.top());
    const double rechts = std::max(std::round(geraet.right()), links + 1);
    const double unten = std::max(std::round(geraet.bottom()), oben + 1);
    return zumGeraet.inverted().mapRect(QRectF(QPointF(links, oben), QPointF(rechts, unten)));
}

void flaecheFuellen(QPainter& painter, const QRectF& einheiten, QRgb farbe)
{
    painter.fillRect(anPixelnAusgerichtet(painter, einheiten), QColor(farbe));
}

} // namespace

namespace erlaeuterung {

std::span<const ErlaeuterungsZeile> zeilen()
{
    return zeilenTabelle;
}

double textUnterkante()
{
    double unten = 0;
    for (const ErlaeuterungsZeile& zeile : zeilenTabelle)
        for (const ErlaeuterungsLauf& lauf : zeile.laeufe)
            unten = std::max(unten, zeile.grundlinie + QFontMetricsF(schrift(zeile, lauf)).descent() / teile);
    return unten;
}

} // namespace erlaeuterung

void paintErlaeuterung(QPainter& painter, double pixelsPerUnit)
{
    painter.save();
    painter.scale(pixelsPerUnit, pixelsPerUnit);

    // Areas without antialiasing on whole device pixels: sharp edges and
    // exact colours at any scale.
    painter.setRenderHint(QPainter::Antialiasing, false);
    flaecheFuellen(painter, QRectF(QPointF(0, 0), erlaeuterung::bildGroesse), qRgb(255, 255, 255));
    constexpr QRgb rahmen = erlaeuterung::rahmenFarbe;
    const double h = erlaeuterung::rahmenBreite / 2;
    const QRectF aussen = erlaeuterung::rahmenLinie.adjusted(-h, -h, h, h);
    const QRectF innen = erlaeuterung::rahmenLinie.adjusted(h, h, -h, -h);
    flaecheFuellen(painter, QRectF(aussen.topLeft(), QPointF(aussen.right(), innen.top())), rahmen);
    flaecheFuellen(painter, QRectF(QPointF(aussen.left(), innen.bottom()), aussen.bottomRight()), rahmen);
    flaecheFuellen(painter, QRectF(aussen.topLeft(), QPointF(innen.left(), aussen.bottom())), rahmen);
    flaecheFuellen(painter, QRectF(QPointF(innen.right(), aussen.top()), aussen.bottomRight()), rahmen);
    flaecheFuellen(painter, erlaeuterung::grauFlaeche, erlaeuterung::hellgrau);

    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.scale(1 / teile, 1 / teile);
    for (const ErlaeuterungsZeile& zeile : zeilenTabelle)
        zeileZeichnen(painter, zeile);

    painter.restore();
}
