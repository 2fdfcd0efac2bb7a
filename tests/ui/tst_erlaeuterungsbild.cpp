// SPDX-License-Identifier: GPL-3.0-or-later
#include "erlaeuterungsbild.h"
#include "erlaeuterungstext.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

const QColor blau(0, 0, 255);
const QColor hellgrau(243, 243, 243);
const QColor weiss(255, 255, 255);
// Never painted by the picture: shows where nothing was drawn.
const QColor leer(255, 0, 255);

constexpr double titelGrundlinie = 123;

// A rendering of the picture and the scale it was made at.
struct Bild
{
    QImage image;
    double geraetProEinheit; // device pixels per drawing unit

    int px(double einheiten) const { return static_cast<int>(std::floor(einheiten * geraetProEinheit)); }
    QColor farbe(double x, double y) const { return image.pixelColor(px(x), px(y)); }
};

Bild rendern(double zoom, double dpr)
{
    const double ppu = erlaeuterung::pixelProEinheit * zoom;
    // Tall enough for the line of text below the drawing.
    QImage image(static_cast<int>(std::ceil(2600 * ppu * dpr)), static_cast<int>(std::ceil(2300 * ppu * dpr)),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    image.fill(leer);
    QPainter painter(&image);
    paintErlaeuterung(painter, ppu);
    painter.end();
    return {image, ppu * dpr};
}

QFont vorlagenSchrift(bool fett)
{
    QFont font;
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")});
    font.setBold(fett);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

double punktInEinheiten(double punkte)
{
    return punkte * 600.0 / 72.0;
}

// A line drawn here the plain way: unscaled painter, font in whole device
// pixels, on the grey of the picture.
Bild zeileAlsVorlage(const Bild& vorlage, const QString& text, int grundlinie, double punkte, bool fett)
{
    QImage image(vorlage.image.size(), QImage::Format_RGB32);
    image.fill(hellgrau);
    const double s = vorlage.geraetProEinheit;
    QFont font = vorlagenSchrift(fett);
    font.setPixelSize(static_cast<int>(std::lround(punktInEinheiten(punkte) * s)));
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(31 * s, grundlinie * s), text);
    painter.end();
    return {image, s};
}

// The advance of a text in units, measured on a large font.
double breiteInEinheiten(const QString& text, double punkte, bool fett)
{
    constexpr double fein = 12;
    QFont font = vorlagenSchrift(fett);
    font.setPixelSize(static_cast<int>(std::lround(punktInEinheiten(punkte) * fein)));
    return QFontMetricsF(font).horizontalAdvance(text) / fein;
}

bool fastSchwarz(QColor c)
{
    return std::max({c.red(), c.green(), c.blue()}) < 90;
}

// Darkness against the grey ground, summed over a band of rows (in units)
// inside the grey area.
double tinte(const Bild& bild, double oben, double unten)
{
    double summe = 0;
    for (int y = bild.px(oben); y <= bild.px(unten); ++y)
        for (int x = bild.px(31); x < bild.px(2527); ++x)
            summe += std::max(0, 243 - qGray(bild.image.pixel(x, y)));
    return summe;
}

enum class Farbton { Rot, Gruen, Blau };

// How far a pixel's channel of that hue stands out of the other two.
int farbstaerke(QColor c, Farbton ton)
{
    switch (ton) {
    case Farbton::Rot:
        return c.red() - std::max(c.green(), c.blue());
    case Farbton::Gruen:
        return c.green() - std::max(c.red(), c.blue());
    case Farbton::Blau:
        return c.blue() - std::max(c.red(), c.green());
    }
    return 0;
}

// A pixel clearly of that hue, also where antialiasing mixes it with the ground.
bool hatFarbton(QColor c, Farbton ton)
{
    return farbstaerke(c, ton) > (ton == Farbton::Gruen ? 60 : 80);
}

QColor reineFarbe(Farbton ton)
{
    switch (ton) {
    case Farbton::Rot:
        return QColor(255, 0, 0);
    case Farbton::Gruen:
        return QColor(0, 153, 0);
    case Farbton::Blau:
        return QColor(0, 0, 255);
    }
    return {};
}

bool nahe(QColor a, QColor b, int toleranz)
{
    return std::abs(a.red() - b.red()) <= toleranz && std::abs(a.green() - b.green()) <= toleranz
        && std::abs(a.blue() - b.blue()) <= toleranz;
}

// The band of a line of 11-point text: its ascenders down to its descenders,
// clear of the lines above and below.
constexpr double bandOben = 72;
constexpr double bandUnten = 22;

struct Massstab
{
    const char* name;
    double zoom;
    double dpr;
};

const Massstab massstaebe[] = {{"zoom 1", 1.0, 1.0}, {"zoom 2", 2.0, 1.0}, {"zoom 1.5 on a 2x screen", 1.5, 2.0}};

void massstabSpalten()
{
    QTest::addColumn<double>("zoom");
    QTest::addColumn<double>("dpr");
}

} // namespace

