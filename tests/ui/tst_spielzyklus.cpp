// SPDX-License-Identifier: GPL-3.0-or-later
#include "fensterhilfen.h"

#include <QMouseEvent>
#include "scriptedzufall.h"

using namespace fenster;

namespace {

// Ten start players in row 0, columns 0..9, then the given numbers.
std::unique_ptr<ScriptedZufall> zehnSpielerInZeileNull(std::vector<float> danach)
{
    std::vector<float> zahlen;
    for (int x = 0; x < 10; ++x) {
        zahlen.push_back(ScriptedZufall::fuer(x));
        zahlen.push_back(ScriptedZufall::fuer(0));
    }
    zahlen.insert(zahlen.end(), danach.begin(), danach.end());
    return std::make_unique<ScriptedZufall>(zahlen);
}

// True when the pixel under (x, y) or one of its eight neighbours has `farbe`.
bool farbeNahe(Bildflaeche& flaeche, double x, double y, QColor farbe)
{
    const QImage bild = flaeche.picture();
    const int spalte = static_cast<int>(x * bild.width() / 50), zeile = static_cast<int>(y * bild.height() / 50);
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (bild.pixelColor(spalte + dx, zeile + dy) == farbe)
                return true;
    return false;
}

void zyklen(Form1& form, int anzahl)
{
    for (int i = 0; i < anzahl; ++i) {
        ui(form).cmdZielsuche->click();
        ui(form).cmdErgebnis->click();
    }
}

} // namespace

class TestSpielzyklus : public QObject
{
    Q_OBJECT

private slots:
    void zielsucheZeichnetUndZaehlt();
    void ergebnisMachtSpielerUndBalken();
    void balkenStehtBeiNMitSeinerHoehe();
    void verschieben_data();
    void verschieben();
    void verschiebenFolgtDemSchieberLive();
    void schnelldurchlauf_data();
    void schnelldurchlauf();
    void verschachtelterSchnelldurchlauf();
    void tausendeKlicksImSchnelldurchlauf();
    void gleicheBilderNachZweiStarts();
    void diagrammLoeschenLaesstZustand();
    void startzahlAendern();
    void startzahlPfeilNachObenErhoeht();
    void ziehenAlleinAendertNichts();
    void wachstumsrateAendern();
    void hilfeUeberDenEingaben();
};

void TestSpielzyklus::zielsucheZeichnetUndZaehlt()
{
    const float ja = 0.1f, nein = 0.9f;
    const float z20 = ScriptedZufall::fuer(20), z2 = ScriptedZufall::fuer(2), z0 = ScriptedZufall::fuer(0);
    // Players (0,0) and (1,0) both reach (20,20); (2,0) reaches itself.
    Form1 form(zehnSpielerInZeileNull({ja, z20, z20, ja, z20, z20, ja, z2, z0, nein, nein, nein, nein, nein,
                                       nein, nein}));
    ui(form).cmdZielsuche->click();
    QCOMPARE(ui(form).txtdelta->text(), QStringLiteral("1"));
    QCOMPARE(ui(form).txtNeuSum->text(), QStringLiteral("11"));
    QCOMPARE(ui(form).Text1->text(), QStringLiteral("10"));
    QCOMPARE(zellfarbe(form, 20, 20), QColor(250, 250, 250));
    QCOMPARE(zellfarbe(form, 2, 0), QColor(255, 255, 0));
    // Further attempts fill the whole cell, grid lines included.
    QCOMPARE(colourAt(picAusgabe(form), 20.95, 20.95), QColor(250, 250, 250));
    // The line from a recruiter runs in cyan towards its target.
    QVERIFY(farbeNahe(picAusgabe(form), 10.5, 10.5, QColor(0, 255, 255)));
    QCOMPARE(form.spielfeld().zyklus(), 0);
}

