// SPDX-License-Identifier: GPL-3.0-or-later
// Times the evaluation's model code against its floors:
// - the best-fitting t of a 120-cycle game against computing the 8001
//   candidate Verhulst sequences of 120 steps alone (each up to its failing
//   step), and the plain search over all full sums for comparison;
// - an ensemble of 100 games of 60 cycles, run in the background with one
//   thread, against the same games' passes and commits one after another in
//   a plain loop; and with two threads as the speed-up over one.
// The measurements of a figure and its floor take turns, so a change in the
// machine's load meets both alike; each figure is the median.

#include "anpassung.h"
#include "ensemble.h"
#include "gespielterlauf.h"
#include "spielfeld.h"
#include "verhulst.h"
#include "standardzufallsquelle.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

struct Zeit
{
    double wand = 0; // wall time, ms
    double cpu = 0;  // processor time of all the process's threads, ms
};

Zeit messen(const std::function<void()>& arbeit)
{
    const auto anfang = std::chrono::steady_clock::now();
    const std::clock_t cpuAnfang = std::clock();
    arbeit();
    const std::clock_t cpuEnde = std::clock();
    return {std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - anfang).count(),
            1000.0 * static_cast<double>(cpuEnde - cpuAnfang) / CLOCKS_PER_SEC};
}

// Medians of the given tasks, measured in turn `wiederholungen` times. The
// processor time is the one of the run with the median wall time.
std::vector<Zeit> imWechsel(const std::vector<std::function<void()>>& aufgaben, int wiederholungen)
{
    std::vector<std::vector<Zeit>> zeiten(aufgaben.size());
    for (int w = 0; w < wiederholungen; ++w)
        for (std::size_t a = 0; a < aufgaben.size(); ++a)
            zeiten[a].push_back(messen(aufgaben[a]));
    std::vector<Zeit> mediane;
    for (auto& z : zeiten) {
        std::sort(z.begin(), z.end(), [](const Zeit& x, const Zeit& y) { return x.wand < y.wand; });
        mediane.push_back(z[z.size() / 2]);
    }
    return mediane;
}

std::vector<double> spielAnzahlen(int a0, double p, int zyklen)
{
    return gespielterLauf(a0, p, zyklen).laufAnzahlen();
}

volatile double senke = 0;

// The floor of the fit: every candidate's sequence A(1) .. A(n), nothing else.
void folgenAllein(const std::vector<double>& anzahlen, double p)
{
    double summe = 0;
    for (int k = 0; k <= anpassungsHoechstesK; ++k) {
        double a = anzahlen[0];
        for (std::size_t n = 1; n < anzahlen.size(); ++n) {
            const VerhulstSchritt schritt = verhulstSchritt(a, p, anpassungsT(k));
            if (schritt.fehler != VerhulstFehler::keiner)
                break;
            a = schritt.wert;
        }
        summe += a;
    }
    senke = summe;
}

void schlichteSuche(const std::vector<double>& anzahlen, double p)
{
    double beste = 0;
    for (int k = 0; k <= anpassungsHoechstesK; ++k)
        beste = std::max(beste, abweichung(anzahlen, p, anpassungsT(k)).quadratsumme);
    senke = beste;
}

void anpassungMessen(double p)
{
    const std::vector<double> anzahlen = spielAnzahlen(10, p, 120);
    const BesteAnpassung beste = besteAnpassung(anzahlen, p);
    const std::vector<Zeit> m = imWechsel({[&] { folgenAllein(anzahlen, p); },
                                           [&] { senke = besteAnpassung(anzahlen, p).t; },
                                           [&] { schlichteSuche(anzahlen, p); }},
                                          15);
    std::printf("best t, 120 cycles, p = %-4g %8.3f ms   8001 sequences alone %8.3f ms   ratio %.2f (target <= 1.5)"
                "   [t = %.3f, rms %.2f]\n",
                p, m[1].wand, m[0].wand, m[1].wand / m[0].wand, beste.t, beste.rms);
    std::printf("  plain search (all full sums)   %8.3f ms   ratio %.2f\n", m[2].wand, m[2].wand / m[0].wand);
}

// The floor of the ensemble: the same games, one after another, in a loop.
void spieleAllein(const EnsembleAuftrag& auftrag)
{
    Spielfeld feld;
    long long summe = 0;
    for (int i = 0; i < auftrag.spiele; ++i) {
        StandardZufallsquelle zufall(ensembleSpielStartwert(i));
        feld.allesZuruecksetzen();
        feld.startSpielerSetzen(auftrag.startSpieler, zufall);
        for (int n = 1; n <= auftrag.zyklen; ++n) {
            feld.zielsuche(auftrag.p, zufall);
            summe += feld.zyklusAbschliessen().anzahlSpieler;
        }
    }
    senke = static_cast<double>(summe);
}

void ensembleImHintergrund(Ensemble& ensemble, EnsembleAuftrag auftrag, int faeden)
{
    auftrag.faeden = faeden;
    ensemble.starten(auftrag);
    ensemble.warten();
    if (!ensemble.ergebnis())
        std::printf("ensemble did not finish\n");
}

void ensembleMessen(double p)
{
    EnsembleAuftrag auftrag;
    auftrag.spiele = 100;
    auftrag.startSpieler = 10;
    auftrag.p = p;
    auftrag.zyklen = 60;
    Ensemble ensemble;
    const std::vector<Zeit> m = imWechsel({[&] { spieleAllein(auftrag); },
                                           [&] { ensembleImHintergrund(ensemble, auftrag, 1); },
                                           [&] { ensembleImHintergrund(ensemble, auftrag, 2); }},
                                          7);
    std::printf("ensemble 100 x 60, p = %-4g, 1 thread %8.3f ms   games in a loop %8.3f ms   ratio %.2f (target <= 1.2)\n",
                p, m[1].wand, m[0].wand, m[1].wand / m[0].wand);
    // Processor time over wall time: how many cores the run really had;
    // below 2 the machine's other load, not the ensemble, limits the speed-up.
    std::printf("  2 threads                      %8.3f ms   speed-up over 1 thread %.2f"
                "   (processor / wall time %.2f)\n",
                m[2].wand, m[1].wand / m[2].wand, m[2].cpu / m[2].wand);
}

} // namespace

int main()
{
    for (const double p : {5.0, 10.0, 15.0})
        anpassungMessen(p);
    for (const double p : {5.0, 15.0})
        ensembleMessen(p);
    return 0;
}
