// SPDX-License-Identifier: GPL-3.0-or-later
// "Das Spiel vom Programmstart" (Ctrl+N, or its button in the evaluation):
// whatever was played before, the same clicks then give the game that
// follows a start of the program, with A(0), p and t kept.
#include "auswertungsfenster.h"
#include "fensterhilfen.h"
#include "fenstertest.h"

#include "spielfeld.h"
#include "spielnummer.h"
#include "standardzufallsquelle.h"

#include <QInputDialog>
#include <QTimer>

#include <functional>

using namespace fenster;
using Vorher = std::function<void(Form1&)>;
Q_DECLARE_METATYPE(Vorher)

class TestProgrammstart : public FensterTest
{
    Q_OBJECT

private slots:
    void wieNachDemStart_data();
    void wieNachDemStart();
    void spielNachNummer();
};

void TestProgrammstart::wieNachDemStart_data()
{
    QTest::addColumn<Vorher>("vorher");
    QTest::addColumn<bool>("pUndTGeaendert"); // the program start gets them too
    QTest::addColumn<bool>("ueberDieAuswertung");
    QTest::newRow("40 cycles, curve, chart panned, freehand") << Vorher([](Form1& f) {
        for (int i = 0; i < 4; ++i)
            klick(ui(f).Command2);
        klick(ui(f).Command1);
        QTest::mousePress(&picHisto(f), Qt::LeftButton, {}, QPoint(40, 40));
        QTest::mouseMove(&picHisto(f), QPoint(90, 60));
        QTest::mouseRelease(&picHisto(f), Qt::LeftButton, {}, QPoint(90, 60));
    }) << false << false;
    QTest::newRow("new games and half a cycle") << Vorher([](Form1& f) {
        klick(ui(f).cmdStart);
        klick(ui(f).cmdZielsuche);
    }) << false << false;
    QTest::newRow("p and t changed and kept") << Vorher([](Form1& f) {
        klick(ui(f).Command2);
    }) << true << false;
    QTest::newRow("button in the evaluation") << Vorher([](Form1& f) { klick(ui(f).Command2); }) << false << true;
}

void TestProgrammstart::wieNachDemStart()
{
    QFETCH(Vorher, vorher);
    QFETCH(bool, pUndTGeaendert);
    QFETCH(bool, ueberDieAuswertung);
    Form1 start;
    vorher(*m_form);
    for (Form1* form : {m_form.get(), &start}) {
        if (pUndTGeaendert) {
            ui(*form).vscFaktor->setAngezeigterWert(9);
            ui(*form).Text4->setText(QStringLiteral("2"));
            klick(ui(*form).Command3);
        }
    }
    if (ueberDieAuswertung) {
        QTest::keyClick(m_form.get(), Qt::Key_T, Qt::ControlModifier);
        for (QPushButton* k : m_form->findChild<Auswertungsfenster*>()->findChildren<QPushButton*>())
            if (k->text().remove(QLatin1Char('&')) == QStringLiteral("Das Spiel vom Programmstart"))
                klick(k);
    } else {
        QTest::keyClick(m_form.get(), Qt::Key_N, Qt::ControlModifier);
    }
    QCOMPARE(m_form->exponentT(), start.exponentT());
    // No curve, no pale bars of the last run, no drawing, not panned. (A new
    // t redraws the grid lines over the start's chart, so not after that.)
    if (!pUndTGeaendert)
        QCOMPARE(picHisto(*m_form).picture(), picHisto(start).picture());
    // The start cells, then three cycles.
    for (int n = 0; n <= 3; ++n) {
        QCOMPARE(picAusgabe(*m_form).picture(), picAusgabe(start).picture());
        QCOMPARE(ui(*m_form).Text1->text(), ui(start).Text1->text());
        QCOMPARE(ui(*m_form).txtdelta->text() + ui(*m_form).txtNeuSum->text(), ui(start).txtdelta->text() + ui(start).txtNeuSum->text());
        QCOMPARE(ui(*m_form).HScroll2->value(), ui(start).HScroll2->value());
        for (Form1* form : {m_form.get(), &start}) {
            klick(ui(*form).cmdZielsuche);
            klick(ui(*form).cmdErgebnis);
        }
    }
}

// Ctrl+G asks for a number: game 7 is the model's game 7 (the same on the
// page and in every replay), named in the caption.
void TestProgrammstart::spielNachNummer()
{
    QTimer::singleShot(0, [] {
        auto* frage = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        QVERIFY(frage);
        frage->setIntValue(7);
        frage->accept();
    });
    QTest::keyClick(m_form.get(), Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Nivra1.0 – Spiel 7"));
    Spielfeld feld;
    StandardZufallsquelle zufall(spielStartwert(7).value());
    feld.allesZuruecksetzen();
    (void)feld.startSpielerSetzen(10, zufall);
    for (int n = 0; n < 3; ++n) {
        (void)feld.zielsuche(5, zufall);
        klick(ui(*m_form).cmdZielsuche);
        klick(ui(*m_form).cmdErgebnis);
        QCOMPARE(ui(*m_form).Text1->text(), QString::number(feld.zyklusAbschliessen().anzahlSpieler));
    }
}

QTEST_MAIN(TestProgrammstart)
#include "tst_programmstart.moc"
