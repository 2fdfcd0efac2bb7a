// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the lenient reading never fails, never gives NaN or an
// infinity, and reads exactly the longest number at the start of the text.
// The reading of the box of t does the same, with a comma between digits
// as its decimal separator.

#include "zahlgrammatik.h"
#include "zahltext.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

[[noreturn]] void fehler(const char* lesart, std::string_view text, const char* was, double ist, double soll)
{
    std::fprintf(stderr, "%s(\"%.*s\"): %s: %.17g, expected %.17g\n", lesart,
                 static_cast<int>(text.size() > 200 ? 200 : text.size()), text.data(), was, ist, soll);
    std::abort();
}

// The longest number at `anfang` with separator `trenner`, 0 without one.
double gelesen(std::string_view text, std::size_t anfang, char trenner)
{
    const std::size_t laenge = grammatik::zahlLaenge(text, anfang, trenner);
    if (laenge == 0)
        return 0.0;
    const grammatik::Wert wert = grammatik::wertVon(text.substr(anfang, laenge), trenner);
    // Beyond the double range: the largest finite value of its sign.
    return wert.ueberlauf ? std::copysign(DBL_MAX, wert.wert) : wert.wert;
}

// The box of t: the number read with a comma counts when its comma has a
// digit on either side; otherwise the number read with the point.
double exponentGelesen(std::string_view text, std::size_t anfang)
{
    const std::size_t laenge = grammatik::zahlLaenge(text, anfang, ',');
    const std::size_t komma = text.substr(anfang, laenge).find(',');
    const bool zwischenZiffern = komma != std::string_view::npos && komma > 0 && komma + 1 < laenge
                                 && grammatik::ziffer(text[anfang + komma - 1])
                                 && grammatik::ziffer(text[anfang + komma + 1]);
    return gelesen(text, anfang, zwischenZiffern ? ',' : '.');
}

void pruefen(const char* lesart, std::string_view text, double ist, double soll)
{
    if (!std::isfinite(ist))
        fehler(lesart, text, "not finite", ist, soll);
    if (!(ist == soll))
        fehler(lesart, text, "wrong value", ist, soll);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* daten, std::size_t groesse)
{
    const std::string_view text(reinterpret_cast<const char*>(daten), groesse);
    std::size_t anfang = 0;
    while (anfang < text.size() && grammatik::leerzeichen(text[anfang]))
        ++anfang;
    pruefen("nachsichtigUmwandeln", text, nachsichtigUmwandeln(text), gelesen(text, anfang, '.'));
    pruefen("exponentUmwandeln", text, exponentUmwandeln(text), exponentGelesen(text, anfang));
    return 0;
}
