// SPDX-License-Identifier: GPL-3.0-or-later
// The window's two pictures as the page calls them: the field (surface 0)
// and the chart (surface 1), drawn by the game layer's views into pixel
// buffers that the page copies onto its canvases.
#include "bruecke.h"

#include "histoansicht.h"
#include "spielbild.h"
#include "twips.h"
#include "verhulst.h"

#include <emscripten/emscripten.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

struct Bildflaechen
{
    Spielbild bild;
    // Each surface's size in twips, as its control is designed.
    int breiteTwips[2] = {1, 1};
    int hoeheTwips[2] = {1, 1};
};

Bildflaechen& flaechen()
{
    static Bildflaechen einzige;
    return einzige;
}

Zeichenflaeche& flaeche(int k)
{
    return k == 0 ? flaechen().bild.feldflaeche : flaechen().bild.histoflaeche;
}

Freihandstift& stift(int k)
{
    return k == 0 ? flaechen().bild.feldStift : flaechen().bild.histoStift;
}

// What the page reads back: the changed rectangle (x, y, width, height) and
// its pixels as the canvas takes them (R, G, B, A bytes), a user point.
int bereich[4];
std::vector<std::uint8_t> rgba;
double nutzerpunkt[2];
int verhulstFehlerZyklus = -1;

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void kb_flaeche_einrichten(int k, int breiteTwips, int hoeheTwips, int hintergrund)
{
    flaechen().breiteTwips[k] = breiteTwips;
    flaechen().hoeheTwips[k] = hoeheTwips;
    flaeche(k).hintergrundSetzen(0xff000000u | static_cast<Farbe>(hintergrund));
}

// Whole logical pixels at the zoom, then device pixels, as the desktop sizes
// its surfaces; pens grow with the zoom.
EMSCRIPTEN_KEEPALIVE void kb_flaeche_zoom(int k, double zoom, double verhaeltnis)
{
    flaeche(k).anzeigeSetzen(Anzeige{twipsZuPixeln(flaechen().breiteTwips[k], zoom),
                                     twipsZuPixeln(flaechen().hoeheTwips[k], zoom), verhaeltnis});
    flaeche(k).zoomSetzen(zoom);
}

EMSCRIPTEN_KEEPALIVE int kb_flaeche_breite(int k) { return flaeche(k).bild().breite(); }
EMSCRIPTEN_KEEPALIVE int kb_flaeche_hoehe(int k) { return flaeche(k).bild().hoehe(); }
EMSCRIPTEN_KEEPALIVE const int* kb_flaeche_bereich() { return bereich; }

// The pixels changed since the last call, as R, G, B, A bytes row by row of
// the rectangle in kb_flaeche_bereich; null when nothing changed.
EMSCRIPTEN_KEEPALIVE const std::uint8_t* kb_flaeche_zeigen(int k)
{
    Zeichenflaeche& f = flaeche(k);
    const Pixelbild& bild = f.bild();
    const Pixelrechteck r = f.geaendert().geschnitten(bild.rechteck());
    f.geaendertVergessen();
    if (r.leer())
        return nullptr;
    bereich[0] = r.x0;
    bereich[1] = r.y0;
    bereich[2] = r.x1 - r.x0 + 1;
    bereich[3] = r.y1 - r.y0 + 1;
    rgba.resize(static_cast<std::size_t>(bereich[2]) * static_cast<std::size_t>(bereich[3]) * 4);
    std::size_t i = 0;
    for (int y = r.y0; y <= r.y1; ++y)
        for (int x = r.x0; x <= r.x1; ++x) {
            const Farbe farbe = bild.pixel(x, y);
            rgba[i++] = static_cast<std::uint8_t>(farbe >> 16);
            rgba[i++] = static_cast<std::uint8_t>(farbe >> 8);
            rgba[i++] = static_cast<std::uint8_t>(farbe);
            rgba[i++] = 255;
        }
    return rgba.data();
}

// A point in the picture's device pixels in user coordinates.
EMSCRIPTEN_KEEPALIVE const double* kb_zu_nutzer(int k, double x, double y)
{
    const Punkt p = flaeche(k).geraetZuNutzer({x, y});
    nutzerpunkt[0] = p.x;
    nutzerpunkt[1] = p.y;
    return nutzerpunkt;
}