class TestErlaeuterungsbild : public QObject
{
    Q_OBJECT

private slots:
    void rahmenLiegtAufGanzenPixeln_data();
    void rahmenLiegtAufGanzenPixeln();
    void farbeAnStelle_data();
    void farbeAnStelle();
    void titelStehtAufSeinerGrundlinie_data();
    void titelStehtAufSeinerGrundlinie();
    void zeileWieVorlage_data();
    void zeileWieVorlage();
    void zeilenHabenIhreFarbe_data();
    void zeilenHabenIhreFarbe();
    void nurJederIstUnterstrichen_data();
    void nurJederIstUnterstrichen();
    void texteSindVollstaendig_data();
    void texteSindVollstaendig();
    void widgetZeigtDieLetzteZeile();
};

void TestErlaeuterungsbild::rahmenLiegtAufGanzenPixeln_data()
{
    massstabSpalten();
    for (const Massstab& m : massstaebe)
        QTest::addRow("%s", m.name) << m.zoom << m.dpr;
}

// Across the frame every pixel is either the frame's blue or the white ground
// (no blended edge), and the line is as thick as 6 units, at least one pixel.
void TestErlaeuterungsbild::rahmenLiegtAufGanzenPixeln()
{
    QFETCH(double, zoom);
    QFETCH(double, dpr);
    const Bild bild = rendern(zoom, dpr);
    const double dicke = 6 * bild.geraetProEinheit;

    const auto pruefen = [&](const QList<QColor>& schnitt) {
        int blaue = 0;
        for (QColor c : schnitt) {
            QVERIFY2(c == blau || c == weiss, qPrintable(c.name()));
            if (c == blau)
                ++blaue;
        }
        QVERIFY(blaue >= 1);
        QVERIFY(blaue >= std::floor(dicke));
        QVERIFY(blaue <= std::ceil(dicke));
    };
    QList<QColor> schnitt;
    for (int y = 0; y < bild.px(25); ++y) // top side, down to just above the grey area
        schnitt.append(bild.image.pixelColor(bild.px(1200), y));
    pruefen(schnitt);
    schnitt.clear();
    for (int x = bild.px(2530); x <= bild.px(2556); ++x) // right side, to the frame's outer edge
        schnitt.append(bild.image.pixelColor(x, bild.px(1200)));
    // Right of the drawing nothing is painted.
    QCOMPARE(bild.image.pixelColor(bild.px(2590), bild.px(1200)), leer);
    pruefen(schnitt);
}

