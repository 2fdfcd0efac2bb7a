// SPDX-License-Identifier: GPL-3.0-or-later
#include "spielbericht.h"

#include "spielnummer.h"
#include "zahltext.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
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
    return Nachspieler().nachspielen(bericht);
}

// The report holds the one replayed before unchanged: the same game, the
// same earlier starts, and the same last start with at most more cycles.
bool Nachspieler::setztFort(const Spielbericht& bericht) const
{
    const auto& alt = m_gespielt.starts;
    const auto& neu = bericht.starts;
    if (alt.empty() || bericht.nummer != m_gespielt.nummer || neu.size() < alt.size())
        return false;
    const std::size_t letzter = alt.size() - 1;
    if (!std::equal(alt.begin(), alt.begin() + static_cast<std::ptrdiff_t>(letzter), neu.begin()))
        return false;
    const Startbericht& a = alt[letzter];
    const Startbericht& n = neu[letzter];
    return a.a0 == n.a0 && a.zyklen.size() <= n.zyklen.size() &&
           std::equal(a.zyklen.begin(), a.zyklen.end(), n.zyklen.begin());
}

const Nachgespielt& Nachspieler::verwerfen(std::string grund)
{
    m_gespielt = {};
    m_ergebnis = verworfen(std::move(grund));
    return m_ergebnis;
}

const Nachgespielt& Nachspieler::nachspielen(const Spielbericht& bericht)
{
    if (const auto fehler = formfehler(bericht))
        return verwerfen(*fehler);
    // Where to go on: the last start replayed, after its cycles; or the seed.
    std::size_t s = 0;
    std::size_t n = 0;
    bool aufgestellt = false;
    if (setztFort(bericht)) {
        s = m_gespielt.starts.size() - 1;
        n = m_gespielt.starts.back().zyklen.size();
        aufgestellt = true;
    } else {
        m_zufall = StandardZufallsquelle(*spielStartwert(bericht.nummer));
        m_ergebnis = {true, {}, {}};
    }
    for (; s < bericht.starts.size(); ++s, n = 0, aufgestellt = false) {
        const Startbericht& start = bericht.starts[s];
        if (!aufgestellt) {
            m_feld.allesZuruecksetzen();
            (void)m_feld.startSpielerSetzen(start.a0, m_zufall);
            m_ergebnis.anzahlen = {m_feld.spielerZaehlen()};
        }
        for (; n < start.zyklen.size(); ++n) {
            for (double p : start.zyklen[n].durchgaenge)
                (void)m_feld.zielsuche(p, m_zufall);
            const int anzahl = m_feld.zyklusAbschliessen().anzahlSpieler;
            if (anzahl != start.zyklen[n].anzahl)
                return verwerfen(satz({"Start ", std::to_string(s + 1), ", Zyklus ", std::to_string(n + 1),
                                       ": gemeldet A(n) = ", std::to_string(start.zyklen[n].anzahl),
                                       ", nachgespielt ", std::to_string(anzahl), "."}));
            m_ergebnis.anzahlen.push_back(anzahl);
        }
    }
    m_gespielt = bericht;
    return m_ergebnis;
}