EMSCRIPTEN_KEEPALIVE void kb_stift_druecken(int k, double x, double y) { stift(k).druecken({x, y}); }
EMSCRIPTEN_KEEPALIVE void kb_stift_bewegen(int k, double x, double y) { stift(k).bewegen({x, y}); }
EMSCRIPTEN_KEEPALIVE void kb_stift_los(int k) { stift(k).loslassen(); }

// ---- The field ----

EMSCRIPTEN_KEEPALIVE void kb_feld_gitter() { flaechen().bild.feld.feldgitterZeichnen(); }
EMSCRIPTEN_KEEPALIVE void kb_feld_ergebnis() { flaechen().bild.feld.ergebnisZeichnen(spiel().feld); }

// Places the start players and draws them.
EMSCRIPTEN_KEEPALIVE void kb_start_spieler_zeichnen(int anzahl)
{
    flaechen().bild.feld.startSpielerZeichnen(spiel().feld.startSpielerSetzen(anzahl, spiel().zufall));
}

// One recruitment pass, every attempt drawn; returns the number of new recruits.
EMSCRIPTEN_KEEPALIVE int kb_zielsuche_zeichnen(double p)
{
    const Zielsuchergebnis ergebnis = spiel().feld.zielsuche(p, spiel().zufall);
    for (const Werbeversuch& versuch : ergebnis.versuche)
        flaechen().bild.feld.zielVersuchZeichnen(versuch);
    return static_cast<int>(ergebnis.neuGeworbene.size());
}

EMSCRIPTEN_KEEPALIVE const char* kb_feld_beschreibung()
{
    return textAusgeben(Feldansicht::beschreibung(spiel().feld));
}

// ---- The chart ----

EMSCRIPTEN_KEEPALIVE void kb_histo_geister() { flaechen().bild.histo.spaltenMitGeisterbalken(spiel().feld); }
EMSCRIPTEN_KEEPALIVE void kb_histo_gitter(int xEnde) { flaechen().bild.histo.histoGitterZeichnen(xEnde); }
EMSCRIPTEN_KEEPALIVE void kb_histo_senkrecht() { flaechen().bild.histo.senkrechteGitterlinien(); }
EMSCRIPTEN_KEEPALIVE void kb_histo_startbalken(double a0) { flaechen().bild.histo.startbalkenZeichnen(a0); }
EMSCRIPTEN_KEEPALIVE void kb_histo_balken(int n, int anzahl) { flaechen().bild.histo.balkenZeichnen(n, anzahl); }
EMSCRIPTEN_KEEPALIVE void kb_histo_loeschen() { flaechen().bild.histo.loeschen(); }

// Draws the Verhulst curve of A(0), p and t up to a cycle, faded or for
// comparison; returns its error (VerhulstFehler), the cycle of a failed step
// in kb_histo_verhulst_fehlerzyklus.
EMSCRIPTEN_KEEPALIVE int kb_histo_verhulst(double a0, double p, double t, int letzterZyklus, int verblasst)
{
    const VerhulstFolge folge = verhulstFolge(a0, p, t, letzterZyklus);
    flaechen().bild.histo.verhulstLinienZeichnen(
        folge.werte, verblasst ? Histoansicht::Kurve::verblasst : Histoansicht::Kurve::vergleich);
    verhulstFehlerZyklus = folge.fehlerZyklus;
    return static_cast<int>(folge.fehler);
}
EMSCRIPTEN_KEEPALIVE int kb_histo_verhulst_fehlerzyklus() { return verhulstFehlerZyklus; }

// The chart's left edge in the window's unzoomed pixels at a value of its scroll bar.
EMSCRIPTEN_KEEPALIVE int kb_histo_linker_rand(int schieberwert)
{
    return Histoansicht::linkerRandPixel(schieberwert, 1.0);
}
EMSCRIPTEN_KEEPALIVE int kb_schieberwert_nach_zyklus(int zyklus, int schieberwert)
{
    return Histoansicht::schieberwertNachZyklus(zyklus, schieberwert);
}
EMSCRIPTEN_KEEPALIVE const char* kb_histo_beschreibung(int zyklus, const char* anzahl)
{
    return textAusgeben(Histoansicht::beschreibung(zyklus, anzahl));
}

} // extern "C"
