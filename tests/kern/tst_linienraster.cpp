// SPDX-License-Identifier: GPL-3.0-or-later
// The layer's lines, circles and filled rectangles against the desktop's
// painter: every pixel of QPainter's picture must come out the same in the
// Pixelbild.
#include "linienraster.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <random>

namespace {

constexpr QRgb grund = 0xffffffff;
constexpr QRgb tinte = 0xff1f4e8c;

QImage leer(int w, int h)
{
    QImage bild(w, h, QImage::Format_RGB32);
    bild.fill(grund);
    return bild;
}

QImage qtLinie(int w, int h, QPoint a, QPoint b, int stift)
{
    QImage bild = leer(w, h);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing, false);
    maler.setPen(QPen(QColor::fromRgb(tinte), stift, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    maler.drawLine(a, b);
    return bild;
}

QImage qtKreis(int w, int h, QPointF mitte, double radius, int stift)
{
    QImage bild = leer(w, h);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing, false);
    maler.setPen(QPen(QColor::fromRgb(tinte), stift));
    maler.setBrush(Qt::NoBrush);
    maler.drawEllipse(mitte, radius, radius);
    return bild;
}

struct Vergleich
{
    int abweichend = 0;
    bool nurAmRand = true;  // every differing pixel borders both colours in Qt's picture
    bool rechteckHaelt = true;
    QString bericht;
};

bool gemalt(const QImage& bild, int x, int y)
{
    return x >= 0 && y >= 0 && x < bild.width() && y < bild.height() && bild.pixel(x, y) != grund;
}

Vergleich vergleichen(const QImage& soll, const Pixelbild& ist, Pixelrechteck r)
{
    Vergleich v;
    if (!r.leer() && !(r.geschnitten(ist.rechteck()) == r)) {
        v.rechteckHaelt = false;
        v.bericht += QStringLiteral(" rectangle beyond the picture;");
    }
    const int w = ist.breite();
    for (int y = 0; y < soll.height(); ++y) {
        const QRgb* qt = reinterpret_cast<const QRgb*>(soll.constScanLine(y));
        const Farbe* uns = ist.daten() + std::size_t(y) * std::size_t(w);
        for (int x = 0; x < w; ++x) {
            if (uns[x] != grund && (r.leer() || x < r.x0 || x > r.x1 || y < r.y0 || y > r.y1)) {
                if (v.rechteckHaelt)
                    v.bericht += QStringLiteral(" (%1,%2) outside the rectangle;").arg(x).arg(y);
                v.rechteckHaelt = false;
            }
        }
        if (std::equal(uns, uns + w, qt))
            continue;
        for (int x = 0; x < w; ++x) {
            if (qt[x] == uns[x])
                continue;
            bool innen = false, aussen = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    (gemalt(soll, x + dx, y + dy) ? innen : aussen) = true;
            v.nurAmRand = v.nurAmRand && innen && aussen;
            if (++v.abweichend <= 6)
                v.bericht += QStringLiteral(" (%1,%2) Qt %3 here %4;")
                                 .arg(x)
                                 .arg(y)
                                 .arg(qt[x] == grund ? "empty" : "ink")
                                 .arg(uns[x] == grund ? "empty" : "ink");
        }
    }
    return v;
}

QString linienFall(int w, int h, int x1, int y1, int x2, int y2, int stift)
{
    return QStringLiteral("%1x%2 (%3,%4)-(%5,%6) pen %7").arg(w).arg(h).arg(x1).arg(y1).arg(x2).arg(y2).arg(stift);
}

QString kreisFall(int w, int h, double cx, double cy, double r, int stift)
{
    return QStringLiteral("%1x%2 centre (%3,%4) radius %5 pen %6")
        .arg(w)
        .arg(h)
        .arg(cx, 0, 'g', 17)
        .arg(cy, 0, 'g', 17)
        .arg(r, 0, 'g', 17)
        .arg(stift);
}

// Zero when exact; the differing pixels otherwise (and a failure when they
// are not all on the outline's edge or the rectangle misses a pixel).
int linieVergleichen(int w, int h, int x1, int y1, int x2, int y2, int stift, QString& fehler)
{
    Pixelbild bild(w, h, grund);
    const Pixelrechteck r = schraegeLinieRastern(bild, x1, y1, x2, y2, stift, tinte);
    const Vergleich v = vergleichen(qtLinie(w, h, {x1, y1}, {x2, y2}, stift), bild, r);
    if (v.abweichend || !v.rechteckHaelt)
        fehler = linienFall(w, h, x1, y1, x2, y2, stift) + ":" + v.bericht;
    return v.rechteckHaelt ? v.abweichend : -1;
}

int kreisVergleichen(int w, int h, double cx, double cy, double radius, int stift, QString& fehler)
{
    Pixelbild bild(w, h, grund);
    const Pixelrechteck r = kreisRastern(bild, cx, cy, radius, stift, tinte);
    const Vergleich v = vergleichen(qtKreis(w, h, {cx, cy}, radius, stift), bild, r);
    if (v.abweichend || !v.rechteckHaelt)
        fehler = kreisFall(w, h, cx, cy, radius, stift) + ":" + v.bericht;
    return v.rechteckHaelt && v.nurAmRand ? v.abweichend : -1;
}

// Pens wider than a pixel: the layer fills the ring between two Bézier
// circles where the painter fills between its own offset curves, which
// stray from those by hundredths of a pixel and are flattened at other
// points (kreisring.cpp). So a few pixels whose centres lie that close to
// the ring's inner or outer edge may differ: at most this many, and only on
// the edge. One-pixel circles must come out exact.
int erlaubteAbweichung(double radius, int stift)
{
    return stift <= 1 ? 0 : 8 + int(2 * radius);
}

} // namespace

