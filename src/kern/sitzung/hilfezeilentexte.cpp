// SPDX-License-Identifier: GPL-3.0-or-later
#include "hilfezeilentexte.h"

#include "zahltext.h"

#include <array>
#include <cmath>

namespace {

constexpr std::array<BenannterHilfetext, 16> hilfetexte{{
    {"cmdStart", "Initialisierung der Programmparameter"},
    {"cmdZielsuche", "blau = Neu geworbene Mitspieler, gelb = Zielperson spielt bereits mit, "
                     "weiß = Doppelwerbung"},
    {"cmdErgebnis", "Übergang von A(n) auf A(n+1)"},
    {"Command2", "10 Iterationszyklen durchführen"},
    {"Command1", "Vergleich mit dem Verlauf nach dem Modell von Verhulst"},
    {"Command3", "Änderung von t muss hier initialisiert werden"},
    {"Text4", "Der Exponent t kann hier verändert werden, Dezimalzahlen mit Komma oder Punkt"},
    {"Image1", "Verhulst Iteration in verallgemeinerter Form (durch den Exponenten t)"},
    {"Command5", "Diagramme löschen"},
    {"Command6", "Histogramm über die ganze Bildschirmbreite zeigen"},
    {"Command7", "2500-Feld links im Vordergrund"},
    {"Text1", "Aktuelle Anzahl der Mitspieler"},
    {"txtdelta", "neu geworbene Mitspieler"},
    {"txtNeuSum", "Aktuelle Anzahl + Neuwerbungen"},
    {"Picture2", "Einstellungen vornehmen, Iterationen starten"},
    {"Picture3", "Herr Egon Dorozur aus Wiesenhausen"},
}};

} // namespace

std::span<const BenannterHilfetext> festeHilfetexteNachName()
{
    return hilfetexte;
}

std::string startwertHilfe(const std::string& text)
{
    return "Startwert A(0) =" + hilfetext(nachsichtigUmwandeln(text)) + " Spieler";
}

std::string wachstumsrateHilfe(const std::string& text)
{
    return "Wachstumsrate p =" + hilfetext(10 * nachsichtigUmwandeln(text)) + "%";
}

std::string feldHilfe(Punkt punkt)
{
    // Pointer positions arrive in single precision, and so is the number.
    const float x = static_cast<float>(punkt.x);
    const float y = static_cast<float>(punkt.y);
    const float individuum = std::floor(y) * 50.0f + std::floor(x) + 1.0f;
    return "50x50 Zellen stellen 2500 Individuen dar      " + hilfetext(individuum);
}

std::string diagrammHilfe(Punkt punkt)
{
    const float x = static_cast<float>(punkt.x);
    const float y = static_cast<float>(punkt.y);
    const float n = std::floor(x);
    const float a = std::floor(y / 10.0f) * 10.0f;
    return "Balkendiagramme zur Gesamtzahl der Mitspieler.    n = " + hilfetext(n) + "   A(n)= " + hilfetext(a);
}