void TestSpielzyklus::ergebnisMachtSpielerUndBalken()
{
    const float ja = 0.1f, nein = 0.9f;
    const float z20 = ScriptedZufall::fuer(20);
    Form1 form(zehnSpielerInZeileNull({ja, z20, z20, nein, nein, nein, nein, nein, nein, nein, nein, nein}));
    ui(form).cmdZielsuche->click();
    QCOMPARE(zellfarbe(form, 20, 20), QColor(0, 0, 255));
    ui(form).cmdErgebnis->click();
    QCOMPARE(zellfarbe(form, 20, 20), QColor(255, 0, 0));
    // A committed player fills its whole cell, the grid drawn over it again.
    QCOMPARE(colourAt(picAusgabe(form), 20, 20.45), QColor(100, 100, 100));
    QCOMPARE(roteZellen(form), 11);
    QCOMPARE(ui(form).Text1->text(), QStringLiteral("11"));
    QCOMPARE(ui(form).txtdelta->text(), QString());
    QCOMPARE(ui(form).txtNeuSum->text(), QString());
    QCOMPARE(form.spielfeld().zyklus(), 1);
    QCOMPARE(form.spielfeld().anzahlVerlauf(1), 11);
    QCOMPARE(form.spielfeld().feldStatus(20, 20), 0);
    // No pass: the count repeats.
    ui(form).cmdErgebnis->click();
    QCOMPARE(form.spielfeld().anzahlVerlauf(2), 11);
    QCOMPARE(penWidth(picHisto(form)), 3);
}

void TestSpielzyklus::balkenStehtBeiNMitSeinerHoehe()
{
    Form1 form;
    ui(form).vscFaktor->setAngezeigterWert(15);
    zyklen(form, 12);
    const QImage bild = picHisto(form).picture();
    for (int n : {1, 5, 12}) {
        const int anzahl = form.spielfeld().anzahlVerlauf(n);
        const double hoehe = balkenhoehe(form, n, QColor(200, 20, 20));
        QVERIFY2(std::fabs(hoehe - anzahl) <= 2 * 2500.0 / bild.height(),
                 qPrintable(QStringLiteral("cycle %1: %2 players, bar %3").arg(n).arg(anzahl).arg(hoehe)));
        const int spalte = static_cast<int>(std::floor(n * bild.width() / 120.0));
        QCOMPARE(bild.pixelColor(spalte - 1, 424), QColor(200, 20, 20));
        QCOMPARE(bild.pixelColor(spalte + 1, 424), QColor(200, 20, 20));
        QVERIFY(bild.pixelColor(spalte - 2, 424) != QColor(200, 20, 20));
    }
    QVERIFY(form.spielfeld().anzahlVerlauf(12) >= form.spielfeld().anzahlVerlauf(1));
}

void TestSpielzyklus::verschieben_data()
{
    QTest::addColumn<int>("vorherZyklen");
    QTest::addColumn<int>("wert");
    QTest::addColumn<int>("erwartet");
    // The chart's left edge at zoom 1: (6600 - value) twips, 15 to a pixel.
    QTest::addColumn<int>("links");
    QTest::newRow("cycle 36 does not pan") << 35 << 0 << 0 << 440;
    QTest::newRow("cycle 37 pans") << 36 << 0 << 240 << 424;
    QTest::newRow("17760 reaches 18000") << 36 << 17760 << 18000 << -760;
    QTest::newRow("18000 stays") << 36 << 18000 << 18000 << -760;
    QTest::newRow("beyond the limit stays") << 50 << 20000 << 20000 << -893;
    QTest::newRow("just below the limit") << 36 << 17999 << 18239 << -776;
    QTest::newRow("second run from 3360") << 36 << 3360 << 3600 << 200;
}

void TestSpielzyklus::verschieben()
{
    QFETCH(int, vorherZyklen);
    QFETCH(int, wert);
    QFETCH(int, erwartet);
    QFETCH(int, links);
    Form1 form;
    for (int i = 0; i < vorherZyklen; ++i)
        ui(form).cmdErgebnis->click();
    QScrollBar* schieber = ui(form).HScroll2;
    schieber->setValue(wert);
    ui(form).cmdErgebnis->click();
    QCOMPARE(schieber->value(), erwartet);
    QCOMPARE(picHisto(form).x(), links);
}

void TestSpielzyklus::verschiebenFolgtDemSchieberLive()
{
    Form1 form;
    QScrollBar* schieber = ui(form).HScroll2;
    schieber->setSliderDown(true);
    schieber->setSliderPosition(6600);
    QCOMPARE(picHisto(form).x(), 0);
    schieber->setSliderPosition(24600);
    QCOMPARE(picHisto(form).x(), -1200);
    schieber->setSliderDown(false);
    QCOMPARE(picHisto(form).y(), 160);
}

