// SPDX-License-Identifier: GPL-3.0-or-later
// What the evaluation saves, read back as other programs read it: the
// worksheet PDF with poppler-utils, the CSV with Python's csv module, the
// SVG as XML; and a German message when a file cannot be written.
#include "auswertungsfenster.h"
#include "deutsch.h"
#include "deutschezahl.h"
#include "fensterhilfen.h"
#include "fenstertest.h"
#include "laufauswertung.h"
#include "verhulst.h"

#include <QFileDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <optional>

#include <unistd.h>

using namespace fenster;

class TestAblage : public FensterTest
{
    Q_OBJECT

private slots:
    void initTestCase();
    void arbeitsblattAlsPdf();
    void diagramm_data();
    void diagramm();
    void tabelleAlsCsv();
    void ordnerOhneSchreibrecht();

private:
    // Presses the evaluation's button and answers its file dialog with
    // `pfad`; `danach` runs once the dialog is answered. Hands back the
    // folder the dialog opened in.
    QString speichern(const QString& knopf, const QString& pfad, std::function<void()> danach = {});
    // What a program of poppler-utils or Python prints for a file.
    static QString ausgabe(const QString& programm, const QStringList& argumente);

    QTemporaryDir m_ordner;
    QTemporaryDir m_konfiguration;
};

void TestAblage::initTestCase()
{
    qtAufDeutsch(*QCoreApplication::instance());
    qputenv("XDG_CONFIG_HOME", m_konfiguration.path().toLocal8Bit());
}

QString TestAblage::speichern(const QString& knopf, const QString& pfad, std::function<void()> danach)
{
    QString geoeffnetIn;
    // Runs once the button's dialog waits for the user.
    const auto antworten = [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        geoeffnetIn = dialog->directory().absolutePath();
        dialog->selectFile(pfad);
        static_cast<QDialog*>(dialog)->accept();
        if (danach)
            danach();
    };
    if (!m_form->findChild<Auswertungsfenster*>())
        QTest::keyClick(m_form.get(), Qt::Key_T, Qt::ControlModifier);
    QTimer::singleShot(0, antworten);
    for (QPushButton* k : m_form->findChild<Auswertungsfenster*>()->findChildren<QPushButton*>())
        if (k->text().remove(QLatin1Char('&')) == knopf)
            k->click();
    return geoeffnetIn;
}

QString TestAblage::ausgabe(const QString& programm, const QStringList& argumente)
{
    QProcess prozess;
    prozess.start(programm, argumente);
    if (!prozess.waitForFinished(60000) || prozess.exitCode() != 0)
        qWarning("%s (from poppler-utils or python3): %s", qPrintable(programm), prozess.readAllStandardError().constData());
    return QString::fromUtf8(prozess.readAllStandardOutput());
}

void TestAblage::arbeitsblattAlsPdf()
{
    klick(ui(*m_form).Command2);
    const LaufAuswertung stand = laufAuswerten(m_form->spielfeld(), 5, 1, std::nullopt);
    const QString pfad = m_ordner.filePath(QStringLiteral("blatt.pdf"));
    speichern(QStringLiteral("Arbeitsblatt als PDF speichern …"), pfad);
    const QString info = ausgabe(QStringLiteral("pdfinfo"), {pfad});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages: +1\n"))) && info.contains(QStringLiteral("(A4)")),
             qPrintable(info));
    const QString text = ausgabe(QStringLiteral("pdftotext"), {pfad, QStringLiteral("-")});
    for (const QString& gesucht : {QStringLiteral("Kettenbrief – Arbeitsblatt"), QStringLiteral("A(0) = 10"),
                                   QStringLiteral("p = 5"), QStringLiteral("t = %1").arg(QString::fromStdString(deutscheZahl(stand.beste.t, 3))),
                                   QStringLiteral("Meine Beobachtungen")})
        QVERIFY2(text.contains(gesucht), qPrintable(gesucht + QStringLiteral(" missing in:\n") + text));
    // The plot is vectors: no image at all, so none of the plot's size
    // (the list has two header lines).
    QCOMPARE(ausgabe(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pfad}).count(QLatin1Char('\n')), 2);
    // Every font embedded ("yes" in the column "emb"), so it looks the same everywhere.
    const QStringList schriften = ausgabe(QStringLiteral("pdffonts"), {pfad}).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(schriften.size() > 2);
    for (const QString& schrift : schriften.mid(2))
        QVERIFY2(schrift.contains(QStringLiteral("Liberation")) && schrift.contains(QStringLiteral(" yes ")), qPrintable(schrift));
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
    speichern(QStringLiteral("Diagramm speichern …"), m_ordner.filePath(name));
    QFile datei(m_ordner.filePath(name));
    QVERIFY(datei.open(QIODevice::ReadOnly));
    if (name.endsWith(QStringLiteral(".png"))) {
        QCOMPARE(QImage::fromData(datei.readAll(), "PNG").size(), QSize(1920, 1200));
        return;
    }
    QXmlStreamReader xml(&datei);
    QString texte;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::Characters)
            texte += xml.text();
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(texte.contains(QStringLiteral("Spiel A(n)")));
}

void TestAblage::tabelleAlsCsv()
{
    klick(ui(*m_form).Command2);
    const QString pfad = m_ordner.filePath(QStringLiteral("tabelle.csv"));
    speichern(QStringLiteral("Tabelle speichern …"), pfad);
    const QJsonObject tabelle = QJsonDocument::fromJson(
        ausgabe(QStringLiteral("python3"), {QStringLiteral(KETTENBRIEF_TESTQUELLEN "/csvlesen.py"), pfad}).toUtf8()).object();
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

// The message names file and reason; the program goes on, the next dialog
// opens in the folder chosen last, and nothing stays in the user's
// configuration.
void TestAblage::ordnerOhneSchreibrecht()
{
    // The superuser may write anywhere but into the kernel's /sys.
    QTemporaryDir gesperrt;
    QVERIFY(QFile::setPermissions(gesperrt.path(), QFile::ReadOwner | QFile::ExeOwner));
    const QString ordner = geteuid() == 0 ? QStringLiteral("/sys") : gesperrt.path();
    const QString pfad = ordner + QStringLiteral("/tabelle.csv");
    // The box comes once the file dialog has closed.
    std::optional<MeldungBeantworter> meldung;
    speichern(QStringLiteral("Tabelle speichern …"), pfad, [&] { meldung.emplace(); });
    QVERIFY(meldung);
    QCOMPARE(meldung->titel, QStringLiteral("Speichern nicht möglich"));
    QVERIFY2(meldung->text.contains(QStringLiteral("„%1“ konnte nicht gespeichert werden.\n\nSie dürfen in diesem Ordner "
                                                   "keine Datei anlegen").arg(pfad)), qPrintable(meldung->text));
    QVERIFY(!QFileInfo::exists(pfad));

    QVERIFY(m_form->findChild<Auswertungsfenster*>()->isVisible());
    klick(ui(*m_form).cmdZielsuche);
    klick(ui(*m_form).cmdErgebnis);
    QCOMPARE(speichern(QStringLiteral("Tabelle speichern …"), m_ordner.filePath(QStringLiteral("danach.csv"))), ordner);
    QVERIFY(QFileInfo(m_ordner.filePath(QStringLiteral("danach.csv"))).size() > 0);
    QVERIFY(QDir(m_konfiguration.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

QTEST_MAIN(TestAblage)
#include "tst_ablage.moc"
