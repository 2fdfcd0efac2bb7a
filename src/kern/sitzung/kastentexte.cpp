// SPDX-License-Identifier: GPL-3.0-or-later
#include "kastentexte.h"

#include "dezimalziffern.h"
#include "zahltext.h"

#include <cmath>
#include <cstdlib>

namespace {

constexpr int stellen = 15;

std::string ohneEndnullen(std::string text)
{
    if (text.find('.') == std::string::npos)
        return text;
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.')
        text.pop_back();
    return text;
}

std::string exponentText(int exponent)
{
    const std::string ziffern = std::to_string(std::abs(exponent));
    return std::string(exponent < 0 ? "e-" : "e+") + (ziffern.size() < 2 ? "0" : "") + ziffern;
}

} // namespace

double parameterLesen(const std::string& text, char dezimaltrenner)
{
    return strengUmwandeln(text, dezimaltrenner).value_or(nachsichtigUmwandeln(text));
}

// Written by hand, as the C library's "%.15g" follows the locale that the
// desktop's toolkit sets, and the page's libc++ has no floating to_chars.
std::string fuenfzehnStellen(double wert)
{
    if (!std::isfinite(wert))
        return klartext(wert);
    const std::string vorzeichen = std::signbit(wert) ? "-" : "";
    Dezimalziffern ziffern(std::fabs(wert));
    ziffern.signifikantRunden(stellen);
    if (ziffern.null())
        return vorzeichen + "0";
    const int exponent = ziffern.exponent();
    if (exponent < -4 || exponent >= stellen) {
        const std::string signifikant = ziffern.signifikante(stellen);
        return vorzeichen + ohneEndnullen(signifikant.substr(0, 1) + "." + signifikant.substr(1))
               + exponentText(exponent);
    }
    return vorzeichen + ohneEndnullen(ziffern.vorKomma() + "." + ziffern.nachKomma(stellen - 1 - exponent));
}
