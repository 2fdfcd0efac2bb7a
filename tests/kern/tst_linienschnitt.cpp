// SPDX-License-Identifier: GPL-3.0-or-later
// Clipping a line to a rectangle, with far and infinite coordinates.
#include "linienschnitt.h"

#include <QLineF>
#include <QRectF>
#include <QTest>

#include <cmath>
#include <limits>

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();
const QRectF feld(0, 0, 100, 100);

// The clipper in the test's Qt types.
std::optional<QLineF> clipLine(QLineF linie, const QRectF& r)
{
    const auto sichtbar
        = linieSchneiden({{linie.x1(), linie.y1()}, {linie.x2(), linie.y2()}}, {r.left(), r.top(), r.right(), r.bottom()});
    if (!sichtbar)
        return std::nullopt;
    return QLineF(sichtbar->a.x, sichtbar->a.y, sichtbar->b.x, sichtbar->b.y);
}

bool nahe(QPointF a, QPointF b, double toleranz)
{
    return std::fabs(a.x() - b.x()) <= toleranz && std::fabs(a.y() - b.y()) <= toleranz;
}

} // namespace

class TestLinienschnitt : public QObject
{
    Q_OBJECT

private slots:
    void clipsToTheRectangle_data();
    void clipsToTheRectangle();
    void lineOutsideHasNoPart_data();
    void lineOutsideHasNoPart();
};

void TestLinienschnitt::clipsToTheRectangle_data()
{
    QTest::addColumn<QLineF>("linie");
    QTest::addColumn<QPointF>("anfang");
    QTest::addColumn<QPointF>("ende");
    QTest::addColumn<double>("toleranz");
    QTest::newRow("inside stays as it is") << QLineF(10, 20, 30, 40) << QPointF(10, 20) << QPointF(30, 40) << 0.0;
    QTest::newRow("across the whole rectangle") << QLineF(-50, 50, 150, 50) << QPointF(0, 50) << QPointF(100, 50) << 1e-12;
    QTest::newRow("from inside out of a corner") << QLineF(50, 50, 250, 250) << QPointF(50, 50) << QPointF(100, 100)
                                                 << 1e-12;
    // The slope 2 survives an end at 1e300.
    QTest::newRow("towards 1e300") << QLineF(0, 0, 1e300, 2e300) << QPointF(0, 0) << QPointF(50, 100) << 1e-9;
    // An infinite end counts as 1e300 in its direction.
    QTest::newRow("towards infinity") << QLineF(10, 10, inf, 10) << QPointF(10, 10) << QPointF(100, 10) << 1e-9;
    // The near end keeps its precision; the far one lands on the edge.
    QTest::newRow("from 1e300 to a near point") << QLineF(1e300, 1e300, 10, 20) << QPointF(90, 100) << QPointF(10, 20)
                                                << 1e-6;
    QTest::newRow("both ends far away") << QLineF(-1e300, -1e300, 1e300, 1e300) << QPointF(0, 0) << QPointF(100, 100)
                                        << 1e-6;
}

void TestLinienschnitt::clipsToTheRectangle()
{
    QFETCH(QLineF, linie);
    QFETCH(QPointF, anfang);
    QFETCH(QPointF, ende);
    QFETCH(double, toleranz);
    const std::optional<QLineF> sichtbar = clipLine(linie, feld);
    QVERIFY(sichtbar.has_value());
    QVERIFY2(nahe(sichtbar->p1(), anfang, toleranz),
             qPrintable(QStringLiteral("%1, %2").arg(sichtbar->x1()).arg(sichtbar->y1())));
    QVERIFY2(nahe(sichtbar->p2(), ende, toleranz),
             qPrintable(QStringLiteral("%1, %2").arg(sichtbar->x2()).arg(sichtbar->y2())));
}

void TestLinienschnitt::lineOutsideHasNoPart_data()
{
    QTest::addColumn<QLineF>("linie");
    QTest::newRow("left of it") << QLineF(-5, -5, -1, 200);
    QTest::newRow("past a corner") << QLineF(90, -20, 120, 10);
    QTest::newRow("infinite both ways beside it") << QLineF(-inf, 150, inf, 150);
    QTest::newRow("not a number") << QLineF(10, 10, std::nan(""), 20);
    QTest::newRow("infinite against infinite") << QLineF(inf, inf, inf, inf);
}

void TestLinienschnitt::lineOutsideHasNoPart()
{
    QFETCH(QLineF, linie);
    QVERIFY(!clipLine(linie, feld).has_value());
}

QTEST_APPLESS_MAIN(TestLinienschnitt)
#include "tst_linienschnitt.moc"
