// SPDX-License-Identifier: GPL-3.0-or-later
#include "scriptedzufall.h"
#include "spielfeld.h"
#include "standardzufallsquelle.h"

#include <QTest>

#include <cmath>
#include <set>
#include <utility>

namespace {

constexpr float fastEins = 1.0f - 1.0f / 16777216.0f; // largest float below 1

std::set<std::pair<int, int>> spielerZellen(const Spielfeld& feld)
{
    std::set<std::pair<int, int>> zellen;
    for (int x = 0; x <= 50; ++x)
        for (int y = 0; y <= 50; ++y)
            if (feld.feldBesetzt(x, y) != 0)
                zellen.insert({x, y});
    return zellen;
}

Spielfeld feldMitSpielern(const std::vector<Zelle>& zellen)
{
    Spielfeld feld;
    feld.allesZuruecksetzen();
    std::vector<float> zahlen;
    for (const Zelle& z : zellen) {
        zahlen.push_back(ScriptedZufall::fuer(z.x));
        zahlen.push_back(ScriptedZufall::fuer(z.y));
    }
    ScriptedZufall zufall(zahlen);
    feld.startSpielerSetzen(static_cast<int>(zellen.size()), zufall);
    return feld;
}

} // namespace

class TestSpielfeld : public QObject
{
    Q_OBJECT

private slots:
    void startSpielerVerschieden_data();
    void startSpielerVerschieden();
    void gleicheZellenNachNeustart();
    void besetzteZelleWirdNeuGezogen();
    void fastEinsGibtNie50();
    void zufallsquelleBleibtUnterEins();
    void zaehlenNachInitialisierung();
    void ziehungenProSpieler_data();
    void ziehungenProSpieler();
    void eigeneZelleIstGelbUndZaehltNicht();
    void dreimalGetroffen();
    void zweiDurchlaeufeVorEinemErgebnis();
    void ergebnisOhneDurchlauf();
    void ergebnisMachtMarkierteZuSpielern();
    void zyklenOhneZielsucheGemerkt();
    void verlaufsgrenze();
    void zuruecksetzenBehaeltVerlauf();
    void mittlereNeuwerbungen_data();
    void mittlereNeuwerbungen();
};

void TestSpielfeld::startSpielerVerschieden_data()
{
    QTest::addColumn<int>("anzahl");
    QTest::newRow("one") << 1;
    QTest::newRow("ten") << 10;
    QTest::newRow("fifty") << 50;
    QTest::newRow("whole field") << 2500;
}

void TestSpielfeld::startSpielerVerschieden()
{
    QFETCH(int, anzahl);
    Spielfeld feld;
    StandardZufallsquelle zufall;
    feld.allesZuruecksetzen();
    const std::vector<Zelle> gesetzt = feld.startSpielerSetzen(anzahl, zufall);
    QCOMPARE(static_cast<int>(gesetzt.size()), anzahl);
    const auto zellen = spielerZellen(feld);
    QCOMPARE(static_cast<int>(zellen.size()), anzahl);
    for (const Zelle& z : gesetzt) {
        QVERIFY(z.x >= 0 && z.x < 50 && z.y >= 0 && z.y < 50);
        QCOMPARE(feld.feldBesetzt(z.x, z.y), 1);
    }
    QCOMPARE(feld.spielerZaehlen(), anzahl);
}

void TestSpielfeld::gleicheZellenNachNeustart()
{
    Spielfeld erstes, zweites;
    StandardZufallsquelle zufall1, zufall2;
    erstes.allesZuruecksetzen();
    zweites.allesZuruecksetzen();
    const auto a = erstes.startSpielerSetzen(10, zufall1);
    const auto b = zweites.startSpielerSetzen(10, zufall2);
    QVERIFY(a == b);
    // A later run from the continuing sequence lies elsewhere.
    erstes.allesZuruecksetzen();
    QVERIFY(erstes.startSpielerSetzen(10, zufall1) != a);
}

void TestSpielfeld::besetzteZelleWirdNeuGezogen()
{
    Spielfeld feld;
    feld.allesZuruecksetzen();
    // The second player first hits the first player's cell (3, 4), then (5, 6).
    ScriptedZufall zufall({ScriptedZufall::fuer(3), ScriptedZufall::fuer(4), ScriptedZufall::fuer(3),
                           ScriptedZufall::fuer(4), ScriptedZufall::fuer(5), ScriptedZufall::fuer(6)});
    const auto gesetzt = feld.startSpielerSetzen(2, zufall);
    QCOMPARE(gesetzt.size(), std::size_t(2));
    QVERIFY(gesetzt[1] == (Zelle{5, 6}));
    QCOMPARE(zufall.gezogen(), std::size_t(6));
}