void TestErlaeuterungsbild::farbeAnStelle_data()
{
    massstabSpalten();
    QTest::addColumn<QPointF>("punkt");
    QTest::addColumn<QColor>("farbe");
    struct Stelle
    {
        const char* name;
        QPointF punkt;
        QColor farbe;
    };
    const Stelle stellen[] = {
        {"grey, top-left corner", {34, 34}, hellgrau},
        {"grey, bottom-right corner", {2522, 2134}, hellgrau},
        {"grey, right of a heading", {2300, 250}, hellgrau},
        {"grey, right of a short line", {1500, 1410}, hellgrau},
        {"grey, right of the last line inside", {1200, 2040}, hellgrau},
        {"white, between frame and grey", {18, 18}, weiss},
        {"white, right of the grey", {2540, 1000}, weiss},
        {"white, below the grey", {2300, 2152}, weiss},
        // The middle of the frame line on all four sides; on the bottom side
        // away from the last line of text, which crosses it.
        {"frame, top", {500, 3}, blau},
        {"frame, top middle", {1500, 3}, blau},
        {"frame, top right", {2400, 3}, blau},
        {"frame, bottom left", {15, 2166}, blau},
        {"frame, bottom right", {2350, 2166}, blau},
        {"frame, bottom corner side", {2500, 2166}, blau},
        {"frame, left", {3, 500}, blau},
        {"frame, left middle", {3, 1500}, blau},
        {"frame, left low", {3, 2100}, blau},
        {"frame, right high", {2553, 100}, blau},
        {"frame, right middle", {2553, 1200}, blau},
        {"frame, right low", {2553, 2100}, blau},
        {"frame, top-left corner", {3, 3}, blau},
        {"frame, bottom-right corner", {2553, 2166}, blau},
    };
    for (const Massstab& m : massstaebe)
        for (const Stelle& s : stellen)
            QTest::addRow("%s, %s", m.name, s.name) << m.zoom << m.dpr << s.punkt << s.farbe;
}

void TestErlaeuterungsbild::farbeAnStelle()
{
    QFETCH(double, zoom);
    QFETCH(double, dpr);
    QFETCH(QPointF, punkt);
    QFETCH(QColor, farbe);
    const Bild bild = rendern(zoom, dpr);
    QCOMPARE(bild.farbe(punkt.x(), punkt.y()), farbe);
}

void TestErlaeuterungsbild::titelStehtAufSeinerGrundlinie_data()
{
    massstabSpalten();
    for (const Massstab& m : massstaebe)
        QTest::addRow("%s", m.name) << m.zoom << m.dpr;
}

void TestErlaeuterungsbild::titelStehtAufSeinerGrundlinie()
{
    QFETCH(double, zoom);
    QFETCH(double, dpr);
    const Bild bild = rendern(zoom, dpr);

    // Black strokes just above the baseline at the start of the line ...
    int links = -1;
    int dunkle = 0;
    for (int x = bild.px(20); x <= bild.px(200); ++x)
        for (int y = bild.px(titelGrundlinie - 40); y < bild.px(titelGrundlinie); ++y)
            if (fastSchwarz(bild.image.pixelColor(x, y))) {
                ++dunkle;
                if (links < 0)
                    links = x;
            }
    QVERIFY(dunkle > 0);
    // ... beginning at the left edge of the text, x = 31.
    QVERIFY2(links >= bild.px(31) - 1 && links <= bild.px(45), qPrintable(QString::number(links)));

    // Below the title's descenders and above the next line nothing but grey.
    for (int y = bild.px(titelGrundlinie + 27); y <= bild.px(281 - 70); ++y)
        for (int x = bild.px(31) + 1; x < bild.px(2527); ++x)
            QCOMPARE(bild.image.pixelColor(x, y), hellgrau);
}

