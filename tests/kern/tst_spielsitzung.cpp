// SPDX-License-Identifier: GPL-3.0-or-later
// The game session without a window: a recorded Bedienung stands for the
// controls. What is checked are the rules both editions share: the quick
// run's stop at the program's end, the message before t is taken over, the
// parameters' help, and the exact text of a t from the evaluation.
#include "bedienung.h"
#include "kastentexte.h"
#include "spielbericht.h"
#include "spielsitzung.h"
#include "spielstandtext.h"
#include "zeichenflaeche.h"

#include <QTest>

#include <clocale>
#include <cstdio>
#include <map>
#include <vector>
#include <utility>
#include <functional>

namespace {

struct Aufgezeichnet final : Bedienung
{
    std::map<Steuerelement, std::string> texte{{Steuerelement::txtStart, "10"}, {Steuerelement::txtFaktor, "5"},
                                               {Steuerelement::Text4, "1"}};
    std::map<Steuerelement, int> werte{{Steuerelement::HScroll1, 15}, {Steuerelement::HScroll2, 0}};
    std::map<Steuerelement, bool> sichtbare;
    std::vector<std::string> hilfen;
    std::vector<std::string> meldungen;
    std::function<void()> nachMeldung; // the OK not pressed yet
    int aenderungen = 0;
    std::string titel;

    // A pupil's typing; moved in, as GCC 12 warns falsely (-Wrestrict) about
    // short literals assigned to a string when it optimises.
    void tippen(Steuerelement k, std::string text) { texte[k] = std::move(text); }

    std::string text(Steuerelement k) const override { return texte.contains(k) ? texte.at(k) : ""; }
    void textSetzen(Steuerelement k, const std::string& t) override { texte[k] = t; }
    void anfangZeigen(Steuerelement) override {}
    int wert(Steuerelement l) const override { return werte.at(l); }
    int minimum(Steuerelement) const override { return 0; }
    void wertSetzen(Steuerelement l, int w) override { werte[l] = w; }
    bool sichtbar(Steuerelement e) const override { return !sichtbare.contains(e) || sichtbare.at(e); }
    void sichtbarSetzen(Steuerelement e, bool s) override { sichtbare[e] = s; }
    void nachVorn(Steuerelement) override {}
    void beschreibungSetzen(Steuerelement, const std::string&) override {}
    void hilfeZeigen(const std::string& t) override { hilfen.push_back(t); }
    void meldungZeigen(const std::string&, const std::string& t, std::function<void()> danach) override
    {
        meldungen.push_back(t);
        nachMeldung = std::move(danach);
    }
    void spielGeaendert() override { ++aenderungen; }
    void titelSetzen(const std::string& t) override { titel = t; }
    char dezimaltrenner() const override { return ','; }
};

struct Sitzung
{
    Aufgezeichnet bedienung;
    Zeichenflaeche feld;
    Zeichenflaeche histo;
    Spielsitzung sitzung{bedienung, feld, histo};

    Sitzung()
    {
        feld.anzeigeSetzen({80, 80, 1.0});
        histo.anzeigeSetzen({200, 100, 1.0});
        sitzung.startUp();
    }
};

} // namespace

class TestSpielsitzung : public QObject
{
    Q_OBJECT

private slots:
    void schnelldurchlaufEndetMitDemProgramm_data();
    void schnelldurchlaufEndetMitDemProgramm();
    void neuesTErstNachDerMeldung();
    void parameterZeigenIhreHilfe();
    void fuenfzehnStellenWieC_data();
    void fuenfzehnStellenWieC();
    void nummeriertesSpiel_data();
    void nummeriertesSpiel();
    void berichtNachgespielt_data();
    void berichtNachgespielt();
    void spielstandGelesen_data();
    void spielstandGelesen();
};

namespace {

// A(1) .. A(3) of the session's game, played by its buttons.
std::vector<int> dreiZyklen(Sitzung& s)
{
    std::vector<int> anzahlen;
    for (int n = 0; n < 3; ++n) {
        s.sitzung.cmdZielsucheClick();
        s.sitzung.cmdErgebnisClick();
        anzahlen.push_back(s.sitzung.spielfeld().anzahlSpieler());
    }
    return anzahlen;
}

} // namespace

namespace {

// A pupil's game played with the session's buttons and bars, written down
// as the device reports it.
struct Bericht
{
    Sitzung s;
    Spielbericht bericht;

