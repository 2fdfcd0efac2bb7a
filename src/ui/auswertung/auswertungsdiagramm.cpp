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
// Violet, translucent: in front of the red bars, which show through it, and
// still plain on a projector.
const QColor bandFarbe(140, 60, 200, 90);
const QColor bandRandFarbe(110, 40, 170);

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
    if (fortschreibbar(auswertung))
        fortschreiben(auswertung);
    else
        aufbauen(auswertung);
    setAccessibleDescription(beschreibung(auswertung));
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
void Auswertungsdiagramm::fortschreiben(const LaufAuswertung& auswertung)
{
    QList<qreal> neueBalken;
    for (std::size_t n = m_anzahlen.size(); n < auswertung.anzahlen.size(); ++n)
        neueBalken << auswertung.anzahlen[n];
    if (!neueBalken.isEmpty())
        m_balken->append(neueBalken);
    m_anzahlen = auswertung.anzahlen;
    xBereichSetzen(static_cast<int>(m_anzahlen.size()) - 1);
    kurveFortschreiben(*m_aktuell, m_werteAktuell, auswertung.verhulstAktuell);
    m_aktuell->setName(aktuellName(auswertung));
    if (m_beste) {
        kurveFortschreiben(*m_beste, m_werteBeste, auswertung.verhulstBeste);
        m_beste->setName(besteName(auswertung));
    }
}

void Auswertungsdiagramm::kurveFortschreiben(QLineSeries& kurve, std::vector<double>& gezeigt,
                                             const std::vector<double>& werte)
{
    const bool gewachsen = werte.size() >= gezeigt.size() && std::equal(gezeigt.begin(), gezeigt.end(), werte.begin());
    QList<QPointF> punkte;
    for (std::size_t n = gewachsen ? gezeigt.size() : 0; n < werte.size(); ++n)
        punkte << QPointF(double(n), gekappt(werte[n]));
    if (!gewachsen)
        kurve.replace(punkte);
    else if (!punkte.isEmpty())
        kurve.append(punkte);
    gezeigt = werte;
}

QString Auswertungsdiagramm::aktuellName(const LaufAuswertung& auswertung)
{
    return QStringLiteral("Verhulst, t = %1").arg(deutscheZahlKurz(auswertung.t, 6));
}

QString Auswertungsdiagramm::besteName(const LaufAuswertung& auswertung)
{
    return QStringLiteral("Verhulst, t = %1 (am besten)").arg(deutscheZahlKurz(auswertung.beste.t, 3));
}

void Auswertungsdiagramm::aufbauen(const LaufAuswertung& auswertung)
{
    QChart* diagramm = chart();
    // The chart deletes its series; axes it only hands back.
    diagramm->removeAllSeries();
    for (QAbstractAxis* achse : diagramm->axes()) {
        diagramm->removeAxis(achse);
        delete achse;
    }
    m_anzahlen = auswertung.anzahlen;
    m_werteAktuell = auswertung.verhulstAktuell;
    m_werteBeste = auswertung.verhulstBeste;
    m_ensembleMittel = auswertung.ensemble ? auswertung.ensemble->mittel : std::vector<double>{};
    achsenSetzen(static_cast<int>(m_anzahlen.size()) - 1);
    m_balken = balkenZeigen(auswertung.anzahlen);
    // Drawn after the bars, so in front of them.
    if (auswertung.ensemble)
        bandZeigen(*auswertung.ensemble);
    m_aktuell = kurveZeigen(auswertung.verhulstAktuell, aktuellName(auswertung), aktuellFarbe);
    m_beste = auswertung.beste.gefunden ? kurveZeigen(auswertung.verhulstBeste, besteName(auswertung), besteFarbe)
                                        : nullptr;
    setZoom(m_zoom);
}

QString Auswertungsdiagramm::beschreibung(const LaufAuswertung& auswertung)
{
    const int letzter = static_cast<int>(auswertung.anzahlen.size()) - 1;
    QString text = QStringLiteral("Zyklus 0 bis %1. Rote Balken: das Spiel, von A(0) = %2 bis A(%1) = %3 Mitspieler. "
                                  "Blaue Linie: Verhulst mit t = %4.")
                       .arg(letzter)
                       .arg(deutscheZahl(auswertung.anzahlen.front(), 0))
                       .arg(deutscheZahl(auswertung.anzahlen.back(), 0))
                       .arg(deutscheZahlKurz(auswertung.t, 6));
    if (auswertung.beste.gefunden)
        text += QStringLiteral(" Grüne Linie: Verhulst mit dem besten t = %1.").arg(deutscheZahl(auswertung.beste.t, 3));
    if (auswertung.ensemble)
        text += QStringLiteral(" Orange Linie und violettes Band: Mittelwert von %1 Spielen und der Bereich, in dem "
                               "8 von 10 von ihnen lagen.")
                    .arg(auswertung.ensemble->auftrag.spiele);
    return text;
}

void Auswertungsdiagramm::xBereichSetzen(int letzterZyklus)
{
    m_x->setRange(-0.5, std::max(1, letzterZyklus) + 0.5);
    m_x->setTickInterval(zyklenSchritt(letzterZyklus));
}

void Auswertungsdiagramm::achsenSetzen(int letzterZyklus)
{
    auto* x = new QValueAxis;
    m_x = x;
    x->setTitleText(QStringLiteral("Zyklus n"));
    x->setLabelFormat(QStringLiteral("%d"));
    // Ticks on whole cycles, a readable step apart.
    x->setTickType(QValueAxis::TicksDynamic);
    x->setTickAnchor(0);
    xBereichSetzen(letzterZyklus);
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

QBarSet* Auswertungsdiagramm::balkenZeigen(const std::vector<double>& anzahlen)
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
    return balken;
}

QLineSeries* Auswertungsdiagramm::kurveZeigen(const std::vector<double>& werte, const QString& name, QColor farbe)
{
    auto* kurve = new QLineSeries;
    kurve->setName(name);
    kurve->setPen(QPen(farbe, 2.5));
    for (std::size_t n = 0; n < werte.size(); ++n)
        kurve->append(double(n), gekappt(werte[n]));
    anAchsen(kurve);
    return kurve;
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
    band->setName(QStringLiteral("Band: 8 von 10 der %1 Spiele lagen darin").arg(ensemble.auftrag.spiele));
    band->setColor(bandFarbe);
    band->setPen(QPen(bandRandFarbe, 2));
    anAchsen(band);
    kurveZeigen(ensemble.mittel, QStringLiteral("Mittelwert der %1 Spiele").arg(ensemble.auftrag.spiele), mittelFarbe);
}
