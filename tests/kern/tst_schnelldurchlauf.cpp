// SPDX-License-Identifier: GPL-3.0-or-later
// The quick run's order of steps, without a window: passes (Z), commits (R)
// and event processing points (E), with clicks arriving while events are
// processed, played as both editions play them. The old way, a click calling a whole quick run from inside the
// running one, is the reference for the order; the stack of runs must give
// the same order without nesting calls, and bound what waits.
#include "schnelldurchlauf.h"

#include <QTest>

#include <map>
#include <string>

namespace {

// Clicks that arrive at the n-th event processing point (counted from 1 over
// the whole sequence), as many as the map says.
using Klicks = std::map<int, int>;

// The order of steps when every click runs a quick run of its own inside
// the running one.
class Verschachtelt
{
public:
    explicit Verschachtelt(Klicks klicks) : m_klicks(std::move(klicks)) {}

    std::string lauf()
    {
        ereignisse();
        for (int c = 0; c < Schnelldurchlauf::zyklenJeLauf; ++c) {
            ereignisse();
            m_folge += 'Z';
            ereignisse();
            m_folge += 'R';
        }
        return m_folge;
    }

private:
    void ereignisse()
    {
        m_folge += 'E';
        const auto klicks = m_klicks.find(++m_punkt);
        for (int i = 0; klicks != m_klicks.end() && i < klicks->second; ++i)
            lauf();
    }

    Klicks m_klicks;
    std::string m_folge;
    int m_punkt = 0;
};

// The same clicks given to the stack of runs.
struct Gestapelt
{
    explicit Gestapelt(Klicks k) : klicks(std::move(k)) {}

    Klicks klicks;
    std::string folge;
    int punkt = 0;
    int angenommen = 0;
    int tiefe = 0;
    int groessteTiefe = 0;
    int endeBeiPunkt = -1; // the program ends at this point
    Schnelldurchlauf durchlauf;

    // A click on the button, as an edition answers it: a click that starts
    // a run plays every step, letting events run where the run says.
    bool klick()
    {
        const bool schonLaufend = durchlauf.laeuft();
        if (!durchlauf.klick())
            return false;
        if (schonLaufend)
            return true;
        while (const auto schritt = durchlauf.naechsterSchritt()) {
            if (*schritt == Schnelldurchlauf::Schritt::zielsuche)
                folge += 'Z';
            else if (*schritt == Schnelldurchlauf::Schritt::ergebnis)
                folge += 'R';
            else if (!ereignisse())
                durchlauf.beenden();
        }
        return true;
    }

    bool ereignisse()
    {
        folge += 'E';
        groessteTiefe = std::max(groessteTiefe, ++tiefe);
        const auto anzahl = klicks.find(++punkt);
        for (int i = 0; anzahl != klicks.end() && i < anzahl->second; ++i)
            angenommen += klick();
        --tiefe;
        return punkt != endeBeiPunkt;
    }
};

int zaehle(const std::string& folge, char schritt)
{
    return static_cast<int>(std::count(folge.begin(), folge.end(), schritt));
}

} // namespace

class TestSchnelldurchlauf : public QObject
{
    Q_OBJECT

private slots:
    void reihenfolgeWieVerschachtelt_data();
    void reihenfolgeWieVerschachtelt();
    void vieleKlicksBleibenBegrenzt_data();
    void vieleKlicksBleibenBegrenzt();
    void programmendeBrichtAlleLaeufeAb();
};

void TestSchnelldurchlauf::reihenfolgeWieVerschachtelt_data()
{
    QTest::addColumn<Klicks>("klicks");
    QTest::newRow("one click alone") << Klicks{};
    QTest::newRow("a click before the first cycle") << Klicks{{1, 1}};
    QTest::newRow("a click before the first pass") << Klicks{{2, 1}};
    QTest::newRow("a click between pass and commit") << Klicks{{7, 1}};
    QTest::newRow("a click before the last commit") << Klicks{{21, 1}};
    QTest::newRow("two clicks at one point") << Klicks{{4, 2}};
    QTest::newRow("a click inside the added run") << Klicks{{3, 1}, {5, 1}};
    QTest::newRow("clicks at many points") << Klicks{{1, 1}, {10, 2}, {30, 1}, {55, 1}, {60, 3}};
}

