// SPDX-License-Identifier: GPL-3.0-or-later
// The numbered games' seeds: a fixed, documented rule that every device
// and every version of the program follows, so that a pupil's game 7 is
// the same game wherever it is replayed.
#include "ensemblespiele.h"
#include "spielnummer.h"
#include "standardzufallsquelle.h"

#include <QTest>

#include <optional>
#include <set>

Q_DECLARE_METATYPE(std::optional<std::uint32_t>)

class TestSpielnummer : public QObject
{
    Q_OBJECT

private slots:
    void startwert_data();
    void startwert();
    void keineZweiSpieleGleich();
};

void TestSpielnummer::startwert_data()
{
    QTest::addColumn<int>("nummer");
    QTest::addColumn<std::optional<std::uint32_t>>("erwartet");
    QTest::newRow("game 0 is the program's own") << 0 << std::optional<std::uint32_t>(StandardZufallsquelle::startwert);
    // Pinned: a class's games must not change from one version to the next.
    QTest::newRow("game 1") << 1 << std::optional<std::uint32_t>(0xa582f296u);
    QTest::newRow("game 7") << 7 << std::optional<std::uint32_t>(0x590015e3u);
    QTest::newRow("game 99, the last") << 99 << std::optional<std::uint32_t>(0x1ee20f20u);
    QTest::newRow("no game -1") << -1 << std::optional<std::uint32_t>();
    QTest::newRow("no game 100") << 100 << std::optional<std::uint32_t>();
}

void TestSpielnummer::startwert()
{
    QFETCH(int, nummer);
    QFETCH(std::optional<std::uint32_t>, erwartet);
    QCOMPARE(spielStartwert(nummer), erwartet);
}

// The 100 games and all the many games the evaluation can play draw from
// seeds of their own.
void TestSpielnummer::keineZweiSpieleGleich()
{
    std::set<std::uint32_t> startwerte;
    for (int nummer = 0; nummer <= hoechsteSpielnummer; ++nummer)
        startwerte.insert(spielStartwert(nummer).value());
    QCOMPARE(int(startwerte.size()), hoechsteSpielnummer + 1);
    for (int spiel = 0; spiel < ensembleHoechstSpiele; ++spiel)
        QVERIFY2(!startwerte.contains(ensembleSpielStartwert(spiel)), qPrintable(QString::number(spiel)));
}

QTEST_APPLESS_MAIN(TestSpielnummer)
#include "tst_spielnummer.moc"
