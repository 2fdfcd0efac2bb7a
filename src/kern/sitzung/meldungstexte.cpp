// SPDX-License-Identifier: GPL-3.0-or-later
#include "meldungstexte.h"

std::string verhulstFehlertext(VerhulstFehler fehler, int zyklus)
{
    const bool ueberlauf = fehler == VerhulstFehler::ueberlauf;
    const std::string art = ueberlauf ? "Überlauf" : "Ungültiges Argument";
    const std::string grund = ueberlauf ? "der nächste Wert ist zu groß für die Rechnung"
                                        : "die nächste Potenz hat keinen reellen Wert";
    return art + "\n\nDie Verhulst-Kurve endet bei Zyklus " + std::to_string(zyklus) + ": " + grund
           + ".\n\nMit einem kleineren Exponenten t oder einer kleineren Wachstumsrate p "
             "lässt sich die Kurve ganz zeichnen.";
}

std::string informationstext()
{
    struct Taste
    {
        const char* tasten;
        const char* wirkung;
    };
    static constexpr Taste tasten[]{
        {"F1", "Erläuterung zeigen; Esc schließt sie"},
        {"Strg+Plus, Strg+Minus", "Fenster größer oder kleiner (Beamer)"},
        {"Strg+0", "ursprüngliche Größe"},
        {"F11", "so groß wie der Bildschirm; noch einmal F11: zurück"},
        {"Strg+C", "Bild unter dem Mauszeiger kopieren"},
        {"Strg+T", "Auswertung öffnen und schließen"},
        {"Strg+N", "das Spiel vom Programmstart: dasselbe Spiel noch einmal"},
        {"Eingabetaste im Feld von t", "t übernehmen"},
        {"Tab, Leertaste, Pfeiltasten", "ohne Maus bedienen"},
        {"Alt+B, Alt+E, Alt+I", "die drei Menüpunkte"},
        {"Strg+Q", "Programm beenden"},
    };
    std::string zeilen;
    for (const Taste& taste : tasten)
        zeilen += std::string("<tr><td>") + taste.tasten + "</td><td>" + taste.wirkung + "</td></tr>";
    return std::string("<p><b>Kettenbrief – ") + fenstertitel + "</b></p><p>„" + fenstertitel
           + "“ ist der Versionsname des Programms.</p>"
             "<p>Ein Kettenbrief breitet sich unter 2500 Individuen aus: Das Programm "
           "spielt ihn als Monte-Carlo-Simulation Zyklus für Zyklus durch und "
           "vergleicht den Verlauf mit dem logistischen Wachstumsmodell nach "
           "Verhulst.</p>"
           "<p>Tastatur:</p><table cellspacing=\"4\">"
           + zeilen + "</table>";
}

std::string fenstertitelFuer(int nummer)
{
    std::string titel = fenstertitel;
    if (nummer != 0)
        titel += " – Spiel " + std::to_string(nummer);
    return titel;
}
