// SPDX-License-Identifier: GPL-3.0-or-later
#include "auswertungsdiagramm.h"

#include "deutschezahl.h"
#include "schriften.h"
#include "spielfeld.h"

#include <QAreaSeries>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLegend>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

const QColor balkenFarbe(200, 20, 20);
const QColor aktuellFarbe(15, 15, 200);
const QColor besteFarbe(0, 150, 60);
const QColor mittelFarbe(230, 120, 0);
const QColor bandFarbe(250, 200, 120, 110);

// A curve's values up to the top of the chart: a value far beyond 2500
// players would only squash the picture.
double gekappt(double wert)
{
    return std::clamp(wert, -double(Spielfeld::zellenAnzahl), 2.0 * Spielfeld::zellenAnzahl);
}

// A step between the labelled cycles that gives at most about 12 labels.
int zyklenSchritt(int letzterZyklus)
{
    for (int schritt : {1, 2, 5, 10, 20, 50, 100, 200, 500})
        if (letzterZyklus / schritt <= 12)
            return schritt;
    return 1000;
}

} // namespace

Auswertungsdiagramm::Auswertungsdiagramm(QWidget* parent)
    : QChartView(parent)
{
    setRenderHint(QPainter::Antialiasing);
    chart()->legend()->setAlignment(Qt::AlignBottom);
    setAccessibleName(QStringLiteral("Diagramm des Spiels und der Verhulst-Kurven"));
}

void Auswertungsdiagramm::setZoom(double zoom)
{
    m_zoom = zoom;
    chart()->legend()->setFont(standardSchrift(zoom));
    for (QAbstractAxis* achse : chart()->axes()) {
        achse->setLabelsFont(standardSchrift(zoom));
        achse->setTitleFont(standardSchrift(zoom));
    }
}

void Auswertungsdiagramm::zeigen(const LaufAuswertung& auswertung)
{
    QChart* diagramm = chart();
    // The chart deletes its series; axes it only hands back.
    diagramm->removeAllSeries();
    for (QAbstractAxis* achse : diagramm->axes()) {
        diagramm->removeAxis(achse);
        delete achse;
    }
    const int letzter = static_cast<int>(auswertung.anzahlen.size()) - 1;
    achsenSetzen(letzter);
    if (auswertung.ensemble)
        bandZeigen(*auswertung.ensemble);
    balkenZeigen(auswertung.anzahlen);
    kurveZeigen(auswertung.verhulstAktuell,
                QStringLiteral("Verhulst, t = %1").arg(deutscheZahlKurz(auswertung.t, 6)), aktuellFarbe);
    if (auswertung.beste.gefunden)
        kurveZeigen(auswertung.verhulstBeste,
                    QStringLiteral("Verhulst, t = %1 (am besten)").arg(deutscheZahlKurz(auswertung.beste.t, 3)),
                    besteFarbe);
    setZoom(m_zoom);
}

void Auswertungsdiagramm::achsenSetzen(int letzterZyklus)
{
    auto* x = new QValueAxis;
    x->setTitleText(QStringLiteral("Zyklus n"));
    x->setRange(-0.5, std::max(1, letzterZyklus) + 0.5);
    x->setLabelFormat(QStringLiteral("%d"));
    // Ticks on whole cycles, a readable step apart.
    x->setTickType(QValueAxis::TicksDynamic);
    x->setTickAnchor(0);
    x->setTickInterval(zyklenSchritt(letzterZyklus));
    auto* y = new QValueAxis;
    y->setTitleText(QStringLiteral("Mitspieler A(n)"));
    y->setRange(0, Spielfeld::zellenAnzahl);
    y->setLabelFormat(QStringLiteral("%d"));
    y->setTickCount(6);
    chart()->addAxis(x, Qt::AlignBottom);
    chart()->addAxis(y, Qt::AlignLeft);
}

void Auswertungsdiagramm::anAchsen(QAbstractSeries* reihe)
{
    chart()->addSeries(reihe);
    for (QAbstractAxis* achse : chart()->axes())
        reihe->attachAxis(achse);
}

void Auswertungsdiagramm::balkenZeigen(const std::vector<double>& anzahlen)
{
    auto* balken = new QBarSet(QStringLiteral("Spiel A(n)"));
    balken->setColor(balkenFarbe);
    balken->setBorderColor(balkenFarbe);
    for (double anzahl : anzahlen)
        balken->append(anzahl);
    auto* reihe = new QBarSeries;
    reihe->append(balken);
    reihe->setBarWidth(0.6);
    anAchsen(reihe);
}

void Auswertungsdiagramm::kurveZeigen(const std::vector<double>& werte, const QString& name, QColor farbe)
{
    auto* kurve = new QLineSeries;
    kurve->setName(name);
    kurve->setPen(QPen(farbe, 2.5));
    for (std::size_t n = 0; n < werte.size(); ++n)
        kurve->append(double(n), gekappt(werte[n]));
    anAchsen(kurve);
}

void Auswertungsdiagramm::bandZeigen(const EnsembleKurven& ensemble)
{
    auto* oben = new QLineSeries;
    auto* unten = new QLineSeries;
    for (std::size_t n = 0; n < ensemble.mittel.size(); ++n) {
        oben->append(double(n), ensemble.quantil90[n]);
        unten->append(double(n), ensemble.quantil10[n]);
    }
    auto* band = new QAreaSeries(oben, unten);
    // The band does not own its edges: they go with it.
    oben->setParent(band);
    unten->setParent(band);
    band->setName(QStringLiteral("%1 Spiele: 10 % bis 90 %").arg(ensemble.auftrag.spiele));
    band->setColor(bandFarbe);
    band->setBorderColor(bandFarbe.darker(130));
    anAchsen(band);
    kurveZeigen(ensemble.mittel, QStringLiteral("Mittel der %1 Spiele").arg(ensemble.auftrag.spiele), mittelFarbe);
}
