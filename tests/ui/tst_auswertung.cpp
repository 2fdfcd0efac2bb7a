// SPDX-License-Identifier: GPL-3.0-or-later
// The evaluation window beside the main window: opened with Ctrl+T, it
// follows the game, takes the best t over as a teacher would type it,
// copies its table for a spreadsheet and plays many games without touching
// the main game.
#include "auswertungsfenster.h"
#include "auswertungstabelle.h"
#include "fensterhilfen.h"
#include "fenstertest.h"
#include "verhulst.h"

#include <QAccessible>
#include <QChartView>
#include <QClipboard>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableView>
#include <QWindow>

using namespace fenster;

namespace {

Auswertungsfenster* oeffnen(Form1& form)
{
    // Ctrl+T reaches the window's shortcut while it is the active one.
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form))
        return nullptr;
    QTest::keyClick(&form, Qt::Key_T, Qt::ControlModifier);
    auto* auswertung = form.findChild<Auswertungsfenster*>();
    if (auswertung)
        QCoreApplication::processEvents();
    return auswertung;
}

QPushButton* knopf(const QWidget& fenster, const QString& text)
{
    for (QPushButton* k : fenster.findChildren<QPushButton*>())
        if (k->text().remove(QLatin1Char('&')) == text)
            return k;
    return nullptr;
}

QString ergebnis(const Auswertungsfenster& fenster)
{
    const QLabel* text = fenster.findChild<QLabel*>();
    return text ? text->text() : QString();
}

double deutschGelesen(const QString& text, bool* ok)
{
    return QLocale(QLocale::German).toDouble(text, ok);
}

} // namespace

class TestAuswertung : public FensterTest
{
    Q_OBJECT

private slots:
    void strgTOeffnetUndSchliesst();
    void vorDemErstenZyklus();
    void folgtDemSpiel();
    void bestesTWieGetippt();
    void bestesTGenauUebernommen();
    void bestesTOhneMeldungZumAltenT();
    void tabelleFuerDieTabellenkalkulation();
    void vieleSpieleLassenDasSpiel();
    void mittelMitKomma();
    void abbrechenSagtWieVieleSpiele();
    void zyklenOhneZielsucheMarkiert();
    void fuerBildschirmleser();
    void schriftWaechstMitDemZoom();
};

