// SPDX-License-Identifier: GPL-3.0-or-later
// The model as the page calls it: the one game of the page and the many
// games the worker plays, as plain C functions with results in fixed
// buffers the page reads from the module's memory. Texts go out as UTF-8.
#include "bruecke.h"

#include "anpassung.h"
#include "ensemblespiele.h"

#include <emscripten/emscripten.h>

#include <memory>
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
EMSCRIPTEN_KEEPALIVE void kb_ensemble_uebernehmen()
{
    spiel().ensemble = ensembleKurvenBerechnen(ensemble->auftrag, ensemble->tabelle);
}
EMSCRIPTEN_KEEPALIVE void kb_ensemble_vergessen() { spiel().ensemble.reset(); }

} // extern "C"
