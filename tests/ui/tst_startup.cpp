// SPDX-License-Identifier: GPL-3.0-or-later
#include "fensterhilfen.h"
#include "fenstertest.h"

#include <QLabel>
#include <QMenuBar>

#include <set>

using namespace fenster;

namespace {

int zOrder(const QWidget* widget)
{
    return static_cast<int>(widget->parentWidget()->children().indexOf(const_cast<QWidget*>(widget)));
}

std::set<std::pair<int, int>> spielerZellen(const Spielfeld& feld)
{
    std::set<std::pair<int, int>> zellen;
    for (int x = 0; x < 50; ++x)
        for (int y = 0; y < 50; ++y)
            if (feld.feldBesetzt(x, y) == 1)
                zellen.insert({x, y});
    return zellen;
}

} // namespace

class TestStartup : public FensterTest
{
    Q_OBJECT

private slots:
    void zustandNachDemStart();
    void texteNachDemStart_data();
    void texteNachDemStart();
    void versteckteSteuerelemente_data();
    void versteckteSteuerelemente();
    void clientGroesseUndMenue();
    void zehnRoteZellenAufDemGitter();
    void startbalkenUndGitterDesDiagramms();
    void feldLiegtVorDemDiagramm();
    void flaechenLiegenUeberHilfezeileUndSchieber();
    void gleicheZellenBeiJedemStart();
    void hilfezeileUeberDemFeld_data();
    void hilfezeileUeberDemFeld();
    void freihandlinie();
    void neueInitialisierungLoeschtFreihandlinie();
    void geisterbalkenDesLetztenLaufs();
    void command6Und7TauschenDieReihenfolge();

};

void TestStartup::zustandNachDemStart()
{
    QCOMPARE(m_form->spielfeld().zyklus(), 0);
    QCOMPARE(m_form->exponentT(), 1.0);
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Nivra1.0"));
    QCOMPARE(static_cast<int>(spielerZellen(m_form->spielfeld()).size()), 10);
    // The initialisation places players but leaves the count as it was.
    QCOMPARE(m_form->spielfeld().anzahlSpieler(), 0);
    for (int i = 0; i <= 50; ++i) {
        QCOMPARE(m_form->spielfeld().feldBesetzt(50, i), 0);
        QCOMPARE(m_form->spielfeld().feldBesetzt(i, 50), 0);
    }
}

void TestStartup::texteNachDemStart_data()
{
    QTest::addColumn<QString>("steuerelement");
    QTest::addColumn<QString>("text");
    QTest::newRow("txtStart") << "txtStart" << "10";
    QTest::newRow("txtFaktor") << "txtFaktor" << "5";
    QTest::newRow("Text1") << "Text1" << "10";
    QTest::newRow("Text2") << "Text2" << "10";
    QTest::newRow("Text4") << "Text4" << "1";
    QTest::newRow("txtExponent") << "txtExponent" << "t = 1";
    QTest::newRow("txtdelta") << "txtdelta" << "";
    QTest::newRow("txtNeuSum") << "txtNeuSum" << "";
    QTest::newRow("help line starts empty") << "txtHilfe" << "";
    QTest::newRow("x label 10") << "txtskala2" << "10";
    QTest::newRow("x label 50") << "Text3" << "50";
}

void TestStartup::texteNachDemStart()
{
    QFETCH(QString, steuerelement);
    QFETCH(QString, text);
    QCOMPARE(steuerelementNamens<QLineEdit>(*m_form, steuerelement)->text(), text);
}

void TestStartup::versteckteSteuerelemente_data()
{
    QTest::addColumn<QString>("steuerelement");
    QTest::addColumn<bool>("sichtbar");
    QTest::newRow("HScroll1") << "HScroll1" << false;
    QTest::newRow("txtSkala") << "txtSkala" << false;
    QTest::newRow("Command4") << "Command4" << false;
    QTest::newRow("image2") << "image2" << false;
    QTest::newRow("Command8") << "Command8" << false;
    QTest::newRow("Picture3") << "Picture3" << false;
    QTest::newRow("picAusgabe") << "picAusgabe" << true;
    QTest::newRow("picHisto") << "picHisto" << true;
    QTest::newRow("HScroll2") << "HScroll2" << true;
    QTest::newRow("Command5") << "Command5" << true;
    QTest::newRow("Label6") << "Label6" << true;
}

void TestStartup::versteckteSteuerelemente()
{
    QFETCH(QString, steuerelement);
    QFETCH(bool, sichtbar);
    QCOMPARE(steuerelementNamens(*m_form, steuerelement)->isVisible(), sichtbar);
}

