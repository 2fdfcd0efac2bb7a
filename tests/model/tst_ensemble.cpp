// SPDX-License-Identifier: GPL-3.0-or-later
// Many games: the same curves after every start and for any number of
// threads, the games of the model itself, quantiles in order and in range,
// cancelling, and a main game that never notices an ensemble.

#include "ensemble.h"
#include "ensemblerechnung.h"
#include "spielfeld.h"
#include "standardzufallsquelle.h"

#include <QTest>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <functional>
#include <memory>
#include <set>
#include <stdexcept>
#include <thread>
#include <vector>

Q_DECLARE_METATYPE(EnsembleAuftrag)

namespace {

EnsembleAuftrag auftrag(int spiele, int startSpieler, double p, int zyklen, int faeden = 1)
{
    EnsembleAuftrag a;
    a.spiele = spiele;
    a.startSpieler = startSpieler;
    a.p = p;
    a.zyklen = zyklen;
    a.faeden = faeden;
    return a;
}

EnsembleKurven rechnen(const EnsembleAuftrag& a)
{
    std::atomic<int> fertig{0};
    const std::optional<EnsembleKurven> kurven = ensembleRechnen(a, {}, fertig);
    if (!kurven)
        qFatal("an ensemble that nobody cancelled gave no curves");
    if (fertig.load() != ensembleBegrenzt(a).spiele)
        qFatal("not every game was counted as finished");
    return *kurven;
}

bool gleich(const EnsembleKurven& a, const EnsembleKurven& b)
{
    return a.mittel == b.mittel && a.quantil10 == b.quantil10 && a.quantil90 == b.quantil90
        && a.anpassung.gefunden == b.anpassung.gefunden && a.anpassung.k == b.anpassung.k
        && a.anpassung.quadratsumme == b.anpassung.quadratsumme;
}

// Game `index` of an ensemble, played here step by step as the window plays.
std::vector<int> einzelspiel(const EnsembleAuftrag& a, int index)
{
    Spielfeld feld;
    StandardZufallsquelle zufall(ensembleSpielStartwert(index));
    feld.allesZuruecksetzen();
    feld.startSpielerSetzen(a.startSpieler, zufall);
    std::vector<int> anzahlen{feld.spielerZaehlen()};
    for (int n = 1; n <= a.zyklen; ++n) {
        feld.zielsuche(a.p, zufall);
        anzahlen.push_back(feld.zyklusAbschliessen().anzahlSpieler);
    }
    return anzahlen;
}

std::vector<int> hauptspiel(int zyklen, const std::function<void(int)>& zwischendurch)
{
    Spielfeld feld;
    StandardZufallsquelle zufall;
    feld.allesZuruecksetzen();
    feld.startSpielerSetzen(10, zufall);
    std::vector<int> anzahlen{feld.spielerZaehlen()};
    for (int n = 1; n <= zyklen; ++n) {
        zwischendurch(n);
        feld.zielsuche(5, zufall);
        anzahlen.push_back(feld.zyklusAbschliessen().anzahlSpieler);
    }
    return anzahlen;
}

void zeilenEinstellungen()
{
    QTest::addColumn<EnsembleAuftrag>("einstellung");
    QTest::newRow("10 games, defaults") << auftrag(10, 10, 5, 30);
    QTest::newRow("17 games, p 15") << auftrag(17, 10, 15, 25);
    QTest::newRow("25 games, A(0) 1, p 1") << auftrag(25, 1, 1, 45);
    QTest::newRow("20 games, A(0) 50, p 10") << auftrag(20, 50, 10, 20);
}

// Waits until `bedingung` holds; false when a minute passed without it (a
// guard against hanging, not a measure of speed).
bool abwarten(const std::function<bool()>& bedingung)
{
    const auto ende = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    while (!bedingung()) {
        if (std::chrono::steady_clock::now() > ende)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

} // namespace

class TestEnsemble : public QObject
{
    Q_OBJECT

private slots:
    void quantilInterpoliert_data();
    void quantilInterpoliert();
    void begrenzung_data();
    void begrenzung();
    void spielStartwerteVerschieden();
    void gleichBeiJedemStartUndJederFadenzahl_data();
    void gleichBeiJedemStartUndJederFadenzahl();
    void spieleDesModells_data();
    void spieleDesModells();
    void kurvenGeordnet_data();
    void kurvenGeordnet();
    void bestesTFuerDasMittel();
    void keinSpielGehtVerloren();
    void abbrechenVorDemStart();
    void einAnteilWirft_data();
    void einAnteilWirft();
    void abbrechenImLauf();
    void zerstoerenImLauf();
    void hauptspielUnberuehrt();
};

void TestEnsemble::quantilInterpoliert_data()
{
    QTest::addColumn<QList<int>>("sortiert");
    QTest::addColumn<int>("prozent");
    QTest::addColumn<double>("wert"); // worked out by hand, exact
    // h = (N - 1) * q, x[floor h] + frac(h) * (x[floor h + 1] - x[floor h]).
    QTest::newRow("one value") << QList<int>{7} << 10 << 7.0;
    QTest::newRow("10 values, 10 %: h 0.9") << QList<int>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90} << 10 << 9.0;
    QTest::newRow("10 values, 90 %: h 8.1") << QList<int>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90} << 90 << 81.0;
    QTest::newRow("11 values, 10 %: h 1") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11} << 10 << 2.0;
    QTest::newRow("11 values, 90 %: h 9") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11} << 90 << 10.0;
    QTest::newRow("two values, 90 %") << QList<int>{100, 200} << 90 << 190.0;
    QTest::newRow("ties") << QList<int>{5, 5, 5, 5, 9} << 90 << 7.4;
    QTest::newRow("0 % is the smallest") << QList<int>{3, 8, 9} << 0 << 3.0;
    QTest::newRow("100 % is the largest") << QList<int>{3, 8, 9} << 100 << 9.0;
}

