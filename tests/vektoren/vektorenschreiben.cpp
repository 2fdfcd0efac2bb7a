// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the game's test vectors: games played with the model as the window
// plays them from a fresh source, Verhulst sequences and number texts. Any
// other edition of the game must reproduce them draw for draw.
//   kettenbrief_vektorenschreiben DATEI            writes DATEI
//   kettenbrief_vektorenschreiben --pruefen DATEI  fails unless DATEI holds
//                                                  exactly what it would write
// Doubles are written with 17 significant digits, so they read back exactly.

#include "anpassung.h"
#include "spielfeld.h"
#include "spielnummer.h"
#include "standardzufallsquelle.h"
#include "verhulst.h"
#include "zahltext.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int zyklenProSpiel = 15;

struct Spielfall
{
    const char* name;
    int a0;
    double p;
    int zyklenMitVersuchen; // the first cycles whose attempts are written
    int nummer = 0;         // the numbered game (0: the program's own)
};

std::string zahl(double wert)
{
    char puffer[32];
    std::snprintf(puffer, sizeof puffer, "%.17g", wert);
    return puffer;
}

std::string zeichenkette(std::string_view text)
{
    std::string json = "\"";
    for (const char c : text)
        json += (c == '"' || c == '\\') ? std::string{'\\', c} : std::string{c};
    return json + '"';
}

// Joins the elements, each turned into JSON by `alsJson`, into an array.
template<typename Folge, typename Umwandlung>
std::string liste(const Folge& folge, Umwandlung alsJson)
{
    std::string json = "[";
    for (const auto& element : folge)
        json += (json.size() > 1 ? "," : "") + alsJson(element);
    return json + "]";
}

std::string zelle(const Zelle& z)
{
    return "[" + std::to_string(z.x) + "," + std::to_string(z.y) + "]";
}

// [werber x, werber y, ziel x, ziel y, zustand, sicher]
std::string versuch(const Werbeversuch& v)
{
    const bool sicher = v.quadratgroesse < 1.0f;
    return liste(std::vector<int>{v.werber.x, v.werber.y, v.ziel.x, v.ziel.y, static_cast<int>(v.zustand), sicher},
                 [](int i) { return std::to_string(i); });
}

std::string feldText(const Spielfeld& feld)
{
    std::string text;
    for (int y = 0; y < Spielfeld::groesse; ++y)
        for (int x = 0; x < Spielfeld::groesse; ++x)
            text += feld.feldBesetzt(x, y) == 1 ? '1' : '0';
    return text;
}

// The evaluation's best t for the counts of a game, as the desktop finds it.
std::string anpassung(const std::vector<int>& anzahlen, double p)
{
    const std::vector<double> werte(anzahlen.begin(), anzahlen.end());
    const BesteAnpassung beste = besteAnpassung(werte, p);
    return std::string("{\"gefunden\":") + (beste.gefunden ? "true" : "false") + ",\"k\":" + std::to_string(beste.k) +
           ",\"rms\":" + zahl(beste.rms) + "}";
}

// The calls of the window after its start (or "Das Spiel vom Programmstart")
// and of one cycle: "Zielsuche", then "Ergebnis".
std::string spiel(const Spielfall& fall)
{
    Spielfeld feld;
    StandardZufallsquelle zufall(spielStartwert(fall.nummer).value());
    feld.allesZuruecksetzen();
    const std::vector<Zelle> start = feld.startSpielerSetzen(fall.a0, zufall);
    std::vector<int> anzahlen{feld.spielerZaehlen()};
    std::string zyklen;
    for (int n = 1; n <= zyklenProSpiel; ++n) {
        const Zielsuchergebnis suche = feld.zielsuche(fall.p, zufall);
        anzahlen.push_back(feld.zyklusAbschliessen().anzahlSpieler);
        if (n > fall.zyklenMitVersuchen)
            continue;
        zyklen += std::string(n > 1 ? ",\n" : "") + "    {\"versuche\":" + liste(suche.versuche, versuch) +
                  ",\n     \"neu\":" + liste(suche.neuGeworbene, zelle) +
                  ",\n     \"anzahl\":" + std::to_string(anzahlen.back()) + "}";
    }
    return "  {\"name\":" + zeichenkette(fall.name) + ",\"nummer\":" + std::to_string(fall.nummer) +
           ",\"a0\":" + std::to_string(fall.a0) + ",\"p\":" +
           zahl(fall.p) + ",\n   \"start\":" + liste(start, zelle) + ",\n   \"zyklen\":[\n" + zyklen +
           "],\n   \"anzahlen\":" + liste(anzahlen, [](int a) { return std::to_string(a); }) +
           ",\n   \"feld\":" + zeichenkette(feldText(feld)) + ",\n   \"besteAnpassung\":" + anpassung(anzahlen, fall.p) +
           "}";
}

