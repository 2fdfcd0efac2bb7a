// SPDX-License-Identifier: GPL-3.0-or-later
// What the evaluation shows of a run: the counts, both Verhulst curves with
// their fit, and many games only when they belong to this run.

#include "gespielterlauf.h"
#include "laufauswertung.h"
#include "spielfeld.h"
#include "standardzufallsquelle.h"

#include <QTest>

namespace {

EnsembleKurven vieleSpiele(int startSpieler, double p)
{
    EnsembleKurven kurven;
    kurven.auftrag.startSpieler = startSpieler;
    kurven.auftrag.p = p;
    kurven.mittel = {double(startSpieler)};
    return kurven;
}

} // namespace

class TestLaufauswertung : public QObject
{
    Q_OBJECT

private slots:
    void kurvenUndAnpassung();
    void ohneZyklusNichtsAnzupassen();
    void vieleSpieleNurZumLauf_data();
    void vieleSpieleNurZumLauf();
};

void TestLaufauswertung::kurvenUndAnpassung()
{
    const Spielfeld feld = gespielterLauf(10, 5, 10);
    const LaufAuswertung auswertung = laufAuswerten(feld, 5, 1, std::nullopt);
    QCOMPARE(auswertung.anzahlen.size(), std::size_t(11));
    QCOMPARE(auswertung.anzahlen.front(), 10.0);
    QCOMPARE(auswertung.anzahlen.back(), double(feld.anzahlVerlauf(10)));
    QCOMPARE(auswertung.verhulstAktuell, verhulstFolge(10, 5, 1, 10).werte);
    QVERIFY(auswertung.beste.gefunden);
    QCOMPARE(auswertung.verhulstBeste, verhulstFolge(10, 5, auswertung.beste.t, 10).werte);
    // The best t fits at least as well as the current one.
    QVERIFY(auswertung.aktuell.vergleichbar);
    QVERIFY(auswertung.beste.rms <= auswertung.aktuell.rms);
    QVERIFY(!auswertung.andererFaktor);
    QVERIFY(laufAuswerten(feld, 6, 1, std::nullopt).andererFaktor);
}

void TestLaufauswertung::ohneZyklusNichtsAnzupassen()
{
    const LaufAuswertung auswertung = laufAuswerten(gespielterLauf(10, 5, 0), 5, 1, std::nullopt);
    QCOMPARE(auswertung.anzahlen, std::vector<double>{10.0});
    QVERIFY(!auswertung.beste.gefunden);
    QVERIFY(auswertung.verhulstBeste.empty());
    QCOMPARE(auswertung.verhulstAktuell, std::vector<double>{10.0});
}

void TestLaufauswertung::vieleSpieleNurZumLauf_data()
{
    QTest::addColumn<int>("startSpieler");
    QTest::addColumn<double>("p");
    QTest::addColumn<bool>("gezeigt");
    QTest::newRow("same A(0) and p") << 10 << 5.0 << true;
    QTest::newRow("another A(0)") << 11 << 5.0 << false;
    QTest::newRow("another p") << 10 << 6.0 << false;
}

void TestLaufauswertung::vieleSpieleNurZumLauf()
{
    QFETCH(int, startSpieler);
    QFETCH(double, p);
    QFETCH(bool, gezeigt);
    const LaufAuswertung auswertung = laufAuswerten(gespielterLauf(10, 5, 3), 5, 1, vieleSpiele(startSpieler, p));
    QCOMPARE(auswertung.ensemble.has_value(), gezeigt);
}

QTEST_APPLESS_MAIN(TestLaufauswertung)
#include "tst_laufauswertung.moc"
