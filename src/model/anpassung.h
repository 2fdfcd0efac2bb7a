// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "verhulst.h"

#include <span>
#include <vector>

// The exponent t of the Verhulst iteration that fits a run of the game best.
//
// The counts of a run are A(0), A(1), ..., A(n), finite numbers of players
// (n is the cycle counter; the game stores at most 1200 cycles). The model
// starts from the run's A(0) and takes n steps with verhulstSchritt, the
// arithmetic of the curve; its values A(1) .. A(n) are compared with the
// counts by the sum of squared differences, in players squared. The step
// after A(n) is not computed: it is compared with nothing.

// The candidates are t = k / anpassungsTeiler for k = 0 .. anpassungsHoechstesK,
// that is t = 0, 0.001, ..., 8 (8 is the largest t the window takes over).
inline constexpr int anpassungsTeiler = 1000;
inline constexpr int anpassungsHoechstesK = 8000;

// t of the candidate k, exactly as the search computes it.
inline double anpassungsT(int k)
{
    return static_cast<double>(k) / anpassungsTeiler;
}

// How well one t fits the counts.
struct Abweichung
{
    // False with no cycle to compare (n = 0) or when a step of the model
    // failed; then the numbers below say nothing.
    bool vergleichbar = false;
    // Why t is disqualified: the error of the failing step, keiner otherwise.
    VerhulstFehler fehler = VerhulstFehler::keiner;
    // The step from the model's A(fehlerZyklus) failed; -1 when none did.
    int fehlerZyklus = -1;
    double quadratsumme = 0.0; // sum over cycles 1..n of (model - count)^2
    double rms = 0.0;          // sqrt(quadratsumme / n), in players
};

// The fit of any t, negative ones and those off the grid included.
// Never throws; a failed step is reported in the result.
Abweichung abweichung(std::span<const double> anzahlen, double p, double t);

struct BesteAnpassung
{
    // False when n = 0 (nothing to fit) or when every candidate t has a
    // failing step (zyklen tells the two apart).
    bool gefunden = false;
    int zyklen = 0;            // n, the cycles compared
    int k = 0;                 // the best candidate, t = k / 1000
    double t = 0.0;
    double quadratsumme = 0.0; // as in Abweichung, for this t
    double rms = 0.0;          // sqrt(quadratsumme / n), in players
};

// The candidate t with the smallest sum of squared differences; of equal
// sums the smaller t. Candidates with a failing step are left out. The
// result is exactly that of comparing the full sums of all 8001 candidates
// (a candidate is dropped only once its partial sum proves that it loses).
BesteAnpassung besteAnpassung(std::span<const double> anzahlen, double p);

// The search of besteAnpassung for a run that grows cycle by cycle, as the
// game does: it keeps how far each candidate got, so that a call with the
// counts of the last call and a few more costs only those cycles, and only
// for the candidates that can still win. Any other counts or p start the
// search anew. The result is always besteAnpassung's for the counts given.
class LaufendeAnpassung
{
public:
    BesteAnpassung anpassen(std::span<const double> anzahlen, double p);

    // What a candidate has to stay within. Squares are never negative, so
    // the partial sums only grow (rounding included): a partial sum beyond
    // the best full sum, or equal to it when a tie goes to the other
    // candidate, proves that the candidate loses.
    struct Schranke
    {
        bool aktiv = false;
        double summe = 0.0;
        bool gleichstandVerliert = false;

        bool verloren(double teilsumme) const
        {
            return aktiv && (teilsumme > summe || (gleichstandVerliert && teilsumme == summe));
        }
    };

    // One candidate's model values compared with the counts so far.
    struct Kandidat
    {
        int zyklus = 0;   // compared up to A(zyklus)
        double a = 0.0;   // the model's A(zyklus)
        double summe = 0.0;
        VerhulstFehler fehler = VerhulstFehler::keiner; // the step from A(zyklus) failed

        void weiter(std::span<const double> anzahlen, double p, double t, const Schranke& schranke);
    };

private:
    struct Bester
    {
        bool gefunden = false;
        int k = 0;
        double summe = 0.0;
    };

    bool fortsetzbar(std::span<const double> anzahlen, double p) const;
    void pruefen(std::span<const double> anzahlen, int k);
    void pruefenImRaster(std::span<const double> anzahlen, int von, int bis, int schritt);

    std::vector<double> m_anzahlen; // the counts of the last call
    double m_p = 0.0;
    std::vector<Kandidat> m_kandidaten; // index k, empty before the first call
    Bester m_bester;
};
