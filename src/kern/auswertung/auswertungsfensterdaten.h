// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The evaluation window as both editions build it: its size, how soon it
// follows the game, the number of many games it offers first, the files
// it saves, and its own words: its caption, its buttons (an "&" marks the access key, which the
// page does not show) and what screen readers call its parts.
namespace auswertungsfensterdaten {

// The window at zoom 1; it grows with the main window's zoom.
inline constexpr int breite = 960;
inline constexpr int hoehe = 760;
// Changes less than this apart give one update, shortly after the last of
// them: a quick run is followed once at its end, not cycle by cycle. A
// stream of changes (a held key) still gets an update at least this often.
inline constexpr int aktualisierungsabstandMs = 150;
inline constexpr int hoechstensVerspaetetMs = 600;
inline constexpr int vorgabeSpiele = 100;

inline constexpr const char* titel = "Auswertung – Kettenbrief";
inline constexpr const char* uebernehmen = "&Bestes t übernehmen";
inline constexpr const char* tabelleKopieren = "Tabelle &kopieren";
inline constexpr const char* diagrammKopieren = "&Diagramm kopieren";
inline constexpr const char* programmstart = "Das Spiel vom Progra&mmstart";
inline constexpr const char* vieleSpiele = "&Viele Spiele";
inline constexpr const char* abbrechen = "&Abbrechen";
// Behind the number of games.
inline constexpr const char* spiele = " Spiele";
inline constexpr const char* anzahlSpiele = "Anzahl der Spiele";
inline constexpr const char* fortschritt = "Fortschritt der vielen Spiele";
inline constexpr const char* ergebnis = "Ergebnis der Anpassung";
inline constexpr const char* tabelle = "Tabelle der Zyklen";
inline constexpr const char* arbeitsblattDrucken = "Arbeitsblatt d&rucken …";
inline constexpr const char* diagrammSpeichern = "Dia&gramm speichern …";
inline constexpr const char* tabelleSpeichern = "Tabelle &speichern …";
inline constexpr const char* svgDateityp = "SVG-Grafik, Vektoren für Arbeitsblätter";
inline constexpr const char* pngDateityp = "PNG-Bild, doppelt groß für den Beamer";

// The files it saves, by the names it proposes, and the plot's size in
// them in CSS pixels: a PNG has twice as many each way, for projectors.
inline constexpr const char* tabellenDatei = "kettenbrief-tabelle.csv";
inline constexpr const char* diagrammDatei = "kettenbrief-diagramm.svg";
inline constexpr const char* diagrammPngDatei = "kettenbrief-diagramm.png";
inline constexpr int diagrammDateiBreite = 960;
inline constexpr int diagrammDateiHoehe = 600;
inline constexpr int pngFaktor = 2;

// A caption as the page shows it: without the "&" of the access key.
inline std::string ohneZugriffszeichen(const char* text)
{
    std::string ohne;
    for (const char* c = text; *c != '\0'; ++c)
        if (*c != '&')
            ohne += *c;
    return ohne;
}

} // namespace auswertungsfensterdaten
