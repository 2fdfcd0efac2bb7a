// SPDX-License-Identifier: GPL-3.0-or-later
#include "bildflaeche.h"
#include "bildflaechenprobe.h"
#include "rasterung.h"

#include <QTest>


#include <cmath>
#include <limits>
#include <set>
#include <vector>

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();
const QColor rot(200, 20, 20);
const QColor gitter(240, 240, 240);

// A chart-like surface: x 0..120 across, y 2500 at the top to 0 at the bottom.
struct Chart
{
    Bildflaeche surface;
    Chart()
    {
        surface.resize(1667, 425);
        surface.flaeche().hintergrundSetzen(QColor(Qt::white).rgb());
        surface.flaeche().nutzerkoordinaten(0, 2500, 120, 0);
    }
};

// The columns of one picture row that have the given colour.
QList<int> columnsOf(const QImage& image, int row, QColor colour)
{
    QList<int> columns;
    for (int x = 0; x < image.width(); ++x)
        if (image.pixelColor(x, row) == colour)
            columns.append(x);
    return columns;
}

QList<int> rowsOf(const QImage& image, int column, QColor colour)
{
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y)
        if (image.pixelColor(column, y) == colour)
            rows.append(y);
    return rows;
}

} // namespace

class TestBildflaeche : public QObject
{
    Q_OBJECT

private slots:
    void penWidthGivesWholePixels_data();
    void penWidthGivesWholePixels();
    void gridLineIsOnePixelOfItsColour();
    void bottomEdgeLineIsVisible();
    void barHeightFollowsUserUnits();
    void farCoordinatesAreClipped_data();
    void farCoordinatesAreClipped();
    void filledBoxCoversBothCorners();
    void clearForgetsEverything();
    void repeatedDrawingDoesNotGrowTheLog();
    void rescaleKeepsEverythingAndComesBackExactly();
    void keptWorkStaysBounded();
    void farOutsideIsNotKept_data();
    void farOutsideIsNotKept();
    void gridLinesEqualCellOutlines_data();
    void gridLinesEqualCellOutlines();
    void penWidthStaysSet();
    void mouseReportsUserCoordinates();
};

void TestBildflaeche::penWidthGivesWholePixels_data()
{
    QTest::addColumn<int>("pen");
    QTest::newRow("one") << 1;
    QTest::newRow("two") << 2;
    QTest::newRow("three") << 3;
}

void TestBildflaeche::penWidthGivesWholePixels()
{
    QFETCH(int, pen);
    Chart chart;
    chart.surface.flaeche().stiftbreite(pen);
    chart.surface.flaeche().linie(10, 0, 10, 1000, QColor(rot).rgb());
    const QImage image = chart.surface.picture();
    const QList<int> columns = columnsOf(image, 400, rot);
    QCOMPARE(columns.size(), pen);
    // Contiguous, around the pixel of x = 10.
    const int centre = static_cast<int>(std::floor(10 * 1667.0 / 120));
    QVERIFY(columns.contains(centre));
    QCOMPARE(columns.last() - columns.first(), pen - 1);
}

void TestBildflaeche::gridLineIsOnePixelOfItsColour()
{
    Chart chart;
    chart.surface.flaeche().stiftbreite(1);
    chart.surface.flaeche().linie(7, 0, 7, 2500, QColor(gitter).rgb());
    const QImage image = chart.surface.picture();
    for (int row : {0, 100, 424}) {
        const QList<int> columns = columnsOf(image, row, gitter);
        QCOMPARE(columns.size(), 1);
        // Its neighbours keep the back colour: no blending.
        QCOMPARE(image.pixelColor(columns[0] - 1, row), QColor(Qt::white));
        QCOMPARE(image.pixelColor(columns[0] + 1, row), QColor(Qt::white));
    }
}

void TestBildflaeche::bottomEdgeLineIsVisible()
{
    Chart chart;
    chart.surface.flaeche().linie(0, 0, 120, 0, QColor(QColor(100, 100, 255)).rgb());
    chart.surface.flaeche().linie(0, 2500, 120, 2500, QColor(QColor(1, 2, 3)).rgb());
    chart.surface.flaeche().linie(120, 0, 120, 2500, QColor(QColor(4, 5, 6)).rgb());
    const QImage image = chart.surface.picture();
    QCOMPARE(image.pixelColor(500, 424), QColor(100, 100, 255));
    QCOMPARE(image.pixelColor(500, 0), QColor(1, 2, 3));
    QCOMPARE(image.pixelColor(1666, 200), QColor(4, 5, 6));
}