void TestErlaeuterungsbild::zeileWieVorlage_data()
{
    massstabSpalten();
    QTest::addColumn<int>("grundlinie");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("punkte");
    QTest::addColumn<bool>("fett");
    struct Zeile
    {
        int grundlinie;
        const char* text;
        double punkte;
        bool fett;
    };
    // The black lines of a single style.
    const Zeile zeilen[] = {
        {123, "Kettenbrief, Modellvergleich", 12, true},
        {645, "Spielteilnehmer im Schnitt alle zwei Iterationen einen potentiellen", 11, false},
        {750, "neuen Spielteilnehmer anwirbt.", 11, false},
        {1222, "mehr Teilnehmer in einem Iterationsschritt den selben neuen", 11, false},
        {1433, "Teilnehmer hinzu.", 11, false},
        {2060, "wird.", 11, false},
    };
    for (const Massstab& m : massstaebe)
        for (const Zeile& z : zeilen)
            QTest::addRow("%s, line %d", m.name, z.grundlinie)
                << m.zoom << m.dpr << z.grundlinie << QString::fromUtf8(z.text) << z.punkte << z.fett;
}

// A line against the same words drawn here: as much ink as in its own weight
// and clearly more or less than in the other one, and as long as the text
// measures in its size.
void TestErlaeuterungsbild::zeileWieVorlage()
{
    QFETCH(double, zoom);
    QFETCH(double, dpr);
    QFETCH(int, grundlinie);
    QFETCH(QString, text);
    QFETCH(double, punkte);
    QFETCH(bool, fett);
    const Bild bild = rendern(zoom, dpr);
    const double oben = grundlinie - 0.8 * punktInEinheiten(punkte);
    const double unten = grundlinie + bandUnten;

    const double gezeigt = tinte(bild, oben, unten);
    const double gleich = tinte(zeileAlsVorlage(bild, text, grundlinie, punkte, fett), oben, unten);
    const double anders = tinte(zeileAlsVorlage(bild, text, grundlinie, punkte, !fett), oben, unten);
    const double normal = fett ? anders : gleich;
    const double kraeftig = fett ? gleich : anders;
    QVERIFY2(kraeftig > 1.2 * normal, "the reference weights do not differ");
    const QString werte = QString("%1, same weight %2, other weight %3").arg(gezeigt).arg(gleich).arg(anders);
    QVERIFY2(std::abs(gezeigt - gleich) < 0.15 * gleich, qPrintable(werte));
    if (fett)
        QVERIFY2(gezeigt > 1.2 * normal, qPrintable(werte));
    else
        QVERIFY2(gezeigt * 1.2 < kraeftig, qPrintable(werte));

    int rechts = -1;
    for (int y = bild.px(oben); y <= bild.px(unten); ++y)
        for (int x = bild.px(31); x < bild.px(2527); ++x)
            if (qGray(bild.image.pixel(x, y)) < 200)
                rechts = std::max(rechts, x);
    const double ende = (rechts + 1) / bild.geraetProEinheit;
    const double erwartet = 31 + breiteInEinheiten(text, punkte, fett);
    QVERIFY2(std::abs(ende - erwartet) < 15 + 2 / bild.geraetProEinheit,
             qPrintable(QString("ink ends at %1, text at %2").arg(ende).arg(erwartet)));
}

void TestErlaeuterungsbild::zeilenHabenIhreFarbe_data()
{
    massstabSpalten();
    QTest::addColumn<int>("grundlinie");
    QTest::addColumn<bool>("rot");
    QTest::addColumn<bool>("gruen");
    QTest::addColumn<bool>("blau");
    struct Zeile
    {
        int grundlinie;
        bool rot, gruen, blau;
    };
    const Zeile zeilen[] = {
        {123, false, false, false},  {281, false, false, true},  {436, true, false, false},
        {540, false, false, false},  {908, true, false, false},  {1117, false, false, false},
        {1588, false, true, false},  {1694, false, true, false}, {1954, false, false, true},
    };
    for (const Massstab& m : massstaebe)
        for (const Zeile& z : zeilen)
            QTest::addRow("%s, line %d", m.name, z.grundlinie)
                << m.zoom << m.dpr << z.grundlinie << z.rot << z.gruen << z.blau;
}

