// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "laufauswertung.h"

#include <QAbstractTableModel>

// The run cycle by cycle, one row per cycle n = 0 .. the last stored one:
// n, A(n), the change ΔA, the Verhulst values for the current and for the
// best-fitting t, and after many games their mean and 10 % and 90 %
// quantiles (up to the cycles they were played over). Numbers as a German
// reader writes them. A cycle committed without a pass is marked.
class Auswertungstabelle : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // A run that only grew gets its new rows; the view keeps the old ones.
    void setzen(LaufAuswertung auswertung);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The header and then every row, each cell as the table shows it: what
    // the clipboard, the CSV file and the worksheet take.
    QList<QStringList> zeilen() const;
    // The whole table as tab-separated lines with a header line, for the
    // clipboard and a German spreadsheet.
    QString alsText() const;

    // What the mark of a cycle without a pass means.
    static QString ohneZielsucheHinweis();

private:
    enum Spalte { zyklusSpalte, anzahlSpalte, zuwachsSpalte, aktuellSpalte, besteSpalte, mittelSpalte,
                  quantil10Spalte, quantil90Spalte };

    QString kopf(int spalte) const;
    QString zelle(int zeile, int spalte) const;
    bool ohneZielsuche(int zeile) const;

    LaufAuswertung m_auswertung;
};
