// SPDX-License-Identifier: GPL-3.0-or-later
#include "zahltext.h"

#include <QTest>

#include <cfloat>
#include <cmath>
#include <limits>

// Number texts and the two conversions, against the texts the window shows.
class TestZahltext : public QObject
{
    Q_OBJECT

private slots:
    void hilfetextForm_data();
    void hilfetextForm();
    void klartextForm_data();
    void klartextForm();
    void nachsichtig_data();
    void nachsichtig();
    void exponentMitKomma_data();
    void exponentMitKomma();
    void streng_data();
    void streng();
    void strengMitKomma();
    void hilfetextLiestSichZurueck_data();
    void hilfetextLiestSichZurueck();
};

void TestZahltext::hilfetextForm_data()
{
    QTest::addColumn<double>("wert");
    QTest::addColumn<QString>("text");
    QTest::newRow("ten") << 10.0 << " 10";
    QTest::newRow("zero") << 0.0 << " 0";
    QTest::newRow("negative zero") << -0.0 << " 0";
    QTest::newRow("minus three") << -3.0 << "-3";
    QTest::newRow("half") << 0.5 << " .5";
    QTest::newRow("minus half") << -0.5 << "-.5";
    QTest::newRow("one and a half") << 1.5 << " 1.5";
    QTest::newRow("exponent eight") << 8.0 << " 8";
    QTest::newRow("first individual") << 1.0 << " 1";
    QTest::newRow("last individual") << 2500.0 << " 2500";
    QTest::newRow("individual 105") << 105.0 << " 105";
    QTest::newRow("growth 150 percent") << 150.0 << " 150";
    QTest::newRow("cycle 12") << 12.0 << " 12";
    QTest::newRow("players 1230") << 1230.0 << " 1230";
    QTest::newRow("n minus one") << -1.0 << "-1";
    QTest::newRow("A minus ten") << -10.0 << "-10";
    QTest::newRow("one tenth") << 0.1 << " .1";
    QTest::newRow("small fixed") << 0.0001 << " .0001";
    QTest::newRow("small exponent") << 0.00001 << " 1E-05";
    QTest::newRow("fifteen digits") << 123456789012345.0 << " 123456789012345";
    QTest::newRow("large exponent") << 1e15 << " 1E+15";
    QTest::newRow("rounded to 15 digits") << 2.0 / 3.0 << " .666666666666667";
    QTest::newRow("no trailing zeros") << 1.25 << " 1.25";
    QTest::newRow("huge negative") << -DBL_MAX << "-1.79769313486232E+308";
}

void TestZahltext::hilfetextForm()
{
    QFETCH(double, wert);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(hilfetext(wert)), text);
}

void TestZahltext::klartextForm_data()
{
    QTest::addColumn<double>("wert");
    QTest::addColumn<QString>("text");
    QTest::newRow("two digits") << 37.0 << "37";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("full field") << 2500.0 << "2500";
    QTest::newRow("negative") << -4.0 << "-4";
}

void TestZahltext::klartextForm()
{
    QFETCH(double, wert);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(klartext(wert)), text);
    if (wert == std::floor(wert))
        QCOMPARE(QString::fromStdString(klartext(static_cast<long long>(wert))), text);
}

void TestZahltext::nachsichtig_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("wert");
    QTest::newRow("comma ends the number") << "1,5" << 1.0;
    QTest::newRow("point") << "1.5" << 1.5;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("leading blank") << " 2" << 2.0;
    QTest::newRow("leading tab") << "\t7" << 7.0;
    QTest::newRow("negative") << "-3" << -3.0;
    QTest::newRow("explicit plus") << "+4" << 4.0;
    QTest::newRow("digits then letters") << "12abc" << 12.0;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("second point ends") << "1.2.3" << 1.2;
    QTest::newRow("exponent") << "1e3" << 1000.0;
    QTest::newRow("capital exponent") << "2.5E-1" << 0.25;
    QTest::newRow("exponent without digits") << "3e" << 3.0;
    QTest::newRow("exponent sign without digits") << "3e+" << 3.0;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("nan is no number") << "nan" << 0.0;
    QTest::newRow("inf is no number") << "inf" << 0.0;
    QTest::newRow("too large") << "1e999" << DBL_MAX;
    QTest::newRow("too large negative") << "-1e999" << -DBL_MAX;
    QTest::newRow("too small") << "1e-999" << 0.0;
    QTest::newRow("huge exponent digits") << "1e99999999999999999999" << DBL_MAX;
    QTest::newRow("many digits") << QString(400, QLatin1Char('9')) << DBL_MAX;
    QTest::newRow("blank inside ends") << "1 2" << 1.0;
}

