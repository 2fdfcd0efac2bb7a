// SPDX-License-Identifier: GPL-3.0-or-later
// The one transform between user coordinates and the pixels of a picture,
// and the rules that turn a point into a pixel.
#include "abbildung.h"

#include <QPoint>
#include <QPointF>

#include <QTest>

#include <cmath>

class TestAbbildung : public QObject
{
    Q_OBJECT

private slots:
    void userPointsOnPixels_data();
    void userPointsOnPixels();
    void deviceAndUserAreInverse();
    void boxEdgesCoverHalfAPixel_data();
    void boxEdgesCoverHalfAPixel();
    void penWidthInWholePixels_data();
    void penWidthInWholePixels();
};

void TestAbbildung::userPointsOnPixels_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<QPoint>("pixel");
    // A chart of 1667 x 425 pixels: x 0..120 across, y 2500 at the top.
    QTest::newRow("top left corner") << 0.0 << 2500.0 << QPoint(0, 0);
    QTest::newRow("y = 0 lies on the last row") << 60.0 << 0.0 << QPoint(833, 424);
    QTest::newRow("x = 120 lies on the last column") << 120.0 << 1250.0 << QPoint(1666, 212);
    QTest::newRow("cycle 10") << 10.0 << 1000.0 << QPoint(138, 255);
    QTest::newRow("far left is clamped") << -1e300 << 1000.0 << QPoint(-8, 255);
    QTest::newRow("far right is clamped") << 1e300 << 1000.0 << QPoint(1667 + 8, 255);
    // A pointer position kept as a float lands in its own pixel again.
    QTest::newRow("a pixel's corner through single precision") << double(float(138 * 120.0 / 1667)) << 1000.0
                                                               << QPoint(138, 255);
}

void TestAbbildung::userPointsOnPixels()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(QPoint, pixel);
    const Abbildung chart(0, 2500, 120, 0, 1667, 425, 1.0);
    const Punkt geraet = chart.zuGeraet({x, y});
    QCOMPARE(QPoint(chart.spalte(geraet.x), chart.zeile(geraet.y)), pixel);
}

void TestAbbildung::deviceAndUserAreInverse()
{
    const Abbildung feld(0, 0, 50, 50, 884, 850, 2.0);
    for (const Punkt user : {Punkt{0, 0}, Punkt{12.5, 49.9}, Punkt{50, 50}, Punkt{-3, 7}}) {
        const Punkt zurueck = feld.zuNutzer(feld.zuGeraet(user));
        QVERIFY(std::fabs(zurueck.x - user.x) < 1e-12 && std::fabs(zurueck.y - user.y) < 1e-12);
    }
    QVERIFY(feld.zuGeraet({50, 50}) == (Punkt{884, 850}));
    QCOMPARE(feld.waagrechtePixel(0.9), 0.9 * 884 / 50);
}

void TestAbbildung::boxEdgesCoverHalfAPixel_data()
{
    QTest::addColumn<double>("rechterRand");
    QTest::addColumn<int>("letzteSpalte");
    // A field of 442 pixels: 8.84 pixels per cell.
    QTest::newRow("0.9 of cell 12 ends just inside pixel 114") << 12.9 << 113;
    QTest::newRow("0.9 of cell 0 ends at 7.956") << 0.9 << 7;
    QTest::newRow("a whole cell 12 covers 114.92") << 13.0 << 114;
    QTest::newRow("the right edge itself") << 50.0 << 441;
}

void TestAbbildung::boxEdgesCoverHalfAPixel()
{
    QFETCH(double, rechterRand);
    QFETCH(int, letzteSpalte);
    const Abbildung feld(0, 0, 50, 50, 442, 425, 1.0);
    QCOMPARE(feld.letzteSpalteVor(feld.zuGeraet({rechterRand, 0}).x), letzteSpalte);
    // The grid line at the next whole cell lies beyond it.
    const int gitter = feld.spalte(feld.zuGeraet({std::ceil(rechterRand), 0}).x);
    QVERIFY(letzteSpalte < gitter || rechterRand == std::ceil(rechterRand));
}

void TestAbbildung::penWidthInWholePixels_data()
{
    QTest::addColumn<double>("massstab");
    QTest::addColumn<int>("stift");
    QTest::addColumn<int>("pixel");
    QTest::newRow("1 at zoom 1") << 1.0 << 1 << 1;
    QTest::newRow("3 at zoom 1") << 1.0 << 3 << 3;
    QTest::newRow("1 at zoom 1.25") << 1.25 << 1 << 1;
    QTest::newRow("2 at zoom 1.25") << 1.25 << 2 << 3;
    QTest::newRow("3 at ratio 2") << 2.0 << 3 << 6;
    QTest::newRow("1 at zoom 0.75 stays visible") << 0.75 << 1 << 1;
}

void TestAbbildung::penWidthInWholePixels()
{
    QFETCH(double, massstab);
    QFETCH(int, stift);
    QFETCH(int, pixel);
    const Abbildung chart(0, 2500, 120, 0, 1667, 425, massstab);
    QCOMPARE(chart.stiftPixel(stift), pixel);
}

QTEST_APPLESS_MAIN(TestAbbildung)
#include "tst_abbildung.moc"
