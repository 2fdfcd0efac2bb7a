// SPDX-License-Identifier: GPL-3.0-or-later
#include "spielbericht.h"

#include "spielfeld.h"
#include "spielnummer.h"
#include "standardzufallsquelle.h"
#include "zahltext.h"

#include <cmath>
#include <initializer_list>
#include <optional>

namespace {

// The reason's words joined; std::string first, as GCC 12 warns falsely
// (-Wrestrict) about a literal added to a string when it optimises.
std::string satz(std::initializer_list<std::string> teile)
{
    std::string text;
    for (const std::string& teil : teile)
        text += teil;
    return text;
}

Nachgespielt verworfen(std::string grund)
{
    return {false, std::move(grund), {}};
}

// What is wrong with the report's form, before anything is played.
std::optional<std::string> formfehler(const Spielbericht& bericht)
{
    if (!spielStartwert(bericht.nummer))
        return satz({"Ein Spiel ", std::to_string(bericht.nummer), " gibt es nicht."});
    if (bericht.starts.empty() || bericht.starts.size() > std::size_t(hoechsteStarts))
        return std::string("Der Bericht hat keinen oder zu viele Starts.");
    std::size_t durchgaenge = 0;
    for (const Startbericht& start : bericht.starts) {
        if (start.a0 < 0 || start.a0 > Spielfeld::zellenAnzahl)
            return satz({"A(0) = ", std::to_string(start.a0), " ist kein Start."});
        if (start.zyklen.size() > std::size_t(Spielfeld::verlaufGrenze))
            return std::string("Der Bericht hat zu viele Zyklen.");
        for (const Zyklusbericht& zyklus : start.zyklen) {
            for (double p : zyklus.durchgaenge)
                if (!std::isfinite(p) || p < 0 || p > 15)
                    return satz({"p =", hilfetext(p), " ist keine Wachstumsrate des Spiels."});
            durchgaenge += zyklus.durchgaenge.size();
        }
    }
    if (durchgaenge > std::size_t(hoechsteDurchgaenge))
        return std::string("Der Bericht hat zu viele Durchgänge.");
    return std::nullopt;
}

} // namespace

Nachgespielt nachspielen(const Spielbericht& bericht)
{
    if (const auto fehler = formfehler(bericht))
        return verworfen(*fehler);
    StandardZufallsquelle zufall(*spielStartwert(bericht.nummer));
    Spielfeld feld;
    Nachgespielt ergebnis{true, {}, {}};
    for (std::size_t s = 0; s < bericht.starts.size(); ++s) {
        const Startbericht& start = bericht.starts[s];
        feld.allesZuruecksetzen();
        (void)feld.startSpielerSetzen(start.a0, zufall);
        ergebnis.anzahlen = {feld.spielerZaehlen()};
        for (std::size_t n = 0; n < start.zyklen.size(); ++n) {
            for (double p : start.zyklen[n].durchgaenge)
                (void)feld.zielsuche(p, zufall);
            const int anzahl = feld.zyklusAbschliessen().anzahlSpieler;
            if (anzahl != start.zyklen[n].anzahl)
                return verworfen(satz({"Start ", std::to_string(s + 1), ", Zyklus ", std::to_string(n + 1),
                                       ": gemeldet A(n) = ", std::to_string(start.zyklen[n].anzahl), ", nachgespielt ",
                                       std::to_string(anzahl), "."}));
            ergebnis.anzahlen.push_back(anzahl);
        }
    }
    return ergebnis;
}