void TestStartup::clientGroesseUndMenue()
{
    QCOMPARE(m_form->centralWidget()->size(), QSize(916, 629));
    const QList<QAction*> eintraege = m_form->menuBar()->actions();
    QCOMPARE(eintraege.size(), 4);
    QCOMPARE(eintraege[0]->text().remove(QLatin1Char('&')), QStringLiteral("Programm beenden"));
    QCOMPARE(eintraege[1]->text().remove(QLatin1Char('&')), QStringLiteral("Erläuterung"));
    QCOMPARE(eintraege[2]->text().remove(QLatin1Char('&')), QStringLiteral("Information"));
    QCOMPARE(eintraege[3]->text().remove(QLatin1Char('&')), QStringLiteral("Klassenspiel"));
    QCOMPARE(ui(*m_form).Label6->text(), QStringLiteral("Δ"));
    // The vertical bars have their larger end at the top.
    QCOMPARE(ui(*m_form).vscStart->angezeigterWert(), 10);
    QCOMPARE(ui(*m_form).vscStart->groesster(), 50);
    QCOMPARE(ui(*m_form).vscFaktor->angezeigterWert(), 5);
    QCOMPARE(ui(*m_form).vscFaktor->kleinster(), 1);
}

void TestStartup::zehnRoteZellenAufDemGitter()
{
    QCOMPARE(roteZellen(*m_form), 10);
    const QImage feld = picAusgabe(*m_form).picture();
    QCOMPARE(feld.size(), QSize(442, 425));
    // A free cell: black inside, grey outline at its left edge.
    for (int x = 0; x < 50; ++x) {
        if (m_form->spielfeld().feldBesetzt(x, 0) == 0) {
            QCOMPARE(zellfarbe(*m_form, x, 0), QColor(0, 0, 0));
            QCOMPARE(colourAt(picAusgabe(*m_form), x, 0.45), QColor(100, 100, 100));
            break;
        }
    }
    // A player: red from its top-left corner, the grid visible right of it.
    for (int x = 0; x < 50; ++x) {
        for (int y = 0; y < 50; ++y) {
            if (m_form->spielfeld().feldBesetzt(x, y) != 1)
                continue;
            QCOMPARE(colourAt(picAusgabe(*m_form), x, y), QColor(255, 0, 0));
            QCOMPARE(colourAt(picAusgabe(*m_form), x + 0.8, y + 0.8), QColor(255, 0, 0));
            if (x < 49 && m_form->spielfeld().feldBesetzt(x + 1, y) == 0)
                QCOMPARE(colourAt(picAusgabe(*m_form), x + 1, y + 0.45), QColor(100, 100, 100));
        }
    }
}

void TestStartup::startbalkenUndGitterDesDiagramms()
{
    Bildflaeche& chart = picHisto(*m_form);
    QCOMPARE(chart.picture().size(), QSize(1667, 425));
    // The bar of cycle 0 is 10 players high: two pixel rows at this size.
    const double hoehe = balkenhoehe(*m_form, 0.1, QColor(255, 50, 50));
    QVERIFY2(hoehe > 0 && std::fabs(hoehe - 10) <= 2500.0 / 425, qPrintable(QString::number(hoehe)));
    QCOMPARE(colourAt(chart, 0.1, 5), QColor(255, 50, 50));
    // Above it the column is erased up to 50 players.
    QCOMPARE(colourAt(chart, 0.1, 40), QColor(255, 255, 255));
    // The grid: every 1000 players dark blue, other hundreds pale blue, every
    // tenth cycle darker grey, and the vertical lines over the horizontal ones.
    QCOMPARE(colourAt(chart, 55.5, 1000), QColor(100, 100, 255));
    QCOMPARE(colourAt(chart, 55.5, 2000), QColor(100, 100, 255));
    QCOMPARE(colourAt(chart, 55.5, 1100), QColor(200, 200, 255));
    QCOMPARE(colourAt(chart, 55.5, 0), QColor(100, 100, 255));
    QCOMPARE(colourAt(chart, 10, 1050), QColor(220, 220, 220));
    QCOMPARE(colourAt(chart, 11, 1050), QColor(240, 240, 240));
    QCOMPARE(colourAt(chart, 10, 1000), QColor(220, 220, 220));
    QCOMPARE(colourAt(chart, 55.5, 1050), QColor(255, 255, 255));
}

void TestStartup::feldLiegtVorDemDiagramm()
{
    QVERIFY(zOrder(&picAusgabe(*m_form)) > zOrder(&picHisto(*m_form)));
}

// The surfaces share their top row with the chart's scroll bar and their
// bottom row with the help line; they lie above both, so the grid lines on
// their edges show (the chart's y = 0 and y = 2500, the field's outer lines).
void TestStartup::flaechenLiegenUeberHilfezeileUndSchieber()
{
    const QImage fenster = m_form->centralWidget()->grab().toImage();
    const auto imFenster = [this, &fenster](const Bildflaeche& flaeche, QPoint punkt) {
        return fenster.pixelColor(flaeche.mapTo(m_form->centralWidget(), punkt));
    };
    const Bildflaeche& chart = picHisto(*m_form);
    const Bildflaeche& feld = picAusgabe(*m_form);
    const int zwischenGitterlinien = static_cast<int>(5.5 * chart.width() / 120.0);
    QCOMPARE(imFenster(chart, QPoint(zwischenGitterlinien, chart.height() - 1)), QColor(100, 100, 255));
    QCOMPARE(imFenster(chart, QPoint(zwischenGitterlinien, 0)), QColor(200, 200, 255));
    for (int x : {5, feld.width() / 2})
        for (int y : {0, feld.height() - 1})
            QCOMPARE(imFenster(feld, QPoint(x, y)), QColor(100, 100, 100));
}