void TestBildflaeche::barHeightFollowsUserUnits()
{
    Chart chart;
    chart.surface.flaeche().stiftbreite(3);
    chart.surface.flaeche().linie(5, 0, 5, 1250, QColor(rot).rgb());
    const QImage image = chart.surface.picture();
    const int column = static_cast<int>(std::floor(5 * 1667.0 / 120));
    const QList<int> rows = rowsOf(image, column, rot);
    QCOMPARE(rows.last(), 424);
    QVERIFY(std::abs(rows.first() - 212) <= 1);
    QCOMPARE(rows.size(), rows.last() - rows.first() + 1);
}

void TestBildflaeche::farCoordinatesAreClipped_data()
{
    QTest::addColumn<double>("x1");
    QTest::addColumn<double>("y1");
    QTest::addColumn<double>("x2");
    QTest::addColumn<double>("y2");
    QTest::addColumn<bool>("reachesTop");
    QTest::newRow("bar of 1e300") << 3.0 << 0.0 << 3.0 << 1e300 << true;
    QTest::newRow("bar of infinity") << 3.0 << 0.0 << 3.0 << inf << true;
    QTest::newRow("bar of -1e300") << 3.0 << 0.0 << 3.0 << -1e300 << false;
    QTest::newRow("bar of -infinity") << 3.0 << 0.0 << 3.0 << -inf << false;
    QTest::newRow("slanted to 1e300") << 3.0 << 0.0 << 1e300 << 1e300 << true;
    QTest::newRow("both ends far away") << -1e300 << -1e300 << 1e300 << 1e300 << true;
    QTest::newRow("infinite both ways") << -inf << 3.0 << inf << 3.0 << false;
    QTest::newRow("not a number") << 3.0 << 0.0 << 3.0 << std::nan("") << false;
}

void TestBildflaeche::farCoordinatesAreClipped()
{
    QFETCH(double, x1);
    QFETCH(double, y1);
    QFETCH(double, x2);
    QFETCH(double, y2);
    QFETCH(bool, reachesTop);
    Chart chart;
    chart.surface.flaeche().stiftbreite(2);
    chart.surface.flaeche().linie(x1, y1, x2, y2, QColor(rot).rgb());
    chart.surface.flaeche().rahmen(x1, y1, x2, y2, QColor(rot).rgb());
    chart.surface.flaeche().gefuellt(x1, y1, x2, y2, QColor(rot).rgb());
    chart.surface.flaeche().kreis(x2, y2, 1e300, QColor(rot).rgb());
    const QImage image = chart.surface.picture();
    QCOMPARE(image.size(), QSize(1667, 425));
    QCOMPARE(!columnsOf(image, 0, rot).isEmpty(), reachesTop);
}

void TestBildflaeche::filledBoxCoversBothCorners()
{
    Bildflaeche field;
    field.resize(442, 425);
    field.flaeche().hintergrundSetzen(QColor(Qt::black).rgb());
    field.flaeche().nutzerkoordinaten(0, 0, 50, 50);
    field.flaeche().gefuellt(49, 49, 50, 50, QColor(Qt::red).rgb());
    field.flaeche().gefuellt(0, 0, 0.9, 0.9, QColor(Qt::blue).rgb());
    const QImage image = field.picture();
    QCOMPARE(image.pixelColor(441, 424), QColor(Qt::red));
    QCOMPARE(image.pixelColor(0, 0), QColor(Qt::blue));
    // 0.9 cells end before the next cell's first pixel.
    QCOMPARE(image.pixelColor(8, 4), QColor(Qt::black));
    QCOMPARE(image.pixelColor(7, 4), QColor(Qt::blue));
}

void TestBildflaeche::clearForgetsEverything()
{
    Chart chart;
    chart.surface.flaeche().linie(10, 0, 10, 2500, QColor(rot).rgb());
    chart.surface.flaeche().loeschen();
    QCOMPARE(retainedOperations(chart.surface), std::size_t(0));
    QVERIFY(columnsOf(chart.surface.picture(), 100, rot).isEmpty());
}

void TestBildflaeche::repeatedDrawingDoesNotGrowTheLog()
{
    Chart chart;
    for (int klick = 0; klick < 50; ++klick) {
        chart.surface.flaeche().stiftbreite(2);
        for (int i = 0; i <= 120; ++i)
            chart.surface.flaeche().linie(i + 0.3, 0, i + 0.3, 10.0 * i, QColor(QColor(15, 15, 200)).rgb());
    }
    // The line of cycle 120 stands beyond the chart's right edge and is not kept.
    QCOMPARE(retainedOperations(chart.surface), std::size_t(120));
    // A repeat moved to the end still paints over what came between.
    chart.surface.flaeche().stiftbreite(3);
    chart.surface.flaeche().linie(5, 0, 5, 2500, QColor(rot).rgb());
    chart.surface.flaeche().linie(5, 0, 5, 2500, QColor(QColor(1, 1, 1)).rgb());
    chart.surface.flaeche().linie(5, 0, 5, 2500, QColor(rot).rgb());
    QCOMPARE(retainedOperations(chart.surface), std::size_t(122));
    chart.surface.resize(1668, 425);
    QCOMPARE(colourAt(chart.surface, 5, 100), rot);
}

