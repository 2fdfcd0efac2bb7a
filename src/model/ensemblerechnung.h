// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "anpassung.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <stop_token>
#include <vector>

// Many games of the same start number and growth rate, each played by the
// model exactly as the window plays its game (allesZuruecksetzen,
// startSpielerSetzen, then per cycle zielsuche and ergebnis), each with a
// random source of its own. The main game's source is never touched.

// What to play. ensembleBegrenzt brings every field into its range.
struct EnsembleAuftrag
{
    int spiele = 100;      // N, 10 .. 1000
    int startSpieler = 10; // A(0), 0 .. 2500
    double p = 5.0;        // growth rate in tens of percent, as for zielsuche (0 <= p)
    int zyklen = 60;       // cycles per game, 10 .. 120
    int faeden = 1;        // threads that play, 1 .. N (the calling one included)
};

inline constexpr int ensembleMindestSpiele = 10;
inline constexpr int ensembleHoechstSpiele = 1000;
inline constexpr int ensembleMindestZyklen = 10;
inline constexpr int ensembleHoechstZyklen = 120;

EnsembleAuftrag ensembleBegrenzt(EnsembleAuftrag auftrag);

// The seed of all ensembles, and the seed of game `index` (0 .. N-1) derived
// from it by a bijective mix, so different games never share a seed. The
// seeds depend on nothing else: not on N, the threads or their order.
inline constexpr std::uint32_t ensembleStartwert = 0x4b657474u;
std::uint32_t ensembleSpielStartwert(int index);

// What the N games give per cycle n = 0 .. zyklen (index n of each vector).
struct EnsembleKurven
{
    EnsembleAuftrag auftrag;        // as played, after ensembleBegrenzt
    std::vector<double> mittel;     // mean of the N counts A(n)
    std::vector<double> quantil10;  // 10 % quantile of the N counts
    std::vector<double> quantil90;  // 90 % quantile of the N counts
    BesteAnpassung anpassung;       // the best t for the mean (besteAnpassung)
};

// The quantile of `prozent` % (0 .. 100) of values sorted in ascending order
// (at least one), by linear interpolation between order statistics as
// spreadsheets compute a percentile: at position h = (N - 1) * prozent / 100,
// counted from 0, x[floor(h)] + (h - floor(h)) * (x[floor(h) + 1] - x[floor(h)]).
// The position is computed in whole numbers, so it is exact.
double quantil(std::span<const int> sortiert, int prozent);

// Plays the ensemble on the calling thread and auftrag.faeden - 1 further
// ones, and returns when all have ended, also when it throws. Every finished
// game adds 1 to fertigeSpiele (any thread may read it) and then calls
// `gespielt` on the thread that played it. Once `halt` is asked to stop the
// games stop at their next cycle and the result is empty (nullopt), as it
// is when the stop comes at the end of the games. The curves are the same
// for any number of threads and any scheduling. When a thread's share
// throws (`gespielt` may), the others stop at their next cycle, and once all
// have ended the exception goes on to the caller.
std::optional<EnsembleKurven> ensembleRechnen(const EnsembleAuftrag& auftrag, std::stop_token halt,
                                              std::atomic<int>& fertigeSpiele,
                                              const std::function<void()>& gespielt = {});
