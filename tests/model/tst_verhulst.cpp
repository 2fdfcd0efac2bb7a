// SPDX-License-Identifier: GPL-3.0-or-later
#include "verhulst.h"

#include <QTest>

#include <cfloat>
#include <cmath>
#include <limits>

Q_DECLARE_METATYPE(VerhulstFehler)

class TestVerhulst : public QObject
{
    Q_OBJECT

private slots:
    void folge_data();
    void folge();
    void schrittFehler_data();
    void schrittFehler();
    void ueberlaufSpaetestensBeiZyklusDrei();
    void exponentNullBehaeltStartwert();
    void schwingungEndetImWechsel();
    void folgeZeichnetBisNplusEins();
};

void TestVerhulst::folge_data()
{
    QTest::addColumn<double>("p");
    QTest::addColumn<double>("t");
    QTest::addColumn<int>("ab");
    QTest::addColumn<QList<double>>("werte");
    QTest::addColumn<double>("toleranz");
    QTest::newRow("defaults") << 5.0 << 1.0 << 0 << QList<double>{10, 14.98, 22.425, 33.537, 50.081, 74.619}
                              << 0.0006;
    QTest::newRow("either side of half") << 5.0 << 1.0 << 13 << QList<double>{1244.93, 1557.42} << 0.006;
    QTest::newRow("just below capacity") << 5.0 << 1.0 << 26 << QList<double>{2499.43} << 0.006;
    QTest::newRow("decay with t -1") << 5.0 << -1.0 << 0 << QList<double>{10, 6.6756, 4.4543, 2.9713}
                                     << 0.00006;
}

void TestVerhulst::folge()
{
    QFETCH(double, p);
    QFETCH(double, t);
    QFETCH(int, ab);
    QFETCH(QList<double>, werte);
    QFETCH(double, toleranz);
    const VerhulstFolge folge = verhulstFolge(10, p, t, 120);
    QCOMPARE(folge.fehler, VerhulstFehler::keiner);
    QCOMPARE(folge.werte.size(), std::size_t(121));
    for (qsizetype i = 0; i < werte.size(); ++i) {
        const double wert = folge.werte[static_cast<std::size_t>(ab + i)];
        QVERIFY2(std::fabs(wert - werte[i]) < toleranz,
                 qPrintable(QStringLiteral("A(%1) = %2, expected %3").arg(ab + i).arg(wert, 0, 'g', 10).arg(werte[i])));
    }
}

void TestVerhulst::schrittFehler_data()
{
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("p");
    QTest::addColumn<double>("t");
    QTest::addColumn<VerhulstFehler>("fehler");
    // b = 10/10 * (2500 - 5000)/2500 + 1 = 0.
    QTest::newRow("zero base, negative t") << 5000.0 << 10.0 << -1.0 << VerhulstFehler::ungueltigesArgument;
    QTest::newRow("zero base, zero t") << 5000.0 << 10.0 << 0.0 << VerhulstFehler::keiner;
    // b = 1.5 * (2500 - 7500)/2500 + 1 = -2.
    QTest::newRow("negative base, half t") << 7500.0 << 15.0 << 0.5 << VerhulstFehler::ungueltigesArgument;
    QTest::newRow("negative base, whole t") << 7500.0 << 15.0 << 2.0 << VerhulstFehler::keiner;
    QTest::newRow("huge value") << 1e300 << 15.0 << 8.0 << VerhulstFehler::ueberlauf;
    QTest::newRow("largest t, base above one") << 10.0 << 5.0 << DBL_MAX << VerhulstFehler::ueberlauf;
    QTest::newRow("most negative t, base above one") << 10.0 << 5.0 << -DBL_MAX << VerhulstFehler::keiner;
    // The base (p/10) * (1 - A/2500) + 1 itself has no finite value.
    const double unendlich = std::numeric_limits<double>::infinity();
    QTest::newRow("infinite A") << -unendlich << 5.0 << 1.0 << VerhulstFehler::ueberlauf;
    QTest::newRow("base beyond the range") << -DBL_MAX << DBL_MAX << 1.0 << VerhulstFehler::ueberlauf;
    // b = -2: an infinite exponent is not a whole number.
    QTest::newRow("negative base, infinite t") << 7500.0 << 15.0 << unendlich << VerhulstFehler::ungueltigesArgument;
    // b = -2, t = 1: the power is finite, A * b^t is not.
    QTest::newRow("product beyond the range") << 1e308 << 15.0 << 1.0 << VerhulstFehler::ueberlauf;
    QTest::newRow("product just inside") << 1e150 << 15.0 << 1.0 << VerhulstFehler::keiner;
}