void TestSpielfeld::fastEinsGibtNie50()
{
    Spielfeld feld;
    feld.allesZuruecksetzen();
    ScriptedZufall zufall({fastEins});
    const auto gesetzt = feld.startSpielerSetzen(1, zufall);
    QVERIFY(gesetzt[0] == (Zelle{49, 49}));
    QCOMPARE(feld.feldBesetzt(50, 50), 0);

    // Also the targets of a pass stay inside the field.
    ScriptedZufall ziele({fastEins, fastEins, fastEins, 0.0f});
    const Zielsuchergebnis ergebnis = feld.zielsuche(10, ziele);
    QCOMPARE(ergebnis.versuche.size(), std::size_t(1));
    QVERIFY(ergebnis.versuche[0].ziel == (Zelle{49, 49}));
    QCOMPARE(feld.feldStatus(50, 50), 0);
}

void TestSpielfeld::zufallsquelleBleibtUnterEins()
{
    QCOMPARE(StandardZufallsquelle::ausBits(0xFFFFFFFFu), fastEins);
    QCOMPARE(StandardZufallsquelle::ausBits(0u), 0.0f);
    QVERIFY(std::floor(50.0f * StandardZufallsquelle::ausBits(0xFFFFFFFFu)) == 49.0f);
    StandardZufallsquelle zufall;
    for (int i = 0; i < 100000; ++i) {
        const float u = zufall.naechsteZahl();
        QVERIFY(u >= 0.0f && u < 1.0f);
    }
}

void TestSpielfeld::zaehlenNachInitialisierung()
{
    Spielfeld feld;
    StandardZufallsquelle zufall;
    feld.allesZuruecksetzen();
    feld.startSpielerSetzen(10, zufall);
    QCOMPARE(feld.spielerZaehlen(), 10);
    QCOMPARE(feld.anzahlSpieler(), 10);
    QCOMPARE(feld.zyklus(), 0);
}

void TestSpielfeld::ziehungenProSpieler_data()
{
    QTest::addColumn<double>("p");
    QTest::addColumn<float>("u");
    QTest::addColumn<int>("ziehungen");
    QTest::addColumn<QList<float>>("groessen");
    QTest::newRow("p 5, u below half") << 5.0 << 0.25f << 3 << QList<float>{1.0f};
    QTest::newRow("p 5, u at half") << 5.0 << 0.5f << 1 << QList<float>{};
    QTest::newRow("p 10, u small") << 10.0 << 0.0f << 3 << QList<float>{0.9f};
    QTest::newRow("p 15, u below half") << 15.0 << 0.25f << 5 << QList<float>{0.9f, 1.0f};
    QTest::newRow("p 15, u above half") << 15.0 << 0.75f << 3 << QList<float>{0.9f};
    QTest::newRow("p 1, u below tenth") << 1.0 << 0.05f << 3 << QList<float>{1.0f};
    QTest::newRow("p 1, u above tenth") << 1.0 << 0.15f << 1 << QList<float>{};
}

void TestSpielfeld::ziehungenProSpieler()
{
    QFETCH(double, p);
    QFETCH(float, u);
    QFETCH(int, ziehungen);
    QFETCH(QList<float>, groessen);
    Spielfeld feld = feldMitSpielern({{20, 20}});
    // Certain attempts take the targets (1, 2); u decides the further one at (3, 4).
    std::vector<float> zahlen;
    if (p >= 10)
        zahlen = {ScriptedZufall::fuer(1), ScriptedZufall::fuer(2)};
    zahlen.push_back(u);
    zahlen.push_back(ScriptedZufall::fuer(3));
    zahlen.push_back(ScriptedZufall::fuer(4));
    ScriptedZufall zufall(zahlen);
    const Zielsuchergebnis ergebnis = feld.zielsuche(p, zufall);
    QCOMPARE(static_cast<int>(zufall.gezogen()), ziehungen);
    QCOMPARE(static_cast<qsizetype>(ergebnis.versuche.size()), groessen.size());
    for (qsizetype i = 0; i < groessen.size(); ++i) {
        QCOMPARE(ergebnis.versuche[static_cast<std::size_t>(i)].quadratgroesse, groessen[i]);
        QVERIFY(ergebnis.versuche[static_cast<std::size_t>(i)].werber == (Zelle{20, 20}));
        QCOMPARE(ergebnis.versuche[static_cast<std::size_t>(i)].zustand, Zielzustand::ersteWerbung);
    }
}

