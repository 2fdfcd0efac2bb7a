// SPDX-License-Identifier: GPL-3.0-or-later
// The one transform between user coordinates and the pixels of a picture,
// and the rules that turn a point into a pixel.
#include "abbildung.h"
#include "ausschnitt.h"

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>

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
    void partTheParentShows_data();
    void partTheParentShows();
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

void TestAbbildung::partTheParentShows_data()
{
    QTest::addColumn<QSize>("bild");
    QTest::addColumn<QPointF>("lage");
    QTest::addColumn<double>("geraeteProPixel");
    QTest::addColumn<QRect>("teil");
    // The chart (1667 x 425 at zoom 1) at 440, 160 in the window's panel of
    // 885 x 613: its first 445 columns show.
    const QSize chart(1667, 425);
    QTest::newRow("the chart at its place") << chart << QPointF(440, 160) << 1.0 << QRect(0, 0, 445, 425);
    QTest::newRow("panned past the panel's left edge") << chart << QPointF(-100, 160) << 1.0 << QRect(100, 0, 885, 425);
    QTest::newRow("at zoom 2") << QSize(3334, 850) << QPointF(440, 160) << 2.0 << QRect(0, 0, 890, 850);
    // 445 x 1.5 = 667.5 and 100 x 1.5 = 150: a pixel partly shown is shown.
    QTest::newRow("at zoom 1.5") << QSize(2501, 638) << QPointF(-100, 160) << 1.5 << QRect(150, 0, 1328, 638);
    QTest::newRow("a quarter of a column") << chart << QPointF(-0.25, 160) << 1.0 << QRect(0, 0, 886, 425);
    QTest::newRow("its lower part below the panel") << chart << QPointF(440, 400) << 1.0 << QRect(0, 0, 445, 213);
    // The field lies wholly inside.
    QTest::newRow("the field") << QSize(442, 425) << QPointF(0, 160) << 1.0 << QRect(0, 0, 442, 425);
    QTest::newRow("right of the panel") << chart << QPointF(885, 160) << 1.0 << QRect();
    QTest::newRow("far left of it") << chart << QPointF(-1e12, 160) << 1.0 << QRect();
    QTest::newRow("a zoom that is not a number") << chart << QPointF(440, 160) << std::nan("") << QRect();
}

void TestAbbildung::partTheParentShows()
{
    QFETCH(QSize, bild);
    QFETCH(QPointF, lage);
    QFETCH(double, geraeteProPixel);
    QFETCH(QRect, teil);
    const Pixelrechteck r = sichtbarerTeil({0, 0, bild.width() - 1, bild.height() - 1}, -lage.x(), -lage.y(),
                                           885 - lage.x(), 613 - lage.y(), geraeteProPixel);
    QCOMPARE(QRect(QPoint(r.x0, r.y0), QPoint(r.x1, r.y1)), teil);
}

QTEST_APPLESS_MAIN(TestAbbildung)
#include "tst_abbildung.moc"