std::string verhulst(double a0, double p, double t, int letzterZyklus)
{
    const VerhulstFolge folge = verhulstFolge(a0, p, t, letzterZyklus);
    return "  {\"a0\":" + zahl(a0) + ",\"p\":" + zahl(p) + ",\"t\":" + zahl(t) +
           ",\"letzterZyklus\":" + std::to_string(letzterZyklus) + ",\"werte\":" + liste(folge.werte, zahl) +
           ",\"fehler\":" + std::to_string(static_cast<int>(folge.fehler)) +
           ",\"fehlerZyklus\":" + std::to_string(folge.fehlerZyklus) + "}";
}

std::string vektoren()
{
    const std::vector<Spielfall> faelle{{"Programmstart A0=10 p=5", 10, 5, 3}, {"A0=1 p=15", 1, 15, 3},
                                        {"A0=50 p=10", 50, 10, 3},             {"volles Feld A0=2500 p=15", 2500, 15, 1},
                                        {"A0=0 p=5", 0, 5, 3},
                                        {"Spiel 7 A0=10 p=5", 10, 5, 1, 7}};
    const std::vector<double> zahlen{0, 37, -3, 0.5, -0.25, 1.5, 2.718, 1.0 / 3, 2500.75, 123456789012345.6,
                                     1e15, 0.0001, 0.00001, -1e300};
    const std::vector<std::string> texte{"37", "  1.5", "1,5", "0,975", "1,", ",5", "1.5,2", "-2.5E3x",
                                         "abc", "", "1e400", "-1E400", "1E-400", ".5e-2", "+7 Spieler"};
    std::string json =
        "{\"ablauf\":\"per game a fresh Spielfeld and a fresh StandardZufallsquelle (the default seed, or for a "
        "numbered game spielStartwert(nummer)), as at program start or after Ctrl+N: allesZuruecksetzen, startSpielerSetzen(a0), spielerZaehlen (draws nothing); per "
        "cycle zielsuche(p), then zyklusAbschliessen; 15 cycles\",\n"
        "\"zyklen\":\"attempts, new recruits and A(n) of the first cycles only\",\n"
        "\"versuch\":[\"werberX\",\"werberY\",\"zielX\",\"zielY\",\"zustand\",\"sicher\"],\n"
        "\"zustand\":[\"spieltSchon\",\"ersteWerbung\",\"doppelwerbung\"],\n"
        "\"anzahlen\":\"A(0) .. A(15)\",\n"
        "\"besteAnpassung\":\"the evaluation's best t = k / 1000 for A(0) .. A(15) and its deviation rms\",\n"
        "\"feld\":\"feldBesetzt after the last cycle, '1' for a player: y outer (rows 0..49), x inner (columns "
        "0..49)\",\n"
        "\"fehler\":[\"keiner\",\"ueberlauf\",\"ungueltigesArgument\"],\n\"spiele\":[\n";
    for (const Spielfall& fall : faelle)
        json += spiel(fall) + (&fall != &faelle.back() ? ",\n" : "\n");
    json += "],\n\"verhulst\":[\n" + verhulst(10, 5, 1, 20) + ",\n" + verhulst(10, 5, 1.5, 20) + ",\n" +
            verhulst(10, 5, 2.718, 20) + ",\n" + verhulst(1e6, 15, 8, 20) + "\n],\n\"zahltext\":{\n";
    json += " \"werte\":" + liste(zahlen, [](double w) {
                return "[" + zahl(w) + "," + zeichenkette(klartext(w)) + "," + zeichenkette(hilfetext(w)) + "]";
            });
    json += ",\n \"texte\":" + liste(texte, [](const std::string& t) {
                return "[" + zeichenkette(t) + "," + zahl(nachsichtigUmwandeln(t)) + "," +
                       zahl(exponentUmwandeln(t)) + "]";
            });
    return json + "\n}}\n";
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string_view> argumente(argv + 1, argv + argc);
    const std::string json = vektoren();
    if (argumente.size() == 2 && argumente[0] == "--pruefen") {
        std::ifstream datei{std::string(argumente[1]), std::ios::binary};
        const std::string gespeichert{std::istreambuf_iterator<char>(datei), {}};
        if (gespeichert == json)
            return 0;
        std::cerr << argumente[1] << " differs from what the model plays now; write it anew.\n";
        return 1;
    }
    if (argumente.size() != 1) {
        std::cerr << "usage: kettenbrief_vektorenschreiben [--pruefen] DATEI\n";
        return 2;
    }
    std::ofstream datei{std::string(argumente[0]), std::ios::binary};
    datei << json;
    return datei ? 0 : 1;
}
