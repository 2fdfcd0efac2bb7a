// SPDX-License-Identifier: GPL-3.0-or-later
#include "klassenprotokoll.h"

#include "json.h"

namespace klassenprotokoll {

std::string berichtNachricht(const Spielbericht& bericht, int seq)
{
    Json json;
    json.auf('{').schluessel("art").text("bericht").schluessel("seq").zahl(seq);
    json.schluessel("spiel").zahl(bericht.nummer).schluessel("starts").auf('[');
    for (const Startbericht& start : bericht.starts) {
        json.auf('{').schluessel("a0").zahl(start.a0).schluessel("zyklen").auf('[');
        for (const Zyklusbericht& zyklus : start.zyklen) {
            json.auf('{').schluessel("p").zahlen(zyklus.durchgaenge);
            json.schluessel("a").zahl(zyklus.anzahl).zu('}');
        }
        json.zu(']').zu('}');
    }
    json.zu(']').zu('}');
    return json.fertig();
}

} // namespace klassenprotokoll
