// SPDX-License-Identifier: GPL-3.0-or-later
// The best-fitting exponent t: recovered from the model's own counts, from
// rounded counts and from real games; failing steps leave a t out; the
// pruned search equals the plain one; ties go to the smaller t.

#include "anpassung.h"
#include "gespielterlauf.h"
#include "spielfeld.h"
#include "verhulst.h"
#include "standardzufallsquelle.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <vector>

Q_DECLARE_METATYPE(VerhulstFehler)

namespace {

std::vector<double> modellAnzahlen(double a0, double p, double t, int zyklen)
{
    std::vector<double> werte{a0};
    for (int n = 1; n <= zyklen; ++n)
        werte.push_back(verhulstSchritt(werte.back(), p, t).wert);
    return werte;
}

std::vector<double> spielAnzahlen(int a0, double p, int zyklen)
{
    return gespielterLauf(a0, p, zyklen).laufAnzahlen();
}

// The reference: every candidate's full sum, the first smallest one wins.
BesteAnpassung schlichteSuche(const std::vector<double>& anzahlen, double p)
{
    BesteAnpassung beste;
    for (int k = 0; k <= anpassungsHoechstesK; ++k) {
        const Abweichung a = abweichung(anzahlen, p, anpassungsT(k));
        if (a.vergleichbar && (!beste.gefunden || a.quadratsumme < beste.quadratsumme)) {
            beste.gefunden = true;
            beste.k = k;
            beste.quadratsumme = a.quadratsumme;
        }
    }
    return beste;
}

void zeilenWiederfinden()
{
    QTest::addColumn<double>("p");
    QTest::addColumn<double>("t");
    QTest::addColumn<int>("zyklen");
    for (const double p : {5.0, 10.0})
        for (const double t : {0.5, 1.0, 1.7, 3.0})
            for (const int zyklen : {30, 60})
                QTest::addRow("p %g, t %g, %d cycles", p, t, zyklen) << p << t << zyklen;
}

} // namespace

class TestAnpassung : public QObject
{
    Q_OBJECT

private slots:
    void findetTWieder_data();
    void findetTWieder();
    void gerundeteAnzahlen_data();
    void gerundeteAnzahlen();
    void fehlschrittSchliesstAus_data();
    void fehlschrittSchliesstAus();
    void abweichungEinesT_data();
    void abweichungEinesT();
    void nichtsZuVergleichen_data();
    void nichtsZuVergleichen();
    void kuerzereSucheGleichSchlichter_data();
    void kuerzereSucheGleichSchlichter();
    void zweiGetrennteMinima();
    void wachsenderLaufWieNeu();
    void gleichstandGehtZumKleinerenT_data();
    void gleichstandGehtZumKleinerenT();
};

void TestAnpassung::findetTWieder_data()
{
    zeilenWiederfinden();
}

void TestAnpassung::findetTWieder()
{
    // The model's own counts: the true t's sum is exactly 0, and the grid
    // holds the true t, so the fit must land on it (tolerance 0.001).
    QFETCH(double, p);
    QFETCH(double, t);
    QFETCH(int, zyklen);
    const std::vector<double> anzahlen = modellAnzahlen(10, p, t, zyklen);
    const BesteAnpassung beste = besteAnpassung(anzahlen, p);
    QVERIFY(beste.gefunden);
    QCOMPARE(beste.zyklen, zyklen);
    QVERIFY2(std::fabs(beste.t - t) <= 0.001, qPrintable(QString::number(beste.t, 'g', 17)));
    QCOMPARE(beste.quadratsumme, 0.0);
    QCOMPARE(beste.rms, 0.0);
    QCOMPARE(beste.t, anpassungsT(beste.k));
}

void TestAnpassung::gerundeteAnzahlen_data()
{
    zeilenWiederfinden();
}

