// SPDX-License-Identifier: GPL-3.0-or-later
// "Das Spiel vom Programmstart" (Ctrl+N, or its button in the evaluation):
// whatever was played before, the same clicks then give the game that
// follows a start of the program, with A(0), p and t kept.
#include "auswertungsfenster.h"
#include "fensterhilfen.h"
#include "fenstertest.h"

#include <functional>

using namespace fenster;

namespace {

using Vorher = std::function<void(Form1&)>;

void zyklus(Form1& form)
{
    klick(ui(form).cmdZielsuche);
    klick(ui(form).cmdErgebnis);
}

void tSetzen(Form1& form)
{
    ui(form).Text4->setText(QStringLiteral("2"));
    klick(ui(form).Command3);
}

std::vector<Zelle> spielerZellen(const Form1& form)
{
    std::vector<Zelle> zellen;
    for (int x = 0; x < Spielfeld::groesse; ++x)
        for (int y = 0; y < Spielfeld::groesse; ++y)
            if (form.spielfeld().feldBesetzt(x, y) == 1)
                zellen.push_back({x, y});
    return zellen;
}

} // namespace

Q_DECLARE_METATYPE(Vorher)

class TestProgrammstart : public FensterTest
{
    Q_OBJECT

private slots:
    void wieNachDemStart_data();
    void wieNachDemStart();
};

void TestProgrammstart::wieNachDemStart_data()
{
    QTest::addColumn<Vorher>("vorher");
    // What the program start is played with besides (A(0), p and t stay).
    QTest::addColumn<Vorher>("auchBeimStart");
    QTest::addColumn<bool>("ueberDieAuswertung");
    const Vorher nichts = [](Form1&) {};
    QTest::newRow("right after the start") << nichts << nichts << false;
    QTest::newRow("ten cycles and a curve") << Vorher([](Form1& f) {
        klick(ui(f).Command2);
        klick(ui(f).Command1);
    }) << nichts << false;
    QTest::newRow("40 cycles, chart panned, freehand") << Vorher([](Form1& f) {
        for (int i = 0; i < 4; ++i)
            klick(ui(f).Command2);
        QTest::mousePress(&picHisto(f), Qt::LeftButton, {}, QPoint(40, 40));
        QTest::mouseMove(&picHisto(f), QPoint(90, 60));
        QTest::mouseRelease(&picHisto(f), Qt::LeftButton, {}, QPoint(90, 60));
    }) << nichts << false;
    QTest::newRow("new games and half a cycle") << Vorher([](Form1& f) {
        klick(ui(f).cmdStart);
        klick(ui(f).cmdStart);
        klick(ui(f).cmdZielsuche);
    }) << nichts << false;
    QTest::newRow("p changed and kept") << Vorher([](Form1& f) {
        zyklus(f);
        ui(f).vscFaktor->setAngezeigterWert(9);
    }) << Vorher([](Form1& f) { ui(f).vscFaktor->setAngezeigterWert(9); }) << false;
    QTest::newRow("t changed and kept") << Vorher([](Form1& f) {
        zyklus(f);
        tSetzen(f);
    }) << Vorher(tSetzen) << false;
    QTest::newRow("button in the evaluation") << Vorher([](Form1& f) { klick(ui(f).Command2); }) << nichts << true;
}

void TestProgrammstart::wieNachDemStart()
{
    QFETCH(Vorher, vorher);
    QFETCH(Vorher, auchBeimStart);
    QFETCH(bool, ueberDieAuswertung);
    Form1 start;
    auchBeimStart(start);
    vorher(*m_form);
    if (ueberDieAuswertung) {
        QTest::keyClick(m_form.get(), Qt::Key_T, Qt::ControlModifier);
        auto* auswertung = m_form->findChild<Auswertungsfenster*>();
        for (QPushButton* k : auswertung->findChildren<QPushButton*>())
            if (k->text().remove(QLatin1Char('&')) == QStringLiteral("Das Spiel vom Programmstart"))
                klick(k);
    } else {
        QTest::keyClick(m_form.get(), Qt::Key_N, Qt::ControlModifier);
    }
    QCOMPARE(m_form->spielfeld().zyklus(), 0);
    QVERIFY(spielerZellen(*m_form) == spielerZellen(start));
    QCOMPARE(m_form->exponentT(), start.exponentT());
    QCOMPARE(ui(*m_form).txtFaktor->text(), ui(start).txtFaktor->text());
    // The chart shows no curve, no last run and no drawing: as after a start
    // (Command3 redraws the grid lines the start drew once).
    if (start.exponentT() == 1.0)
        QCOMPARE(picHisto(*m_form).picture(), picHisto(start).picture());
    QCOMPARE(ui(*m_form).HScroll2->value(), 0);
    for (int n = 1; n <= 3; ++n) {
        zyklus(*m_form);
        zyklus(start);
        QCOMPARE(m_form->spielfeld().anzahlVerlauf(n), start.spielfeld().anzahlVerlauf(n));
        QCOMPARE(picAusgabe(*m_form).picture(), picAusgabe(start).picture());
    }
    QCOMPARE(ui(*m_form).Text1->text(), ui(start).Text1->text());
}

QTEST_MAIN(TestProgrammstart)
#include "tst_programmstart.moc"
