// SPDX-License-Identifier: GPL-3.0-or-later
#include "auswertungstabelle.h"

#include "deutschezahl.h"

#include <QColor>
#include <QStringList>

#include <algorithm>

namespace {

// A value of a curve for cycle n, or nothing where the curve ends.
QString wertOderLeer(const std::vector<double>& werte, int n, int nachkommastellen)
{
    if (n < 0 || n >= static_cast<int>(werte.size()))
        return {};
    return deutscheZahl(werte[static_cast<std::size_t>(n)], nachkommastellen);
}

} // namespace

void Auswertungstabelle::setzen(LaufAuswertung auswertung)
{
    const int alteZeilen = rowCount();
    const int neueZeilen = static_cast<int>(auswertung.anzahlen.size());
    const bool gewachsen = alteZeilen > 0 && neueZeilen >= alteZeilen
                           && m_auswertung.ensemble.has_value() == auswertung.ensemble.has_value();
    if (!gewachsen) {
        beginResetModel();
        m_auswertung = std::move(auswertung);
        endResetModel();
        return;
    }
    if (neueZeilen > alteZeilen)
        beginInsertRows({}, alteZeilen, neueZeilen - 1);
    m_auswertung = std::move(auswertung);
    if (neueZeilen > alteZeilen)
        endInsertRows();
    // t, the best t and many games may have changed every row shown before.
    emit dataChanged(index(0, 0), index(alteZeilen - 1, columnCount() - 1));
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

int Auswertungstabelle::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_auswertung.anzahlen.size());
}

int Auswertungstabelle::columnCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return m_auswertung.ensemble ? quantil90Spalte + 1 : besteSpalte + 1;
}

QString Auswertungstabelle::kopf(int spalte) const
{
    switch (spalte) {
    case zyklusSpalte:
        return QStringLiteral("n");
    case anzahlSpalte:
        return QStringLiteral("A(n)");
    case zuwachsSpalte:
        return QStringLiteral("ΔA");
    case aktuellSpalte:
        return QStringLiteral("Verhulst, t = %1").arg(deutscheZahlKurz(m_auswertung.t, 6));
    case besteSpalte:
        return m_auswertung.beste.gefunden
                   ? QStringLiteral("Verhulst, t = %1").arg(deutscheZahlKurz(m_auswertung.beste.t, 3))
                   : QStringLiteral("Verhulst, bestes t");
    case mittelSpalte:
        // Many games stop at their last cycle; the rows below stay empty.
        return QStringLiteral("Mittel von %1 Spielen (bis Zyklus %2)")
            .arg(m_auswertung.ensemble->auftrag.spiele)
            .arg(m_auswertung.ensemble->auftrag.zyklen);
    case quantil10Spalte:
        return QStringLiteral("10-%-Quantil");
    default:
        return QStringLiteral("90-%-Quantil");
    }
}

QString Auswertungstabelle::zelle(int zeile, int spalte) const
{
    const auto& anzahlen = m_auswertung.anzahlen;
    switch (spalte) {
    case zyklusSpalte:
        return QString::number(zeile);
    case anzahlSpalte:
        return deutscheZahl(anzahlen[static_cast<std::size_t>(zeile)], 0);
    case zuwachsSpalte:
        return zeile == 0 ? QString() : deutscheZahl(anzahlen[std::size_t(zeile)] - anzahlen[std::size_t(zeile - 1)], 0);
    case aktuellSpalte:
        return wertOderLeer(m_auswertung.verhulstAktuell, zeile, 1);
    case besteSpalte:
        return wertOderLeer(m_auswertung.verhulstBeste, zeile, 1);
    case mittelSpalte:
        return wertOderLeer(m_auswertung.ensemble->mittel, zeile, 1);
    case quantil10Spalte:
        return wertOderLeer(m_auswertung.ensemble->quantil10, zeile, 1);
    default:
        return wertOderLeer(m_auswertung.ensemble->quantil90, zeile, 1);
    }
}

bool Auswertungstabelle::ohneZielsuche(int zeile) const
{
    return std::binary_search(m_auswertung.ohneZielsuche.begin(), m_auswertung.ohneZielsuche.end(), zeile);
}

QVariant Auswertungstabelle::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return zelle(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        return ohneZielsuche(index.row()) ? QVariant(QColor(255, 225, 120)) : QVariant();
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        return ohneZielsuche(index.row()) ? QVariant(ohneZielsucheHinweis()) : QVariant();
    default:
        return {};
    }
}

QString Auswertungstabelle::ohneZielsucheHinweis()
{
    return QStringLiteral("„Ergebnis“ ohne „Zielsuche“: In diesem Zyklus konnte niemand dazukommen.");
}

QVariant Auswertungstabelle::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return kopf(section);
    return {};
}

QList<QStringList> Auswertungstabelle::zeilen() const
{
    QList<QStringList> alle;
    QStringList koepfe;
    for (int spalte = 0; spalte < columnCount(); ++spalte)
        koepfe << kopf(spalte);
    alle << koepfe;
    for (int zeile = 0; zeile < rowCount(); ++zeile) {
        QStringList zellen;
        for (int spalte = 0; spalte < columnCount(); ++spalte)
            zellen << zelle(zeile, spalte);
        alle << zellen;
    }
    return alle;
}

QString Auswertungstabelle::alsText() const
{
    QStringList zeilenTexte;
    for (const QStringList& zellen : zeilen())
        zeilenTexte << zellen.join(QLatin1Char('\t'));
    return zeilenTexte.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
