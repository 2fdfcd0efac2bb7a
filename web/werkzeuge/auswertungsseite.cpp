// SPDX-License-Identifier: GPL-3.0-or-later
#include "auswertungsseite.h"

#include "auswertungsfensterdaten.h"
#include "ensemblespiele.h"
#include "html.h"
#include "vielespieletexte.h"

namespace {

namespace d = auswertungsfensterdaten;
using html::attribut;
using html::maskiert;
using html::verbunden;
using d::ohneZugriffszeichen;

std::string knopf(const char* id, const char* text, const std::string& mehr = {})
{
    return verbunden({"<button", attribut("type", "button"), attribut("id", id), mehr, ">",
                      maskiert(ohneZugriffszeichen(text)), "</button>"});
}

std::string leiste(std::initializer_list<std::string_view> inhalt)
{
    return verbunden({"<div class=\"auswertungLeiste\">", verbunden(inhalt), "</div>"});
}

// The plot's two kinds of file, offered as the desktop's file dialogue offers them.
std::string diagrammAblage()
{
    return verbunden({"<select id=\"auswertungDiagrammSpeichern\"><option value=\"\" selected disabled>",
                      maskiert(ohneZugriffszeichen(d::diagrammSpeichern)), "</option><option value=\"svg\">",
                      maskiert(d::svgDateityp), "</option><option value=\"png\">", maskiert(d::pngDateityp),
                      "</option></select>"});
}

std::string vieleSpieleLeiste()
{
    const std::string anzahl = verbunden({"<input", attribut("type", "number"), attribut("id", "auswertungAnzahlSpiele"),
                                          attribut("min", std::to_string(ensembleMindestSpiele)),
                                          attribut("max", std::to_string(ensembleHoechstSpiele)), attribut("step", "1"),
                                          attribut("value", std::to_string(d::vorgabeSpiele)),
                                          attribut("aria-label", d::anzahlSpiele), ">"});
    const std::string fortschritt = verbunden(
        {"<div class=\"auswertungFortschritt\" role=\"progressbar\"", attribut("aria-label", d::fortschritt),
         " aria-valuemin=\"0\"><div class=\"auswertungFortschrittBalken\"></div>",
         "<span class=\"auswertungFortschrittText\"></span></div>"});
    std::string einheit = d::spiele;
    einheit.erase(0, einheit.find_first_not_of(' '));
    return leiste({anzahl, "<span>", maskiert(einheit), "</span>",
                   knopf("auswertungVieleSpiele", d::vieleSpiele, attribut("title", vieleSpieleHinweis())), fortschritt,
                   knopf("auswertungAbbrechen", d::abbrechen, " disabled")});
}

} // namespace

std::string auswertungsseite()
{
    const std::string kopf = verbunden({"<div class=\"auswertungKopf\"><span>", maskiert(d::titel),
                                        "</span><button type=\"button\" aria-label=\"Schließen\">×</button></div>"});
    const std::string ergebnis = verbunden({"<section class=\"auswertungErgebnis\" id=\"auswertungErgebnis\"",
                                            attribut("aria-label", d::ergebnis), "></section>"});
    const std::string knoepfe = leiste({knopf("auswertungUebernehmen", d::uebernehmen),
                                        knopf("auswertungTabelleKopieren", d::tabelleKopieren),
                                        knopf("auswertungDiagrammKopieren", d::diagrammKopieren),
                                        knopf("auswertungProgrammstart", d::programmstart)});
    const std::string ablage = leiste({knopf("auswertungArbeitsblatt", d::arbeitsblattDrucken), diagrammAblage(),
                                       knopf("auswertungTabelleSpeichern", d::tabelleSpeichern)});
    // The table takes the focus when the window opens, so its keys work at once.
    const std::string teiler = verbunden(
        {"<div class=\"auswertungTeiler\"><div class=\"auswertungsdiagramm\" role=\"img\"></div>",
         "<div class=\"auswertungTabellenrahmen\" tabindex=\"0\"><table class=\"auswertungstabelle\"",
         attribut("aria-label", d::tabelle), "><thead><tr></tr></thead><tbody></tbody></table></div></div>"});
    return verbunden({"<section id=\"auswertung\" class=\"auswertung\" role=\"dialog\" aria-modal=\"false\"",
                      attribut("aria-label", d::titel), " hidden>", kopf, "<div class=\"auswertungInhalt\">", ergebnis,
                      knoepfe, ablage, vieleSpieleLeiste(), teiler, "</div></section>"});
}
