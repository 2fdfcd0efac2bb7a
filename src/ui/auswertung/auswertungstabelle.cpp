// SPDX-License-Identifier: GPL-3.0-or-later
#include "auswertungstabelle.h"

#include "csvtext.h"

#include <QColor>
#include <QStringList>

void Auswertungstabelle::setzen(LaufAuswertung auswertung)
{
    Auswertungszeilen neu(std::move(auswertung));
    const int alteZeilen = rowCount();
    const int neueZeilen = neu.zeilenAnzahl();
    // The columns change with many games and with the best t (found, or taken over as t).
    const bool gewachsen = alteZeilen > 0 && neueZeilen >= alteZeilen && neu.spaltenAnzahl() == columnCount();
    if (!gewachsen) {
        beginResetModel();
        m_zeilen = std::move(neu);
        endResetModel();
        return;
    }
    if (neueZeilen > alteZeilen)
        beginInsertRows({}, alteZeilen, neueZeilen - 1);
    m_zeilen = std::move(neu);
    if (neueZeilen > alteZeilen)
        endInsertRows();
    // t, the best t and many games may have changed every row shown before.
    emit dataChanged(index(0, 0), index(alteZeilen - 1, columnCount() - 1));
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

int Auswertungstabelle::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_zeilen.zeilenAnzahl();
}

int Auswertungstabelle::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_zeilen.spaltenAnzahl();
}

QVariant Auswertungstabelle::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const bool ohneZielsuche = m_zeilen.ohneZielsuche(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdString(m_zeilen.zelle(index.row(), index.column()));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::BackgroundRole: {
        const Auswertungsfarbe farbe = Auswertungszeilen::markierungsfarbe();
        return ohneZielsuche ? QVariant(QColor(farbe.rot, farbe.gruen, farbe.blau)) : QVariant();
    }
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        return ohneZielsuche ? QVariant(ohneZielsucheHinweis()) : QVariant();
    default:
        return {};
    }
}

QString Auswertungstabelle::ohneZielsucheHinweis()
{
    return QString::fromStdString(Auswertungszeilen::ohneZielsucheHinweis());
}

QVariant Auswertungstabelle::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    return QString::fromStdString(m_zeilen.kopf(section));
}

QList<QStringList> Auswertungstabelle::zeilen() const
{
    QList<QStringList> alle;
    for (const std::vector<std::string>& zellen : m_zeilen.alle()) {
        QStringList zeile;
        for (const std::string& zelle : zellen)
            zeile << QString::fromStdString(zelle);
        alle << zeile;
    }
    return alle;
}

QString Auswertungstabelle::alsText() const
{
    return QString::fromStdString(m_zeilen.alsText());
}

QByteArray Auswertungstabelle::alsCsv() const
{
    return QByteArray::fromStdString(csvText(m_zeilen.alle()));
}
