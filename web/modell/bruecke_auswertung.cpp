// SPDX-License-Identifier: GPL-3.0-or-later
// The evaluation's side of the bridge: what the page shows of the run it
// evaluated last (the sentences, the table, the plot's series), German
// numbers, the evaluation window's place and the texts of many games, all
// from the game layer that the desktop uses too. Texts come out as UTF-8,
// the larger results as JSON.
#include "bruecke.h"
#include "json.h"

#include "auswertungszeilen.h"
#include "deutschezahl.h"
#include "diagrammdaten.h"
#include "ergebnistext.h"
#include "fensterplatz.h"
#include "laufauswertung.h"
#include "vielespieletexte.h"

#include <emscripten/emscripten.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

Json& farbeSchreiben(Json& json, Auswertungsfarbe f)
{
    return json.auf('[').zahl(f.rot).zahl(f.gruen).zahl(f.blau).zahl(f.deckung).zu(']');
}

Json& punkteSchreiben(Json& json, const std::vector<Punkt>& werte)
{
    json.auf('[');
    for (const Punkt& punkt : werte)
        json.auf('[').zahl(punkt.x).zahl(punkt.y).zu(']');
    return json.zu(']');
}

void tabelleSchreiben(Json& json, const LaufAuswertung& auswertung)
{
    const Auswertungszeilen zeilen(auswertung);
    const std::vector<std::vector<std::string>> alle = zeilen.alle();
    json.auf('{');
    json.schluessel("kopf").texte(alle.front());
    json.schluessel("zeilen").auf('[');
    for (std::size_t i = 1; i < alle.size(); ++i)
        json.texte(alle[i]);
    json.zu(']');
    json.schluessel("ohneZielsuche").auf('[');
    for (int n = 0; n < zeilen.zeilenAnzahl(); ++n)
        if (zeilen.ohneZielsuche(n))
            json.zahl(n);
    json.zu(']');
    json.schluessel("hinweis").text(Auswertungszeilen::ohneZielsucheHinweis());
    farbeSchreiben(json.schluessel("markierung"), Auswertungszeilen::markierungsfarbe());
    json.schluessel("text").text(zeilen.alsText());
    json.zu('}');
}

void achseSchreiben(Json& json, const Achse& achse)
{
    json.schluessel("titel").text(achse.titel);
    json.schluessel("von").zahl(achse.von);
    json.schluessel("bis").zahl(achse.bis);
}

void linieSchreiben(Json& json, const Linienreihe& reihe)
{
    json.auf('{').schluessel("art").text("linie").schluessel("name").text(reihe.name);
    farbeSchreiben(json.schluessel("farbe"), reihe.farbe);
    json.schluessel("linienbreite").zahl(reihe.linienbreite);
    punkteSchreiben(json.schluessel("punkte"), reihe.punkte).zu('}');
}

void bandSchreiben(Json& json, const Bandreihe& reihe)
{
    json.auf('{').schluessel("art").text("band").schluessel("name").text(reihe.name);
    farbeSchreiben(json.schluessel("farbe"), reihe.farbe);
    farbeSchreiben(json.schluessel("rand"), reihe.rand);
    json.schluessel("randbreite").zahl(reihe.randbreite);
    punkteSchreiben(json.schluessel("oben"), reihe.oben);
    punkteSchreiben(json.schluessel("unten"), reihe.unten).zu('}');
}

void balkenSchreiben(Json& json, const Balkenreihe& reihe)
{
    json.auf('{').schluessel("art").text("balken").schluessel("name").text(reihe.name);
    farbeSchreiben(json.schluessel("farbe"), reihe.farbe);
    json.schluessel("balkenbreite").zahl(reihe.balkenbreite);
    json.schluessel("werte").zahlen(reihe.werte).zu('}');
}

