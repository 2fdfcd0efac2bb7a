// SPDX-License-Identifier: GPL-3.0-or-later
// What the field records about the current run besides the field itself:
// the growth rates its passes used, and its counts from A(0) on.

#include "spielfeld.h"
#include "standardzufallsquelle.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <vector>

class TestSpielfeldlauf : public QObject
{
    Q_OBJECT

private slots:
    void faktorenDerDurchlaeufe_data();
    void faktorenDerDurchlaeufe();
    void faktorenBleibenBegrenzt_data();
    void faktorenBleibenBegrenzt();
    void laufAnzahlen();
};

void TestSpielfeldlauf::faktorenDerDurchlaeufe_data()
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::addColumn<QList<double>>("durchlaeufe"); // p of each pass, in order
    QTest::addColumn<QList<double>>("benutzt");     // distinct, in order of first use
    QTest::addColumn<double>("frage");
    QTest::addColumn<bool>("anderer");
    QTest::newRow("no pass") << QList<double>{} << QList<double>{} << 5.0 << false;
    QTest::newRow("one rate twice") << QList<double>{5, 5} << QList<double>{5} << 5.0 << false;
    QTest::newRow("one rate, asked for another") << QList<double>{5, 5} << QList<double>{5} << 10.0 << true;
    QTest::newRow("two rates, asked for the first") << QList<double>{5, 10, 5} << QList<double>{5, 10} << 5.0
                                                    << true;
    QTest::newRow("two rates, asked for the last") << QList<double>{5, 10, 5} << QList<double>{5, 10} << 10.0
                                                   << true;
    QTest::newRow("two rates, asked for the second") << QList<double>{15, 1} << QList<double>{15, 1} << 1.0 << true;
    QTest::newRow("minus zero is zero") << QList<double>{0.0, -0.0} << QList<double>{0.0} << -0.0 << false;
    QTest::newRow("NaN twice") << QList<double>{nan, nan} << QList<double>{nan} << nan << false;
    QTest::newRow("NaN asked for a number") << QList<double>{nan} << QList<double>{nan} << 5.0 << true;
}

void TestSpielfeldlauf::faktorenDerDurchlaeufe()
{
    QFETCH(QList<double>, durchlaeufe);
    QFETCH(QList<double>, benutzt);
    QFETCH(double, frage);
    QFETCH(bool, anderer);
    Spielfeld feld;
    StandardZufallsquelle zufall;
    feld.allesZuruecksetzen();
    feld.startSpielerSetzen(2, zufall);
    for (const double p : durchlaeufe)
        feld.zielsuche(p, zufall);
    const std::vector<double> gemerkt = feld.benutzteFaktoren();
    QCOMPARE(static_cast<qsizetype>(gemerkt.size()), benutzt.size());
    for (qsizetype i = 0; i < benutzt.size(); ++i) {
        const double wert = gemerkt[static_cast<std::size_t>(i)];
        QVERIFY(wert == benutzt[i] || (std::isnan(wert) && std::isnan(benutzt[i])));
    }
    QVERIFY(feld.faktorenVollstaendig());
    QCOMPARE(feld.andererFaktorBenutzt(frage), anderer);

    // A commit keeps them: they belong to the run.
    feld.zyklusAbschliessen();
    QCOMPARE(feld.andererFaktorBenutzt(frage), anderer);
    // A new run starts without any.
    feld.allesZuruecksetzen();
    QVERIFY(feld.benutzteFaktoren().empty());
    QVERIFY(!feld.andererFaktorBenutzt(frage));
    QVERIFY(!feld.andererFaktorBenutzt(123.0));
}

void TestSpielfeldlauf::faktorenBleibenBegrenzt_data()
{
    QTest::addColumn<int>("verschiedene"); // distinct rates, used in turn
    QTest::addColumn<int>("durchlaeufe");
    QTest::newRow("two rates, 3000 passes") << 2 << 3000;
    QTest::newRow("as many as kept") << Spielfeld::faktorGrenze << 2000;
    QTest::newRow("one more than kept") << Spielfeld::faktorGrenze + 1 << 2000;
    QTest::newRow("40 rates, 3000 passes") << 40 << 3000;
}

void TestSpielfeldlauf::faktorenBleibenBegrenzt()
{
    QFETCH(int, verschiedene);
    QFETCH(int, durchlaeufe);
    const auto rate = [](int i) { return 1.0 + 0.25 * i; };
    // Nobody plays, so each pass draws nothing but is still recorded.
    Spielfeld feld;
    feld.allesZuruecksetzen();
    StandardZufallsquelle zufall;
    for (int d = 0; d < durchlaeufe; ++d)
        feld.zielsuche(rate(d % verschiedene), zufall);
    const bool vollstaendig = verschiedene <= Spielfeld::faktorGrenze;
    const std::vector<double> gemerkt = feld.benutzteFaktoren();
    QCOMPARE(static_cast<int>(gemerkt.size()), vollstaendig ? verschiedene : Spielfeld::faktorGrenze);
    for (std::size_t i = 0; i < gemerkt.size(); ++i)
        QCOMPARE(gemerkt[i], rate(static_cast<int>(i)));
    QCOMPARE(feld.faktorenVollstaendig(), vollstaendig);
    // Whatever was asked, some other rate was used, even one beyond those kept.
    QVERIFY(feld.andererFaktorBenutzt(rate(0)));
    QVERIFY(feld.andererFaktorBenutzt(rate(verschiedene - 1)));
    QVERIFY(feld.andererFaktorBenutzt(99.0));
    feld.allesZuruecksetzen();
    QVERIFY(feld.faktorenVollstaendig());
    QVERIFY(!feld.andererFaktorBenutzt(rate(0)));
}

void TestSpielfeldlauf::laufAnzahlen()
{
    Spielfeld feld;
    StandardZufallsquelle zufall;
    feld.allesZuruecksetzen();
    QCOMPARE(feld.startAnzahl(), 0);
    feld.startSpielerSetzen(10, zufall);
    QCOMPARE(feld.startAnzahl(), 10);
    QVERIFY(feld.laufAnzahlen() == std::vector<double>{10});
    std::vector<double> erwartet{10};
    for (int n = 1; n <= 20; ++n) {
        feld.zielsuche(15, zufall);
        erwartet.push_back(feld.zyklusAbschliessen().anzahlSpieler);
    }
    QVERIFY(feld.laufAnzahlen() == erwartet);
    // A new run: its own start number, the old history no longer belongs to it.
    feld.allesZuruecksetzen();
    QCOMPARE(feld.startAnzahl(), 0);
    feld.startSpielerSetzen(3, zufall);
    QVERIFY(feld.laufAnzahlen() == std::vector<double>{3});
    // Beyond the history's bound only the stored cycles are given.
    for (int n = 1; n <= Spielfeld::verlaufGrenze + 5; ++n)
        feld.zyklusAbschliessen();
    const std::vector<double> lang = feld.laufAnzahlen();
    QCOMPARE(lang.size(), std::size_t(Spielfeld::verlaufGrenze + 1));
    QCOMPARE(lang.back(), 3.0);
}

QTEST_APPLESS_MAIN(TestSpielfeldlauf)
#include "tst_spielfeldlauf.moc"
