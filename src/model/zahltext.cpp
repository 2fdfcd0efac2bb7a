// SPDX-License-Identifier: GPL-3.0-or-later
#include "zahltext.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

bool istZiffer(char c)
{
    return c >= '0' && c <= '9';
}

bool istLeerzeichen(char c)
{
    return c == ' ' || c == '\t';
}

// The parts of a number as they stand in a text; `ende` is the index just
// past the last character that belongs to the number.
struct Zahlteile
{
    bool negativ = false;
    std::string mantisse; // digits with a '.' where the separator stood
    std::string exponent; // "" or sign and digits
    std::size_t ende = 0;
    bool gueltig = false; // at least one digit in the mantissa
};

Zahlteile zahlLesen(std::string_view text, std::size_t pos, char trenner)
{
    Zahlteile teile;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        teile.negativ = text[pos] == '-';
        ++pos;
    }
    bool ziffernGesehen = false;
    bool trennerGesehen = false;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (istZiffer(c)) {
            teile.mantisse += c;
            ziffernGesehen = true;
        } else if (c == trenner && !trennerGesehen) {
            teile.mantisse += '.';
            trennerGesehen = true;
        } else {
            break;
        }
    }
    teile.gueltig = ziffernGesehen;
    teile.ende = pos;
    if (!ziffernGesehen || pos >= text.size() || (text[pos] != 'E' && text[pos] != 'e'))
        return teile;

    // An exponent counts only when at least one digit follows E and its sign.
    std::size_t e = pos + 1;
    std::string exponent;
    if (e < text.size() && (text[e] == '+' || text[e] == '-'))
        exponent += text[e++];
    const std::size_t ziffernAnfang = e;
    while (e < text.size() && istZiffer(text[e]))
        exponent += text[e++];
    if (e > ziffernAnfang) {
        teile.exponent = exponent;
        teile.ende = e;
    }
    return teile;
}

// Rough decimal order of magnitude of a mantissa and exponent, enough to
// tell an overflow from an underflow when the exact value is out of range.
long long groessenordnung(const Zahlteile& teile)
{
    long long ordnung = 0;
    const std::size_t punkt = teile.mantisse.find('.');
    const std::string ganz = teile.mantisse.substr(0, punkt);
    const std::size_t ersteZiffer = ganz.find_first_not_of('0');
    if (ersteZiffer != std::string::npos) {
        ordnung = static_cast<long long>(ganz.size() - ersteZiffer);
    } else if (punkt != std::string::npos) {
        const std::string bruch = teile.mantisse.substr(punkt + 1);
        const std::size_t ersteBruchziffer = bruch.find_first_not_of('0');
        ordnung = -static_cast<long long>(ersteBruchziffer == std::string::npos ? 0 : ersteBruchziffer);
    }
    if (!teile.exponent.empty()) {
        // Exponent digits beyond what a long long holds are surely out of range.
        const std::string_view ziffern = std::string_view(teile.exponent).substr(
            teile.exponent[0] == '+' || teile.exponent[0] == '-' ? 1 : 0);
        const bool negativ = teile.exponent[0] == '-';
        long long e = 0;
        for (char c : ziffern) {
            e = e * 10 + (c - '0');
            if (e > 1000000) {
                break;
            }
        }
        ordnung += negativ ? -e : e;
    }
    return ordnung;
}

enum class Bereich { innerhalb, ueberlauf, unterlauf };

struct Umwandlung
{
    double wert = 0.0;
    Bereich bereich = Bereich::innerhalb;
};

// The number as strtod reads it in any locale: the digits without a decimal
// separator and an exponent that puts the separator back ("12.5e3" becomes
// "125e2"). Exponents beyond a few million are clamped: the value is out of
// range either way.
std::string ohneTrenner(const Zahlteile& teile)
{
    long long exponent = 0;
    if (!teile.exponent.empty()) {
        const bool negativ = teile.exponent[0] == '-';
        for (char c : teile.exponent) {
            if (istZiffer(c) && exponent < 100000000)
                exponent = exponent * 10 + (c - '0');
        }
        if (negativ)
            exponent = -exponent;
    }
    std::string ziffern;
    bool nachTrenner = false;
    for (char c : teile.mantisse) {
        if (c == '.') {
            nachTrenner = true;
            continue;
        }
        ziffern += c;
        if (nachTrenner)
            --exponent;
    }
    return ziffern + 'e' + std::to_string(exponent);
}

// strtod rounds correctly in both C libraries the program is built with
// (glibc and the WebAssembly one), and without a separator in the text its
// result does not depend on the locale. Overflow gives infinity, underflow
// zero for digits that are not all zero; those are reported as out of range.
Umwandlung teileUmwandeln(const Zahlteile& teile)
{
    const std::string zahl = ohneTrenner(teile);
    Umwandlung ergebnis;
    ergebnis.wert = std::strtod(zahl.c_str(), nullptr);
    const bool nurNullen = teile.mantisse.find_first_not_of("0.") == std::string::npos;
    if (std::isinf(ergebnis.wert) || (ergebnis.wert == 0.0 && !nurNullen)) {
        ergebnis.bereich = groessenordnung(teile) > 0 ? Bereich::ueberlauf : Bereich::unterlauf;
        ergebnis.wert = 0.0;
    }
    if (teile.negativ)
        ergebnis.wert = -ergebnis.wert;
    return ergebnis;
}