// The series in the order they are drawn and listed in the legend.
void reihenSchreiben(Json& json, const Diagrammdaten& daten)
{
    json.auf('[');
    balkenSchreiben(json, daten.balken);
    if (daten.band)
        bandSchreiben(json, *daten.band);
    if (daten.mittel)
        linieSchreiben(json, *daten.mittel);
    linieSchreiben(json, daten.aktuell);
    if (daten.beste)
        linieSchreiben(json, *daten.beste);
    json.zu(']');
}

void diagrammSchreiben(Json& json, const LaufAuswertung& auswertung)
{
    const Diagrammdaten daten = diagrammdaten(auswertung);
    json.auf('{');
    json.schluessel("name").text(diagrammName());
    json.schluessel("beschreibung").text(daten.beschreibung);
    json.schluessel("x").auf('{');
    achseSchreiben(json, daten.x);
    json.schluessel("schritt").zahl(daten.xSchritt).zu('}');
    json.schluessel("y").auf('{');
    achseSchreiben(json, daten.y);
    json.schluessel("marken").zahl(daten.yMarken).zu('}');
    json.schluessel("reihen");
    reihenSchreiben(json, daten);
    json.zu('}');
}

const char* eckeAusgeben(Ecke ecke)
{
    Json json;
    json.auf('[').zahl(ecke.x).zahl(ecke.y).zu(']');
    return textAusgeben(json.fertig());
}

} // namespace

extern "C" {

// The run as it stands evaluated at the p and t of the window: the
// sentences, the table, the plot and the best t (none when no t fits).
EMSCRIPTEN_KEEPALIVE const char* kb_auswertung_darstellung()
{
    Spiel& s = spiel();
    const LaufAuswertung auswertung = laufAuswerten(s.sitzung.spielfeld(), s.sitzung.wachstumsrate(),
                                                    s.sitzung.exponentT(), s.ensemble, s.suche);
    Json json;
    json.auf('{');
    json.schluessel("bestesT").zahl(auswertung.beste.gefunden ? auswertung.beste.t : NAN);
    json.schluessel("absaetze").texte(ergebnisabsaetze(auswertung));
    json.schluessel("tabelle");
    tabelleSchreiben(json, auswertung);
    json.schluessel("diagramm");
    diagrammSchreiben(json, auswertung);
    json.zu('}');
    return textAusgeben(json.fertig());
}

EMSCRIPTEN_KEEPALIVE const char* kb_deutsche_zahl(double wert, int nachkommastellen)
{
    return textAusgeben(deutscheZahl(wert, nachkommastellen));
}

EMSCRIPTEN_KEEPALIVE const char* kb_deutsche_zahl_kurz(double wert, int hoechstens)
{
    return textAusgeben(deutscheZahlKurz(wert, hoechstens));
}

// The corner beside the main window, as [x, y].
EMSCRIPTEN_KEEPALIVE const char* kb_platz_neben(double x, double y, double breite, double hoehe, double fensterBreite,
                                                double fensterHoehe, double bereichX, double bereichY,
                                                double bereichBreite, double bereichHoehe)
{
    return eckeAusgeben(platzNeben({x, y, breite, hoehe}, {fensterBreite, fensterHoehe},
                                   {bereichX, bereichY, bereichBreite, bereichHoehe}));
}

// The corner moved into the area, as [x, y].
EMSCRIPTEN_KEEPALIVE const char* kb_im_bereich(double x, double y, double breite, double hoehe, double bereichX,
                                               double bereichY, double bereichBreite, double bereichHoehe)
{
    return eckeAusgeben(imBereich({x, y}, {breite, hoehe}, {bereichX, bereichY, bereichBreite, bereichHoehe}));
}

EMSCRIPTEN_KEEPALIVE const char* kb_viele_spiele_hinweis() { return textAusgeben(vieleSpieleHinweis()); }

EMSCRIPTEN_KEEPALIVE const char* kb_viele_spiele_abbruchtext(int fertig, int spiele)
{
    return textAusgeben(vieleSpieleAbbruchtext(fertig, spiele));
}

} // extern "C"
