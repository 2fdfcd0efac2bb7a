// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A second, independent reading of the number texts of zahltext.h for the
// fuzz targets: the grammar scanned by hand, the value taken from the C
// library's strtod (the targets never change the C locale, so "." is its
// decimal point).

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>

namespace grammatik {

inline bool leerzeichen(char c)
{
    return c == ' ' || c == '\t';
}

inline bool ziffer(char c)
{
    return c >= '0' && c <= '9';
}

// The longest number at text[pos]: [+|-] then digits with at most one
// separator and at least one digit, then optionally E or e, [+|-] and at
// least one digit. Returns its length, 0 when there is none.
inline std::size_t zahlLaenge(std::string_view text, std::size_t pos, char trenner)
{
    std::size_t i = pos;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    const std::size_t ganzAnfang = i;
    while (i < text.size() && ziffer(text[i]))
        ++i;
    const std::size_t ganz = i - ganzAnfang;
    std::size_t bruch = 0;
    if (i < text.size() && text[i] == trenner) {
        std::size_t j = i + 1;
        while (j < text.size() && ziffer(text[j]))
            ++j;
        bruch = j - i - 1;
        if (ganz + bruch > 0)
            i = j;
    }
    if (ganz + bruch == 0)
        return 0;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        std::size_t k = j;
        while (k < text.size() && ziffer(text[k]))
            ++k;
        if (k > j)
            i = k;
    }
    return i - pos;
}

struct Wert
{
    double wert = 0.0;
    bool ueberlauf = false; // beyond the largest finite double
};

// The value of a number the scanner accepted, separator given.
inline Wert wertVon(std::string_view zahl, char trenner)
{
    std::string text(zahl);
    for (char& c : text)
        if (c == trenner)
            c = '.';
    errno = 0;
    Wert ergebnis;
    ergebnis.wert = std::strtod(text.c_str(), nullptr);
    ergebnis.ueberlauf = std::isinf(ergebnis.wert);
    return ergebnis;
}

} // namespace grammatik