    explicit Bericht(int nummer)
    {
        (void)s.sitzung.spielNummerSetzen(nummer);
        bericht = {nummer, {{10, {}}}};
    }
    void durchgang()
    {
        s.sitzung.cmdZielsucheClick();
        offen.durchgaenge.push_back(s.sitzung.wachstumsrate());
    }
    void ergebnis()
    {
        s.sitzung.cmdErgebnisClick();
        offen.anzahl = s.sitzung.spielfeld().anzahlSpieler();
        bericht.starts.back().zyklen.push_back(std::exchange(offen, {}));
    }
    void zyklen(int anzahl)
    {
        for (int n = 0; n < anzahl; ++n) {
            durchgang();
            ergebnis();
        }
    }
    // A new A(0) on its bar starts a new game from the same random stream.
    void neuesA0(int a0)
    {
        s.sitzung.vscStartChange(a0);
        bericht.starts.push_back({a0, {}});
    }

    Zyklusbericht offen;
};

using Spielzug = std::function<void(Bericht&)>;

} // namespace

Q_DECLARE_METATYPE(Spielzug)

void TestSpielsitzung::berichtNachgespielt_data()
{
    QTest::addColumn<int>("nummer");
    QTest::addColumn<Spielzug>("spielen");
    QTest::addColumn<Spielzug>("faelschen");
    QTest::addColumn<QString>("grund");
    QTest::addColumn<int>("a0");
    const Spielzug nichts = [](Bericht&) {};
    const Spielzug dreiZyklen = [](Bericht& b) { b.zyklen(3); };
    QTest::newRow("game 7, three cycles") << 7 << dreiZyklen << nichts << QString() << 10;
    QTest::newRow("two passes in a cycle, a new p") << 3 << Spielzug([](Bericht& b) {
        b.durchgang();
        b.durchgang();
        b.ergebnis();
        b.s.sitzung.vscFaktorChange(9);
        b.zyklen(2);
    }) << nichts << QString() << 10;
    QTest::newRow("a p typed with a decimal comma") << 4 << Spielzug([](Bericht& b) {
        b.s.bedienung.tippen(Steuerelement::txtFaktor, "2,7");
        b.s.sitzung.textEdited(Steuerelement::txtFaktor);
        b.zyklen(3);
    }) << nichts << QString() << 10;
    QTest::newRow("a new A(0) mid-way: the last start counts") << 7 << Spielzug([](Bericht& b) {
        b.zyklen(2);
        b.neuesA0(11);
        b.neuesA0(12);
        b.zyklen(3);
    }) << nichts << QString() << 12;
    QTest::newRow("a count changed in the first start") << 7 << Spielzug([](Bericht& b) {
        b.zyklen(2);
        b.neuesA0(11);
        b.zyklen(1);
    }) << Spielzug([](Bericht& b) { b.bericht.starts[0].zyklen[1].anzahl += 1; })
                                                        << QStringLiteral("Start 1, Zyklus 2: gemeldet") << 0;
    QTest::newRow("another game's number") << 7 << dreiZyklen << Spielzug([](Bericht& b) { b.bericht.nummer = 8; })
                                           << QStringLiteral("Start 1, Zyklus 1: gemeldet") << 0;
    QTest::newRow("no game 100") << 7 << dreiZyklen << Spielzug([](Bericht& b) { b.bericht.nummer = 100; })
                                 << QStringLiteral("Ein Spiel 100 gibt es nicht.") << 0;
    QTest::newRow("p beyond the bar") << 7 << dreiZyklen
                                      << Spielzug([](Bericht& b) { b.bericht.starts[0].zyklen[0].durchgaenge = {16}; })
                                      << QStringLiteral("p = 16 ist keine Wachstumsrate des Spiels.") << 0;
    QTest::newRow("A(0) below 0") << 7 << dreiZyklen << Spielzug([](Bericht& b) { b.bericht.starts[0].a0 = -1; })
                                  << QStringLiteral("A(0) = -1 ist kein Start.") << 0;
    QTest::newRow("passes beyond two lessons") << 7 << dreiZyklen << Spielzug([](Bericht& b) {
        b.bericht.starts[0].zyklen[0].durchgaenge.assign(hoechsteDurchgaenge + 1, 5.0);
    }) << QStringLiteral("Der Bericht hat zu viele Durchgänge.") << 0;
    QTest::newRow("no start at all") << 7 << nichts << Spielzug([](Bericht& b) { b.bericht.starts.clear(); })
                                     << QStringLiteral("Der Bericht hat keinen oder zu viele Starts.") << 0;
}

