// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

// The generalised Verhulst iteration
//     A(n+1) = A(n) * (1 + (p/10) * (1 - A(n)/2500))^t
// in double precision, never rounded. Errors are returned as values.

// The largest exponent t the program takes over; a larger one is cut to it.
inline constexpr double groesstesT = 8.0;

enum class VerhulstFehler {
    keiner,
    ueberlauf,           // a result left the double range
    ungueltigesArgument, // a power without a real value, or 0 to a negative power
};

struct VerhulstSchritt
{
    double wert = 0.0;
    VerhulstFehler fehler = VerhulstFehler::keiner;
};

// One step from A with growth rate p (tens of percent) and exponent t.
VerhulstSchritt verhulstSchritt(double a, double p, double t);

struct VerhulstFolge
{
    // A(0), A(1), ... as far as they were computed, at most letzterZyklus + 1 values.
    std::vector<double> werte;
    VerhulstFehler fehler = VerhulstFehler::keiner;
    // The cycle whose step failed: the step from A(fehlerZyklus) had no value.
    int fehlerZyklus = -1;
};

// A(0) .. A(letzterZyklus), computing one step after each value as the curve
// does (the step after the last value is computed too, and may fail).
VerhulstFolge verhulstFolge(double a0, double p, double t, int letzterZyklus);
