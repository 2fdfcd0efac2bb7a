// SPDX-License-Identifier: GPL-3.0-or-later
#include "deutschezahl.h"

#include "dezimalziffern.h"

#include <cmath>

namespace {

constexpr double festkommaGrenze = 1e12;
// Significant digits of the short form.
constexpr int kurzeStellen = 15;

std::string vorzeichen(double wert)
{
    return wert < 0 ? "-" : "";
}

std::string ohneNullenAmEnde(std::string ziffern)
{
    ziffern.erase(ziffern.find_last_not_of('0') + 1);
    return ziffern;
}

std::string mitKomma(const std::string& vor, const std::string& nach)
{
    return nach.empty() ? vor : vor + "," + nach;
}

// "E+05", "E-12", "E+308": a sign and at least two digits.
std::string exponentText(int exponent)
{
    const std::string ziffern = std::to_string(std::abs(exponent));
    return std::string("E") + (exponent < 0 ? "-" : "+") + (ziffern.size() < 2 ? "0" : "") + ziffern;
}

// Infinity and NaN in the forms of the fixed and the short form.
std::string nichtEndlich(double wert, bool gross)
{
    if (std::isnan(wert))
        return gross ? "NAN" : "nan";
    return vorzeichen(wert) + (gross ? "INF" : "inf");
}

// "1,234E+15": four significant digits.
std::string mitExponent(double wert)
{
    if (!std::isfinite(wert))
        return nichtEndlich(wert, true);
    Dezimalziffern ziffern(std::fabs(wert));
    ziffern.signifikantRunden(4);
    const std::string mantisse = ziffern.signifikante(4);
    return vorzeichen(wert) + mantisse.substr(0, 1) + "," + mantisse.substr(1) + exponentText(ziffern.exponent());
}

std::string festkomma(double wert, int nachkommastellen)
{
    if (!std::isfinite(wert))
        return nichtEndlich(wert, false);
    Dezimalziffern ziffern(std::fabs(wert));
    ziffern.nachkommaRunden(nachkommastellen);
    return vorzeichen(wert) + mitKomma(ziffern.vorKomma(), ziffern.nachKomma(nachkommastellen));
}

// 15 significant digits without the zeros at the end; with an exponent
// below 0,0001 and from 10^15 on.
std::string kurz(double wert)
{
    if (!std::isfinite(wert))
        return nichtEndlich(wert, false);
    Dezimalziffern ziffern(std::fabs(wert));
    if (ziffern.null())
        return "0";
    ziffern.signifikantRunden(kurzeStellen);
    const int exponent = ziffern.exponent();
    if (exponent < -4 || exponent >= kurzeStellen) {
        const std::string signifikant = ohneNullenAmEnde(ziffern.signifikante(kurzeStellen));
        return vorzeichen(wert) + mitKomma(signifikant.substr(0, 1), signifikant.substr(1)) + exponentText(exponent);
    }
    const std::string nach = ohneNullenAmEnde(ziffern.nachKomma(kurzeStellen - 1 - exponent));
    return vorzeichen(wert) + mitKomma(ziffern.vorKomma(), nach);
}

} // namespace

std::string deutscheZahl(double wert, int nachkommastellen)
{
    if (std::fabs(wert) >= festkommaGrenze)
        return mitExponent(wert);
    return festkomma(wert, nachkommastellen);
}

std::string deutscheZahlKurz(double wert, int hoechstens)
{
    if (std::fabs(wert) >= festkommaGrenze)
        return mitExponent(wert);
    // Rounded first, then without the zeros at the end.
    const double gerundet = std::round(wert * std::pow(10.0, hoechstens)) / std::pow(10.0, hoechstens);
    return kurz(gerundet);
}