void TestErlaeuterungsbild::zeilenHabenIhreFarbe()
{
    QFETCH(double, zoom);
    QFETCH(double, dpr);
    QFETCH(int, grundlinie);
    QFETCH(bool, rot);
    QFETCH(bool, gruen);
    QFETCH(bool, blau);
    const Bild bild = rendern(zoom, dpr);

    struct Zaehler
    {
        Farbton ton;
        bool erwartet;
        int getont = 0;
        int staerkste = -1; // how far the most coloured pixel stands out
        QColor reinste = {};
    };
    Zaehler zaehler[] = {{Farbton::Rot, rot}, {Farbton::Gruen, gruen}, {Farbton::Blau, blau}};
    int schwarze = 0;
    // Away from the frame, which is blue.
    for (int y = bild.px(grundlinie - bandOben); y <= bild.px(grundlinie + bandUnten); ++y)
        for (int x = bild.px(31); x < bild.px(2527); ++x) {
            const QColor c = bild.image.pixelColor(x, y);
            if (fastSchwarz(c))
                ++schwarze;
            for (Zaehler& z : zaehler) {
                z.getont += hatFarbton(c, z.ton);
                const int staerke = farbstaerke(c, z.ton);
                if (staerke > z.staerkste) {
                    z.staerkste = staerke;
                    z.reinste = c;
                }
            }
        }
    for (const Zaehler& z : zaehler) {
        if (z.erwartet) {
            QVERIFY2(z.getont > 40, qPrintable(QString::number(z.getont)));
            // The strokes' cores are the colour itself.
            QVERIFY2(nahe(z.reinste, reineFarbe(z.ton), 12), qPrintable(z.reinste.name()));
        } else {
            QCOMPARE(z.getont, 0);
        }
    }
    // Lines wholly in colour have no black in them, the others do.
    const bool ganzFarbig = grundlinie == 281 || grundlinie == 436 || grundlinie == 908 || grundlinie == 1588
        || grundlinie == 1694;
    if (ganzFarbig)
        QCOMPARE(schwarze, 0);
    else
        QVERIFY(schwarze > 0);
}

void TestErlaeuterungsbild::nurJederIstUnterstrichen_data()
{
    massstabSpalten();
    QTest::addColumn<int>("grundlinie");
    QTest::addColumn<bool>("unterstrichen");
    for (const Massstab& m : massstaebe) {
        QTest::addRow("%s, line 540", m.name) << m.zoom << m.dpr << 540 << true;
        QTest::addRow("%s, line 645", m.name) << m.zoom << m.dpr << 645 << false;
        QTest::addRow("%s, line 908", m.name) << m.zoom << m.dpr << 908 << false;
        QTest::addRow("%s, line 1222", m.name) << m.zoom << m.dpr << 1222 << false;
    }
}

// An underline is a long dark run in a row just below the baseline; under
// line 540 it ends where the line's last word, "jeder", ends.
void TestErlaeuterungsbild::nurJederIstUnterstrichen()
{
    QFETCH(double, zoom);
    QFETCH(double, dpr);
    QFETCH(int, grundlinie);
    QFETCH(bool, unterstrichen);
    const Bild bild = rendern(zoom, dpr);
    const auto dunkel = [&](int x, int y) { return qGray(bild.image.pixel(x, y)) < 200; };

    int laengster = 0;
    int laengsterEnde = 0;
    for (int y = bild.px(grundlinie + 2); y <= bild.px(grundlinie + bandUnten); ++y) {
        int lauf = 0;
        for (int x = bild.px(31); x < bild.px(2527); ++x) {
            lauf = dunkel(x, y) ? lauf + 1 : 0;
            if (lauf > laengster) {
                laengster = lauf;
                laengsterEnde = x;
            }
        }
    }
    int tintenEnde = 0;
    for (int y = bild.px(grundlinie - bandOben); y <= bild.px(grundlinie + bandUnten); ++y)
        for (int x = bild.px(31); x < bild.px(2527); ++x)
            if (dunkel(x, y))
                tintenEnde = std::max(tintenEnde, x);

    // "jeder" is about 180 units wide; no letter has a flat stroke half as long.
    const double laengeInEinheiten = laengster / bild.geraetProEinheit;
    if (unterstrichen) {
        QVERIFY2(laengeInEinheiten > 150 && laengeInEinheiten < 220, qPrintable(QString::number(laengeInEinheiten)));
        QVERIFY(std::abs(laengsterEnde - tintenEnde) <= bild.px(12) + 1);
    } else {
        QVERIFY2(laengeInEinheiten < 90, qPrintable(QString::number(laengeInEinheiten)));
    }
}