void TestSchnelldurchlauf::reihenfolgeWieVerschachtelt()
{
    QFETCH(Klicks, klicks);
    Gestapelt gestapelt(klicks);
    QVERIFY(gestapelt.klick());
    const std::string erwartet = Verschachtelt(klicks).lauf();
    QCOMPARE(gestapelt.folge, erwartet);
    QCOMPARE(gestapelt.groessteTiefe, 1);
    int alleKlicks = 0;
    for (const auto& [punkt, anzahl] : klicks)
        alleKlicks += anzahl;
    QCOMPARE(gestapelt.angenommen, alleKlicks);
    QCOMPARE(zaehle(gestapelt.folge, 'R'), 10 * (alleKlicks + 1));
    QCOMPARE(gestapelt.durchlauf.wartendeZyklen(), 0);
    // Nothing is going on any more: the next click plays its run at once.
    gestapelt.folge.clear();
    QVERIFY(gestapelt.klick());
    QCOMPARE(zaehle(gestapelt.folge, 'R'), 10);
}

void TestSchnelldurchlauf::vieleKlicksBleibenBegrenzt_data()
{
    QTest::addColumn<Klicks>("klicks");
    QTest::addColumn<int>("angenommen");
    // The first run waits with its ten cycles: 19 more runs fill the 200.
    QTest::newRow("5000 clicks before the first cycle") << Klicks{{1, 5000}} << 19;
    // Point 14 comes before the seventh pass: four cycles still wait.
    QTest::newRow("5000 clicks before the seventh pass") << Klicks{{14, 5000}} << 19;
    QTest::newRow("a click on every point") << Klicks{} << -1;
}

void TestSchnelldurchlauf::vieleKlicksBleibenBegrenzt()
{
    QFETCH(Klicks, klicks);
    QFETCH(int, angenommen);
    if (klicks.empty()) {
        // A held key: one click at each of the first 5000 points.
        for (int punkt = 1; punkt <= 5000; ++punkt)
            klicks[punkt] = 1;
    }
    Gestapelt gestapelt(klicks);
    QVERIFY(gestapelt.klick());
    QCOMPARE(gestapelt.groessteTiefe, 1);
    QCOMPARE(zaehle(gestapelt.folge, 'R'), 10 * (gestapelt.angenommen + 1));
    QCOMPARE(zaehle(gestapelt.folge, 'Z'), zaehle(gestapelt.folge, 'R'));
    if (angenommen >= 0)
        QCOMPARE(gestapelt.angenommen, angenommen);
    else
        QVERIFY(gestapelt.angenommen > 20 && gestapelt.angenommen < 5000);
    QCOMPARE(gestapelt.durchlauf.wartendeZyklen(), 0);
}

void TestSchnelldurchlauf::programmendeBrichtAlleLaeufeAb()
{
    Gestapelt gestapelt(Klicks{{2, 3}});
    gestapelt.endeBeiPunkt = 6;
    QVERIFY(gestapelt.klick());
    // Point 6 lies in the first of the three added runs, after its first
    // cycle: nothing runs after it.
    QCOMPARE(gestapelt.folge, std::string("EEEEZERE"));
    QCOMPARE(gestapelt.durchlauf.wartendeZyklen(), 0);
    // A later click plays a whole run again.
    gestapelt.endeBeiPunkt = -1;
    gestapelt.folge.clear();
    QVERIFY(gestapelt.klick());
    QCOMPARE(zaehle(gestapelt.folge, 'R'), 10);
}

QTEST_APPLESS_MAIN(TestSchnelldurchlauf)
#include "tst_schnelldurchlauf.moc"
