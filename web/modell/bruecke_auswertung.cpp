// SPDX-License-Identifier: GPL-3.0-or-later
// The evaluation's side of the bridge: what the page shows of the run it
// evaluated last (the sentences, the table, the plot), German
// numbers, the evaluation window's place, the texts of many games and the
// worksheet, all
// from the game layer that the desktop uses too. Texts come out as UTF-8,
// the larger results as JSON.
#include "bruecke.h"
#include "json.h"

#include "arbeitsblattdaten.h"
#include "arbeitsblattseite.h"
#include "auswertungsfensterdaten.h"
#include "auswertungszeilen.h"
#include "csvtext.h"
#include "deutschezahl.h"
#include "diagrammdaten.h"
#include "diagrammsvg.h"
#include "ergebnistext.h"
#include "fensterplatz.h"
#include "laufauswertung.h"
#include "vielespieletexte.h"

#include <emscripten/emscripten.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace {

Json& farbeSchreiben(Json& json, Auswertungsfarbe f)
{
    return json.auf('[').zahl(f.rot).zahl(f.gruen).zahl(f.blau).zahl(f.deckung).zu(']');
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

void diagrammSchreiben(Json& json, const Diagrammdaten& daten)
{
    json.auf('{');
    json.schluessel("name").text(diagrammName());
    json.schluessel("beschreibung").text(daten.beschreibung);
    json.zu('}');
}

// The run as it stands, evaluated at the window's p and t.
const LaufAuswertung& auswerten()
{
    Spiel& s = spiel();
    s.auswertung = laufAuswerten(s.sitzung.spielfeld(), s.sitzung.wachstumsrate(), s.sitzung.exponentT(), s.ensemble,
                                 s.suche);
    return s.auswertung;
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
    const LaufAuswertung& auswertung = auswerten();
    Json json;
    json.auf('{');
    json.schluessel("bestesT").zahl(auswertung.beste.gefunden ? auswertung.beste.t : NAN);
    json.schluessel("absaetze").texte(ergebnisabsaetze(auswertung));
    json.schluessel("tabelle");
    tabelleSchreiben(json, auswertung);
    diagrammSchreiben(json.schluessel("diagramm"), diagrammdaten(auswertung));
    json.zu('}');
    return textAusgeben(json.fertig());
}

// The plot of the run evaluated last as SVG of `breite` × `hoehe` CSS pixels.
EMSCRIPTEN_KEEPALIVE const char* kb_auswertung_diagramm(double breite, double hoehe)
{
    return textAusgeben(diagrammSvg(diagrammdaten(spiel().auswertung), breite, hoehe));
}

// The table of the run evaluated last as the desktop saves it: German CSV.
EMSCRIPTEN_KEEPALIVE const char* kb_auswertung_csv()
{
    return textAusgeben(csvText(Auswertungszeilen(spiel().auswertung).alle()));
}

// The evaluation window's size, timing, first number of many games and files.
EMSCRIPTEN_KEEPALIVE const char* kb_auswertungsfenster()
{
    namespace d = auswertungsfensterdaten;
    Json json;
    json.auf('{');
    json.schluessel("breite").zahl(d::breite).schluessel("hoehe").zahl(d::hoehe);
    json.schluessel("aktualisierungsabstandMs").zahl(d::aktualisierungsabstandMs);
    json.schluessel("hoechstensVerspaetetMs").zahl(d::hoechstensVerspaetetMs);
    json.schluessel("vorgabeSpiele").zahl(d::vorgabeSpiele);
    json.schluessel("dateien").auf('{');
    json.schluessel("tabelle").text(d::tabellenDatei).schluessel("svg").text(d::diagrammDatei);
    json.schluessel("png").text(d::diagrammPngDatei).schluessel("breite").zahl(d::diagrammDateiBreite);
    json.schluessel("hoehe").zahl(d::diagrammDateiHoehe).schluessel("pngFaktor").zahl(d::pngFaktor).zu('}');
    json.zu('}');
    return textAusgeben(json.fertig());
}

// The worksheet of the run as it stands, dated `datum` ("9. Dezember
// 2026"): its HTML, its measures and its number of cycles.
EMSCRIPTEN_KEEPALIVE const char* kb_arbeitsblatt(const char* datum)
{
    const Arbeitsblattseite seite = arbeitsblattseite(auswerten(), datum);
    Json json;
    json.auf('{');
    json.schluessel("html").text(seite.html).schluessel("zyklen").zahl(seite.zyklen);
    json.schluessel("masse").auf('{');
    for (const auto& [name, wert] : seite.masse)
        json.schluessel(name.c_str()).text(wert);
    json.zu('}').zu('}');
    return textAusgeben(json.fertig());
}

EMSCRIPTEN_KEEPALIVE const char* kb_arbeitsblatt_papier() { return textAusgeben(arbeitsblattPapier()); }

EMSCRIPTEN_KEEPALIVE const char* kb_arbeitsblatt_weggelassen(int gezeigt, int zyklen)
{
    return textAusgeben(arbeitsblattdaten::weggelassen(gezeigt, zyklen));
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

EMSCRIPTEN_KEEPALIVE const char* kb_viele_spiele_abbruchtext(int fertig, int spiele)
{
    return textAusgeben(vieleSpieleAbbruchtext(fertig, spiele));
}

} // extern "C"