void TestAnpassung::gerundeteAnzahlen()
{
    // Counts rounded to whole players, as the game has them (tolerance 0.01).
    QFETCH(double, p);
    QFETCH(double, t);
    QFETCH(int, zyklen);
    std::vector<double> anzahlen = modellAnzahlen(10, p, t, zyklen);
    for (double& a : anzahlen)
        a = std::round(a);
    const BesteAnpassung beste = besteAnpassung(anzahlen, p);
    QVERIFY(beste.gefunden);
    QVERIFY2(std::fabs(beste.t - t) <= 0.01, qPrintable(QString::number(beste.t, 'g', 17)));
    // Rounding moves each count by at most half a player; the true t keeps
    // within that, and the best t does at least as well.
    QVERIFY(beste.rms <= 0.5);
    QVERIFY(beste.rms <= abweichung(anzahlen, p, t).rms);
}

void TestAnpassung::fehlschrittSchliesstAus_data()
{
    QTest::addColumn<std::vector<double>>("anzahlen");
    QTest::addColumn<double>("p");
    QTest::addColumn<double>("erwartetesT"); // -1: whatever the plain search finds
    QTest::addColumn<int>("ersterFehlerK");  // a candidate known to fail
    // p = 15, t = 1: a damped oscillation; large t overflow or leave the
    // real numbers within the cycles.
    QTest::newRow("p 15, t 1, 30 cycles") << modellAnzahlen(10, 15, 1, 30) << 15.0 << 1.0 << 8000;
    QTest::newRow("p 15, t 1.5, 60 cycles") << modellAnzahlen(10, 15, 1.5, 60) << 15.0 << 1.5 << 7500;
    // t = 8 reaches 1.7e70 at cycle 3 and overflows in the step after it,
    // which is compared with nothing: t = 8 fits exactly.
    QTest::newRow("p 15, t 8, 3 cycles") << modellAnzahlen(10, 15, 8, 3) << 15.0 << 8.0 << 7999;
    // One cycle more, and t = 8 is out: the best admissible t wins.
    std::vector<double> vier = modellAnzahlen(10, 15, 8, 3);
    vier.push_back(2500);
    QTest::newRow("p 15, t 8, 4 cycles") << vier << 15.0 << -1.0 << 8000;
}

void TestAnpassung::fehlschrittSchliesstAus()
{
    QFETCH(std::vector<double>, anzahlen);
    QFETCH(double, p);
    QFETCH(double, erwartetesT);
    QFETCH(int, ersterFehlerK);
    QVERIFY(!abweichung(anzahlen, p, anpassungsT(ersterFehlerK)).vergleichbar);
    const BesteAnpassung beste = besteAnpassung(anzahlen, p);
    QVERIFY(beste.gefunden);
    QVERIFY(abweichung(anzahlen, p, beste.t).vergleichbar);
    if (erwartetesT >= 0) {
        QCOMPARE(beste.t, erwartetesT);
        QCOMPARE(beste.quadratsumme, 0.0);
    } else {
        const BesteAnpassung schlicht = schlichteSuche(anzahlen, p);
        QCOMPARE(beste.k, schlicht.k);
        QVERIFY(beste.quadratsumme == schlicht.quadratsumme);
        QVERIFY(beste.t < 8.0);
    }
}

void TestAnpassung::abweichungEinesT_data()
{
    QTest::addColumn<std::vector<double>>("anzahlen");
    QTest::addColumn<double>("p");
    QTest::addColumn<double>("t");
    QTest::addColumn<bool>("vergleichbar");
    QTest::addColumn<double>("quadratsumme"); // exact
    QTest::addColumn<VerhulstFehler>("fehler");
    QTest::addColumn<int>("fehlerZyklus");
    // t = 0 keeps the model at A(0): differences -10 and -20.
    QTest::newRow("flat model, two cycles") << std::vector<double>{10, 20, 30} << 5.0 << 0.0 << true << 500.0
                                            << VerhulstFehler::keiner << -1;
    // Off the grid and negative: t = -1 decays as the counts do.
    QTest::newRow("negative t") << modellAnzahlen(10, 5, -1, 40) << 5.0 << -1.0 << true << 0.0
                                << VerhulstFehler::keiner << -1;
    QTest::newRow("overflow after cycle 3") << modellAnzahlen(10, 15, 1, 30) << 15.0 << 8.0 << false << 0.0
                                            << VerhulstFehler::ueberlauf << 3;
    // A(1) = 10 * 2.5^7.5 lies beyond 4166.7, where the base turns negative.
    QTest::newRow("no real power after cycle 1") << modellAnzahlen(10, 15, 1, 30) << 15.0 << 7.5 << false << 0.0
                                                 << VerhulstFehler::ungueltigesArgument << 1;
}

