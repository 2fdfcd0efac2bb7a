// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "auswertungszeilen.h"

#include <QAbstractTableModel>
#include <QByteArray>

// The run cycle by cycle as a table view shows it: the rows, header and
// marks of Auswertungszeilen, right-aligned, a cycle committed without a
// pass with a yellow background and a tooltip.
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
    // The table as the German CSV file it is saved as.
    QByteArray alsCsv() const;

    // What the mark of a cycle without a pass means.
    static QString ohneZielsucheHinweis();

private:
    Auswertungszeilen m_zeilen;
};
