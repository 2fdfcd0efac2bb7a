// SPDX-License-Identifier: GPL-3.0-or-later
// The operations a surface keeps: in order, a repeat replacing its earlier
// copy, cleared at once.
#include "drawinglog.h"

#include <QTest>

#include <vector>

namespace {

DrawingOp linie(double x, QRgb farbe = qRgb(1, 2, 3), std::uint8_t stift = 1)
{
    return {DrawingOp::Kind::Line, stift, farbe, x, 0.0, x, 10.0};
}

std::vector<double> xWerte(const DrawingLog& log)
{
    std::vector<double> werte;
    log.forEach([&werte](const DrawingOp& op) { werte.push_back(op.x1); });
    return werte;
}

} // namespace

Q_DECLARE_METATYPE(DrawingOp)

class TestDrawingLog : public QObject
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

void TestDrawingLog::repeatsMoveToTheEnd()
{
    DrawingLog log;
    for (double x : {1.0, 2.0, 3.0, 2.0})
        log.append(linie(x));
    // The repeated line is painted last: its earlier copy no longer shows.
    QCOMPARE(xWerte(log), (std::vector<double>{1.0, 3.0, 2.0}));
    QCOMPARE(log.size(), std::size_t(3));
    // Axis-parallel lines are filled rectangles: 3 each.
    QCOMPARE(log.work(), std::size_t(3 * 3));
}

void TestDrawingLog::samePlaceOtherLookIsKept_data()
{
    QTest::addColumn<DrawingOp>("anders");
    QTest::newRow("another colour") << linie(1, qRgb(9, 9, 9));
    QTest::newRow("another pen") << linie(1, qRgb(1, 2, 3), 2);
    QTest::newRow("a box, not a line") << DrawingOp{DrawingOp::Kind::FilledBox, 1, qRgb(1, 2, 3), 1.0, 0.0, 1.0, 10.0};
}

void TestDrawingLog::samePlaceOtherLookIsKept()
{
    QFETCH(DrawingOp, anders);
    DrawingLog log;
    log.append(linie(1));
    log.append(anders);
    QCOMPARE(log.size(), std::size_t(2));
}

void TestDrawingLog::negativeZeroIsARepeat()
{
    DrawingLog log;
    log.append(linie(0.0));
    log.append(linie(-0.0));
    QCOMPARE(log.size(), std::size_t(1));
    QCOMPARE(hashOf(linie(0.0)), hashOf(linie(-0.0)));
}

void TestDrawingLog::manyRepeatsStayCompactAndInOrder()
{
    // A curve drawn again and again, with a bar in between each time.
    DrawingLog log;
    for (int klick = 0; klick < 200; ++klick) {
        for (int i = 0; i < 120; ++i)
            log.append(linie(i + 0.3));
        log.append(linie(1000 + klick));
    }
    QCOMPARE(log.size(), std::size_t(120 + 200));
    QCOMPARE(log.work(), std::size_t(3 * (120 + 200)));
    const std::vector<double> werte = xWerte(log);
    // The bars in the order drawn, then the curve as last drawn.
    for (int klick = 0; klick < 199; ++klick)
        QCOMPARE(werte[std::size_t(klick)], 1000.0 + klick);
    for (int i = 0; i < 120; ++i)
        QCOMPARE(werte[std::size_t(199 + i)], i + 0.3);
    QCOMPARE(werte.back(), 1199.0);
}

void TestDrawingLog::clearForgetsEverything()
{
    DrawingLog log;
    for (int i = 0; i < 10; ++i)
        log.append(linie(i));
    log.append(DrawingOp{DrawingOp::Kind::Line, 1, 0, 0.0, 0.0, 5.0, 7.0});
    QCOMPARE(log.work(), std::size_t(10 * 3 + 20));
    log.clear();
    QCOMPARE(log.size(), std::size_t(0));
    QCOMPARE(log.work(), std::size_t(0));
    QVERIFY(xWerte(log).empty());
    log.append(linie(3));
    QCOMPARE(xWerte(log), std::vector<double>{3.0});
}

QTEST_APPLESS_MAIN(TestDrawingLog)
#include "tst_drawinglog.moc"
