// SPDX-License-Identifier: GPL-3.0-or-later
// The window's two pictures as the page shows them: the field (surface 0)
// and the chart (surface 1), drawn by the game session into pixel buffers
// that the page copies onto its canvases.
#include "bruecke.h"

#include "ausschnitt.h"
#include "histoansicht.h"
#include "twips.h"

#include <emscripten/emscripten.h>

#include <cstdint>

namespace {

// Each surface's size in twips, as its control is designed.
int twipsBreite[2] = {1, 1};
int twipsHoehe[2] = {1, 1};

Zeichenflaeche& flaeche(int k)
{
    return k == 0 ? spiel().feldflaeche : spiel().histoflaeche;
}

// What the page reads back: a rectangle (x, y, width, height) of the
// picture (the changed one, the shown one), a user point.
int bereich[4];
double nutzerpunkt[2];

void bereichSetzen(const Pixelrechteck& r)
{
    bereich[0] = r.x0;
    bereich[1] = r.y0;
    bereich[2] = r.x1 - r.x0 + 1;
    bereich[3] = r.y1 - r.y0 + 1;
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void kb_flaeche_einrichten(int k, int breiteTwips, int hoeheTwips, int hintergrund)
{
    twipsBreite[k] = breiteTwips;
    twipsHoehe[k] = hoeheTwips;
    flaeche(k).hintergrundSetzen(0xff000000u | static_cast<Farbe>(hintergrund));
}

// Whole logical pixels at the zoom, then device pixels, as the desktop sizes
// its surfaces; pens grow with the zoom.
EMSCRIPTEN_KEEPALIVE void kb_flaeche_zoom(int k, double zoom, double verhaeltnis)
{
    flaeche(k).anzeigeSetzen(Anzeige{twipsZuPixeln(twipsBreite[k], zoom),
                                     twipsZuPixeln(twipsHoehe[k], zoom), verhaeltnis});
    flaeche(k).zoomSetzen(zoom);
}

EMSCRIPTEN_KEEPALIVE int kb_flaeche_breite(int k) { return flaeche(k).bild().breite(); }
EMSCRIPTEN_KEEPALIVE int kb_flaeche_hoehe(int k) { return flaeche(k).bild().hoehe(); }
EMSCRIPTEN_KEEPALIVE const int* kb_flaeche_bereich() { return bereich; }

// The whole picture, whose pixels are held as the canvas takes them (R, G,
// B, A bytes row by row), when part of it changed since the last call, or
// always with `alles`: the changed rectangle (or the whole) is in
// kb_flaeche_bereich. Null when nothing changed.
EMSCRIPTEN_KEEPALIVE const std::uint8_t* kb_flaeche_zeigen(int k, int alles)
{
    Zeichenflaeche& f = flaeche(k);
    const Pixelbild& bild = f.bild();
    const Pixelrechteck r = alles ? bild.rechteck() : f.geaendert().geschnitten(bild.rechteck());
    f.geaendertVergessen();
    if (r.leer())
        return nullptr;
    bereichSetzen(r);
    return reinterpret_cast<const std::uint8_t*>(bild.daten());
}

// The part of the picture that the surface's parent shows (see
// sichtbarerTeil), into kb_flaeche_bereich; 0 x 0 when none is.
EMSCRIPTEN_KEEPALIVE void kb_flaeche_ausschnitt(int k, double x0, double y0, double x1, double y1,
                                                double geraeteProPixel)
{
    bereichSetzen(sichtbarerTeil(flaeche(k).bild().rechteck(), x0, y0, x1, y1, geraeteProPixel));
}

// A point in the picture's device pixels in user coordinates.
EMSCRIPTEN_KEEPALIVE const double* kb_zu_nutzer(int k, double x, double y)
{
    const Punkt p = flaeche(k).geraetZuNutzer({x, y});
    nutzerpunkt[0] = p.x;
    nutzerpunkt[1] = p.y;
    return nutzerpunkt;
}

// The chart's left edge in the window's unzoomed pixels at a value of its scroll bar.
EMSCRIPTEN_KEEPALIVE int kb_histo_linker_rand(int schieberwert)
{
    return Histoansicht::linkerRandPixel(schieberwert, 1.0);
}
} // extern "C"
