// SPDX-License-Identifier: GPL-3.0-or-later
// The model as the page calls it: plain C functions on one game (the field
// and its random source, as the window holds them) and one ensemble, with
// results in fixed buffers the page reads from the module's memory. Texts
// go in and out as UTF-8; the evaluation of a run comes out as JSON.
#include "bruecke.h"
#include "json.h"

#include "anpassung.h"
#include "bruecke_auswertung.h"
#include "ensemblespiele.h"
#include "laufauswertung.h"

#include <emscripten/emscripten.h>

#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <vector>

const char* textAusgeben(std::string text)
{
    static std::string ausgegeben;
    ausgegeben = std::move(text);
    return ausgegeben.c_str();
}

Spiel& spiel()
{
    static const auto einziges = std::make_unique<Spiel>();
    return *einziges;
}

namespace {

// What the last operation reported, read by the page from memory: the
// cycle's numbers after a commit, a row of many games.
std::vector<int> ergebnisZahlen;

void abweichungSchreiben(Json& json, const Abweichung& abweichung)
{
    json.auf('{');
    json.schluessel("vergleichbar").wahr(abweichung.vergleichbar);
    json.schluessel("fehler").zahl(static_cast<int>(abweichung.fehler));
    json.schluessel("fehlerZyklus").zahl(abweichung.fehlerZyklus);
    json.schluessel("quadratsumme").zahl(abweichung.quadratsumme);
    json.schluessel("rms").zahl(abweichung.rms);
    json.zu('}');
}

void anpassungSchreiben(Json& json, const BesteAnpassung& anpassung)
{
    json.auf('{');
    json.schluessel("gefunden").wahr(anpassung.gefunden);
    json.schluessel("zyklen").zahl(anpassung.zyklen);
    json.schluessel("k").zahl(anpassung.k);
    json.schluessel("t").zahl(anpassung.t);
    json.schluessel("quadratsumme").zahl(anpassung.quadratsumme);
    json.schluessel("rms").zahl(anpassung.rms);
    json.zu('}');
}

void ensembleSchreiben(Json& json, const EnsembleKurven& kurven)
{
    json.auf('{');
    json.schluessel("spiele").zahl(kurven.auftrag.spiele);
    json.schluessel("startSpieler").zahl(kurven.auftrag.startSpieler);
    json.schluessel("p").zahl(kurven.auftrag.p);
    json.schluessel("zyklen").zahl(kurven.auftrag.zyklen);
    json.schluessel("mittel").zahlen(kurven.mittel);
    json.schluessel("quantil10").zahlen(kurven.quantil10);
    json.schluessel("quantil90").zahlen(kurven.quantil90);
    json.schluessel("anpassung");
    anpassungSchreiben(json, kurven.anpassung);
    json.zu('}');
}

std::string auswertungAlsJson(const LaufAuswertung& auswertung)
{
    Json json;
    json.auf('{');
    json.schluessel("anzahlen").zahlen(auswertung.anzahlen);
    json.schluessel("zyklus").zahl(auswertung.zyklus);
    json.schluessel("p").zahl(auswertung.p);
    json.schluessel("t").zahl(auswertung.t);
    json.schluessel("verhulstAktuell").zahlen(auswertung.verhulstAktuell);
    json.schluessel("aktuell");
    abweichungSchreiben(json, auswertung.aktuell);
    json.schluessel("beste");
    anpassungSchreiben(json, auswertung.beste);
    json.schluessel("verhulstBeste").zahlen(auswertung.verhulstBeste);
    json.schluessel("andererFaktor").wahr(auswertung.andererFaktor);
    json.schluessel("ohneZielsuche").zahlen(auswertung.ohneZielsuche);
    json.schluessel("ensemble");
    if (auswertung.ensemble)
        ensembleSchreiben(json, *auswertung.ensemble);
    else
        json.zahl(NAN);
    json.zu('}');
    return json.fertig();
}


// The ensemble the worker plays, game by game.
struct Ensemble
{
    EnsembleAuftrag auftrag;
    Zaehltabelle tabelle{0, 0};
    Spielfeld feld;
};

std::unique_ptr<Ensemble> ensemble;

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const int* kb_ergebnis_zahlen() { return ergebnisZahlen.data(); }
EMSCRIPTEN_KEEPALIVE int kb_ergebnis_laenge() { return static_cast<int>(ergebnisZahlen.size()); }

EMSCRIPTEN_KEEPALIVE int kb_zyklus() { return spiel().sitzung.spielfeld().zyklus(); }
EMSCRIPTEN_KEEPALIVE int kb_start_anzahl() { return spiel().sitzung.spielfeld().startAnzahl(); }

// The evaluation of the run as it stands, with the curves of many games
// when they belong to it.
EMSCRIPTEN_KEEPALIVE const char* kb_lauf_auswerten(double p, double t)
{
    Spiel& s = spiel();
    return textAusgeben(auswertungAlsJson(auswertungMerken(laufAuswerten(s.sitzung.spielfeld(), p, t, s.ensemble, s.suche))));
}

// Many games: the worker begins them, plays them one by one and hands the
// counts of all games to the page, which computes the curves.
EMSCRIPTEN_KEEPALIVE int kb_ensemble_beginnen(int spiele, int startSpieler, double p, int zyklen)
{
    auto neues = std::make_unique<Ensemble>();
    neues->auftrag = ensembleBegrenzt({.spiele = spiele, .startSpieler = startSpieler, .p = p, .zyklen = zyklen});
    neues->tabelle = Zaehltabelle(neues->auftrag.spiele, neues->auftrag.zyklen);
    ensemble = std::move(neues);
    return ensemble->auftrag.spiele;
}
EMSCRIPTEN_KEEPALIVE int kb_ensemble_zyklen() { return ensemble->auftrag.zyklen; }
// The ranges ensembleBegrenzt keeps N and the cycles in, for the page's
// input and texts: fewest and most games, fewest and most cycles.
EMSCRIPTEN_KEEPALIVE void kb_ensemble_grenzen()
{
    ergebnisZahlen = {ensembleMindestSpiele, ensembleHoechstSpiele, ensembleMindestZyklen, ensembleHoechstZyklen};
}
EMSCRIPTEN_KEEPALIVE void kb_ensemble_spiel(int index)
{
    ensembleSpielSpielen(ensemble->feld, ensemble->auftrag, index, ensemble->tabelle.zeile(index), {});
}
// Game `index`'s counts, A(0) .. A(zyklen).
EMSCRIPTEN_KEEPALIVE const int* kb_ensemble_zeile(int index) { return ensemble->tabelle.zeile(index).data(); }

// The games' curves become the game's, for the evaluation of its run.
EMSCRIPTEN_KEEPALIVE const char* kb_ensemble_uebernehmen()
{
    spiel().ensemble = ensembleKurvenBerechnen(ensemble->auftrag, ensemble->tabelle);
    Json json;
    ensembleSchreiben(json, *spiel().ensemble);
    return textAusgeben(json.fertig());
}
EMSCRIPTEN_KEEPALIVE void kb_ensemble_vergessen() { spiel().ensemble.reset(); }

} // extern "C"
