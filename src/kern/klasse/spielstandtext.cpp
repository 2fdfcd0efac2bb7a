// SPDX-License-Identifier: GPL-3.0-or-later
#include "spielstandtext.h"

#include "json.h"
#include "spielfeld.h"
#include "spielnummer.h"
#include "zahltext.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace {

// The line's numbers one by one, split at blanks; each read strictly, with
// a point. (No string stream: it would bring the C++ locales into the page.)
class Zahlen
{
public:
    explicit Zahlen(std::string_view text) : m_rest(text) {}

    std::optional<double> zahl()
    {
        const std::string_view wort = naechstesWort();
        if (wort.empty())
            return std::nullopt;
        return strengUmwandeln(wort, '.');
    }
    // A whole number from 0 to `hoechstens`.
    std::optional<int> ganzzahl(int hoechstens)
    {
        const auto wert = zahl();
        if (!wert || *wert < 0 || *wert > hoechstens || std::floor(*wert) != *wert)
            return std::nullopt;
        return static_cast<int>(*wert);
    }
    bool amEnde() { return naechstesWort().empty(); }

private:
    std::string_view naechstesWort()
    {
        const std::size_t anfang = std::min(m_rest.find_first_not_of(' '), m_rest.size());
        const std::size_t ende = std::min(m_rest.find(' ', anfang), m_rest.size());
        const std::string_view wort = m_rest.substr(anfang, ende - anfang);
        m_rest.remove_prefix(ende);
        return wort;
    }

    std::string_view m_rest;
};

std::optional<Zyklusbericht> zyklusLesen(Zahlen& zahlen)
{
    const auto anzahl = zahlen.ganzzahl(Spielfeld::zellenAnzahl);
    const auto durchgaenge = zahlen.ganzzahl(hoechsteDurchgaenge);
    if (!anzahl || !durchgaenge)
        return std::nullopt;
    Zyklusbericht zyklus{{}, *anzahl};
    for (int d = 0; d < *durchgaenge; ++d) {
        const auto p = zahlen.zahl();
        if (!p)
            return std::nullopt;
        zyklus.durchgaenge.push_back(*p);
    }
    return zyklus;
}

} // namespace

std::string spielstandText(const Spielbericht& bericht)
{
    std::string text;
    const auto anhaengen = [&text](const std::string& zahl) {
        if (!text.empty())
            text += ' ';
        text += zahl;
    };
    anhaengen(std::to_string(bericht.nummer));
    anhaengen(std::to_string(bericht.starts.size()));
    for (const Startbericht& start : bericht.starts) {
        anhaengen(std::to_string(start.a0));
        anhaengen(std::to_string(start.zyklen.size()));
        for (const Zyklusbericht& zyklus : start.zyklen) {
            anhaengen(std::to_string(zyklus.anzahl));
            anhaengen(std::to_string(zyklus.durchgaenge.size()));
            for (double p : zyklus.durchgaenge)
                anhaengen(genaueZahl(p));
        }
    }
    return text;
}

std::optional<Spielbericht> spielstandLesen(const std::string& text)
{
    Zahlen zahlen(text);
    const auto nummer = zahlen.ganzzahl(hoechsteSpielnummer);
    const auto starts = zahlen.ganzzahl(hoechsteStarts);
    if (!nummer || !starts)
        return std::nullopt;
    Spielbericht bericht{*nummer, {}};
    for (int s = 0; s < *starts; ++s) {
        const auto a0 = zahlen.ganzzahl(Spielfeld::zellenAnzahl);
        const auto zyklen = zahlen.ganzzahl(Spielfeld::verlaufGrenze);
        if (!a0 || !zyklen)
            return std::nullopt;
        Startbericht start{*a0, {}};
        for (int n = 0; n < *zyklen; ++n) {
            auto zyklus = zyklusLesen(zahlen);
            if (!zyklus)
                return std::nullopt;
            start.zyklen.push_back(std::move(*zyklus));
        }
        bericht.starts.push_back(std::move(start));
    }
    if (!zahlen.amEnde())
        return std::nullopt;
    return bericht;
}
