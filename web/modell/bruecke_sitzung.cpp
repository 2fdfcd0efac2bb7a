// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's controls as the page calls them: each event of a
// control goes to the game session by the control's name, and what a pupil
// typed or moved goes to the session's controls first.
#include "bruecke.h"
#include "json.h"
#include "klassenprotokoll.h"
#include "spielstandtext.h"

#include <emscripten/emscripten.h>

#include <stdexcept>
#include <string>

namespace {

Steuerelement element(const char* name)
{
    const auto gefunden = steuerelementNachName(name);
    if (!gefunden)
        throw std::invalid_argument(std::string("no control of the game named ") + name);
    return *gefunden;
}

Spielsitzung& sitzung()
{
    return spiel().sitzung;
}

} // namespace

extern "C" {

// ---- What a pupil did to the controls ----

EMSCRIPTEN_KEEPALIVE void kb_text_eingegeben(const char* name, const char* text)
{
    spiel().bedienung.textEingegeben(element(name), text);
}
EMSCRIPTEN_KEEPALIVE void kb_leiste_einrichten(const char* name, int wert, int minimum)
{
    spiel().bedienung.leisteEinrichten(element(name), wert, minimum);
}
EMSCRIPTEN_KEEPALIVE void kb_wert_geaendert(const char* name, int wert)
{
    spiel().bedienung.wertGeaendert(element(name), wert);
}
EMSCRIPTEN_KEEPALIVE void kb_sichtbar_anfangs(const char* name, int sichtbar)
{
    spiel().bedienung.sichtbarAnfangs(element(name), sichtbar != 0);
}
EMSCRIPTEN_KEEPALIVE void kb_meldung_geschlossen() { spiel().bedienung.meldungGeschlossen(); }

// ---- The session's handlers ----

EMSCRIPTEN_KEEPALIVE void kb_start_up() { sitzung().startUp(); }
EMSCRIPTEN_KEEPALIVE void kb_cmd_start_click() { sitzung().cmdStartClick(); }
EMSCRIPTEN_KEEPALIVE void kb_cmd_zielsuche_click() { sitzung().cmdZielsucheClick(); }
EMSCRIPTEN_KEEPALIVE void kb_cmd_ergebnis_click() { sitzung().cmdErgebnisClick(); }
EMSCRIPTEN_KEEPALIVE void kb_command1_click() { sitzung().command1Click(); }
// 1 when a quick run begins: the page then calls kb_schnelldurchlauf_weiter
// after each time it let the browser paint and handle events.
EMSCRIPTEN_KEEPALIVE int kb_command2_click() { return sitzung().command2Click() ? 1 : 0; }
EMSCRIPTEN_KEEPALIVE int kb_schnelldurchlauf_weiter() { return sitzung().schnelldurchlaufWeiter() ? 1 : 0; }
EMSCRIPTEN_KEEPALIVE void kb_command3_click() { sitzung().command3Click(); }
EMSCRIPTEN_KEEPALIVE void kb_command5_click() { sitzung().command5Click(); }
EMSCRIPTEN_KEEPALIVE void kb_command6_click() { sitzung().command6Click(); }
EMSCRIPTEN_KEEPALIVE void kb_command7_click() { sitzung().command7Click(); }
EMSCRIPTEN_KEEPALIVE void kb_command8_click() { sitzung().command8Click(); }
EMSCRIPTEN_KEEPALIVE void kb_cmd_stoch_click() { sitzung().cmdStochClick(); }
EMSCRIPTEN_KEEPALIVE void kb_erlaeuterung_schliessen() { sitzung().erlaeuterungSchliessen(); }
EMSCRIPTEN_KEEPALIVE void kb_vsc_start_change(int wert) { sitzung().vscStartChange(wert); }
EMSCRIPTEN_KEEPALIVE void kb_vsc_faktor_change(int wert) { sitzung().vscFaktorChange(wert); }
EMSCRIPTEN_KEEPALIVE void kb_text_edited(const char* name) { sitzung().textEdited(element(name)); }
EMSCRIPTEN_KEEPALIVE void kb_spiel_vom_programmstart() { sitzung().spielVomProgrammstart(); }
EMSCRIPTEN_KEEPALIVE void kb_spiel_nummer_setzen(int nummer) { (void)sitzung().spielNummerSetzen(nummer); }
EMSCRIPTEN_KEEPALIVE void kb_programm_beenden() { sitzung().programmBeenden(); }

// The game played since its seed, as the class game's report numbered `seq`.
EMSCRIPTEN_KEEPALIVE const char* kb_spielbericht(int seq)
{
    return textAusgeben(klassenprotokoll::berichtNachricht(sitzung().bericht(), seq));
}

// The game as a line of numbers, kept by the page across a reload, and
// played again from it: 1 when the game is back as it was.
EMSCRIPTEN_KEEPALIVE const char* kb_spielstand() { return textAusgeben(spielstandText(sitzung().bericht())); }
EMSCRIPTEN_KEEPALIVE int kb_spiel_wiederherstellen(const char* stand)
{
    const std::optional<Spielbericht> bericht = spielstandLesen(stand);
    return bericht && sitzung().wiederherstellen(*bericht) ? 1 : 0;
}

// The same as a file for the teacher to drop in, with the pupil's nickname and token.
EMSCRIPTEN_KEEPALIVE const char* kb_ergebnisdatei(int seq, const char* name, const char* kennung)
{
    return textAusgeben(klassenprotokoll::ergebnisDatei(sitzung().bericht(), seq, name, kennung));
}

// What the page says and asks in a class, the connection's path and the result file's name.
EMSCRIPTEN_KEEPALIVE const char* kb_klassentexte()
{
    namespace k = klassenprotokoll;
    Json json;
    json.auf('{').schluessel("pfad").text(k::pfad).schluessel("frageCode").text(k::frageCode);
    json.schluessel("frageName").text(k::frageName).schluessel("verbunden").text(k::verbunden);
    json.schluessel("offline").text(k::offline).schluessel("ergebnisDatei").text(k::ergebnisDateiAnfang).zu('}');
    return textAusgeben(json.fertig());
}

EMSCRIPTEN_KEEPALIVE void kb_mouse_down(const char* name, double x, double y) { sitzung().mouseDown(element(name), {x, y}); }
EMSCRIPTEN_KEEPALIVE void kb_mouse_move(const char* name, double x, double y) { sitzung().mouseMove(element(name), {x, y}); }
EMSCRIPTEN_KEEPALIVE void kb_mouse_up(const char* name) { sitzung().mouseUp(element(name)); }

// ---- What the evaluation reads and changes ----

EMSCRIPTEN_KEEPALIVE double kb_wachstumsrate() { return sitzung().wachstumsrate(); }
EMSCRIPTEN_KEEPALIVE double kb_exponent_t() { return sitzung().exponentT(); }
EMSCRIPTEN_KEEPALIVE void kb_exponent_uebernehmen(double t) { sitzung().exponentUebernehmen(t); }

// The help text over a box the session composes it for (txtStart, txtFaktor).
EMSCRIPTEN_KEEPALIVE const char* kb_hilfetext_von(const char* name) { return textAusgeben(sitzung().hilfetext(element(name))); }

} // extern "C"
