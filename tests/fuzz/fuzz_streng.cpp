// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the strict reading gives a value exactly for the texts of
// its grammar (blanks, one number with the given separator, blanks) whose
// value lies within the double range, and then the value the lenient
// reading finds in the same text.
//
// The first byte picks the separator ("." or ","), the rest is the text.

#include "zahlgrammatik.h"
#include "zahltext.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void fehler(std::string_view text, char trenner, const char* was)
{
    std::fprintf(stderr, "strengUmwandeln(\"%.*s\", '%c'): %s\n",
                 static_cast<int>(text.size() > 200 ? 200 : text.size()), text.data(), trenner, was);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* daten, std::size_t groesse)
{
    if (groesse == 0)
        return 0;
    const char trenner = daten[0] % 2 == 0 ? '.' : ',';
    const std::string_view text(reinterpret_cast<const char*>(daten) + 1, groesse - 1);
    const std::optional<double> ist = strengUmwandeln(text, trenner);

    std::size_t anfang = 0;
    while (anfang < text.size() && grammatik::leerzeichen(text[anfang]))
        ++anfang;
    std::size_t ende = text.size();
    while (ende > anfang && grammatik::leerzeichen(text[ende - 1]))
        --ende;
    const std::size_t laenge = grammatik::zahlLaenge(text, anfang, trenner);
    const bool passt = laenge > 0 && anfang + laenge == ende;
    if (!passt) {
        if (ist)
            fehler(text, trenner, "a value for a text outside the grammar");
        return 0;
    }
    const std::string_view zahl = text.substr(anfang, laenge);
    const grammatik::Wert soll = grammatik::wertVon(zahl, trenner);
    if (soll.ueberlauf) {
        if (ist)
            fehler(text, trenner, "a value beyond the double range");
        return 0;
    }
    if (!ist)
        fehler(text, trenner, "no value for a number of the grammar");
    if (!(*ist == soll.wert)) {
        std::fprintf(stderr, "%.17g, expected %.17g\n", *ist, soll.wert);
        fehler(text, trenner, "wrong value");
    }
    std::string punkt(zahl);
    for (char& c : punkt)
        if (c == trenner)
            c = '.';
    if (!(nachsichtigUmwandeln(punkt) == *ist))
        fehler(text, trenner, "differs from the lenient reading");
    return 0;
}