void TestSpielzyklus::schnelldurchlauf_data()
{
    QTest::addColumn<int>("startzyklus");
    QTest::addColumn<int>("verschiebung");
    QTest::newRow("from cycle 0") << 0 << 0;
    QTest::newRow("from cycle 30") << 30 << 960;
}

void TestSpielzyklus::schnelldurchlauf()
{
    QFETCH(int, startzyklus);
    QFETCH(int, verschiebung);
    Form1 form;
    for (int i = 0; i < startzyklus; ++i)
        ui(form).cmdErgebnis->click();
    klick(ui(form).Command2);
    QCOMPARE(form.spielfeld().zyklus(), startzyklus + 10);
    QCOMPARE(ui(form).HScroll2->value(), verschiebung);
    QCOMPARE(ui(form).Text1->text(), QString::number(form.spielfeld().anzahlVerlauf(startzyklus + 10)));
    QCOMPARE(ui(form).txtdelta->text(), QString());
    QCOMPARE(ui(form).txtNeuSum->text(), QString());
    for (int n = startzyklus + 1; n <= startzyklus + 10; ++n)
        QVERIFY(form.spielfeld().anzahlVerlauf(n) >= form.spielfeld().anzahlVerlauf(n - 1));
    QCOMPARE(roteZellen(form), form.spielfeld().anzahlSpieler());
}

void TestSpielzyklus::verschachtelterSchnelldurchlauf()
{
    Form1 form;
    // A second click waits in the event queue and runs between two steps.
    QTimer::singleShot(0, &form, [&form] { klick(ui(form).Command2); });
    ui(form).Command2->click();
    QCOMPARE(form.spielfeld().zyklus(), 20);
}

