// SPDX-License-Identifier: GPL-3.0-or-later
#include "arbeitsblatt.h"

#include "arbeitsblattdaten.h"
#include "auswertungstabelle.h"
#include "diagrammbild.h"
#include "ergebnistext.h"
#include "schriften.h"

#include <QBuffer>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>

namespace {

namespace daten = arbeitsblattdaten;
using daten::abstandMm;
using daten::beobachtungsZeilen;
using daten::diagrammHoeheMm;
using daten::randMm;
using daten::zeilenabstandBeobachtungMm;

using daten::diagrammPixelProMm;
// The width of the cycle column against the others.
constexpr double zyklusSpaltenAnteil = 0.5;

QFont schrift(double punkte, bool fett = false)
{
    QFont neu = sansSchrift();
    neu.setPointSizeF(punkte);
    neu.setBold(fett);
    return neu;
}

QString kopfzeile(const LaufAuswertung& stand, QDate datum)
{
    const QString tag = QLocale(QLocale::German, QLocale::Germany).toString(datum, QStringLiteral("d. MMMM yyyy"));
    return QString::fromStdString(daten::kopfzeile(stand, tag.toStdString()));
}

// Draws on the page top-down; every length is in millimetres on paper.
class Seite
{
public:
    Seite(QPainter& maler, const QPagedPaintDevice& geraet)
        : m_maler(maler)
        , m_proMm(geraet.logicalDpiY() / 25.4)
        , m_breite(geraet.width() / m_proMm)
        , m_hoehe(geraet.height() / m_proMm)
    {
    }

    double hoehe() const { return m_hoehe; }

    // Text across the page from y on, word-wrapped; returns the y below it.
    double absatz(const QString& text, const QFont& f, double y, Qt::Alignment ausrichtung = Qt::AlignLeft)
    {
        m_maler.setFont(f);
        const QRectF platz(0, px(y), px(m_breite), px(m_hoehe - y));
        QRectF gebraucht;
        m_maler.drawText(platz, int(ausrichtung | Qt::TextWordWrap), text, &gebraucht);
        return y + gebraucht.height() / m_proMm;
    }

    double zeilenhoehe(const QFont& f) const { return QFontMetricsF(f, m_maler.device()).lineSpacing() / m_proMm; }

    void linie(double x1, double y1, double x2, double y2, QColor farbe, double staerkeMm = 0.2)
    {
        m_maler.setPen(QPen(farbe, px(staerkeMm)));
        m_maler.drawLine(QPointF(px(x1), px(y1)), QPointF(px(x2), px(y2)));
    }

    double diagramm(const LaufAuswertung& stand, double y)
    {
        const QSizeF groesse(m_breite * diagrammPixelProMm, diagrammHoeheMm * diagrammPixelProMm);
        diagrammMalen(stand, groesse, m_maler, QRectF(0, px(y), px(m_breite), px(diagrammHoeheMm)));
        return y + diagrammHoeheMm;
    }

    // As many rows of the table as fit between y and `unten`.
    void tabelle(const QList<QStringList>& zeilen, double y, double unten);

    // The empty lines for the pupils, ending at the bottom of the page.
    void beobachtungen()
    {
        const QFont kopf = schrift(daten::beobachtungenPunkte, true);
        double y = m_hoehe - beobachtungsZeilen * zeilenabstandBeobachtungMm - zeilenhoehe(kopf);
        absatz(QString::fromUtf8(daten::beobachtungen), kopf, y);
        y += zeilenhoehe(kopf);
        for (int zeile = 1; zeile <= beobachtungsZeilen; ++zeile)
            linie(0, y + zeile * zeilenabstandBeobachtungMm, m_breite, y + zeile * zeilenabstandBeobachtungMm,
                  QColor(120, 120, 120));
    }

    double beobachtungenOben() const
    {
        return m_hoehe - beobachtungsZeilen * zeilenabstandBeobachtungMm -
               zeilenhoehe(schrift(daten::beobachtungenPunkte, true)) - abstandMm;
    }

private:
    double px(double mm) const { return mm * m_proMm; }
    void zelle(const QString& text, double x, double y, double breite, double hoehe, int flags)
    {
        m_maler.drawText(QRectF(px(x), px(y), px(breite), px(hoehe)), flags, text);
    }
    std::vector<double> spaltenbreiten(qsizetype spalten) const;
    // The height the wrapped header cells need, at least two rows.
    double kopfhoehe(const QStringList& kopf, const std::vector<double>& breiten, double zeile) const;