namespace {

// The reports a page sent on its way to `ganz`: one after each commit and
// each new start, every one the history up to there.
std::vector<Spielbericht> unterwegs(const Spielbericht& ganz)
{
    std::vector<Spielbericht> berichte;
    Spielbericht bis{ganz.nummer, {}};
    for (const Startbericht& start : ganz.starts) {
        bis.starts.push_back({start.a0, {}});
        berichte.push_back(bis);
        for (const Zyklusbericht& zyklus : start.zyklen) {
            bis.starts.back().zyklen.push_back(zyklus);
            berichte.push_back(bis);
        }
    }
    return berichte;
}

} // namespace

// The teacher's program replays a report with the model alone: an honest
// one gives the counts the session showed, from its last start; a changed
// one is rejected with the first place it differs or its flaw.
void TestSpielsitzung::berichtNachgespielt()
{
    QFETCH(int, nummer);
    QFETCH(Spielzug, spielen);
    QFETCH(Spielzug, faelschen);
    QFETCH(QString, grund);
    QFETCH(int, a0);
    Bericht b(nummer);
    spielen(b);
    // The session wrote down what it played, as the report by hand has it.
    QVERIFY(b.s.sitzung.bericht() == b.bericht);
    const Spielbericht ehrlich = b.bericht;
    faelschen(b);
    const Nachgespielt ergebnis = nachspielen(b.bericht);
    QVERIFY2(QString::fromStdString(ergebnis.grund).startsWith(grund), ergebnis.grund.c_str());
    QCOMPARE(ergebnis.nachvollziehbar, grund.isEmpty());

    // The teacher goes on from each pupil's last report instead of replaying
    // it whole: fed the honest reports on the way and then the last, it must
    // find what a replay from the seed finds, and an honest report after a
    // changed one must count again.
    Nachspieler nachspieler;
    for (const Spielbericht& bericht : unterwegs(ehrlich)) {
        const Nachgespielt& unterwegsNachgespielt = nachspieler.nachspielen(bericht);
        QVERIFY2(unterwegsNachgespielt.nachvollziehbar, unterwegsNachgespielt.grund.c_str());
    }
    const Nachgespielt zuletzt = nachspieler.nachspielen(b.bericht);
    QCOMPARE(zuletzt.nachvollziehbar, ergebnis.nachvollziehbar);
    QCOMPARE(zuletzt.grund, ergebnis.grund);
    QCOMPARE(zuletzt.anzahlen, ergebnis.anzahlen);
    QCOMPARE(nachspieler.nachspielen(ehrlich).anzahlen, nachspielen(ehrlich).anzahlen);

    // A page reloaded in a class plays its pupil's game again from the line
    // it kept: the same report, field and boxes as the session it had; a
    // report that does not replay leaves the new session at the program's
    // own game.
    const std::optional<Spielbericht> gelesen = spielstandLesen(spielstandText(b.bericht));
    Sitzung neu;
    QCOMPARE(gelesen && neu.sitzung.wiederherstellen(*gelesen), grund.isEmpty());
    if (!ergebnis.nachvollziehbar) {
        QVERIFY(ergebnis.anzahlen.empty());
        QCOMPARE(neu.sitzung.spielNummer(), 0);
        QCOMPARE(neu.sitzung.bericht().starts.size(), std::size_t(1));
        return;
    }
    std::vector<int> gezeigt{a0};
    for (const Zyklusbericht& zyklus : b.bericht.starts.back().zyklen)
        gezeigt.push_back(zyklus.anzahl);
    QCOMPARE(ergebnis.anzahlen, gezeigt);
    QCOMPARE(ergebnis.anzahlen.back(), b.s.sitzung.spielfeld().anzahlSpieler());
    QVERIFY(neu.sitzung.bericht() == b.bericht);
    QCOMPARE(neu.sitzung.spielNummer(), nummer);
    QCOMPARE(neu.bedienung.titel, b.s.bedienung.titel);
    for (Steuerelement kasten : {Steuerelement::Text1, Steuerelement::txtStart, Steuerelement::txtFaktor})
        QCOMPARE(neu.bedienung.text(kasten), b.s.bedienung.text(kasten));
    for (int x = 0; x < Spielfeld::groesse; ++x)
        for (int y = 0; y < Spielfeld::groesse; ++y)
            QCOMPARE(neu.sitzung.spielfeld().feldBesetzt(x, y), b.s.sitzung.spielfeld().feldBesetzt(x, y));
}