class TstLinienraster : public QObject
{
    Q_OBJECT

private slots:
    void linien_data();
    void linien();
    void kreise_data();
    void kreise();
    void zufallsLinien();
    void zufallsKreise();
    void rechtecke_data();
    void rechtecke();
};

void TstLinienraster::linien_data()
{
    QTest::addColumn<int>("x1");
    QTest::addColumn<int>("y1");
    QTest::addColumn<int>("x2");
    QTest::addColumn<int>("y2");
    QTest::addColumn<int>("stift");
    struct Fall
    {
        const char* name;
        int x1, y1, x2, y2;
    };
    const Fall faelle[] = {
        {"steep", 40, 10, 52, 90},        {"flat", 5, 30, 95, 41},          {"45 degrees", 10, 10, 70, 70},
        {"45 degrees up", 10, 70, 70, 10}, {"nearly level", 3, 50, 97, 51}, {"nearly upright", 50, 2, 51, 98},
        {"backwards", 90, 80, 12, 20},    {"short", 20, 20, 21, 22},        {"one step", 30, 30, 31, 31},
        {"leaves left", -6, 40, 30, 60},  {"leaves bottom", 40, 60, 70, 105}, {"corner to corner", -3, -4, 103, 104},
        {"level", 10, 40, 80, 40},        {"upright", 60, 5, 60, 90},       {"point", 50, 50, 50, 50},
    };
    for (const int stift : {1, 2, 3, 5})
        for (const Fall& f : faelle)
            QTest::addRow("%s, pen %d", f.name, stift) << f.x1 << f.y1 << f.x2 << f.y2 << stift;
}

void TstLinienraster::linien()
{
    QFETCH(int, x1);
    QFETCH(int, y1);
    QFETCH(int, x2);
    QFETCH(int, y2);
    QFETCH(int, stift);
    QString fehler;
    QVERIFY2(linieVergleichen(100, 100, x1, y1, x2, y2, stift, fehler) == 0, qPrintable(fehler));
}

void TstLinienraster::kreise_data()
{
    QTest::addColumn<double>("mitteX");
    QTest::addColumn<double>("mitteY");
    QTest::addColumn<double>("radius");
    QTest::addColumn<int>("stift");
    QTest::addColumn<int>("erlaubt");
    struct Fall
    {
        const char* name;
        double mitteX, mitteY, radius;
    };
    // Centres on pixel centres, as the window gives them.
    const Fall faelle[] = {
        {"radius 9", 50.5, 50.5, 9.0},          {"radius 13.5", 50.5, 50.5, 13.5},
        {"radius 18", 60.5, 40.5, 18.0},        {"radius 0.4", 20.5, 20.5, 0.4},
        {"radius 27.3", 50.5, 50.5, 27.3},      {"radius 0", 30.5, 30.5, 0.0},
        {"radius 40", 50.5, 50.5, 40.0},        {"radius 7.2", 10.5, 80.5, 7.2},
        {"cut by the left", 3.5, 50.5, 13.5},   {"cut by the top", 50.5, 2.5, 18.0},
        {"cut by the right", 97.5, 30.5, 27.3}, {"cut by the bottom", 40.5, 99.5, 9.0},
        {"centre outside", -5.5, -4.5, 20.0},   {"in the corner", 99.5, 99.5, 31.5},
    };
    for (const int stift : {1, 2, 3, 5})
        for (const Fall& f : faelle)
            QTest::addRow("%s, pen %d", f.name, stift)
                << f.mitteX << f.mitteY << f.radius << stift << erlaubteAbweichung(f.radius, stift);
}

void TstLinienraster::kreise()
{
    QFETCH(double, mitteX);
    QFETCH(double, mitteY);
    QFETCH(double, radius);
    QFETCH(int, stift);
    QFETCH(int, erlaubt);
    QString fehler;
    const int abweichend = kreisVergleichen(100, 100, mitteX, mitteY, radius, stift, fehler);
    if (stift > 1)
        qInfo("%d pixels differ on the ring's edge (at most %d allowed)", abweichend, erlaubt);
    QVERIFY2(abweichend >= 0 && abweichend <= erlaubt, qPrintable(fehler));
}

