// SPDX-License-Identifier: GPL-3.0-or-later
// German numbers as the evaluation writes them, held against Qt's German
// locale, which wrote them before: the same text for every double, in the
// fixed form, with an exponent and in the short form.
#include "deutschezahl.h"

#include <QLocale>
#include <QTest>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

namespace {

QLocale deutsch()
{
    QLocale locale(QLocale::German, QLocale::Germany);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

// Qt's forms: 'f' below a trillion, else 'E' with three places; the short
// form rounds to `hoechstens` places and writes 15 significant digits.
QString mitQt(double wert, int stellen, bool kurz)
{
    if (std::fabs(wert) >= 1e12)
        return deutsch().toString(wert, 'E', 3);
    if (!kurz)
        return deutsch().toString(wert, 'f', stellen);
    const double gerundet = std::round(wert * std::pow(10.0, stellen)) / std::pow(10.0, stellen);
    return deutsch().toString(gerundet, 'g', 15);
}

QString geschrieben(double wert, int stellen, bool kurz)
{
    return QString::fromStdString(kurz ? deutscheZahlKurz(wert, stellen) : deutscheZahl(wert, stellen));
}

// Fails with the value, its places and both texts.
bool gleichWieQt(double wert, int stellen, bool kurz)
{
    const QString erwartet = mitQt(wert, stellen, kurz);
    const QString text = geschrieben(wert, stellen, kurz);
    if (text == erwartet)
        return true;
    qWarning("%.17g, %d places%s: \"%s\", Qt: \"%s\"", wert, stellen, kurz ? " (short)" : "", qPrintable(text),
             qPrintable(erwartet));
    return false;
}

constexpr double unendlich = std::numeric_limits<double>::infinity();

} // namespace

class TestDeutscheZahl : public QObject
{
    Q_OBJECT

private slots:
    void wieQt_data();
    void wieQt();
    void zufaelligWieQt();
    void formen_data();
    void formen();
};

void TestDeutscheZahl::wieQt_data()
{
    QTest::addColumn<double>("wert");
    QTest::newRow("zero") << 0.0;
    QTest::newRow("negative zero") << -0.0;
    QTest::newRow("a half rounds up") << 2.5;
    QTest::newRow("an exact tie in the places") << 0.125;
    QTest::newRow("1.005 lies below the tie") << 1.005;
    QTest::newRow("negative, rounds to zero") << -0.04;
    QTest::newRow("negative half") << -0.5;
    QTest::newRow("carry through the nines") << 999.9996;
    QTest::newRow("just below a trillion") << 999999999999.96;
    QTest::newRow("a trillion") << 1e12;
    QTest::newRow("minus a trillion") << -1e12;
    QTest::newRow("exponent carries over") << 9.9995e12;
    QTest::newRow("three-digit exponent") << 1.7976931348623157e308;
    QTest::newRow("smallest double") << 5e-324;
    QTest::newRow("below 0,0001") << 0.00005;
    QTest::newRow("0,0001") << 0.0001;
    QTest::newRow("16 digits ending in a half") << 100000000000.0625;
    QTest::newRow("infinity") << unendlich;
    QTest::newRow("minus infinity") << -unendlich;
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("a t") << 0.982;
    QTest::newRow("a deviation") << 43.2499999;
}

void TestDeutscheZahl::wieQt()
{
    QFETCH(double, wert);
    for (int stellen = 0; stellen <= 7; ++stellen) {
        QVERIFY(gleichWieQt(wert, stellen, false));
        QVERIFY(gleichWieQt(wert, stellen, true));
    }
}

// Doubles of every magnitude, and decimals as a game gives them.
void TestDeutscheZahl::zufaelligWieQt()
{
    std::mt19937_64 zufall(20240611);
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t bits = zufall();
        double beliebig = 0;
        std::memcpy(&beliebig, &bits, sizeof beliebig);
        const double dezimal = double(zufall() % 100000000) / std::pow(10.0, int(zufall() % 10));
        const double binaer = std::ldexp(double(zufall() % (1ull << 53)), int(zufall() % 80) - 70);
        for (double wert : {beliebig, dezimal, -dezimal / 8, binaer}) {
            const int stellen = int(zufall() % 8);
            QVERIFY(gleichWieQt(wert, stellen, false));
            QVERIFY(gleichWieQt(wert, stellen, true));
        }
    }
}

// The forms a reader sees, each also Qt's.
void TestDeutscheZahl::formen_data()
{
    QTest::addColumn<bool>("kurz");
    QTest::addColumn<double>("wert");
    QTest::addColumn<int>("stellen");
    QTest::addColumn<QString>("text");
    QTest::newRow("comma, no grouping") << false << 1234.5 << 1 << "1234,5";
    QTest::newRow("whole negative") << false << -3.0 << 0 << "-3";
    QTest::newRow("half up") << false << 2.5 << 0 << "3";
    QTest::newRow("exponent") << false << 1.234e15 << 1 << "1,234E+15";
    QTest::newRow("negative exponent form") << false << -9.87654e13 << 3 << "-9,877E+13";
    QTest::newRow("keeps the sign of what rounds to 0") << false << -0.04 << 1 << "-0,0";
    QTest::newRow("0 has none") << false << -0.0 << 1 << "0,0";
    QTest::newRow("rounds up to a trillion") << false << 999999999999.96 << 1 << "1000000000000,0";
    QTest::newRow("short: no zeros at the end") << true << 1.5 << 6 << "1,5";
    QTest::newRow("short: whole") << true << 2.0 << 6 << "2";
    QTest::newRow("short: small with exponent") << true << 0.00005 << 6 << "5E-05";
    QTest::newRow("short: rounded, then exponent") << true << 0.0000123 << 6 << "1,2E-05";
    QTest::newRow("short: negative rounds to 0") << true << -2.5e-7 << 6 << "0";
    QTest::newRow("short: at most the places") << true << 1.2345678 << 6 << "1,234568";
    QTest::newRow("short: big with exponent") << true << 5e13 << 6 << "5,000E+13";
    QTest::newRow("short: 0,0001 fixed") << true << 0.0001 << 6 << "0,0001";
    QTest::newRow("short: infinity") << true << -unendlich << 6 << "-INF";
    QTest::newRow("NaN") << false << std::numeric_limits<double>::quiet_NaN() << 1 << "nan";
}

void TestDeutscheZahl::formen()
{
    QFETCH(bool, kurz);
    QFETCH(double, wert);
    QFETCH(int, stellen);
    QFETCH(QString, text);
    QCOMPARE(geschrieben(wert, stellen, kurz), text);
    QCOMPARE(mitQt(wert, stellen, kurz), text);
}

QTEST_APPLESS_MAIN(TestDeutscheZahl)
#include "tst_deutschezahl.moc"
