// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the lenient reading never fails, never gives NaN or an
// infinity, and reads exactly the longest number at the start of the text.

#include "zahlgrammatik.h"
#include "zahltext.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

[[noreturn]] void fehler(std::string_view text, const char* was, double ist, double soll)
{
    std::fprintf(stderr, "nachsichtigUmwandeln(\"%.*s\"): %s: %.17g, expected %.17g\n",
                 static_cast<int>(text.size() > 200 ? 200 : text.size()), text.data(), was, ist, soll);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* daten, std::size_t groesse)
{
    const std::string_view text(reinterpret_cast<const char*>(daten), groesse);
    const double ist = nachsichtigUmwandeln(text);
    if (!std::isfinite(ist))
        fehler(text, "not finite", ist, 0.0);

    std::size_t anfang = 0;
    while (anfang < text.size() && grammatik::leerzeichen(text[anfang]))
        ++anfang;
    const std::size_t laenge = grammatik::zahlLaenge(text, anfang, '.');
    double soll = 0.0;
    if (laenge > 0) {
        const grammatik::Wert wert = grammatik::wertVon(text.substr(anfang, laenge), '.');
        // Beyond the double range: the largest finite value of its sign.
        soll = wert.ueberlauf ? std::copysign(DBL_MAX, wert.wert) : wert.wert;
    }
    if (!(ist == soll))
        fehler(text, "wrong value", ist, soll);
    return 0;
}
