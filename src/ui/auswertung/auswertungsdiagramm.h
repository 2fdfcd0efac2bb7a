// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagrammdaten.h"
#include "laufauswertung.h"

#include <QChartView>

#include <vector>

class QBarSet;
class QLineSeries;
class QValueAxis;

// The whole run from cycle 0 to now, made with Qt Charts from the series of
// Diagrammdaten: the game's counts as bars, the Verhulst curves of the
// current and of the best-fitting t as lines, and after many games their
// mean with the band from the 10 % to the 90 % quantile, in front of the
// bars. The legend names each curve with its t; screen readers get what the
// plot shows as its description.
class Auswertungsdiagramm : public QChartView
{
    Q_OBJECT

public:
    explicit Auswertungsdiagramm(QWidget* parent = nullptr);

    // Shows the run; a run that only grew since the last call is extended,
    // at a cost that does not grow with its length.
    // `mindestensBis`: the x axis runs at least to this cycle.
    void zeigen(const LaufAuswertung& auswertung, int mindestensBis = 0);
    // Text grows with the main window's projector zoom.
    void setZoom(double zoom);

private:
    bool fortschreibbar(const LaufAuswertung& auswertung) const;
    void fortschreiben(const Diagrammdaten& daten);
    static void kurveFortschreiben(QLineSeries& kurve, std::vector<Punkt>& gezeigt, const Linienreihe& reihe);
    void aufbauen(const LaufAuswertung& auswertung, const Diagrammdaten& daten);
    void achsenSetzen(const Diagrammdaten& daten);
    void xBereichSetzen(const Diagrammdaten& daten);
    QBarSet* balkenZeigen(const Balkenreihe& reihe);
    QLineSeries* kurveZeigen(const Linienreihe& reihe);
    void bandZeigen(const Bandreihe& reihe);
    void anAchsen(QAbstractSeries* reihe);

    double m_zoom = 1.0;
    // What is shown, to tell a run that only grew (owned by the chart).
    QValueAxis* m_x = nullptr;
    QBarSet* m_balken = nullptr;
    QLineSeries* m_aktuell = nullptr;
    QLineSeries* m_beste = nullptr;
    std::vector<double> m_anzahlen;
    std::vector<Punkt> m_punkteAktuell;
    std::vector<Punkt> m_punkteBeste;
    std::vector<double> m_ensembleMittel;
};
