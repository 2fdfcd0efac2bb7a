// SPDX-License-Identifier: GPL-3.0-or-later
#include "klassenprotokoll.h"

#include "json.h"

namespace klassenprotokoll {

namespace {

// The report's members after its opening brace.
void berichtSchreiben(Json& json, const Spielbericht& bericht, int seq)
{
    json.schluessel("art").text("bericht").schluessel("seq").zahl(seq);
    json.schluessel("spiel").zahl(bericht.nummer).schluessel("starts").auf('[');
    for (const Startbericht& start : bericht.starts) {
        json.auf('{').schluessel("a0").zahl(start.a0).schluessel("zyklen").auf('[');
        for (const Zyklusbericht& zyklus : start.zyklen) {
            json.auf('{').schluessel("p").zahlen(zyklus.durchgaenge);
            json.schluessel("a").zahl(zyklus.anzahl).zu('}');
        }
        json.zu(']').zu('}');
    }
    json.zu(']');
}

} // namespace

std::string berichtNachricht(const Spielbericht& bericht, int seq)
{
    Json json;
    json.auf('{');
    berichtSchreiben(json, bericht, seq);
    return json.zu('}').fertig();
}

std::string ergebnisDatei(const Spielbericht& bericht, int seq, const std::string& name, const std::string& kennung)
{
    Json json;
    json.auf('{').schluessel("name").text(name).schluessel("kennung").text(kennung);
    berichtSchreiben(json, bericht, seq);
    return json.zu('}').fertig();
}

} // namespace klassenprotokoll
