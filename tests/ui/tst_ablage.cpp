// SPDX-License-Identifier: GPL-3.0-or-later
// What the evaluation saves for the lesson after the lesson: the worksheet
// as PDF (checked with poppler-utils as a reader's program sees it), the
// plot as SVG or PNG, the table as CSV for a German spreadsheet (read with
// Python's csv module), and a German message when a file cannot be written.
#include "auswertungsfenster.h"
#include "deutsch.h"
#include "deutschezahl.h"
#include "fensterhilfen.h"
#include "fenstertest.h"
#include "laufauswertung.h"
#include "verhulst.h"

#include <QFileDialog>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <unistd.h>

using namespace fenster;

namespace {

Auswertungsfenster* oeffnen(Form1& form)
{
    QTest::keyClick(&form, Qt::Key_T, Qt::ControlModifier);
    auto* auswertung = form.findChild<Auswertungsfenster*>();
    QCoreApplication::processEvents();
    return auswertung;
}

QPushButton* knopf(const QWidget& fenster, const QString& text)
{
    for (QPushButton* k : fenster.findChildren<QPushButton*>())
        if (k->text().remove(QLatin1Char('&')) == text)
            return k;
    qFatal("no button %s", qPrintable(text));
}

// Answers the next file dialog with `pfad`, as a user types it; hands back
// the folder it opened in; `danach` runs once the dialog is answered.
void dateiWaehlen(const QString& pfad, QString* ordner = nullptr, std::function<void()> danach = {})
{
    QTimer::singleShot(0, [pfad, ordner, danach] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            dateiWaehlen(pfad, ordner, danach); // not open yet
            return;
        }
        if (ordner)
            *ordner = dialog->directory().absolutePath();
        dialog->selectFile(pfad);
        static_cast<QDialog*>(dialog)->accept();
        if (danach)
            danach();
    });
}

// The output of a program of poppler-utils (or of Python) on a file.
QString ausgabe(const QString& programm, const QStringList& argumente)
{
    const QString gefunden = QStandardPaths::findExecutable(programm);
    if (gefunden.isEmpty())
        qFatal("%s is missing: bash scripts/install-deps.sh installs it", qPrintable(programm));
    QProcess prozess;
    prozess.start(gefunden, argumente);
    prozess.waitForFinished(60000);
    if (prozess.exitCode() != 0)
        qWarning("%s: %s", qPrintable(programm), prozess.readAllStandardError().constData());
    return QString::fromUtf8(prozess.readAllStandardOutput());
}

QByteArray inhalt(const QString& pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

} // namespace

class TestAblage : public FensterTest
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qtAufDeutsch(*QCoreApplication::instance());
        qputenv("XDG_CONFIG_HOME", m_konfiguration.path().toLocal8Bit());
    }
    void arbeitsblattAlsPdf();
    void diagramm_data();
    void diagramm();
    void tabelleAlsCsv();
    void ordnerOhneSchreibrecht();

private:
    QTemporaryDir m_ordner;
    QTemporaryDir m_konfiguration;
};

void TestAblage::arbeitsblattAlsPdf()
{
    klick(ui(*m_form).Command2);
    klick(ui(*m_form).Command1);
    const LaufAuswertung stand = laufAuswerten(m_form->spielfeld(), 5, 1, std::nullopt);
    QVERIFY(stand.beste.gefunden);
    const QString pfad = m_ordner.filePath(QStringLiteral("blatt.pdf"));
    Auswertungsfenster* fenster = oeffnen(*m_form);
    dateiWaehlen(pfad);
    knopf(*fenster, QStringLiteral("Arbeitsblatt als PDF speichern …"))->click();

    const QString info = ausgabe(QStringLiteral("pdfinfo"), {pfad});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages: +1\n"))), qPrintable(info));
    QVERIFY2(info.contains(QStringLiteral("(A4)")), qPrintable(info));
    const QString text = ausgabe(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pfad, QStringLiteral("-")});
    for (const QString& gesucht : {QStringLiteral("Kettenbrief – Arbeitsblatt"), QStringLiteral("A(0) = 10"),
                                   QStringLiteral("p = 5"), QStringLiteral("t = %1").arg(deutscheZahl(stand.beste.t, 3)),
                                   QStringLiteral("Meine Beobachtungen")})
        QVERIFY2(text.contains(gesucht), qPrintable(gesucht + QStringLiteral(" missing in:\n") + text));
    // The plot is vectors: no image at all, so none of the plot's size.
    const QStringList bilder = ausgabe(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pfad})
                                   .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(bilder.size(), 2); // the two header lines
    // Every font is embedded, so the page looks the same everywhere.
    const QStringList schriften = ausgabe(QStringLiteral("pdffonts"), {pfad}).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(schriften.size() > 2);
    for (const QString& schrift : schriften.mid(2))
        QVERIFY2(schrift.contains(QStringLiteral("Liberation")) && schrift.contains(QStringLiteral(" yes ")),
                 qPrintable(schrift));
}

