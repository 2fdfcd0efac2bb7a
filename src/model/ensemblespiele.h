// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "anpassung.h"

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

class Spielfeld;

// Many games of the same start number and growth rate, each played by the
// model exactly as the window plays its game (allesZuruecksetzen,
// startSpielerSetzen, then per cycle zielsuche and ergebnis), each with a
// random source of its own. The main game's source is never touched.
// This part needs no threads: the desktop plays the games on several
// (ensemblerechnung.h), the browser in a worker, game by game.

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
    // Each game's A(0), A(1), ... where they are to be seen one by one (a
    // class's own games); empty for the many games the program plays.
    std::vector<std::vector<int>> einzelspiele;
};

// The quantile of `prozent` % (0 .. 100) of values sorted in ascending order
// (at least one), by linear interpolation between order statistics as
// spreadsheets compute a percentile: at position h = (N - 1) * prozent / 100,
// counted from 0, x[floor(h)] + (h - floor(h)) * (x[floor(h) + 1] - x[floor(h)]).
// The position is computed in whole numbers, so it is exact.
double quantil(std::span<const int> sortiert, int prozent);

// The counts of all games, game i's A(0) .. A(zyklen) in row i.
class Zaehltabelle
{
public:
    Zaehltabelle(int spiele, int zyklen);
    std::span<int> zeile(int spiel);
    int wert(int spiel, int zyklus) const;

private:
    std::size_t m_breite;
    std::vector<int> m_werte;
};

// Plays game `index` of the ensemble on `feld` with its own source and
// writes A(0) .. A(zyklen) into `verlauf`. `abbrechen` is asked before every
// cycle; false when it said yes and the game stopped before its end.
bool ensembleSpielSpielen(Spielfeld& feld, const EnsembleAuftrag& auftrag, int index, std::span<int> verlauf,
                          const std::function<bool()>& abbrechen);

// Mean, quantiles and best t of the counts of all games of `auftrag`.
EnsembleKurven ensembleKurvenBerechnen(const EnsembleAuftrag& auftrag, const Zaehltabelle& tabelle);
