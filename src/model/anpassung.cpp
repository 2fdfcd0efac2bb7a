// SPDX-License-Identifier: GPL-3.0-or-later
#include "anpassung.h"

#include <cmath>
#include <cstddef>

namespace {

enum class Lauf {
    fertig,   // all n steps compared
    verloren, // stopped: the partial sum already loses against the bound
    fehler,   // a step failed: t is disqualified
};

struct Teilsumme
{
    Lauf lauf = Lauf::fertig;
    double summe = 0.0;
    VerhulstFehler fehler = VerhulstFehler::keiner;
    int fehlerZyklus = -1;
};

// What a candidate has to stay within. Squares are never negative, so the
// partial sums only grow (rounding included): a partial sum beyond the best
// full sum, or equal to it when a tie goes to the other candidate, proves
// that the candidate loses.
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

// The model's A(1) .. A(n) from the counts' A(0), each step compared as soon
// as it is computed.
Teilsumme summieren(std::span<const double> anzahlen, double p, double t, Schranke schranke)
{
    Teilsumme ergebnis;
    double a = anzahlen[0];
    for (std::size_t n = 1; n < anzahlen.size(); ++n) {
        const VerhulstSchritt schritt = verhulstSchritt(a, p, t);
        if (schritt.fehler != VerhulstFehler::keiner) {
            ergebnis.lauf = Lauf::fehler;
            ergebnis.fehler = schritt.fehler;
            ergebnis.fehlerZyklus = static_cast<int>(n - 1);
            return ergebnis;
        }
        a = schritt.wert;
        const double differenz = a - anzahlen[n];
        ergebnis.summe += differenz * differenz;
        if (schranke.verloren(ergebnis.summe)) {
            ergebnis.lauf = Lauf::verloren;
            return ergebnis;
        }
    }
    return ergebnis;
}

struct Bester
{
    bool gefunden = false;
    int k = 0;
    double summe = 0.0;
};

// Compares candidate k with the best so far and takes it over when it wins:
// a smaller sum, or the same sum at a smaller k.
void pruefen(Bester& bester, std::span<const double> anzahlen, double p, int k)
{
    Schranke schranke;
    schranke.aktiv = bester.gefunden;
    schranke.summe = bester.summe;
    schranke.gleichstandVerliert = k > bester.k;
    const Teilsumme teil = summieren(anzahlen, p, anpassungsT(k), schranke);
    // A NaN sum (only from counts that are not finite) never wins.
    if (teil.lauf == Lauf::fertig && !std::isnan(teil.summe))
        bester = {true, k, teil.summe};
}

void pruefenImRaster(Bester& bester, std::span<const double> anzahlen, double p, int von, int bis, int schritt)
{
    for (int k = von < 0 ? 0 : von; k <= bis && k <= anpassungsHoechstesK; k += schritt)
        pruefen(bester, anzahlen, p, k);
}

} // namespace

Abweichung abweichung(std::span<const double> anzahlen, double p, double t)
{
    Abweichung ergebnis;
    if (anzahlen.size() < 2)
        return ergebnis;
    const Teilsumme teil = summieren(anzahlen, p, t, Schranke{});
    ergebnis.fehler = teil.fehler;
    ergebnis.fehlerZyklus = teil.fehlerZyklus;
    if (teil.lauf != Lauf::fertig)
        return ergebnis;
    ergebnis.vergleichbar = true;
    ergebnis.quadratsumme = teil.summe;
    ergebnis.rms = std::sqrt(teil.summe / static_cast<double>(anzahlen.size() - 1));
    return ergebnis;
}

BesteAnpassung besteAnpassung(std::span<const double> anzahlen, double p)
{
    BesteAnpassung ergebnis;
    if (anzahlen.size() < 2)
        return ergebnis;
    ergebnis.zyklen = static_cast<int>(anzahlen.size() - 1);

    // A coarse grid and a finer one around its best give a tight bound
    // early; the full pass over every candidate then decides, so the coarse
    // steps change only the speed, never the result.
    Bester bester;
    pruefenImRaster(bester, anzahlen, p, 0, anpassungsHoechstesK, 100);
    if (bester.gefunden)
        pruefenImRaster(bester, anzahlen, p, bester.k - 100, bester.k + 100, 10);
    pruefenImRaster(bester, anzahlen, p, 0, anpassungsHoechstesK, 1);
    if (!bester.gefunden)
        return ergebnis;

    ergebnis.gefunden = true;
    ergebnis.k = bester.k;
    ergebnis.t = anpassungsT(bester.k);
    ergebnis.quadratsumme = bester.summe;
    ergebnis.rms = std::sqrt(bester.summe / ergebnis.zyklen);
    return ergebnis;
}