void TestSpielfeld::eigeneZelleIstGelbUndZaehltNicht()
{
    Spielfeld feld = feldMitSpielern({{7, 8}});
    ScriptedZufall zufall({ScriptedZufall::fuer(7), ScriptedZufall::fuer(8), 0.9f});
    const Zielsuchergebnis ergebnis = feld.zielsuche(10, zufall);
    QCOMPARE(ergebnis.versuche.size(), std::size_t(1));
    QCOMPARE(ergebnis.versuche[0].zustand, Zielzustand::spieltSchon);
    QVERIFY(ergebnis.neuGeworbene.empty());
    QCOMPARE(feld.feldStatus(7, 8), 1);
    QCOMPARE(feld.zyklusAbschliessen().anzahlSpieler, 1);
    QCOMPARE(feld.feldStatus(7, 8), 0);
}

void TestSpielfeld::dreimalGetroffen()
{
    // Three players, visited column by column, all reach (30, 30).
    Spielfeld feld = feldMitSpielern({{1, 1}, {2, 2}, {3, 3}});
    const float x = ScriptedZufall::fuer(30), y = ScriptedZufall::fuer(30);
    ScriptedZufall zufall({x, y, 0.9f, x, y, 0.9f, x, y, 0.9f});
    const Zielsuchergebnis ergebnis = feld.zielsuche(10, zufall);
    QCOMPARE(ergebnis.versuche.size(), std::size_t(3));
    QCOMPARE(ergebnis.versuche[0].zustand, Zielzustand::ersteWerbung);
    QCOMPARE(ergebnis.versuche[1].zustand, Zielzustand::doppelwerbung);
    QCOMPARE(ergebnis.versuche[2].zustand, Zielzustand::doppelwerbung);
    QVERIFY(ergebnis.versuche[0].werber == (Zelle{1, 1}));
    QVERIFY(ergebnis.versuche[2].werber == (Zelle{3, 3}));
    QCOMPARE(ergebnis.neuGeworbene.size(), std::size_t(1));
    QCOMPARE(feld.zyklusAbschliessen().anzahlSpieler, 4);
}

void TestSpielfeld::zweiDurchlaeufeVorEinemErgebnis()
{
    Spielfeld feld = feldMitSpielern({{10, 10}});
    ScriptedZufall erster({ScriptedZufall::fuer(11), ScriptedZufall::fuer(12), 0.9f});
    feld.zielsuche(10, erster);
    // The new recruit does not recruit in the second pass: only (10, 10) draws.
    ScriptedZufall zweiter({ScriptedZufall::fuer(11), ScriptedZufall::fuer(12), 0.9f, 0.9f, 0.9f});
    const Zielsuchergebnis ergebnis = feld.zielsuche(10, zweiter);
    QCOMPARE(zweiter.gezogen(), std::size_t(3));
    QCOMPARE(ergebnis.versuche[0].zustand, Zielzustand::doppelwerbung);
    QCOMPARE(ergebnis.neuGeworbene.size(), std::size_t(1));
    const Zyklusergebnis zyklus = feld.zyklusAbschliessen();
    QCOMPARE(zyklus.anzahlSpieler, 2);
    QCOMPARE(zyklus.zyklus, 1);
}

void TestSpielfeld::ergebnisOhneDurchlauf()
{
    Spielfeld feld = feldMitSpielern({{0, 0}, {49, 49}});
    const Zyklusergebnis ergebnis = feld.zyklusAbschliessen();
    QCOMPARE(ergebnis.zyklus, 1);
    QCOMPARE(ergebnis.anzahlSpieler, 2);
    QCOMPARE(feld.anzahlVerlauf(1), 2);
    QVERIFY(ergebnis.gespeichert);
}

// Commits without a pass since the last commit are remembered per cycle,
// until the next game.
void TestSpielfeld::zyklenOhneZielsucheGemerkt()
{
    Spielfeld feld = feldMitSpielern({{0, 0}, {49, 49}});
    StandardZufallsquelle zufall;
    feld.zyklusAbschliessen();
    feld.zielsuche(5, zufall);
    feld.zyklusAbschliessen();
    feld.zyklusAbschliessen();
    feld.zielsuche(5, zufall);
    feld.zielsuche(5, zufall);
    feld.zyklusAbschliessen();
    QCOMPARE(feld.zyklenOhneZielsuche(), (std::vector<int>{1, 3}));
    feld.allesZuruecksetzen();
    feld.zyklusAbschliessen();
    QCOMPARE(feld.zyklenOhneZielsuche(), (std::vector<int>{1}));
}

