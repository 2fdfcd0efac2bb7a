// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "abbildung.h"
#include "pixelbild.h"
#include "zeichenop.h"
#include "zeichenprotokoll.h"

#include <cstddef>
#include <functional>

// Where a surface is shown: its size in logical pixels and the screen's
// device pixels per logical pixel.
struct Anzeige
{
    int breite = 1;
    int hoehe = 1;
    double verhaeltnis = 1.0;
    bool operator==(const Anzeige&) const = default;
};

// A picture box that is drawn on in its own user coordinates and keeps what
// is drawn (a retained picture that survives being covered), without any
// window system: each edition shows its pixels.
//
// The operations since the last clear are kept in user coordinates and
// rasterised into a pixel buffer at the current device scale; when the scale
// changes (zoom, device pixel ratio) the picture is rasterised again, crisp,
// without losing anything.
//
// What is kept stays bounded, whatever the history (passes repeated without
// a commit, a pupil's pen for a whole lesson): once the kept operations
// would take more than behaltenerAufwand to draw again, the picture as it is
// becomes the ground and the operations are dropped. At that scale nothing
// changes; at another scale the ground is scaled (nearest neighbour, so every
// pixel keeps one of the drawing's colours) and only the operations since are
// drawn anew.
class Zeichenflaeche
{
public:
    // In twentieths of a slanted line (Zeichenop::aufwand): a whole
    // recruitment pass over the full field at p = 15 with the field under it
    // (about 4 000 lines and 8 000 boxes and circles, 104 000) still fits,
    // so after one pass every zoom stays crisp; and what is kept after many
    // passes takes little more than that to draw again.
    static constexpr std::size_t behaltenerAufwand = 122880;

    // Asked before every drawing, so that the picture always has the size
    // the surface is shown at.
    void anzeigeQuelle(std::function<Anzeige()> quelle);
    // For an edition that sets the size itself.
    void anzeigeSetzen(Anzeige anzeige);
    // Told the device pixels changed since the picture was last shown; a
    // picture rasterised anew reports every pixel (bild().rechteck() or more).
    void beiAenderung(std::function<void(const Pixelrechteck&)> melden);

    // The user coordinates of the left, top, right and bottom edges.
    void nutzerkoordinaten(double links, double oben, double rechts, double unten);
    void hintergrundSetzen(Farbe farbe);

    // Fill with the back colour and forget all drawing.
    void loeschen();
    // Zoom of the whole window: pen widths grow with it.
    void zoomSetzen(double zoom);
    // Pen width in pixels for the following operations; stays set. 1..255.
    void stiftbreite(int pixel);
    int stift() const { return m_stift; }

    void linie(double x1, double y1, double x2, double y2, Farbe farbe);
    void rahmen(double x1, double y1, double x2, double y2, Farbe farbe);
    void gefuellt(double x1, double y1, double x2, double y2, Farbe farbe);
    // Radius in horizontal user units.
    void kreis(double mitteX, double mitteY, double radius, Farbe farbe);

    // The retained picture at the current device scale, and that scale.
    const Pixelbild& bild();
    double bildVerhaeltnis() const { return m_bildVerhaeltnis; }
    // What changed since it was last forgotten (after showing it).
    Pixelrechteck geaendert() const { return m_geaendert; }
    void geaendertVergessen() { m_geaendert = {}; }

    // A position in logical pixels of the shown surface in user coordinates.
    Punkt zuNutzer(Punkt logisch) const;
    // A position in device pixels of the picture in user coordinates.
    Punkt geraetZuNutzer(Punkt geraet);
    // The colour under a user point, or 0 (no colour) outside the picture.
    Farbe farbeBei(double x, double y);

    // What is kept to draw again: operations and their work.
    std::size_t behalteneOperationen() const { return m_protokoll.anzahl(); }
    std::size_t behaltenerAufwandJetzt() const { return m_protokoll.aufwand(); }

private:
    void aufnehmen(Zeichenop op);
    Anzeige anzeige() const { return m_anzeigeQuelle ? m_anzeigeQuelle() : m_anzeige; }
    // Makes the picture match the shown size and device pixel ratio,
    // rasterising everything again when it does not.
    void bildSichern();
    // The ground and every kept operation onto the picture just made, which
    // comes filled with the background.
    void allesRastern();
    // Drops the picture; it is rasterised anew when next needed.
    void spaeterRastern();
    Abbildung abbildungFuer(int breite, int hoehe, double verhaeltnis) const;
    static int geraetePixel(int logisch, double verhaeltnis);
    void melden();

    std::function<Anzeige()> m_anzeigeQuelle;
    Anzeige m_anzeige;
    std::function<void(const Pixelrechteck&)> m_melden;
    double m_links = 0, m_oben = 0, m_rechts = 1, m_unten = 1;
    Farbe m_hintergrund = farbeAus(255, 255, 255);
    int m_stift = 1;
    double m_zoom = 1.0;
    Zeichenprotokoll m_protokoll;
    Pixelbild m_grund; // what was drawn before the kept operations, if anything
    Pixelbild m_bild;
    double m_bildVerhaeltnis = 1.0; // device pixels per logical pixel of m_bild
    Abbildung m_abbildung;
    Pixelrechteck m_geaendert;
};
