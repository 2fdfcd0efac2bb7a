// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The exact decimal digits of a finite double's magnitude, rounded as a
// reader expects: half away from zero, on the number the double really
// holds (0.125 to two places is 0.13, 1.005 stays 1.00 as it lies below).
class Dezimalziffern
{
public:
    explicit Dezimalziffern(double betrag);

    // Rounds to `stellen` places after the point (negative: before it).
    void nachkommaRunden(int stellen);
    // Rounds to `stellen` significant digits.
    void signifikantRunden(int stellen);

    // Whether every digit is 0.
    bool null() const;
    // The power of ten of the first digit that is not 0 (0 for 1..9,99).
    int exponent() const;
    // The digits before the point, at least "0".
    std::string vorKomma() const;
    // The first `stellen` digits after the point, padded with 0.
    std::string nachKomma(int stellen) const;
    // From the first digit that is not 0 on, `anzahl` digits, padded with 0.
    std::string signifikante(int anzahl) const;

private:
    void aufrunden(int behalten);
    int ersteNichtNull() const;

    std::string m_ziffern; // integer and fractional digits, without the point
    int m_vorKomma = 0;    // how many of them lie before the point
};