void TestSpielfeld::ergebnisMachtMarkierteZuSpielern()
{
    Spielfeld feld;
    StandardZufallsquelle zufall;
    feld.allesZuruecksetzen();
    feld.startSpielerSetzen(10, zufall);
    int vorher = 10;
    for (int zyklus = 1; zyklus <= 60; ++zyklus) {
        const Zielsuchergebnis durchlauf = feld.zielsuche(15, zufall);
        const Zyklusergebnis ergebnis = feld.zyklusAbschliessen();
        QCOMPARE(ergebnis.anzahlSpieler, vorher + static_cast<int>(durchlauf.neuGeworbene.size()));
        QVERIFY(ergebnis.anzahlSpieler >= vorher);
        QVERIFY(ergebnis.anzahlSpieler <= 2500);
        QCOMPARE(ergebnis.zyklus, zyklus);
        QCOMPARE(feld.anzahlVerlauf(zyklus), ergebnis.anzahlSpieler);
        for (int x = 0; x <= 50; ++x)
            for (int y = 0; y <= 50; ++y) {
                QCOMPARE(feld.feldStatus(x, y), 0);
                QVERIFY(feld.feldBesetzt(x, y) == 0 || feld.feldBesetzt(x, y) == 1);
            }
        vorher = ergebnis.anzahlSpieler;
    }
    QCOMPARE(vorher, 2500);
}

void TestSpielfeld::verlaufsgrenze()
{
    Spielfeld feld = feldMitSpielern({{5, 5}});
    for (int n = 1; n <= 1200; ++n)
        QVERIFY(feld.zyklusAbschliessen().gespeichert);
    QCOMPARE(feld.anzahlVerlauf(1200), 1);
    // Beyond the history the game goes on, but nothing is stored.
    const Zyklusergebnis danach = feld.zyklusAbschliessen();
    QCOMPARE(danach.zyklus, 1201);
    QCOMPARE(danach.anzahlSpieler, 1);
    QVERIFY(!danach.gespeichert);
    QCOMPARE(feld.zyklus(), 1201);
}

void TestSpielfeld::zuruecksetzenBehaeltVerlauf()
{
    Spielfeld feld = feldMitSpielern({{5, 5}, {6, 6}});
    feld.zyklusAbschliessen();
    feld.zyklusAbschliessen();
    feld.allesZuruecksetzen();
    QCOMPARE(feld.zyklus(), 0);
    QCOMPARE(feld.anzahlVerlauf(2), 2);
    QVERIFY(spielerZellen(feld).empty());
}

void TestSpielfeld::mittlereNeuwerbungen_data()
{
    QTest::addColumn<int>("spieler");
    QTest::newRow("ten players") << 10;
    QTest::newRow("500 players") << 500;
    QTest::newRow("2000 players") << 2000;
}

void TestSpielfeld::mittlereNeuwerbungen()
{
    // With p = 10 every player makes exactly one attempt at a uniform cell,
    // so from A players (2500 - A) * (1 - (2499/2500)^A) non-players are
    // expected to be reached. A biased or shifted coordinate fails this.
    QFETCH(int, spieler);
    StandardZufallsquelle zufall;
    constexpr int durchlaeufe = 400;
    double summe = 0, quadratsumme = 0;
    for (int d = 0; d < durchlaeufe; ++d) {
        Spielfeld feld;
        feld.allesZuruecksetzen();
        feld.startSpielerSetzen(spieler, zufall);
        const double neu = static_cast<double>(feld.zielsuche(10, zufall).neuGeworbene.size());
        summe += neu;
        quadratsumme += neu * neu;
    }
    const double mittel = summe / durchlaeufe;
    const double streuung = std::sqrt((quadratsumme / durchlaeufe - mittel * mittel) / (durchlaeufe - 1));
    const double erwartet = (2500.0 - spieler) * (1.0 - std::pow(2499.0 / 2500.0, spieler));
    QVERIFY2(std::fabs(mittel - erwartet) < 4 * streuung + 1e-9,
             qPrintable(QStringLiteral("mean %1, expected %2, standard error %3")
                            .arg(mittel)
                            .arg(erwartet)
                            .arg(streuung)));
}

QTEST_APPLESS_MAIN(TestSpielfeld)
#include "tst_spielfeld.moc"
