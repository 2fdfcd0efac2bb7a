// SPDX-License-Identifier: GPL-3.0-or-later
// The operations a surface keeps: in order, a repeat replacing its earlier
// copy, cleared at once.
#include "zeichenprotokoll.h"

#include <QTest>

#include <vector>

namespace {

Zeichenop linie(double x, Farbe farbe = farbeAus(1, 2, 3), std::uint8_t stift = 1)
{
    return {Zeichenop::Art::linie, stift, farbe, x, 0.0, x, 10.0};
}

std::vector<double> xWerte(const Zeichenprotokoll& log)
{
    std::vector<double> werte;
    log.fuerJede([&werte](const Zeichenop& op) { werte.push_back(op.x1); });
    return werte;
}

} // namespace

Q_DECLARE_METATYPE(Zeichenop)

class TestZeichenprotokoll : public QObject
{
    Q_OBJECT

private slots:
    void repeatsMoveToTheEnd();
    void samePlaceOtherLookIsKept_data();
    void samePlaceOtherLookIsKept();
    void negativeZeroIsARepeat();
    void manyRepeatsStayCompactAndInOrder();
    void clearForgetsEverything();
};

void TestZeichenprotokoll::repeatsMoveToTheEnd()
{
    Zeichenprotokoll log;
    for (double x : {1.0, 2.0, 3.0, 2.0})
        log.anhaengen(linie(x));
    // The repeated line is painted last: its earlier copy no longer shows.
    QCOMPARE(xWerte(log), (std::vector<double>{1.0, 3.0, 2.0}));
    QCOMPARE(log.anzahl(), std::size_t(3));
    // Axis-parallel lines are filled rectangles: 3 each.
    QCOMPARE(log.aufwand(), std::size_t(3 * 3));
}

void TestZeichenprotokoll::samePlaceOtherLookIsKept_data()
{
    QTest::addColumn<Zeichenop>("anders");
    QTest::newRow("another colour") << linie(1, farbeAus(9, 9, 9));
    QTest::newRow("another pen") << linie(1, farbeAus(1, 2, 3), 2);
    QTest::newRow("a box, not a line") << Zeichenop{Zeichenop::Art::gefuellt, 1, farbeAus(1, 2, 3), 1.0, 0.0, 1.0, 10.0};
}

void TestZeichenprotokoll::samePlaceOtherLookIsKept()
{
    QFETCH(Zeichenop, anders);
    Zeichenprotokoll log;
    log.anhaengen(linie(1));
    log.anhaengen(anders);
    QCOMPARE(log.anzahl(), std::size_t(2));
}

void TestZeichenprotokoll::negativeZeroIsARepeat()
{
    Zeichenprotokoll log;
    log.anhaengen(linie(0.0));
    log.anhaengen(linie(-0.0));
    QCOMPARE(log.anzahl(), std::size_t(1));
    QCOMPARE(hashVon(linie(0.0)), hashVon(linie(-0.0)));
}

void TestZeichenprotokoll::manyRepeatsStayCompactAndInOrder()
{
    // A curve drawn again and again, with a bar in between each time.
    Zeichenprotokoll log;
    for (int klick = 0; klick < 200; ++klick) {
        for (int i = 0; i < 120; ++i)
            log.anhaengen(linie(i + 0.3));
        log.anhaengen(linie(1000 + klick));
    }
    QCOMPARE(log.anzahl(), std::size_t(120 + 200));
    QCOMPARE(log.aufwand(), std::size_t(3 * (120 + 200)));
    const std::vector<double> werte = xWerte(log);
    // The bars in the order drawn, then the curve as last drawn.
    for (int klick = 0; klick < 199; ++klick)
        QCOMPARE(werte[std::size_t(klick)], 1000.0 + klick);
    for (int i = 0; i < 120; ++i)
        QCOMPARE(werte[std::size_t(199 + i)], i + 0.3);
    QCOMPARE(werte.back(), 1199.0);
}

void TestZeichenprotokoll::clearForgetsEverything()
{
    Zeichenprotokoll log;
    for (int i = 0; i < 10; ++i)
        log.anhaengen(linie(i));
    log.anhaengen(Zeichenop{Zeichenop::Art::linie, 1, 0, 0.0, 0.0, 5.0, 7.0});
    QCOMPARE(log.aufwand(), std::size_t(10 * 3 + 20));
    log.leeren();
    QCOMPARE(log.anzahl(), std::size_t(0));
    QCOMPARE(log.aufwand(), std::size_t(0));
    QVERIFY(xWerte(log).empty());
    log.anhaengen(linie(3));
    QCOMPARE(xWerte(log), std::vector<double>{3.0});
}

QTEST_APPLESS_MAIN(TestZeichenprotokoll)
#include "tst_zeichenprotokoll.moc"