void TestSpielsitzung::spielstandGelesen_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("gelesen");
    QTest::newRow("game 7, a start of 10, one cycle of one pass at 2.5") << "7 1 10 1 12 1 2.5" << true;
    QTest::newRow("a start without cycles") << "3 1 10 0" << true;
    QTest::newRow("cut short") << "7 1 10 1 12 1" << false;
    QTest::newRow("more than it says") << "7 1 10 1 12 1 2.5 9" << false;
    QTest::newRow("a comma") << "7 1 10 1 12 1 2,5" << false;
    QTest::newRow("a fractional count") << "7 1 10 1 12.5 1 2" << false;
    QTest::newRow("a game beyond 99") << "100 1 10 0" << false;
    QTest::newRow("more cells than the field") << "7 1 2501 0" << false;
    QTest::newRow("nothing") << "" << false;
    QTest::newRow("words") << "Spiel sieben" << false;
}

void TestSpielsitzung::spielstandGelesen()
{
    QFETCH(QString, text);
    QFETCH(bool, gelesen);
    const std::optional<Spielbericht> bericht = spielstandLesen(text.toStdString());
    QCOMPARE(bericht.has_value(), gelesen);
    if (bericht)
        QCOMPARE(QString::fromStdString(spielstandText(*bericht)), text);
}

void TestSpielsitzung::nummeriertesSpiel_data()
{
    QTest::addColumn<int>("nummer");
    QTest::addColumn<bool>("gibtEs");
    QTest::addColumn<QString>("titel");
    QTest::newRow("game 7") << 7 << true << QStringLiteral("Nivra1.0 – Spiel 7");
    QTest::newRow("back to the program's own game") << 0 << true << QStringLiteral("Nivra1.0");
    QTest::newRow("no game 100: nothing changes") << 100 << false << QString();
}

// A numbered game is the same game in every session and after "Das Spiel
// vom Programmstart", another game than the program's own, and named in
// the caption; a number without a game changes nothing.
void TestSpielsitzung::nummeriertesSpiel()
{
    QFETCH(int, nummer);
    QFETCH(bool, gibtEs);
    QFETCH(QString, titel);
    Sitzung programmspiel;
    const std::vector<int> spielNull = dreiZyklen(programmspiel);

    Sitzung s;
    QCOMPARE(s.sitzung.spielNummerSetzen(nummer), gibtEs);
    QCOMPARE(QString::fromStdString(s.bedienung.titel), titel);
    QCOMPARE(s.sitzung.spielNummer(), gibtEs ? nummer : 0);
    const std::vector<int> gespielt = dreiZyklen(s);
    QCOMPARE(gespielt == spielNull, !gibtEs || nummer == 0);
    s.sitzung.spielVomProgrammstart();
    QCOMPARE(dreiZyklen(s), gespielt);
    Sitzung zweite;
    (void)zweite.sitzung.spielNummerSetzen(nummer);
    QCOMPARE(dreiZyklen(zweite), gespielt);
}

void TestSpielsitzung::schnelldurchlaufEndetMitDemProgramm_data()
{
    QTest::addColumn<int>("endeNachWarten");
    QTest::addColumn<int>("zyklen");
    // Waits 1 and 2 come before the first pass; each cycle waits twice.
    QTest::newRow("before the first cycle") << 1 << 0;
    QTest::newRow("between pass and commit of cycle 3") << 7 << 2;
    QTest::newRow("never: the whole run") << 99 << 10;
}