void TestBildflaeche::rescaleKeepsEverythingAndComesBackExactly()
{
    Chart chart;
    chart.surface.flaeche().stiftbreite(1);
    for (int i = 1; i <= 120; ++i)
        chart.surface.flaeche().linie(i, 0, i, 2500, QColor(i % 10 ? gitter : QColor(220, 220, 220)).rgb());
    chart.surface.flaeche().stiftbreite(3);
    chart.surface.flaeche().linie(12, 0, 12, 777, QColor(rot).rgb());
    const QImage before = chart.surface.picture();

    chart.surface.resize(2 * 1667, 2 * 425);
    const QImage doubled = chart.surface.picture();
    QCOMPARE(doubled.size(), QSize(2 * 1667, 2 * 425));
    QCOMPARE(colourAt(chart.surface, 12, 700), rot);
    QCOMPARE(colourAt(chart.surface, 12, 800), gitter);
    QCOMPARE(colourAt(chart.surface, 12.5, 800), QColor(Qt::white));
    // Grid lines stay pure colours: nothing in between.
    for (int x = 0; x < doubled.width(); ++x) {
        const QColor c = doubled.pixelColor(x, 10);
        QVERIFY(c == Qt::white || c == gitter || c == QColor(220, 220, 220));
    }

    chart.surface.resize(1667, 425);
    QCOMPARE(chart.surface.picture(), before);
}

namespace {

// What repeated recruitment passes draw on the field: lines from cell to
// cell, circles and boxes, from a fixed pseudo-random walk.
std::vector<Zeichenop> passesWithoutCommit(std::size_t count)
{
    const std::vector<QRgb> colours{qRgb(0, 255, 255), qRgb(255, 255, 0), qRgb(0, 0, 255), qRgb(250, 250, 250)};
    std::vector<Zeichenop> ops;
    unsigned state = 12345u;
    const auto cell = [&state] {
        state = state * 1664525u + 1013904223u;
        return static_cast<double>((state >> 10) % 50);
    };
    for (std::size_t i = 0; i < count; ++i) {
        const double x = cell(), y = cell();
        switch (i % 3) {
        case 0:
            ops.push_back({Zeichenop::Art::linie, 1, colours[0], cell() + 0.5, cell() + 0.5, x + 0.5, y + 0.5});
            break;
        case 1:
            ops.push_back({Zeichenop::Art::kreis, 1, colours[1], x + 0.5, y + 0.5, 0.9, 0.0});
            break;
        default:
            ops.push_back({Zeichenop::Art::gefuellt, 1, colours[2 + (i / 3) % 2], x, y, x + 0.9, y + 0.9});
        }
    }
    return ops;
}

void drawOn(Bildflaeche& surface, const Zeichenop& op)
{
    const QColor colour = QColor::fromRgb(op.farbe);
    switch (op.art) {
    case Zeichenop::Art::linie:
        surface.flaeche().linie(op.x1, op.y1, op.x2, op.y2, QColor(colour).rgb());
        break;
    case Zeichenop::Art::kreis:
        surface.flaeche().kreis(op.x1, op.y1, op.x2, QColor(colour).rgb());
        break;
    default:
        surface.flaeche().gefuellt(op.x1, op.y1, op.x2, op.y2, QColor(colour).rgb());
    }
}

} // namespace

// Passes repeated without a commit keep operations of a bounded work,
// and reaching the bound changes nothing of the picture at its scale; at
// another scale the older drawing is scaled and keeps its pure colours.
void TestBildflaeche::keptWorkStaysBounded()
{
    Bildflaeche field;
    field.resize(442, 425);
    field.flaeche().hintergrundSetzen(QColor(Qt::black).rgb());
    field.flaeche().nutzerkoordinaten(0, 0, 50, 50);
    // About three times what is kept: a third of the operations are slanted lines.
    const std::vector<Zeichenop> ops = passesWithoutCommit(Zeichenflaeche::behaltenerAufwand / 3);
    Pixelbild erwartet(442, 425, farbeAus(0, 0, 0));
    const Abbildung abbildung(0, 0, 50, 50, 442, 425, 1.0);
    std::set<QRgb> colours{qRgb(0, 0, 0)};
    for (const Zeichenop& op : ops) {
        drawOn(field, op);
        rastern(erwartet, abbildung, op);
        colours.insert(op.farbe);
        QVERIFY(retainedWork(field) <= Zeichenflaeche::behaltenerAufwand);
    }
    const QImage expected = QImage(reinterpret_cast<const uchar*>(erwartet.daten()), 442, 425,
                                   QImage::Format_RGB32).copy();
    QCOMPARE(field.picture(), expected);

    field.resize(884, 850);
    const QImage doubled = field.picture();
    for (int y = 0; y < doubled.height(); y += 7)
        for (int x = 0; x < doubled.width(); ++x)
            QVERIFY(colours.count(doubled.pixel(x, y)));
    field.resize(442, 425);
    QCOMPARE(field.picture(), expected);
}