void TestEnsemble::quantilInterpoliert()
{
    QFETCH(QList<int>, sortiert);
    QFETCH(int, prozent);
    QFETCH(double, wert);
    const std::vector<int> werte(sortiert.begin(), sortiert.end());
    // Exact up to the last bit of the interpolation.
    QVERIFY2(std::fabs(quantil(werte, prozent) - wert) <= 1e-12 * std::max(1.0, wert),
             qPrintable(QString::number(quantil(werte, prozent), 'g', 17)));
}

void TestEnsemble::begrenzung_data()
{
    QTest::addColumn<EnsembleAuftrag>("eingabe");
    QTest::addColumn<EnsembleAuftrag>("begrenzt");
    QTest::newRow("in range") << auftrag(100, 10, 5, 60, 2) << auftrag(100, 10, 5, 60, 2);
    QTest::newRow("too few") << auftrag(3, -4, 5, 2, 0) << auftrag(10, 0, 5, 10, 1);
    QTest::newRow("too many") << auftrag(5000, 3000, 5, 500, 9) << auftrag(1000, 2500, 5, 120, 9);
    QTest::newRow("more threads than games") << auftrag(12, 10, 5, 60, 40) << auftrag(12, 10, 5, 60, 12);
}

void TestEnsemble::begrenzung()
{
    QFETCH(EnsembleAuftrag, eingabe);
    QFETCH(EnsembleAuftrag, begrenzt);
    const EnsembleAuftrag a = ensembleBegrenzt(eingabe);
    QCOMPARE(a.spiele, begrenzt.spiele);
    QCOMPARE(a.startSpieler, begrenzt.startSpieler);
    QCOMPARE(a.zyklen, begrenzt.zyklen);
    QCOMPARE(a.faeden, begrenzt.faeden);
    QCOMPARE(a.p, begrenzt.p);
}

void TestEnsemble::spielStartwerteVerschieden()
{
    std::set<std::uint32_t> startwerte;
    for (int i = 0; i < ensembleHoechstSpiele; ++i)
        startwerte.insert(ensembleSpielStartwert(i));
    QCOMPARE(static_cast<int>(startwerte.size()), ensembleHoechstSpiele);
}

void TestEnsemble::gleichBeiJedemStartUndJederFadenzahl_data()
{
    // Six ensembles per row, and what one row proves every row would: the
    // games of each index are the same however the threads share them.
    QTest::addColumn<EnsembleAuftrag>("einstellung");
    QTest::newRow("10 games, defaults") << auftrag(10, 10, 5, 30);
}