void TestSpielsitzung::schnelldurchlaufEndetMitDemProgramm()
{
    QFETCH(int, endeNachWarten);
    QFETCH(int, zyklen);
    Sitzung s;
    QVERIFY(s.sitzung.command2Click());
    // A second click while it runs adds ten cycles; the edition does not drive it.
    QVERIFY(!s.sitzung.command2Click());
    QCOMPARE(s.sitzung.wartendeZyklen(), 20);
    int gewartet = 0;
    while (s.sitzung.schnelldurchlaufWeiter())
        if (++gewartet == endeNachWarten)
            s.sitzung.programmBeenden();
    const int erwartet = endeNachWarten == 99 ? 20 : zyklen;
    QCOMPARE(s.sitzung.spielfeld().zyklus(), erwartet);
    QCOMPARE(s.sitzung.wartendeZyklen(), 0);
    if (endeNachWarten != 99) {
        // After the end no run starts, and Ctrl+N leaves the game as it is.
        QVERIFY(!s.sitzung.command2Click());
        s.sitzung.spielVomProgrammstart();
        QCOMPARE(s.sitzung.spielfeld().zyklus(), zyklen);
    }
}

void TestSpielsitzung::neuesTErstNachDerMeldung()
{
    Sitzung s;
    s.bedienung.tippen(Steuerelement::txtFaktor, "15");
    s.bedienung.tippen(Steuerelement::Text4, "8");
    s.sitzung.command3Click(); // t = 8 at p = 15
    s.sitzung.command1Click(); // overflows
    QCOMPARE(s.bedienung.meldungen.size(), std::size_t{1});
    QVERIFY(s.bedienung.meldungen[0].starts_with("Überlauf"));
    // Typing a smaller t and taking it over: the faded old curve fails
    // again, and t changes only once its message is closed.
    s.bedienung.tippen(Steuerelement::Text4, "1,5");
    s.bedienung.nachMeldung = nullptr;
    s.sitzung.command3Click();
    QCOMPARE(s.bedienung.meldungen.size(), std::size_t{2});
    QCOMPARE(s.sitzung.exponentT(), 8.0);
    QVERIFY(s.bedienung.nachMeldung);
    s.bedienung.nachMeldung();
    QCOMPARE(s.sitzung.exponentT(), 1.5);
    QCOMPARE(s.bedienung.texte[Steuerelement::txtExponent], std::string("t = 1.5"));
    // A t above 8 is cut, in the box as well.
    s.bedienung.tippen(Steuerelement::Text4, "12");
    s.sitzung.command3Click();
    QCOMPARE(s.sitzung.exponentT(), 8.0);
    QCOMPARE(s.bedienung.texte[Steuerelement::Text4], std::string("8"));
}

void TestSpielsitzung::parameterZeigenIhreHilfe()
{
    Sitzung s;
    s.bedienung.hilfen.clear();
    const int vorher = s.bedienung.aenderungen;
    s.sitzung.vscFaktorChange(12);
    s.sitzung.vscFaktorChange(12); // the same value again changes no text
    s.sitzung.vscStartChange(40);
    QCOMPARE(s.bedienung.hilfen, (std::vector<std::string>{"Wachstumsrate p = 120%", "Startwert A(0) = 40 Spieler"}));
    QCOMPARE(s.bedienung.texte[Steuerelement::Text1], std::string("40"));
    QCOMPARE(s.sitzung.spielfeld().startAnzahl(), 40);
    QCOMPARE(s.bedienung.aenderungen, vorher + 3);
    // The strict reading with the user's comma, the leading number otherwise.
    s.bedienung.tippen(Steuerelement::txtFaktor, "1,5");
    QCOMPARE(s.sitzung.wachstumsrate(), 1.5);
    s.bedienung.tippen(Steuerelement::txtFaktor, "7x");
    QCOMPARE(s.sitzung.wachstumsrate(), 7.0);
}

void TestSpielsitzung::fuenfzehnStellenWieC_data()
{
    QTest::addColumn<double>("wert");
    for (const double wert : {0.982, 1.0, 1.5, 8.0, 0.1 + 0.2, 1.0 / 3.0, 123456789012345678.0, 1e-5, 0.0001,
                              -2.75, 99999999999999.99, 0.0, 1e300})
        QTest::addRow("%.17g", wert) << wert;
}

void TestSpielsitzung::fuenfzehnStellenWieC()
{
    QFETCH(double, wert);
    // The C library in its own locale is the reference.
    std::setlocale(LC_NUMERIC, "C");
    char erwartet[64];
    std::snprintf(erwartet, sizeof erwartet, "%.15g", wert);
    QCOMPARE(fuenfzehnStellen(wert), std::string(erwartet));
}

QTEST_APPLESS_MAIN(TestSpielsitzung)
#include "tst_spielsitzung.moc"
