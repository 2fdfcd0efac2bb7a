// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the help-line form of any double, taken from the input's
// first eight bytes (so NaN, infinities and subnormals come up as well).
// Checked against the C library's "%.14e": the sign position, the digits
// rounded to 15 significant places without trailing zeros, fixed or
// exponent form; and every finite value of at most 15 significant digits
// reads back equal, leniently and strictly.

#include "zahltext.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

[[noreturn]] void fehler(double wert, const std::string& text, const char* was, const std::string& soll = {})
{
    std::fprintf(stderr, "hilfetext(%.17g = %a) = \"%s\": %s%s%s\n", wert, wert, text.c_str(), was,
                 soll.empty() ? "" : ", expected ", soll.c_str());
    std::abort();
}

// |wert| rounded to 15 significant digits: the digits without trailing
// zeros (at least one) and the decimal exponent of the first.
struct Gerundet
{
    std::string ziffern;
    int exponent = 0;
    double wert = 0; // the rounded value as a double
};

Gerundet runden(double wert)
{
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.14e", std::fabs(wert));
    Gerundet g;
    const char* e = std::strchr(puffer, 'e');
    for (const char* c = puffer; c < e; ++c)
        if (*c != '.')
            g.ziffern += *c;
    while (g.ziffern.size() > 1 && g.ziffern.back() == '0')
        g.ziffern.pop_back();
    g.exponent = std::atoi(e + 1);
    g.wert = std::strtod(puffer, nullptr);
    return g;
}

// The expected text after the sign.
std::string erwartet(const Gerundet& g)
{
    std::string text;
    if (g.exponent < -4 || g.exponent > 14) {
        text = g.ziffern.substr(0, 1);
        if (g.ziffern.size() > 1)
            text += "." + g.ziffern.substr(1);
        char exponent[16];
        std::snprintf(exponent, sizeof exponent, "E%c%02d", g.exponent < 0 ? '-' : '+', std::abs(g.exponent));
        return text + exponent;
    }
    if (g.exponent < 0)
        return "." + std::string(static_cast<std::size_t>(-g.exponent - 1), '0') + g.ziffern;
    const std::size_t ganz = static_cast<std::size_t>(g.exponent) + 1;
    if (g.ziffern.size() <= ganz)
        return g.ziffern + std::string(ganz - g.ziffern.size(), '0');
    return g.ziffern.substr(0, ganz) + "." + g.ziffern.substr(ganz);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* daten, std::size_t groesse)
{
    unsigned char bits[8] = {};
    std::memcpy(bits, daten, groesse < 8 ? groesse : 8);
    double wert;
    std::memcpy(&wert, bits, 8);

    const std::string text = hilfetext(wert);
    if (text.empty())
        fehler(wert, text, "empty");
    if (!std::isfinite(wert))
        return 0; // no form is promised for NaN and the infinities; it must only not fail
    if (klartext(wert) != (text[0] == ' ' ? text.substr(1) : text))
        fehler(wert, text, "klartext differs");
    if (wert == 0.0) {
        if (text != " 0")
            fehler(wert, text, "zero", " 0");
        return 0;
    }

    const Gerundet g = runden(wert);
    const std::string soll = std::string(1, wert < 0 ? '-' : ' ') + erwartet(g);
    if (text != soll)
        fehler(wert, text, "wrong form", soll);

    // The value rounded to 15 digits is written with the same digits and
    // must read back as itself.
    const double rund = std::copysign(g.wert, wert);
    if (!std::isfinite(rund))
        return 0; // the largest doubles round beyond the range
    const std::string rundText = hilfetext(rund);
    const double gelesen = nachsichtigUmwandeln(rundText);
    if (!(gelesen == rund)) {
        char ist[64];
        std::snprintf(ist, sizeof ist, "%.17g", gelesen);
        fehler(rund, rundText, "lenient reading gives", ist);
    }
    const std::optional<double> streng = strengUmwandeln(rundText, '.');
    if (!streng || !(*streng == rund))
        fehler(rund, rundText, "strict reading differs");
    return 0;
}