void TestAblage::diagramm_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("SVG for worksheets") << QStringLiteral("diagramm.svg");
    QTest::newRow("PNG at twice the size") << QStringLiteral("diagramm.png");
}

void TestAblage::diagramm()
{
    QFETCH(QString, name);
    klick(ui(*m_form).Command2);
    Auswertungsfenster* fenster = oeffnen(*m_form);
    dateiWaehlen(m_ordner.filePath(name));
    knopf(*fenster, QStringLiteral("Diagramm speichern …"))->click();
    const QByteArray datei = inhalt(m_ordner.filePath(name));
    if (name.endsWith(QStringLiteral(".png"))) {
        QCOMPARE(QImage::fromData(datei, "PNG").size(), QSize(1920, 1200));
        return;
    }
    QXmlStreamReader xml(datei);
    QStringList texte;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::Characters)
            texte << xml.text().toString();
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(texte.join(QString()).contains(QStringLiteral("Spiel A(n)")));
    QVERIFY(!datei.contains("<image"));
}

void TestAblage::tabelleAlsCsv()
{
    klick(ui(*m_form).Command2);
    const QString pfad = m_ordner.filePath(QStringLiteral("tabelle.csv"));
    Auswertungsfenster* fenster = oeffnen(*m_form);
    dateiWaehlen(pfad);
    knopf(*fenster, QStringLiteral("Tabelle speichern …"))->click();
    const QString gelesen = ausgabe(QStringLiteral("python3"), {QStringLiteral(KETTENBRIEF_TESTQUELLEN "/csvlesen.py"), pfad});
    const QJsonObject tabelle = QJsonDocument::fromJson(gelesen.toUtf8()).object();
    QCOMPARE(tabelle[QStringLiteral("kopf")].toArray().at(2).toString(), QStringLiteral("ΔA"));
    const QJsonArray zeilen = tabelle[QStringLiteral("zeilen")].toArray();
    QCOMPARE(zeilen.size(), 11);
    const VerhulstFolge kurve = verhulstFolge(10, 5, 1, 120);
    for (int n = 0; n <= 10; ++n) {
        const QJsonArray zeile = zeilen.at(n).toArray();
        QCOMPARE(zeile.at(0).toDouble(), double(n));
        QCOMPARE(zeile.at(1).toDouble(), double(n == 0 ? 10 : m_form->spielfeld().anzahlVerlauf(n)));
        QVERIFY(std::fabs(zeile.at(3).toDouble() - kurve.werte[std::size_t(n)]) <= 0.05 + 1e-9);
    }
}

// The message names file and reason; the program goes on, and the next
// dialog opens in the folder chosen last, which the program forgets when
// it ends: the dialogs leave nothing in the user's configuration.
void TestAblage::ordnerOhneSchreibrecht()
{
    // The superuser may write anywhere but into the kernel's /sys.
    QTemporaryDir gesperrt;
    QVERIFY(QFile::setPermissions(gesperrt.path(), QFile::ReadOwner | QFile::ExeOwner));
    const QString ordner = geteuid() == 0 ? QStringLiteral("/sys") : gesperrt.path();
    const QString pfad = ordner + QStringLiteral("/tabelle.csv");
    Auswertungsfenster* fenster = oeffnen(*m_form);
    QString meldung, titel;
    dateiWaehlen(pfad, nullptr, [&meldung, &titel] { naechsteMeldungBestaetigen(&meldung, &titel); });
    knopf(*fenster, QStringLiteral("Tabelle speichern …"))->click();
    QCOMPARE(titel, QStringLiteral("Speichern nicht möglich"));
    QVERIFY2(meldung.contains(QStringLiteral("„%1“ konnte nicht gespeichert werden").arg(pfad)), qPrintable(meldung));
    QVERIFY2(meldung.contains(QStringLiteral("Sie dürfen in diesem Ordner keine Datei anlegen")), qPrintable(meldung));
    QVERIFY(!QFileInfo::exists(pfad));

    QVERIFY(fenster->isVisible());
    klick(ui(*m_form).cmdZielsuche);
    klick(ui(*m_form).cmdErgebnis);
    QCOMPARE(m_form->spielfeld().zyklus(), 1);
    QString geoeffnetIn;
    dateiWaehlen(m_ordner.filePath(QStringLiteral("danach.csv")), &geoeffnetIn);
    knopf(*fenster, QStringLiteral("Tabelle speichern …"))->click();
    QCOMPARE(geoeffnetIn, ordner);
    QVERIFY(inhalt(m_ordner.filePath(QStringLiteral("danach.csv"))).contains("\r\n1;"));
    QVERIFY(QDir(m_konfiguration.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

QTEST_MAIN(TestAblage)
#include "tst_ablage.moc"