void TestErlaeuterungsbild::texteSindVollstaendig_data()
{
    QTest::addColumn<int>("grundlinie");
    QTest::addColumn<QString>("text");
    QTest::newRow("title") << 123 << QStringLiteral("Kettenbrief, Modellvergleich");
    QTest::newRow("quotes") << 436 << QStringLiteral("Schaltfläche „Zielsuche“");
    QTest::newRow("underlined word") << 540
                                     << QStringLiteral("Eine Wachstumsrate von z. B. p = 50% heißt hier, dass jeder");
    QTest::newRow("italic words") << 908 << QStringLiteral("Schaltfläche „Ergebnis“ nach der Zielsuche betätigen!");
    QTest::newRow("two blanks") << 1011
                                << QStringLiteral("Trifft dieser Versuch einen schon Teilnehmenden,  dann führt das");
    QTest::newRow("bold word") << 1117
                               << QStringLiteral("also nicht zu einer Erhöhung der Teilnehmerzahl. Wenn zwei oder");
    QTest::newRow("bold word at the end")
        << 1327 << QStringLiteral("Teilnehmer anwerben, kommt damit natürlich auch nur ein neuer");
    QTest::newRow("blue words") << 1954
                                << QStringLiteral("das Modell logistischen Wachstums nach Verhulst approximiert");
    QTest::newRow("below the frame") << 2217 << QStringLiteral("Die Modelle sind mathematisch nicht gleichwertig!");
}

// Lines made of several pieces read as one text, with the blanks between them.
void TestErlaeuterungsbild::texteSindVollstaendig()
{
    QFETCH(int, grundlinie);
    QFETCH(QString, text);
    const auto zeilen = erlaeuterung::zeilen();
    const auto it = std::find_if(zeilen.begin(), zeilen.end(),
                                 [&](const ErlaeuterungsZeile& z) { return z.grundlinie == grundlinie; });
    QVERIFY(it != zeilen.end());
    QString ganzeZeile;
    for (const ErlaeuterungsLauf& lauf : it->laeufe)
        ganzeZeile += QString::fromUtf8(lauf.text);
    QCOMPARE(ganzeZeile, text);
}

void TestErlaeuterungsbild::widgetZeigtDieLetzteZeile()
{
    Erlaeuterungsbild bild;
    bild.setZoom(1);
    const QSize klein = bild.sizeHint();
    bild.setZoom(2);
    const QSize gross = bild.sizeHint();
    QVERIFY(std::abs(gross.width() - 2 * klein.width()) <= 1);
    QVERIFY(std::abs(gross.height() - 2 * klein.height()) <= 1);

    bild.resize(gross);
    const QImage image = bild.grab().toImage();
    const Bild gezeigt{image, 2 * erlaeuterung::pixelProEinheit * image.devicePixelRatio()};
    QCOMPARE(gezeigt.farbe(1500, 3), blau);
    QCOMPARE(gezeigt.farbe(1500, 1400), hellgrau);
    // The last line hangs below the frame and must still be inside the widget.
    int dunkle = 0;
    for (int y = gezeigt.px(2170); y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dunkle += fastSchwarz(image.pixelColor(x, y));
    QVERIFY(dunkle > 50);
    QCOMPARE(image.pixelColor(image.width() - 1, image.height() - 1), weiss);
}

QTEST_MAIN(TestErlaeuterungsbild)
#include "tst_erlaeuterungsbild.moc"