void TstLinienraster::zufallsLinien()
{
    std::mt19937 zufall(20240611);
    int faelle = 0, falsch = 0;
    QString erster;
    for (const QSize groesse : {QSize(500, 500), QSize(137, 61)}) {
        const int w = groesse.width(), h = groesse.height();
        for (int i = 0; i < 1500; ++i) {
            const int stift = 1 + int(zufall() % 4);
            const int rand = stift + 2;
            std::uniform_int_distribution<int> xs(-rand, w + rand), ys(-rand, h + rand);
            const int x1 = xs(zufall), y1 = ys(zufall), x2 = xs(zufall), y2 = ys(zufall);
            QString fehler;
            ++faelle;
            if (linieVergleichen(w, h, x1, y1, x2, y2, stift, fehler) != 0 && falsch++ == 0)
                erster = fehler;
        }
    }
    qInfo("%d random lines, %d differ", faelle, falsch);
    QVERIFY2(falsch == 0, qPrintable(erster));
}

void TstLinienraster::zufallsKreise()
{
    std::mt19937 zufall(20240612);
    int faelle = 0, genau = 0, falsch = 0, pixel = 0;
    QString erster;
    const int w = 300, h = 200;
    std::uniform_int_distribution<int> xs(-30, w + 30), ys(-30, h + 30);
    std::uniform_real_distribution<double> radien(0.0, 60.0);
    for (int i = 0; i < 400; ++i) {
        const int stift = 1 + int(zufall() % 4);
        // Every third one a whole number plus a half: a box of whole pixels.
        const double radius = i % 3 == 0 ? std::floor(radien(zufall)) + 0.5 : radien(zufall);
        const double cx = xs(zufall) + 0.5, cy = ys(zufall) + 0.5;
        QString fehler;
        ++faelle;
        const int abweichend = kreisVergleichen(w, h, cx, cy, radius, stift, fehler);
        if (abweichend == 0)
            ++genau;
        else if (abweichend > 0)
            pixel += abweichend;
        if ((abweichend < 0 || abweichend > erlaubteAbweichung(radius, stift)) && falsch++ == 0)
            erster = fehler;
    }
    qInfo("%d random circles, %d exact, %d pixels differ in all, %d beyond the bound", faelle, genau, pixel,
          falsch);
    QVERIFY2(falsch == 0, qPrintable(erster));
}

Q_DECLARE_METATYPE(Pixelrechteck)

void TstLinienraster::rechtecke_data()
{
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    QTest::addColumn<Pixelrechteck>("rechteck");
    QTest::addColumn<Pixelrechteck>("gefuellt");
    // The chart's picture, and the smallest one.
    QTest::newRow("whole chart") << 1667 << 425 << Pixelrechteck{0, 0, 1666, 424} << Pixelrechteck{0, 0, 1666, 424};
    QTest::newRow("beyond every edge") << 1667 << 425 << Pixelrechteck{-5, -9, 2000, 500}
                                       << Pixelrechteck{0, 0, 1666, 424};
    QTest::newRow("wide, inside") << 1667 << 425 << Pixelrechteck{10, 20, 700, 300} << Pixelrechteck{10, 20, 700, 300};
    QTest::newRow("a bar") << 1667 << 425 << Pixelrechteck{100, 50, 102, 424} << Pixelrechteck{100, 50, 102, 424};
    QTest::newRow("one row") << 1667 << 425 << Pixelrechteck{0, 7, 1666, 7} << Pixelrechteck{0, 7, 1666, 7};
    QTest::newRow("one pixel") << 1 << 1 << Pixelrechteck{0, 0, 0, 0} << Pixelrechteck{0, 0, 0, 0};
    QTest::newRow("left of the picture") << 300 << 200 << Pixelrechteck{-10, 5, -1, 50} << Pixelrechteck{};
    QTest::newRow("empty") << 300 << 200 << Pixelrechteck{10, 10, 9, 20} << Pixelrechteck{};
}

void TstLinienraster::rechtecke()
{
    QFETCH(int, w);
    QFETCH(int, h);
    QFETCH(Pixelrechteck, rechteck);
    QFETCH(Pixelrechteck, gefuellt);
    Pixelbild bild(w, h, grund);
    const Pixelrechteck r = bild.fuellen(rechteck, tinte);
    QVERIFY(r == gefuellt);
    QImage soll = leer(w, h);
    QPainter maler(&soll);
    maler.fillRect(QRect(QPoint(rechteck.x0, rechteck.y0), QPoint(rechteck.x1, rechteck.y1)), QColor::fromRgb(tinte));
    maler.end();
    const Vergleich v = vergleichen(soll, bild, r);
    QVERIFY2(v.abweichend == 0 && v.rechteckHaelt, qPrintable(v.bericht));
}

QTEST_MAIN(TstLinienraster)
#include "tst_linienraster.moc"
