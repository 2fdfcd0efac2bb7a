// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dateiablage.h"
#include "laufauswertung.h"

#include <QWidget>

#include <functional>

// The evaluation's row for taking the lesson home: the worksheet printed or
// as PDF, the plot as SVG or PNG, the table as CSV. Files are written only
// here, each after the user chose it in a file dialog.
class Ablageleiste : public QWidget
{
    Q_OBJECT

public:
    // `stand` gives the evaluation as the window shows it at that moment.
    Ablageleiste(std::function<const LaufAuswertung&()> stand, QWidget* parent);

private:
    void arbeitsblattDrucken();
    void arbeitsblattPdfSpeichern();
    void diagrammSpeichern();
    void tabelleSpeichern();
    // Asks for a file and writes what `inhalt` makes for the path chosen.
    void speichern(const QString& titel, const QString& vorschlag, const QList<Dateiablage::Dateityp>& typen,
                   const std::function<QByteArray(const QString& pfad)>& inhalt);

    std::function<const LaufAuswertung&()> m_stand;
    Dateiablage m_ablage;
};
