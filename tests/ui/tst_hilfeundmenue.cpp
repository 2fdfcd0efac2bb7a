// SPDX-License-Identifier: GPL-3.0-or-later
#include "fensterhilfen.h"
#include "fenstertest.h"
#include "helpline.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMenuBar>

using namespace fenster;

namespace {

const QString readoutAnfang = QStringLiteral("Balkendiagramme zur Gesamtzahl der Mitspieler.    n = ");
const QString readoutMitte = QStringLiteral("   A(n)= ");

QString readoutText(const QString& n, const QString& a)
{
    return readoutAnfang + n + readoutMitte + a;
}

// The logical pixel of the chart widget where user x lies.
int chartSpalte(const Form1& form, double x)
{
    return static_cast<int>(std::floor(x * picHisto(form).width() / 120.0));
}

int chartZeile(const Form1& form, double y)
{
    const double oben = Spielfeld::zellenAnzahl;
    return static_cast<int>(std::floor((oben - y) * picHisto(form).height() / oben));
}

int schwarzePixel(const QImage& bild)
{
    int anzahl = 0;
    for (int x = 0; x < bild.width(); ++x)
        for (int y = 0; y < bild.height(); ++y)
            anzahl += bild.pixelColor(x, y) == QColor(0, 0, 0);
    return anzahl;
}

} // namespace

class TestHilfeUndMenue : public FensterTest
{
    Q_OBJECT

private slots:
    void readout_data();
    void readout();
    void haarLinksVonN();
    void draussenBeiGedrueckterTaste();
    void spurZeichnet();
    void drueckenLoslassenBewegenZeichnetNichts();
    void zweiDrueckeDannBewegen();
    void festeHilfetexte_data();
    void festeHilfetexte();
    void rahmenBehaeltLetztenText();
    void beschriftungBehaeltTafeltext();
    void bildtafelNurWennSichtbar();
    void achsenbeschriftungenLassenZeile();
    void menueReihenfolge();
    void erlaeuterungUndSchliessen();
    void information();
    void menuekuerzel_data();
    void menuekuerzel();
    void escSchliesstErlaeuterung();
    void beendenImSchnelldurchlauf();
    void werkzeugtipps_data();
    void werkzeugtipps();

};

void TestHilfeUndMenue::readout_data()
{
    QTest::addColumn<QPointF>("punkt");
    QTest::addColumn<QString>("n");
    QTest::addColumn<QString>("a");
    QTest::newRow("12.7, 1234.5") << QPointF(12.7, 1234.5) << " 12" << " 1230";
    QTest::newRow("0.4, 7") << QPointF(0.4, 7) << " 0" << " 0";
    QTest::newRow("top right") << QPointF(119.99, 2500) << " 119" << " 2500";
    QTest::newRow("-0.5, -5") << QPointF(-0.5, -5) << "-1" << "-10";
    QTest::newRow("far right") << QPointF(130.2, 2612) << " 130" << " 2610";
}

void TestHilfeUndMenue::readout()
{
    QFETCH(QPointF, punkt);
    QFETCH(QString, n);
    QFETCH(QString, a);
    ui(*m_form).txtHilfe->setText(QStringLiteral("Diagramme löschen"));
    emit picHisto(*m_form).moved(punkt);
    QCOMPARE(ui(*m_form).txtHilfe->text(), readoutText(n, a));
}

void TestHilfeUndMenue::haarLinksVonN()
{
    klick(ui(*m_form).Command6);
    // The bar of cycle 5 stands on the pixel column of x = 5; its left
    // neighbour lies a hair left of x = 5.
    const int spalte = chartSpalte(*m_form, 5);
    QTest::mouseMove(&picHisto(*m_form), QPoint(spalte - 1, 200));
    QVERIFY(ui(*m_form).txtHilfe->text().startsWith(readoutAnfang + QStringLiteral(" 4")));
    QTest::mouseMove(&picHisto(*m_form), QPoint(spalte + 1, 200));
    QVERIFY(ui(*m_form).txtHilfe->text().startsWith(readoutAnfang + QStringLiteral(" 5")));
}

