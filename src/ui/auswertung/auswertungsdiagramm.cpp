// SPDX-License-Identifier: GPL-3.0-or-later
#include "auswertungsdiagramm.h"

#include "schriften.h"

#include <QAreaSeries>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>

namespace {

QColor alsQColor(Auswertungsfarbe farbe)
{
    return QColor(farbe.rot, farbe.gruen, farbe.blau, farbe.deckung);
}

QList<QPointF> alsQPunkte(std::vector<Punkt>::const_iterator von, std::vector<Punkt>::const_iterator bis)
{
    QList<QPointF> punkte;
    for (auto punkt = von; punkt != bis; ++punkt)
        punkte << QPointF(punkt->x, punkt->y);
    return punkte;
}

} // namespace

Auswertungsdiagramm::Auswertungsdiagramm(QWidget* parent)
    : QChartView(parent)
{
    setRenderHint(QPainter::Antialiasing);
    chart()->legend()->setAlignment(Qt::AlignBottom);
    setAccessibleName(QString::fromStdString(diagrammName()));
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

void Auswertungsdiagramm::zeigen(const LaufAuswertung& auswertung, int mindestensBis)
{
    const Diagrammdaten daten = diagrammdaten(auswertung, mindestensBis);
    if (fortschreibbar(auswertung))
        fortschreiben(daten);
    else
        aufbauen(auswertung, daten);
    setAccessibleDescription(QString::fromStdString(daten.beschreibung));
}

bool Auswertungsdiagramm::fortschreibbar(const LaufAuswertung& auswertung) const
{
    const auto& anzahlen = auswertung.anzahlen;
    const bool gleichesEnsemble = auswertung.ensemble ? auswertung.ensemble->mittel == m_ensembleMittel
                                                      : m_ensembleMittel.empty();
    return m_balken && gleichesEnsemble && auswertung.beste.gefunden == (m_beste != nullptr)
           && anzahlen.size() >= m_anzahlen.size() && std::equal(m_anzahlen.begin(), m_anzahlen.end(), anzahlen.begin());
}

// A run that only grew: the new bars are added, the curves extended where
// they only grew, and drawn anew where t or the best t changed them.
void Auswertungsdiagramm::fortschreiben(const Diagrammdaten& daten)
{
    const std::vector<double>& anzahlen = daten.balken.werte;
    QList<qreal> neueBalken;
    for (std::size_t n = m_anzahlen.size(); n < anzahlen.size(); ++n)
        neueBalken << anzahlen[n];
    if (!neueBalken.isEmpty())
        m_balken->append(neueBalken);
    m_anzahlen = anzahlen;
    xBereichSetzen(daten);
    kurveFortschreiben(*m_aktuell, m_punkteAktuell, daten.aktuell);
    if (m_beste && daten.beste)
        kurveFortschreiben(*m_beste, m_punkteBeste, *daten.beste);
}

void Auswertungsdiagramm::kurveFortschreiben(QLineSeries& kurve, std::vector<Punkt>& gezeigt, const Linienreihe& reihe)
{
    const std::vector<Punkt>& punkte = reihe.punkte;
    const bool gewachsen = punkte.size() >= gezeigt.size() && std::equal(gezeigt.begin(), gezeigt.end(), punkte.begin());
    const QList<QPointF> neue = alsQPunkte(punkte.begin() + std::ptrdiff_t(gewachsen ? gezeigt.size() : 0), punkte.end());
    if (!gewachsen)
        kurve.replace(neue);
    else if (!neue.isEmpty())
        kurve.append(neue);
    gezeigt = punkte;
    kurve.setName(QString::fromStdString(reihe.name));
}

void Auswertungsdiagramm::aufbauen(const LaufAuswertung& auswertung, const Diagrammdaten& daten)
{
    QChart* diagramm = chart();
    // The chart deletes its series; axes it only hands back.
    diagramm->removeAllSeries();
    for (QAbstractAxis* achse : diagramm->axes()) {
        diagramm->removeAxis(achse);
        delete achse;
    }
    m_anzahlen = daten.balken.werte;
    m_punkteAktuell = daten.aktuell.punkte;
    m_punkteBeste = daten.beste ? daten.beste->punkte : std::vector<Punkt>{};
    m_ensembleMittel = auswertung.ensemble ? auswertung.ensemble->mittel : std::vector<double>{};
    achsenSetzen(daten);
    m_balken = balkenZeigen(daten.balken);
    // Drawn after the bars, so in front of them; the games one by one share one entry.
    for (const Linienreihe& spiel : daten.einzelspiele)
        if (QLineSeries* kurve = kurveZeigen(spiel); spiel.name.empty())
            for (QLegendMarker* eintrag : chart()->legend()->markers(kurve))
                eintrag->setVisible(false);
    if (daten.band)
        bandZeigen(*daten.band);
    if (daten.mittel)
        kurveZeigen(*daten.mittel);
    m_aktuell = kurveZeigen(daten.aktuell);
    m_beste = daten.beste ? kurveZeigen(*daten.beste) : nullptr;
    setZoom(m_zoom);
}

void Auswertungsdiagramm::xBereichSetzen(const Diagrammdaten& daten)
{
    m_x->setRange(daten.x.von, daten.x.bis);
    m_x->setTickInterval(daten.xSchritt);
}

void Auswertungsdiagramm::achsenSetzen(const Diagrammdaten& daten)
{
    auto* x = new QValueAxis;
    m_x = x;
    x->setTitleText(QString::fromStdString(daten.x.titel));
    x->setLabelFormat(QStringLiteral("%d"));
    // Ticks on whole cycles, a readable step apart.
    x->setTickType(QValueAxis::TicksDynamic);
    x->setTickAnchor(0);
    xBereichSetzen(daten);
    auto* y = new QValueAxis;
    y->setTitleText(QString::fromStdString(daten.y.titel));
    y->setRange(daten.y.von, daten.y.bis);
    y->setLabelFormat(QStringLiteral("%d"));
    y->setTickCount(daten.yMarken);
    chart()->addAxis(x, Qt::AlignBottom);
    chart()->addAxis(y, Qt::AlignLeft);
}

void Auswertungsdiagramm::anAchsen(QAbstractSeries* reihe)
{
    chart()->addSeries(reihe);
    for (QAbstractAxis* achse : chart()->axes())
        reihe->attachAxis(achse);
}

QBarSet* Auswertungsdiagramm::balkenZeigen(const Balkenreihe& reihe)
{
    auto* balken = new QBarSet(QString::fromStdString(reihe.name));
    balken->setColor(alsQColor(reihe.farbe));
    balken->setBorderColor(alsQColor(reihe.farbe));
    for (double anzahl : reihe.werte)
        balken->append(anzahl);
    auto* serie = new QBarSeries;
    serie->append(balken);
    serie->setBarWidth(reihe.balkenbreite);
    anAchsen(serie);
    return balken;
}

QLineSeries* Auswertungsdiagramm::kurveZeigen(const Linienreihe& reihe)
{
    auto* kurve = new QLineSeries;
    kurve->setName(QString::fromStdString(reihe.name));
    QPen stift(alsQColor(reihe.farbe), reihe.linienbreite);
    if (!reihe.strichmuster.empty()) {
        stift.setDashPattern(QList<qreal>(reihe.strichmuster.begin(), reihe.strichmuster.end()));
        stift.setCapStyle(Qt::FlatCap);
    }
    kurve->setPen(stift);
    kurve->append(alsQPunkte(reihe.punkte.begin(), reihe.punkte.end()));
    anAchsen(kurve);
    // The curve's entry is a piece of its line, dashes and all: the legend
    // still tells the curves apart on a black-and-white copy.
    for (QLegendMarker* eintrag : chart()->legend()->markers(kurve))
        eintrag->setShape(QLegend::MarkerShapeFromSeries);
    return kurve;
}

void Auswertungsdiagramm::bandZeigen(const Bandreihe& reihe)
{
    auto* oben = new QLineSeries;
    auto* unten = new QLineSeries;
    oben->append(alsQPunkte(reihe.oben.begin(), reihe.oben.end()));
    unten->append(alsQPunkte(reihe.unten.begin(), reihe.unten.end()));
    auto* band = new QAreaSeries(oben, unten);
    // The band does not own its edges: they go with it.
    oben->setParent(band);
    unten->setParent(band);
    band->setName(QString::fromStdString(reihe.name));
    band->setColor(alsQColor(reihe.farbe));
    band->setPen(QPen(alsQColor(reihe.rand), reihe.randbreite));
    anAchsen(band);
}