void TestEnsemble::gleichBeiJedemStartUndJederFadenzahl()
{
    QFETCH(EnsembleAuftrag, einstellung);
    EnsembleAuftrag ein = einstellung, zwei = einstellung, drei = einstellung;
    ein.faeden = 1;
    zwei.faeden = 2;
    drei.faeden = 3;
    const EnsembleKurven erste = rechnen(ein);
    QVERIFY(gleich(erste, rechnen(ein)));
    QVERIFY(gleich(erste, rechnen(zwei)));
    QVERIFY(gleich(erste, rechnen(drei)));
    // In the background, as the window runs it, and once more after that:
    // a report after every game and one at the end.
    std::atomic<int> meldungen{0};
    Ensemble ensemble([&meldungen] { ++meldungen; });
    for (int lauf = 0; lauf < 2; ++lauf) {
        meldungen = 0;
        ensemble.starten(zwei);
        ensemble.warten();
        QVERIFY(ensemble.beendet());
        QCOMPARE(meldungen.load(), einstellung.spiele + 1);
        QCOMPARE(ensemble.fertigeSpiele(), einstellung.spiele);
        QCOMPARE(ensemble.spiele(), einstellung.spiele);
        const std::optional<EnsembleKurven> kurven = ensemble.ergebnis();
        QVERIFY(kurven.has_value());
        QVERIFY(gleich(erste, *kurven));
    }
}

void TestEnsemble::spieleDesModells_data()
{
    zeilenEinstellungen();
}

void TestEnsemble::spieleDesModells()
{
    // The games played one by one here, with the seeds of their indices,
    // give the ensemble's curves: the mean exactly, each quantile between
    // the two order statistics around its position (N - 1) q.
    QFETCH(EnsembleAuftrag, einstellung);
    einstellung.faeden = 2;
    const EnsembleKurven kurven = rechnen(einstellung);
    const int n = einstellung.spiele;
    const auto zyklen = static_cast<std::size_t>(einstellung.zyklen);
    QCOMPARE(kurven.mittel.size(), zyklen + 1);
    QCOMPARE(kurven.quantil10.size(), zyklen + 1);
    QCOMPARE(kurven.quantil90.size(), zyklen + 1);
    std::vector<std::vector<int>> spiele;
    for (int i = 0; i < n; ++i)
        spiele.push_back(einzelspiel(einstellung, i));
    const auto zwischen = [](const std::vector<int>& spalte, int prozent, double wert) {
        const auto unten = static_cast<std::size_t>(prozent * (static_cast<int>(spalte.size()) - 1) / 100);
        return spalte[unten] <= wert && wert <= spalte[std::min(unten + 1, spalte.size() - 1)];
    };
    for (std::size_t z = 0; z <= zyklen; ++z) {
        std::vector<int> spalte;
        long long summe = 0;
        for (const auto& spiel : spiele) {
            spalte.push_back(spiel[z]);
            summe += spiel[z];
        }
        std::sort(spalte.begin(), spalte.end());
        QVERIFY(kurven.mittel[z] == static_cast<double>(summe) / n);
        QVERIFY(zwischen(spalte, 10, kurven.quantil10[z]));
        QVERIFY(zwischen(spalte, 90, kurven.quantil90[z]));
    }
}

void TestEnsemble::kurvenGeordnet_data()
{
    zeilenEinstellungen();
}

void TestEnsemble::kurvenGeordnet()
{
    QFETCH(EnsembleAuftrag, einstellung);
    const EnsembleKurven kurven = rechnen(einstellung);
    const double a0 = einstellung.startSpieler;
    for (std::size_t z = 0; z < kurven.mittel.size(); ++z) {
        // In order and in range: 10 % <= 90 %, nothing below A(0) or above 2500.
        QVERIFY(kurven.quantil10[z] <= kurven.quantil90[z]);
        QVERIFY(kurven.quantil10[z] >= a0 && kurven.mittel[z] >= a0);
        QVERIFY(kurven.quantil90[z] <= 2500 && kurven.mittel[z] <= 2500);
        // Players never leave, so no count of a game falls, nor any curve.
        if (z > 0) {
            QVERIFY(kurven.mittel[z] >= kurven.mittel[z - 1]);
            QVERIFY(kurven.quantil10[z] >= kurven.quantil10[z - 1]);
            QVERIFY(kurven.quantil90[z] >= kurven.quantil90[z - 1]);
        }
    }
    // Cycle 0 is the start number itself.
    QCOMPARE(kurven.mittel[0], a0);
    QCOMPARE(kurven.quantil10[0], a0);
    QCOMPARE(kurven.quantil90[0], a0);
}

void TestEnsemble::bestesTFuerDasMittel()
{
    const EnsembleKurven kurven = rechnen(auftrag(40, 10, 5, 60, 2));
    const BesteAnpassung& beste = kurven.anpassung;
    QVERIFY(beste.gefunden);
    QCOMPARE(beste.zyklen, 60);
    // The mean grows more slowly than t = 1 says: recruits reached twice
    // count once. Its best t is below 1, and no neighbour fits better.
    QVERIFY2(beste.t > 0.5 && beste.t < 1.0, qPrintable(QString::number(beste.t)));
    const Abweichung hier = abweichung(kurven.mittel, 5, beste.t);
    QVERIFY(hier.rms == beste.rms);
    QVERIFY(abweichung(kurven.mittel, 5, anpassungsT(beste.k - 1)).quadratsumme > beste.quadratsumme);
    QVERIFY(abweichung(kurven.mittel, 5, anpassungsT(beste.k + 1)).quadratsumme >= beste.quadratsumme);
}