void TestAuswertung::strgTOeffnetUndSchliesst()
{
    Auswertungsfenster* fenster = oeffnen(*m_form);
    QVERIFY(fenster);
    QVERIFY(fenster->isVisible());
    QCOMPARE(fenster->windowTitle(), QStringLiteral("Auswertung – Kettenbrief"));
    // Ctrl+T in the main window closes it and opens it again.
    for (bool danach : {false, true}) {
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
        QTest::keyClick(m_form.get(), Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(fenster->isVisible(), danach);
    }
    // In the window itself (once it has the keyboard) Esc and Ctrl+T close it.
    for (Qt::Key taste : {Qt::Key_Escape, Qt::Key_T}) {
        fenster->windowHandle()->requestActivate();
        QTRY_COMPARE(QGuiApplication::focusWindow(), fenster->windowHandle());
        QTest::keyClick(fenster, taste, taste == Qt::Key_T ? Qt::ControlModifier : Qt::NoModifier);
        QVERIFY2(!fenster->isVisible(), taste == Qt::Key_T ? "Ctrl+T" : "Esc");
        fenster->show();
        fenster->activateWindow();
    }
    // Opening and closing changes nothing of the game.
    QCOMPARE(m_form->spielfeld().zyklus(), 0);
    QCOMPARE(ui(*m_form).Text1->text(), QStringLiteral("10"));
}

void TestAuswertung::vorDemErstenZyklus()
{
    Auswertungsfenster* fenster = oeffnen(*m_form);
    QVERIFY(ergebnis(*fenster).startsWith(QStringLiteral("Vor dem ersten Zyklus gibt es noch nichts anzupassen")));
    QVERIFY(!knopf(*fenster, QStringLiteral("Bestes t übernehmen"))->isEnabled());
    QCOMPARE(fenster->findChild<QTableView*>()->model()->rowCount(), 1);
}

void TestAuswertung::folgtDemSpiel()
{
    Auswertungsfenster* fenster = oeffnen(*m_form);
    klick(ui(*m_form).Command2);
    QTRY_COMPARE(fenster->findChild<QTableView*>()->model()->rowCount(), 11);
    const QString geaendert = QStringLiteral("In diesem Spiel wurde p geändert");
    QVERIFY(ergebnis(*fenster).startsWith(QStringLiteral("Am besten passt t = ")));
    QVERIFY(!ergebnis(*fenster).contains(geaendert));
    // A p other than that of the passes is said under the result.
    ui(*m_form).vscFaktor->setAngezeigterWert(7);
    QTRY_VERIFY(ergebnis(*fenster).contains(geaendert));
    klick(ui(*m_form).cmdZielsuche);
    klick(ui(*m_form).cmdErgebnis);
    ui(*m_form).vscFaktor->setAngezeigterWert(5);
    QTRY_VERIFY(ergebnis(*fenster).contains(geaendert));
    // A new game starts the table and the passes anew.
    klick(ui(*m_form).cmdStart);
    QTRY_COMPARE(fenster->findChild<QTableView*>()->model()->rowCount(), 1);
    QVERIFY(!ergebnis(*fenster).contains(geaendert));
}

// "Bestes t übernehmen" leaves the main window as a typed t and clicks on
// "Exponent t initialisieren" and the Verhulst button would.
void TestAuswertung::bestesTWieGetippt()
{
    Form1 getippt;
    for (Form1* form : {m_form.get(), &getippt}) {
        klick(ui(*form).Command2);
        klick(ui(*form).Command1);
    }
    Auswertungsfenster* fenster = oeffnen(*m_form);
    knopf(*fenster, QStringLiteral("Bestes t übernehmen"))->click();
    const QString t = ui(*m_form).Text4->text();
    QVERIFY2(m_form->exponentT() != 1.0, qPrintable(t));

    ui(getippt).Text4->clear();
    QTest::keyClicks(ui(getippt).Text4, t);
    klick(ui(getippt).Command3);
    klick(ui(getippt).Command1);
    QCOMPARE(m_form->exponentT(), getippt.exponentT());
    QCOMPARE(ui(*m_form).txtExponent->text(), ui(getippt).txtExponent->text());
    QCOMPARE(picHisto(*m_form).picture(), picHisto(getippt).picture());
    QVERIFY(t.contains(QLatin1Char('.')) || !t.contains(QLatin1Char(',')));
}

// The t taken over is the best t to the last of its three places, the one
// the result names.
void TestAuswertung::bestesTGenauUebernommen()
{
    for (int i = 0; i < 3; ++i)
        klick(ui(*m_form).Command2);
    Auswertungsfenster* fenster = oeffnen(*m_form);
    const QRegularExpressionMatch treffer =
        QRegularExpression(QStringLiteral("^Am besten passt t = (\\d,\\d\\d\\d)")).match(ergebnis(*fenster));
    QVERIFY2(treffer.hasMatch(), qPrintable(ergebnis(*fenster)));
    bool ok = false;
    const double genannt = deutschGelesen(treffer.captured(1), &ok);
    QVERIFY(ok);
    // Only a t with a third place tells a t cut to two places apart.
    QVERIFY2(std::lround(genannt * 1000) % 10 != 0, qPrintable(treffer.captured(1)));
    knopf(*fenster, QStringLiteral("Bestes t übernehmen"))->click();
    QCOMPARE(m_form->exponentT(), genannt);
    QCOMPARE(ui(*m_form).Text4->text(), treffer.captured(1).replace(QLatin1Char(','), QLatin1Char('.')));
}

// After the curve of t = 8 and p = 15 has overflowed, taking the best t over
// says nothing about the t it throws away.
void TestAuswertung::bestesTOhneMeldungZumAltenT()
{
    ui(*m_form).vscFaktor->setAngezeigterWert(15);
    klick(ui(*m_form).Command2);
    ui(*m_form).Text4->setText(QStringLiteral("8"));
    klick(ui(*m_form).Command3);
    {
        MeldungBeantworter meldung;
        klick(ui(*m_form).Command1);
        QVERIFY2(meldung.text.startsWith(QStringLiteral("Überlauf")), qPrintable(meldung.text));
    }

    Auswertungsfenster* fenster = oeffnen(*m_form);
    MeldungBeantworter keineMeldung;
    knopf(*fenster, QStringLiteral("Bestes t übernehmen"))->click();
    QCoreApplication::processEvents();
    QVERIFY(!keineMeldung.beantwortet);
    QVERIFY(m_form->exponentT() < 8.0);
}

void TestAuswertung::tabelleFuerDieTabellenkalkulation()
{
    klick(ui(*m_form).Command2);
    Auswertungsfenster* fenster = oeffnen(*m_form);
    QTest::keyClick(fenster, Qt::Key_C, Qt::ControlModifier);
    const QStringList zeilen = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(zeilen.size(), 1 + 11);
    const QStringList kopf = zeilen[0].split(QLatin1Char('\t'));
    QCOMPARE(kopf.mid(0, 4), (QStringList{"n", "A(n)", "ΔA", "Verhulst, t = 1"}));
    QVERIFY(kopf[4].startsWith(QStringLiteral("Verhulst, t = ")));
    const VerhulstFolge kurve = verhulstFolge(10, 5, 1, 120);
    std::vector<double> spiel{10.0};
    for (int n = 1; n <= 10; ++n)
        spiel.push_back(m_form->spielfeld().anzahlVerlauf(n));
    for (int n = 0; n <= 10; ++n) {
        const QStringList zellen = zeilen[n + 1].split(QLatin1Char('\t'));
        QCOMPARE(zellen.size(), kopf.size());
        QCOMPARE(zellen[0].toInt(), n);
        bool ok = false;
        QCOMPARE(deutschGelesen(zellen[1], &ok), spiel[std::size_t(n)]);
        QVERIFY(ok);
        if (n > 0)
            QCOMPARE(deutschGelesen(zellen[2], &ok), spiel[std::size_t(n)] - spiel[std::size_t(n - 1)]);
        const double verhulst = deutschGelesen(zellen[3], &ok);
        QVERIFY2(ok, qPrintable(zellen[3]));
        QVERIFY(std::fabs(verhulst - kurve.werte[std::size_t(n)]) <= 0.05 + 1e-9);
        // Decimals with a comma, never a point.
        QVERIFY(!zeilen[n + 1].contains(QLatin1Char('.')));
    }
}

// Many games play in the background with a source of their own: the main
// game goes on exactly as it would have without them.
void TestAuswertung::vieleSpieleLassenDasSpiel()
{
    Form1 ohne;
    for (Form1* form : {m_form.get(), &ohne})
        klick(ui(*form).Command2);
    Auswertungsfenster* fenster = oeffnen(*m_form);
    fenster->findChild<QSpinBox*>()->setValue(20);
    knopf(*fenster, QStringLiteral("Viele Spiele"))->click();
    QTRY_VERIFY_WITH_TIMEOUT(ergebnis(*fenster).contains(QStringLiteral("Viele Spiele: 20 Spiele")), 30000);
    QCOMPARE(fenster->findChild<QTableView*>()->model()->columnCount(), 8);
    QCOMPARE(fenster->findChild<QProgressBar*>()->value(), 20);
    for (Form1* form : {m_form.get(), &ohne}) {
        klick(ui(*form).Command2);
        klick(ui(*form).cmdZielsuche);
    }
    for (int n = 0; n <= 20; ++n)
        QCOMPARE(m_form->spielfeld().anzahlVerlauf(n), ohne.spielfeld().anzahlVerlauf(n));
    QCOMPARE(picAusgabe(*m_form).picture(), picAusgabe(ohne).picture());
    QCOMPARE(picHisto(*m_form).picture(), picHisto(ohne).picture());
}

// Every column of many games writes its decimals with a comma.
void TestAuswertung::mittelMitKomma()
{
    LaufAuswertung stand;
    stand.anzahlen = {10, 16};
    EnsembleKurven kurven;
    kurven.auftrag.zyklen = 1;
    kurven.mittel = {10, 15.25};
    kurven.quantil10 = {10, 12.5};
    kurven.quantil90 = {10, 18.75};
    stand.ensemble = kurven;
    Auswertungstabelle tabelle;
    tabelle.setzen(stand);
    const QStringList zeile = tabelle.alsText().split(QLatin1Char('\n'))[2].split(QLatin1Char('\t'));
    // Without a best t: n, A(n), ΔA and one Verhulst column before them.
    QCOMPARE(zeile.mid(4), (QStringList{"15,3", "12,5", "18,8"}));
}

void TestAuswertung::abbrechenSagtWieVieleSpiele()
{
    klick(ui(*m_form).Command2);
    Auswertungsfenster* fenster = oeffnen(*m_form);
    fenster->findChild<QSpinBox*>()->setValue(1000);
    knopf(*fenster, QStringLiteral("Viele Spiele"))->click();
    auto* fortschritt = fenster->findChild<QProgressBar*>();
    QTRY_VERIFY(fortschritt->value() >= 1);
    knopf(*fenster, QStringLiteral("Abbrechen"))->click();
    QTRY_VERIFY(knopf(*fenster, QStringLiteral("Viele Spiele"))->isEnabled());
    QVERIFY(fortschritt->value() < 1000);
    QCOMPARE(fortschritt->text(), QStringLiteral("Abgebrochen nach %1 von 1000 Spielen").arg(fortschritt->value()));
}

// "Ergebnis" without "Zielsuche" leaves the game as it is; the evaluation
// marks those cycles and counts them.
void TestAuswertung::zyklenOhneZielsucheMarkiert()
{
    Auswertungsfenster* fenster = oeffnen(*m_form);
    klick(ui(*m_form).cmdErgebnis);
    klick(ui(*m_form).cmdErgebnis);
    klick(ui(*m_form).cmdZielsuche);
    klick(ui(*m_form).cmdErgebnis);
    const QAbstractItemModel* tabelle = fenster->findChild<QTableView*>()->model();
    QTRY_COMPARE(tabelle->rowCount(), 4);
    QVERIFY(ergebnis(*fenster).contains(QStringLiteral("In 2 Zyklen (1, 2) kam „Ergebnis“ ohne „Zielsuche“")));
    for (int n = 0; n < 4; ++n)
        QCOMPARE(tabelle->index(n, 2).data(Qt::BackgroundRole).isValid(), n == 1 || n == 2);
}

void TestAuswertung::fuerBildschirmleser()
{
    klick(ui(*m_form).Command2);
    Auswertungsfenster* fenster = oeffnen(*m_form);
    QAccessibleInterface* fensterLeser = QAccessible::queryAccessibleInterface(fenster);
    QCOMPARE(fensterLeser->role(), QAccessible::Window);
    QCOMPARE(fensterLeser->text(QAccessible::Name), QStringLiteral("Auswertung – Kettenbrief"));
    QAccessibleInterface* satz = QAccessible::queryAccessibleInterface(fenster->findChild<QLabel*>());
    QCOMPARE(satz->text(QAccessible::Description), ergebnis(*fenster));
    QVERIFY(satz->text(QAccessible::Description).startsWith(QStringLiteral("Am besten passt t = ")));
    QAccessibleInterface* bild = QAccessible::queryAccessibleInterface(fenster->findChild<QChartView*>());
    QVERIFY2(bild->text(QAccessible::Description).startsWith(QStringLiteral("Zyklus 0 bis 10. Rote Balken: das Spiel, "
                                                                               "von A(0) = 10 bis A(10) = ")),
             qPrintable(bild->text(QAccessible::Description)));
}

void TestAuswertung::schriftWaechstMitDemZoom()
{
    Auswertungsfenster* fenster = oeffnen(*m_form);
    const int klein = QFontInfo(fenster->font()).pixelSize();
    m_form->zoomSetzen(2.0);
    QCOMPARE(QFontInfo(fenster->font()).pixelSize(), 2 * klein);
    QVERIFY(fenster->findChild<QChartView*>());
}

QTEST_MAIN(TestAuswertung)
#include "tst_auswertung.moc"
