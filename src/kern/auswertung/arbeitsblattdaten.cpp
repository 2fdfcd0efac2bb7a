// SPDX-License-Identifier: GPL-3.0-or-later
#include "arbeitsblattdaten.h"

#include "deutschezahl.h"

namespace arbeitsblattdaten {

std::string kopfzeile(const LaufAuswertung& stand, const std::string& datum)
{
    const double a0 = stand.anzahlen.empty() ? 0.0 : stand.anzahlen.front();
    std::string zeile = "Datum: ";
    zeile += datum;
    zeile += "     Startspieler A(0) = " + deutscheZahl(a0, 0);
    zeile += "     Wachstumsrate p = " + deutscheZahlKurz(stand.p, 6);
    zeile += "     Exponent t = " + deutscheZahlKurz(stand.t, 6);
    return zeile;
}

std::string weggelassen(int gezeigt, int zyklen)
{
    std::string text = "Die Zyklen ";
    text += std::to_string(gezeigt) + " bis " + std::to_string(zyklen - 1);
    text += " sind hier weggelassen. Die Auswertung zeigt sie alle; „Tabelle speichern …“ schreibt sie für die "
            "Tabellenkalkulation in eine Datei.";
    return text;
}

} // namespace arbeitsblattdaten