// Many short games on more threads than cores finish close together: the
// count of finished games loses none of them.
void TestEnsemble::keinSpielGehtVerloren()
{
    for (int lauf = 0; lauf < 5; ++lauf) {
        std::atomic<int> fertig{0};
        QVERIFY(ensembleRechnen(auftrag(200, 0, 5, 10, 8), std::stop_token(), fertig).has_value());
        QCOMPARE(fertig.load(), 200);
    }
}

void TestEnsemble::abbrechenVorDemStart()
{
    std::stop_source halt;
    halt.request_stop();
    std::atomic<int> fertig{0};
    QVERIFY(!ensembleRechnen(auftrag(50, 10, 5, 60, 2), halt.get_token(), fertig).has_value());
    QCOMPARE(fertig.load(), 0);
}

void TestEnsemble::einAnteilWirft_data()
{
    QTest::addColumn<bool>("aufDemAufrufer");
    QTest::newRow("the calling thread's share") << true;
    QTest::newRow("a helper thread's share") << false;
}

void TestEnsemble::einAnteilWirft()
{
    // The report after the first game of one thread fails. The exception
    // reaches the caller after the other thread, told to stop, was joined
    // (else the program would end in std::terminate): it stops long before
    // the 1000 games of 120 cycles at p = 15 are played.
    QFETCH(bool, aufDemAufrufer);
    const std::thread::id aufrufer = std::this_thread::get_id();
    std::atomic<int> fertig{0};
    const auto gespielt = [aufrufer, aufDemAufrufer] {
        if ((std::this_thread::get_id() == aufrufer) == aufDemAufrufer)
            throw std::runtime_error("report failed");
    };
    QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                             ensembleRechnen(auftrag(1000, 10, 15, 120, 2), {}, fertig, gespielt));
    QVERIFY(fertig.load() >= 1);
    QVERIFY(fertig.load() < 1000);
}

void TestEnsemble::abbrechenImLauf()
{
    // 1000 games of 120 cycles at p = 15 take far longer than the one game
    // waited for here; the cancelled run stops long before its end.
    Ensemble ensemble;
    const EnsembleAuftrag gross = auftrag(1000, 10, 15, 120, 2);
    ensemble.starten(gross);
    QCOMPARE(ensemble.spiele(), 1000);
    QVERIFY(abwarten([&] { return ensemble.fertigeSpiele() >= 1; }));
    ensemble.abbrechen();
    ensemble.warten();
    QVERIFY(ensemble.beendet());
    QVERIFY(!ensemble.ergebnis().has_value());
    QVERIFY(ensemble.fertigeSpiele() < 1000);
    // The next run starts afresh and gives the full curves.
    const EnsembleAuftrag klein = auftrag(10, 10, 5, 30, 2);
    ensemble.starten(klein);
    ensemble.warten();
    QVERIFY(ensemble.beendet());
    QCOMPARE(ensemble.fertigeSpiele(), 10);
    QVERIFY(gleich(*ensemble.ergebnis(), rechnen(klein)));
}

void TestEnsemble::zerstoerenImLauf()
{
    // Starting anew and destroying both cancel the run going and wait for it.
    auto ensemble = std::make_unique<Ensemble>();
    ensemble->starten(auftrag(1000, 10, 15, 120, 2));
    ensemble->starten(auftrag(1000, 10, 15, 120, 2));
    QVERIFY(!ensemble->beendet());
    ensemble.reset();
    QVERIFY(!ensemble);
}

void TestEnsemble::hauptspielUnberuehrt()
{
    const std::vector<int> allein = hauptspiel(40, [](int) {});
    Ensemble imHintergrund;
    const std::vector<int> mitEnsembles = hauptspiel(40, [&](int n) {
        if (n == 1 || n == 20)
            rechnen(auftrag(10, 10, 5, 30, 2));
        if (n == 10)
            imHintergrund.starten(auftrag(20, 10, 15, 60, 2));
        if (n == 30)
            imHintergrund.warten();
    });
    QVERIFY(allein == mitEnsembles);
    QVERIFY(imHintergrund.ergebnis().has_value());
}

QTEST_APPLESS_MAIN(TestEnsemble)
#include "tst_ensemble.moc"