// Significant digits (without trailing zeros) and decimal exponent of |wert|,
// rounded to 15 significant digits.
struct Dezimalform
{
    std::string ziffern;
    int exponent = 0;
};

// printf's %e is exact in both C libraries; only the decimal separator
// depends on the locale, and only the digits and the exponent are read.
Dezimalform dezimalform(double betrag)
{
    std::array<char, 64> puffer{};
    const int laenge = std::snprintf(puffer.data(), puffer.size(), "%.14e", betrag);
    const std::string_view text(puffer.data(), static_cast<std::size_t>(laenge));
    const std::size_t e = text.find('e');
    Dezimalform form;
    for (char c : text.substr(0, e))
        if (istZiffer(c))
            form.ziffern += c;
    while (form.ziffern.size() > 1 && form.ziffern.back() == '0')
        form.ziffern.pop_back();
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(),
                    form.exponent);
    return form;
}

// Built by appending: GCC 12 warns falsely (-Wrestrict) about
// "literal" + std::string at -O2.
std::string festkomma(const Dezimalform& form)
{
    std::string text;
    if (form.exponent < 0) {
        text.append(1, '.');
        text.append(static_cast<std::size_t>(-form.exponent - 1), '0');
        text.append(form.ziffern);
        return text;
    }
    const std::size_t ganzeStellen = static_cast<std::size_t>(form.exponent) + 1;
    if (form.ziffern.size() <= ganzeStellen) {
        text.append(form.ziffern);
        text.append(ganzeStellen - form.ziffern.size(), '0');
        return text;
    }
    text.append(form.ziffern, 0, ganzeStellen);
    text.append(1, '.');
    text.append(form.ziffern, ganzeStellen, std::string::npos);
    return text;
}

std::string mitExponent(const Dezimalform& form)
{
    std::string text(1, form.ziffern[0]);
    if (form.ziffern.size() > 1) {
        text.append(1, '.');
        text.append(form.ziffern, 1, std::string::npos);
    }
    const int betrag = std::abs(form.exponent);
    text.append(form.exponent < 0 ? "E-" : "E+");
    if (betrag < 10)
        text.append(1, '0');
    text.append(std::to_string(betrag));
    return text;
}

} // namespace

std::string klartext(long long wert)
{
    return std::to_string(wert);
}

std::string klartext(double wert)
{
    const std::string text = hilfetext(wert);
    return text[0] == ' ' ? text.substr(1) : text;
}

std::string hilfetext(double wert)
{
    if (std::isnan(wert))
        return " NaN";
    std::string text(1, std::signbit(wert) && wert != 0.0 ? '-' : ' ');
    if (std::isinf(wert))
        return text.append("Inf");
    if (wert == 0.0)
        return " 0";
    const Dezimalform form = dezimalform(std::fabs(wert));
    const bool festeForm = form.exponent >= -4 && form.exponent <= 14;
    return text.append(festeForm ? festkomma(form) : mitExponent(form));
}

std::optional<double> strengUmwandeln(std::string_view text, char dezimaltrenner)
{
    std::size_t anfang = 0;
    while (anfang < text.size() && istLeerzeichen(text[anfang]))
        ++anfang;
    std::size_t ende = text.size();
    while (ende > anfang && istLeerzeichen(text[ende - 1]))
        --ende;
    const Zahlteile teile = zahlLesen(text.substr(0, ende), anfang, dezimaltrenner);
    if (!teile.gueltig || teile.ende != ende)
        return std::nullopt;
    const Umwandlung umwandlung = teileUmwandeln(teile);
    if (umwandlung.bereich == Bereich::ueberlauf)
        return std::nullopt;
    return umwandlung.wert;
}

double nachsichtigUmwandeln(std::string_view text)
{
    std::size_t anfang = 0;
    while (anfang < text.size() && istLeerzeichen(text[anfang]))
        ++anfang;
    const Zahlteile teile = zahlLesen(text, anfang, '.');
    if (!teile.gueltig)
        return 0.0;
    const Umwandlung umwandlung = teileUmwandeln(teile);
    if (umwandlung.bereich == Bereich::ueberlauf) {
        const double groesste = std::numeric_limits<double>::max();
        return teile.negativ ? -groesste : groesste;
    }
    return umwandlung.wert;
}

double exponentUmwandeln(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && istLeerzeichen(text[pos]))
        ++pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        ++pos;
    const std::size_t ganzAnfang = pos;
    while (pos < text.size() && istZiffer(text[pos]))
        ++pos;
    const bool kommaZwischenZiffern = pos > ganzAnfang && pos + 1 < text.size() && text[pos] == ','
                                      && istZiffer(text[pos + 1]);
    if (!kommaZwischenZiffern)
        return nachsichtigUmwandeln(text);
    std::string mitPunkt(text);
    mitPunkt[pos] = '.';
    return nachsichtigUmwandeln(mitPunkt);
}