void TestStartup::gleicheZellenBeiJedemStart()
{
    Form1 zweites;
    QVERIFY(spielerZellen(zweites.spielfeld()) == spielerZellen(m_form->spielfeld()));
    QCOMPARE(picAusgabe(zweites).picture(), picAusgabe(*m_form).picture());
    QCOMPARE(picHisto(zweites).picture(), picHisto(*m_form).picture());
}

void TestStartup::hilfezeileUeberDemFeld_data()
{
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QString>("nummer");
    QTest::newRow("top left cell") << QPoint(2, 2) << " 1";
    QTest::newRow("bottom right cell") << QPoint(440, 423) << " 2500";
    QTest::newRow("column 4 of row 2") << QPoint(4 * 442 / 50 + 3, 2 * 425 / 50 + 3) << " 105";
}

void TestStartup::hilfezeileUeberDemFeld()
{
    QFETCH(QPoint, pixel);
    QFETCH(QString, nummer);
    QTest::mouseMove(&picAusgabe(*m_form), pixel);
    QCOMPARE(ui(*m_form).txtHilfe->text(), QStringLiteral("50x50 Zellen stellen 2500 Individuen dar      ") + nummer);
}

void TestStartup::freihandlinie()
{
    Bildflaeche& feld = picAusgabe(*m_form);
    const QImage vorher = feld.picture();
    QTest::mouseMove(&feld, QPoint(100, 100));
    QCOMPARE(feld.picture(), vorher);
    QTest::mousePress(&feld, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(&feld, QPoint(200, 100));
    QTest::mouseMove(&feld, QPoint(200, 200));
    QTest::mouseRelease(&feld, Qt::LeftButton, {}, QPoint(200, 200));
    const QImage gezeichnet = feld.picture();
    QCOMPARE(gezeichnet.pixelColor(150, 100), QColor(255, 255, 255));
    QCOMPARE(gezeichnet.pixelColor(200, 150), QColor(255, 255, 255));
    // After the release a move draws nothing.
    QTest::mouseMove(&feld, QPoint(300, 300));
    QCOMPARE(feld.picture(), gezeichnet);
    QCOMPARE(gezeichnet.pixelColor(250, 250), vorher.pixelColor(250, 250));
}

void TestStartup::neueInitialisierungLoeschtFreihandlinie()
{
    Bildflaeche& feld = picAusgabe(*m_form);
    QTest::mousePress(&feld, Qt::LeftButton, {}, QPoint(10, 300));
    QTest::mouseMove(&feld, QPoint(400, 300));
    QTest::mouseRelease(&feld, Qt::LeftButton, {}, QPoint(400, 300));
    QCOMPARE(feld.picture().pixelColor(200, 300), QColor(Qt::white));
    klick(ui(*m_form).cmdStart);
    const QImage neu = feld.picture();
    int weiss = 0;
    for (int x = 0; x < neu.width(); ++x)
        weiss += neu.pixelColor(x, 300) == QColor(Qt::white);
    QCOMPARE(weiss, 0);
    QCOMPARE(roteZellen(*m_form), 10);
    QCOMPARE(m_form->spielfeld().zyklus(), 0);
}

void TestStartup::geisterbalkenDesLetztenLaufs()
{
    for (int i = 0; i < 3; ++i) {
        ui(*m_form).cmdZielsuche->click();
        ui(*m_form).cmdErgebnis->click();
    }
    const int a3 = m_form->spielfeld().anzahlVerlauf(3);
    QVERIFY(a3 >= 10);
    ui(*m_form).cmdStart->click();
    // The last run's bar of cycle 3 stays in pale red, with the grid line
    // through its middle.
    Bildflaeche& chart = picHisto(*m_form);
    const QImage bild = chart.picture();
    const int spalte = static_cast<int>(std::floor(3 * bild.width() / 120.0));
    QCOMPARE(bild.pixelColor(spalte - 1, 423), QColor(215, 150, 150));
    QCOMPARE(bild.pixelColor(spalte, 423), QColor(240, 240, 240));
    QCOMPARE(bild.pixelColor(spalte + 1, 423), QColor(215, 150, 150));
    // The new cycle-0 bar is drawn over the old one.
    QCOMPARE(colourAt(chart, 0.1, 5), QColor(255, 50, 50));
}

void TestStartup::command6Und7TauschenDieReihenfolge()
{
    klick(ui(*m_form).Command6);
    QVERIFY(zOrder(&picHisto(*m_form)) > zOrder(&picAusgabe(*m_form)));
    const QImage bild = picAusgabe(*m_form).picture();
    klick(ui(*m_form).Command7);
    QVERIFY(zOrder(&picAusgabe(*m_form)) > zOrder(&picHisto(*m_form)));
    QCOMPARE(picAusgabe(*m_form).picture(), bild);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
