// SPDX-License-Identifier: GPL-3.0-or-later
// The evaluation's side of the bridge: what the page shows of the run it
// evaluated last (the sentences, the table, the plot's series), German
// numbers, the evaluation window's place and the texts of many games, all
// from the game layer that the desktop uses too. Texts come out as UTF-8,
// the larger results as JSON.
#include "bruecke_auswertung.h"

#include "auswertungszeilen.h"
#include "deutschezahl.h"
#include "diagrammdaten.h"
#include "ergebnistext.h"
#include "fensterplatz.h"
#include "vielespieletexte.h"

#include <emscripten/emscripten.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

LaufAuswertung& letzteAuswertung()
{
    static LaufAuswertung letzte;
    return letzte;
}

// Text handed to the page, valid until the next call.
const char* ausgeben(std::string text)
{
    static std::string ausgegeben;
    ausgegeben = std::move(text);
    return ausgegeben.c_str();
}

// JSON written by appending; numbers read back to the same double, NaN and
// infinity (which JSON lacks) become null.
class Json
{
public:
    Json& zahl(double wert)
    {
        if (!std::isfinite(wert))
            return roh("null");
        char puffer[32];
        std::snprintf(puffer, sizeof puffer, "%.17g", wert);
        return roh(puffer);
    }
    Json& text(const std::string& wert);
    Json& schluessel(const char* name)
    {
        trennen();
        zeichenkette(name);
        m_text += ':';
        m_erstes = true;
        return *this;
    }
    Json& auf(char klammer)
    {
        trennen();
        m_text += klammer;
        m_erstes = true;
        return *this;
    }
    Json& zu(char klammer)
    {
        m_text += klammer;
        m_erstes = false;
        return *this;
    }
    Json& texte(const std::vector<std::string>& werte);
    Json& zahlen(const std::vector<double>& werte);
    Json& farbe(Auswertungsfarbe f);
    Json& punkte(const std::vector<Punkt>& werte);
    std::string fertig() { return std::move(m_text); }

private:
    // A comma before every value but the first in its object or list; a
    // value after its key needs none.
    void trennen()
    {
        if (!m_erstes)
            m_text += ',';
        m_erstes = false;
    }
    void zeichenkette(const std::string& wert);
    Json& roh(const char* wert)
    {
        trennen();
        m_text += wert;
        return *this;
    }

    std::string m_text;
    bool m_erstes = true;
};

Json& Json::text(const std::string& wert)
{
    trennen();
    zeichenkette(wert);
    return *this;
}

void Json::zeichenkette(const std::string& wert)
{
    m_text += '"';
    for (const char zeichen : wert) {
        const auto byte = static_cast<unsigned char>(zeichen);
        if (zeichen == '"' || zeichen == '\\') {
            m_text += '\\';
            m_text += zeichen;
        } else if (byte < 0x20) {
            char puffer[8];
            std::snprintf(puffer, sizeof puffer, "\\u%04x", byte);
            m_text += puffer;
        } else {
            m_text += zeichen;
        }
    }
    m_text += '"';
}

Json& Json::texte(const std::vector<std::string>& werte)
{
    auf('[');
    for (const std::string& wert : werte)
        text(wert);
    return zu(']');
}

Json& Json::zahlen(const std::vector<double>& werte)
{
    auf('[');
    for (double wert : werte)
        zahl(wert);
    return zu(']');
}

Json& Json::farbe(Auswertungsfarbe f)
{
    return auf('[').zahl(f.rot).zahl(f.gruen).zahl(f.blau).zahl(f.deckung).zu(']');
}

Json& Json::punkte(const std::vector<Punkt>& werte)
{
    auf('[');
    for (const Punkt& punkt : werte)
        auf('[').zahl(punkt.x).zahl(punkt.y).zu(']');
    return zu(']');
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
    json.schluessel("farbe").farbe(reihe.farbe).schluessel("linienbreite").zahl(reihe.linienbreite);
    json.schluessel("punkte").punkte(reihe.punkte).zu('}');
}

void bandSchreiben(Json& json, const Bandreihe& reihe)
{
    json.auf('{').schluessel("art").text("band").schluessel("name").text(reihe.name);
    json.schluessel("farbe").farbe(reihe.farbe).schluessel("rand").farbe(reihe.rand);
    json.schluessel("randbreite").zahl(reihe.randbreite);
    json.schluessel("oben").punkte(reihe.oben).schluessel("unten").punkte(reihe.unten).zu('}');
}

void balkenSchreiben(Json& json, const Balkenreihe& reihe)
{
    json.auf('{').schluessel("art").text("balken").schluessel("name").text(reihe.name);
    json.schluessel("farbe").farbe(reihe.farbe).schluessel("balkenbreite").zahl(reihe.balkenbreite);
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
    return ausgeben(json.fertig());
}

} // namespace

const LaufAuswertung& auswertungMerken(LaufAuswertung auswertung)
{
    return letzteAuswertung() = std::move(auswertung);
}

extern "C" {

// The sentences, the table and the plot of the run evaluated last.
EMSCRIPTEN_KEEPALIVE const char* kb_auswertung_darstellung()
{
    const LaufAuswertung& auswertung = letzteAuswertung();
    Json json;
    json.auf('{');
    json.schluessel("absaetze").texte(ergebnisabsaetze(auswertung));
    json.schluessel("tabelle");
    tabelleSchreiben(json, auswertung);
    json.schluessel("diagramm");
    diagrammSchreiben(json, auswertung);
    json.zu('}');
    return ausgeben(json.fertig());
}

EMSCRIPTEN_KEEPALIVE const char* kb_deutsche_zahl(double wert, int nachkommastellen)
{
    return ausgeben(deutscheZahl(wert, nachkommastellen));
}

EMSCRIPTEN_KEEPALIVE const char* kb_deutsche_zahl_kurz(double wert, int hoechstens)
{
    return ausgeben(deutscheZahlKurz(wert, hoechstens));
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

EMSCRIPTEN_KEEPALIVE const char* kb_viele_spiele_hinweis() { return ausgeben(vieleSpieleHinweis()); }

EMSCRIPTEN_KEEPALIVE const char* kb_viele_spiele_abbruchtext(int fertig, int spiele)
{
    return ausgeben(vieleSpieleAbbruchtext(fertig, spiele));
}

} // extern "C"