void TestAnpassung::abweichungEinesT()
{
    QFETCH(std::vector<double>, anzahlen);
    QFETCH(double, p);
    QFETCH(double, t);
    QFETCH(bool, vergleichbar);
    QFETCH(double, quadratsumme);
    QFETCH(VerhulstFehler, fehler);
    QFETCH(int, fehlerZyklus);
    const Abweichung a = abweichung(anzahlen, p, t);
    QCOMPARE(a.vergleichbar, vergleichbar);
    QCOMPARE(a.fehler, fehler);
    QCOMPARE(a.fehlerZyklus, fehlerZyklus);
    if (vergleichbar) {
        QVERIFY(a.quadratsumme == quadratsumme);
        QVERIFY(a.rms == std::sqrt(quadratsumme / static_cast<double>(anzahlen.size() - 1)));
    }
}

void TestAnpassung::nichtsZuVergleichen_data()
{
    const double unendlich = std::numeric_limits<double>::infinity();
    QTest::addColumn<std::vector<double>>("anzahlen");
    QTest::addColumn<double>("p");
    QTest::addColumn<int>("zyklen");
    QTest::newRow("no cycle yet") << std::vector<double>{10} << 5.0 << 0;
    QTest::newRow("no counts at all") << std::vector<double>{} << 5.0 << 0;
    // No base has a finite value: every candidate fails its first step.
    QTest::newRow("every t fails") << std::vector<double>{10, 15, 22} << unendlich << 2;
}

void TestAnpassung::nichtsZuVergleichen()
{
    QFETCH(std::vector<double>, anzahlen);
    QFETCH(double, p);
    QFETCH(int, zyklen);
    const BesteAnpassung beste = besteAnpassung(anzahlen, p);
    QVERIFY(!beste.gefunden);
    QCOMPARE(beste.zyklen, zyklen);
    QVERIFY(!abweichung(anzahlen, p, 1.0).vergleichbar);
}

void TestAnpassung::kuerzereSucheGleichSchlichter_data()
{
    QTest::addColumn<std::vector<double>>("anzahlen");
    QTest::addColumn<double>("p");
    for (const double p : {1.0, 5.0, 10.0, 15.0})
        QTest::addRow("game, p %g, 120 cycles", p) << spielAnzahlen(10, p, 120) << p;
    QTest::newRow("game, A(0) 50, p 3, 40 cycles") << spielAnzahlen(50, 3, 40) << 3.0;
    QTest::newRow("game, 1 cycle") << spielAnzahlen(10, 5, 1) << 5.0;
    // A game compared with the wrong p: the best t lies far from 1.
    QTest::newRow("game of p 5 fitted with p 15") << spielAnzahlen(10, 5, 60) << 15.0;
    std::vector<double> gerundet = modellAnzahlen(10, 10, 3, 60);
    for (double& a : gerundet)
        a = std::round(a);
    QTest::newRow("rounded model, t 3") << gerundet << 10.0;
}

void TestAnpassung::kuerzereSucheGleichSchlichter()
{
    // Dropping candidates early must not change the result in any bit.
    QFETCH(std::vector<double>, anzahlen);
    QFETCH(double, p);
    const BesteAnpassung beste = besteAnpassung(anzahlen, p);
    const BesteAnpassung schlicht = schlichteSuche(anzahlen, p);
    QCOMPARE(beste.gefunden, schlicht.gefunden);
    QCOMPARE(beste.k, schlicht.k);
    QVERIFY(beste.quadratsumme == schlicht.quadratsumme);
    QVERIFY(beste.rms == std::sqrt(schlicht.quadratsumme / static_cast<double>(anzahlen.size() - 1)));
}