void TestHilfeUndMenue::draussenBeiGedrueckterTaste()
{
    klick(ui(*m_form).Command6);
    Bildflaeche& chart = picHisto(*m_form);
    QTest::mousePress(&chart, Qt::LeftButton, {}, QPoint(30, 300));
    // Left of and below the chart: n = -1, A(n) = -10.
    QTest::mouseMove(&chart, QPoint(-5, chart.height() + 1));
    QCOMPARE(ui(*m_form).txtHilfe->text(), readoutText(QStringLiteral("-1"), QStringLiteral("-10")));
    // The trace ran on to the left edge of the chart.
    const QImage bild = chart.picture();
    bool amRand = false;
    for (int y = 300; y < bild.height(); ++y)
        amRand = amRand || bild.pixelColor(0, y) == QColor(0, 0, 0);
    QVERIFY(amRand);
    QTest::mouseRelease(&chart, Qt::LeftButton, {}, QPoint(-5, chart.height() + 1));
    const QImage danach = chart.picture();
    QTest::mouseMove(&chart, QPoint(200, 100));
    QCOMPARE(chart.picture(), danach);
}

void TestHilfeUndMenue::spurZeichnet()
{
    klick(ui(*m_form).Command6);
    Bildflaeche& chart = picHisto(*m_form);
    QTest::mousePress(&chart, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(&chart, QPoint(300, 100));
    QTest::mouseRelease(&chart, Qt::LeftButton, {}, QPoint(300, 100));
    const QImage bild = chart.picture();
    // Two pixels thick, black, from the press point to the pointer.
    // The last point's y is kept as a whole number of players, so the
    // segment may sit one pixel row off the pointer.
    int schwarz = 0;
    for (int y = 97; y <= 102; ++y)
        schwarz += bild.pixelColor(200, y) == QColor(0, 0, 0);
    QCOMPARE(schwarz, 2);
    QCOMPARE(penWidth(chart), 2);
    // Wiping the chart removes the trace.
    klick(ui(*m_form).Command5);
    QCOMPARE(schwarzePixel(chart.picture()), 0);
}

void TestHilfeUndMenue::drueckenLoslassenBewegenZeichnetNichts()
{
    klick(ui(*m_form).Command6);
    Bildflaeche& chart = picHisto(*m_form);
    const QImage vorher = chart.picture();
    QTest::mousePress(&chart, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseRelease(&chart, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(&chart, QPoint(300, 300));
    QCOMPARE(chart.picture(), vorher);
}

void TestHilfeUndMenue::zweiDrueckeDannBewegen()
{
    Bildflaeche& chart = picHisto(*m_form);
    const QImage vorher = chart.picture();
    emit chart.pressed(QPointF(10, 500));
    emit chart.pressed(QPointF(50, 1500));
    QCOMPARE(chart.picture(), vorher);
    emit chart.moved(QPointF(60, 1500));
    // The segment starts at the second press point, nothing near the first.
    QCOMPARE(colourAt(chart, 55, 1500), QColor(0, 0, 0));
    QCOMPARE(schwarzePixel(chart.picture()) < 400, true);
    QVERIFY(colourAt(chart, 30, 1000) != QColor(0, 0, 0));
}

void TestHilfeUndMenue::festeHilfetexte_data()
{
    QTest::addColumn<QString>("steuerelement");
    QTest::addColumn<QString>("text");
    // The panels Picture2 and Picture3 have tests of their own.
    const std::pair<const char*, const char*> texte[]{
        {"cmdStart", "Initialisierung der Programmparameter"},
        {"cmdZielsuche", "blau = Neu geworbene Mitspieler, gelb = Zielperson spielt bereits mit, weiß = Doppelwerbung"},
        {"cmdErgebnis", "Übergang von A(n) auf A(n+1)"},
        {"Command2", "10 Iterationszyklen durchführen"},
        {"Command1", "Vergleich mit dem Verlauf nach dem Modell von Verhulst"},
        {"Command3", "Änderung von t muss hier initialisiert werden"},
        {"Text4", "Der Exponent t kann hier verändert werden, Dezimalzahlen mit Komma oder Punkt"},
        {"Image1", "Verhulst Iteration in verallgemeinerter Form (durch den Exponenten t)"},
        {"Command5", "Diagramme löschen"},
        {"Command6", "Histogramm über die ganze Bildschirmbreite zeigen"},
        {"Command7", "2500-Feld links im Vordergrund"},
        {"Text1", "Aktuelle Anzahl der Mitspieler"},
        {"txtdelta", "neu geworbene Mitspieler"},
        {"txtNeuSum", "Aktuelle Anzahl + Neuwerbungen"},
    };
    for (const auto& [name, text] : texte)
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromUtf8(text);
}

void TestHilfeUndMenue::festeHilfetexte()
{
    QFETCH(QString, steuerelement);
    QFETCH(QString, text);
    QWidget* ziel = steuerelementNamens(*m_form, steuerelement);
    QTest::mouseMove(ziel, QPoint(ziel->width() / 2, ziel->height() / 2 + 1));
    QCOMPARE(fenster::ui(*m_form).txtHilfe->text(), text);
}

void TestHilfeUndMenue::rahmenBehaeltLetztenText()
{
    QWidget* x = ui(*m_form).Command5;
    QTest::mouseMove(x, QPoint(5, 5));
    QCOMPARE(ui(*m_form).txtHilfe->text(), QStringLiteral("Diagramme löschen"));
    QTest::mouseMove(m_form->centralWidget(), QPoint(3, 300));
    QTest::mouseMove(ui(*m_form).HScroll2, QPoint(300, 5));
    QCOMPARE(ui(*m_form).txtHilfe->text(), QStringLiteral("Diagramme löschen"));
}

void TestHilfeUndMenue::beschriftungBehaeltTafeltext()
{
    QWidget* tafel = ui(*m_form).Picture2;
    QTest::mouseMove(tafel, QPoint(450, 45));
    QCOMPARE(ui(*m_form).txtHilfe->text(), QStringLiteral("Einstellungen vornehmen, Iterationen starten"));
    QTest::mouseMove(ui(*m_form).Label4, QPoint(20, 10));
    QCOMPARE(ui(*m_form).txtHilfe->text(), QStringLiteral("Einstellungen vornehmen, Iterationen starten"));
    QTest::mouseMove(ui(*m_form).Command3, QPoint(20, 10));
    QCOMPARE(ui(*m_form).txtHilfe->text(), QStringLiteral("Änderung von t muss hier initialisiert werden"));
}

void TestHilfeUndMenue::bildtafelNurWennSichtbar()
{
    QWidget* bildtafel = ui(*m_form).Picture3;
    QVERIFY(!bildtafel->isVisible());
    // Shown, and the chart panned away, the picture panel explains itself.
    bildtafel->show();
    ui(*m_form).HScroll2->setValue(24600);
    QTest::mouseMove(bildtafel, QPoint(100, 100));
    QCOMPARE(ui(*m_form).txtHilfe->text(), QStringLiteral("Herr Egon Dorozur aus Wiesenhausen"));
}

void TestHilfeUndMenue::achsenbeschriftungenLassenZeile()
{
    klick(ui(*m_form).Command6);
    QTest::mouseMove(ui(*m_form).Command5, QPoint(5, 5));
    for (const char* name : {"Label8", "Label2", "txtskala2"}) {
        QTest::mouseMove(steuerelementNamens(*m_form, name), QPoint(3, 3));
        QCOMPARE(ui(*m_form).txtHilfe->text(), QStringLiteral("Diagramme löschen"));
    }
}

void TestHilfeUndMenue::menueReihenfolge()
{
    const QList<QAction*> eintraege = m_form->menuBar()->actions();
    const QStringList texte{QStringLiteral("Programm beenden"), QStringLiteral("Erläuterung"),
                            QStringLiteral("Information"), QStringLiteral("Klassenspiel")};
    QCOMPARE(eintraege.size(), texte.size());
    for (int i = 0; i < texte.size(); ++i) {
        QString text = eintraege[i]->text();
        QVERIFY2(text.count(QLatin1Char('&')) == 1, qPrintable(text));
        QCOMPARE(text.remove(QLatin1Char('&')), texte[i]);
        QVERIFY(!eintraege[i]->menu());
    }
}

void TestHilfeUndMenue::erlaeuterungUndSchliessen()
{
    Bildflaeche& chart = picHisto(*m_form);
    klick(ui(*m_form).Command6);
    const QImage vorher = chart.grab().toImage();
    ui(*m_form).cmdStoch->trigger();
    QWidget* tafel = ui(*m_form).image2;
    QVERIFY(tafel->isVisible());
    QVERIFY(ui(*m_form).Command8->isVisible());
    QVERIFY(chart.grab().toImage() != vorher);
    // It covers the axis labels, not they it.
    const QObjectList kinder = chart.children();
    for (const char* beschriftung : {"Label8", "Label2", "txtskala2", "Text3"})
        QVERIFY(kinder.indexOf(tafel) > kinder.indexOf(steuerelementNamens(*m_form, beschriftung)));
    // Drawn while covered: a bar at cycle 1.
    ui(*m_form).cmdErgebnis->click();
    klick(ui(*m_form).Command8);
    QVERIFY(!tafel->isVisible());
    QVERIFY(!ui(*m_form).Command8->isVisible());
    const QImage danach = chart.grab().toImage();
    QCOMPARE(danach.pixelColor(chartSpalte(*m_form, 1), chartZeile(*m_form, 3)), QColor(200, 20, 20));
    // Everything else is as before, pixel for pixel.
    QImage erwartet = vorher;
    const int spalte = chartSpalte(*m_form, 1);
    for (int x = spalte - 1; x <= spalte + 1; ++x)
        for (int y = 0; y < erwartet.height(); ++y)
            erwartet.setPixelColor(x, y, danach.pixelColor(x, y));
    QCOMPARE(danach, erwartet);
}

void TestHilfeUndMenue::information()
{
    MeldungBeantworter meldung;
    ui(*m_form).cmdInfo->trigger();
    QCOMPARE(meldung.titel, QStringLiteral("Information"));
    QVERIFY(meldung.text.contains(QStringLiteral("Nivra1.0")));
    QVERIFY(meldung.text.contains(QStringLiteral("Kettenbrief")));
    QVERIFY(meldung.text.contains(QStringLiteral("Versionsname")));
    for (const char* taste : {"F1", "Esc", "F11", "Strg+0", "Strg+C", "Strg+T", "Strg+N", "Strg+Q", "Alt+B"})
        QVERIFY2(meldung.text.contains(QString::fromUtf8(taste)), taste);
    QCOMPARE(m_form->spielfeld().zyklus(), 0);
}

void TestHilfeUndMenue::menuekuerzel_data()
{
    QTest::addColumn<int>("taste");
    QTest::addColumn<QString>("wirkung");
    QTest::newRow("Alt+E shows the explanation") << int(Qt::Key_E) << "erläutert";
    QTest::newRow("Alt+I shows the information") << int(Qt::Key_I) << "Information";
    // Last: once the program has ended, no message box waits any more.
    QTest::newRow("Alt+B ends the program") << int(Qt::Key_B) << "beendet";
}

void TestHilfeUndMenue::menuekuerzel()
{
    QFETCH(int, taste);
    QFETCH(QString, wirkung);
    MeldungBeantworter meldung;
    QTest::keyClick(m_form.get(), static_cast<Qt::Key>(taste), Qt::AltModifier);
    if (wirkung == QStringLiteral("beendet"))
        QVERIFY(!m_form->isVisible());
    else if (wirkung == QStringLiteral("erläutert"))
        QVERIFY(ui(*m_form).image2->isVisible());
    else
        QCOMPARE(meldung.titel, wirkung);
}

void TestHilfeUndMenue::escSchliesstErlaeuterung()
{
    QWidget* tafel = ui(*m_form).image2;
    QTest::keyClick(m_form.get(), Qt::Key_Escape);
    QVERIFY(!tafel->isVisible());
    QTest::keyClick(m_form.get(), Qt::Key_F1);
    QVERIFY(tafel->isVisible());
    QTest::keyClick(m_form.get(), Qt::Key_Escape);
    QVERIFY(!tafel->isVisible());
    QVERIFY(!ui(*m_form).Command8->isVisible());
    QVERIFY(m_form->isVisible());
}

void TestHilfeUndMenue::beendenImSchnelldurchlauf()
{
    // "Programm beenden" waits in the queue and is chosen between two steps.
    QTimer::singleShot(0, m_form.get(), [this] { ui(*m_form).cmdEnde->trigger(); });
    ui(*m_form).Command2->click();
    QVERIFY(!m_form->isVisible());
    QVERIFY(m_form->spielfeld().zyklus() < 10);
    QVERIFY(!m_form->isVisible());
}

void TestHilfeUndMenue::werkzeugtipps_data()
{
    QTest::addColumn<QString>("steuerelement");
    QTest::addColumn<QString>("tipp");
    QTest::newRow("Command1") << "Command1" << "Vergleich mit Verhulst";
    QTest::newRow("Command2") << "Command2" << "Schnelldurchlauf 10 Iterationen";
    QTest::newRow("Command6") << "Command6" << "Histogramm in den Vordergrund";
    QTest::newRow("Command7") << "Command7" << "Histogramm in den Hintergrund";
}

void TestHilfeUndMenue::werkzeugtipps()
{
    QFETCH(QString, steuerelement);
    QFETCH(QString, tipp);
    auto* knopf = steuerelementNamens<QAbstractButton>(*m_form, steuerelement);
    QCOMPARE(knopf->toolTip(), tipp);
    QVERIFY(!knopf->icon().isNull());
}

QTEST_MAIN(TestHilfeUndMenue)
#include "tst_hilfeundmenue.moc"
