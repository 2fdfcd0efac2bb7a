// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "anpassung.h"
#include "ensemblespiele.h"

#include <optional>
#include <vector>

class Spielfeld;

// Everything the evaluation shows of the current run: the counts, the
// Verhulst values for the current and the best-fitting t and how well each
// fits, and the curves of many games when they belong to this run.
struct LaufAuswertung
{
    std::vector<double> anzahlen; // A(0) .. A(m), m the cycle counter but at most 1200
    int zyklus = 0;               // the cycle counter, which may lie beyond the history
    double p = 0.0;               // the growth rate shown now
    double t = 0.0;               // the exponent t taken over
    std::vector<double> verhulstAktuell; // A(0) .. as far as the iteration with t got
    Abweichung aktuell;
    BesteAnpassung beste;
    std::vector<double> verhulstBeste; // empty without a best t
    bool andererFaktor = false;        // a pass of the run used another p
    std::vector<int> ohneZielsuche;    // cycles committed without a pass before
    std::optional<EnsembleKurven> ensemble;
};

// The run as it stands. `ensemble` is taken when it was played with the
// run's A(0) and with p; otherwise it belongs to another game and is left out.
LaufAuswertung laufAuswerten(const Spielfeld& feld, double p, double t,
                             const std::optional<EnsembleKurven>& ensemble);
// The same with the search for the best t kept from the last call: while
// the run only grows, a call costs about its new cycles.
LaufAuswertung laufAuswerten(const Spielfeld& feld, double p, double t,
                             const std::optional<EnsembleKurven>& ensemble, LaufendeAnpassung& suche);

// Whether many games were played for a run of this A(0) and p.
bool gehoertZumLauf(const EnsembleKurven& ensemble, int startAnzahl, double p);