// The model's own counts of t = 3.141 at p = 10 over 15 cycles: a broad
// minimum near t = 2.777, where the coarse steps lead, and the exact one at
// 3.141, far outside a search near the coarse best.
void TestAnpassung::zweiGetrennteMinima()
{
    const std::vector<double> anzahlen = modellAnzahlen(10, 10, 3.141, 15);
    const auto summe = [&](int k) { return abweichung(anzahlen, 10, anpassungsT(k)).quadratsumme; };
    QVERIFY(summe(2777) < summe(2767) && summe(2777) < summe(2787));
    QVERIFY(summe(2777) > 1e6);
    const BesteAnpassung beste = besteAnpassung(anzahlen, 10);
    QCOMPARE(beste.k, 3141);
    QCOMPARE(beste.quadratsumme, 0.0);
}

// A run that grows cycle by cycle, then changes p and then loses its last
// cycles (a new game): the kept search gives what a fresh one gives.
void TestAnpassung::wachsenderLaufWieNeu()
{
    const std::vector<double> lauf = spielAnzahlen(10, 8, 40);
    LaufendeAnpassung laufend;
    const auto vergleichen = [&](std::size_t laenge, double p) {
        const std::span<const double> anzahlen(lauf.data(), laenge);
        const BesteAnpassung gehalten = laufend.anpassen(anzahlen, p);
        const BesteAnpassung neu = besteAnpassung(anzahlen, p);
        QCOMPARE(gehalten.gefunden, neu.gefunden);
        QCOMPARE(gehalten.k, neu.k);
        QCOMPARE(gehalten.quadratsumme, neu.quadratsumme);
    };
    for (std::size_t laenge = 1; laenge <= lauf.size(); laenge += 3)
        vergleichen(laenge, 8);
    vergleichen(lauf.size(), 9);
    vergleichen(20, 9);
    vergleichen(lauf.size(), 8);
}

void TestAnpassung::gleichstandGehtZumKleinerenT_data()
{
    QTest::addColumn<std::vector<double>>("anzahlen");
    QTest::addColumn<double>("p");
    QTest::addColumn<int>("k");
    // Counts the model cannot tell apart by t: every candidate ties.
    QTest::newRow("start at capacity") << std::vector<double>{2500, 2400, 2600} << 5.0 << 0;
    QTest::newRow("nobody plays") << std::vector<double>{0, 3, 7} << 10.0 << 0;
    QTest::newRow("p 0") << std::vector<double>{10, 12, 14} << 0.0 << 0;
    // One cycle whose count lies exactly halfway between the model's A(1)
    // of two neighbouring candidates, so both differences have the same
    // size. The midpoint is exact only when it needs no bit more than the
    // values: the first such k from each start is taken.
    for (const int ab : {999, 1000, 1700, 4321}) {
        for (int k = ab; k < ab + 100; ++k) {
            const double unten = verhulstSchritt(10, 5, anpassungsT(k)).wert;
            const double oben = verhulstSchritt(10, 5, anpassungsT(k + 1)).wert;
            const double mitte = unten + (oben - unten) / 2;
            if ((unten - mitte) * (unten - mitte) != (oben - mitte) * (oben - mitte))
                continue;
            QTest::addRow("halfway between k %d and %d", k, k + 1) << std::vector<double>{10, mitte} << 5.0 << k;
            break;
        }
    }
}

void TestAnpassung::gleichstandGehtZumKleinerenT()
{
    QFETCH(std::vector<double>, anzahlen);
    QFETCH(double, p);
    QFETCH(int, k);
    // The tie is real: the winner and the next candidate have the same sum.
    const Abweichung gewinner = abweichung(anzahlen, p, anpassungsT(k));
    const Abweichung naechster = abweichung(anzahlen, p, anpassungsT(k + 1));
    QVERIFY(gewinner.vergleichbar && naechster.vergleichbar);
    QVERIFY(gewinner.quadratsumme == naechster.quadratsumme);
    const BesteAnpassung beste = besteAnpassung(anzahlen, p);
    QVERIFY(beste.gefunden);
    QCOMPARE(beste.k, k);
    QVERIFY(beste.quadratsumme == gewinner.quadratsumme);
}

QTEST_APPLESS_MAIN(TestAnpassung)
#include "tst_anpassung.moc"