void TestVerhulst::schrittFehler()
{
    QFETCH(double, a);
    QFETCH(double, p);
    QFETCH(double, t);
    QFETCH(VerhulstFehler, fehler);
    const VerhulstSchritt schritt = verhulstSchritt(a, p, t);
    QCOMPARE(schritt.fehler, fehler);
    if (fehler == VerhulstFehler::keiner)
        QVERIFY(std::isfinite(schritt.wert));
}

void TestVerhulst::ueberlaufSpaetestensBeiZyklusDrei()
{
    const VerhulstFolge folge = verhulstFolge(10, 15, 8, 120);
    QCOMPARE(folge.fehler, VerhulstFehler::ueberlauf);
    QVERIFY(folge.fehlerZyklus <= 3);
    QCOMPARE(folge.werte.size(), std::size_t(folge.fehlerZyklus + 1));
    QVERIFY(std::fabs(folge.werte[1] - 14968) / 14968 < 1e-3);
    QVERIFY(std::fabs(folge.werte[2] - 4.66e10) / 4.66e10 < 1e-2);
}

void TestVerhulst::exponentNullBehaeltStartwert()
{
    const VerhulstFolge folge = verhulstFolge(37, 15, 0, 120);
    QCOMPARE(folge.werte.size(), std::size_t(121));
    for (double wert : folge.werte)
        QCOMPARE(wert, 37.0);
}

void TestVerhulst::schwingungEndetImWechsel()
{
    // p = 15, t = 1 overshoots once and settles in a damped oscillation.
    const VerhulstFolge gedaempft = verhulstFolge(10, 15, 1, 120);
    const QList<double> erwartet{837.95, 1673.58, 2503.43, 2498.28, 2500.86, 2499.57};
    bool gefunden = false;
    for (std::size_t i = 0; i + erwartet.size() <= gedaempft.werte.size() && !gefunden; ++i) {
        if (std::fabs(gedaempft.werte[i] - erwartet[0]) > 0.006)
            continue;
        gefunden = true;
        for (qsizetype k = 0; k < erwartet.size(); ++k)
            QVERIFY(std::fabs(gedaempft.werte[i + static_cast<std::size_t>(k)] - erwartet[k]) < 0.006);
    }
    QVERIFY(gefunden);

    // p = 15, t = 1.5 ends alternating near 1652.8 and 3061.7.
    const VerhulstFolge wechsel = verhulstFolge(10, 15, 1.5, 120);
    QCOMPARE(wechsel.fehler, VerhulstFehler::keiner);
    const double a = wechsel.werte[119], b = wechsel.werte[120];
    QVERIFY(std::fabs(std::min(a, b) - 1652.8) < 0.06);
    QVERIFY(std::fabs(std::max(a, b) - 3061.7) < 0.06);
}

void TestVerhulst::folgeZeichnetBisNplusEins()
{
    // N + 1 values A(0)..A(N); the step after A(N) is computed but not kept.
    QCOMPARE(verhulstFolge(10, 5, 1, 30).werte.size(), std::size_t(31));
    QCOMPARE(verhulstFolge(10, 5, 1, 0).werte.size(), std::size_t(1));
}

QTEST_APPLESS_MAIN(TestVerhulst)
#include "tst_verhulst.moc"