void TestBildflaeche::farOutsideIsNotKept_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("pen");
    QTest::addColumn<bool>("kept");
    QTest::newRow("bar of cycle 121") << 121.0 << 3 << false;
    QTest::newRow("model line of cycle 120") << 120.3 << 2 << false;
    QTest::newRow("bar of cycle 120 on the edge") << 120.0 << 3 << true;
    QTest::newRow("a hair beyond the edge") << 120.05 << 3 << true;
    QTest::newRow("left of the chart") << -1.0 << 3 << false;
}

void TestBildflaeche::farOutsideIsNotKept()
{
    QFETCH(double, x);
    QFETCH(int, pen);
    QFETCH(bool, kept);
    Chart chart;
    chart.surface.flaeche().stiftbreite(pen);
    chart.surface.flaeche().linie(x, 0, x, 1000, QColor(rot).rgb());
    QCOMPARE(retainedOperations(chart.surface), std::size_t(kept ? 1 : 0));
    // What is kept is what can be seen at some scale, and nothing else.
    bool seen = false;
    for (const QSize size : {QSize(1667, 425), QSize(3333, 850), QSize(5000, 1275)}) {
        chart.surface.resize(size);
        seen = seen || !columnsOf(chart.surface.picture(), size.height() - 2, rot).isEmpty();
    }
    QCOMPARE(seen, kept);
}

void TestBildflaeche::gridLinesEqualCellOutlines_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("zoom 1") << QSize(442, 425);
    QTest::newRow("zoom 1.25") << QSize(553, 531);
    QTest::newRow("zoom 2") << QSize(884, 850);
    QTest::newRow("zoom 3") << QSize(1326, 1275);
}

void TestBildflaeche::gridLinesEqualCellOutlines()
{
    // The field is drawn cell by cell (a red square, then its outline) or as
    // all squares followed by the 51 + 51 grid lines: the same pixels.
    QFETCH(QSize, size);
    const QColor grau(100, 100, 100);
    const auto spielt = [](int i, int j) { return (i * 7 + j * 13) % 5 == 0; };
    Bildflaeche zellweise, gitter;
    for (Bildflaeche* feld : {&zellweise, &gitter}) {
        feld->resize(size);
        feld->flaeche().hintergrundSetzen(QColor(Qt::black).rgb());
        feld->flaeche().nutzerkoordinaten(0, 0, 50, 50);
        feld->flaeche().zoomSetzen(size.width() / 442.0);
    }
    for (int i = 0; i < 50; ++i)
        for (int j = 0; j < 50; ++j) {
            if (spielt(i, j)) {
                zellweise.flaeche().gefuellt(i, j, i + 1, j + 1, QColor(Qt::red).rgb());
                gitter.flaeche().gefuellt(i, j, i + 1, j + 1, QColor(Qt::red).rgb());
            }
            zellweise.flaeche().rahmen(i, j, i + 1, j + 1, QColor(grau).rgb());
        }
    for (int i = 0; i <= 50; ++i) {
        gitter.flaeche().linie(i, 0, i, 50, QColor(grau).rgb());
        gitter.flaeche().linie(0, i, 50, i, QColor(grau).rgb());
    }
    QCOMPARE(gitter.picture(), zellweise.picture());
}

void TestBildflaeche::penWidthStaysSet()
{
    Chart chart;
    QCOMPARE(penWidth(chart.surface), 1);
    chart.surface.flaeche().stiftbreite(3);
    chart.surface.flaeche().linie(1, 0, 1, 10, QColor(rot).rgb());
    chart.surface.flaeche().loeschen();
    QCOMPARE(penWidth(chart.surface), 3);
}

void TestBildflaeche::mouseReportsUserCoordinates()
{
    Bildflaeche field;
    field.resize(442, 425);
    field.flaeche().nutzerkoordinaten(0, 0, 50, 50);
    field.show();
    QVERIFY(QTest::qWaitForWindowExposed(&field));
    QPointF reported(-1, -1);
    connect(&field, &Bildflaeche::moved, [&](QPointF p) { reported = p; });
    QTest::mouseMove(&field, QPoint(1, 1));
    QCOMPARE(reported, QPointF(50.0 / 442, 50.0 / 425));
    QTest::mouseMove(&field, QPoint(441, 424));
    QVERIFY(std::floor(reported.x()) == 49 && std::floor(reported.y()) == 49);
}

QTEST_MAIN(TestBildflaeche)
#include "tst_bildflaeche.moc"
