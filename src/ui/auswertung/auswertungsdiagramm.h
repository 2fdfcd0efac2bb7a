// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "laufauswertung.h"

#include <QChartView>

// The whole run from cycle 0 to now, made with Qt Charts: the game's counts
// as bars, the Verhulst curves of the current and of the best-fitting t as
// lines, and after many games their mean with the band from the 10 % to the
// 90 % quantile. The legend names each curve with its t.
class Auswertungsdiagramm : public QChartView
{
    Q_OBJECT

public:
    explicit Auswertungsdiagramm(QWidget* parent = nullptr);

    void zeigen(const LaufAuswertung& auswertung);
    // Text grows with the main window's projector zoom.
    void setZoom(double zoom);

private:
    void achsenSetzen(int letzterZyklus);
    void balkenZeigen(const std::vector<double>& anzahlen);
    void kurveZeigen(const std::vector<double>& werte, const QString& name, QColor farbe);
    void bandZeigen(const EnsembleKurven& ensemble);
    void anAchsen(QAbstractSeries* reihe);

    double m_zoom = 1.0;
};
