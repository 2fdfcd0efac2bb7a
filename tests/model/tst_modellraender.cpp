// SPDX-License-Identifier: GPL-3.0-or-later
// The edges of the model that the game itself rarely reaches: more start
// players than cells, a random source outside 0..1, Verhulst steps whose
// input is already out of range, and numbers whose size is decided by the
// zeros after the point.

#include "scriptedzufall.h"
#include "spielfeld.h"
#include "verhulst.h"
#include "zahltext.h"
#include "standardzufallsquelle.h"

#include <QTest>

#include <cfloat>
#include <cmath>
#include <limits>
#include <set>
#include <string>
#include <utility>

Q_DECLARE_METATYPE(VerhulstFehler)

class TestModellraender : public QObject
{
    Q_OBJECT

private slots:
    void mehrStartspielerAlsZellen();
    void fehlerhafteQuelleBleibtImFeld_data();
    void fehlerhafteQuelleBleibtImFeld();
    void zellenGleichheit();
    void folgeEndetBeimUeberlaufDesProdukts();
    void groessenordnungNachDemPunkt_data();
    void groessenordnungNachDemPunkt();
};

void TestModellraender::mehrStartspielerAlsZellen()
{
    // Asked for more players than cells, the field is filled and placing stops.
    Spielfeld feld;
    feld.allesZuruecksetzen();
    StandardZufallsquelle zufall;
    const std::vector<Zelle> gesetzt = feld.startSpielerSetzen(3000, zufall);
    QCOMPARE(gesetzt.size(), std::size_t(2500));
    std::set<std::pair<int, int>> verschieden;
    for (const Zelle& zelle : gesetzt) {
        QVERIFY(zelle.x >= 0 && zelle.x < 50 && zelle.y >= 0 && zelle.y < 50);
        verschieden.insert({zelle.x, zelle.y});
    }
    QCOMPARE(verschieden.size(), std::size_t(2500));
    for (int i = 0; i <= 50; ++i) {
        QCOMPARE(feld.feldBesetzt(50, i), 0);
        QCOMPARE(feld.feldBesetzt(i, 50), 0);
    }
    QCOMPARE(feld.spielerZaehlen(), 2500);
    // On a full field every attempt meets a player: nobody new, the count stays.
    const Zielsuchergebnis pass = feld.zielsuche(15, zufall);
    QVERIFY(pass.neuGeworbene.empty());
    for (const Werbeversuch& versuch : pass.versuche)
        QCOMPARE(versuch.zustand, Zielzustand::spieltSchon);
    QCOMPARE(feld.zyklusAbschliessen().anzahlSpieler, 2500);
}

void TestModellraender::fehlerhafteQuelleBleibtImFeld_data()
{
    QTest::addColumn<float>("zahl");
    QTest::addColumn<int>("koordinate");
    QTest::newRow("exactly one") << 1.0f << 49;
    QTest::newRow("above one") << 1.5f << 49;
    QTest::newRow("below zero") << -0.25f << 0;
}

void TestModellraender::fehlerhafteQuelleBleibtImFeld()
{
    // A source that breaks its promise of 0 <= u < 1 still gives cells of the field.
    QFETCH(float, zahl);
    QFETCH(int, koordinate);
    Spielfeld feld;
    feld.allesZuruecksetzen();
    ScriptedZufall zufall({zahl});
    const std::vector<Zelle> gesetzt = feld.startSpielerSetzen(1, zufall);
    QCOMPARE(gesetzt.size(), std::size_t(1));
    QCOMPARE(gesetzt[0].x, koordinate);
    QCOMPARE(gesetzt[0].y, koordinate);
    QCOMPARE(feld.feldBesetzt(koordinate, koordinate), 1);
    QCOMPARE(feld.feldBesetzt(50, 50), 0);
    // The pass's targets too (p = 10: one certain attempt; a number below 0
    // also wins the draw for a further one).
    const Zielsuchergebnis pass = feld.zielsuche(10, zufall);
    QCOMPARE(pass.versuche.size(), std::size_t(zahl < 0 ? 2 : 1));
    for (const Werbeversuch& versuch : pass.versuche) {
        QCOMPARE(versuch.ziel.x, koordinate);
        QCOMPARE(versuch.ziel.y, koordinate);
    }
    for (int i = 0; i <= 50; ++i) {
        QCOMPARE(feld.feldStatus(50, i), 0);
        QCOMPARE(feld.feldStatus(i, 50), 0);
    }
}

void TestModellraender::zellenGleichheit()
{
    QVERIFY((Zelle{3, 4} == Zelle{3, 4}));
    QVERIFY(!(Zelle{3, 4} == Zelle{3, 5}));
    QVERIFY(!(Zelle{3, 4} == Zelle{2, 4}));
}

void TestModellraender::folgeEndetBeimUeberlaufDesProdukts()
{
    // From 1e308 the first step would give about -6e612: the curve stops at once,
    // with A(0) kept and the failing step named.
    const VerhulstFolge folge = verhulstFolge(1e308, 15, 1, 120);
    QCOMPARE(folge.fehler, VerhulstFehler::ueberlauf);
    QCOMPARE(folge.fehlerZyklus, 0);
    QCOMPARE(folge.werte.size(), std::size_t(1));
    QCOMPARE(folge.werte[0], 1e308);
}

void TestModellraender::groessenordnungNachDemPunkt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("nachsichtig");
    QTest::addColumn<bool>("ueberlauf");
    const QString vierhundertNullen = QStringLiteral(".") + QString(400, QLatin1Char('0'));
    // 10^-401 * 10^+70: far too small although the exponent is positive.
    QTest::newRow("zeros after the point outweigh the exponent")
        << vierhundertNullen + QStringLiteral("1e+70") << 0.0 << false;
    QTest::newRow("negative, zeros after the point")
        << QStringLiteral("-0") + vierhundertNullen + QStringLiteral("1e70") << 0.0 << false;
    // 10^-3 * 10^+312 = 10^309: too large.
    QTest::newRow("few zeros after the point") << QStringLiteral(".001e312") << DBL_MAX << true;
    QTest::newRow("negative, few zeros") << QStringLiteral("-0.001e312") << -DBL_MAX << true;
    // Exponents with more digits than any integer holds.
    QTest::newRow("huge negative exponent") << QStringLiteral("1e-99999999999999999999") << 0.0 << false;
    QTest::newRow("zero with a huge exponent") << QStringLiteral("0e99999999999999999999") << 0.0 << false;
    QTest::newRow("zeros after the point, huge exponent")
        << QStringLiteral("0.000005e99999999999999999999") << DBL_MAX << true;
}

void TestModellraender::groessenordnungNachDemPunkt()
{
    QFETCH(QString, text);
    QFETCH(double, nachsichtig);
    QFETCH(bool, ueberlauf);
    const std::string zahl = text.toStdString();
    QCOMPARE(nachsichtigUmwandeln(zahl), nachsichtig);
    // Beyond the range the strict reading has no value; a number too small
    // must not come out large.
    const std::optional<double> streng = strengUmwandeln(zahl, '.');
    if (ueberlauf)
        QVERIFY(!streng.has_value());
    else if (streng)
        QCOMPARE(*streng, nachsichtig);
}

QTEST_APPLESS_MAIN(TestModellraender)
#include "tst_modellraender.moc"
