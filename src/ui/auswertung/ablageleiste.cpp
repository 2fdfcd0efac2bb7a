// SPDX-License-Identifier: GPL-3.0-or-later
#include "ablageleiste.h"

#include "arbeitsblatt.h"
#include "arbeitsblattdaten.h"
#include "auswertungsfensterdaten.h"
#include "auswertungstabelle.h"
#include "diagrammbild.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace {

namespace daten = auswertungsfensterdaten;

const QString arbeitsblattTitel = QString::fromUtf8(arbeitsblattdaten::titel);

QByteArray tabelleAlsCsv(const LaufAuswertung& stand)
{
    Auswertungstabelle tabelle;
    tabelle.setzen(stand);
    return tabelle.alsCsv();
}

} // namespace

Ablageleiste::Ablageleiste(std::function<const LaufAuswertung&()> stand, QWidget* parent)
    : QWidget(parent)
    , m_stand(std::move(stand))
{
    auto* reihe = new QHBoxLayout(this);
    reihe->setContentsMargins(0, 0, 0, 0);
    const auto knopf = [this, reihe](const QString& text, void (Ablageleiste::*handlung)()) {
        auto* neu = new QPushButton(text, this);
        neu->setAutoDefault(false);
        connect(neu, &QPushButton::clicked, this, handlung);
        reihe->addWidget(neu);
    };
    knopf(QString::fromUtf8(daten::arbeitsblattDrucken), &Ablageleiste::arbeitsblattDrucken);
    knopf(QStringLiteral("Arbeitsblatt als &PDF speichern …"), &Ablageleiste::arbeitsblattPdfSpeichern);
    knopf(QString::fromUtf8(daten::diagrammSpeichern), &Ablageleiste::diagrammSpeichern);
    knopf(QString::fromUtf8(daten::tabelleSpeichern), &Ablageleiste::tabelleSpeichern);
    reihe->addStretch(1);
}

void Ablageleiste::arbeitsblattDrucken()
{
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setDocName(arbeitsblattTitel);
    arbeitsblattEinrichten(drucker);
    QPrintDialog dialog(&drucker, window());
    dialog.setWindowTitle(QStringLiteral("Arbeitsblatt drucken"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!arbeitsblattZeichnen(drucker, m_stand(), QDate::currentDate()))
        QMessageBox::warning(window(), QStringLiteral("Drucken nicht möglich"),
                             QStringLiteral("Der Drucker „%1“ nimmt das Arbeitsblatt nicht an.")
                                 .arg(drucker.printerName()));
}

void Ablageleiste::arbeitsblattPdfSpeichern()
{
    speichern(QStringLiteral("Arbeitsblatt als PDF speichern"), QStringLiteral("kettenbrief-arbeitsblatt.pdf"),
              {{QStringLiteral("PDF-Dokument"), QStringLiteral("pdf")}},
              [this](const QString&) { return arbeitsblattAlsPdf(m_stand(), QDate::currentDate()); });
}

void Ablageleiste::diagrammSpeichern()
{
    speichern(QStringLiteral("Diagramm speichern"), QString::fromUtf8(daten::diagrammDatei),
              {{QString::fromUtf8(daten::svgDateityp), QStringLiteral("svg")},
               {QString::fromUtf8(daten::pngDateityp), QStringLiteral("png")}},
              [this](const QString& pfad) {
                  // The file's type decides, also when typed into the name.
                  const bool svg = QFileInfo(pfad).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0;
                  return svg ? diagrammAlsSvg(m_stand()) : diagrammAlsPng(m_stand());
              });
}

void Ablageleiste::tabelleSpeichern()
{
    speichern(QStringLiteral("Tabelle speichern"), QString::fromUtf8(daten::tabellenDatei),
              {{QStringLiteral("CSV-Tabelle für die Tabellenkalkulation"), QStringLiteral("csv")}},
              [this](const QString&) { return tabelleAlsCsv(m_stand()); });
}

void Ablageleiste::speichern(const QString& titel, const QString& vorschlag,
                             const QList<Dateiablage::Dateityp>& typen,
                             const std::function<QByteArray(const QString& pfad)>& inhalt)
{
    const QString pfad = m_ablage.zielWaehlen(window(), titel, vorschlag, typen);
    if (!pfad.isEmpty())
        Dateiablage::schreiben(window(), pfad, inhalt(pfad));
}