    QPainter& m_maler;
    double m_proMm;
    double m_breite;
    double m_hoehe;
};

std::vector<double> Seite::spaltenbreiten(qsizetype spalten) const
{
    const double einheit = m_breite / (zyklusSpaltenAnteil + double(spalten - 1));
    std::vector<double> breiten(std::size_t(spalten), einheit);
    breiten.front() = zyklusSpaltenAnteil * einheit;
    return breiten;
}

double Seite::kopfhoehe(const QStringList& kopf, const std::vector<double>& breiten, double zeile) const
{
    const QFontMetricsF masse(schrift(daten::tabellenPunkte, true), m_maler.device());
    double hoehe = 2 * zeile;
    for (qsizetype s = 0; s < kopf.size(); ++s) {
        const QRectF platz(0, 0, px(breiten[std::size_t(s)] - 1.5), px(m_hoehe));
        const double gebraucht = masse.boundingRect(platz, Qt::TextWordWrap, kopf[s]).height() / m_proMm;
        hoehe = std::max(hoehe, gebraucht + 0.3 * zeile);
    }
    return hoehe;
}

void Seite::tabelle(const QList<QStringList>& zeilen, double y, double unten)
{
    const QFont f = schrift(daten::tabellenPunkte);
    m_maler.setFont(f);
    const double zeile = zeilenhoehe(f) * 1.3;
    const std::vector<double> breiten = spaltenbreiten(zeilen.front().size());
    const double kopfhoehe = this->kopfhoehe(zeilen.front(), breiten, zeile);
    const int zyklen = static_cast<int>(zeilen.size()) - 1;
    const int platz = std::max(0, static_cast<int>(std::floor((unten - y - kopfhoehe) / zeile)));
    // With a row of note in place of the last row that would fit.
    const int gezeigt = zyklen <= platz ? zyklen : std::max(0, platz - 1);
    for (int z = 0; z <= gezeigt; ++z) {
        const QStringList& zellen = zeilen[z];
        const double hoehe = z == 0 ? kopfhoehe : zeile;
        if (z > 0 && z % 2 == 0)
            m_maler.fillRect(QRectF(0, px(y), px(m_breite), px(hoehe)), QColor(238, 238, 238));
        m_maler.setFont(schrift(daten::tabellenPunkte, z == 0));
        double x = 0;
        for (qsizetype s = 0; s < zellen.size(); ++s) {
            const double b = breiten[std::size_t(s)];
            const int flags = z == 0 ? int(Qt::AlignRight | Qt::AlignBottom | Qt::TextWordWrap)
                                     : int(Qt::AlignRight | Qt::AlignVCenter);
            zelle(zellen[s], x, y, b - 1.5, hoehe, flags);
            x += b;
        }
        y += hoehe;
        if (z == 0)
            linie(0, y, m_breite, y, Qt::black);
    }
    if (gezeigt < zyklen)
        absatz(QString::fromStdString(daten::weggelassen(gezeigt, zyklen)), schrift(daten::tabellenPunkte, false),
               y + 0.3 * zeile);
}

} // namespace

void arbeitsblattEinrichten(QPagedPaintDevice& seite)
{
    seite.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                    QMarginsF(randMm, randMm, randMm, randMm), QPageLayout::Millimeter));
}

bool arbeitsblattZeichnen(QPagedPaintDevice& geraet, const LaufAuswertung& stand, QDate datum)
{
    QPainter maler;
    if (!maler.begin(&geraet))
        return false;
    Seite seite(maler, geraet);
    const QFont text = schrift(daten::textPunkte);
    double y = seite.absatz(QString::fromUtf8(daten::titel), schrift(daten::titelPunkte, true), 0);
    seite.absatz(QString::fromUtf8(daten::namenszeile), text, y - seite.zeilenhoehe(text) - 1, Qt::AlignRight);
    y = seite.absatz(kopfzeile(stand, datum), text, y + 1) + abstandMm;
    y = seite.absatz(QString::fromStdString(ergebnistext(stand)), text, y) + abstandMm;
    y = seite.diagramm(stand, y) + abstandMm;
    Auswertungstabelle tabelle;
    tabelle.setzen(stand);
    seite.tabelle(tabelle.zeilen(), y, seite.beobachtungenOben());
    seite.beobachtungen();
    return maler.end();
}

QByteArray arbeitsblattAlsPdf(const LaufAuswertung& stand, QDate datum)
{
    QByteArray inhalt;
    QBuffer puffer(&inhalt);
    puffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&puffer);
    pdf.setTitle(QString::fromUtf8(daten::titel));
    pdf.setCreator(QStringLiteral("Kettenbrief"));
    arbeitsblattEinrichten(pdf);
    arbeitsblattZeichnen(pdf, stand, datum);
    return inhalt;
}