void TestZahltext::nachsichtig()
{
    QFETCH(QString, text);
    QFETCH(double, wert);
    const double gelesen = nachsichtigUmwandeln(text.toStdString());
    QVERIFY(std::isfinite(gelesen));
    QCOMPARE(gelesen, wert);
}

// The box of t reads a comma between digits as a point, as the evaluation
// writes t; everything else as the lenient reading.
void TestZahltext::exponentMitKomma_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("wert");
    QTest::newRow("comma") << "1,5" << 1.5;
    QTest::newRow("as the evaluation writes it") << "0,975" << 0.975;
    QTest::newRow("point") << "1.5" << 1.5;
    QTest::newRow("negative with comma") << " -2,25" << -2.25;
    QTest::newRow("comma then point") << "1,5.7" << 1.5;
    QTest::newRow("point then comma") << "1.5,7" << 1.5;
    QTest::newRow("second comma ends") << "1,5,7" << 1.5;
    QTest::newRow("comma with exponent") << "2,5e-1" << 0.25;
    QTest::newRow("comma without digit after") << "3," << 3.0;
    QTest::newRow("comma without digit before") << ",5" << 0.0;
    QTest::newRow("comma after the sign") << "-,5" << 0.0;
    QTest::newRow("comma before a blank") << "4, 5" << 4.0;
    QTest::newRow("text") << "abc" << 0.0;
    QTest::newRow("text after the number") << "7,25 Grad" << 7.25;
}

void TestZahltext::exponentMitKomma()
{
    QFETCH(QString, text);
    QFETCH(double, wert);
    QCOMPARE(exponentUmwandeln(text.toStdString()), wert);
}

void TestZahltext::streng_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("gueltig");
    QTest::addColumn<double>("wert");
    QTest::newRow("digits") << "10" << true << 10.0;
    QTest::newRow("blanks around") << "  15 " << true << 15.0;
    QTest::newRow("negative") << "-2" << true << -2.0;
    QTest::newRow("point as separator") << "2.5" << true << 2.5;
    QTest::newRow("exponent") << "1E2" << true << 100.0;
    QTest::newRow("digits then letters") << "12abc" << false << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("blanks only") << "   " << false << 0.0;
    QTest::newRow("comma in a point locale") << "2,5" << false << 0.0;
    QTest::newRow("two separators") << "1.2.3" << false << 0.0;
    QTest::newRow("blank inside") << "1 2" << false << 0.0;
    QTest::newRow("beyond the range") << "1e999" << false << 0.0;
}

void TestZahltext::streng()
{
    QFETCH(QString, text);
    QFETCH(bool, gueltig);
    QFETCH(double, wert);
    const std::optional<double> gelesen = strengUmwandeln(text.toStdString(), '.');
    QCOMPARE(gelesen.has_value(), gueltig);
    if (gueltig)
        QCOMPARE(*gelesen, wert);
}

void TestZahltext::strengMitKomma()
{
    // A locale that writes a decimal comma takes the comma and refuses the point.
    QCOMPARE(strengUmwandeln("2,5", ',').value_or(-1), 2.5);
    QVERIFY(!strengUmwandeln("2.5", ',').has_value());
}

void TestZahltext::hilfetextLiestSichZurueck_data()
{
    QTest::addColumn<double>("wert");
    QTest::newRow("third") << 1.0 / 3.0;
    QTest::newRow("tiny") << 1.5e-300;
    QTest::newRow("large") << 6.02214076e23;
    QTest::newRow("negative fraction") << -0.125;
    QTest::newRow("largest") << 1.79769313486231e308;
}

void TestZahltext::hilfetextLiestSichZurueck()
{
    QFETCH(double, wert);
    // Written with 15 significant digits, the text reads back as the same
    // 15-digit value.
    const double gerundet = std::stod(QString::number(wert, 'g', 15).toStdString());
    QCOMPARE(nachsichtigUmwandeln(hilfetext(gerundet)), gerundet);
}

QTEST_APPLESS_MAIN(TestZahltext)
#include "tst_zahltext.moc"