// A class holding the key down: 5000 clicks wait when the run first lets
// events run. Each used to start a whole run inside the running one, until
// the stack overflowed; now the runs wait on a bounded stack of their own.
void TestSpielzyklus::tausendeKlicksImSchnelldurchlauf()
{
    Form1 form;
    // One player and p = 1: cheap cycles, also under the sanitizers.
    ui(form).vscStart->setAngezeigterWert(1);
    ui(form).vscFaktor->setAngezeigterWert(1);
    auto* knopf = ui(form).Command2;
    const QPoint mitte = knopf->rect().center();
    for (int i = 0; i < 5000; ++i) {
        for (QEvent::Type art : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            QCoreApplication::postEvent(knopf, new QMouseEvent(art, mitte, knopf->mapToGlobal(mitte), Qt::LeftButton,
                                                               art == QEvent::MouseButtonPress ? Qt::LeftButton
                                                                                               : Qt::NoButton,
                                                               Qt::NoModifier));
    }
    ui(form).Command2->click();
    // The first run and 19 accepted clicks: 200 cycles waited at most.
    QCOMPARE(form.spielfeld().zyklus(), 200);
    for (int n = 1; n <= 200; ++n) {
        QVERIFY(form.spielfeld().anzahlVerlauf(n) >= form.spielfeld().anzahlVerlauf(n - 1));
        QVERIFY(form.spielfeld().anzahlVerlauf(n) <= Spielfeld::zellenAnzahl);
    }
    QCOMPARE(ui(form).Text1->text(), QString::number(form.spielfeld().anzahlVerlauf(200)));
    // Afterwards the window answers as usual.
    klick(ui(form).cmdErgebnis);
    QCOMPARE(form.spielfeld().zyklus(), 201);
    klick(ui(form).Command2);
    QCOMPARE(form.spielfeld().zyklus(), 211);
}

void TestSpielzyklus::gleicheBilderNachZweiStarts()
{
    Form1 erstes, zweites;
    for (Form1* form : {&erstes, &zweites}) {
        ui(*form).Command2->click();
        ui(*form).cmdZielsuche->click();
    }
    QCOMPARE(picAusgabe(erstes).picture(), picAusgabe(zweites).picture());
    QCOMPARE(picHisto(erstes).picture(), picHisto(zweites).picture());
}

void TestSpielzyklus::diagrammLoeschenLaesstZustand()
{
    Form1 form;
    zyklen(form, 3);
    const QString anzahl = ui(form).Text1->text();
    klick(ui(form).Command5);
    const QImage gewischt = picHisto(form).picture();
    for (int x = 0; x < gewischt.width(); ++x)
        for (int y = 0; y < gewischt.height(); ++y)
            QVERIFY(gewischt.pixelColor(x, y) != QColor(200, 20, 20) && gewischt.pixelColor(x, y) != QColor(255, 50, 50));
    QCOMPARE(colourAt(picHisto(form), 2.5, 150), QColor(255, 255, 255));
    QCOMPARE(colourAt(picHisto(form), 2, 1000), QColor(240, 240, 240));
    QCOMPARE(colourAt(picHisto(form), 2.5, 1000), QColor(100, 100, 255));
    QCOMPARE(form.spielfeld().zyklus(), 3);
    QCOMPARE(ui(form).Text1->text(), anzahl);
    ui(form).cmdErgebnis->click();
    QCOMPARE(colourAt(picHisto(form), 4, 5), QColor(200, 20, 20));
    QCOMPARE(colourAt(picHisto(form), 3, 5), QColor(240, 240, 240));
}

void TestSpielzyklus::startzahlAendern()
{
    Form1 form;
    ui(form).cmdErgebnis->click();
    ui(form).vscStart->setAngezeigterWert(11);
    QCOMPARE(ui(form).txtStart->text(), QStringLiteral("11"));
    QCOMPARE(ui(form).Text1->text(), QStringLiteral("11"));
    QCOMPARE(roteZellen(form), 11);
    QCOMPARE(form.spielfeld().zyklus(), 0);
    const double hoehe = balkenhoehe(form, 0.1, QColor(255, 50, 50));
    QVERIFY(std::fabs(hoehe - 11) <= 2500.0 / 425);
    QCOMPARE(ui(form).txtHilfe->text(), QStringLiteral("Startwert A(0) = 11 Spieler"));
}

void TestSpielzyklus::startzahlPfeilNachObenErhoeht()
{
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    TopHighScrollBar* balken = ui(form).vscStart;
    QTest::mouseClick(balken, Qt::LeftButton, {}, QPoint(balken->width() / 2, 2));
    QCOMPARE(balken->angezeigterWert(), 11);
    QCOMPARE(ui(form).txtStart->text(), QStringLiteral("11"));
    QTest::mouseClick(balken, Qt::LeftButton, {}, QPoint(balken->width() / 2, balken->height() - 3));
    QCOMPARE(balken->angezeigterWert(), 10);
    // The thumb at the top means 50.
    balken->setSliderDown(true);
    balken->setSliderPosition(balken->minimum());
    balken->setSliderDown(false);
    QCOMPARE(balken->angezeigterWert(), 50);
    QCOMPARE(roteZellen(form), 50);
}

void TestSpielzyklus::ziehenAlleinAendertNichts()
{
    Form1 form;
    TopHighScrollBar* balken = ui(form).vscStart;
    const QImage feld = picAusgabe(form).picture();
    balken->setSliderDown(true);
    balken->setSliderPosition(-30);
    QCOMPARE(ui(form).txtStart->text(), QStringLiteral("10"));
    QCOMPARE(picAusgabe(form).picture(), feld);
    balken->setSliderDown(false);
    QCOMPARE(ui(form).txtStart->text(), QStringLiteral("30"));
    QCOMPARE(roteZellen(form), 30);
}

void TestSpielzyklus::wachstumsrateAendern()
{
    Form1 form;
    const QImage feld = picAusgabe(form).picture();
    const QImage diagramm = picHisto(form).picture();
    ui(form).vscFaktor->setAngezeigterWert(15);
    QCOMPARE(ui(form).txtFaktor->text(), QStringLiteral("15"));
    QCOMPARE(ui(form).txtHilfe->text(), QStringLiteral("Wachstumsrate p = 150%"));
    QCOMPARE(picAusgabe(form).picture(), feld);
    QCOMPARE(picHisto(form).picture(), diagramm);
    QCOMPARE(form.spielfeld().zyklus(), 0);
}

void TestSpielzyklus::hilfeUeberDenEingaben()
{
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::mouseMove(ui(form).txtFaktor, QPoint(5, 5));
    QCOMPARE(ui(form).txtHilfe->text(), QStringLiteral("Wachstumsrate p = 50%"));
    QTest::mouseMove(ui(form).txtStart, QPoint(5, 5));
    QCOMPARE(ui(form).txtHilfe->text(), QStringLiteral("Startwert A(0) = 10 Spieler"));
}

QTEST_MAIN(TestSpielzyklus)
#include "tst_spielzyklus.moc"
